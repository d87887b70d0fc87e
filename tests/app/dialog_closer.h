// Closes the modal dialogs of a random session, each the way the session chose for it: the
// OK button, Enter, Escape or the window's close button.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <QWindow>
#include <QtTest>

namespace motrel::app::testing {

enum class CloseWay { OkButton, Enter, Escape, CloseButton };

inline QString describe(CloseWay way) {
    switch (way) {
        case CloseWay::OkButton:
            return QStringLiteral("OK clicked");
        case CloseWay::Enter:
            return QStringLiteral("Enter");
        case CloseWay::Escape:
            return QStringLiteral("Escape");
        case CloseWay::CloseButton:
            return QStringLiteral("close button");
    }
    return {};
}

// A modal dialog runs its own loop, so its closing is arranged before the action that may
// open it: while armed, every turn of any event loop looks for a dialog and closes it the
// chosen way. A dialog that does not close that way is recorded and then closed by force.
class DialogCloser : public QObject {
public:
    struct Seen {
        QString caption;
        QString text;
    };

    DialogCloser() {
        timer_.setInterval(0);
        connect(&timer_, &QTimer::timeout, this, &DialogCloser::check);
    }

    void arm(CloseWay way) {
        way_ = way;
        seen_.clear();
        faults_.clear();
        timer_.start();
    }
    void disarm() { timer_.stop(); }

    const QList<Seen>& seen() const { return seen_; }
    const QStringList& faults() const { return faults_; }

private:
    void check() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) return;
        auto* box = qobject_cast<QMessageBox*>(modal);
        seen_.append({modal->windowTitle(), box ? box->text() : QString()});
        close(*modal);
        if (QApplication::activeModalWidget() != modal) return;
        faults_.append(QStringLiteral("the dialog '%1' stayed open after %2")
                           .arg(modal->windowTitle(), describe(way_)));
        if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            dialog->done(QDialog::Rejected);
        } else {
            modal->hide();
        }
    }

    void close(QWidget& modal) {
        // Keys go where the user's keys would: to the dialog's focused button.
        QWidget* focused = modal.focusWidget() ? modal.focusWidget() : &modal;
        switch (way_) {
            case CloseWay::OkButton: {
                auto* box = qobject_cast<QMessageBox*>(&modal);
                QAbstractButton* ok = box ? box->button(QMessageBox::Ok) : nullptr;
                if (ok == nullptr) {
                    faults_.append(QStringLiteral("the dialog has no OK button"));
                    return;
                }
                QTest::mouseClick(ok, Qt::LeftButton);
                return;
            }
            case CloseWay::Enter:
                QTest::keyClick(focused, Qt::Key_Return);
                return;
            case CloseWay::Escape:
                QTest::keyClick(focused, Qt::Key_Escape);
                return;
            case CloseWay::CloseButton:
                // As the window manager's close button: a close request to the window.
                if (QWindow* window = modal.windowHandle()) {
                    window->close();
                } else {
                    modal.close();
                }
                return;
        }
    }

    QTimer timer_;
    CloseWay way_ = CloseWay::Escape;
    QList<Seen> seen_;
    QStringList faults_;
};

}  // namespace motrel::app::testing
