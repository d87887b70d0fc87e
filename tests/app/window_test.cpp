// The window as the user meets it: its start state, where Enter and Tab go, and the pages.
#include <QFontInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>

#include "window_fixture.h"

using namespace motrel::app;
using namespace motrel::app::testing;

class WindowTest : public QObject {
    Q_OBJECT

private slots:
    void init() { form_ = showForm(','); }
    void cleanup() {
        form_.reset();
        const QList<SeenDialog> unexpected = watchdog_.take();
        QVERIFY2(unexpected.isEmpty(), qPrintable(describe(unexpected)));
    }

    void startsOnTheAboutPageWithTheTabRowFocused();
    void windowHasFixedSizeAndPlace();
    void pagesHaveTheirCaptionsInOrder();
    void enterPressesTheButtonOfThePageOnShow_data();
    void enterPressesTheButtonOfThePageOnShow();
    void tabSkipsUncheckedSelectorsOnTheSpeedPage_data();
    void tabSkipsUncheckedSelectorsOnTheSpeedPage();
    void clickingASelectorChecksAndFocusesIt();
    void selectorsExcludeEachOtherOnlyWithinAPage();
    void ctrlTabSwitchesPages_data();
    void ctrlTabSwitchesPages();
    void pageSwitchKeepsTextsAndCheckedSelector();
    void localeChangeRereadsTheSeparator();
    void windowFontIsTheOneThePagesAreMeasuredFor();
    void captionsAreNeitherCutNorOverlapping();

private:
    std::unique_ptr<TForm1> form_;
    ModalWatchdog watchdog_;
};

void WindowTest::startsOnTheAboutPageWithTheTabRowFocused() {
    QCOMPARE(form_->PageControl1->currentWidget(), form_->TabSheet5);
    QCOMPARE(form_->StatusBar1->currentMessage(), QString());
    QCOMPARE(QApplication::focusWidget(), form_->PageControl1->findChild<QTabBar*>());
    for (const QRadioButton* selector : form_->findChildren<QRadioButton*>()) {
        QVERIFY2(!selector->isChecked(), qPrintable(selector->objectName()));
    }
}

