#pragma once
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>

namespace practice {

// Keeps the pupil from copying a question out of its document: copy and cut keys and the
// buttons that would select or open a menu are refused with a warning ("Invalid operation").
// It watches one widget at a time, the viewer's event target.
class DocumentGuard : public QObject
{
    Q_OBJECT
public:
    using MessageHook = std::function<void(const QString &title, const QString &text)>;

    explicit DocumentGuard(QObject *parent = nullptr) : QObject(parent) {}

    // Watches `target` instead of the widget watched so far (none: nullptr).
    void guard(QWidget *target);
    QWidget *guarded() const { return m_guarded; }

    // Tests: a stand-in for the platform's warning box.
    static void setMessageHook(MessageHook hook);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPointer<QWidget> m_guarded;
};

} // namespace practice
