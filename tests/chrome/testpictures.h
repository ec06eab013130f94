#pragma once

// A graphics folder of plain coloured pictures at the sizes the chrome expects, so the widget
// tests depend on nothing outside this folder.

#include <QColor>
#include <QDir>
#include <QImage>
#include <QSize>
#include <QString>

inline void writeTestPictures(const QString &folder)
{
    struct Pic
    {
        const char *name;
        QSize size;
    };
    const Pic pics[] = {
        {"border_top_left.bmp", {48, 28}},
        {"border_top_center.bmp", {2, 28}},
        {"border_top_right.bmp", {48, 28}},
        {"border_white_top_left.bmp", {48, 28}},
        {"border_white_top_center.bmp", {1, 28}},
        {"border_white_top_right.bmp", {48, 28}},
        {"border_left.bmp", {4, 2}},
        {"border_right.bmp", {4, 2}},
        {"border_bot.bmp", {2, 4}},
        {"border_left_corners.bmp", {6, 4}},
        {"border_right_corners.bmp", {6, 4}},
        {"Border_bot_left.gif", {6, 7}},
        {"Border_bot_right.gif", {6, 7}},
        {"info_mark.gif", {32, 27}},
        {"button_off.bmp", {80, 25}},
        {"button_on.bmp", {80, 25}},
        {"prog_blueoff_close.bmp", {19, 19}},
        {"prog_blue_close.bmp", {19, 19}},
        {"prog_white_close.bmp", {19, 19}},
        {"prog_blueoff_min.bmp", {19, 19}},
        {"prog_blue_min.bmp", {19, 19}},
        {"prog_white_min.bmp", {19, 19}},
        {"prog_blueoff_max.bmp", {19, 19}},
        {"prog_blue_max.bmp", {19, 19}},
        {"prog_white_max.bmp", {19, 19}},
        {"prog_blueoff_norm.bmp", {19, 19}},
        {"prog_blue_norm.bmp", {19, 19}},
        {"save_off.bmp", {44, 45}},
        {"save_on.bmp", {44, 45}},
        {"save_pressed.bmp", {44, 45}},
        {"save_disabled.bmp", {44, 45}},
        {"mark_off.bmp", {44, 45}},
        {"mark_on.bmp", {44, 45}},
        {"mark_pressed.bmp", {44, 45}},
        {"mark_disabled.bmp", {44, 45}},
        {"pencil.ico", {16, 16}},
    };
    QDir().mkpath(folder);
    int hue = 0;
    for (const Pic &p : pics) {
        QImage img(p.size, QImage::Format_RGB32);
        img.fill(QColor::fromHsv(hue, 200, 200));
        hue = (hue + 37) % 360;
        const QString name = QString::fromLatin1(p.name);
        const QByteArray format = name.endsWith(QLatin1String(".gif"))   ? "png"
                                  : name.endsWith(QLatin1String(".ico")) ? "png"
                                                                         : "bmp";
        // Qt reads pictures by their content, so a PNG under a .gif name loads the same.
        img.save(QDir(folder).filePath(name), format.constData());
    }
}
