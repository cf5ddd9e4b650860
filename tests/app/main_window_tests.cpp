#include <QApplication>
#include <QComboBox>
#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTest>

#include "app_fixture.h"
#include "channels/catalogue.h"
#include "toolkit/controls.h"
#include "toolkit/fonts.h"
#include "toolkit/widget_access.h"

namespace {
enum class Kind { DropDown, PictureButton, TextButton, TrackBar, Label, SpinField };

struct Expected {
    int number;
    Kind kind;
    QRect box;
    std::u16string text;  // caption, label text, chosen entry or field text
    int state;            // picture, position or value; 0 where none
    int minimum, maximum;
};

// Every control of the main window in creation order, with the boxes, texts
// and first states the window is drawn with.
std::vector<Expected> MainWindowControls()
{
    std::vector<Expected> controls;
    for (int r = 1; r <= ROW_COUNT; ++r) {
        const int y = 36 * (r - 1);
        controls.push_back({RowSelector(r), Kind::DropDown, {0, y, 230, 36}, u"Generate Brown Noise", 0, 0, 0});
        controls.push_back({RowPlayButton(r), Kind::PictureButton, {230, y, 100, 36}, u"", PICTURE_PLAY, 0, 0});
        controls.push_back({RowStopButton(r), Kind::PictureButton, {330, y, 100, 36}, u"", PICTURE_STOP, 0, 0});
        controls.push_back({RowRate(r), Kind::TrackBar, {431, y, 80, 36}, u"", 441, 1, 1000});
        controls.push_back({RowVolume(r), Kind::TrackBar, {511, y, 80, 36}, u"", 100, 1, 100});
    }
    controls.push_back({RATE_LABEL, Kind::Label, {431, 180, 80, 36}, u"RATE", 0, 0, 0});
    controls.push_back({VOLUME_LABEL, Kind::Label, {511, 180, 80, 36}, u"VOLUME", 0, 0, 0});
    controls.push_back({HELP_BUTTON, Kind::TextButton, {295, 252, 295, 36}, u"Help/About ", 0, 0, 0});
    controls.push_back({ALARM_BUTTON, Kind::TextButton, {0, 252, 295, 36}, u"Enable Alarm", 0, 0, 0});
    controls.push_back({CLOCK_LABEL, Kind::Label, {215, 180, 215, 72}, u"07:05:09", 0, 0, 0});
    controls.push_back({ALARM_HOUR_FIELD, Kind::SpinField, {0, 180, 107, 36}, u"6", 6, 0, 23});
    controls.push_back({ALARM_MINUTE_FIELD, Kind::SpinField, {107, 180, 107, 36}, u"30", 30, 0, 59});
    controls.push_back({HOUR_LABEL, Kind::Label, {0, 216, 107, 36}, u"HOUR", 0, 0, 0});
    controls.push_back({MINUTE_LABEL, Kind::Label, {107, 216, 107, 36}, u"MINUTE", 0, 0, 0});
    controls.push_back({NOTICE_LABEL, Kind::Label, {0, 295, 590, 25},
                        u"BY USING, YOU AGREE TO ANY/ALL TERMS IN HELP DIALOG", 0, 0, 0});
    return controls;
}

bool IsOfKind(QWidget* widget, Kind kind, int number)
{
    switch (kind) {
    case Kind::DropDown: return qobject_cast<QComboBox*>(widget) != nullptr;
    case Kind::PictureButton: return qobject_cast<QPushButton*>(widget) != nullptr && ControlPicture(number) != 0;
    case Kind::TextButton: return qobject_cast<QPushButton*>(widget) != nullptr && ControlPicture(number) == 0;
    case Kind::TrackBar: return qobject_cast<QSlider*>(widget) != nullptr;
    case Kind::Label: return qobject_cast<QLabel*>(widget) != nullptr;
    case Kind::SpinField: return qobject_cast<QSpinBox*>(widget) != nullptr;
    }
    return false;
}

std::pair<int, int> RangeOf(QWidget* widget)
{
    if (auto* bar = qobject_cast<QSlider*>(widget))
        return {bar->minimum(), bar->maximum()};
    if (auto* field = qobject_cast<QSpinBox*>(widget))
        return {field->minimum(), field->maximum()};
    return {0, 0};
}
}  // namespace

TEST_F(MainWindowTest, ClientAreaIs590By314)
{
    QWidget* window = WindowWidget(MAIN_WINDOW);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->size(), QSize(590, 314));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Hushmere"));
    EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
}

