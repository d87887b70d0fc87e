// The status line's hover texts and the About page's link: what the pointer shows and opens.
#include <QDesktopServices>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTabWidget>
#include <QUrl>

#include "window_fixture.h"

using namespace motrel::app;
using namespace motrel::app::testing;

namespace {

// A move without a button, sent to the control as the window system would.
void moveOver(QWidget& control, QPoint position) {
    QWidget& target = qobject_cast<QPlainTextEdit*>(&control)
                          ? *static_cast<QPlainTextEdit&>(control).viewport()
                          : control;
    QMouseEvent move(QEvent::MouseMove, position, target.mapToGlobal(position), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &move);
}

void moveOver(QWidget& control) { moveOver(control, QPoint(2, 2)); }

}  // namespace

class HintTest : public QObject {
    Q_OBJECT

public slots:
    void receiveUrl(const QUrl& url) { opened_.append(url); }

private slots:
    void init() { form_ = showForm(','); }
    void cleanup() {
        form_.reset();
        opened_.clear();
        const QList<SeenDialog> unexpected = watchdog_.take();
        QVERIFY2(unexpected.isEmpty(), qPrintable(describe(unexpected)));
    }

    void movingOverAControlShowsItsHint_data();
    void movingOverAControlShowsItsHint();
    void trailingBlanksOfACaptionWidenItsHoverArea();
    void anUnchangedHintDoesNotRepaintTheStatusBar();
    void aLinkMovesBetweenPlainAndHighlighted();
    void eachClickOpensItsAddressOnce_data();
    void eachClickOpensItsAddressOnce();
    void tabNeverReachesEitherLink();

private:
    std::unique_ptr<TForm1> form_;
    ModalWatchdog watchdog_;
    QList<QUrl> opened_;
};

void HintTest::movingOverAControlShowsItsHint_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("expected");

    const QString deck =
        QStringLiteral("Distance between piston top edge and cylinder top at TDC in mm.  ");
    const QString page = QStringLiteral("Hold the cursor on a field for information.");
    const QString speed = QStringLiteral("Speed of the bike in km per hour. ");
    QTest::newRow("field") << 0 << "TimingEdit"
                           << "Transfer / exhaust port timing in degrees of the crankshaft.";
    QTest::newRow("stroke field, ten trailing blanks") << 0 << "SlagEdit"
                                                       << "Stroke of the piston in mm.          ";
    QTest::newRow("deck caption on Intake, shared text") << 1 << "Label33" << deck;
    QTest::newRow("deck unit on Intake") << 1 << "Label34" << deck;
    QTest::newRow("piston length field") << 1 << "ZuigerlengteEdit"
                                         << "Length of the piston skirt on intake side. ";
    QTest::newRow("port-map unit label")
        << 2 << "Label40"
        << "The width of the port measured on the port-map diagram in millimeters.       ";
    QTest::newRow("rpm caption") << 3 << "Label2"
                                 << "Crankshaft revolutions per minute.         ";
    QTest::newRow("Transfer / Exhaust background") << 0 << "TabSheet1" << page;
    QTest::newRow("Port width background") << 2 << "TabSheet3" << page;
    // Controls without a handler leave the text of the last one.
    QTest::newRow("selector") << 3 << "SnelheidRadioButton" << speed;
    QTest::newRow("CALC! button") << 3 << "Button4" << speed;
    QTest::newRow("status bar") << 3 << "StatusBar1" << speed;
    QTest::newRow("memo") << 4 << "Memo1" << speed;
    QTest::newRow("group box") << 4 << "GroupBox1" << speed;
    QTest::newRow("About background clears") << 4 << "TabSheet5" << QString();
    QTest::newRow("picture") << 4 << "Image1"
                             << "Klick to visit my website.          ";
}

