#!/usr/bin/env python3
"""Seeds for coursefile_fuzzer from course files: each file's body with its entries stored
unpacked (selector 0), the file as it is (selector 2), and each question page (selector 1)."""
import hashlib, os, struct, sys, zlib

def entries(data):
    count = struct.unpack_from('<I', data, 20)[0]
    at, out = 24, []
    for _ in range(count):
        number, stored, full, method = struct.unpack_from('<IIII', data, at)
        at += 16
        body = data[at:at + stored]
        at += stored
        out.append((number, zlib.decompress(body) if method == 1 else body))
    return out

def slim(page):
    """A page without its style sheet and with one-pixel pictures: small enough for -max_len."""
    start, end = page.find(b'<style>'), page.find(b'</style>')
    if 0 <= start < end:
        page = page[:start + 7] + page[end:]
    parts = page.split(b'Content-Transfer-Encoding: base64')
    for i in range(1, len(parts)):
        head, sep, rest = parts[i].partition(b'\r\n\r\n')
        body_end = rest.find(b'\r\n--')
        parts[i] = head + sep + b'R0lGODlhAQABAAAAACw=' + rest[body_end:]
    return b'Content-Transfer-Encoding: base64'.join(parts)

def stored_body(data, items):
    body = data[:24]
    for number, item in items:
        body += struct.pack('<IIII', number, len(item), len(item), 0) + item
    return body

def main(corpus, files):
    os.makedirs(corpus, exist_ok=True)
    for path in files:
        data = open(path, 'rb').read()
        name = os.path.basename(path)
        items = entries(data)
        open(os.path.join(corpus, name + '.stored'), 'wb').write(b'\0' + stored_body(data, items))
        slimmed = [(n, slim(i) if 10000 <= n < 30000 else i) for n, i in items]
        open(os.path.join(corpus, name + '.slim'), 'wb').write(b'\0' + stored_body(data, slimmed))
        open(os.path.join(corpus, name + '.whole'), 'wb').write(b'\2' + data)
        for number, item in slimmed:
            if 10000 <= number < 30000:
                open(os.path.join(corpus, '%s.page%d' % (name, number)), 'wb').write(b'\1' + item)

if __name__ == '__main__':
    main(sys.argv[1], sys.argv[2:])
