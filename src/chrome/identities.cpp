#include "identities.h"

namespace chrome {

namespace {
ButtonIdentity identity(const QString &caption, const QString &toolTip, const QString &stem,
                        bool hasDisabled = false)
{
    ButtonIdentity id;
    id.caption = caption;
    id.toolTip = toolTip;
    id.off = stem + QStringLiteral("_off.bmp");
    id.on = stem + QStringLiteral("_on.bmp");
    id.pressed = stem + QStringLiteral("_pressed.bmp");
    if (hasDisabled)
        id.disabled = stem + QStringLiteral("_disabled.bmp");
    return id;
}
} // namespace

ButtonIdentity homeToolbarIdentity(int position, bool helpTab)
{
    // Tool tips are built around the caption, as the captions may one day be translated.
    if (!helpTab) {
        switch (position) {
        case 1: {
            const QString c = QStringLiteral("Home");
            return identity(c, QStringLiteral("Load ") + c + QStringLiteral(" page"),
                            QStringLiteral("home"));
        }
        case 2: {
            const QString c = QStringLiteral("Report");
            return identity(c, QStringLiteral("Load ") + c + QStringLiteral(" card"),
                            QStringLiteral("report"));
        }
        case 3: {
            const QString c = QStringLiteral("Print");
            return identity(c, c + QStringLiteral(" results"), QStringLiteral("print"));
        }
        case 4: {
            const QString c = QStringLiteral("Close");
            return identity(c, c + QStringLiteral(" program"), QStringLiteral("close"));
        }
        default:
            return {};
        }
    }
    switch (position) {
    case 1: {
        const QString c = QStringLiteral("About");
        return identity(c, c + QStringLiteral(" Larkspur"), QStringLiteral("about"));
    }
    case 2: {
        const QString c = QStringLiteral("Trash");
        return identity(c, c + QStringLiteral(" past results"), QStringLiteral("trash"));
    }
    case 3: {
        ButtonIdentity id = identity({}, {}, QStringLiteral("print"));
        id.hasCommand = false;
        return id;
    }
    case 4: {
        const QString c = QStringLiteral("Setup");
        return identity(c, QStringLiteral("Printer ") + c, QStringLiteral("setup"));
    }
    default:
        return {};
    }
}

ButtonIdentity practiceToolbarIdentity(int position)
{
    switch (position) {
    case 1:
        return identity(QStringLiteral("Save"), QStringLiteral("Save paper"),
                        QStringLiteral("save"), true);
    case 2:
        return identity(QStringLiteral("Mark"), QStringLiteral("Mark paper"),
                        QStringLiteral("mark"), true);
    case 3:
        return identity(QStringLiteral("Print"), QStringLiteral("Print question"),
                        QStringLiteral("print"));
    case 4:
        return identity(QStringLiteral("Close"), QStringLiteral("Close paper"),
                        QStringLiteral("close"));
    case 5:
        return identity(QStringLiteral("Back"), QStringLiteral("Previous question"),
                        QStringLiteral("back"), true);
    case 6:
        return identity(QStringLiteral("Next"), QStringLiteral("Next question"),
                        QStringLiteral("forward"), true);
    default:
        return {};
    }
}

ButtonIdentity tabIdentity(bool front)
{
    ButtonIdentity id;
    id.off = front ? QStringLiteral("tabs_front_off.bmp") : QStringLiteral("tabs_back_off.bmp");
    id.on = front ? QStringLiteral("tabs_front_on.bmp") : QStringLiteral("tabs_back_on.bmp");
    return id;
}

} // namespace chrome
