// SPDX-License-Identifier: GPL-3.0-or-later
#include "home/homepanel.h"

#include "chrome/imagebutton.h"
#include "chrome/look.h"
#include "chrome/picturebox.h"
#include "home/homewidgets.h"

#include <QApplication>
#include <QLabel>

namespace home {

namespace {

// The page's design, in pixels.
constexpr int Margin = 6;
constexpr int ColumnGap = 5;
constexpr int TopicColumnWidth = 160; // width of columnhead1.bmp
constexpr int PaperColumnWidth = 224; // width of columnhead2.bmp
constexpr int HeadTop = 10;
constexpr int HeadHeight = 22;
constexpr int ListTop = 42;
constexpr int TopicPitch = 30;
constexpr int PaperPitch = 56;
constexpr int LineHeight = 18;
constexpr int LoadButtonWidth = 35;
constexpr int LoadButtonHeight = 14;

const QColor SoftText(80, 80, 80);
const QColor SelectedTopic(128, 128, 128); // mid grey 8421504

} // namespace

HomePanel::HomePanel(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Body_Home"));
    chrome::setBackground(this, chrome::palette::Page);
    chrome::setColour(this, QPalette::WindowText, Qt::black);
    buildTopics();
    buildPapers();
}

void HomePanel::buildTopics()
{
    m_colHead1 =
        new chrome::PictureBox(QStringLiteral("ColHead1"), this, chrome::PictureBox::Fit::Stretch);
    m_colHead1->setGeometry(Margin, HeadTop, TopicColumnWidth, HeadHeight);
    QLabel *topicHead =
        chrome::makeLabel(QStringLiteral("ColHead1lbl"), QStringLiteral("Select a Topic"),
                          m_colHead1, chrome::pageFont(9, true));
    topicHead->setGeometry(8, 0, TopicColumnWidth - 12, HeadHeight - 2);
    chrome::setColour(topicHead, QPalette::WindowText, chrome::palette::HeadText);

    for (int i = 0; i < MaxTopics; ++i) {
        const int t = i + 1;
        const int y = ListTop + i * TopicPitch;
        auto *bullet = new chrome::PictureBox(QStringLiteral("Bullet%1").arg(t), this);
        bullet->setGeometry(Margin + 4, y + (TopicPitch - 2 - 11) / 2, 11, 11);
        auto *label = new ClickLabel(QStringLiteral("Topic%1").arg(t), this);
        // Long topic names wrap onto a second line rather than lose their ends.
        label->setFont(chrome::pageFont(8.25));
        label->setWordWrap(true);
        label->setMargin(0);
        label->setContentsMargins(6, 0, 4, 0);
        label->setAutoFillBackground(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        label->setGeometry(Margin + 20, y, TopicColumnWidth - 20, TopicPitch - 2);
        label->setToolTip(QStringLiteral("Click to select topic"));
        label->setCursor(Qt::PointingHandCursor);
        label->setKeyboardControl(QAccessible::ListItem);
        connect(label, &ClickLabel::clicked, this, [this, t] { emit topicClicked(t); });
        m_bullets[i] = bullet;
        m_topicLabels[i] = label;
    }
}

void HomePanel::buildPapers()
{
    const QFont text = chrome::pageFont(9);
    const QFont bold = chrome::pageFont(9, true);
    const int x0 = Margin + TopicColumnWidth + ColumnGap;
    m_colHead2 =
        new chrome::PictureBox(QStringLiteral("ColHead2"), this, chrome::PictureBox::Fit::Stretch);
    m_colHead2->setGeometry(x0, HeadTop, PaperColumnWidth, HeadHeight);
    m_subH1 = chrome::makeLabel(QStringLiteral("SubH1"), QStringLiteral("Select a Paper"),
                                m_colHead2, bold);
    m_subH1->setGeometry(8, 0, PaperColumnWidth - 12, HeadHeight - 2);
    chrome::setColour(m_subH1, QPalette::WindowText, chrome::palette::HeadText);

    const int percentLeft = x0 + 170;
    const int buttonLeft = x0 + PaperColumnWidth - LoadButtonWidth - 4;
    m_percent = new PercentColumn(this);
    m_percent->setFont(bold);
    QList<int> centres;
    for (int i = 0; i < PapersPerTopic; ++i) {
        const int n = i + 1;
        const int y = ListTop + i * PaperPitch;
        const int line1 = y + 3;
        const int line2 = line1 + LineHeight + 4;
        if (i > 0) {
            auto *rule = new QWidget(this);
            rule->setObjectName(QStringLiteral("PaperRule%1").arg(n));
            chrome::setBackground(rule, chrome::palette::Rule);
            rule->setGeometry(x0 + 4, y - 5, PaperColumnWidth - 8, 1);
        }
        chrome::makeLabel(QStringLiteral("LblP%1").arg(n), QStringLiteral("Paper %1").arg(n), this,
                          bold)
            ->setGeometry(x0 + 6, line1, 58, LineHeight);
        QLabel *first = chrome::makeLabel(QStringLiteral("LblA%1").arg(n),
                                          QStringLiteral("1st Attempt:"), this, text);
        first->setGeometry(x0 + 64, line1, 76, LineHeight);
        QLabel *second = chrome::makeLabel(QStringLiteral("LblB%1").arg(n),
                                           QStringLiteral("2nd Attempt:"), this, text);
        second->setGeometry(x0 + 64, line2, 76, LineHeight);
        chrome::setColour(first, QPalette::WindowText, SoftText);
        chrome::setColour(second, QPalette::WindowText, SoftText);

        m_msa[i] = chrome::makeLabel(QStringLiteral("MSA%1").arg(n), QString(), this, bold,
                                     Qt::AlignRight | Qt::AlignVCenter);
        m_msb[i] = chrome::makeLabel(QStringLiteral("MSB%1").arg(n), QString(), this, bold,
                                     Qt::AlignRight | Qt::AlignVCenter);
        m_msa[i]->setGeometry(percentLeft - 1, line1, 0, LineHeight);
        m_msb[i]->setGeometry(percentLeft - 1, line2, 0, LineHeight);
        centres << line1 + LineHeight / 2 - ListTop << line2 + LineHeight / 2 - ListTop;

        auto makeButton = [&](const QString &name, const QString &tip, int line, int take) {
            auto *button = new chrome::ImageButton(name, this);
            button->setAutoSize(false);
            button->setGeometry(buttonLeft, line + (LineHeight - LoadButtonHeight) / 2,
                                LoadButtonWidth, LoadButtonHeight);
            button->setPictures(QStringLiteral("loadbutton_off.bmp"),
                                QStringLiteral("loadbutton_on.bmp"));
            button->setToolTip(tip);
            button->setCursor(Qt::PointingHandCursor);
            button->setKeyboardFocusable(true);
            button->setAccessibleName(paperButtonName(n, take, QString()));
            connect(button, &chrome::ImageButton::clicked, this,
                    [this, i, take] { emit paperRequested(i, take); });
            return button;
        };
        m_pa[i] = makeButton(QStringLiteral("P%1a").arg(n), QStringLiteral("Load paper %1").arg(n),
                             line1, 1);
        m_pb[i] = makeButton(QStringLiteral("P%1b").arg(n),
                             QStringLiteral("Try paper %1 again").arg(n), line2, 2);
        m_pb[i]->hide();
    }
    m_percent->setGeometry(percentLeft, ListTop, 14, PapersPerTopic * PaperPitch);
    m_percent->setLines(centres);
}

void HomePanel::loadPictures()
{
    for (chrome::PictureBox *b : m_bullets)
        b->setPicture(QStringLiteral("bullet.bmp"));
    m_colHead1->setPicture(QStringLiteral("columnhead1.bmp"));
    m_colHead2->setPicture(QStringLiteral("columnhead2.bmp"));
}

QList<QWidget *> HomePanel::paperControls() const
{
    QList<QWidget *> controls;
    for (int i = 0; i < PapersPerTopic; ++i)
        controls << m_pa[i] << m_pb[i];
    return controls;
}

void HomePanel::setTopics(const QStringList &names, int topicCount)
{
    for (int n = 1; n <= MaxTopics; ++n) {
        m_topicLabels[n - 1]->setText(names.value(n - 1));
        ShowTopicButton(n, topicCount);
    }
}

void HomePanel::ShowTopicButton(int n, int topicCount)
{
    if (n < 1 || n > MaxTopics)
        return;
    const bool visible = topicVisible(n, topicCount);
    m_topicLabels[n - 1]->setVisible(visible);
    m_bullets[n - 1]->setVisible(visible);
}

void HomePanel::TopicChoosing(const QStringList &firstScores, const QStringList &secondScores,
                              int first, const QString &topicName)
{
    for (int n = 1; n <= PapersPerTopic; ++n) {
        const PaperRow row = paperRow(firstScores, secondScores, first, n);
        // A score that is not a number reads as no take, as the report card counts it.
        m_storedFirst[n - 1] = row.firstScore;
        m_msa[n - 1]->setText(shownScore(row.firstScore));
        m_msb[n - 1]->setText(shownScore(row.secondScore));
    }
    if (topicOfFirstOrdinal(first))
        m_subH1->setText(topicName);
    ShowPaperRows();
}

void HomePanel::ShowPaperRows()
{
    const int percentLeft = m_percent->x();
    QList<bool> filled;
    for (int i = 0; i < PapersPerTopic; ++i) {
        QLabel *a = m_msa[i];
        QLabel *b = m_msb[i];
        // A damaged first score still offers the second take: the paper was marked. (The label
        // shows the stored score when it is a number, and nothing otherwise.)
        const QString &stored = m_storedFirst[i];
        if (!stored.isEmpty()) {
            m_pb[i]->setVisible(secondTakeVisible(stored));
            a->resize(a->sizeHint().width(), a->height());
            a->move(scoreLeft(percentLeft, a->width()), a->y());
        } else {
            m_pb[i]->hide();
        }
        if (!b->text().isEmpty()) {
            b->resize(b->sizeHint().width(), b->height());
            b->move(scoreLeft(percentLeft, b->width()), b->y());
        }
        filled << !a->text().isEmpty() << !b->text().isEmpty();
        m_pa[i]->setAccessibleName(paperButtonName(i + 1, 1, a->text()));
        m_pb[i]->setAccessibleName(paperButtonName(i + 1, 2, b->text()));
    }
    m_percent->setFilled(filled);
}

void HomePanel::Topicbuttoncolour(int topic)
{
    const QColor highlightText = QApplication::palette().color(QPalette::HighlightedText);
    for (int i = 0; i < MaxTopics; ++i) {
        const bool selected = i + 1 == topic;
        QPalette p = m_topicLabels[i]->palette();
        p.setColor(QPalette::Window, selected ? SelectedTopic : highlightText);
        p.setColor(QPalette::WindowText, selected ? highlightText : QColor(Qt::black));
        m_topicLabels[i]->setPalette(p);
        m_topicLabels[i]->setSelected(selected);
    }
}

} // namespace home
