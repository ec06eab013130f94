// SPDX-License-Identifier: GPL-3.0-or-later
#include "home/resultsprint.h"

#include "home/homelogic.h"

#include <QDialogButtonBox>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

#include <algorithm>

namespace home {

namespace {
constexpr double BasePoints = 10;

// Fixed pitch, so that the print zones of every line fall in the same columns.
QFont printFont(double points)
{
    QFont font;
    font.setFamilies({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"),
                      QStringLiteral("DejaVu Sans Mono")});
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSizeF(points);
    return font;
}
} // namespace

bool printTextLines(QPrinter &printer, const QStringList &lines)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    QFont font = printFont(BasePoints);
    double widest = 0;
    {
        const QFontMetricsF metrics(font, &printer);
        for (const QString &line : lines)
            widest = std::max(widest, metrics.horizontalAdvance(line));
    }
    const double pageWidth = printer.width();
    const double pageHeight = printer.height();
    font.setPointSizeF(fittingPointSize(BasePoints, widest, pageWidth));
    painter.setFont(font);
    const QFontMetricsF metrics(font, &printer);

    double baseline = metrics.ascent();
    for (const QString &line : lines) {
        if (baseline + metrics.descent() > pageHeight) {
            if (!printer.newPage()) {
                painter.end();
                return false;
            }
            baseline = metrics.ascent();
        }
        if (!line.isEmpty())
            painter.drawText(QPointF(0, baseline), line);
        baseline += metrics.lineSpacing();
    }
    return painter.end();
}

void copyPrinterSettings(const QPrinter &from, QPrinter &to)
{
    if (from.outputFormat() == QPrinter::PdfFormat) {
        to.setOutputFormat(QPrinter::PdfFormat);
        to.setOutputFileName(from.outputFileName());
    } else {
        to.setPrinterName(from.printerName());
    }
    to.setPageLayout(from.pageLayout());
    to.setCopyCount(from.copyCount());
    to.setColorMode(from.colorMode());
    to.setDuplex(from.duplex());
}

bool runPrintSetupDialog(QPrinter *printer, QWidget *parent)
{
    QPrintDialog dialog(printer, parent);
    dialog.setWindowTitle(QStringLiteral("Printer Setup"));
    // Choosing a printer and its paper: a page range means nothing here.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    // Accepting chooses the printer; it prints nothing, so the button must not say "Print".
    // (Toolkit-drawn dialogs have such a button box; native ones keep their own words.)
    if (auto *buttons = dialog.findChild<QDialogButtonBox *>()) {
        if (QPushButton *ok = buttons->button(QDialogButtonBox::Ok))
            ok->setText(QStringLiteral("OK"));
    }
    return dialog.exec() == QDialog::Accepted;
}

} // namespace home
