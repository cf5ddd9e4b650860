#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>
#include <QSet>
#include <functional>

#include <gtest/gtest.h>

#include "assets/assets.h"

namespace {

QByteArray Bytes(EmbeddedBlock block)
{
    return QByteArray::fromRawData(reinterpret_cast<const char*>(block.data()), static_cast<qsizetype>(block.size()));
}

// Bits per pixel of the ICO's first directory entry.
int StoredDepth(EmbeddedBlock block)
{
    return block.size() < 6 + 16 ? 0 : block[6 + 6] | (block[6 + 7] << 8);
}

int CountPixels(const QImage& image, const std::function<bool(QRgb)>& matches)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += matches(image.pixel(x, y));
    return count;
}

bool OpaqueBlack(QRgb c) { return qAlpha(c) == 255 && qRed(c) < 40 && qGreen(c) < 40 && qBlue(c) < 40; }

struct PictureCase {
    const char* name;
    Picture picture;
    int width, height, depth;
    std::function<bool(QRgb)> symbol;  // the face's symbol colour; empty for the logo
};

void PrintTo(const PictureCase& c, std::ostream* out) { *out << c.name; }

const PictureCase PICTURES[] = {
    {"Playing", Picture::Playing, 82, 23, 32,
     [](QRgb c) { return qAlpha(c) == 255 && qRed(c) > 200 && qGreen(c) > 200 && qBlue(c) > 200; }},
    {"Stop", Picture::Stop, 82, 23, 32,
     [](QRgb c) { return qAlpha(c) == 255 && qRed(c) > 180 && qGreen(c) < 80 && qBlue(c) < 80; }},
    {"Play", Picture::Play, 82, 23, 32,
     [](QRgb c) { return qAlpha(c) == 255 && qGreen(c) > 150 && qRed(c) < 100 && qBlue(c) < 120; }},
    {"Logo", Picture::Logo, 210, 226, 8, {}},
};

class PictureTest : public testing::TestWithParam<PictureCase> {};

TEST_P(PictureTest, DecodesThroughQtAtItsSizeAndDepth)
{
    const PictureCase& c = GetParam();
    const EmbeddedBlock block = EmbeddedPicture(c.picture);
    const QImage image = QImage::fromData(Bytes(block), "ICO");
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.width(), c.width);
    EXPECT_EQ(image.height(), c.height);
    EXPECT_EQ(StoredDepth(block), c.depth);
}

TEST_P(PictureTest, FacesShowTheirSymbolAndWordOnATransparentGround)
{
    const PictureCase& c = GetParam();
    const QImage image = QImage::fromData(Bytes(EmbeddedPicture(c.picture)), "ICO").convertToFormat(QImage::Format_ARGB32);
    ASSERT_FALSE(image.isNull());
    if (!c.symbol) {
        // The logo is opaque, on the help window's near-white.
        EXPECT_EQ(CountPixels(image, [](QRgb p) { return qAlpha(p) != 255; }), 0);
        EXPECT_EQ(image.pixel(0, 0), qRgb(0xFE, 0xFE, 0xFE));
        EXPECT_EQ(image.pixel(c.width - 1, c.height - 1), qRgb(0xFE, 0xFE, 0xFE));
        return;
    }
    // Corners and the space after the word are see-through.
    for (const QPoint p : {QPoint(0, 0), QPoint(c.width - 1, 0), QPoint(0, c.height - 1), QPoint(c.width - 1, c.height - 1)})
        EXPECT_EQ(qAlpha(image.pixel(p)), 0) << p.x() << "," << p.y();
    EXPECT_GT(CountPixels(image, [](QRgb p) { return qAlpha(p) == 0; }), c.width * c.height / 3);
    // The black square on the left, the symbol inside it, the word after it.
    EXPECT_TRUE(OpaqueBlack(image.pixel(3, c.height / 2)));
    EXPECT_GT(CountPixels(image.copy(0, 0, 23, c.height), c.symbol), 10);
    EXPECT_GT(CountPixels(image.copy(25, 0, c.width - 25, c.height), OpaqueBlack), 40);
}

INSTANTIATE_TEST_SUITE_P(Embedded, PictureTest, testing::ValuesIn(PICTURES),
                         [](const testing::TestParamInfo<PictureCase>& info) { return info.param.name; });

TEST(ProgramIconTest, HoldsSixteenThirtyTwoAndFortyEightPixelImages)
{
    QByteArray bytes = Bytes(EmbeddedPicture(Picture::ProgramIcon));
    QBuffer buffer(&bytes);
    ASSERT_TRUE(buffer.open(QIODevice::ReadOnly));
    QImageReader reader(&buffer, "ICO");
    ASSERT_EQ(reader.imageCount(), 3);
    QSet<int> sizes;
    for (int i = 0; i < reader.imageCount(); ++i) {
        ASSERT_TRUE(reader.jumpToImage(i));
        const QImage image = reader.read();
        ASSERT_FALSE(image.isNull()) << reader.errorString().toStdString();
        EXPECT_EQ(image.width(), image.height());
        sizes.insert(image.width());
    }
    EXPECT_EQ(sizes, (QSet<int>{16, 32, 48}));
}

}  // namespace
