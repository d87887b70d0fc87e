// What the window tests share: the program's application object on the offscreen platform, a
// shown and active form, lookup of components by name, and a watchdog for modal dialogs.
#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "form1.h"
#include "platform/application.h"
#include "program_title.h"

namespace motrel::app::testing {

// A modal dialog as the watchdog found it, read while it was open.
struct SeenDialog {
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    QString defaultButton;
    QString escapeButton;
    Qt::TextFormat textFormat = Qt::AutoText;
    bool applicationModal = false;
};

// Every few milliseconds looks for an open modal dialog, records it and closes it with Escape
// (or, failing that, by force). A dialog no test asked for is thus a failure, not a hang.
class ModalWatchdog : public QObject {
public:
    ModalWatchdog();
    // The dialogs seen since the last call.
    QList<SeenDialog> take();

private:
    void check();
    QTimer timer_;
    QList<SeenDialog> seen_;
};

// A component of the form by its name; a missing one ends the test run.
template <class Control>
Control& component(const QObject& root, const char* name) {
    auto* control = root.findChild<Control*>(QString::fromLatin1(name));
    if (control == nullptr) qFatal("no component %s", name);
    return *control;
}

// A new form, shown and active, so that focus and keys behave as on a desktop.
std::unique_ptr<TForm1> showForm(char decimalSeparator);

QString describe(const QList<SeenDialog>& dialogs);

// Runs a QtTest object under the program's own application object, on the offscreen
// platform unless another one is set.
template <class Tests>
int runWindowTests(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    TApplication Application(argc, argv);
    Application.Initialize();
    Application.setTitle(QString::fromUtf8(programTitle));
    Tests tests;
    return QTest::qExec(&tests, argc, argv);
}

}  // namespace motrel::app::testing