// State: the speed field's hint on the status line. Action: a move over the control.
// Expected: the control's own hint, or the speed hint where the control has none.
void HintTest::movingOverAControlShowsItsHint() {
    QFETCH(int, page);
    QFETCH(QString, control);
    QFETCH(QString, expected);
    form_->PageControl1->setCurrentIndex(3);
    moveOver(component<QWidget>(*form_, "SnelheidEdit"));
    form_->PageControl1->setCurrentIndex(page);
    moveOver(component<QWidget>(*form_, qPrintable(control)));
    QCOMPARE(form_->StatusBar1->currentMessage(), expected);
}

void HintTest::trailingBlanksOfACaptionWidenItsHoverArea() {
    form_->PageControl1->setCurrentIndex(0);
    auto& label = component<QLabel>(*form_, "Label16");
    QVERIFY(label.width() >= label.fontMetrics().horizontalAdvance(label.text()));
    QVERIFY(label.width() >
            label.fontMetrics().horizontalAdvance(QStringLiteral("Connecting rod:")));
    // Over the blanks, right of the colon.
    moveOver(label, QPoint(label.width() - 1, 2));
    QCOMPARE(form_->StatusBar1->currentMessage(),
             QStringLiteral("Length of the connecting rod from center to center in mm.    "));
}

namespace {
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};
}  // namespace

void HintTest::anUnchangedHintDoesNotRepaintTheStatusBar() {
    form_->PageControl1->setCurrentIndex(0);
    PaintCounter counter;
    form_->StatusBar1->installEventFilter(&counter);
    moveOver(component<QWidget>(*form_, "DeckEdit"));
    QTRY_VERIFY(counter.paints > 0);
    counter.paints = 0;
    // The caption and the unit label carry the same text as the field.
    moveOver(component<QWidget>(*form_, "Label14"));
    moveOver(component<QWidget>(*form_, "Label19"));
    QTest::qWait(50);
    QCOMPARE(counter.paints, 0);
}

void HintTest::aLinkMovesBetweenPlainAndHighlighted() {
    QLabel& link = *form_->StaticText1;
    const auto colour = [&] { return link.palette().color(QPalette::WindowText); };
    QCOMPARE(colour(), QApplication::palette().color(QPalette::ButtonText));
    QVERIFY(!link.font().underline());

    moveOver(link);
    QCOMPARE(colour(), QColor(0, 0, 128));
    QVERIFY(link.font().underline());
    // Leaving by anything but the memo keeps the highlight.
    moveOver(*form_->GroupBox1);
    moveOver(*form_->TabSheet5);
    form_->PageControl1->setCurrentIndex(0);
    form_->PageControl1->setCurrentIndex(4);
    QVERIFY(link.font().underline());

    moveOver(*form_->Memo1);
    QCOMPARE(colour(), QApplication::palette().color(QPalette::WindowText));
    QVERIFY(!link.font().underline());
    QCOMPARE(form_->StatusBar1->currentMessage(), QString());
}

void HintTest::eachClickOpensItsAddressOnce_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QUrl>("expected");
    QTest::newRow("picture") << "Image1" << QUrl(QStringLiteral("http://www.dorvik.example"));
    // The written address ends in four blanks; the browser gets it without them.
    QTest::newRow("here") << "StaticText1"
                          << QUrl(QStringLiteral(
                                 "http://www.moped-enthusiasts.example/motrel_calculator.php"));
}

void HintTest::eachClickOpensItsAddressOnce() {
    QFETCH(QString, control);
    QFETCH(QUrl, expected);
    QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "receiveUrl");
    QTest::mouseClick(&component<QWidget>(*form_, qPrintable(control)), Qt::LeftButton, {},
                      QPoint(3, 3));
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    QCOMPARE(opened_, QList<QUrl>{expected});
    QCOMPARE(form_->PageControl1->currentWidget(), form_->TabSheet5);
}

void HintTest::tabNeverReachesEitherLink() {
    for (int press = 0; press < 6; ++press) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY(QApplication::focusWidget() != form_->StaticText1);
        QVERIFY(QApplication::focusWidget() != form_->Image1);
    }
}

int main(int argc, char** argv) { return runWindowTests<HintTest>(argc, argv); }

#include "hint_test.moc"
