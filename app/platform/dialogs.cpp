#include "platform/dialogs.h"

#include <QMessageBox>
#include <QPushButton>

namespace motrel::app {
namespace {

// Messages are shown as typed: a quoted field text must never be taken for markup.
void showCritical(const QString& caption, const QString& message) {
    QMessageBox box(QMessageBox::Critical, caption, message, QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Ok);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    box.exec();
}

}  // namespace

void showErrorDialog(const QString& message) { showCritical(QStringLiteral("Error"), message); }

void showErrorBox(const QString& caption, const QString& message) {
    showCritical(caption, message);
}

}  // namespace motrel::app
