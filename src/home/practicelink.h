// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "results/paperplace.h"

#include <QPointer>
#include <QWidget>

#include <functional>

namespace home {

// The home window's hand-over of a paper to a practice window, of which at most one is open.
class PracticeLink
{
public:
    // Creates (and shows) the practice window for the paper and take of `place`; the window
    // must call `onUnload` when it unloads.
    using Opener =
        std::function<QWidget *(const results::PaperPlace &place, std::function<void()> onUnload)>;
    // Asked before the practice window is closed: true when it may close (it asks the pupil
    // itself when answers would be lost), false to keep it open.
    using CloseQuery = std::function<bool(QWidget *practice)>;

    void setOpener(Opener opener) { m_opener = std::move(opener); }
    void setCloseQuery(CloseQuery query) { m_closeQuery = std::move(query); }
    bool canOpen() const { return bool(m_opener); }
    QWidget *window() const { return m_practice; }

    // Opens the practice window for `place` and makes sure it is on show.
    void open(const results::PaperPlace &place, std::function<void()> onUnload);
    // Closes the open practice window, if any, and deletes it, so that it has unloaded before
    // anything that follows reads the results. False when it stays open.
    bool close();
    // Deletes the practice window without asking (the program is going away).
    void discard() { delete m_practice.data(); }

private:
    Opener m_opener;
    CloseQuery m_closeQuery;
    QPointer<QWidget> m_practice;
};

} // namespace home
