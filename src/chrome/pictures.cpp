#include "pictures.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QImageReader>

#include <utility>

namespace chrome {

namespace {
struct Store
{
    QString folder;
    Pictures::Source source;
    QHash<QString, QPixmap> cache; // by lower-case file name; null when the file is missing
    int reads = 0;
};

Store &store()
{
    static Store s;
    return s;
}

QString findFile(const QString &folder, const QString &fileName)
{
    const QDir dir(folder);
    if (QFileInfo::exists(dir.filePath(fileName)))
        return dir.filePath(fileName);
    const QStringList entries = dir.entryList(QDir::Files);
    for (const QString &entry : entries) {
        if (entry.compare(fileName, Qt::CaseInsensitive) == 0)
            return dir.filePath(entry);
    }
    return {};
}

// The format named by the file's extension.
QByteArray formatOf(const QString &fileName)
{
    const qsizetype dot = fileName.lastIndexOf(u'.');
    return dot < 0 ? QByteArray() : fileName.mid(dot + 1).toLower().toLatin1();
}

// Decoded by the reader of the named format alone. A reader left to detect the format loads and
// asks every image plugin installed (with their libraries: TIFF, WebP, JPEG, MNG) even when the
// format is named, which cost the first frame several milliseconds; a BMP needs no plugin at all.
// Only bytes the named reader refuses are given to detection.
QPixmap decode(const QByteArray &bytes, const QByteArray &format)
{
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer, format);
    reader.setAutoDetectImageFormat(false);
    QImage image = reader.read();
    if (image.isNull()) {
        buffer.seek(0);
        QImageReader guess(&buffer);
        image = guess.read();
    }
    return QPixmap::fromImage(std::move(image));
}
} // namespace

void Pictures::setDataFolder(const QString &dataFolder)
{
    setFolder(QDir(dataFolder).filePath(QStringLiteral("Graphics")));
}

void Pictures::setFolder(const QString &graphicsFolder)
{
    store().folder = graphicsFolder;
    store().cache.clear();
}

void Pictures::setSource(Source source)
{
    store().source = std::move(source);
    store().cache.clear();
}

QString Pictures::folder()
{
    return store().folder;
}

QPixmap Pictures::get(const QString &fileName)
{
    if (fileName.isEmpty())
        return {};
    Store &s = store();
    const QString key = fileName.toLower();
    const auto it = s.cache.constFind(key);
    if (it != s.cache.constEnd())
        return *it;
    QPixmap pixmap;
    const QByteArray bytes = s.source ? s.source(fileName) : QByteArray();
    if (!bytes.isEmpty()) {
        pixmap = decode(bytes, formatOf(fileName));
    } else if (!s.folder.isEmpty()) {
        const QString path = findFile(s.folder, fileName);
        if (!path.isEmpty()) {
            ++s.reads;
            QFile file(path);
            if (file.open(QIODevice::ReadOnly))
                pixmap = decode(file.readAll(), formatOf(path));
        }
    }
    s.cache.insert(key, pixmap);
    return pixmap;
}

void Pictures::clear()
{
    store().cache.clear();
}

int Pictures::diskReads()
{
    return store().reads;
}

} // namespace chrome
