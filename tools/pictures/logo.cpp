#include <QFont>
#include <QFontMetrics>
#include <QList>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <numbers>

#include "drawings.h"

namespace {

constexpr int WIDTH = 210, HEIGHT = 226;

// The logo's own colours. Every other pixel is an antialiased blend of two
// of them, which is what the 256-colour palette is built from.
const QColor BACKGROUND(0xFE, 0xFE, 0xFE);  // the help window's background
const QColor NIGHT(0x1D, 0x2B, 0x4F);
const QColor RING(0x2F, 0x7F, 0x8C);
const QColor LAKE(0x1F, 0x55, 0x60);
const QColor MOON(0xF2, 0xE3, 0xA6);
const QColor RIPPLE(0x8C, 0xC7, 0xCF);
const QColor CAPTION(0x55, 0x5F, 0x6E);

// The key colours, and eleven steps between each pair of them: 7 + 21 x 11
// = 238 entries, so every edge blend has a near neighbour in the palette.
QList<QRgb> Palette()
{
    const QColor keys[] = {BACKGROUND, NIGHT, RING, LAKE, MOON, RIPPLE, CAPTION};
    QList<QRgb> table;
    for (const QColor& key : keys)
        table.append(key.rgb());
    constexpr int STEPS = 11;
    for (std::size_t a = 0; a < std::size(keys); ++a) {
        for (std::size_t b = a + 1; b < std::size(keys); ++b) {
            for (int s = 1; s <= STEPS; ++s) {
                const double t = static_cast<double>(s) / (STEPS + 1);
                const auto mix = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
                table.append(qRgb(mix(keys[a].red(), keys[b].red()), mix(keys[a].green(), keys[b].green()),
                                  mix(keys[a].blue(), keys[b].blue())));
            }
        }
    }
    return table;
}

void DrawScene(QPainter& p)
{
    const QPointF centre(105, 82);
    const double radius = 68;
    QPainterPath disc;
    disc.addEllipse(centre, radius, radius);

    p.save();
    p.setClipPath(disc);
    p.fillPath(disc, NIGHT);
    const double horizon = 104;
    p.fillRect(QRectF(0, horizon, WIDTH, HEIGHT), LAKE);

    // A few stars.
    p.setPen(Qt::NoPen);
    p.setBrush(MOON);
    for (const QPointF star : {QPointF(130, 40), QPointF(150, 62), QPointF(118, 28), QPointF(60, 84),
                               QPointF(142, 88), QPointF(98, 34)})
        p.drawEllipse(star, 1.3, 1.3);

    // The crescent: a disc with another, offset, taken out of it.
    QPainterPath moon;
    moon.addEllipse(QPointF(82, 62), 19, 19);
    QPainterPath bite;
    bite.addEllipse(QPointF(91, 55), 16, 16);
    p.fillPath(moon.subtracted(bite), MOON);

    // The moon's broken reflection on the water.
    p.setPen(QPen(MOON, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(68, 112), QPointF(84, 112));
    p.drawLine(QPointF(72, 120), QPointF(82, 120));
    p.drawLine(QPointF(74, 128), QPointF(80, 128));

    // A long, low wave across the lake: the hush of the sound machine.
    QPainterPath wave;
    for (int x = 30; x <= 180; ++x) {
        const double y = 138 + 3.0 * std::sin((x - 30) * 2.0 * std::numbers::pi / 50.0);
        if (x == 30)
            wave.moveTo(x, y);
        else
            wave.lineTo(x, y);
    }
    p.setPen(QPen(RIPPLE, 2.0, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(wave);
    p.drawLine(QPointF(104, 116), QPointF(128, 116));
    p.drawLine(QPointF(112, 126), QPointF(140, 126));
    p.restore();

    p.setPen(QPen(RING, 4));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, radius, radius);
}

// Draws `text` centred on `baseline` in the largest size up to `pixels`
// that fits the width with a small margin.
void DrawCentred(QPainter& p, QFont font, int pixels, const QString& text, int baseline, const QColor& colour)
{
    for (; pixels > 6; --pixels) {
        font.setPixelSize(pixels);
        if (QFontMetrics(font).horizontalAdvance(text) <= WIDTH - 8)
            break;
    }
    p.setFont(font);
    p.setPen(colour);
    const int width = QFontMetrics(font).horizontalAdvance(text);
    p.drawText(QPoint((WIDTH - width) / 2, baseline), text);
}

}  // namespace

QImage DrawLogo(const QString& homePage)
{
    QImage image(WIDTH, HEIGHT, QImage::Format_RGB32);
    image.fill(BACKGROUND);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    DrawScene(p);

    QFont name(DejaVuFamily("DejaVuSerif-Bold.ttf"));
    name.setBold(true);
    name.setHintingPreference(QFont::PreferFullHinting);
    DrawCentred(p, name, 27, "Hushmere", 186, NIGHT);

    QFont address(DejaVuFamily("DejaVuSans.ttf"));
    address.setHintingPreference(QFont::PreferFullHinting);
    DrawCentred(p, address, 12, homePage, 216, CAPTION);
    p.end();
    return image.convertToFormat(QImage::Format_Indexed8, Palette());
}
