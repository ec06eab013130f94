// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/statusstrip.h"

#include "chrome/look.h"
#include "chrome/picturebox.h"

#include <QComboBox>
#include <QLabel>

#include <algorithm>

namespace practice {

StatusStrip::StatusStrip(Take take, QWidget *parent) : QWidget(parent)
{
    using chrome::PictureBox;
    setObjectName(QStringLiteral("RemQnsBG"));
    chrome::setBackground(this, chrome::palette::Panel);
    for (const StatusPiece &piece : statusBarPieces(take)) {
        auto *bot = new PictureBox(piece.name, this, PictureBox::Fit::Stretch);
        bot->setPicture(piece.picture);
        m_bots[piece.name.back().digitValue() - 1] = bot;
    }
    m_remPanel = new PictureBox(QStringLiteral("TxtRem"), this, PictureBox::Fit::Stretch);
    m_remPanel->setPicture(QStringLiteral("bottombg2.bmp"));
    chrome::makeLabel(QStringLiteral("lblQnsLeft"), QStringLiteral("Qns left:"), m_remPanel)
        ->setGeometry(6, 4, 56, 17);
    m_remQns = new QComboBox(m_remPanel);
    m_remQns->setObjectName(QStringLiteral("RemQns"));
    m_remQns->setToolTip(QStringLiteral("Select a remaining question"));
    m_remQns->setAccessibleName(QStringLiteral("Questions left"));
    m_remQns->setAccessibleDescription(QStringLiteral("Select a remaining question"));
    m_remQns->setGeometry(64, 2, 60, 21);
    connect(m_remQns, &QComboBox::activated, this, [this](int index) {
        emit questionChosen(m_remQns->itemText(index).toInt());
        // A move refused by a failed save leaves the chosen entry on show, where it would read
        // like a count.
        m_remQns->setCurrentIndex(-1);
    });
    m_markPanel = new PictureBox(QStringLiteral("fmeMark"), this, PictureBox::Fit::Stretch);
    m_markPanel->setPicture(QStringLiteral("bottombg4.bmp"));
    for (int i = 0; i < ProgressSteps; ++i) {
        m_bars[i] = new PictureBox(QStringLiteral("imgBar%1").arg(i + 1, 2, 10, QChar(u'0')),
                                   m_markPanel, PictureBox::Fit::Stretch);
        m_bars[i]->setPicture(QStringLiteral("progressbar.bmp"));
        m_bars[i]->setGeometry(70 + i * 9, 8, 8, 10);
        m_bars[i]->hide();
    }
    chrome::makeLabel(QStringLiteral("lblMarking"), QStringLiteral("Marking..."), m_markPanel)
        ->setGeometry(6, 4, 62, 17);
    m_markPanel->hide();
}

void StatusStrip::place(const QRect &geometry)
{
    setGeometry(geometry);
    const int w = geometry.width(), h = geometry.height();
    m_bots[0]->setGeometry(0, 0, w, h);
    if (m_bots[1])
        m_bots[1]->setGeometry(w / 3, 0, w / 3, h);
    m_bots[2]->setGeometry(2 * w / 3, 0, w - 2 * w / 3, h);
    m_remPanel->setGeometry(0, 0, 140, h);
    m_markPanel->setGeometry(std::max(0, w - 220), 0, 220, h);
}

void StatusStrip::setRemaining(const QStringList &questions)
{
    m_remQns->clear();
    m_remQns->addItems(questions);
    // The first entry on show would read like a count ("Qns left: 4"); the list shows its
    // entries only when opened.
    m_remQns->setCurrentIndex(-1);
}

void StatusStrip::showRemaining(bool shown)
{
    m_remPanel->setVisible(shown);
}

void StatusStrip::startProgress()
{
    m_progress = 0;
    for (auto *bar : m_bars)
        bar->hide();
    m_remPanel->hide();
    m_markPanel->show();
    m_markPanel->raise();
}

bool StatusStrip::advanceProgress()
{
    if (m_progress < ProgressSteps)
        m_bars[m_progress++]->show();
    return m_progress < ProgressSteps;
}

void StatusStrip::hideProgress()
{
    m_markPanel->hide();
}

} // namespace practice