TEST_F(MainWindowTest, EveryControlHasItsNumberKindBoxTextAndFirstState)
{
    for (const Expected& c : MainWindowControls()) {
        SCOPED_TRACE("control " + std::to_string(c.number));
        QWidget* widget = ControlWidget(c.number);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->parentWidget(), WindowWidget(MAIN_WINDOW));
        EXPECT_TRUE(IsOfKind(widget, c.kind, c.number));
        EXPECT_EQ(widget->geometry(), c.box);
        EXPECT_EQ(ControlText(c.number), c.text);
        EXPECT_EQ(RangeOf(widget), std::make_pair(c.minimum, c.maximum));
        if (c.kind == Kind::PictureButton) {
            EXPECT_EQ(ControlPicture(c.number), c.state);
        } else if (c.kind != Kind::Label && c.kind != Kind::TextButton) {
            EXPECT_EQ(ControlState(c.number), c.state);
        }
        EXPECT_TRUE(ControlIsEnabled(c.number));
    }
}

TEST_F(MainWindowTest, NumbersNotInTheTableAreNotControls)
{
    for (const int number : {0, 1, 8, 9, 10, 11, 12, 14, 16, 17, 18, 19, 20, 21, 22, 23, 24, 40, 44, 57})
        EXPECT_FALSE(ControlExists(number)) << number;
}

TEST_F(MainWindowTest, SelectorsHoldTheCatalogueInMenuOrder)
{
    for (int r = 1; r <= ROW_COUNT; ++r) {
        auto* list = static_cast<QComboBox*>(ControlWidget(RowSelector(r)));
        ASSERT_EQ(list->count(), CATALOGUE_SIZE);
        for (int i = 0; i < CATALOGUE_SIZE; ++i)
            EXPECT_EQ(list->itemText(i).toStdU16String(), SoundCatalogue[static_cast<std::size_t>(i)]);
        EXPECT_FALSE(list->isEditable());
    }
}

TEST_F(MainWindowTest, BuildingRaisesNoControlEventAndTheClockTimerRuns)
{
    for (const Event& e : DrainEvents())
        EXPECT_NE(e.kind, EventKind::ControlEvent) << e.number;
    const Event next = WaitEvent();
    EXPECT_EQ(next.kind, EventKind::TimerTick);
    EXPECT_EQ(next.number, CLOCK_TIMER);
}

TEST_F(MainWindowTest, NoticeAndClockTakeTheirFonts)
{
    const QFontInfo notice(ControlWidget(NOTICE_LABEL)->font());
    const QFontInfo clock(ControlWidget(CLOCK_LABEL)->font());
    EXPECT_TRUE(notice.fixedPitch());
    EXPECT_FALSE(notice.bold());
    EXPECT_TRUE(clock.fixedPitch());
    EXPECT_TRUE(clock.bold());
    EXPECT_GT(clock.pixelSize(), 2 * notice.pixelSize());
    EXPECT_EQ(ControlWidget(ALARM_BUTTON)->font(), QApplication::font(ControlWidget(ALARM_BUTTON)));
}

TEST_F(MainWindowTest, TabVisitsTheControlsInCreationOrderAndSkipsLabels)
{
    std::vector<int> order;
    for (const Expected& c : MainWindowControls()) {
        if (c.kind != Kind::Label)
            order.push_back(c.number);
    }
    order.push_back(order.front());  // and round again

    QApplication::setActiveWindow(WindowWidget(MAIN_WINDOW));
    FocusControl(order.front());
    for (const int control : order) {
        QWidget* focused = QApplication::focusWidget();
        ASSERT_NE(focused, nullptr);
        const bool inControl = focused == ControlWidget(control) || focused->parentWidget() == ControlWidget(control);
        EXPECT_TRUE(inControl) << "expected the focus on control " << control;
        QTest::keyClick(focused, Qt::Key_Tab);
    }
}

TEST_F(MainWindowTest, EveryFocusableControlHasANameAScreenReaderCanSay)
{
    std::vector<std::pair<int, QString>> names = {
        {ALARM_HOUR_FIELD, "Alarm hour"},
        {ALARM_MINUTE_FIELD, "Alarm minute"},
    };
    for (int r = 1; r <= ROW_COUNT; ++r) {
        const QString row = QString(", row %1").arg(r);
        names.push_back({RowSelector(r), "Sound" + row});
        names.push_back({RowPlayButton(r), "Play" + row});
        names.push_back({RowStopButton(r), "Stop" + row});
        names.push_back({RowRate(r), "Rate" + row});
        names.push_back({RowVolume(r), "Volume" + row});
    }
    for (const auto& [control, name] : names)
        EXPECT_EQ(ControlWidget(control)->accessibleName(), name) << "control " << control;

    // The text buttons are named by their captions.
    EXPECT_EQ(qobject_cast<QPushButton*>(ControlWidget(HELP_BUTTON))->text(), "Help/About ");
}
