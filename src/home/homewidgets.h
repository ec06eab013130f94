// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessible>
#include <QLabel>
#include <QWidget>

// Small building blocks of the home page: labels that report clicks, the percent column and the
// tab-strip background.
namespace home {

// A label that acts on a click: a topic, a report-card bar's caption, the About page's link.
class ClickLabel : public QLabel
{
    Q_OBJECT
public:
    explicit ClickLabel(const QString &name, QWidget *parent = nullptr);
    // Draws the caption elided to the label's width instead of clipping it.
    void setElide(bool elide) { m_elide = elide; }

    // Keyboard: joins the Tab order (never focused by a click), draws the focus ring while it
    // has the focus, and Space or Return act as a click. For screen readers it is a control of
    // `role` named by its text, which can be pressed (and, as a list item, reads as selected).
    void setKeyboardControl(QAccessible::Role role);
    QAccessible::Role accessibleRole() const { return m_role; }
    void setSelected(bool selected);
    bool isSelected() const { return m_selected; }

signals:
    void pressed(Qt::MouseButton button);
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_elide = false;
    bool m_selected = false;
    QAccessible::Role m_role = QAccessible::StaticText;
};

// The fixed percent column of the paper list: one "%" at each score line.
class PercentColumn : public QWidget
{
    Q_OBJECT
public:
    explicit PercentColumn(QWidget *parent = nullptr);
    void setLines(const QList<int> &centres)
    {
        m_centres = centres;
        update();
    }
    // Lines without a score show their sign faintly.
    void setFilled(const QList<bool> &filled)
    {
        m_filled = filled;
        update();
    }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<int> m_centres;
    QList<bool> m_filled;
};

// The tab-strip background: its colour and the black line 10 twips above its bottom edge.
class TabStrip : public QWidget
{
    Q_OBJECT
public:
    explicit TabStrip(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace home
