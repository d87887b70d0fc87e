// The program's one window: a panel with the page control of five pages above the status bar.
// The four calculator pages are built from their control tables; each CALC! button hands its
// page to the library's calculation frame, and what that throws goes to the application's
// error handler. The window owns every component for the life of the program.
#pragma once

#include <QWidget>
#include <array>
#include <memory>

#include "control_table.h"
#include "motrel/frame.h"

class QFrame;
class QKeyEvent;
class QPushButton;
class QStatusBar;
class QTabWidget;

namespace motrel::app {

class CalculatorPageView;

// The decimal separator of the user's locale, as the toolkit reports it.
char systemDecimalSeparator();

class TForm1 : public QWidget {
    Q_OBJECT

public:
    // The separator is the one in force at start; the default texts are written with it.
    explicit TForm1(char decimalSeparator = systemDecimalSeparator());
    ~TForm1() override;

    char decimalSeparator() const { return decimalSeparator_; }

    void Button1Click();  // Transfer / Exhaust
    void Button2Click();  // Intake
    void Button3Click();  // Port width
    void Button4Click();  // Speed , RPM

    QStatusBar* StatusBar1;
    QFrame* Panel1;
    QTabWidget* PageControl1;
    QWidget* TabSheet1;
    QWidget* TabSheet2;
    QWidget* TabSheet3;
    QWidget* TabSheet4;
    QWidget* TabSheet5;  // the About page
    QPushButton* Button1;
    QPushButton* Button2;
    QPushButton* Button3;
    QPushButton* Button4;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* addPage(const char* name, const QString& caption);
    QPushButton* buildCalculatorPage(QWidget& sheet, const PageTable& table,
                                     const motrel::PageDescription& description,
                                     void (TForm1::*click)());
    void pressEnter(const QKeyEvent& event);
    void calculate(CalculatorPageView& page);

    char decimalSeparator_;
    QList<QWidget*> tabSequence_;
    // Indexed like the calculator pages, TabSheet1 .. TabSheet4.
    std::array<std::unique_ptr<CalculatorPageView>, 4> views_;
};

}  // namespace motrel::app
