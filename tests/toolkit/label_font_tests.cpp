#include <QFontInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <cmath>

#include "toolkit/controls.h"
#include "toolkit/fonts.h"
#include "toolkit/widget_access.h"
#include "toolkit_fixture.h"

using LabelFontTest = ToolkitTest;

// Columns of a picture that hold any dark pixel.
static int InkedColumns(const QImage& image)
{
    int columns = 0;
    for (int x = 0; x < image.width(); ++x) {
        for (int y = 0; y < image.height(); ++y) {
            if (qGray(image.pixel(x, y)) < 128) {
                ++columns;
                break;
            }
        }
    }
    return columns;
}

TEST_F(LabelFontTest, LabelShowsAnAmpersandAsItselfCentredAtTheTop)
{
    ASSERT_TRUE(CreateLabel(WINDOW, 6, Box{0, 0, 107, 36}, u"&"));
    auto* label = static_cast<QLabel*>(ControlWidget(6));
    EXPECT_EQ(label->alignment(), Qt::AlignHCenter | Qt::AlignTop);
    EXPECT_EQ(label->focusPolicy(), Qt::NoFocus);
    EXPECT_GT(InkedColumns(label->grab().toImage()), 0);
    EXPECT_EQ(ControlText(6), u"&");
}

TEST_F(LabelFontTest, FontsTakePointsAtTheScreenDensityAndStandInForMissingFaces)
{
    const double dpi = QGuiApplication::primaryScreen()->logicalDotsPerInchY();
    struct Case {
        int font;
        const char16_t* face;
        int points;
        FontWeight weight;
    } cases[] = {
        {10, u"Lucida Console", 9, FontWeight::Regular},
        {11, u"Courier New", 24, FontWeight::Bold},
        {12, u"No Such Face Anywhere", 12, FontWeight::Regular},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(CreateFont(c.font, c.face, c.points, c.weight));
        ASSERT_TRUE(CreateLabel(WINDOW, 60 + c.font, Box{0, 0, 200, 40}, u"00:00:00"));
        SetControlFont(60 + c.font, c.font);
        const QFontInfo shown(ControlWidget(60 + c.font)->font());
        EXPECT_EQ(shown.pixelSize(), std::lround(c.points * dpi / 72.0)) << c.points;
        EXPECT_EQ(shown.bold(), c.weight == FontWeight::Bold);
        EXPECT_TRUE(shown.fixedPitch()) << shown.family().toStdString();
    }
    EXPECT_TRUE(FontExists(10));
    EXPECT_FALSE(FontExists(13));
}

TEST_F(LabelFontTest, AMissingFontLeavesTheDefault)
{
    ASSERT_TRUE(CreateLabel(WINDOW, 15, Box{0, 0, 200, 40}, u"notice"));
    const QFont before = ControlWidget(15)->font();
    SetControlFont(15, 99);
    EXPECT_EQ(ControlWidget(15)->font(), before);
}
