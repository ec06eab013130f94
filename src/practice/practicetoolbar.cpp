// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/practicetoolbar.h"

#include "chrome/identities.h"

namespace practice {

chrome::ButtonIdentity practiceToolbarIdentity(int position)
{
    switch (position) {
    case 1:
        return chrome::buttonIdentity(QStringLiteral("Save"), QStringLiteral("Save paper"),
                                      QStringLiteral("save"), true);
    case 2:
        return chrome::buttonIdentity(QStringLiteral("Mark"), QStringLiteral("Mark paper"),
                                      QStringLiteral("mark"), true);
    case 3:
        return chrome::buttonIdentity(QStringLiteral("Print"), QStringLiteral("Print question"),
                                      QStringLiteral("print"));
    case 4:
        return chrome::buttonIdentity(QStringLiteral("Close"), QStringLiteral("Close paper"),
                                      QStringLiteral("close"));
    case 5:
        return chrome::buttonIdentity(QStringLiteral("Back"), QStringLiteral("Previous question"),
                                      QStringLiteral("back"), true);
    case 6:
        return chrome::buttonIdentity(QStringLiteral("Next"), QStringLiteral("Next question"),
                                      QStringLiteral("forward"), true);
    default:
        return {};
    }
}
} // namespace practice
