// The program's one window: a panel with the page control of five pages above the status bar.
// The four calculator pages are built from their control tables; each CALC! button hands its
// page to the library's calculation frame, and what that throws goes to the application's
// error handler. The window owns every component for the life of the program.
#pragma once

#include <QHash>
#include <QWidget>
#include <array>
#include <memory>
#include <string_view>

#include "control_table.h"
#include "motrel/frame.h"

class QFrame;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QMouseEvent;
class QPlainTextEdit;
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

    // Pointer-move handlers. Each hint handler puts its one text on the status line; the
    // pointer's position and the buttons do not matter to it.
    using MouseMoveHandler = void (TForm1::*)(const QMouseEvent& event);
    void TimingEditMouseMove(const QMouseEvent& event);
    void PoorthoogteEditMouseMove(const QMouseEvent& event);
    void DeckEditMouseMove(const QMouseEvent& event);
    void SlagEditMouseMove(const QMouseEvent& event);
    void DrijfstanglengteEditMouseMove(const QMouseEvent& event);
    void TimingEdit1MouseMove(const QMouseEvent& event);
    void InlaathoogteEditMouseMove(const QMouseEvent& event);
    void Label28MouseMove(const QMouseEvent& event);
    void WerkelijkebreedteEditMouseMove(const QMouseEvent& event);
    void PoortmapbreedteEditMouseMove(const QMouseEvent& event);
    void BoringEditMouseMove(const QMouseEvent& event);
    void SnelheidEditMouseMove(const QMouseEvent& event);
    void Label8MouseMove(const QMouseEvent& event);
    void VoortandwielEditMouseMove(const QMouseEvent& event);
    void AchtertandwielEditMouseMove(const QMouseEvent& event);
    void InterneverhoudingEditMouseMove(const QMouseEvent& event);
    void Label6MouseMove(const QMouseEvent& event);
    void TabSheet4MouseMove(const QMouseEvent& event);
    void Image1MouseMove(const QMouseEvent& event);
    void TabSheet5MouseMove(const QMouseEvent& event);
    // The About page's link: highlighted over the link, plain again over the memo.
    void StaticText1MouseMove(const QMouseEvent& event);
    void Memo1MouseMove(const QMouseEvent& event);

    void Label22Click();  // the picture opens the author's home page
    void StaticText1Click();

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
    QLabel* Image1;
    QLabel* Label22;
    QGroupBox* GroupBox1;
    QPlainTextEdit* Memo1;
    QLabel* StaticText1;

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
    void selectQuantityOfFocusedField();
    void calculate(CalculatorPageView& page);
    void buildAboutPage();
    void wireMouseHandlers();
    bool mouseEvent(QWidget& control, const QMouseEvent& event);
    // The status bar redraws on every text it is given, so an unchanged text is not given.
    void setStatusText(const QString& text);
    void showHint(std::string_view text);

    char decimalSeparator_;
    QList<QWidget*> tabSequence_;
    // Indexed like the calculator pages, TabSheet1 .. TabSheet4.
    std::array<std::unique_ptr<CalculatorPageView>, 4> views_;
    QHash<const QObject*, MouseMoveHandler> mouseMoveHandlers_;
    QHash<const QObject*, void (TForm1::*)()> clickHandlers_;
};

}  // namespace motrel::app
