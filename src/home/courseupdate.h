// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "courses/layouts.h"

#include <QString>

namespace home {

// What the pupil is told once after a course update moved earlier results aside: per subject,
// how many papers and where their results were kept. Empty when nothing was moved and nothing
// failed.
QString courseUpdateText(const courses::UpdateOutcome &outcome);

} // namespace home
