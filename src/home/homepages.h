// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QRect>
#include <QString>

#include <functional>
#include <optional>

class QWidget;

namespace home {

class AboutPage;
class HomePanel;
class ReportPage;
class TrashPage;
struct ReportSource;

// The pages under the home window's tabs, one on show at a time: the home page, made at once,
// and the report card, trash and about pages, made on first use (nobody sees them at start, and
// making them would hold up the first frame). The pages are the window's children; `area` gives
// the page area in the window's coordinates.
class HomePages : public QObject
{
    Q_OBJECT
public:
    HomePages(QWidget *window, std::function<QRect()> area);

    HomePanel *home() const { return m_home; }
    ReportPage *report();
    TrashPage *trash();
    AboutPage *about();

    // The course's name on the about page, now or once it is made.
    void setProgramName(const QString &name);
    // The home page and the report card (once made) fill the page area.
    void layOut();
    // Brings `page` to the front of the page area; the other pages are hidden, not merely covered.
    void show(QWidget *page);
    // Builds the report card from `source`, opens its panel `panel` and shows it.
    void showReport(const ReportSource &source, int panel);

signals:
    // A click on a report card's header bar: its panel is open now.
    void reportPanelChosen(int panel);
    void eraseConfirmed();   // the trash page's "Yes"
    void webPageRequested(); // the about page's link

private:
    void decorateTextPage(QWidget *page);

    QWidget *m_window;
    std::function<QRect()> m_area;
    std::optional<QString> m_programName;
    HomePanel *m_home;
    ReportPage *m_report = nullptr;
    TrashPage *m_trash = nullptr;
    AboutPage *m_about = nullptr;
};

} // namespace home
