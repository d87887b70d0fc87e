// The CALC! buttons: one real computation per page, the empty-field dialog, the error box and
// the decimal separator, all driven through the widgets and read from the real dialogs.
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include "window_fixture.h"

using namespace motrel::app;
using namespace motrel::app::testing;

namespace {

using Texts = QMap<QString, QString>;  // field name -> text

Texts fieldTexts(const TForm1& form) {
    Texts texts;
    for (const QLineEdit* field : form.findChildren<QLineEdit*>()) {
        if (!field->objectName().isEmpty()) texts.insert(field->objectName(), field->text());
    }
    return texts;
}

QPushButton* calcButton(const TForm1& form, int page) {
    return QList<QPushButton*>{form.Button1, form.Button2, form.Button3, form.Button4}.at(page);
}

}  // namespace

class CalculationTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() {
        const QList<SeenDialog> unexpected = watchdog_.take();
        QVERIFY2(unexpected.isEmpty(), qPrintable(describe(unexpected)));
    }

    void computesIntoTheSelectedField_data();
    void computesIntoTheSelectedField();
    void defaultTextsUseTheSeparatorInForce_data();
    void defaultTextsUseTheSeparatorInForce();
    void tooManyEmptyFieldsShowTheErrorDialog_data();
    void tooManyEmptyFieldsShowTheErrorDialog();
    void errorsShowTheErrorBoxAndChangeNothing_data();
    void errorsShowTheErrorBoxAndChangeNothing();

private:
    ModalWatchdog watchdog_;
};

void CalculationTest::computesIntoTheSelectedField_data() {
    QTest::addColumn<char>("separator");
    QTest::addColumn<int>("page");
    QTest::addColumn<Texts>("typed");  // into empty fields
    QTest::addColumn<QString>("selector");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("byEnter");

    const Texts transfer{{"DeckEdit", "1"}, {"TimingEdit", "120"}};
    const Texts intake{{"DeckEdit2", "1"}, {"ZuigerlengteEdit", "40"}, {"TimingEdit1", "130"}};
    const Texts portWidth{{"BoringEdit", "40"}, {"PoortmapbreedteEdit", "20"}};
    const Texts speed{{"ToerenEdit", "8000"}};
    for (bool byEnter : {false, true}) {
        const char* how = byEnter ? "Enter" : "click";
        QTest::addRow("port height, %s", how) << ',' << 0 << transfer << "PoorthoogteRadioButton"
                                              << "PoorthoogteEdit"
                                              << "31,11" << byEnter;
        QTest::addRow("intake height, %s", how) << ',' << 1 << intake << "InlaathoogteRadioButton"
                                                << "InlaathoogteEdit"
                                                << "53,73" << byEnter;
        QTest::addRow("actual width, %s", how)
            << ',' << 2 << portWidth << "WerkelijkebreedteRadioButton"
            << "WerkelijkebreedteEdit"
            << "19,18" << byEnter;
        QTest::addRow("road speed, %s", how) << ',' << 3 << speed << "SnelheidRadioButton"
                                             << "SnelheidEdit"
                                             << "57,21" << byEnter;
    }
    // Where the separator is a full stop the Speed page's defaults are written with it.
    QTest::newRow("road speed, full stop") << '.' << 3 << speed << "SnelheidRadioButton"
                                           << "SnelheidEdit"
                                           << "57.21" << false;
    QTest::newRow("actual width, full stop")
        << '.' << 2 << portWidth << "WerkelijkebreedteRadioButton"
        << "WerkelijkebreedteEdit"
        << "19.18" << true;
}

void CalculationTest::computesIntoTheSelectedField() {
    QFETCH(char, separator);
    QFETCH(int, page);
    QFETCH(Texts, typed);
    QFETCH(QString, selector);
    QFETCH(QString, target);
    QFETCH(QString, expected);
    QFETCH(bool, byEnter);
    // State: the page on show, the known quantities typed, the wanted one's selector clicked.
    auto form = showForm(separator);
    form->PageControl1->setCurrentIndex(page);
    QLineEdit* last = nullptr;
    for (auto [name, text] : typed.asKeyValueRange()) {
        last = &component<QLineEdit>(*form, qPrintable(name));
        QTest::keyClicks(last, text);
    }
    QTest::mouseClick(&component<QRadioButton>(*form, qPrintable(selector)), Qt::LeftButton, {},
                      QPoint(8, 8));
    Texts texts = fieldTexts(*form);
    // Action: CALC! by the mouse, or Enter in the last field typed into.
    if (byEnter) {
        QTest::keyClick(last, Qt::Key_Return);
    } else {
        QTest::mouseClick(calcButton(*form, page), Qt::LeftButton);
    }
    // Expected: the result in the target field and no other field changed.
    texts[target] = expected;
    QCOMPARE(fieldTexts(*form), texts);
}

void CalculationTest::defaultTextsUseTheSeparatorInForce_data() {
    QTest::addColumn<char>("separator");
    QTest::addColumn<Texts>("defaults");
    const Texts common{{"VoortandwielEdit", "10"}, {"AchtertandwielEdit", "44"},
                       {"SlagEdit", "38"},         {"DrijfstanglengteEdit", "85"},
                       {"SlagEdit2", "38"},        {"DrijfstangEdit2", "85"}};
    Texts comma = common;
    comma.insert({{"InterneverhoudingEdit", "4,1    "}, {"OmtrekEdit", "2,15"}});
    Texts fullStop = common;
    fullStop.insert({{"InterneverhoudingEdit", "4.1    "}, {"OmtrekEdit", "2.15"}});
    QTest::newRow("comma") << ',' << comma;
    QTest::newRow("full stop") << '.' << fullStop;
}

