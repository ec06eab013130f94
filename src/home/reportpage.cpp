// SPDX-License-Identifier: GPL-3.0-or-later
#include "home/reportpage.h"

#include "chrome/look.h"
#include "chrome/picturebox.h"
#include "chrome/units.h"
#include "home/homewidgets.h"

#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>
#include <cmath>
#include <functional>

namespace home {

namespace {

// Design of the page, in pixels, where the old forms give no figure.
constexpr int BarWidth = 388; // bar.bmp
constexpr int BarHeight = 22;
constexpr int PanelPad = 8;

// The trend plot's box is 5055 x 3975 twips; its dot is 30 twips across the radius.
constexpr double PlotWidthTwips = 5055;
constexpr double PlotHeightTwips = 3975;
constexpr double DotRadiusTwips = 30;
// A pointer this close to a point shows the point's tool tip.
constexpr double PointReach = 6;

const QColor PanelEdge(190, 206, 230);
const QColor BodyText(40, 52, 70);
const QColor SoftText(110, 118, 130);
const QColor FigureText(45, 108, 196);
const QColor TrackFill(236, 240, 246);
const QColor TrackEdge(196, 206, 222);
const QColor FirstBar(45, 108, 196);
const QColor SecondBar(58, 154, 96);
const QColor GridColour(224, 224, 224); // 14737632
const QColor DotColour(0, 0, 255);

// A label in `font` and `colour`.
QLabel *colouredLabel(const QString &name, const QString &text, QWidget *parent, const QFont &font,
                      const QColor &colour, Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter)
{
    QLabel *label = chrome::makeLabel(name, text, parent, font, align);
    chrome::setColour(label, QPalette::WindowText, colour);
    return label;
}

// A panel: white, with a thin edge, under its header bar; optional rules between its lines.
class PanelBox : public QWidget
{
public:
    PanelBox(const QString &name, QWidget *parent) : QWidget(parent) { setObjectName(name); }
    void setRules(const QList<int> &ys, int left, int right)
    {
        m_rules = ys;
        m_ruleLeft = left;
        m_ruleRight = right;
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.fillRect(rect(), chrome::palette::Page);
        for (int y : m_rules)
            p.fillRect(QRect(m_ruleLeft, y, m_ruleRight - m_ruleLeft, 1), chrome::palette::Rule);
        p.setPen(PanelEdge);
        p.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    }

private:
    QList<int> m_rules;
    int m_ruleLeft = 0;
    int m_ruleRight = 0;
};

// A bar track `TBack`: a light box with a one-pixel edge; the bar lies inside the edge.
class TrackBox : public QWidget
{
public:
    TrackBox(const QString &name, QWidget *parent) : QWidget(parent) { setObjectName(name); }
    QRect inner() const { return rect().adjusted(1, 1, -1, -1); }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.fillRect(rect(), TrackFill);
        p.setPen(TrackEdge);
        p.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    }
};

// A topical row's name box `TopLab`: a name longer than the box ends in an ellipsis (its tool tip
// holds it whole) rather than being cut off mid-letter.
class TopicNameBox : public QLineEdit
{
public:
    explicit TopicNameBox(QWidget *parent) : QLineEdit(parent) {}

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.fillRect(rect(), palette().color(QPalette::Base));
        p.setPen(palette().color(QPalette::Text));
        const QRect area = rect().adjusted(2, 0, -2, 0); // the line edit's own text margin
        p.drawText(area, Qt::AlignLeft | Qt::AlignVCenter,
                   fontMetrics().elidedText(text(), Qt::ElideRight, area.width()));
    }
};

