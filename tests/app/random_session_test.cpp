// A long random session on the real window: thousands of typed texts, selector clicks, CALC!
// presses, page switches and dialog closings drawn from a fixed seed. After every action the
// window must be as that action alone may leave it. MOTREL_RANDOM_SEED picks another seed,
// MOTREL_RANDOM_ACTIONS another length; a failure prints the seed and the last actions.
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QTabBar>
#include <QTabWidget>
#include <array>
#include <cmath>
#include <exception>
#include <string>

#include "dialog_closer.h"
#include "motrel/number_text.h"
#include "session_texts.h"
#include "window_fixture.h"

using namespace motrel::app;
using namespace motrel::app::testing;

namespace {

constexpr quint32 defaultSeed = 20261211;
constexpr int defaultActions = 5000;
constexpr int aboutPage = 4;
constexpr qsizetype historyLength = 12;

// A field as a tuner sees it: its name, the selector beside it (if any) and what is typed.
struct FieldRow {
    const char* name;
    const char* selector;  // empty: the field is never computed
    PlausibleRange range;
};

struct PageRow {
    const char* button;
    std::vector<FieldRow> fields;  // top to bottom, the order the page reads them in
};

// Ranges of real engines, so that most full pages compute.
const std::array<PageRow, 4>& pageRows() {
    static const std::array<PageRow, 4> rows{{
        {"Button1",
         {{"TimingEdit", "TimingRadioButton", {110, 200}},
          {"PoorthoogteEdit", "PoorthoogteRadioButton", {10, 35}},
          {"DeckEdit", "", {0, 2}},
          {"SlagEdit", "", {38, 54}},
          {"DrijfstanglengteEdit", "", {80, 110}}}},
        {"Button2",
         {{"TimingEdit1", "TimingRadioButton1", {100, 180}},
          {"InlaathoogteEdit", "InlaathoogteRadioButton", {50, 80}},
          {"ZuigerlengteEdit", "ZuigerlengteRadioButton", {30, 50}},
          {"DeckEdit2", "", {0, 2}},
          {"SlagEdit2", "", {38, 54}},
          {"DrijfstangEdit2", "", {80, 110}}}},
        {"Button3",
         {{"WerkelijkebreedteEdit", "WerkelijkebreedteRadioButton", {10, 35}},
          {"PoortmapbreedteEdit", "PoortmapbreedteRadioButton", {10, 40}},
          {"BoringEdit", "", {38, 60}}}},
        {"Button4",
         {{"SnelheidEdit", "SnelheidRadioButton", {20, 120}},
          {"ToerenEdit", "ToerenRadioButton", {4000, 14000}},
          {"VoortandwielEdit", "VoortandwielRadioButton", {10, 18}},
          {"AchtertandwielEdit", "AchtertandwielRadioButton", {30, 55}},
          {"InterneverhoudingEdit", "", {3, 5}},
          {"OmtrekEdit", "", {1.5, 2.3}}}},
    }};
    return rows;
}

// Types text as keys: QTest::keyClick knows the keys of ASCII only, so other characters are
// sent as key events that carry their text (a character outside the basic plane as its two
// units).
void typeText(QWidget& field, const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.unicode() >= 0x20 && c.unicode() < 0x7f) {
            QTest::keyClick(&field, char(c.unicode()));
            continue;
        }
        QString unit(c);
        if (c.isHighSurrogate() && i + 1 < text.size()) unit += text.at(++i);
        QTest::sendKeyEvent(QTest::Click, &field, Qt::Key_unknown, unit, Qt::NoModifier);
    }
}

QString quoted(const QString& text) {
    QString shown = text;
    shown.replace(u'\n', QStringLiteral("\\n"));
    return u'"' + shown + u'"';
}

// What the window must show after a CALC! on a page, worked out from the texts before it.
struct Expectation {
    enum Kind { ConvertError, SomeErrorBox, EmptyFieldDialog, ResultOrMathError } kind;
    QString message;  // for ConvertError
};

