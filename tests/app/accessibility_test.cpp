// What assistive technology gets from the window: names and descriptions of the calculator
// controls read through Qt's accessibility interface, a calculation driven through it, and
// every quantity computed from the keyboard alone.
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAccessibleEditableTextInterface>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabWidget>

#include "window_fixture.h"

using namespace motrel::app;
using namespace motrel::app::testing;

namespace {

QAccessibleInterface& accessible(QWidget& control) {
    QAccessibleInterface* interface = QAccessible::queryAccessibleInterface(&control);
    if (interface == nullptr) qFatal("no accessible interface");
    return *interface;
}

// The status line's text while the pointer rests on the control.
QString hoverText(TForm1& form, QWidget& control) {
    form.PageControl1->setCurrentWidget(control.parentWidget());
    QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), control.mapToGlobal(QPointF(2, 2)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&control, &move);
    return form.StatusBar1->currentMessage();
}

QWidget* focused() { return QApplication::focusWidget(); }

// Tab on until the named control has the focus; a control Tab never reaches fails the test.
bool tabTo(const QString& name) {
    for (int presses = 0; presses < 20; ++presses) {
        if (focused() != nullptr && focused()->objectName() == name) return true;
        QTest::keyClick(focused(), Qt::Key_Tab);
    }
    return false;
}

using Texts = QList<QPair<QString, QString>>;  // field name, text to type

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void init() { form_ = showForm(','); }
    void cleanup() {
        form_.reset();
        const QList<SeenDialog> unexpected = watchdog_.take();
        QVERIFY2(unexpected.isEmpty(), qPrintable(describe(unexpected)));
    }

    void fieldsAreNamedByCaptionAndUnit_data();
    void fieldsAreNamedByCaptionAndUnit();
    void calcButtonsSayWhatTheyDo();
    void captionLabelsLabelTheirFields();
    void assistiveTechnologyDrivesACalculation();
    void keyboardAloneComputesEveryQuantity_data();
    void keyboardAloneComputesEveryQuantity();
    void selectKeyLeavesOtherControlsAlone_data();
    void selectKeyLeavesOtherControlsAlone();

private:
    std::unique_ptr<TForm1> form_;
    ModalWatchdog watchdog_;
};

void AccessibilityTest::fieldsAreNamedByCaptionAndUnit_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("selector");  // empty: the field is never computed
    QTest::addColumn<QString>("selectorName");

    const auto row = [](const char* field, const char* name, const char* selector = "",
                        const char* selectorName = "") {
        QTest::newRow(field) << field << name << selector << selectorName;
    };
    row("TimingEdit", "Timing deg.", "TimingRadioButton", "Select timing to compute");
    row("PoorthoogteEdit", "Port height mm", "PoorthoogteRadioButton",
        "Select port height to compute");
    row("DeckEdit", "Deck mm");
    row("SlagEdit", "Strk mm");
    row("DrijfstanglengteEdit", "Connecting rod mm");
    row("TimingEdit1", "Timing deg.", "TimingRadioButton1", "Select timing to compute");
    row("InlaathoogteEdit", "Intake height mm", "InlaathoogteRadioButton",
        "Select intake height to compute");
    row("ZuigerlengteEdit", "Piston length mm", "ZuigerlengteRadioButton",
        "Select piston length to compute");
    row("DeckEdit2", "Deck mm");
    row("SlagEdit2", "Strk mm");
    row("DrijfstangEdit2", "Connecting rod mm");
    row("WerkelijkebreedteEdit", "Actual width mm", "WerkelijkebreedteRadioButton",
        "Select actual width to compute");
    row("PoortmapbreedteEdit", "Port-map width mm", "PoortmapbreedteRadioButton",
        "Select port-map width to compute");
    row("BoringEdit", "Bore mm");
    row("SnelheidEdit", "Speed km/h", "SnelheidRadioButton", "Select speed to compute");
    row("ToerenEdit", "RPM rpm", "ToerenRadioButton", "Select RPM to compute");
    row("VoortandwielEdit", "Front sprkt tooth", "VoortandwielRadioButton",
        "Select front sprkt to compute");
    row("AchtertandwielEdit", "Rear sprkt tooth", "AchtertandwielRadioButton",
        "Select rear sprkt to compute");
    row("InterneverhoudingEdit", "Intern. gear ratio");
    row("OmtrekEdit", "Circum m");
}

// The description is the hint the status line shows for the field, without its blanks.
void AccessibilityTest::fieldsAreNamedByCaptionAndUnit() {
    QFETCH(QString, field);
    QFETCH(QString, name);
    QFETCH(QString, selector);
    QFETCH(QString, selectorName);

    auto& edit = component<QLineEdit>(*form_, qPrintable(field));
    const QString hint = hoverText(*form_, edit).trimmed();
    QVERIFY(!hint.isEmpty());
    QAccessibleInterface& fieldInterface = accessible(edit);
    QCOMPARE(fieldInterface.role(), QAccessible::EditableText);
    QCOMPARE(fieldInterface.text(QAccessible::Name), name);
    QCOMPARE(fieldInterface.text(QAccessible::Description), hint);

    if (selector.isEmpty()) return;
    QAccessibleInterface& selectorInterface =
        accessible(component<QRadioButton>(*form_, qPrintable(selector)));
    QCOMPARE(selectorInterface.role(), QAccessible::RadioButton);
    QCOMPARE(selectorInterface.text(QAccessible::Name), selectorName);
    QCOMPARE(selectorInterface.text(QAccessible::Description), hint);
}

