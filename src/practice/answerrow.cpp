// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/answerrow.h"

#include "chrome/border.h"
#include "chrome/geometry.h"
#include "chrome/look.h"
#include "marking/marking.h"

#include <QPainter>

namespace practice {

namespace {

QRect toPx(const QRect &twips)
{
    return QRect(px(twips.x()), px(twips.y()), px(twips.width()), px(twips.height()));
}

// The outcome marks are drawn as a tick and a cross; the files keep "ü" and "û".
QString outcomeSymbol(const QString &outcome)
{
    if (outcome == QString(marking::RightMark))
        return QStringLiteral("\u2714");
    if (outcome == QString(marking::WrongMark))
        return QStringLiteral("\u2718");
    return QString();
}

QLabel *makeMarkLabel(const QString &name, QWidget *parent)
{
    auto *l = new QLabel(parent);
    l->setObjectName(name);
    QFont f = l->font();
    f.setPointSize(11);
    f.setBold(true);
    l->setFont(f);
    l->hide();
    return l;
}

void showMark(QLabel *label, const QString &outcome)
{
    label->setText(outcomeSymbol(outcome));
    chrome::setColour(label, QPalette::WindowText,
                      outcome == QString(marking::RightMark) ? chrome::palette::RightMark
                                                             : chrome::palette::WrongMark);
}

} // namespace

QValidator::State AnswerValidator::validate(QString &input, int &) const
{
    return answerTextAllowed(input) ? Acceptable : Invalid;
}

AnswerRow::AnswerRow(int k, Take take, QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Frame%1").arg(k));
    answer = new QLineEdit(this);
    answer->setObjectName(QStringLiteral("FA%1").arg(k));
    answer->setToolTip(QStringLiteral("Enter your answer"));
    answer->setFrame(false);
    answer->setValidator(new AnswerValidator(answer));
    model = new QLineEdit(this);
    model->setObjectName(QStringLiteral("M%1").arg(k));
    model->setReadOnly(true);
    model->setToolTip(QStringLiteral("Expected answer"));
    model->setAccessibleDescription(QStringLiteral("Expected answer"));
    QPalette expected = model->palette();
    expected.setColor(QPalette::Base, chrome::palette::ExpectedGround);
    expected.setColor(QPalette::Text, chrome::palette::ExpectedText);
    model->setPalette(expected);
    QFont bold = model->font();
    bold.setBold(true);
    model->setFont(bold);
    model->hide();
    result = makeMarkLabel(QStringLiteral("FR%1").arg(k), this);
    if (take == Take::Second)
        second = makeMarkLabel(QStringLiteral("SR%1").arg(k), this);
    letter = new QLabel(rowLetter(k), this);
    letter->setObjectName(QStringLiteral("QL%1").arg(k));
    applyGeometry(rowGeometryTwips(QString()));
}

void AnswerRow::applyGeometry(const RowGeometry &g)
{
    m_geometry = g;
    const QRect frame = toPx(g.frame);
    setGeometry(frame.x(), y(), frame.width(), frame.height());
    answer->setGeometry(toPx(g.answer));
    result->setGeometry(toPx(g.outcome));
    if (second)
        second->setGeometry(toPx(g.outcome)); // exactly where FR k is by design
    model->setGeometry(toPx(g.model));
    letter->setGeometry(toPx(g.letter));
    update();
}

void AnswerRow::setOutcome(const QString &outcome)
{
    showMark(result, outcome);
}

void AnswerRow::setSecondOutcome(const QString &outcome)
{
    if (second)
        showMark(second, outcome);
}

void AnswerRow::paintEvent(QPaintEvent *)
{
    // drawborder style 0 around the answer box.
    QPainter p(this);
    const chrome::BorderBox box = chrome::drawborderBox(QRectF(answer->geometry()));
    chrome::paintBorderLines(p, chrome::borderLines(box.top, box.left, box.bottom, box.right),
                             chrome::borderColour(0, palette().color(QPalette::Window)));
}

} // namespace practice
