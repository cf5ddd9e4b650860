#include "ico_file.h"

#include <QtEndian>

namespace {

void Put16(QByteArray& out, quint16 v)
{
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
}

void Put32(QByteArray& out, quint32 v)
{
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

int RowBytes(int bitsPerPixel, int width) { return ((bitsPerPixel * width + 31) / 32) * 4; }

bool Fits(const QImage& image)
{
    if (image.width() < 1 || image.width() > 256 || image.height() < 1 || image.height() > 256)
        return false;
    if (image.format() == QImage::Format_ARGB32)
        return true;
    return image.format() == QImage::Format_Indexed8 && image.colorCount() <= 256;
}

// The DIB of one image: header, palette (indexed only), colour rows, mask.
QByteArray Bitmap(const QImage& image)
{
    const bool indexed = image.format() == QImage::Format_Indexed8;
    const int bits = indexed ? 8 : 32;
    const int w = image.width(), h = image.height();
    const int colourRow = RowBytes(bits, w), maskRow = RowBytes(1, w);

    QByteArray out;
    Put32(out, 40);                                     // biSize: BITMAPINFOHEADER
    Put32(out, static_cast<quint32>(w));                // biWidth
    Put32(out, static_cast<quint32>(2 * h));            // biHeight: colour rows + mask rows
    Put16(out, 1);                                      // biPlanes
    Put16(out, static_cast<quint16>(bits));             // biBitCount
    Put32(out, 0);                                      // biCompression: BI_RGB
    Put32(out, static_cast<quint32>((colourRow + maskRow) * h));  // biSizeImage
    Put32(out, 0);                                      // biXPelsPerMeter
    Put32(out, 0);                                      // biYPelsPerMeter
    Put32(out, indexed ? 256 : 0);                      // biClrUsed
    Put32(out, 0);                                      // biClrImportant

    if (indexed) {
        // Blue, green, red, reserved; unused entries are black.
        for (int i = 0; i < 256; ++i) {
            const QRgb c = i < image.colorCount() ? image.color(i) : qRgb(0, 0, 0);
            out.append(static_cast<char>(qBlue(c)));
            out.append(static_cast<char>(qGreen(c)));
            out.append(static_cast<char>(qRed(c)));
            out.append('\0');
        }
    }

    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(colourRow, '\0');
        const uchar* line = image.constScanLine(y);
        if (indexed) {
            std::copy(line, line + w, row.begin());
        } else {
            const auto* pixels = reinterpret_cast<const QRgb*>(line);
            for (int x = 0; x < w; ++x) {
                row[4 * x + 0] = static_cast<char>(qBlue(pixels[x]));
                row[4 * x + 1] = static_cast<char>(qGreen(pixels[x]));
                row[4 * x + 2] = static_cast<char>(qRed(pixels[x]));
                row[4 * x + 3] = static_cast<char>(qAlpha(pixels[x]));
            }
        }
        out.append(row);
    }

    // The mask: 1 for a transparent pixel, most significant bit first.
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(maskRow, '\0');
        if (!indexed) {
            const auto* pixels = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            for (int x = 0; x < w; ++x)
                if (qAlpha(pixels[x]) == 0)
                    row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
        }
        out.append(row);
    }
    return out;
}

}  // namespace

QByteArray EncodeIco(const std::vector<IcoImage>& images)
{
    if (images.empty() || images.size() > 0xFFFF)
        return {};
    std::vector<QByteArray> bitmaps;
    for (const auto& entry : images) {
        if (!Fits(entry.image))
            return {};
        bitmaps.push_back(Bitmap(entry.image));
    }

    QByteArray out;
    Put16(out, 0);                                      // reserved
    Put16(out, 1);                                      // type: icon
    Put16(out, static_cast<quint16>(images.size()));    // image count
    quint32 offset = 6 + 16 * static_cast<quint32>(images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        const QImage& image = images[i].image;
        const bool indexed = image.format() == QImage::Format_Indexed8;
        out.append(static_cast<char>(image.width() & 0xFF));   // width, 0 meaning 256
        out.append(static_cast<char>(image.height() & 0xFF));  // height, 0 meaning 256
        out.append('\0');                                   // palette size: 0 for 256 or none
        out.append('\0');                                   // reserved
        Put16(out, 1);                                      // colour planes
        Put16(out, indexed ? 8 : 32);                       // bits per pixel
        Put32(out, static_cast<quint32>(bitmaps[i].size()));  // bytes of the bitmap
        Put32(out, offset);                                 // where the bitmap starts
        offset += static_cast<quint32>(bitmaps[i].size());
    }
    for (const auto& bitmap : bitmaps)
        out.append(bitmap);
    return out;
}
