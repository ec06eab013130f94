// SPDX-License-Identifier: GPL-3.0-or-later
#include "home/aboutpage.h"

#include "chrome/picturebox.h"
#include "home/homelogic.h"
#include "home/homewidgets.h"

#include <QCoreApplication>
#include <QLabel>
#include <QSysInfo>

namespace home {

namespace {
constexpr int LogoTop = 24;
constexpr int Gap = 14;

QLabel *centred(const QString &name, const QString &text, QWidget *parent, double points,
                bool bold = false)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setWordWrap(true);
    QFont font = label->font();
    font.setPointSizeF(points);
    font.setBold(bold);
    label->setFont(font);
    return label;
}
} // namespace

AboutPage::AboutPage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Body_About"));
    m_logo = new chrome::PictureBox(QStringLiteral("imgLogo"), this);
    m_logo->setPicture(QStringLiteral("Logo.gif"));
    m_name = centred(QStringLiteral("ProgramName"), QString(), this, 12, true);
    m_version =
        centred(QStringLiteral("lblVersion"),
                QStringLiteral("Version ") + QCoreApplication::applicationVersion(), this, 9);
    m_platform =
        centred(QStringLiteral("lblPlatform"), platformText(QSysInfo::kernelType()), this, 9);

    m_link = new ClickLabel(QStringLiteral("lbl_LSURL"), this);
    m_link->setText(QString::fromLatin1(HomePageAddress));
    m_link->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QFont linkFont = m_link->font();
    linkFont.setUnderline(true);
    m_link->setFont(linkFont);
    QPalette p = m_link->palette();
    p.setColor(QPalette::WindowText, QColor(0, 0, 238));
    m_link->setPalette(p);
    m_link->setCursor(Qt::PointingHandCursor);
    m_link->setToolTip(QStringLiteral("Go to Larkspur home page"));
    m_link->setKeyboardControl(QAccessible::Link);
    connect(m_link, &ClickLabel::clicked, this, &AboutPage::linkClicked);
}

void AboutPage::setProgramName(const QString &name)
{
    m_name->setText(name);
    layoutControls();
}

void AboutPage::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layoutControls();
}

void AboutPage::layoutControls()
{
    const int w = width();
    m_logo->move((w - m_logo->width()) / 2, LogoTop);
    int y = m_logo->geometry().bottom() + 1 + Gap;
    for (QLabel *label :
         {static_cast<QLabel *>(m_name), m_version, m_platform, static_cast<QLabel *>(m_link)}) {
        // A wrapping label's size hint may break a short line in two; its height for the
        // actual width does not.
        const int forWidth = label->heightForWidth(w - 20);
        const int h = forWidth >= 0 ? forWidth : label->sizeHint().height();
        label->setGeometry(10, y, w - 20, h);
        y += h + (label == m_name ? Gap : 4);
    }
    // The link is only as wide as its text, so a click beside it does nothing.
    const int linkWidth = m_link->sizeHint().width();
    m_link->setGeometry((w - linkWidth) / 2, m_link->y() + Gap, linkWidth, m_link->height());
}

} // namespace home
