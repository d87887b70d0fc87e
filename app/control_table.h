// A calculator page as data: one row per control, as the page's control table gives it. The
// page builder turns the rows into widgets; nothing else places a control on these pages.
#pragma once

#include <span>
#include <string_view>

#include "platform/colours.h"

namespace motrel::app {

enum class ControlKind {
    Label,       // caption or unit label; sizes itself to its caption
    Edit,        // single-line field
    Selector,    // quantity selector: a captionless radio button of the page's group
    CalcButton,  // the page's CALC! button, its default button
};

inline constexpr int noTabStop = -1;

struct ControlRow {
    std::string_view name;  // component name, kept as the widget's objectName
    ControlKind kind;
    int left;
    int top;
    int width;
    int height;
    std::string_view text;  // caption or default text, blanks included
    int tabOrder;           // position in the page's tab sequence, or noTabStop
    TColor colour = TColor::clDefault;
    // The default text is a number written with a comma; it is written with the decimal
    // separator in force at start instead.
    bool decimalText = false;
};

struct PageTable {
    std::string_view sheet;  // TabSheet1 .. TabSheet4
    std::span<const ControlRow> controls;
};

}  // namespace motrel::app
