#pragma once
// SPDX-License-Identifier: GPL-3.0-or-later

#include "practice/practicelogic.h"

#include <QWidget>

namespace chrome {
class PictureBox;
} // namespace chrome

namespace practice {

// The strip beside the answer sheet (PicHideAns) with its handle (ImgHandle): a click on the
// handle asks to hide or show the sheet; the handle's tool tip says which.
class SheetHandle : public QWidget
{
    Q_OBJECT
public:
    SheetHandle(Take take, QWidget *parent);
    void place(const QRect &strip);
    void setSheetShown(bool shown);

signals:
    void toggleRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Take m_take;
    chrome::PictureBox *m_handle;
};

} // namespace practice
