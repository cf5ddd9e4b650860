#pragma once

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <vector>

// A small ICO image made here: a transparent background with one opaque
// block, so that where the picture lands can be found pixel by pixel.
inline std::vector<unsigned char> MakeIco(int width, int height, QColor block)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.fillRect(0, 0, width, height, block);
    painter.end();
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "ICO");
    const QByteArray& bytes = buffer.data();
    return {bytes.begin(), bytes.end()};
}

// The smallest rectangle holding every pixel of `colour`.
inline QRect BoundsOf(const QImage& image, QColor colour)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) == colour)
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}
