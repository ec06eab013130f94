#pragma once

#include "geometry.h"

#include <QAccessible>
#include <QLabel>
#include <QPixmap>
#include <QPointer>
#include <QString>
#include <QWidget>

namespace chrome {

// What a button shows and says: pictures for each look, its caption and tool tip.
struct ButtonIdentity
{
    QString caption;
    QString toolTip;
    QString off;      // "_off": normal
    QString on;       // "_on": pointer inside
    QString pressed;  // "_pressed": pointer inside while a toolbar button is held
    QString disabled; // "_disabled"
    bool hasCommand = true;
};

// A picture button. Its look follows the rules of decideLook(): the pointer inside its screen
// rectangle, the window-wide press flag (txtPressTrack), its enabled state and, for title-bar
// buttons, the window's activation. The window's 100 ms tick and the button's own mouse events
// both refresh the look, so it changes at once and never later than one tick.
//
// A caption label may lie on the button; a click on it acts like a click on the button, but a
// press on it does not set the press flag. A disabled button ignores clicks on itself and its
// caption.
class ImageButton : public QWidget
{
    Q_OBJECT
public:
    explicit ImageButton(const QString &objectName, QWidget *parent = nullptr);

    // Pictures by file name in the graphics folder. Missing looks fall back: pressed to on,
    // on/disabled/inactive to off. The button takes the off picture's size unless
    // setAutoSize(false) was called.
    void setPictures(const QString &off, const QString &on, const QString &pressed = {},
                     const QString &disabled = {});
    void setInactivePicture(const QString &inactive);
    void setIdentity(const ButtonIdentity &identity);
    void setAutoSize(bool on) { m_autoSize = on; }

    // Toolbar buttons: a press sets the window-wide flag and they show a pressed look.
    void setTracksPress(bool on) { m_tracksPress = on; }
    bool tracksPress() const { return m_tracksPress; }
    // Title-bar buttons: keep the inactive picture while the window is inactive.
    void setFollowsActivation(bool on) { m_followsActivation = on; }

    // The caption label, created on first use as a child named `name` (e.g. "lblTB01").
    QLabel *caption(const QString &name = {});
    // Use an existing label (anywhere in the window) as this button's caption.
    void attachCaption(QLabel *label);
    QLabel *captionLabel() const { return m_caption; }
    void setCaptionText(const QString &text);
    void setToolTips(const QString &toolTip); // on the button and its caption

    // Keyboard: the button joins the Tab order (a click never gives it the focus, so a mouse
    // user sees no ring), draws a focus ring while it has the focus, and Space or Return press
    // it. Off by default: title-bar buttons stay out of the Tab order.
    void setKeyboardFocusable(bool on);
    // For screen readers: a push button unless told otherwise (the home window's tabs are page
    // tabs; set before the first query). The caption, when there is one, is the button's name.
    void setAccessibleRole(QAccessible::Role role) { m_role = role; }
    QAccessible::Role accessibleRole() const { return m_role; }
    // A page tab in front reads as the selected one.
    void setAccessibleSelected(bool selected);
    bool isAccessibleSelected() const { return m_selected; }

    Look look() const { return m_look; }
    // File name of the picture on show (empty when the look has no picture).
    QString currentPicture() const;
    QString pictureFor(Look look) const;

    // Re-decide the look with the pointer at `globalCursor` (screen pixels).
    void refreshAt(QPoint globalCursor);
    void refresh();

    // The window-wide press flag of the window this button is in.
    static bool pressTrack(const QWidget *anyWidgetOfWindow);
    static void setPressTrack(QWidget *anyWidgetOfWindow, bool held);
    // Refresh every image button of the window `w` belongs to.
    static void refreshWindow(QWidget *w, QPoint globalCursor);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setLook(Look look);
    bool windowActive() const;

    QString m_off, m_on, m_pressed, m_disabled, m_inactive;
    QPixmap m_pixmap;
    QString m_shown;
    Look m_look = Look::Off;
    bool m_autoSize = true;
    bool m_tracksPress = false;
    bool m_followsActivation = false;
    bool m_heldHere = false;
    QAccessible::Role m_role = QAccessible::Button;
    bool m_selected = false;
    QPointer<QLabel> m_caption;
};

// The keyboard focus ring of the program's own controls: a dark rounded line inside the
// control's edge, in the title bar's navy so that it belongs to the skin, lined with white.
QColor focusRingColour();
void paintFocusRing(QPainter &painter, const QRect &rect);
// Tells a screen reader that `widget` was selected or unselected (a page tab, a list item).
void announceSelectionChange(QWidget *widget);

} // namespace chrome
