// Builds a calculator page from its control table.
#pragma once

#include <QList>

#include "control_table.h"

class QPushButton;
class QWidget;

namespace motrel::app {

struct BuiltPage {
    QList<QWidget*> tabSequence;  // the page's controls in tab order, selectors included
    QPushButton* calcButton = nullptr;
};

// Creates every control of the table on the page, at its place, with its text, colour and tab
// order. Default texts marked as decimal numbers are written with the given separator. The
// page's selectors form one exclusive group; a selector is a tab stop only while it is
// checked, though a click still checks and focuses it.
BuiltPage buildPage(QWidget& page, const PageTable& table, char decimalSeparator);

}  // namespace motrel::app