// The vertical scale `Label7`: "100%" down to "0%", each line level with its grid line.
class ScaleLabel : public QLabel
{
public:
    ScaleLabel(const QString &name, QWidget *parent) : QLabel(parent) { setObjectName(name); }
    // The scale's 0..100 span inside the label: from `top` down `height` pixels.
    void setSpan(int top, int height)
    {
        m_top = top;
        m_height = height;
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setFont(font());
        p.setPen(palette().color(QPalette::WindowText));
        const QStringList lines = text().split(u'\n');
        const int lineHeight = fontMetrics().height();
        const qsizetype steps = std::max<qsizetype>(1, lines.size() - 1);
        for (qsizetype k = 0; k < lines.size(); ++k) {
            const double y = m_top + m_height * double(k) / steps;
            p.drawText(QRectF(0, y - lineHeight / 2.0, width() - 3, lineHeight),
                       Qt::AlignRight | Qt::AlignVCenter, lines[k]);
        }
    }

private:
    int m_top = 0;
    int m_height = 0;
};

} // namespace

// A header bar: the bar picture with its caption; a click on either opens its panel.
class ReportBar : public chrome::PictureBox
{
public:
    ReportBar(int n, const QString &caption, const QString &tip, QWidget *parent)
        : chrome::PictureBox(QStringLiteral("RCBar%1").arg(n), parent)
    {
        resize(BarWidth, BarHeight);
        setPicture(QStringLiteral("bar.bmp"));
        setToolTip(tip);
        setCursor(Qt::PointingHandCursor);
        m_label = new ClickLabel(QStringLiteral("lblRCBar%1").arg(n), this);
        m_label->setText(caption);
        m_label->setFont(chrome::pageFont(9, true));
        chrome::setColour(m_label, QPalette::WindowText, chrome::palette::HeadText);
        m_label->setGeometry(8, 0, 200, BarHeight - 1);
        m_label->setToolTip(tip);
        m_label->setKeyboardControl(QAccessible::Button);
        QObject::connect(m_label, &ClickLabel::clicked, m_label, [this] { click(); });
    }
    std::function<void()> onClick;

protected:
    void mousePressEvent(QMouseEvent *event) override { event->accept(); }
    void mouseReleaseEvent(QMouseEvent *event) override
    {
        event->accept();
        if (rect().contains(event->position().toPoint()))
            click();
    }

private:
    void click()
    {
        if (onClick)
            onClick();
    }
    ClickLabel *m_label = nullptr;
};

// The trend plot `RC3TrendPlot`: grid, stems, dots and the line of the recent scores, drawn
// from trendGeometry inside a one-pixel edge. Vector drawing, so it stays sharp at any scale.
class TrendPlot : public QWidget
{
public:
    explicit TrendPlot(QWidget *parent) : QWidget(parent)
    {
        setObjectName(QStringLiteral("RC3TrendPlot"));
    }
    void setValues(const QList<double> &values)
    {
        m_values = values;
        update();
    }
    // The plot's box; the widget reaches a little beyond it so that a dot at 0 % or 100 % is
    // drawn whole.
    static constexpr int Bleed = 3;
    QRect frame() const { return rect().adjusted(Bleed, Bleed, -Bleed, -Bleed); }
    QRectF inner() const { return QRectF(frame()).adjusted(1, 1, -1, -1); }

protected:
    bool event(QEvent *event) override
    {
        if (event->type() == QEvent::ToolTip) {
            auto *help = static_cast<QHelpEvent *>(event);
            const QRectF area = inner();
            const TrendGeometry g = trendGeometry(area.size(), m_values);
            const int i = trendPointAt(g.points, help->pos() - area.topLeft(), PointReach);
            if (i >= 0)
                QToolTip::showText(help->globalPos(),
                                   trendPointToolTip(i, int(g.points.size()), m_values[i]), this);
            else
                QToolTip::hideText();
            return true;
        }
        return QWidget::event(event);
    }

    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.fillRect(rect(), chrome::palette::Page);
        p.setPen(TrackEdge);
        p.drawRect(QRectF(frame()).adjusted(0.5, 0.5, -0.5, -0.5));

        const QRectF area = inner();
        const TrendGeometry g = trendGeometry(area.size(), m_values);
        p.translate(area.topLeft());
        // One-pixel lines lie on pixel centres, so the grid and the stems are sharp at 100 %
        // and at 200 %.
        const auto crisp = [](double v) { return std::floor(v) + 0.5; };
        const double h = area.height();