void WindowTest::windowHasFixedSizeAndPlace() {
    QCOMPARE(form_->windowTitle(), QStringLiteral("Dorvik's Motrel Calculator"));
    QCOMPARE(form_->size(), QSize(388, 365));
    QCOMPARE(form_->minimumSize(), form_->maximumSize());
    QCOMPARE(form_->pos(), QPoint(318, 159));
    QVERIFY(!(form_->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(form_->windowFlags() & Qt::WindowMinimizeButtonHint);
    QCOMPARE(form_->Panel1->geometry(), QRect(0, 0, 388, 344));
    QCOMPARE(form_->StatusBar1->geometry(), QRect(0, 344, 388, 21));
    QVERIFY(!form_->StatusBar1->isSizeGripEnabled());
    // Cut by the panel on the left, the right and the bottom.
    QCOMPARE(form_->PageControl1->geometry(), QRect(-1, 8, 519, 368));
}

void WindowTest::pagesHaveTheirCaptionsInOrder() {
    const QStringList names{QStringLiteral("TabSheet1"), QStringLiteral("TabSheet2"),
                            QStringLiteral("TabSheet3"), QStringLiteral("TabSheet4"),
                            QStringLiteral("TabSheet5")};
    const QStringList captions{QStringLiteral(" Transfer / Exhaust "),
                               QStringLiteral("   Intake   "), QStringLiteral(" Port width "),
                               QStringLiteral("   Speed , RPM  "), QStringLiteral("  About   ")};
    QCOMPARE(form_->PageControl1->count(), 5);
    for (int page = 0; page < 5; ++page) {
        QCOMPARE(form_->PageControl1->widget(page)->objectName(), names.at(page));
        QCOMPARE(form_->PageControl1->tabText(page), captions.at(page));
    }
}

void WindowTest::enterPressesTheButtonOfThePageOnShow_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("focus");  // empty: the tab row
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QString>("pressed");  // empty: no button
    const Qt::KeyboardModifiers none;
    QTest::newRow("field on the Intake page")
        << 1 << "InlaathoogteEdit" << int(Qt::Key_Return) << none << "Button2";
    QTest::newRow("keypad Enter in a field")
        << 0 << "SlagEdit" << int(Qt::Key_Enter) << Qt::KeyboardModifiers(Qt::KeypadModifier)
        << "Button1";
    QTest::newRow("checked selector on Port width")
        << 2 << "WerkelijkebreedteRadioButton" << int(Qt::Key_Return) << none << "Button3";
    QTest::newRow("on the CALC! button")
        << 3 << "Button4" << int(Qt::Key_Return) << none << "Button4";
    QTest::newRow("tab row of a calculator page")
        << 3 << "" << int(Qt::Key_Return) << none << "Button4";
    QTest::newRow("About page") << 4 << "" << int(Qt::Key_Return) << none << "";
    QTest::newRow("Shift+Enter") << 3 << "ToerenEdit" << int(Qt::Key_Return)
                                 << Qt::KeyboardModifiers(Qt::ShiftModifier) << "";
    QTest::newRow("Ctrl+Enter") << 3 << "ToerenEdit" << int(Qt::Key_Return)
                                << Qt::KeyboardModifiers(Qt::ControlModifier) << "";
    QTest::newRow("Alt+Enter") << 3 << "ToerenEdit" << int(Qt::Key_Return)
                               << Qt::KeyboardModifiers(Qt::AltModifier) << "";
    QTest::newRow("Shift+Enter on the button")
        << 3 << "Button4" << int(Qt::Key_Return) << Qt::KeyboardModifiers(Qt::ShiftModifier) << "";
    QTest::newRow("Escape in a field") << 3 << "ToerenEdit" << int(Qt::Key_Escape) << none << "";
    QTest::newRow("Escape on the button") << 3 << "Button4" << int(Qt::Key_Escape) << none << "";
}

void WindowTest::enterPressesTheButtonOfThePageOnShow() {
    QFETCH(int, page);
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QString, pressed);
    // State: a page on show, the focus on one of its controls (a selector checked first).
    form_->PageControl1->setCurrentIndex(page);
    QWidget* target = focus.isEmpty() ? form_->PageControl1->findChild<QTabBar*>()
                                      : form_->findChild<QWidget*>(focus);
    QVERIFY(target);
    if (auto* selector = qobject_cast<QRadioButton*>(target)) selector->setChecked(true);
    target->setFocus();
    QCOMPARE(QApplication::focusWidget(), target);
    const QList<QPushButton*> buttons{form_->Button1, form_->Button2, form_->Button3,
                                      form_->Button4};
    std::vector<std::unique_ptr<QSignalSpy>> spies;
    for (QPushButton* button : buttons) {
        spies.push_back(std::make_unique<QSignalSpy>(button, &QPushButton::clicked));
    }
    // Action: the key.
    QTest::keyClick(target, Qt::Key(key), modifiers);
    // Expected: the one button pressed, or none. Pressed at start, every page shows its
    // empty-field dialog, which the watchdog closes.
    for (qsizetype i = 0; i < buttons.size(); ++i) {
        const int expected = buttons.at(i)->objectName() == pressed ? 1 : 0;
        QVERIFY2(spies.at(static_cast<std::size_t>(i))->count() == expected,
                 qPrintable(buttons.at(i)->objectName()));
    }
    QCOMPARE(watchdog_.take().size(), pressed.isEmpty() ? 0 : 1);
}

void WindowTest::tabSkipsUncheckedSelectorsOnTheSpeedPage_data() {
    QTest::addColumn<QString>("checked");
    QTest::addColumn<QStringList>("sequence");  // from SnelheidEdit round to it again
    const QString tabRow = QStringLiteral("qt_tabwidget_tabbar");
    QTest::newRow("none checked")
        << QString()
        << QStringList{
               "SnelheidEdit",          "ToerenEdit", "VoortandwielEdit", "AchtertandwielEdit",
               "InterneverhoudingEdit", "OmtrekEdit", "Button4",          tabRow,
               "SnelheidEdit"};
    QTest::newRow("front sprocket checked") << "VoortandwielRadioButton"
                                            << QStringList{"SnelheidEdit",
                                                           "ToerenEdit",
                                                           "VoortandwielRadioButton",
                                                           "VoortandwielEdit",
                                                           "AchtertandwielEdit",
                                                           "InterneverhoudingEdit",
                                                           "OmtrekEdit",
                                                           "Button4",
                                                           tabRow,
                                                           "SnelheidEdit"};
    QTest::newRow("speed checked")
        << "SnelheidRadioButton"
        << QStringList{
               "SnelheidEdit",          "ToerenEdit",  "VoortandwielEdit", "AchtertandwielEdit",
               "InterneverhoudingEdit", "OmtrekEdit",  "Button4",          tabRow,
               "SnelheidRadioButton",   "SnelheidEdit"};
}

void WindowTest::tabSkipsUncheckedSelectorsOnTheSpeedPage() {
    QFETCH(QString, checked);
    QFETCH(QStringList, sequence);
    form_->PageControl1->setCurrentWidget(form_->TabSheet4);
    if (!checked.isEmpty()) component<QRadioButton>(*form_, qPrintable(checked)).setChecked(true);
    component<QLineEdit>(*form_, "SnelheidEdit").setFocus();
    for (const QString& expected : sequence.mid(1)) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), expected);
    }
    // Shift+Tab goes the same way back.
    for (qsizetype i = sequence.size() - 2; i >= 0; --i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget()->objectName(), sequence.at(i));
    }
}

