#pragma once

#include <QByteArray>
#include <QPixmap>
#include <QString>

#include <functional>

namespace chrome {

// The interface pictures, each decoded once and kept. They come from the source set with
// setSource (the program's built-in pictures: no file is read) and otherwise from the graphics
// folder. Names are matched without regard to case ("Pencil.ico" finds "pencil.ico"). A missing
// or unreadable picture gives a null pixmap, so a window without its pictures still lays out and
// works.
class Pictures
{
public:
    // Use the "Graphics" folder of the program's data folder.
    static void setDataFolder(const QString &dataFolder);
    // Use `graphicsFolder` itself; forgets every picture read so far.
    static void setFolder(const QString &graphicsFolder);
    static QString folder();

    // The bytes of a picture by its file name, empty when the source has none of that name.
    using Source = std::function<QByteArray(const QString &fileName)>;
    // Read pictures from `source` first (an empty function: from the folder only); forgets
    // every picture read so far.
    static void setSource(Source source);

    static QPixmap get(const QString &fileName);
    // Forget the kept pictures (the folder has been rewritten).
    static void clear();
    // How many files have been read from disk so far (kept pictures are not read again).
    static int diskReads();
};

} // namespace chrome