void AccessibilityTest::calcButtonsSayWhatTheyDo() {
    for (QPushButton* button : {form_->Button1, form_->Button2, form_->Button3, form_->Button4}) {
        QAccessibleInterface& interface = accessible(*button);
        QCOMPARE(interface.role(), QAccessible::Button);
        QCOMPARE(interface.text(QAccessible::Name), QStringLiteral("CALC!"));
        QCOMPARE(interface.text(QAccessible::Description),
                 QStringLiteral("Computes the selected quantity from the other fields of this "
                                "page."));
    }
}

// A screen reader finds the caption of a field through the label relation too.
void AccessibilityTest::captionLabelsLabelTheirFields() {
    auto& field = component<QLineEdit>(*form_, "SnelheidEdit");
    const auto labels = accessible(field).relations(QAccessible::Label);
    QCOMPARE(labels.size(), 1);
    QCOMPARE(labels.first().first->object(), &component<QLabel>(*form_, "Label1"));
}

// Typing, choosing the quantity and pressing CALC! the way assistive technology does it.
void AccessibilityTest::assistiveTechnologyDrivesACalculation() {
    form_->PageControl1->setCurrentWidget(form_->TabSheet4);
    auto& rpm = component<QLineEdit>(*form_, "ToerenEdit");
    QAccessibleEditableTextInterface* typing = accessible(rpm).editableTextInterface();
    QVERIFY(typing != nullptr);
    typing->insertText(0, QStringLiteral("8000"));
    QCOMPARE(rpm.text(), QStringLiteral("8000"));

    auto& speedSelector = component<QRadioButton>(*form_, "SnelheidRadioButton");
    QAccessibleActionInterface* choose = accessible(speedSelector).actionInterface();
    QVERIFY(choose != nullptr);
    QVERIFY(choose->actionNames().contains(QAccessibleActionInterface::toggleAction()));
    choose->doAction(QAccessibleActionInterface::toggleAction());
    QTRY_VERIFY(speedSelector.isChecked());  // the toolkit animates the click

    QAccessibleActionInterface* press = accessible(*form_->Button4).actionInterface();
    QVERIFY(press != nullptr);
    press->doAction(QAccessibleActionInterface::pressAction());
    QTRY_COMPARE(accessible(component<QLineEdit>(*form_, "SnelheidEdit")).text(QAccessible::Value),
                 QStringLiteral("57,21"));
}

void AccessibilityTest::keyboardAloneComputesEveryQuantity_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<Texts>("typed");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("expected");

    QTest::newRow("port height") << 0 << Texts{{"DeckEdit", "1"}, {"TimingEdit", "120"}}
                                 << "PoorthoogteEdit"
                                 << "31,11";
    QTest::newRow("intake height")
        << 1 << Texts{{"TimingEdit1", "130"}, {"ZuigerlengteEdit", "40"}, {"DeckEdit2", "1"}}
        << "InlaathoogteEdit"
        << "53,73";
    QTest::newRow("actual width") << 2 << Texts{{"PoortmapbreedteEdit", "20"}, {"BoringEdit", "40"}}
                                  << "WerkelijkebreedteEdit"
                                  << "19,18";
    QTest::newRow("road speed") << 3 << Texts{{"ToerenEdit", "8000"}} << "SnelheidEdit"
                                << "57,21";
}

// From the start state: Ctrl+Tab to the page, Tab from field to field, F4 in the wanted field
// to select its quantity, Enter to compute.
void AccessibilityTest::keyboardAloneComputesEveryQuantity() {
    QFETCH(int, page);
    QFETCH(Texts, typed);
    QFETCH(QString, target);
    QFETCH(QString, expected);

    while (form_->PageControl1->currentIndex() != page)
        QTest::keyClick(focused(), Qt::Key_Tab, Qt::ControlModifier);
    for (const auto& [field, text] : typed) {
        QVERIFY2(tabTo(field), qPrintable(field));
        QTest::keyClick(focused(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(focused(), text);
    }
    QVERIFY2(tabTo(target), qPrintable(target));
    QTest::keyClick(focused(), Qt::Key_F4);
    QCOMPARE(focused()->objectName(), target);
    QTest::keyClick(focused(), Qt::Key_Return);
    QCOMPARE(component<QLineEdit>(*form_, qPrintable(target)).text(), expected);
}

void AccessibilityTest::selectKeyLeavesOtherControlsAlone_data() {
    QTest::addColumn<QString>("focus");
    QTest::newRow("field never computed") << "InterneverhoudingEdit";
    QTest::newRow("CALC! button") << "Button4";
    QTest::newRow("tab row") << "qt_tabwidget_tabbar";
}

// F4 outside a computable field checks nothing and the text stays as it was.
void AccessibilityTest::selectKeyLeavesOtherControlsAlone() {
    QFETCH(QString, focus);
    form_->PageControl1->setCurrentWidget(form_->TabSheet4);
    auto& target = component<QWidget>(*form_, qPrintable(focus));
    target.setFocus();
    QTest::keyClick(&target, Qt::Key_F4);
    for (const QRadioButton* selector : form_->TabSheet4->findChildren<QRadioButton*>())
        QVERIFY2(!selector->isChecked(), qPrintable(selector->objectName()));
    QCOMPARE(component<QLineEdit>(*form_, "InterneverhoudingEdit").text(),
             QStringLiteral("4,1    "));
}

int main(int argc, char** argv) { return runWindowTests<AccessibilityTest>(argc, argv); }

#include "accessibility_test.moc"