Expectation expectedOutcome(const QStringList& texts, char separator) {
    int empty = 0;
    for (const QString& text : texts) {
        if (text.isEmpty()) {
            ++empty;
            continue;
        }
        try {
            const long double value = motrel::readNumber(text.toStdString(), separator);
            // Beyond the double range the stored quantity overflows, before later fields.
            if (std::isinf(static_cast<double>(value))) return {Expectation::SomeErrorBox, {}};
        } catch (const std::exception&) {
            return {Expectation::ConvertError,
                    QStringLiteral("'%1' is not a valid floating point value.").arg(text)};
        }
    }
    if (empty >= 2) return {Expectation::EmptyFieldDialog, {}};
    return {Expectation::ResultOrMathError, {}};
}

const QStringList mathMessages{QStringLiteral("Floating point overflow."),
                               QStringLiteral("Floating point division by zero."),
                               QStringLiteral("Invalid floating point operation.")};

// The window's widgets, as the session drives them.
struct SessionPage {
    QPushButton* button = nullptr;
    QList<QLineEdit*> fields;
    QList<QRadioButton*> selectorOfField;  // null where the field has none
    QList<PlausibleRange> ranges;
};

// What the window should show: the session's own record, changed only by its actions.
struct Model {
    QHash<const QLineEdit*, QString> texts;
    std::array<QRadioButton*, 4> checked{};
    int page = aboutPage;
};

class Session {
public:
    Session(TForm1& form, quint32 seed, char separator)
        : form_(form), random_(std::array<quint32, 2>{seed, quint32(separator)}.data(), 2) {
        for (std::size_t p = 0; p < pageRows().size(); ++p) {
            const PageRow& row = pageRows()[p];
            SessionPage& page = pages_[p];
            page.button = &component<QPushButton>(form, row.button);
            for (const FieldRow& field : row.fields) {
                auto* edit = &component<QLineEdit>(form, field.name);
                page.fields.append(edit);
                page.selectorOfField.append(
                    *field.selector ? &component<QRadioButton>(form, field.selector) : nullptr);
                page.ranges.append(field.range);
            }
        }
        model_.page = form.PageControl1->currentIndex();
        for (const SessionPage& page : pages_) {
            for (const QLineEdit* field : page.fields) model_.texts.insert(field, field->text());
        }
    }

    // Runs one action and returns what is wrong with the window after it, or nothing.
    QString step() {
        history_.append(QString());
        if (history_.size() > historyLength) history_.removeFirst();
        const auto way = static_cast<CloseWay>(random_.bounded(4));
        closer_.arm(way);
        calcPage_ = -1;
        const int pick = random_.bounded(100);
        if (model_.page == aboutPage || pick < 12) {
            switchPage();
        } else if (pick < 50) {
            typeIntoField();
        } else if (pick < 64) {
            checkSelector();
        } else {
            pressCalc();
        }
        QCoreApplication::processEvents();
        closer_.disarm();
        if (!closer_.seen().isEmpty()) {
            // A window manager gives the activation back to the form when its dialog closes;
            // the offscreen platform leaves no window active.
            form_.activateWindow();
            QCoreApplication::processEvents();
        }
        if (calcPage_ >= 0 && !closer_.seen().isEmpty())
            note(QStringLiteral(", dialog closed by %1").arg(describe(way)));
        return problems();
    }

    QString history() const {
        return QStringLiteral("last actions:\n  ") + history_.join(QStringLiteral("\n  "));
    }

    int results = 0;  // CALC! with a selector checked and no dialog
    int errorBoxes = 0;
    int emptyFieldDialogs = 0;

private:
    void note(const QString& text) { history_.last() += text; }

    QString pageName(int page) const { return form_.PageControl1->widget(page)->objectName(); }

    // Where a key typed now goes: the form's focused control.
    QWidget& keyTarget() {
        QWidget* focused = form_.focusWidget();
        return focused ? *focused : *form_.PageControl1->tabBar();
    }

    void clickInto(QLineEdit& field) {
        QTest::mouseClick(&field, Qt::LeftButton, {}, field.rect().center());
    }

