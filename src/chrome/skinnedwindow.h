#pragma once

#include "geometry.h"

#include <QPolygon>
#include <QWidget>

class QLabel;
class QTimer;

namespace chrome {

class ImageButton;
class PictureBox;

// A borderless window that draws its own frame: three title-bar pieces, two side strips, a bottom
// strip and two bottom corners (named BTopLeft, BTopCentre, BTopRight, BLeft, BRight, BBot,
// BBotLeft, BBotRight), the icon ImgIco, the title (Title, or lblTitle on the dialog) and the
// title-bar buttons imgProgClose, imgProgMin and, on practice windows, imgProgMax.
//
// The window is clipped to its outline after every resize, is dragged by its title-bar pieces
// and title with any mouse button, and switches its title bar between the active and inactive
// skins on activation (the dialog always shows the active one). A 100 ms timer (objectName
// Timer1) emits ticked() and then sets the looks of all its image buttons from where the pointer
// is now: a button's look follows the pointer's position, not the mouse events it was sent.
//
// Subclasses place their content inside clientRect() or wherever their layout says; the frame
// pieces lie beneath every child created after them.
class SkinnedWindow : public QWidget
{
    Q_OBJECT
public:
    enum class Kind
    {
        Home,
        Practice,
        Dialog
    };

    explicit SkinnedWindow(Kind kind, QWidget *parent = nullptr);

    Kind kind() const { return m_kind; }

    // Window caption and the title label; home and practice titles are sized to their text.
    void setTitle(const QString &title);
    QLabel *titleLabel() const { return m_title; }
    PictureBox *iconBox() const { return m_icon; } // nullptr on the dialog

    PictureBox *framePiece(const QString &name) const;
    ImageButton *closeButton() const { return m_close; }       // nullptr on the dialog
    ImageButton *minimiseButton() const { return m_minimise; } // nullptr on the dialog
    ImageButton *maximiseButton() const { return m_maximise; } // practice windows only

    // The area inside the frame: below the title bar, between the side strips, above the
    // bottom strip.
    QRect clientRect() const;
    FrameRects frameRects() const { return m_frame; }

    // Activation flag (ContentsFocus / Test1Focus / Test2Focus): "1" while active.
    bool isSkinActive() const { return m_active; }
    // The active (ContentsActive, Test1Active, ...) or inactive skin routine.
    void applySkin(bool active);

    // Window-wide "toolbar button held" flag, txtPressTrack.
    bool pressTrack() const;
    void setPressTrack(bool held);

    // Clip the window to its outline (replacing the previous one). Run after every resize.
    void pRoundCorners();
    QPolygon currentOutline() const { return m_outline; }

    // Start dragging the window with the pointer (the system's own move loop where the
    // platform has one).
    void MoveForm();

    // One pass of the window's 100 ms timer; public so that tests drive it step by step.
    void tick();
    QTimer *timer() const { return m_timer; }

signals:
    void closeRequested();
    void activationChanged(bool active);
    // Emitted at the start of every tick, before the button looks are refreshed: the place for
    // a window's own per-tick work (toolbar enabling, captions).
    void ticked();
    void moveStarted();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void layoutFrame();
    void layoutTitleBar();
    void updateTitleButtonPictures();
    FramePieceSizes pieceSizes() const;
    bool isDragSource(QObject *o) const;

    Kind m_kind;
    bool m_active = true;
    PictureBox *m_topLeft, *m_topCentre, *m_topRight;
    PictureBox *m_left, *m_right, *m_bottom, *m_bottomLeft, *m_bottomRight;
    PictureBox *m_icon = nullptr;
    QLabel *m_title;
    ImageButton *m_close = nullptr;
    ImageButton *m_minimise = nullptr;
    ImageButton *m_maximise = nullptr;
    QTimer *m_timer;
    FrameRects m_frame;
    QPolygon m_outline;
    // Fallback drag for platforms without a system move loop.
    bool m_manualDrag = false;
    QPoint m_dragOffset;
    // A press on a drag source waits for the pointer to travel before the move starts.
    bool m_movePending = false;
    QPoint m_pressGlobal;
};

} // namespace chrome
