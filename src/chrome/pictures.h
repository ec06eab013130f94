#pragma once

#include <QPixmap>
#include <QString>

namespace chrome {

// The interface pictures of the graphics folder, each read from disk once and kept. Names are
// matched without regard to case ("Pencil.ico" finds "pencil.ico"). A missing or unreadable
// file gives a null pixmap, so a window without its pictures still lays out and works.
class Pictures
{
public:
    // Use the "Graphics" folder of the program's data folder.
    static void setDataFolder(const QString &dataFolder);
    // Use `graphicsFolder` itself; forgets every picture read so far.
    static void setFolder(const QString &graphicsFolder);
    static QString folder();

    static QPixmap get(const QString &fileName);
    // Forget the kept pictures (the folder has been rewritten).
    static void clear();
    // How many files have been read from disk so far (kept pictures are not read again).
    static int diskReads();
};

} // namespace chrome
