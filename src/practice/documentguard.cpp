// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/documentguard.h"

#include "practice/practicelogic.h"

#include <QEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>

namespace practice {

namespace {
DocumentGuard::MessageHook &messageHook()
{
    static DocumentGuard::MessageHook hook;
    return hook;
}
} // namespace

void DocumentGuard::setMessageHook(MessageHook hook)
{
    messageHook() = std::move(hook);
}

void DocumentGuard::guard(QWidget *target)
{
    if (target == m_guarded)
        return;
    if (m_guarded)
        m_guarded->removeEventFilter(this);
    m_guarded = target;
    if (m_guarded)
        m_guarded->installEventFilter(this);
}

bool DocumentGuard::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_guarded && m_guarded) {
        const auto refuse = [] {
            const QString title = QStringLiteral("Error");
            const QString text = QStringLiteral("Invalid operation");
            if (messageHook())
                messageHook()(title, text);
            else
                QMessageBox::warning(nullptr, title, text, QMessageBox::Ok);
        };
        switch (event->type()) {
        case QEvent::KeyPress: {
            auto *ke = static_cast<QKeyEvent *>(event);
            if (isGuardedKey(ke->key(), ke->modifiers())) {
                if (!ke->isAutoRepeat())
                    refuse();
                return true; // the copy or cut does not happen
            }
            break;
        }
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            auto *me = static_cast<QMouseEvent *>(event);
            if (isGuardedButton(me->button())) {
                if (event->type() == QEvent::MouseButtonPress)
                    refuse();
                return true;
            }
            break;
        }
        case QEvent::ContextMenu:
            return true;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace practice
