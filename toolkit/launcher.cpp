#include "toolkit/launcher.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QUrl>

static AddressOpener addressOpener = nullptr;

void SetAddressOpener(AddressOpener opener) { addressOpener = opener; }

void OpenAddress(const std::string& address)
{
    if (addressOpener != nullptr) {
        addressOpener(address);
        return;
    }
    if (QGuiApplication::instance() == nullptr)
        return;
    // On this desktop openUrl starts xdg-open detached and returns; a failure
    // only yields false, which nobody needs to see.
    QDesktopServices::openUrl(QUrl(QString::fromStdString(address)));
}
