#include "page_tables.h"

#include <array>

namespace motrel::app {
namespace {

using enum ControlKind;
using enum TColor;

// Rows in creation order. Selectors are 17 pixels wide, so they show only their circle and
// carry no caption.
constexpr std::array transferExhaust{
    ControlRow{"Label12", Label, 40, 8, 34, 13, "Timing:", noTabStop},
    ControlRow{"Label13", Label, 40, 49, 61, 13, "Port height:", noTabStop},
    ControlRow{"Label14", Label, 40, 88, 29, 13, "Deck:", noTabStop},
    ControlRow{"Label15", Label, 40, 128, 24, 13, "Strk:", noTabStop},
    ControlRow{"Label16", Label, 40, 168, 76, 13, "Connecting rod:  ", noTabStop},
    ControlRow{"Label17", Label, 168, 32, 33, 13, "deg.  ", noTabStop},
    ControlRow{"Label18", Label, 168, 72, 16, 13, "mm", noTabStop},
    ControlRow{"Label19", Label, 168, 112, 16, 13, "mm", noTabStop},
    ControlRow{"Label20", Label, 168, 152, 16, 13, "mm", noTabStop},
    ControlRow{"Label21", Label, 168, 192, 16, 13, "mm", noTabStop},
    ControlRow{"TimingEdit", Edit, 40, 24, 121, 21, "", 1},
    ControlRow{"PoorthoogteEdit", Edit, 40, 64, 121, 21, "", 3},
    ControlRow{"DeckEdit", Edit, 40, 104, 121, 21, "", 4},
    ControlRow{"SlagEdit", Edit, 40, 144, 121, 21, "38", 5},
    ControlRow{"DrijfstanglengteEdit", Edit, 40, 184, 121, 21, "85", 6},
    ControlRow{"TimingRadioButton", Selector, 24, 28, 17, 17, "", 0},
    ControlRow{"PoorthoogteRadioButton", Selector, 24, 68, 17, 17, "", 2},
    ControlRow{"Button1", CalcButton, 64, 216, 75, 25, " CALC! ", 7},
};

constexpr std::array intake{
    ControlRow{"Label23", Label, 168, 232, 16, 13, "mm", noTabStop},
    ControlRow{"Label24", Label, 40, 208, 76, 13, "Connecting rod:  ", noTabStop},
    ControlRow{"Label25", Label, 40, 168, 24, 13, "Strk:", noTabStop},
    ControlRow{"Label26", Label, 168, 192, 16, 13, "mm", noTabStop},
    ControlRow{"Label27", Label, 168, 112, 16, 13, "mm", noTabStop},
    ControlRow{"Label28", Label, 40, 88, 62, 13, "Piston length", noTabStop},
    ControlRow{"Label29", Label, 40, 49, 62, 13, "Intake height", noTabStop},
    ControlRow{"Label30", Label, 168, 72, 16, 13, "mm", noTabStop},
    ControlRow{"Label31", Label, 168, 32, 33, 13, "deg.  ", noTabStop},
    ControlRow{"Label32", Label, 40, 8, 34, 13, "Timing:", noTabStop},
    ControlRow{"Label33", Label, 40, 128, 29, 13, "Deck:", noTabStop},
    ControlRow{"Label34", Label, 168, 152, 16, 13, "mm", noTabStop},
    ControlRow{"Button2", CalcButton, 64, 256, 75, 25, " CALC! ", 9},
    ControlRow{"DrijfstangEdit2", Edit, 40, 224, 121, 21, "85", 8},
    ControlRow{"SlagEdit2", Edit, 40, 184, 121, 21, "38", 7},
    ControlRow{"ZuigerlengteEdit", Edit, 40, 104, 121, 21, "", 5},
    ControlRow{"InlaathoogteEdit", Edit, 40, 64, 121, 21, "", 3},
    ControlRow{"TimingEdit1", Edit, 40, 24, 121, 21, "", 1},
    ControlRow{"DeckEdit2", Edit, 40, 144, 121, 21, "", 6},
    ControlRow{"TimingRadioButton1", Selector, 24, 28, 17, 17, "", 0},
    ControlRow{"InlaathoogteRadioButton", Selector, 24, 68, 17, 17, "", 2},
    ControlRow{"ZuigerlengteRadioButton", Selector, 24, 108, 17, 17, "", 4},
};

// Here the selectors come after the CALC! button in the tab sequence.
constexpr std::array portWidth{
    ControlRow{"Label35", Label, 40, 8, 92, 13, "Actual width:      ", noTabStop},
    ControlRow{"WerkelijkebreedteRadioButton", Selector, 24, 28, 17, 17, "", 4},
    ControlRow{"WerkelijkebreedteEdit", Edit, 40, 24, 121, 21, "", 0, clWindow},
    ControlRow{"Label39", Label, 168, 32, 16, 13, "mm", noTabStop},
    ControlRow{"Label36", Label, 40, 48, 84, 13, "Port-map width: ", noTabStop},
    ControlRow{"PoortmapbreedteRadioButton", Selector, 24, 68, 17, 17, "", 5},
    ControlRow{"PoortmapbreedteEdit", Edit, 40, 64, 121, 21, "", 1, clWindow},
    ControlRow{"Label40", Label, 168, 72, 16, 13, "mm", noTabStop},
    ControlRow{"Label38", Label, 40, 88, 33, 13, "Bore:  ", noTabStop},
    ControlRow{"BoringEdit", Edit, 40, 104, 121, 21, "", 2, clWindow},
    ControlRow{"Label41", Label, 168, 112, 16, 13, "mm", noTabStop},
    ControlRow{"Button3", CalcButton, 64, 136, 75, 25, " CALC! ", 3},
};

constexpr std::array speed{
    ControlRow{"Label1", Label, 40, 8, 44, 13, "Speed:   ", noTabStop},
    ControlRow{"Label2", Label, 40, 48, 37, 13, "RPM:   ", noTabStop},
    ControlRow{"Label3", Label, 40, 88, 64, 13, "Front sprkt: ", noTabStop},
    ControlRow{"Label4", Label, 40, 128, 73, 13, "Rear sprkt:    ", noTabStop},
    ControlRow{"Label5", Label, 40, 169, 92, 13, "Intern. gear ratio:", noTabStop},
    ControlRow{"Label6", Label, 40, 208, 37, 13, "Circum:", noTabStop},
    ControlRow{"Label7", Label, 168, 32, 25, 13, "km/h", noTabStop},
    ControlRow{"Label8", Label, 168, 72, 17, 13, "rpm", noTabStop},
    ControlRow{"Label9", Label, 168, 112, 33, 13, "tooth ", noTabStop},
    ControlRow{"Label10", Label, 168, 152, 33, 13, "tooth ", noTabStop},
    ControlRow{"Label11", Label, 168, 232, 8, 13, "m", noTabStop},
    ControlRow{"SnelheidEdit", Edit, 40, 24, 121, 21, "", 1, clBtnHighlight},
    ControlRow{"ToerenEdit", Edit, 40, 64, 121, 21, "", 3, clBtnHighlight},
    ControlRow{"VoortandwielEdit", Edit, 40, 104, 121, 21, "10", 5, clBtnHighlight},
    ControlRow{"AchtertandwielEdit", Edit, 40, 144, 121, 21, "44", 7, clBtnHighlight},
    ControlRow{"InterneverhoudingEdit", Edit, 40, 184, 121, 21, "4,1    ", 8, clBtnHighlight, true},
    ControlRow{"SnelheidRadioButton", Selector, 24, 26, 17, 17, "", 0},
    ControlRow{"ToerenRadioButton", Selector, 24, 66, 17, 17, "", 2},
    ControlRow{"VoortandwielRadioButton", Selector, 24, 106, 17, 17, "", 4},
    ControlRow{"AchtertandwielRadioButton", Selector, 24, 146, 17, 17, "", 6},
    ControlRow{"Button4", CalcButton, 64, 256, 75, 25, " CALC! ", 10},
    ControlRow{"OmtrekEdit", Edit, 40, 224, 121, 21, "2,15", 9, clBtnHighlight, true},
};

}  // namespace

const PageTable& transferExhaustTable() {
    static constexpr PageTable table{"TabSheet1", transferExhaust};
    return table;
}

const PageTable& intakeTable() {
    static constexpr PageTable table{"TabSheet2", intake};
    return table;
}

const PageTable& portWidthTable() {
    static constexpr PageTable table{"TabSheet3", portWidth};
    return table;
}

const PageTable& speedTable() {
    static constexpr PageTable table{"TabSheet4", speed};
    return table;
}

}  // namespace motrel::app