        p.setPen(QPen(GridColour, 1));
        for (double y : g.gridY)
            p.drawLine(QLineF(0, crisp(y), area.width(), crisp(y)));

        p.setRenderHint(QPainter::Antialiasing);
        const double dot = chrome::twipsToPx(DotRadiusTwips) + 0.5; // the outer circle's pen
        QPointF previous = g.start;
        for (const QPointF &raw : g.points) {
            const QPointF point(crisp(raw.x()), raw.y());
            p.setPen(QPen(Qt::black, 1));
            p.drawLine(QLineF(point, QPointF(point.x(), h)));
            p.setPen(Qt::NoPen);
            p.setBrush(DotColour);
            p.drawEllipse(point, dot, dot);
            p.setPen(QPen(DotColour, 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.setBrush(Qt::NoBrush);
            p.drawLine(QLineF(previous, point));
            previous = point;
        }
    }

private:
    QList<double> m_values;
};

ReportPage::ReportPage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Body_Report"));
    chrome::setBackground(this, chrome::palette::Panel);

    buildSummary();
    buildTopical();
    buildTrend();
    buildBars();
    ArrangeReportPanels(1);
}

ReportPage::~ReportPage() = default;

void ReportPage::buildBars()
{
    const std::array<QString, 3> captions{QStringLiteral("Overall Results"),
                                          QStringLiteral("Topical Results"),
                                          QStringLiteral("Trend Analysis")};
    const std::array<QString, 3> tips{QStringLiteral("Click to show overall results"),
                                      QStringLiteral("Click to show topical results"),
                                      QStringLiteral("Click to show past trends")};
    for (int i = 0; i < 3; ++i) {
        const int n = i + 1;
        m_bars[i] = new ReportBar(n, captions[i], tips[i], this);
        m_bars[i]->onClick = [this, n] { emit barClicked(n); };
    }
}

void ReportPage::buildSummary()
{
    auto *panel = new PanelBox(QStringLiteral("RC1Summary"), this);
    m_panels[0] = panel;
    const std::array<QString, 5> captions{
        QStringLiteral("First Attempt Average Score:"),
        QStringLiteral("Second Attempt Average Score:"), QStringLiteral("Weakest Topic:"),
        QStringLiteral("Strongest Topic:"), QStringLiteral("Number of Papers Completed:")};
    const std::array<QString, 5> valueNames{QStringLiteral("OScore1"), QStringLiteral("OScore2"),
                                            QStringLiteral("WT"), QStringLiteral("ST"),
                                            QStringLiteral("PCNum")};
    std::array<QLabel *, 5> values{};
    for (int i = 0; i < 5; ++i) {
        m_summaryLabels[i] = colouredLabel(QStringLiteral("SumyL%1").arg(i + 1), captions[i], panel,
                                           chrome::pageFont(9), BodyText);
        values[i] = colouredLabel(valueNames[i], QStringLiteral("-"), panel,
                                  chrome::pageFont(10, true), FigureText);
        // A long topic name wraps rather than running off the panel.
        values[i]->setWordWrap(true);
    }
    m_oscore1 = values[0];
    m_oscore2 = values[1];
    m_wt = values[2];
    m_st = values[3];
    m_pcnum = values[4];
}

