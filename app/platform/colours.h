// The named system colours the window is described with, taken from the toolkit's palette so
// that they follow the desktop's colour scheme.
#pragma once

#include <QColor>

class QWidget;

namespace motrel::app {

enum class TColor {
    clDefault,  // the control's own colour; nothing is set
    clBtnFace,
    clBtnHighlight,
    clBtnText,
    clWindow,
    clWindowText,
    cl3DLight,
};

QColor systemColour(TColor colour);

// Sets a control's background: the face of a panel or page, the ground of an edit field.
void setBackgroundColour(QWidget& widget, TColor colour);

}  // namespace motrel::app
