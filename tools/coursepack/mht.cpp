#include "items.h"

#include "records/records.h"

namespace coursepack {

namespace {
const QByteArray kCrLf("\r\n");

QByteArray base64Lines(const QByteArray &bytes)
{
    const QByteArray encoded = bytes.toBase64();
    QByteArray out;
    out.reserve(encoded.size() + encoded.size() / 76 * 2 + 2);
    for (qsizetype i = 0; i < encoded.size(); i += 76)
        out += encoded.mid(i, 76) + kCrLf;
    return out;
}

QString escapeHtml(const QString &s)
{
    return s.toHtmlEscaped();
}
} // namespace

// One sheet for every question, embedded in each page (the pages must stand alone). Sizes are in
// rem/em so that the viewer's zoom (100 % or 200 %) scales text, gaps and pictures together.
QString questionStylesheet()
{
    return QStringLiteral(R"(html { -webkit-text-size-adjust: 100%; }
/* The practice window lays its "Question n" heading over the top 30 px of the page. */
body {
  margin: 0; padding: 2.6rem 1.4rem 2rem;
  font-family: "Segoe UI", "Noto Sans", "Open Sans", "DejaVu Sans", "Helvetica Neue", Arial, sans-serif;
  font-size: 1.0625rem; line-height: 1.65; color: #1f2937; background: #ffffff;
}
main.question { max-width: 46rem; margin: 0 auto; }
p { margin: 0 0 0.85em; }
h1, h2, h3 { color: #1e3a8a; line-height: 1.3; margin: 0.2em 0 0.6em; }
h1 { font-size: 1.35rem; } h2 { font-size: 1.2rem; } h3 { font-size: 1.05rem; }
strong, b { color: #111827; }
ul, ol { margin: 0.3em 0 0.9em; padding-left: 1.6em; }
li { margin: 0.2em 0; }
.gap {
  display: inline-block; min-width: 5.5em; margin: 0 0.2em; padding: 0 0.1em 0.1em;
  border-bottom: 2px solid #3b6fd8; line-height: 1.35; vertical-align: baseline;
  white-space: nowrap; text-align: left;
}
.gap-L { min-width: 14em; }
main.question > .gap { margin: 0.1em 0.2em 0.9em; } /* a gap standing on its own line */
.gap-Q, .gap-N, .gap-F, .gap-X, .gap-R { min-width: 4em; }
.gap-label {
  display: inline-block; padding: 0 0.55em; border-radius: 999px;
  background: #e6eefc; border: 1px solid #b7cbf3; color: #1d4ed8;
  font-size: 0.85em; font-weight: 600; letter-spacing: 0.02em;
}
ol.choices {
  list-style: none; counter-reset: choice; margin: 0.5em 0 1em; padding: 0;
}
ol.choices > li {
  counter-increment: choice; position: relative; margin: 0.45em 0;
  padding: 0.4em 0.9em 0.4em 2.9em; border: 1px solid #d8dee9; border-radius: 0.6em;
  background: #f8fafc;
}
ol.choices > li::before {
  content: counter(choice); position: absolute; left: 0.75em; top: 0.59em;
  width: 1.55em; height: 1.55em; line-height: 1.55em; border-radius: 50%;
  background: #3b6fd8; color: #ffffff; font-weight: 700; font-size: 0.9em; text-align: center;
}
img { display: block; max-width: 100%; height: auto; margin: 0.8em auto; }
img.inline { display: inline; margin: 0 0.15em; vertical-align: middle; }
figure { margin: 0.8em auto; text-align: center; }
figcaption { font-size: 0.9em; color: #4b5563; }
table { border-collapse: collapse; margin: 0.8em auto; }
th, td { border: 1px solid #cbd5e1; padding: 0.35em 0.75em; text-align: left; }
th { background: #eef2f7; }
.passage {
  margin: 0 0 1em; padding: 0.8em 1.1em; border-left: 4px solid #9db7ef;
  background: #f5f8fe; border-radius: 0 0.5em 0.5em 0;
}
.note { font-size: 0.95em; color: #4b5563; }
@media print {
  body { padding: 0; }
  .gap { border-bottom-color: #000000; }
  .gap-label { background: none; border-color: #000000; color: #000000; }
  ol.choices > li::before { background: none; color: #000000; border: 1px solid #000000; }
}
)");
}

QByteArray quotedPrintable(const QByteArray &bytes)
{
    // Hard line breaks are CR LF; lines are kept within 76 characters with soft breaks.
    QByteArray out;
    out.reserve(bytes.size() * 11 / 10);
    qsizetype column = 0;
    auto put = [&](const QByteArray &piece) {
        if (column + piece.size() > 75) {
            out += "=\r\n";
            column = 0;
        }
        out += piece;
        column += piece.size();
    };
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto c = static_cast<unsigned char>(bytes.at(i));
        if (c == '\r' && i + 1 < bytes.size() && bytes.at(i + 1) == '\n')
            continue; // the LF below writes the line end
        if (c == '\n') {
            out += kCrLf;
            column = 0;
            continue;
        }
        const bool atLineEnd =
            i + 1 >= bytes.size() || bytes.at(i + 1) == '\n' || bytes.at(i + 1) == '\r';
        const bool literal =
            (c >= 33 && c <= 126 && c != '=') || ((c == ' ' || c == '\t') && !atLineEnd);
        if (literal)
            put(QByteArray(1, char(c)));
        else
            put('=' + QByteArray::number(c, 16).toUpper().rightJustified(2, '0'));
    }
    return out;
}

QByteArray questionDocument(const Question &question, const QString &title)
{
    const QByteArray id = QByteArray::number(question.id);
    const QByteArray boundary = "----=_LarkspurPart_" + id;
    const QString page =
        QStringLiteral("<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n"
                       "<meta http-equiv=\"Content-Type\" content=\"text/html; "
                       "charset=windows-1252\">\n"
                       "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
                       "<title>%1</title>\n<style>\n%2</style>\n</head>\n<body>\n"
                       "<main class=\"question\">\n%3\n</main>\n</body>\n</html>\n")
            .arg(escapeHtml(title), questionStylesheet(), question.body);

    QByteArray out;
    out += "From: <Saved by Larkspur coursepack>" + kCrLf;
    out += "Subject: " + records::toWindows1252(title) + kCrLf;
    out += "MIME-Version: 1.0" + kCrLf;
    out += "Content-Type: multipart/related;" + kCrLf;
    out += "\ttype=\"text/html\";" + kCrLf;
    out += "\tboundary=\"" + boundary + "\"" + kCrLf;
    out += kCrLf;
    out += "This is a multi-part message in MIME format." + kCrLf;
    out += kCrLf;
    out += "--" + boundary + kCrLf;
    out += "Content-Type: text/html;" + kCrLf;
    out += "\tcharset=\"windows-1252\"" + kCrLf;
    out += "Content-Transfer-Encoding: quoted-printable" + kCrLf;
    out += "Content-Location: http://larkspur.local/question" + id + ".htm" + kCrLf;
    out += kCrLf;
    out += quotedPrintable(records::toWindows1252(page));
    out += kCrLf;
    for (const Picture &picture : question.pictures) {
        out += "--" + boundary + kCrLf;
        out += "Content-Type: " + picture.mimeType.toLatin1() + kCrLf;
        out += "Content-Transfer-Encoding: base64" + kCrLf;
        out += "Content-Location: " + picture.url.toLatin1() + kCrLf;
        out += kCrLf;
        out += base64Lines(picture.bytes);
        out += kCrLf;
    }
    out += "--" + boundary + "--" + kCrLf;
    return out;
}

} // namespace coursepack
