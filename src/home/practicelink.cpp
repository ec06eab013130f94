// SPDX-License-Identifier: GPL-3.0-or-later
#include "home/practicelink.h"

namespace home {

void PracticeLink::open(const results::PaperPlace &place, std::function<void()> onUnload)
{
    m_practice = m_opener(place, std::move(onUnload));
    if (m_practice && !m_practice->isVisible())
        m_practice->show();
}

bool PracticeLink::close()
{
    if (!m_practice)
        return true;
    // Typing not yet saved is the pupil's to give up, not ours: the practice window asks.
    if (m_closeQuery && !m_closeQuery(m_practice))
        return false;
    QWidget *practice = m_practice;
    if (!practice->close())
        return false;
    m_practice = nullptr;
    delete practice;
    return true;
}

} // namespace home
