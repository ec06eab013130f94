#include "pictures.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>

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

// The format named by the file's extension, so that decoding skips probing every image plugin.
QByteArray formatOf(const QString &fileName)
{
    const qsizetype dot = fileName.lastIndexOf(u'.');
    return dot < 0 ? QByteArray() : fileName.mid(dot + 1).toLower().toLatin1();
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
        if (!pixmap.loadFromData(bytes, formatOf(fileName).constData()))
            pixmap.loadFromData(bytes);
    } else if (!s.folder.isEmpty()) {
        const QString path = findFile(s.folder, fileName);
        if (!path.isEmpty()) {
            ++s.reads;
            pixmap.load(path);
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