    void switchPage() {
        const int count = form_.PageControl1->count();
        switch (random_.bounded(3)) {
            case 0: {
                const int to = random_.bounded(count);
                note(QStringLiteral("click on tab %1").arg(pageName(to)));
                QTabBar* tabs = form_.PageControl1->tabBar();
                QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(to).center());
                model_.page = to;
                return;
            }
            case 1:
                note(QStringLiteral("Ctrl+Tab in %1").arg(keyTarget().objectName()));
                QTest::keyClick(&keyTarget(), Qt::Key_Tab, Qt::ControlModifier);
                model_.page = (model_.page + 1) % count;
                return;
            default:
                note(QStringLiteral("Ctrl+Shift+Tab in %1").arg(keyTarget().objectName()));
                QTest::keyClick(&keyTarget(), Qt::Key_Backtab,
                                Qt::ControlModifier | Qt::ShiftModifier);
                model_.page = (model_.page + count - 1) % count;
                return;
        }
    }

    void typeIntoField() {
        SessionPage& page = pages_[std::size_t(model_.page)];
        const auto index = random_.bounded(int(page.fields.size()));
        QLineEdit& field = *page.fields.at(index);
        const QString text =
            randomFieldText(random_, page.ranges.at(index), QChar(form_.decimalSeparator()));
        clickInto(field);
        QString& expected = model_.texts[&field];
        const int mode = random_.bounded(10);
        if (mode < 8) {
            note(QStringLiteral("%1: select all, type %2").arg(field.objectName(), quoted(text)));
            QTest::keyClick(&field, Qt::Key_A, Qt::ControlModifier);
            if (text.isEmpty()) QTest::keyClick(&field, Qt::Key_Delete);
            typeText(field, text);
            expected = text;
        } else if (mode < 9) {
            note(QStringLiteral("%1: append %2").arg(field.objectName(), quoted(text)));
            QTest::keyClick(&field, Qt::Key_End);
            typeText(field, text);
            expected += text;
        } else {
            note(QStringLiteral("%1: select all, Backspace").arg(field.objectName()));
            QTest::keyClick(&field, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(&field, Qt::Key_Backspace);
            expected.clear();
        }
    }

    void checkSelector() {
        SessionPage& page = pages_[std::size_t(model_.page)];
        const auto index = random_.bounded(int(page.fields.size()));
        QLineEdit& field = *page.fields.at(index);
        QRadioButton* selector = page.selectorOfField.at(index);
        if (selector != nullptr && random_.bounded(3) != 0) {
            note(QStringLiteral("click on %1").arg(selector->objectName()));
            QTest::mouseClick(selector, Qt::LeftButton, {}, QPoint(8, 8));
        } else {
            // F4 in a field checks its selector; in a field without one it does nothing.
            note(QStringLiteral("F4 in %1").arg(field.objectName()));
            clickInto(field);
            QTest::keyClick(&field, Qt::Key_F4);
        }
        if (selector != nullptr) model_.checked[std::size_t(model_.page)] = selector;
    }

    void pressCalc() {
        SessionPage& page = pages_[std::size_t(model_.page)];
        calcPage_ = model_.page;
        switch (random_.bounded(3)) {
            case 0:
                note(QStringLiteral("click on %1").arg(page.button->objectName()));
                QTest::mouseClick(page.button, Qt::LeftButton);
                return;
            case 1: {
                QLineEdit& field = *page.fields.at(random_.bounded(int(page.fields.size())));
                note(QStringLiteral("Enter in %1").arg(field.objectName()));
                clickInto(field);
                QTest::keyClick(&field, Qt::Key_Return);
                return;
            }
            default: {
                QLineEdit& field = *page.fields.at(random_.bounded(int(page.fields.size())));
                note(QStringLiteral("keypad Enter in %1").arg(field.objectName()));
                clickInto(field);
                QTest::keyClick(&field, Qt::Key_Enter, Qt::KeypadModifier);
                return;
            }
        }
    }

    QString problems() {
        QStringList found = closer_.faults();
        if (QApplication::activeModalWidget() != nullptr)
            found.append(QStringLiteral("a modal dialog is still open"));
        if (!form_.isVisible() || form_.isMinimized())
            found.append(QStringLiteral("the form is no longer on show"));
        if (form_.PageControl1->currentIndex() != model_.page) {
            found.append(
                QStringLiteral("page %1 on show, not %2")
                    .arg(pageName(form_.PageControl1->currentIndex()), pageName(model_.page)));
        }
        checkSelectors(found);
        if (calcPage_ < 0 && !closer_.seen().isEmpty())
            found.append(QStringLiteral("a dialog opened without CALC!: ") + seenText());
        const QLineEdit* target = calcPage_ >= 0 ? checkCalcOutcome(found) : nullptr;
        checkTexts(target, found);
        return found.join(QStringLiteral("; "));
    }

    QString seenText() const {
        QStringList shown;
        for (const DialogCloser::Seen& seen : closer_.seen())
            shown.append(QStringLiteral("[%1] %2").arg(seen.caption, seen.text));
        return shown.join(QStringLiteral(", "));
    }

    void checkSelectors(QStringList& found) const {
        for (std::size_t p = 0; p < pages_.size(); ++p) {
            QRadioButton* checked = nullptr;
            int count = 0;
            for (QRadioButton* selector : pages_[p].selectorOfField) {
                if (selector != nullptr && selector->isChecked()) {
                    checked = selector;
                    ++count;
                }
            }
            if (count > 1 || checked != model_.checked[p]) {
                found.append(QStringLiteral("%1 selectors checked on %2, %3 expected")
                                 .arg(count)
                                 .arg(pageName(int(p)), model_.checked[p]
                                                            ? model_.checked[p]->objectName()
                                                            : QStringLiteral("none")));
            }
        }
    }

    // Checks the dialog a CALC! showed against the texts it read. Returns the field the
    // computation may have written, or null when it may write none.
    const QLineEdit* checkCalcOutcome(QStringList& found) {
        const SessionPage& page = pages_[std::size_t(calcPage_)];
        QStringList texts;
        for (const QLineEdit* field : page.fields) texts.append(model_.texts.value(field));
        const Expectation expected = expectedOutcome(texts, form_.decimalSeparator());
        const QList<DialogCloser::Seen>& seen = closer_.seen();
        if (seen.size() > 1) {
            found.append(QStringLiteral("more than one dialog: ") + seenText());
            return nullptr;
        }
        const QString title = QString::fromUtf8(programTitle);
        const bool errorBox = seen.size() == 1 && seen[0].caption == title;
        const bool emptyFieldDialog =
            seen.size() == 1 && seen[0].caption == QStringLiteral("Error");
        if (seen.size() == 1 && !errorBox && !emptyFieldDialog)
            found.append(QStringLiteral("an unknown dialog: ") + seenText());
        errorBoxes += errorBox ? 1 : 0;
        emptyFieldDialogs += emptyFieldDialog ? 1 : 0;

        switch (expected.kind) {
            case Expectation::ConvertError:
                if (!errorBox || seen[0].text != expected.message)
                    found.append(QStringLiteral("expected the error box %1, saw %2")
                                     .arg(quoted(expected.message), seenText()));
                return nullptr;
            case Expectation::SomeErrorBox:
                if (!errorBox)
                    found.append(QStringLiteral("expected an error box, saw ") + seenText());
                return nullptr;
            case Expectation::EmptyFieldDialog:
                if (!emptyFieldDialog)
                    found.append(QStringLiteral("expected the empty-field dialog, saw ") +
                                 seenText());
                return nullptr;
            case Expectation::ResultOrMathError:
                break;
        }
        QRadioButton* selector = model_.checked[std::size_t(calcPage_)];
        if (errorBox) {
            if (selector == nullptr || !mathMessages.contains(seen[0].text))
                found.append(QStringLiteral("an unexpected error box: ") + seenText());
            return nullptr;
        }
        if (emptyFieldDialog) {
            found.append(QStringLiteral("an unexpected empty-field dialog"));
            return nullptr;
        }
        if (selector == nullptr) return nullptr;
        ++results;
        return page.fields.at(page.selectorOfField.indexOf(selector));
    }

    // Every field must hold the text the session expects; only the computed field may differ,
    // with a text the program reads back.
    void checkTexts(const QLineEdit* target, QStringList& found) {
        for (const SessionPage& page : pages_) {
            for (const QLineEdit* field : page.fields) {
                QString& expected = model_.texts[field];
                const QString actual = field->text();
                if (actual == expected) continue;
                if (field != target) {
                    found.append(QStringLiteral("%1 holds %2, not %3")
                                     .arg(field->objectName(), quoted(actual), quoted(expected)));
                    continue;
                }
                note(QStringLiteral(" -> %1 = %2").arg(field->objectName(), quoted(actual)));
                expected = actual;
                // A result that rounds to 0 is written as an empty text.
                if (actual.isEmpty()) continue;
                try {
                    motrel::readNumber(actual.toStdString(), form_.decimalSeparator());
                } catch (const std::exception&) {
                    found.append(QStringLiteral("the result %1 in %2 does not read back")
                                     .arg(quoted(actual), field->objectName()));
                }
            }
        }
    }

    TForm1& form_;
    QRandomGenerator random_;
    std::array<SessionPage, 4> pages_;
    Model model_;
    DialogCloser closer_;
    QStringList history_;
    int calcPage_ = -1;  // the page whose CALC! the action pressed, or -1
};

