#pragma once

#include <QPixmap>
#include <QString>
#include <QWidget>

namespace chrome {

// A picture from the graphics folder shown either at its natural size (the widget takes the
// picture's size) or stretched to the widget's box. Frame pieces, icons and page pictures.
class PictureBox : public QWidget
{
    Q_OBJECT
public:
    enum class Fit
    {
        Natural,
        Stretch
    };

    explicit PictureBox(const QString &objectName, QWidget *parent = nullptr,
                        Fit fit = Fit::Natural);

    // Shows the named picture; a natural-size box takes its size (unless the picture is missing,
    // when the box keeps its size and draws nothing).
    void setPicture(const QString &fileName);
    QString pictureName() const { return m_file; }
    QPixmap pixmap() const { return m_pixmap; }
    Fit fit() const { return m_fit; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_file;
    QPixmap m_pixmap;
    Fit m_fit;
};

} // namespace chrome
