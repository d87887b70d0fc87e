// What a click on CALC! and a pointer move cost in the real window, each beside the same
// gesture on plain Qt widgets that do the least work the gesture can: the baseline.
//
// Each click goes the whole way: the mouse press and release, the calculation frame reading
// every field, the computation, the result written back and the repaint. One input alternates
// between two values so that every click writes a new text and repaints. A move goes over a
// field whose hint is already on the status line, so it must not repaint anything.
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QtTest>
#include <memory>

#include "form1.h"
#include "platform/application.h"
#include "program_title.h"

using namespace motrel::app;

namespace {

template <class Control>
Control& component(const QObject& root, const QString& name) {
    auto* control = root.findChild<Control*>(name);
    if (control == nullptr) qFatal("no component %s", qPrintable(name));
    return *control;
}

void flushPaints() { QCoreApplication::processEvents(); }

// A window of two fields and a button that copies one into the other: the least a click
// that reads a field and writes a result can do.
class BaselineWindow : public QWidget {
public:
    BaselineWindow() {
        resize(388, 365);
        auto* layout = new QVBoxLayout(this);
        input = new QLineEdit(this);
        output = new QLineEdit(this);
        button = new QPushButton(QStringLiteral(" CALC! "), this);
        layout->addWidget(input);
        layout->addWidget(output);
        layout->addWidget(button);
        output->setMouseTracking(true);
        connect(button, &QPushButton::clicked, this, [this] { output->setText(input->text()); });
    }
    QLineEdit* input;
    QLineEdit* output;
    QPushButton* button;
};

}  // namespace

class WindowBench : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        form_ = std::make_unique<TForm1>(',');
        form_->show();
        QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
        baseline_ = std::make_unique<BaselineWindow>();
        baseline_->show();
        QVERIFY(QTest::qWaitForWindowExposed(baseline_.get()));
    }
    void cleanupTestCase() {
        form_.reset();
        baseline_.reset();
    }

    void click_data();
    void click();
    void moveWithUnchangedHint_data();
    void moveWithUnchangedHint();

private:
    std::unique_ptr<TForm1> form_;
    std::unique_ptr<BaselineWindow> baseline_;
};

void WindowBench::click_data() {
    QTest::addColumn<int>("page");           // -1: the baseline window
    QTest::addColumn<QStringList>("fixed");  // field=text
    QTest::addColumn<QString>("selector");
    QTest::addColumn<QString>("alternating");  // the field whose text alternates
    QTest::addColumn<QStringList>("values");   // between these, giving different results

    QTest::newRow("baseline") << -1 << QStringList{} << QString() << QString()
                              << QStringList{"1", "1,5"};
    QTest::newRow("transfer / exhaust")
        << 0 << QStringList{"TimingEdit=120"} << "PoorthoogteRadioButton"
        << "DeckEdit" << QStringList{"1", "1,5"};
    QTest::newRow("intake") << 1 << QStringList{"TimingEdit1=130", "ZuigerlengteEdit=40"}
                            << "InlaathoogteRadioButton"
                            << "DeckEdit2" << QStringList{"1", "1,5"};
    QTest::newRow("port width") << 2 << QStringList{"BoringEdit=40"}
                                << "WerkelijkebreedteRadioButton"
                                << "PoortmapbreedteEdit" << QStringList{"20", "21"};
    QTest::newRow("speed") << 3 << QStringList{} << "SnelheidRadioButton"
                                 << "ToerenEdit" << QStringList{"8000", "9000"};
}

void WindowBench::click() {
    QFETCH(int, page);
    QFETCH(QStringList, fixed);
    QFETCH(QString, selector);
    QFETCH(QString, alternating);
    QFETCH(QStringList, values);

    QLineEdit* input = baseline_->input;
    QPushButton* button = baseline_->button;
    if (page >= 0) {
        form_->PageControl1->setCurrentIndex(page);
        QWidget& sheet = *form_->PageControl1->widget(page);
        for (const QString& assignment : fixed) {
            const QStringList parts = assignment.split(u'=');
            component<QLineEdit>(sheet, parts[0]).setText(parts[1]);
        }
        component<QRadioButton>(sheet, selector).setChecked(true);
        input = &component<QLineEdit>(sheet, alternating);
        button = sheet.findChild<QPushButton*>();
    }
    flushPaints();

    qsizetype turn = 0;
    QBENCHMARK {
        input->setText(values[turn++ % 2]);
        QTest::mouseClick(button, Qt::LeftButton);
        flushPaints();
    }
}

void WindowBench::moveWithUnchangedHint_data() {
    QTest::addColumn<bool>("baseline");
    QTest::newRow("baseline") << true;
    QTest::newRow("field with its hint shown") << false;
}

void WindowBench::moveWithUnchangedHint() {
    QFETCH(bool, baseline);
    QWidget* field = baseline_->output;
    if (!baseline) {
        form_->PageControl1->setCurrentWidget(form_->TabSheet4);
        field = &component<QLineEdit>(*form_, QStringLiteral("SnelheidEdit"));
    }
    QTest::mouseMove(field, QPoint(3, 3));
    flushPaints();
    if (!baseline) QVERIFY(!form_->StatusBar1->currentMessage().isEmpty());

    int turn = 0;
    QBENCHMARK {
        QTest::mouseMove(field, QPoint(2 + turn++ % 2, 3));
        flushPaints();
    }
}

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    TApplication Application(argc, argv);
    Application.Initialize();
    Application.setTitle(QString::fromUtf8(programTitle));
    WindowBench bench;
    return QTest::qExec(&bench, argc, argv);
}

#include "window_bench.moc"