// The offscreen platform warns at every message box it shows; a session shows thousands,
// which would bury every other message. Those warnings alone are dropped.
QtMessageHandler testlibHandler = nullptr;

void dropSizeHintWarnings(QtMsgType type, const QMessageLogContext& context,
                          const QString& message) {
    if (type == QtWarningMsg && message.contains(QLatin1String("propagateSizeHints"))) return;
    testlibHandler(type, context, message);
}

quint32 seedInForce() {
    bool ok = false;
    const uint seed = qEnvironmentVariable("MOTREL_RANDOM_SEED").toUInt(&ok);
    return ok ? quint32(seed) : defaultSeed;
}

int actionsInForce() {
    bool ok = false;
    const int actions = qEnvironmentVariable("MOTREL_RANDOM_ACTIONS").toInt(&ok);
    return ok && actions > 0 ? actions : defaultActions;
}

}  // namespace

class RandomSessionTest : public QObject {
    Q_OBJECT

private slots:
    void windowStaysConsistent_data();
    void windowStaysConsistent();
};

void RandomSessionTest::windowStaysConsistent_data() {
    QTest::addColumn<char>("separator");
    QTest::newRow("comma") << ',';
    QTest::newRow("full stop") << '.';
}

void RandomSessionTest::windowStaysConsistent() {
    QFETCH(char, separator);
    const quint32 seed = seedInForce();
    const int actions = actionsInForce();
    testlibHandler = qInstallMessageHandler(dropSizeHintWarnings);
    const auto restoreHandler = qScopeGuard([] { qInstallMessageHandler(testlibHandler); });
    // State: a new window, as at start.
    auto form = showForm(separator);
    Session session(*form, seed, separator);
    // Action: one random action after another.
    for (int action = 1; action <= actions; ++action) {
        const QString problem = session.step();
        // Expected: after each, only what it may change has changed.
        if (!problem.isEmpty()) {
            QFAIL(qPrintable(QStringLiteral("seed %1 (MOTREL_RANDOM_SEED), action %2: %3\n%4")
                                 .arg(seed)
                                 .arg(action)
                                 .arg(problem, session.history())));
        }
    }
    qInfo("seed %u: %d actions, %d results, %d error boxes, %d empty-field dialogs", seed, actions,
          session.results, session.errorBoxes, session.emptyFieldDialogs);
    // A session that never computes, or never fails, proves little.
    QVERIFY(session.results > 0);
    QVERIFY(session.errorBoxes > 0);
    QVERIFY(session.emptyFieldDialogs > 0);
}

int main(int argc, char** argv) { return runWindowTests<RandomSessionTest>(argc, argv); }

#include "random_session_test.moc"