void WindowTest::clickingASelectorChecksAndFocusesIt() {
    form_->PageControl1->setCurrentWidget(form_->TabSheet4);
    auto& selector = component<QRadioButton>(*form_, "ToerenRadioButton");
    QTest::mouseClick(&selector, Qt::LeftButton, {}, QPoint(8, 8));
    QVERIFY(selector.isChecked());
    QCOMPARE(QApplication::focusWidget(), &selector);
    // The other selectors stay out of the tab sequence.
    QVERIFY(!(component<QRadioButton>(*form_, "SnelheidRadioButton").focusPolicy() & Qt::TabFocus));
}

void WindowTest::selectorsExcludeEachOtherOnlyWithinAPage() {
    auto& speed = component<QRadioButton>(*form_, "SnelheidRadioButton");
    auto& rpm = component<QRadioButton>(*form_, "ToerenRadioButton");
    auto& width = component<QRadioButton>(*form_, "WerkelijkebreedteRadioButton");
    speed.setChecked(true);
    width.setChecked(true);
    rpm.setChecked(true);
    QVERIFY(!speed.isChecked());
    QVERIFY(rpm.isChecked());
    QVERIFY(width.isChecked());
    QVERIFY(!(speed.focusPolicy() & Qt::TabFocus));  // unchecked: out of the tab sequence
}

void WindowTest::ctrlTabSwitchesPages_data() {
    QTest::addColumn<int>("from");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<int>("to");
    QTest::newRow("next, round from About") << 4 << Qt::KeyboardModifiers(Qt::ControlModifier) << 0;
    QTest::newRow("next") << 1 << Qt::KeyboardModifiers(Qt::ControlModifier) << 2;
    QTest::newRow("previous") << 4 << Qt::KeyboardModifiers(Qt::ControlModifier | Qt::ShiftModifier)
                              << 3;
}

void WindowTest::ctrlTabSwitchesPages() {
    QFETCH(int, from);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(int, to);
    form_->PageControl1->setCurrentIndex(from);
    const Qt::Key key = modifiers & Qt::ShiftModifier ? Qt::Key_Backtab : Qt::Key_Tab;
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    QCOMPARE(form_->PageControl1->currentIndex(), to);
}

void WindowTest::pageSwitchKeepsTextsAndCheckedSelector() {
    // State: texts typed and a selector checked on the Speed , RPM page.
    form_->PageControl1->setCurrentWidget(form_->TabSheet4);
    auto& rpm = component<QLineEdit>(*form_, "ToerenEdit");
    QTest::keyClicks(&rpm, QStringLiteral("8000"));
    auto& selector = component<QRadioButton>(*form_, "SnelheidRadioButton");
    QTest::mouseClick(&selector, Qt::LeftButton, {}, QPoint(8, 8));
    // Action: to another page and back.
    form_->PageControl1->setCurrentWidget(form_->TabSheet1);
    QVERIFY(!rpm.isVisible());
    form_->PageControl1->setCurrentWidget(form_->TabSheet4);
    // Expected: all as it was.
    QCOMPARE(rpm.text(), QStringLiteral("8000"));
    QVERIFY(selector.isChecked());
}

void WindowTest::localeChangeRereadsTheSeparator() {
    const char system = systemDecimalSeparator();
    TForm1 form(system == ',' ? '.' : ',');
    QEvent change(QEvent::LocaleChange);
    QApplication::sendEvent(&form, &change);
    QCOMPARE(form.decimalSeparator(), system);
}

int main(int argc, char** argv) { return runWindowTests<WindowTest>(argc, argv); }

// The captions are sized for Liberation Sans; a fallback font would be wider.
void WindowTest::windowFontIsTheOneThePagesAreMeasuredFor() {
    const QFontInfo font(form_->TabSheet1->font());
    QCOMPARE(font.family(), QStringLiteral("Liberation Sans"));
    QCOMPARE(font.pixelSize(), 11);
}

// At any scale factor: every caption shows whole inside its page and covers no other control.
void WindowTest::captionsAreNeitherCutNorOverlapping() {
    for (QWidget* page : {form_->TabSheet1, form_->TabSheet2, form_->TabSheet3, form_->TabSheet4}) {
        form_->PageControl1->setCurrentWidget(page);
        const QList<QWidget*> controls = page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        for (const QLabel* label : page->findChildren<QLabel*>()) {
            const QString name = label->objectName();
            QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(),
                     qPrintable(name));
            QVERIFY2(page->rect().contains(label->geometry()), qPrintable(name));
            for (const QWidget* other : controls) {
                if (other == label) continue;
                QVERIFY2(!label->geometry().intersects(other->geometry()),
                         qPrintable(name + QStringLiteral(" covers ") + other->objectName()));
            }
        }
    }
}

#include "window_test.moc"
