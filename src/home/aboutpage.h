// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QLabel;

namespace chrome {
class PictureBox;
}

namespace home {

class ClickLabel;

// The Help tab's about page, Body_About: the course name (ProgramName), the logo, the program's
// version, the platform it runs on and the link to the program's web page (lbl_LSURL).
class AboutPage : public QWidget
{
    Q_OBJECT
public:
    explicit AboutPage(QWidget *parent = nullptr);

    void setProgramName(const QString &name);

signals:
    void linkClicked();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void layoutControls();

    chrome::PictureBox *m_logo;
    QLabel *m_name, *m_version, *m_platform;
    ClickLabel *m_link;
};

} // namespace home
