#include "courses/coursefile.h"

#include "courses/checks.h"
#include "records/records.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

#include <cstring>

#include <zlib.h>

namespace courses {

namespace {

constexpr QByteArrayView Magic("LarkspurCourse\r\n");
constexpr qsizetype DigestSize = 32;
constexpr quint32 Stored = 0;
constexpr quint32 Zlib = 1;

void putNumber(QByteArray &out, quint32 n)
{
    for (int i = 0; i < 4; ++i)
        out.append(char((n >> (8 * i)) & 0xFF));
}

QByteArray detailsItem(const CourseInfo &info)
{
    QStringList lines{QStringLiteral("...")};
    lines << records::composeRecord(QStringLiteral("NME"), {info.name}, 1)
          << records::composeRecord(QStringLiteral("COD"), {info.code}, 1)
          << records::composeRecord(QStringLiteral("VER"), {info.version}, 1)
          << records::composeRecord(QStringLiteral("BLD"), {info.builder}, 1)
          << QStringLiteral("...");
    return records::encodeLines(lines);
}

// Reads the file front to back; every read is checked against what is left.
class Reader
{
public:
    explicit Reader(QByteArrayView bytes) : m_bytes(bytes) {}
    bool number(quint32 &n)
    {
        if (m_bytes.size() - m_at < 4)
            return false;
        const auto *p = reinterpret_cast<const unsigned char *>(m_bytes.data() + m_at);
        n = quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24;
        m_at += 4;
        return true;
    }
    bool take(qsizetype size, QByteArrayView &out)
    {
        if (size < 0 || m_bytes.size() - m_at < size)
            return false;
        out = m_bytes.sliced(m_at, size);
        m_at += size;
        return true;
    }
    qsizetype left() const { return m_bytes.size() - m_at; }

private:
    QByteArrayView m_bytes;
    qsizetype m_at = 0;
};

// Unpacks zlib data into exactly `size` bytes: data that unpacks to more or fewer is refused,
// and never more than `size` bytes are made, however the data was crafted.
std::optional<QByteArray> inflateExactly(QByteArrayView packed, quint32 size)
{
    QByteArray out(qsizetype(size), Qt::Uninitialized);
    z_stream z{};
    if (inflateInit(&z) != Z_OK)
        return std::nullopt;
    z.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(packed.data()));
    z.avail_in = uInt(packed.size());
    z.next_out = reinterpret_cast<Bytef *>(out.data());
    z.avail_out = uInt(size);
    int status = inflate(&z, Z_FINISH);
    if (status == Z_BUF_ERROR && z.avail_out == 0) {
        // Full: sound only when nothing is left to come out.
        unsigned char spare = 0;
        z.next_out = &spare;
        z.avail_out = 1;
        status = inflate(&z, Z_FINISH);
        if (z.avail_out == 0)
            status = Z_DATA_ERROR;
    }
    const bool whole = status == Z_STREAM_END && z.avail_in == 0 && z.total_out == size;
    inflateEnd(&z);
    if (!whole)
        return std::nullopt;
    return out;
}

ReadResult refused(const QString &why)
{
    ReadResult r;
    r.error = why;
    return r;
}

} // namespace

QByteArray writeCourseFile(const CourseInfo &info, const Items &items)
{
    Items all = items;
    all.insert(0, detailsItem(info));
    QByteArray out = Magic.toByteArray();
    putNumber(out, CourseFileFormat);
    putNumber(out, quint32(all.size()));
    for (auto it = all.constBegin(); it != all.constEnd(); ++it) {
        // qCompress puts the full size in front; the entry says it already.
        const QByteArray packed = qCompress(it.value(), 9).mid(4);
        // The details stay unpacked, so that a course can be listed without unpacking it.
        const bool compress = it.key() != 0 && packed.size() < it.value().size();
        const QByteArray &body = compress ? packed : it.value();
        putNumber(out, quint32(it.key()));
        putNumber(out, quint32(body.size()));
        putNumber(out, quint32(it.value().size()));
        putNumber(out, compress ? Zlib : Stored);
        out += body;
    }
    out += QCryptographicHash::hash(out, QCryptographicHash::Sha256);
    return out;
}

