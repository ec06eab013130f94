// Fuzz target of the course file loader. The first byte picks what the rest is:
//   0  the body of a course file (its checksum is added here, so that mutations reach the parser
//      and the course checks instead of stopping at a checksum that no longer matches)
//   1  a question page (MIME HTML) for the page checks
//   2  a whole course file as it would arrive, checksum and all
// Every input must end in a sound course or a refusal with a reason; anything else (a crash, a
// sanitizer report, an exception) is a finding.

#include "courses/checks.h"
#include "courses/coursefile.h"

#include <QByteArray>
#include <QCryptographicHash>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const QByteArray rest(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    switch (data[0] % 3) {
    case 0: {
        const QByteArray file = rest + QCryptographicHash::hash(rest, QCryptographicHash::Sha256);
        const courses::ReadResult r = courses::readCourseFile(file);
        if (r.ok() == !r.error.isEmpty())
            std::abort(); // either a course or a reason, never both or neither
        break;
    }
    case 1:
        courses::checkQuestionPage(rest);
        break;
    default: {
        const courses::ReadResult r = courses::readCourseFile(rest);
        if (r.ok() == !r.error.isEmpty())
            std::abort();
        break;
    }
    }
    return 0;
}
