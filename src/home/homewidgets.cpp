// SPDX-License-Identifier: GPL-3.0-or-later
#include "home/homewidgets.h"

#include "chrome/imagebutton.h"
#include "chrome/look.h"
#include "chrome/units.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

namespace home {

namespace {

// A keyboard control made of a label: named by its text, pressed through the interface as by a
// click. The press runs after the reply, so a client never waits for what the click does.
class AccessibleClickLabel : public QAccessibleWidget
{
public:
    explicit AccessibleClickLabel(ClickLabel *label) : QAccessibleWidget(label) {}
    // Read afresh: the interface may be made before the label is given its role.
    QAccessible::Role role() const override
    {
        return label() ? label()->accessibleRole() : QAccessible::NoRole;
    }
    QString text(QAccessible::Text t) const override
    {
        QString s = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && s.isEmpty() && label())
            s = label()->text();
        return s;
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        if (label() && role() == QAccessible::ListItem) {
            s.selectable = true;
            s.selected = label()->isSelected();
        }
        return s;
    }
    QStringList actionNames() const override
    {
        if (role() == QAccessible::StaticText)
            return QAccessibleWidget::actionNames();
        return {pressAction(), setFocusAction()};
    }
    void doAction(const QString &action) override
    {
        QPointer<ClickLabel> target = label();
        if (!target || !target->isEnabled() || role() == QAccessible::StaticText)
            return;
        if (action == pressAction())
            QMetaObject::invokeMethod(
                target,
                [target] {
                    if (target)
                        emit target->clicked();
                },
                Qt::QueuedConnection);
        else if (action == setFocusAction())
            target->setFocus(Qt::OtherFocusReason);
    }

private:
    ClickLabel *label() const { return static_cast<ClickLabel *>(widget()); }
};

QAccessibleInterface *accessibleClickLabel(const QString &className, QObject *object)
{
    if (className != QLatin1String("home::ClickLabel"))
        return nullptr;
    return new AccessibleClickLabel(static_cast<ClickLabel *>(object));
}

} // namespace

ClickLabel::ClickLabel(const QString &name, QWidget *parent) : QLabel(parent)
{
    static const bool accessible = [] {
        QAccessible::installFactory(&accessibleClickLabel);
        return true;
    }();
    Q_UNUSED(accessible);
    setObjectName(name);
}

void ClickLabel::setKeyboardControl(QAccessible::Role role)
{
    m_role = role;
    setFocusPolicy(Qt::TabFocus);
}

void ClickLabel::setSelected(bool selected)
{
    if (m_selected == selected)
        return;
    m_selected = selected;
    chrome::announceSelectionChange(this);
}

void ClickLabel::paintEvent(QPaintEvent *event)
{
    if (!m_elide) {
        QLabel::paintEvent(event);
    } else {
        QPainter painter(this);
        const QRect area = contentsRect().adjusted(margin() + indent(), 0, -margin(), 0);
        const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, area.width());
        painter.setPen(palette().color(foregroundRole()));
        painter.drawText(area, alignment(), shown);
    }
    if (hasFocus()) {
        QPainter painter(this);
        chrome::paintFocusRing(painter, rect());
    }
}

void ClickLabel::keyPressEvent(QKeyEvent *event)
{
    const bool plain =
        event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier;
    if (plain && (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return ||
                  event->key() == Qt::Key_Enter)) {
        if (!event->isAutoRepeat())
            emit clicked();
        event->accept();
        return;
    }
    QLabel::keyPressEvent(event);
}

void ClickLabel::mousePressEvent(QMouseEvent *event)
{
    emit pressed(event->button());
    event->accept();
}

void ClickLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (rect().contains(event->position().toPoint()))
        emit clicked();
    event->accept();
}

PercentColumn::PercentColumn(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Percent1a"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void PercentColumn::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setFont(font());
    const QColor full = palette().color(QPalette::WindowText);
    const QColor faint(190, 190, 190);
    const int h = fontMetrics().height();
    for (qsizetype i = 0; i < m_centres.size(); ++i) {
        const int centre = m_centres[i];
        painter.setPen(m_filled.value(i, true) ? full : faint);
        painter.drawText(QRect(0, centre - h / 2, width(), h), Qt::AlignLeft | Qt::AlignVCenter,
                         QStringLiteral("%"));
    }
}

TabStrip::TabStrip(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("ScnTabBG"));
}

void TabStrip::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), chrome::palette::Panel);
    // The line sits 10 twips above the bottom edge: the last whole pixel row.
    const int y = height() - 1 - static_cast<int>(chrome::twipsToPx(10));
    painter.fillRect(QRect(0, y, width(), 1), Qt::black);
}

} // namespace home
