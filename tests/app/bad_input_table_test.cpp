// The README's table of bad input, typed row by row into the real window: each row must end in
// the message the table gives and leave every field as it was.
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabWidget>

#include "accessible_names.h"
#include "field_controls.h"
#include "window_fixture.h"

using namespace motrel::app;
using namespace motrel::app::testing;

namespace {

struct TableRow {
    QString page;
    QList<QPair<QString, QString>> typed;  // caption, text
    QString computed;                      // caption of the computed field
    QString message;
};

QString withoutBackticks(QString cell) {
    cell = cell.trimmed();
    if (cell.size() >= 2 && cell.startsWith(u'`') && cell.endsWith(u'`'))
        cell = cell.mid(1, cell.size() - 2);
    return cell;
}

// "RPM `8000`; Front sprkt empty"
QList<QPair<QString, QString>> typedTexts(const QString& cell) {
    static const QRegularExpression item(QStringLiteral("^(.+?) `(.*)`$"));
    QList<QPair<QString, QString>> typed;
    for (const QString& part : cell.split(u';', Qt::SkipEmptyParts)) {
        const QString text = part.trimmed();
        if (text.endsWith(QStringLiteral(" empty"))) {
            typed.append({text.chopped(6), QString()});
            continue;
        }
        const QRegularExpressionMatch match = item.match(text);
        if (!match.hasMatch()) qFatal("unreadable typed cell: %s", qPrintable(text));
        typed.append({match.captured(1), match.captured(2)});
    }
    return typed;
}

QList<TableRow> readmeTable() {
    QFile readme(QStringLiteral(MOTREL_README));
    if (!readme.open(QIODevice::ReadOnly | QIODevice::Text))
        qFatal("no README at %s", MOTREL_README);
    const QString text = QString::fromUtf8(readme.readAll());
    const qsizetype begin = text.indexOf(QStringLiteral("<!-- bad-input:begin -->"));
    const qsizetype end = text.indexOf(QStringLiteral("<!-- bad-input:end -->"));
    if (begin < 0 || end < begin) qFatal("the README has no bad-input table");

    QList<TableRow> rows;
    const QStringList lines = text.mid(begin, end - begin).split(u'\n');
    for (const QString& line : lines.mid(3)) {  // after the marker, the head and the rule
        if (!line.startsWith(u'|')) continue;
        const QStringList cells = line.split(u'|');  // empty first and last cells
        if (cells.size() != 7) qFatal("a bad-input row needs five cells: %s", qPrintable(line));
        rows.append({cells[2].trimmed(), typedTexts(cells[3]), cells[4].trimmed(),
                     withoutBackticks(cells[5])});
    }
    return rows;
}

// The field a caption label on the page stands for.
QLineEdit* fieldCaptioned(const QWidget& page, const QString& caption) {
    for (QLabel* label : page.findChildren<QLabel*>()) {
        if (spokenCaption(*label) == caption) return qobject_cast<QLineEdit*>(label->buddy());
    }
    return nullptr;
}

QWidget* pageCaptioned(const TForm1& form, const QString& caption) {
    for (int i = 0; i < form.PageControl1->count(); ++i) {
        if (form.PageControl1->tabText(i).trimmed() == caption) return form.PageControl1->widget(i);
    }
    return nullptr;
}

QStringList fieldTexts(const QWidget& page) {
    QStringList texts;
    for (const QLineEdit* field : page.findChildren<QLineEdit*>()) texts.append(field->text());
    return texts;
}

}  // namespace

Q_DECLARE_METATYPE(TableRow)

class BadInputTableTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() {
        const QList<SeenDialog> unexpected = watchdog_.take();
        QVERIFY2(unexpected.isEmpty(), qPrintable(describe(unexpected)));
    }

    void eachRowShowsItsMessage_data();
    void eachRowShowsItsMessage();

private:
    ModalWatchdog watchdog_;
};

void BadInputTableTest::eachRowShowsItsMessage_data() {
    QTest::addColumn<TableRow>("row");
    const QList<TableRow> rows = readmeTable();
    QVERIFY(!rows.isEmpty());
    for (const TableRow& row : rows) {
        QTest::addRow("%s: %s", qPrintable(row.page), qPrintable(row.message)) << row;
    }
}

void BadInputTableTest::eachRowShowsItsMessage() {
    QFETCH(TableRow, row);
    const auto form = showForm(',');
    QWidget* page = pageCaptioned(*form, row.page);
    QVERIFY2(page != nullptr, qPrintable(row.page));
    form->PageControl1->setCurrentWidget(page);
    for (const auto& [caption, text] : row.typed) {
        QLineEdit* field = fieldCaptioned(*page, caption);
        QVERIFY2(field != nullptr, qPrintable(caption));
        field->setText(text);
    }
    QLineEdit* computed = fieldCaptioned(*page, row.computed);
    QVERIFY2(computed != nullptr, qPrintable(row.computed));
    const FieldControls* controls = controlsOfField(computed->objectName().toStdString());
    QVERIFY(controls != nullptr && !controls->selector.empty());
    component<QRadioButton>(*page, controls->selector.data()).setChecked(true);

    const QStringList before = fieldTexts(*page);
    page->findChild<QPushButton*>()->click();
    const QList<SeenDialog> dialogs = watchdog_.take();
    QCOMPARE(dialogs.size(), 1);
    QCOMPARE(dialogs.first().text.trimmed(), row.message);
    QCOMPARE(fieldTexts(*page), before);
}

int main(int argc, char** argv) { return runWindowTests<BadInputTableTest>(argc, argv); }

#include "bad_input_table_test.moc"
