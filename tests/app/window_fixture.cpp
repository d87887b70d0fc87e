#include "window_fixture.h"

#include <QAbstractButton>
#include <QPushButton>
#include <utility>

namespace motrel::app::testing {

ModalWatchdog::ModalWatchdog() {
    connect(&timer_, &QTimer::timeout, this, &ModalWatchdog::check);
    timer_.start(20);
}

QList<SeenDialog> ModalWatchdog::take() { return std::exchange(seen_, {}); }

void ModalWatchdog::check() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr) return;
    SeenDialog seen;
    seen.caption = modal->windowTitle();
    seen.applicationModal = modal->windowModality() == Qt::ApplicationModal;
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        seen.text = box->text();
        seen.textFormat = box->textFormat();
        seen.icon = box->icon();
        for (QAbstractButton* button : box->buttons()) seen.buttons.append(button->text());
        if (box->defaultButton()) seen.defaultButton = box->defaultButton()->text();
        if (box->escapeButton()) seen.escapeButton = box->escapeButton()->text();
    }
    seen_.append(seen);
    QTest::keyClick(modal, Qt::Key_Escape);
    if (QApplication::activeModalWidget() == modal) modal->close();
}

std::unique_ptr<TForm1> showForm(char decimalSeparator) {
    auto form = std::make_unique<TForm1>(decimalSeparator);
    form->show();
    if (!QTest::qWaitForWindowActive(form.get())) qWarning("the form did not become active");
    return form;
}

QString describe(const QList<SeenDialog>& dialogs) {
    QStringList lines;
    for (const SeenDialog& dialog : dialogs) {
        lines.append(QStringLiteral("[%1] %2").arg(dialog.caption, dialog.text));
    }
    return lines.join(QStringLiteral("; "));
}

}  // namespace motrel::app::testing
