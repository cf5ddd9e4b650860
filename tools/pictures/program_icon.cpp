#include <QPainter>
#include <QPainterPath>

#include "drawings.h"

QImage DrawProgramIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // Drawn on a 48-unit grid and scaled, so the three sizes agree; the
    // shapes are bold enough to survive 16 pixels.
    p.scale(size / 48.0, size / 48.0);

    QPainterPath tile;
    tile.addRoundedRect(QRectF(1, 1, 46, 46), 9, 9);
    p.fillPath(tile, QColor(0x1D, 0x2B, 0x4F));
    p.save();
    p.setClipPath(tile);
    p.fillRect(QRectF(0, 30, 48, 18), QColor(0x2F, 0x7F, 0x8C));
    p.restore();

    QPainterPath moon;
    moon.addEllipse(QPointF(20, 16), 10, 10);
    QPainterPath bite;
    bite.addEllipse(QPointF(25, 12), 8.5, 8.5);
    p.fillPath(moon.subtracted(bite), QColor(0xF2, 0xE3, 0xA6));

    p.setPen(QPen(QColor(0xE8, 0xF4, 0xF6), 3.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(9, 37), QPointF(26, 37));
    p.drawLine(QPointF(30, 37), QPointF(39, 37));
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}
