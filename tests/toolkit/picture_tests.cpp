#include <QPushButton>
#include <QTest>

#include "ico_fixture.h"
#include "toolkit/controls.h"
#include "toolkit/pictures.h"
#include "toolkit/widget_access.h"
#include "toolkit/windows.h"
#include "toolkit_fixture.h"

using PictureTest = ToolkitTest;

static const QColor BLOCK(200, 0, 0);

TEST_F(PictureTest, DecodesIcoDataAndRefusesAnythingElse)
{
    const std::vector<unsigned char> ico = MakeIco(82, 23, BLOCK);
    EXPECT_TRUE(LoadPicture(21, ico));
    EXPECT_TRUE(PictureExists(21));

    std::vector<unsigned char> cut(ico.begin(), ico.begin() + 30);
    const std::vector<unsigned char> noise(400, 0xAB);
    EXPECT_FALSE(LoadPicture(60, {}));
    EXPECT_FALSE(LoadPicture(61, cut));
    EXPECT_FALSE(LoadPicture(62, noise));
    EXPECT_FALSE(PictureExists(60) || PictureExists(61) || PictureExists(62));
    EXPECT_TRUE(SetProgramIcon(ico));
    EXPECT_FALSE(SetProgramIcon(noise));
}

TEST_F(PictureTest, PictureButtonCentresItsPictureAndShiftsItWhileHeld)
{
    ASSERT_TRUE(LoadPicture(21, MakeIco(82, 23, BLOCK)));
    ASSERT_TRUE(CreatePictureButton(WINDOW, 30, Box{0, 0, 100, 36}, 21));
    auto* button = static_cast<QPushButton*>(ControlWidget(30));

    const QRect up = BoundsOf(button->grab().toImage(), BLOCK);
    EXPECT_EQ(up, QRect((100 - 82) / 2, (36 - 23) / 2, 82, 23));

    button->setDown(true);
    const QRect down = BoundsOf(button->grab().toImage(), BLOCK);
    button->setDown(false);
    EXPECT_EQ(down, up.translated(1, 1));
}

TEST_F(PictureTest, ReplacingTheButtonPictureRedrawsIt)
{
    const QColor other(0, 0, 200);
    ASSERT_TRUE(LoadPicture(21, MakeIco(82, 23, BLOCK)));
    ASSERT_TRUE(LoadPicture(19, MakeIco(82, 23, other)));
    ASSERT_TRUE(CreatePictureButton(WINDOW, 30, Box{0, 0, 100, 36}, 21));
    SetControlPicture(30, 19);
    const QImage shot = ControlWidget(30)->grab().toImage();
    EXPECT_TRUE(BoundsOf(shot, BLOCK).isEmpty());
    EXPECT_EQ(BoundsOf(shot, other).size(), QSize(82, 23));
}

TEST_F(PictureTest, MissingPictureLeavesAPlainButton)
{
    ASSERT_TRUE(CreatePictureButton(WINDOW, 31, Box{0, 0, 100, 36}, 77));
    EXPECT_EQ(ControlPicture(31), 77);
    EXPECT_FALSE(ControlWidget(31)->grab().isNull());
}

TEST_F(PictureTest, PictureControlTakesThePictureSizeAndReportsLeftClicks)
{
    ASSERT_TRUE(LoadPicture(22, MakeIco(64, 48, BLOCK)));
    ASSERT_TRUE(CreatePictureControl(WINDOW, 23, Box{5, 1, 210, 400}, 22));
    EXPECT_EQ(ControlWidget(23)->geometry(), QRect(5, 1, 64, 48));

    QTest::mouseClick(ControlWidget(23), Qt::RightButton);
    EXPECT_TRUE(ControlEventNumbers().empty());
    QTest::mouseClick(ControlWidget(23), Qt::LeftButton);
    EXPECT_EQ(ControlEventNumbers(), std::vector<int>{23});
}
