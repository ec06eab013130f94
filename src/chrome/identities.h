#pragma once

#include "imagebutton.h"

namespace chrome {

// The home toolbar's buttons (positions 1-4) for a subject tab or for the Help tab. On the Help
// tab position 3 has no command: it keeps the print pictures with no caption, no tool tip and
// hasCommand false, and the home window may hide or disable it.
ButtonIdentity homeToolbarIdentity(int position, bool helpTab);

// The practice toolbar's buttons (positions 1-6: Save, Mark, Print, Close, Back, Next).
ButtonIdentity practiceToolbarIdentity(int position);

// A home tab's pictures: (off, on) in front or at the back.
ButtonIdentity tabIdentity(bool front);

} // namespace chrome