void ReportPage::buildTopical()
{
    auto *panel = new PanelBox(QStringLiteral("RC2Topical"), this);
    m_panels[1] = panel;
    const QFont head = chrome::pageFont(8, true);
    m_headA = colouredLabel(QStringLiteral("Label5"), QStringLiteral("First Attempt results"),
                            panel, head, chrome::palette::HeadText, Qt::AlignCenter);
    m_headB = colouredLabel(QStringLiteral("Label6"), QStringLiteral("Second Attempt Score"), panel,
                            head, chrome::palette::HeadText, Qt::AlignCenter);
    m_headA->setWordWrap(true);
    m_headB->setWordWrap(true);
    for (int i = 0; i < MaxTopics; ++i) {
        const int t = i + 1;
        TopicRow &row = m_rows[i];
        row.name = new TopicNameBox(panel);
        row.name->setObjectName(QStringLiteral("TopLab%1").arg(t));
        row.name->setReadOnly(true);
        row.name->setFrame(false);
        row.name->setFocusPolicy(Qt::NoFocus);
        row.name->setFont(chrome::pageFont(8.25));
        row.name->setTextMargins(0, 0, 0, 0);
        chrome::setColour(row.name, QPalette::Base, chrome::palette::Page);
        chrome::setColour(row.name, QPalette::Text, BodyText);
        const auto makeTrack = [&](const QString &suffix, const QColor &colour, QLabel *&bar,
                                   QLabel *&mark) {
            auto *back = new TrackBox(QStringLiteral("TBack%1%2").arg(t).arg(suffix), panel);
            bar = new QLabel(back);
            bar->setObjectName(QStringLiteral("TBar%1%2").arg(t).arg(suffix));
            chrome::setBackground(bar, colour);
            mark = colouredLabel(QStringLiteral("TMark%1%2").arg(t).arg(suffix), QString(), panel,
                                 chrome::pageFont(8, true), BodyText);
            return back;
        };
        row.backA = makeTrack(QStringLiteral("A"), FirstBar, row.barA, row.markA);
        row.backB = makeTrack(QStringLiteral("B"), SecondBar, row.barB, row.markB);
    }
}

void ReportPage::buildTrend()
{
    auto *panel = new PanelBox(QStringLiteral("RC3Trend"), this);
    m_panels[2] = panel;
    auto *scale = new ScaleLabel(QStringLiteral("Label7"), panel);
    QStringList steps;
    for (int v = 100; v >= 0; v -= 10)
        steps << QStringLiteral("%1%").arg(v);
    scale->setText(steps.join(u'\n'));
    scale->setFont(chrome::pageFont(7));
    chrome::setColour(scale, QPalette::WindowText, SoftText);
    m_scale = scale;
    m_plot = new TrendPlot(panel);
    m_plotCaption =
        colouredLabel(QStringLiteral("Label8"), QStringLiteral("Recent Papers Attempted"), panel,
                      chrome::pageFont(8, true), chrome::palette::HeadText, Qt::AlignCenter);
    // Over the plot while there is no recent score, so an empty grid is not all there is.
    m_plotEmpty = colouredLabel(QStringLiteral("TrendEmpty"), QString(), m_plot,
                                chrome::pageFont(9), SoftText, Qt::AlignCenter);
    m_plotEmpty->setWordWrap(true);
    m_plotEmpty->setAttribute(Qt::WA_TransparentForMouseEvents);
    chrome::setBackground(m_plotEmpty, chrome::palette::Page);
}

// ---- Filling ---------------------------------------------------------------------------------

void ReportPage::BuildReportCard(const ReportSource &source)
{
    // The per-topic accumulation, once: all three panels use it.
    const AllTopicTotals totals =
        topicTotals(source.firstScores, source.secondScores, source.topicCount);
    const int topics = std::clamp(source.topicCount, 0, MaxTopics);

    // The topical rows; names past the topic count are empty.
    for (int t = 1; t <= MaxTopics; ++t)
        ShowTopicBars(t, t <= topics ? source.topicNames.value(t - 1) : QString(), totals[t - 1]);

    // The overall panel.
    const OverallFigures overall =
        overallFigures(totals, source.topicNames, topics, source.paperCount);
    m_oscore1->setText(overall.OScore1);
    m_oscore2->setText(overall.OScore2);
    m_wt->setText(overall.WT);
    m_st->setText(overall.ST);
    m_pcnum->setText(overall.PCNum);

    // Only the subject's topics have rows; then the trend plot.
    for (int t = 1; t <= MaxTopics; ++t) {
        const bool shown = t <= topics;
        TopicRow &row = m_rows[t - 1];
        row.name->setVisible(shown);
        row.backA->setVisible(shown);
        row.backB->setVisible(shown);
    }
    const QList<double> values = trendValues(source.trendEntries);
    m_plot->setValues(values);
    // Marked papers with an empty trend record happen when a damaged trend file was started
    // afresh; the notice must not then tell the pupil that nothing was attempted.
    const bool attempted = std::any_of(totals.begin(), totals.end(),
                                       [](const TopicTotals &topic) { return topic.countA > 0; });
    m_plotEmpty->setText(attempted
                             ? QStringLiteral("No recent scores are recorded.\nEach paper "
                                              "you mark from now on adds its score here.")
                             : QStringLiteral("No papers attempted yet.\nYour recent scores "
                                              "will show here once you have marked a paper."));
    m_plotEmpty->setVisible(values.isEmpty());
    layoutPanels(); // the notice's height follows its text
}