ReadResult readCourseFile(QByteArrayView bytes)
{
    if (!bytes.startsWith(Magic))
        return refused(QStringLiteral("it is not a Larkspur course file"));
    if (bytes.size() > MaxCourseFileSize)
        return refused(QStringLiteral("it is larger than a course can be (%1 MB at most)")
                           .arg(MaxCourseFileSize / (1024 * 1024)));
    if (bytes.size() < Magic.size() + 8 + DigestSize)
        return refused(QStringLiteral("the file is cut short"));
    const QByteArrayView body = bytes.first(bytes.size() - DigestSize);
    const QByteArray digest = QCryptographicHash::hash(body, QCryptographicHash::Sha256);
    if (std::memcmp(digest.constData(), bytes.data() + body.size(), DigestSize) != 0)
        return refused(QStringLiteral("the file is damaged or cut short (its checksum does not "
                                      "match); copy it again from where it came from"));

    Reader in(body.sliced(Magic.size()));
    quint32 format = 0, count = 0;
    in.number(format);
    in.number(count);
    if (format != CourseFileFormat)
        return refused(QStringLiteral("it was written in course file format %1, which this "
                                      "version of Larkspur does not read; a newer one may")
                           .arg(format));
    if (count > quint32(MaxEntries))
        return refused(QStringLiteral("it holds %1 items; a course has at most %2")
                           .arg(count)
                           .arg(MaxEntries));

    Items items;
    qint64 total = 0;
    for (quint32 i = 0; i < count; ++i) {
        quint32 number = 0, storedSize = 0, fullSize = 0, method = 0;
        QByteArrayView stored;
        if (!in.number(number) || !in.number(storedSize) || !in.number(fullSize) ||
            !in.number(method) || !in.take(qsizetype(storedSize), stored))
            return refused(QStringLiteral("the list of items is cut short"));
        if (number > 99999)
            return refused(QStringLiteral("it holds an item numbered %1").arg(number));
        if (items.contains(int(number)))
            return refused(QStringLiteral("item %1 is there twice").arg(number));
        if (qint64(fullSize) > MaxItemSize)
            return refused(QStringLiteral("item %1 is larger than an item can be (%2 MB at most)")
                               .arg(number)
                               .arg(MaxItemSize / (1024 * 1024)));
        total += fullSize;
        if (total > MaxCourseSize)
            return refused(QStringLiteral("its items come to more than %1 MB")
                               .arg(MaxCourseSize / (1024 * 1024)));
        QByteArray item;
        if (method == Stored) {
            if (storedSize != fullSize)
                return refused(QStringLiteral("item %1 has two different sizes").arg(number));
            item = stored.toByteArray();
        } else if (method == Zlib) {
            const std::optional<QByteArray> unpacked = inflateExactly(stored, fullSize);
            if (!unpacked)
                return refused(QStringLiteral("item %1 cannot be unpacked").arg(number));
            item = *unpacked;
        } else {
            return refused(QStringLiteral("item %1 is packed in an unknown way").arg(number));
        }
        items.insert(int(number), item);
    }
    if (in.left() != 0)
        return refused(QStringLiteral("there are stray bytes after the last item"));

    const auto details = items.constFind(0);
    if (details == items.constEnd())
        return refused(QStringLiteral("the course's details (item 0) are missing"));
    CourseFile course;
    const std::optional<QString> problem = checkDetails(*details, course.info);
    if (problem)
        return refused(*problem);
    items.remove(0);
    const QStringList problems = checkCourseItems(items, &course.info);
    if (!problems.isEmpty()) {
        QString text = problems.first();
        if (problems.size() > 1)
            text += QStringLiteral(" (and %1 more %2)")
                        .arg(problems.size() - 1)
                        .arg(problems.size() == 2 ? QStringLiteral("problem")
                                                  : QStringLiteral("problems"));
        return refused(text);
    }
    course.items = std::move(items);
    ReadResult r;
    r.course = std::move(course);
    return r;
}

ReadResult loadCourseFile(const QString &path, QByteArray *bytesRead)
{
    const QFileInfo info(path);
    if (!info.exists())
        return refused(QStringLiteral("there is no such file"));
    if (!info.isFile())
        return refused(QStringLiteral("it is not a file"));
    if (info.size() > MaxCourseFileSize)
        return refused(QStringLiteral("it is larger than a course can be (%1 MB at most)")
                           .arg(MaxCourseFileSize / (1024 * 1024)));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refused(QStringLiteral("it cannot be read: %1").arg(file.errorString()));
    const QByteArray bytes = file.read(MaxCourseFileSize + 1);
    if (file.error() != QFileDevice::NoError)
        return refused(QStringLiteral("it cannot be read: %1").arg(file.errorString()));
    ReadResult result = readCourseFile(bytes);
    if (bytesRead && result.ok())
        *bytesRead = bytes;
    return result;
}

} // namespace courses
