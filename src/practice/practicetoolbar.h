#pragma once
// SPDX-License-Identifier: GPL-3.0-or-later

#include "chrome/imagebutton.h"

namespace practice {

// The practice toolbar's buttons (positions 1-6: Save, Mark, Print, Close, Back, Next).
chrome::ButtonIdentity practiceToolbarIdentity(int position);

} // namespace practice
