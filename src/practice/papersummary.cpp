// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/papersummary.h"

#include "chrome/look.h"
#include "results/results.h"

#include <QFontMetrics>
#include <QLabel>

namespace practice {

namespace {

QFont smallFont(QFont font)
{
    font.setPointSizeF(8);
    return font;
}

} // namespace

PaperSummary::PaperSummary(Take take, QWidget *parent)
    : chrome::PictureBox(QStringLiteral("PaperSum"), parent, Fit::Stretch), m_take(take)
{
    using chrome::makeLabel;
    setPicture(QStringLiteral("pen.bmp"));
    // The counts on the top row take what two digits need in the small font; the score has the
    // rest of the row.
    const QFontMetrics smallMetrics(smallFont(font()));
    const int countW = smallMetrics.horizontalAdvance(QStringLiteral("88")) + 1;
    const int slashW = smallMetrics.horizontalAdvance(u'/') + 1;
    const int countsLeft = 32, slashLeft = countsLeft + countW, totalLeft = slashLeft + slashW;
    const int scoreLeft = totalLeft + countW + 1, panelRight = 116;
    m_answered = placed(makeLabel(QStringLiteral("lblAnsweredQ"), QStringLiteral("0"), this,
                                  QStringLiteral("Number of questions answered")),
                        countsLeft, 1, countW);
    m_answered->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QLabel *slash = placed(makeLabel(QStringLiteral("lblSlash"), QStringLiteral("/"), this),
                           slashLeft, 1, slashW);
    slash->setAlignment(Qt::AlignCenter);
    m_total = placed(makeLabel(QStringLiteral("lblTotalQ"), QStringLiteral("0"), this,
                               QStringLiteral("Total number of questions")),
                     totalLeft, 1, countW);
    // The percent score is the number a pupil looks for: bold and larger, on the panel's top row
    // right of the answered count, the small print below it. The font shrinks rather than clip
    // the widest score.
    m_score = makeLabel(QStringLiteral("PScoring"), QString(), this, QStringLiteral("Your score"));
    m_score->setAccessibleName(QStringLiteral("Your score"));
    m_score->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // The second take's "%" is a label of its own, right of the score.
    const int percentW = take == Take::First ? 0 : 15;
    m_score->setGeometry(scoreLeft, 0, panelRight - percentW - scoreLeft, 16);
    QFont scoreFont = font();
    scoreFont.setBold(true);
    scoreFont.setPointSizeF(11);
    const QString widest = take == Take::First ? QStringLiteral("88.8%") : QStringLiteral("88.8");
    const auto tooWide = [&](const QFont &f) {
        const QFontMetrics m(f);
        return m.horizontalAdvance(widest) > m_score->width() ||
               (percentW > 0 && m.horizontalAdvance(u'%') > percentW);
    };
    while (scoreFont.pointSizeF() > 7 && tooWide(scoreFont))
        scoreFont.setPointSizeF(scoreFont.pointSizeF() - 0.5);
    m_score->setFont(scoreFont);
    chrome::setColour(m_score, QPalette::WindowText, chrome::palette::ScoreText);
    if (take == Take::First) {
        m_clock = placed(makeLabel(QStringLiteral("lblClock"), QStringLiteral("00:00:00"), this,
                                   QStringLiteral("Clock")),
                         40, 16, 75);
        m_timeTaken = placed(
            makeLabel(QStringLiteral("LTime"), QString(), this, QStringLiteral("Time taken")), 40,
            16, 75);
        m_date =
            placed(makeLabel(QStringLiteral("lblDate"), QString(), this, QStringLiteral("Date")),
                   40, 28, 75);
        m_dateDone = placed(
            makeLabel(QStringLiteral("ETime"), QString(), this, QStringLiteral("Date completed")),
            40, 28, 75);
        m_timeTaken->hide();
        m_dateDone->hide();
        return;
    }
    // No clock in a second take: the score's "%" is a label of its own, and the heading takes
    // the clock's place.
    m_percent = makeLabel(QStringLiteral("lblPercent"), QStringLiteral("%"), this,
                          QStringLiteral("Your score"));
    m_percent->setGeometry(panelRight - percentW, 0, percentW, 16);
    m_percent->setFont(scoreFont);
    m_percent->setPalette(m_score->palette());
    m_heading = placed(
        makeLabel(QStringLiteral("lblSecondAttempt"), QString::fromLatin1(SecondTakeHeading), this),
        36, 20, 80);
    // Bold where it fits; the panel is narrow, so the font shrinks rather than clip the text.
    QFont heading = m_heading->font();
    heading.setBold(true);
    while (heading.pointSizeF() > 6 &&
           QFontMetrics(heading).horizontalAdvance(m_heading->text()) > m_heading->width())
        heading.setPointSizeF(heading.pointSizeF() - 0.5);
    m_heading->setFont(heading);
}

QLabel *PaperSummary::placed(QLabel *label, int x, int y, int width) const
{
    label->setFont(smallFont(font()));
    label->setGeometry(x, y, width, 13);
    return label;
}

void PaperSummary::setAnswered(int count)
{
    m_answered->setText(QString::number(count));
}

void PaperSummary::setTotal(int count)
{
    m_total->setText(QString::number(count));
}

void PaperSummary::setClock(const QString &text)
{
    if (m_clock)
        m_clock->setText(text);
}

void PaperSummary::setStartDate(const QDate &date)
{
    if (m_date)
        m_date->setText(results::shortDateText(date));
}

void PaperSummary::setScore(const QString &percent, const QString &timeTaken,
                            const QString &dateDone)
{
    if (m_take == Take::First) {
        m_timeTaken->setText(timeTaken);
        m_dateDone->setText(dateDone);
        m_score->setText(percent.isEmpty() ? QString() : percent + u'%');
    } else {
        m_score->setText(percent); // its "%" is the label beside it
    }
    m_score->setAccessibleDescription(percent.isEmpty() ? QStringLiteral("Not marked yet")
                                                        : percent + QStringLiteral(" percent"));
}

void PaperSummary::showMarked()
{
    if (m_take != Take::First)
        return;
    m_clock->hide();
    m_timeTaken->show();
    m_date->hide();
    m_dateDone->show();
}

} // namespace practice
