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

def main(corpus, files):
    os.makedirs(corpus, exist_ok=True)
    for path in files:
        data = open(path, 'rb').read()
        name = os.path.basename(path)
        items = entries(data)
        body = data[:24]
        for number, item in items:
            body += struct.pack('<IIII', number, len(item), len(item), 0) + item
        open(os.path.join(corpus, name + '.stored'), 'wb').write(b'\0' + body)
        open(os.path.join(corpus, name + '.whole'), 'wb').write(b'\2' + data)
        for number, item in items:
            if 10000 <= number < 30000:
                open(os.path.join(corpus, '%s.page%d' % (name, number)), 'wb').write(b'\1' + item)

if __name__ == '__main__':
    main(sys.argv[1], sys.argv[2:])
