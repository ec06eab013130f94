// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QPrinter;
class QWidget;

namespace home {

// The program's printer and what is done with it: the results printout and the printer set-up.
class ResultsPrinter
{
public:
    ResultsPrinter();
    ~ResultsPrinter();

    // The system's default printer until setUp chooses another.
    QPrinter &printer();

    // Tests: a stand-in for the platform's set-up dialog (true = accepted; it may change the
    // printer it is given).
    void setSetupHook(std::function<bool(QPrinter *)> hook) { m_setupHook = std::move(hook); }

    // Prints `lines` and gives the pupil's words for what happened: where the printout went, or
    // that it failed.
    QString print(const QStringList &lines);
    // The set-up dialog over `parent`. It works on a copy, so that cancelling it leaves the
    // printer as it was.
    void setUp(QWidget *parent);

private:
    std::unique_ptr<QPrinter> m_printer;
    std::function<bool(QPrinter *)> m_setupHook;
};

} // namespace home
