#include "toolkit/controls.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>

#include "toolkit/control_registry.h"
#include "toolkit/event_queue.h"
#include "toolkit/return_key_click.h"
#include "toolkit/picture_button.h"
#include "toolkit/picture_control.h"
#include "toolkit/spin_field.h"
#include "toolkit/text_conversion.h"
#include "toolkit/window_registry.h"

// Every control is a child of its window, made in the order of the calls: Qt
// moves the focus with Tab in the order the children were made, so the Tab
// order is the creation order without further bookkeeping.
static QWidget* ParentFor(int window, int control)
{
    if (FindControl(control) != nullptr)
        return nullptr;
    return FindWindow(window);
}

static void Place(int window, int control, QWidget* widget, Box box)
{
    widget->setGeometry(box.x, box.y, box.width, box.height);
    RegisterControl(control, window, widget);
    widget->show();
}

static void QueueControlEvent(int control) { QueueEvent(EventKind::ControlEvent, control); }

bool CreateDropDown(int window, int control, Box box)
{
    QWidget* parent = ParentFor(window, control);
    if (parent == nullptr)
        return false;
    auto* list = new QComboBox(parent);
    list->setEditable(false);
    list->setInsertPolicy(QComboBox::InsertAtBottom);
    list->setFocusPolicy(Qt::StrongFocus);
    // activated comes only from the user's choice, never from setCurrentIndex.
    QObject::connect(list, &QComboBox::activated, list, [control](int) { QueueControlEvent(control); });
    Place(window, control, list, box);
    return true;
}

void AddListEntry(int control, const std::u16string& text)
{
    auto* list = qobject_cast<QComboBox*>(FindControl(control));
    if (list == nullptr)
        return;
    // A list that was empty selects its first entry by itself; that is the
    // program's doing, not the user's.
    const QSignalBlocker blocker(list);
    list->addItem(ToQString(text));
}

static void ConnectClick(QPushButton* button, int control)
{
    button->setFocusPolicy(Qt::StrongFocus);
    LetReturnKeyClick(button);
    QObject::connect(button, &QPushButton::clicked, button, [control] { ReportClick(control); });
}

bool CreateTextButton(int window, int control, Box box, const std::u16string& text)
{
    QWidget* parent = ParentFor(window, control);
    if (parent == nullptr)
        return false;
    auto* button = new QPushButton(parent);
    button->setText(ButtonCaption(ToQString(text)));
    button->setAutoDefault(false);
    ConnectClick(button, control);
    Place(window, control, button, box);
    return true;
}

bool CreatePictureButton(int window, int control, Box box, int picture)
{
    QWidget* parent = ParentFor(window, control);
    if (parent == nullptr)
        return false;
    auto* button = new PictureButton(picture, parent);
    button->setAutoDefault(false);
    ConnectClick(button, control);
    Place(window, control, button, box);
    return true;
}

bool CreateTrackBar(int window, int control, Box box, int minimum, int maximum)
{
    QWidget* parent = ParentFor(window, control);
    if (parent == nullptr)
        return false;
    auto* bar = new QSlider(Qt::Horizontal, parent);
    bar->setRange(minimum, maximum);
    bar->setTickPosition(QSlider::NoTicks);
    bar->setSingleStep(1);
    bar->setFocusPolicy(Qt::StrongFocus);
    // Programmatic changes run under a signal blocker, so every valueChanged
    // that gets through is the user's: a drag step, a key, a click on the
    // groove. It comes after the value is set. The release ends a drag.
    QObject::connect(bar, &QSlider::valueChanged, bar, [control](int) { QueueControlEvent(control); });
    QObject::connect(bar, &QSlider::sliderReleased, bar, [control] { QueueControlEvent(control); });
    Place(window, control, bar, box);
    return true;
}

bool CreateLabel(int window, int control, Box box, const std::u16string& text)
{
    QWidget* parent = ParentFor(window, control);
    if (parent == nullptr)
        return false;
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setWordWrap(true);
    label->setFocusPolicy(Qt::NoFocus);
    label->setText(ToQString(text));
    Place(window, control, label, box);
    return true;
}

bool CreateSpinField(int window, int control, Box box, int minimum, int maximum)
{
    QWidget* parent = ParentFor(window, control);
    if (parent == nullptr || minimum > maximum)
        return false;
    auto* field = new SpinField(minimum, maximum, parent);
    field->setFocusPolicy(Qt::StrongFocus);
    QObject::connect(field, &QSpinBox::valueChanged, field, [control](int) { QueueControlEvent(control); });
    Place(window, control, field, box);
    return true;
}

bool CreateTextField(int window, int control, Box box)
{
    QWidget* parent = ParentFor(window, control);
    if (parent == nullptr)
        return false;
    auto* field = new QPlainTextEdit(parent);
    field->setReadOnly(true);
    field->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    field->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    field->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    field->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    field->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    field->setFocusPolicy(Qt::StrongFocus);
    Place(window, control, field, box);
    return true;
}

bool CreatePictureControl(int window, int control, Box box, int picture)
{
    QWidget* parent = ParentFor(window, control);
    if (parent == nullptr)
        return false;
    auto* shown = new PictureControl(control, picture, parent);
    shown->setFocusPolicy(Qt::NoFocus);
    // Place gives the box; the picture's own size then wins when it has one.
    Place(window, control, shown, box);
    shown->SetPicture(picture);
    return true;
}
