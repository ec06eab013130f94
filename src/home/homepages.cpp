// SPDX-License-Identifier: GPL-3.0-or-later
#include "home/homepages.h"

#include "chrome/look.h"
#include "home/aboutpage.h"
#include "home/homepanel.h"
#include "home/reportpage.h"
#include "home/trashpage.h"

#include <QWidget>

namespace home {

HomePages::HomePages(QWidget *window, std::function<QRect()> area)
    : QObject(window), m_window(window), m_area(std::move(area)), m_home(new HomePanel(window))
{
}

ReportPage *HomePages::report()
{
    if (!m_report) {
        m_report = new ReportPage(m_window);
        m_report->hide();
        m_report->setGeometry(m_area());
        connect(m_report, &ReportPage::barClicked, this, [this](int n) {
            emit reportPanelChosen(n);
            m_report->ArrangeReportPanels(n);
        });
    }
    return m_report;
}

TrashPage *HomePages::trash()
{
    if (!m_trash) {
        m_trash = new TrashPage(m_window);
        connect(m_trash, &TrashPage::eraseConfirmed, this, &HomePages::eraseConfirmed);
        decorateTextPage(m_trash);
    }
    return m_trash;
}

AboutPage *HomePages::about()
{
    if (!m_about) {
        m_about = new AboutPage(m_window);
        connect(m_about, &AboutPage::linkClicked, this, &HomePages::webPageRequested);
        decorateTextPage(m_about);
        if (m_programName)
            m_about->setProgramName(*m_programName);
    }
    return m_about;
}

void HomePages::setProgramName(const QString &name)
{
    m_programName = name;
    if (m_about)
        m_about->setProgramName(name);
}

void HomePages::decorateTextPage(QWidget *page)
{
    chrome::setBackground(page, chrome::palette::Page);
    chrome::setColour(page, QPalette::WindowText, Qt::black);
    page->setFont(chrome::pageFont(9));
    page->hide();
}

void HomePages::layOut()
{
    const QRect area = m_area();
    m_home->setGeometry(area);
    if (m_report)
        m_report->setGeometry(area);
}

void HomePages::show(QWidget *page)
{
    page->setGeometry(m_area());
    page->raise();
    page->show();
    for (QWidget *other : m_window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (other != page && other->objectName().startsWith(QLatin1String("Body_")))
            other->hide();
    }
}

void HomePages::showReport(const ReportSource &source, int panel)
{
    ReportPage *page = report();
    page->setGeometry(m_area());
    page->BuildReportCard(source);
    page->ArrangeReportPanels(panel);
    show(page);
}

} // namespace home
