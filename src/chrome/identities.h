#pragma once

#include "imagebutton.h"

namespace chrome {

// A button's captions and pictures: `stem`_off.bmp, _on.bmp, _pressed.bmp and, when it can be
// disabled, _disabled.bmp.
ButtonIdentity buttonIdentity(const QString &caption, const QString &toolTip, const QString &stem,
                              bool hasDisabled = false);

// A home tab's pictures: (off, on) in front or at the back.
ButtonIdentity tabIdentity(bool front);

} // namespace chrome
