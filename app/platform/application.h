// The application object: the stand-in on Qt for the one object a program of this kind starts
// with. It owns the toolkit, keeps the title, owns the main form and runs the message loop, and
// it is the one place where an error that left a handler of the form is shown.
#pragma once

#include <QApplication>
#include <QWidget>
#include <exception>
#include <memory>
#include <optional>
#include <string>
#include <utility>

namespace motrel::app {

class TApplication {
public:
    TApplication(int& argc, char** argv);
    ~TApplication();

    void Initialize();
    // The title shows in the task bar and captions the error box; the toolkit adds nothing to
    // a window caption because of it.
    void setTitle(const QString& title);
    static QString Title();

    // Creates the main form; the application owns it until the loop has ended.
    template <class Form>
    void CreateForm(Form*& reference) {
        auto form = std::make_unique<Form>();
        reference = form.get();
        mainForm_ = std::move(form);
    }

    // Shows the main form and dispatches events until it is closed.
    int Run();

    // The global error handler: shows the error box for an error that left a handler.
    static void HandleException(const std::exception& error);

private:
    QApplication qt_;
    std::unique_ptr<QWidget> mainForm_;
};

// Calls a handler of the form from a place where Qt called the program. Whatever it throws
// stops here and goes to the global error handler, so no exception unwinds through Qt.
template <class Handler>
void callHandler(Handler&& handler) noexcept {
    try {
        std::forward<Handler>(handler)();
    } catch (const std::exception& error) {
        TApplication::HandleException(error);
    }
}

// Started on X11 or Wayland without a display, the toolkit would abort. This returns the
// one line to print instead, or nothing when a display (or another platform) is set.
std::optional<std::string> missingDisplayMessage(const char* programName);

}  // namespace motrel::app
