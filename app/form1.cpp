#include "form1.h"

#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolTip>

#include "about_page.h"
#include "accessible_names.h"
#include "field_controls.h"
#include "motrel/intake_timing.h"
#include "motrel/number_text.h"
#include "motrel/port_timing.h"
#include "motrel/port_width.h"
#include "motrel/speed.h"
#include "page_builder.h"
#include "page_tables.h"
#include "page_view.h"
#include "platform/application.h"
#include "platform/colours.h"
#include "program_title.h"
#include "qstring_view.h"

namespace motrel::app {
namespace {

constexpr QSize clientSize{388, 365};
constexpr QPoint screenPosition{318, 159};
constexpr QRect panelGeometry{0, 0, 388, 344};
// Wider and taller than the panel: the panel cuts off its right and bottom frame.
constexpr QRect pageControlGeometry{-1, 8, 519, 368};
constexpr QRect statusBarGeometry{0, 344, 388, 21};

// The window font: an 11-pixel sans serif that Debian ships, close in width to the design's.
QFont windowFont() {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    return font;
}

bool isEnterKey(const QKeyEvent& event) {
    return event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
}

}  // namespace

char systemDecimalSeparator() {
    return motrel::decimalSeparatorFrom(QLocale::system().decimalPoint().toStdString());
}

TForm1::TForm1(char decimalSeparator) : decimalSeparator_(decimalSeparator) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromUtf8(programTitle));
    setWindowIcon(QIcon(QStringLiteral(":/icons/form_icon.png")));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(clientSize);
    move(screenPosition);
    setFont(windowFont());
    setBackgroundColour(*this, TColor::clBtnFace);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setGeometry(statusBarGeometry);
    StatusBar1->setSizeGripEnabled(false);
    StatusBar1->setFont(QToolTip::font());

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(panelGeometry);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setLineWidth(1);
    setBackgroundColour(*Panel1, TColor::clBtnFace);

    PageControl1 = new QTabWidget(Panel1);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setGeometry(pageControlGeometry);
    PageControl1->setElideMode(Qt::ElideNone);
    PageControl1->setUsesScrollButtons(false);

    TabSheet1 = addPage("TabSheet1", QStringLiteral(" Transfer / Exhaust "));
    TabSheet2 = addPage("TabSheet2", QStringLiteral("   Intake   "));
    TabSheet3 = addPage("TabSheet3", QStringLiteral(" Port width "));
    TabSheet4 = addPage("TabSheet4", QStringLiteral("   Speed , RPM  "));
    TabSheet5 = addPage("TabSheet5", QStringLiteral("  About   "));

    Button1 = buildCalculatorPage(*TabSheet1, transferExhaustTable(), motrel::port_timing::page(),
                                  &TForm1::Button1Click);
    Button2 = buildCalculatorPage(*TabSheet2, intakeTable(), motrel::intake_timing::page(),
                                  &TForm1::Button2Click);
    Button3 = buildCalculatorPage(*TabSheet3, portWidthTable(), motrel::port_width::page(),
                                  &TForm1::Button3Click);
    Button4 =
        buildCalculatorPage(*TabSheet4, speedTable(), motrel::speed::page(), &TForm1::Button4Click);
    buildAboutPage();
    wireMouseHandlers();
    describeForAssistiveTechnology(*this);

    // Tab goes round the visible page's tab stops and the tab row; hidden pages are skipped.
    QWidget* previous = PageControl1;
    for (QWidget* next : tabSequence_) {
        setTabOrder(previous, next);
        previous = next;
    }

    PageControl1->setCurrentWidget(TabSheet5);
    PageControl1->setFocus();
}

TForm1::~TForm1() = default;

// The About page: its memo is its one tab stop; neither link takes focus.
void TForm1::buildAboutPage() {
    const AboutPage page = motrel::app::buildAboutPage(*TabSheet5);
    Image1 = page.Image1;
    Label22 = page.Label22;
    GroupBox1 = page.GroupBox1;
    Memo1 = page.Memo1;
    StaticText1 = page.StaticText1;
}

QWidget* TForm1::addPage(const char* name, const QString& caption) {
    auto* sheet = new QWidget;
    sheet->setObjectName(QString::fromLatin1(name));
    PageControl1->addTab(sheet, caption);
    return sheet;
}

QPushButton* TForm1::buildCalculatorPage(QWidget& sheet, const PageTable& table,
                                         const motrel::PageDescription& description,
                                         void (TForm1::*click)()) {
    BuiltPage built = buildPage(sheet, table, decimalSeparator_);
    tabSequence_.append(built.tabSequence);
    views_.at(static_cast<std::size_t>(PageControl1->indexOf(&sheet))) =
        std::make_unique<CalculatorPageView>(sheet, description);

    // Qt calls the program here: nothing the handler throws may pass this point.
    connect(built.calcButton, &QPushButton::clicked, this,
            [this, click] { callHandler([this, click] { (this->*click)(); }); });
    // A focused default button would take Enter itself, modifiers or not; the form decides.
    built.calcButton->installEventFilter(this);
    return built.calcButton;
}

void TForm1::calculate(CalculatorPageView& page) {
    motrel::runCalculation(page.description(), page, decimalSeparator_);
}

void TForm1::Button1Click() { calculate(*views_[0]); }
void TForm1::Button2Click() { calculate(*views_[1]); }
void TForm1::Button3Click() { calculate(*views_[2]); }
void TForm1::Button4Click() { calculate(*views_[3]); }

// Enter presses the focused button, or else the default button of the page on show; with
// Shift, Ctrl or Alt held it presses nothing. Fields, selectors and the tab row pass Enter on
// to the form; a multi-line text keeps it.
void TForm1::pressEnter(const QKeyEvent& event) {
    if (event.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) return;
    QPushButton* button = qobject_cast<QPushButton*>(focusWidget());
    if (button == nullptr) {
        const QList<QPushButton*> buttons =
            PageControl1->currentWidget()->findChildren<QPushButton*>();
        for (QPushButton* candidate : buttons) {
            if (candidate->isDefault()) button = candidate;
        }
    }
    if (button != nullptr && button->isVisible() && button->isEnabled()) button->click();
}

// An unchecked selector is no tab stop, so without this key the keyboard alone could not
// choose what to compute. The focus stays in the field.
void TForm1::selectQuantityOfFocusedField() {
    const QWidget* field = focusWidget();
    const FieldControls* controls =
        field ? controlsOfField(field->objectName().toStdString()) : nullptr;
    if (controls == nullptr || controls->selector.empty()) return;
    if (auto* selector = findChild<QRadioButton*>(toQString(controls->selector)))
        selector->setChecked(true);
}

void TForm1::keyPressEvent(QKeyEvent* event) {
    if (isEnterKey(*event)) {
        pressEnter(*event);
        return;
    }
    if (event->key() == Qt::Key_F4 && event->modifiers() == Qt::NoModifier) {
        selectQuantityOfFocusedField();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && qobject_cast<QPushButton*>(watched) != nullptr) {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        if (isEnterKey(key)) {
            pressEnter(key);
            return true;
        }
    }
    if (event->type() == QEvent::MouseMove || event->type() == QEvent::MouseButtonRelease) {
        if (mouseEvent(static_cast<QWidget&>(*watched), static_cast<const QMouseEvent&>(*event)))
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

// The toolkit announces a change of the user's settings; texts already in fields stay.
void TForm1::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LocaleChange) decimalSeparator_ = systemDecimalSeparator();
    QWidget::changeEvent(event);
}

}  // namespace motrel::app
