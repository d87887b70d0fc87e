// The form's pointer handlers: the hint texts of the status line, the About page's link look
// and its two web links, and the one table that says which control carries which hint.
#include <QAbstractScrollArea>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QStatusBar>
#include <QUrl>
#include <array>
#include <string_view>

#include "about_page.h"
#include "form1.h"
#include "hint_texts.h"
#include "platform/application.h"
#include "platform/colours.h"
#include "qstring_view.h"

namespace motrel::app {
namespace {

// The controls that carry each hint handler: fields, caption labels, unit labels, pages.
struct HintWiring {
    TForm1::MouseMoveHandler handler;
    std::array<std::string_view, 6> controls;  // unused places stay empty
};

constexpr std::array hintWiring{
    HintWiring{&TForm1::TimingEditMouseMove, {"TimingEdit", "Label12", "Label17"}},
    HintWiring{&TForm1::PoorthoogteEditMouseMove, {"PoorthoogteEdit", "Label13", "Label18"}},
    HintWiring{&TForm1::DeckEditMouseMove,
               {"DeckEdit", "Label14", "Label19", "DeckEdit2", "Label33", "Label34"}},
    HintWiring{&TForm1::SlagEditMouseMove,
               {"SlagEdit", "Label15", "Label20", "SlagEdit2", "Label25", "Label26"}},
    HintWiring{
        &TForm1::DrijfstanglengteEditMouseMove,
        {"DrijfstanglengteEdit", "Label16", "Label21", "DrijfstangEdit2", "Label24", "Label23"}},
    HintWiring{&TForm1::TimingEdit1MouseMove, {"TimingEdit1", "Label32", "Label31"}},
    HintWiring{&TForm1::InlaathoogteEditMouseMove, {"InlaathoogteEdit", "Label29", "Label30"}},
    HintWiring{&TForm1::Label28MouseMove, {"ZuigerlengteEdit", "Label28", "Label27"}},
    HintWiring{&TForm1::WerkelijkebreedteEditMouseMove,
               {"WerkelijkebreedteEdit", "Label35", "Label39"}},
    HintWiring{&TForm1::PoortmapbreedteEditMouseMove,
               {"PoortmapbreedteEdit", "Label36", "Label40"}},
    HintWiring{&TForm1::BoringEditMouseMove, {"BoringEdit", "Label38", "Label41"}},
    HintWiring{&TForm1::SnelheidEditMouseMove, {"SnelheidEdit", "Label1", "Label7"}},
    HintWiring{&TForm1::Label8MouseMove, {"ToerenEdit", "Label2", "Label8"}},
    HintWiring{&TForm1::VoortandwielEditMouseMove, {"VoortandwielEdit", "Label3", "Label9"}},
    HintWiring{&TForm1::AchtertandwielEditMouseMove, {"AchtertandwielEdit", "Label4", "Label10"}},
    HintWiring{&TForm1::InterneverhoudingEditMouseMove, {"InterneverhoudingEdit", "Label5"}},
    HintWiring{&TForm1::Label6MouseMove, {"OmtrekEdit", "Label6", "Label11"}},
    HintWiring{&TForm1::TabSheet4MouseMove, {"TabSheet1", "TabSheet2", "TabSheet3", "TabSheet4"}},
    HintWiring{&TForm1::Image1MouseMove, {"Image1"}},
    HintWiring{&TForm1::TabSheet5MouseMove, {"TabSheet5"}},
    HintWiring{&TForm1::StaticText1MouseMove, {"StaticText1"}},
    HintWiring{&TForm1::Memo1MouseMove, {"Memo1"}},
};

// A scrolled control such as the memo gets its pointer events on its viewport.
QWidget& eventTarget(QWidget& control) {
    if (auto* area = qobject_cast<QAbstractScrollArea*>(&control)) return *area->viewport();
    return control;
}

// A text control uses moves itself to select text with the button held.
bool usesMoves(const QWidget& target) {
    return qobject_cast<const QLineEdit*>(&target) != nullptr ||
           qobject_cast<QAbstractScrollArea*>(target.parent());
}

QString withoutTrailingBlanks(std::string_view address) {
    while (address.ends_with(' ')) address.remove_suffix(1);
    return toQString(address);
}

}  // namespace

void TForm1::wireMouseHandlers() {
    for (const HintWiring& wiring : hintWiring) {
        for (std::string_view name : wiring.controls) {
            if (name.empty()) continue;
            auto* control = findChild<QWidget*>(toQString(name));
            if (control == nullptr) qFatal("no control %s to carry a hint", name.data());
            QWidget& target = eventTarget(*control);
            target.setMouseTracking(true);  // moves without a button come too
            target.installEventFilter(this);
            mouseMoveHandlers_.insert(&target, wiring.handler);
        }
    }
    clickHandlers_.insert(Image1, &TForm1::Label22Click);
    clickHandlers_.insert(StaticText1, &TForm1::StaticText1Click);
}

// A move reaches a control first and, when the control leaves it, its parents; a parent runs
// its handler only for the part of it that no child covers. Clicks complete on release.
bool TForm1::mouseEvent(QWidget& control, const QMouseEvent& event) {
    if (event.type() == QEvent::MouseMove) {
        const MouseMoveHandler handler = mouseMoveHandlers_.value(&control);
        if (handler == nullptr || control.childAt(event.position().toPoint()) != nullptr)
            return false;
        callHandler([&] { (this->*handler)(event); });
        return !usesMoves(control);
    }
    if (event.type() == QEvent::MouseButtonRelease && event.button() == Qt::LeftButton) {
        const auto click = clickHandlers_.value(&control);
        if (click == nullptr || !control.rect().contains(event.position().toPoint())) return false;
        callHandler([&] { (this->*click)(); });
        return true;
    }
    return false;
}

void TForm1::setStatusText(const QString& text) {
    if (StatusBar1->currentMessage() != text) StatusBar1->showMessage(text);
}

void TForm1::showHint(std::string_view text) { setStatusText(toQString(text)); }

void TForm1::TimingEditMouseMove(const QMouseEvent&) { showHint(hint::timing); }
void TForm1::PoorthoogteEditMouseMove(const QMouseEvent&) { showHint(hint::portHeight); }
void TForm1::DeckEditMouseMove(const QMouseEvent&) { showHint(hint::deck); }
void TForm1::SlagEditMouseMove(const QMouseEvent&) { showHint(hint::stroke); }
void TForm1::DrijfstanglengteEditMouseMove(const QMouseEvent&) { showHint(hint::connectingRod); }
void TForm1::TimingEdit1MouseMove(const QMouseEvent&) { showHint(hint::intakeTiming); }
void TForm1::InlaathoogteEditMouseMove(const QMouseEvent&) { showHint(hint::intakeHeight); }
void TForm1::Label28MouseMove(const QMouseEvent&) { showHint(hint::pistonLength); }
void TForm1::WerkelijkebreedteEditMouseMove(const QMouseEvent&) { showHint(hint::actualWidth); }
void TForm1::PoortmapbreedteEditMouseMove(const QMouseEvent&) { showHint(hint::portMapWidth); }
void TForm1::BoringEditMouseMove(const QMouseEvent&) { showHint(hint::bore); }
void TForm1::SnelheidEditMouseMove(const QMouseEvent&) { showHint(hint::speed); }
void TForm1::Label8MouseMove(const QMouseEvent&) { showHint(hint::rpm); }
void TForm1::VoortandwielEditMouseMove(const QMouseEvent&) { showHint(hint::frontSprocket); }
void TForm1::AchtertandwielEditMouseMove(const QMouseEvent&) { showHint(hint::rearSprocket); }
void TForm1::InterneverhoudingEditMouseMove(const QMouseEvent&) { showHint(hint::gearRatio); }
void TForm1::Label6MouseMove(const QMouseEvent&) { showHint(hint::circumference); }
void TForm1::TabSheet4MouseMove(const QMouseEvent&) { showHint(hint::page); }
void TForm1::Image1MouseMove(const QMouseEvent&) { showHint(hint::picture); }
void TForm1::TabSheet5MouseMove(const QMouseEvent&) { setStatusText(QString()); }

void TForm1::StaticText1MouseMove(const QMouseEvent&) { highlightLink(*StaticText1); }
void TForm1::Memo1MouseMove(const QMouseEvent&) {
    plainLink(*StaticText1, systemColour(TColor::clWindowText));
}

// Whether the browser came up is not looked at: a failure shows nothing.
void TForm1::Label22Click() {
    QDesktopServices::openUrl(QUrl(withoutTrailingBlanks(authorHomePage)));
}
void TForm1::StaticText1Click() {
    QDesktopServices::openUrl(QUrl(withoutTrailingBlanks(informationPage)));
}

}  // namespace motrel::app
