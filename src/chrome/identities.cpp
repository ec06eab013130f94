#include "identities.h"

namespace chrome {

ButtonIdentity buttonIdentity(const QString &caption, const QString &toolTip, const QString &stem,
                              bool hasDisabled)
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

ButtonIdentity tabIdentity(bool front)
{
    ButtonIdentity id;
    id.off = front ? QStringLiteral("tabs_front_off.bmp") : QStringLiteral("tabs_back_off.bmp");
    id.on = front ? QStringLiteral("tabs_front_on.bmp") : QStringLiteral("tabs_back_on.bmp");
    return id;
}

} // namespace chrome