void ReportPage::ShowTopicBars(int t, const QString &topicName, const TopicTotals &totals)
{
    if (t < 1 || t > MaxTopics)
        return;
    TopicRow &row = m_rows[t - 1];
    row.name->setText(topicName);
    row.name->setCursorPosition(0);
    row.name->setToolTip(topicName);
    // Every row's bar is measured on the first row's track: the tracks of a column are equal.
    const int innerA = static_cast<TrackBox *>(m_rows[0].backA)->inner().width();
    const int innerB = static_cast<TrackBox *>(m_rows[0].backB)->inner().width();
    const auto fill = [&](QLabel *mark, QLabel *bar, QWidget *back, int inner, double sum,
                          int count) {
        mark->setText(topicMark(sum, count));
        const QRect track = static_cast<TrackBox *>(back)->inner();
        bar->setGeometry(track.left(), track.top(), barWidth(inner, sum, count), track.height());
        const QString tip = topicBarToolTip(topicName, sum, count);
        for (QWidget *w : {static_cast<QWidget *>(mark), static_cast<QWidget *>(bar), back})
            w->setToolTip(tip);
    };
    fill(row.markA, row.barA, row.backA, innerA, totals.sumA, totals.countA);
    fill(row.markB, row.barB, row.backB, innerB, totals.sumB, totals.countB);
    // A topic with figures shows its name and both bars.
    row.name->show();
    row.barA->show();
    row.barB->show();
}

// ---- Arrangement -----------------------------------------------------------------------------

void ReportPage::ArrangeReportPanels(int reportPos)
{
    m_reportPos = reportPos;
    const PanelLayout layout = reportPanelLayout(
        reportPos, height(), {m_bars[0]->height(), m_bars[1]->height(), m_bars[2]->height()});
    const int left = std::max(0, (width() - BarWidth) / 2);
    for (int i = 0; i < 3; ++i)
        m_bars[i]->move(left, layout.barTops[i]);
    // Every panel keeps its own place; only the open one is shown.
    int top = 0;
    for (int i = 0; i < 3; ++i) {
        top += m_bars[i]->height();
        m_panels[i]->setGeometry(left, top, BarWidth, layout.panelHeight);
        m_panels[i]->setVisible(i + 1 == layout.open);
    }
    // The bars lie over every panel, the open panel over the closed ones.
    m_panels[layout.open - 1]->raise();
    for (ReportBar *bar : m_bars)
        bar->raise();
    layoutPanels();
}

void ReportPage::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    ArrangeReportPanels(m_reportPos);
}

