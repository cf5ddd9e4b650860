#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "toolkit/launcher.h"
#include "toolkit/message_box.h"
#include "toolkit/widget_access.h"
#include "toolkit_fixture.h"

using MessageBoxTest = ToolkitTest;

TEST_F(MessageBoxTest, ShowsTitleTextAndOneOkButtonModallyOverItsOwner)
{
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttons = 0;
    bool modal = false;
    QWidget* owner = nullptr;
    // The box runs its own wait; look at it from inside and press OK.
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr)
            return;
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        buttons = static_cast<int>(box->buttons().size());
        modal = box->isModal();
        owner = box->parentWidget();
        box->button(QMessageBox::Ok)->click();
    });
    ShowMessageBox(WINDOW, u"Error", u"No sound\r\navailable", MessageIcon::Error);
    EXPECT_EQ(title, QStringLiteral("Error"));
    EXPECT_EQ(text, QStringLiteral("No sound\navailable"));
    EXPECT_EQ(icon, QMessageBox::Critical);
    EXPECT_EQ(buttons, 1);
    EXPECT_TRUE(modal);
    EXPECT_EQ(owner, WindowWidget(WINDOW));
}

static std::vector<MessageBoxRequest> requests;
static std::vector<std::string> addresses;

TEST_F(MessageBoxTest, HooksSeeRequestsInsteadOfTheDesktop)
{
    SetMessageBoxHook([](const MessageBoxRequest& r) { requests.push_back(r); });
    SetAddressOpener([](const std::string& a) { addresses.push_back(a); });
    ShowMessageBox(WINDOW, u"warning", u"loud", MessageIcon::None);
    OpenAddress("https://example.org/");
    SetMessageBoxHook(nullptr);
    SetAddressOpener(nullptr);
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].title, u"warning");
    EXPECT_EQ(requests[0].ownerWindow, WINDOW);
    EXPECT_EQ(addresses, std::vector<std::string>{"https://example.org/"});
}