void CalculationTest::defaultTextsUseTheSeparatorInForce() {
    QFETCH(char, separator);
    QFETCH(Texts, defaults);
    TForm1 form(separator);
    Texts nonEmpty;
    for (auto [name, text] : fieldTexts(form).asKeyValueRange()) {
        if (!text.isEmpty()) nonEmpty.insert(name, text);
    }
    QCOMPARE(nonEmpty, defaults);
}

void CalculationTest::tooManyEmptyFieldsShowTheErrorDialog_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("message");
    QTest::newRow("Port width") << 2 << "There are too many fields left empty, fill them out.   ";
    QTest::newRow("Speed , RPM") << 3 << "There are too many fields left empty, fill the out.    ";
}

void CalculationTest::tooManyEmptyFieldsShowTheErrorDialog() {
    QFETCH(int, page);
    QFETCH(QString, message);
    // State: the page as at start, with two or more fields empty.
    auto form = showForm(',');
    form->PageControl1->setCurrentIndex(page);
    const Texts before = fieldTexts(*form);
    // Action: CALC!.
    QTest::mouseClick(calcButton(*form, page), Qt::LeftButton);
    // Expected: the dialog, closed by the watchdog with Escape, and no field changed.
    const QList<SeenDialog> seen = watchdog_.take();
    QCOMPARE(seen.size(), 1);
    QCOMPARE(seen[0].caption, QStringLiteral("Error"));
    QCOMPARE(seen[0].text, message);
    QCOMPARE(seen[0].textFormat, Qt::PlainText);  // a quoted field text is never markup
    QCOMPARE(seen[0].icon, QMessageBox::Critical);
    QCOMPARE(seen[0].buttons, QStringList{"OK"});
    QCOMPARE(seen[0].defaultButton, QStringLiteral("OK"));
    QCOMPARE(seen[0].escapeButton, QStringLiteral("OK"));
    QVERIFY(seen[0].applicationModal);
    QCOMPARE(fieldTexts(*form), before);
}

void CalculationTest::errorsShowTheErrorBoxAndChangeNothing_data() {
    QTest::addColumn<char>("separator");
    QTest::addColumn<int>("page");
    QTest::addColumn<Texts>("texts");
    QTest::addColumn<QString>("selector");
    QTest::addColumn<QString>("message");
    QTest::newRow("comma where the separator is a full stop")
        << '.' << 3 << Texts{{"ToerenEdit", "1,5"}} << "SnelheidRadioButton"
        << "'1,5' is not a valid floating point value.";
    QTest::newRow("no rear sprocket")
        << ',' << 3 << Texts{{"ToerenEdit", "8000"}, {"AchtertandwielEdit", "0"}}
        << "SnelheidRadioButton"
        << "Floating point division by zero.";
    QTest::newRow("actual width above the bore")
        << ',' << 2 << Texts{{"WerkelijkebreedteEdit", "41"}, {"BoringEdit", "40"}}
        << "PoortmapbreedteRadioButton"
        << "Invalid floating point operation.";
    QTest::newRow("quoted text is no markup")
        << ',' << 0 << Texts{{"DeckEdit", "<b>1</b>"}, {"TimingEdit", "120"}}
        << "PoorthoogteRadioButton"
        << "'<b>1</b>' is not a valid floating point value.";
}

void CalculationTest::errorsShowTheErrorBoxAndChangeNothing() {
    QFETCH(char, separator);
    QFETCH(int, page);
    QFETCH(Texts, texts);
    QFETCH(QString, selector);
    QFETCH(QString, message);
    // State: texts that make the computation fail, a selector checked.
    auto form = showForm(separator);
    form->PageControl1->setCurrentIndex(page);
    for (auto [name, text] : texts.asKeyValueRange()) {
        component<QLineEdit>(*form, qPrintable(name)).setText(text);
    }
    auto& checked = component<QRadioButton>(*form, qPrintable(selector));
    checked.setChecked(true);
    const Texts before = fieldTexts(*form);
    // Action: CALC!.
    QTest::mouseClick(calcButton(*form, page), Qt::LeftButton);
    // Expected: the error box, then the window exactly as before.
    const QList<SeenDialog> seen = watchdog_.take();
    QCOMPARE(seen.size(), 1);
    QCOMPARE(seen[0].caption, QStringLiteral("Dorvik's Motrel Calculator"));
    QCOMPARE(seen[0].text, message);
    QCOMPARE(seen[0].textFormat, Qt::PlainText);  // a quoted field text is never markup
    QCOMPARE(seen[0].icon, QMessageBox::Critical);
    QCOMPARE(seen[0].buttons, QStringList{"OK"});
    QVERIFY(seen[0].applicationModal);
    QCOMPARE(fieldTexts(*form), before);
    QVERIFY(checked.isChecked());
    QCOMPARE(form->PageControl1->currentIndex(), page);
}

int main(int argc, char** argv) { return runWindowTests<CalculationTest>(argc, argv); }

#include "calculation_test.moc"
