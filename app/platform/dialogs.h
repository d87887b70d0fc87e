// The program's two modal message windows.
#pragma once

#include <QString>

namespace motrel::app {

// The message dialog with the stop sign: caption "Error", one OK button that Enter and Escape
// both press, centred on the screen. Returns when it has been closed, whichever way.
void showErrorDialog(const QString& message);

// The error box for an error that left a handler: the given caption, the error icon and one
// OK button, owned by no window so that it blocks all of them.
void showErrorBox(const QString& caption, const QString& message);

}  // namespace motrel::app