void ReportPage::layoutPanels()
{
    const int w = BarWidth;
    const int h = m_panels[0]->height();

    // Overall: five lines, caption left, value right of it, a rule between lines.
    const int lineTop = 2 * PanelPad + 4;
    const int pitch = 44;
    QList<int> rules;
    for (int i = 0; i < 5; ++i) {
        const int y = lineTop + i * pitch;
        m_summaryLabels[i]->setGeometry(2 * PanelPad, y, 190, 36);
        QLabel *value = std::array{m_oscore1, m_oscore2, m_wt, m_st, m_pcnum}[i];
        value->setGeometry(2 * PanelPad + 194, y, w - 2 * PanelPad - 198, 36);
        if (i > 0)
            rules << y - (pitch - 36) / 2 - 1;
    }
    static_cast<PanelBox *>(m_panels[0])->setRules(rules, 2 * PanelPad, w - 2 * PanelPad);

    // Topical: two heading lines, then ten rows sharing the height. The name column holds the
    // longest topic name of the shipped course ("Synthesis and Transformation"); the marks
    // column holds "100%".
    const int nameLeft = PanelPad, nameWidth = 150;
    const int trackWidth = 73, markWidth = 34, gap = 4;
    const int aLeft = nameLeft + nameWidth + gap;
    const int bLeft = aLeft + trackWidth + gap + markWidth + gap;
    // Each heading breaks after its second word, so the two read alike.
    const int headTop = 4, headHeight = 2 * m_headA->fontMetrics().height() + 2;
    const int headInset = 8;
    m_headA->setGeometry(aLeft + headInset, headTop, trackWidth + gap + markWidth - 2 * headInset,
                         headHeight);
    m_headB->setGeometry(bLeft + headInset, headTop, trackWidth + gap + markWidth - 2 * headInset,
                         headHeight);
    const int rowsTop = headTop + headHeight + 2;
    const int rowPitch = std::clamp((h - rowsTop - 4) / MaxTopics, 14, 28);
    const int trackHeight = std::min(14, rowPitch - 6);
    for (int i = 0; i < MaxTopics; ++i) {
        TopicRow &row = m_rows[i];
        const int y = rowsTop + i * rowPitch;
        row.name->setGeometry(nameLeft, y, nameWidth, rowPitch - 2);
        const int trackTop = y + (rowPitch - 2 - trackHeight) / 2;
        row.backA->setGeometry(aLeft, trackTop, trackWidth, trackHeight);
        row.backB->setGeometry(bLeft, trackTop, trackWidth, trackHeight);
        row.markA->setGeometry(aLeft + trackWidth + gap, y, markWidth, rowPitch - 2);
        row.markB->setGeometry(bLeft + trackWidth + gap, y, markWidth, rowPitch - 2);
        // Bars keep their share of a track that changed height.
        for (auto [bar, back] : {std::pair{row.barA, row.backA}, std::pair{row.barB, row.backB}}) {
            const QRect track = static_cast<TrackBox *>(back)->inner();
            bar->setGeometry(track.left(), track.top(), bar->width(), track.height());
        }
    }

    // Trend: the scale at the left, the plot at its design size where the panel allows it, the
    // caption below.
    const int scaleWidth = 34; // leaves the plot its design width beside the scale
    const int captionHeight = 16;
    const int plotTop = PanelPad + 2;
    const int plotWidth =
        std::min(chrome::twipsToWholePx(PlotWidthTwips), w - scaleWidth - 2 * PanelPad);
    const int plotHeight =
        std::min(chrome::twipsToWholePx(PlotHeightTwips), h - plotTop - captionHeight - 6);
    const int plotLeft = (w - scaleWidth - plotWidth) / 2 + scaleWidth;
    m_plot->setGeometry(
        QRect(plotLeft, plotTop, plotWidth, std::max(0, plotHeight))
            .adjusted(-TrendPlot::Bleed, -TrendPlot::Bleed, TrendPlot::Bleed, TrendPlot::Bleed));
    const int lineHeight = m_scale->fontMetrics().height();
    m_scale->setGeometry(plotLeft - scaleWidth - 2, plotTop + 1 - lineHeight, scaleWidth,
                         plotHeight - 2 + 2 * lineHeight);
    static_cast<ScaleLabel *>(m_scale)->setSpan(lineHeight, plotHeight - 2);
    m_plotCaption->setGeometry(plotLeft, plotTop + plotHeight + 3, plotWidth, captionHeight);
    // The notice stands on a plain ground in the middle of the grid.
    const QRect plotFrame = m_plot->frame();
    const int noticeWidth = plotFrame.width() - 60;
    const int noticeHeight = m_plotEmpty->heightForWidth(noticeWidth) + 16;
    m_plotEmpty->setGeometry(plotFrame.center().x() - noticeWidth / 2,
                             plotFrame.center().y() - noticeHeight / 2, noticeWidth, noticeHeight);
}

} // namespace home
