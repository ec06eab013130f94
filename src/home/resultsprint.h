// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

class QPrinter;
class QWidget;

// Printing for the home window: the results text on a printer, and the printer set-up.
namespace home {

// Prints `lines` top to bottom in a fixed-pitch font (10 pt, smaller when the widest line would
// not fit the page's width), starting a new page when a line would run past the bottom. False
// when the printer could not be started (no printer, an unwritable file).
bool printTextLines(QPrinter &printer, const QStringList &lines);

// Gives `to` the printer, page layout, copies, colour mode and duplex of `from`, so that a
// set-up dialog can work on a copy and a cancelled dialog changes nothing.
void copyPrinterSettings(const QPrinter &from, QPrinter &to);

// The platform's print set-up dialog over `parent`, on `printer`. True when accepted.
bool runPrintSetupDialog(QPrinter *printer, QWidget *parent);

} // namespace home
