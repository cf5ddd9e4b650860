#include "toolkit/picture_control.h"

#include <QMouseEvent>

#include "toolkit/control_registry.h"
#include "toolkit/picture_store.h"

PictureControl::PictureControl(int control, int picture, QWidget* parent)
    : QLabel(parent), control(control), picture(picture)
{
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SetPicture(picture);
}

void PictureControl::SetPicture(int newPicture)
{
    picture = newPicture;
    const QPixmap* pixmap = FindPicture(picture);
    if (pixmap == nullptr) {
        clear();
        return;
    }
    setPixmap(*pixmap);
    // The control takes the size of its picture, whatever box it was given.
    resize(pixmap->deviceIndependentSize().toSize());
    repaint();
}

void PictureControl::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QLabel::mousePressEvent(event);
        return;
    }
    event->accept();
    ReportClick(control);
}
