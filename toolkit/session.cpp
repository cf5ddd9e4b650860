#include "toolkit/session.h"

#include <QApplication>
#include <cstdlib>
#include <string_view>

#include "toolkit/event_queue.h"
#include "toolkit/fonts.h"
#include "toolkit/pictures.h"
#include "toolkit/window_registry.h"
#include "toolkit/windows.h"

static QApplication* application = nullptr;
static QtMessageHandler previousHandler = nullptr;

// The program takes no command line; Qt gets a name and nothing else, so no
// argument of ours can reach its option parser.
static int argumentCount = 1;
static char programName[] = "hushmere";
static char* arguments[] = {programName, nullptr};

static bool IsSet(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr && value[0] != '\0';
}

// Whether the platform Qt will pick has a display to talk to. Platforms
// that need none (offscreen, vnc and the like) always have one.
static bool DisplayIsNamed()
{
    const char* chosen = std::getenv("QT_QPA_PLATFORM");
    const std::string_view platform = chosen != nullptr ? chosen : "";
    if (platform.empty())
        return IsSet("DISPLAY") || IsSet("WAYLAND_DISPLAY");
    if (platform.starts_with("xcb"))
        return IsSet("DISPLAY");
    if (platform.starts_with("wayland"))
        return IsSet("WAYLAND_DISPLAY");
    return true;
}

// While the session opens, a fatal message means the display named in the
// environment cannot be reached (or no platform plugin can start). That is
// "no display", which ends the program quietly with code 0, not an abort.
static void InitialisationMessageHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtFatalMsg)
        std::_Exit(0);
    if (previousHandler != nullptr)
        previousHandler(type, context, message);
}

// Qt ends the process with exit(1) when the connection to the display
// breaks (the X server went away). The program ends with code 0 in every
// case, so an exit from anywhere while the session is open ends with 0; the
// sound server and the display drop a dead client's connections by
// themselves.
static void EndWithCodeZeroWhileSessionIsOpen()
{
    if (application != nullptr)
        std::_Exit(0);
}

bool InitToolkit()
{
    if (application != nullptr)
        return true;
    if (!DisplayIsNamed())
        return false;
    static const bool exitHookSet = std::atexit(EndWithCodeZeroWhileSessionIsOpen) == 0;
    (void)exitHookSet;
    previousHandler = qInstallMessageHandler(InitialisationMessageHandler);
    application = new QApplication(argumentCount, arguments);
    qInstallMessageHandler(previousHandler);
    QApplication::setQuitOnLastWindowClosed(false);
    return true;
}

void NameDesktopEntry(const std::string& id)
{
    QGuiApplication::setDesktopFileName(QString::fromStdString(id));
}

void ReleaseToolkit()
{
    for (const int window : OpenWindowNumbers())
        CloseWindow(window);
    ReleasePictures();
    ReleaseFonts();
    ClearEventQueue();
    delete application;
    application = nullptr;
}
