// SPDX-License-Identifier: GPL-3.0-or-later
#include "home/resultsprinter.h"

#include "home/resultsprint.h"

#include <QDir>
#include <QPrinter>

namespace home {

ResultsPrinter::ResultsPrinter() = default;
ResultsPrinter::~ResultsPrinter() = default;

QPrinter &ResultsPrinter::printer()
{
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_printer;
}

QString ResultsPrinter::print(const QStringList &lines)
{
    if (!printTextLines(printer(), lines))
        return QStringLiteral("Your results could not be printed. Please check the printer "
                              "(Setup on the Help tab) and try again.");
    // Without a word the pupil cannot tell a print from a click that did nothing.
    const QPrinter &used = printer();
    if (used.outputFormat() == QPrinter::PdfFormat)
        return QStringLiteral("Your results have been printed to the file %1.")
            .arg(QDir::toNativeSeparators(used.outputFileName()));
    if (used.printerName().isEmpty())
        return QStringLiteral("Your results have been sent to the printer.");
    return QStringLiteral("Your results have been sent to the printer %1.").arg(used.printerName());
}

void ResultsPrinter::setUp(QWidget *parent)
{
    auto chosen = std::make_unique<QPrinter>(QPrinter::HighResolution);
    copyPrinterSettings(printer(), *chosen);
    const bool accepted =
        m_setupHook ? m_setupHook(chosen.get()) : runPrintSetupDialog(chosen.get(), parent);
    if (accepted)
        m_printer = std::move(chosen);
}

} // namespace home
