#include "platform/application.h"

#include <QGuiApplication>
#include <QIcon>
#include <cstdlib>
#include <string_view>

#include "motrel/errors.h"
#include "motrel/number_text.h"
#include "platform/dialogs.h"

namespace motrel::app {

TApplication::TApplication(int& argc, char** argv) : qt_(argc, argv) {}

TApplication::~TApplication() = default;

void TApplication::Initialize() {
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/main_icon.png")));
    // Closing the main form ends the program at once.
    QApplication::setQuitOnLastWindowClosed(true);
    // Lets docks and Wayland compositors match the window to its installed desktop entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.dorvik.MotrelCalculator"));
}

void TApplication::setTitle(const QString& title) {
    // A caption that ends in the display name gets no " - name" suffix from the window system.
    QGuiApplication::setApplicationDisplayName(title);
}

QString TApplication::Title() { return QGuiApplication::applicationDisplayName(); }

int TApplication::Run() {
    if (mainForm_) mainForm_->show();
    return QApplication::exec();
}

void TApplication::HandleException(const std::exception& error) {
    // The program's own errors keep their whole message, even a quoted field text with a NUL.
    const auto* own = dynamic_cast<const motrel::Exception*>(&error);
    const std::string message = own != nullptr ? own->message() : std::string(error.what());
    showErrorBox(Title(), QString::fromStdString(motrel::errorBoxText(message)));
}

std::optional<std::string> missingDisplayMessage(const char* programName) {
    auto isSet = [](const char* name) {
        const char* value = std::getenv(name);
        return value != nullptr && *value != '\0';
    };
    if (isSet("QT_QPA_PLATFORM")) return std::nullopt;  // offscreen, vnc, ... need no display
    if (isSet("DISPLAY") || isSet("WAYLAND_DISPLAY")) return std::nullopt;
    return std::string(programName) +
           ": no display to open the window on (DISPLAY is not set); run it in a desktop "
           "session, or without a screen as: xvfb-run -a " +
           programName;
}

}  // namespace motrel::app
