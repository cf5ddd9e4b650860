#include "toolkit/picture_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

#include "toolkit/picture_store.h"

PictureButton::PictureButton(int picture, QWidget* parent) : QPushButton(parent), picture(picture) {}

void PictureButton::SetPicture(int newPicture)
{
    picture = newPicture;
    repaint();
}

void PictureButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    option.icon = QIcon();
    painter.drawControl(QStyle::CE_PushButton, option);

    // A missing picture leaves a plain button.
    const QPixmap* pixmap = FindPicture(picture);
    if (pixmap == nullptr)
        return;
    const QSize size = pixmap->deviceIndependentSize().toSize();
    QPoint topLeft((width() - size.width()) / 2, (height() - size.height()) / 2);
    if (isDown())
        topLeft += QPoint(1, 1);
    painter.drawPixmap(topLeft, *pixmap);
}
