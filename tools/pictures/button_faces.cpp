#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

#include "drawings.h"

namespace {

constexpr int WIDTH = 82, HEIGHT = 23;
// The square fills the height but for a one-pixel margin; the word starts
// a little after it.
const QRectF SQUARE(1, 1, 21, 21);
constexpr int WORD_LEFT = 26;

// The largest bold condensed DejaVu whose capitals fit the longest word
// ("PLAYING") into the room right of the square, so that all three faces
// share one size.
QFont WordFont()
{
    QFont font(DejaVuFamily("DejaVuSansCondensed-Bold.ttf"));
    font.setBold(true);
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    for (int pixels = 13; pixels > 6; --pixels) {
        font.setPixelSize(pixels);
        if (QFontMetrics(font).horizontalAdvance("PLAYING") <= WIDTH - WORD_LEFT - 1)
            break;
    }
    return font;
}

void DrawSymbol(QPainter& p, ButtonFace face)
{
    switch (face) {
    case ButtonFace::Playing: {
        // A loudspeaker: the magnet box and the cone, and two sound waves.
        const QColor speaker(240, 240, 240);
        p.setPen(Qt::NoPen);
        p.setBrush(speaker);
        p.drawRect(QRectF(4, 9, 3, 5));
        p.drawPolygon(QPolygonF({{7, 9}, {11, 5.5}, {11, 17.5}, {7, 14}}));
        QPen wave(speaker, 1.5, Qt::SolidLine, Qt::FlatCap);
        p.setPen(wave);
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(9, 8.5, 6, 6), -55 * 16, 110 * 16);
        p.drawArc(QRectF(7.5, 5.5, 12, 12), -50 * 16, 100 * 16);
        break;
    }
    case ButtonFace::Stop:
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(224, 32, 32));
        p.drawRect(QRectF(7, 7, 9, 9));
        break;
    case ButtonFace::Play:
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(40, 190, 70));
        p.drawPolygon(QPolygonF({{8, 5.5}, {17, 11.5}, {8, 17.5}}));
        break;
    }
}

QString Word(ButtonFace face)
{
    switch (face) {
    case ButtonFace::Playing: return "PLAYING";
    case ButtonFace::Stop: return "STOP";
    case ButtonFace::Play: return "PLAY";
    }
    return {};
}

}  // namespace

QImage DrawButtonFace(ButtonFace face)
{
    QImage image(WIDTH, HEIGHT, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    QPainterPath square;
    square.addRoundedRect(SQUARE, 4, 4);
    p.fillPath(square, Qt::black);
    DrawSymbol(p, face);

    const QFont font = WordFont();
    p.setFont(font);
    p.setPen(Qt::black);
    // Baseline placed so that the capitals sit centred on the square, on a
    // whole pixel.
    const QFontMetrics metrics(font);
    const int capHeight = metrics.capHeight() > 0 ? static_cast<int>(metrics.capHeight() + 0.5) : metrics.ascent();
    const int baseline = (HEIGHT + capHeight) / 2;
    p.drawText(QPoint(WORD_LEFT, baseline), Word(face));
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}
