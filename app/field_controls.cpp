#include "field_controls.h"

#include <algorithm>
#include <array>

#include "hint_texts.h"

namespace motrel::app {
namespace {

constexpr std::array fields{
    // Transfer / Exhaust
    FieldControls{"TimingEdit", "Label12", "Label17", "TimingRadioButton", hint::timing},
    FieldControls{"PoorthoogteEdit", "Label13", "Label18", "PoorthoogteRadioButton",
                  hint::portHeight},
    FieldControls{"DeckEdit", "Label14", "Label19", "", hint::deck},
    FieldControls{"SlagEdit", "Label15", "Label20", "", hint::stroke},
    FieldControls{"DrijfstanglengteEdit", "Label16", "Label21", "", hint::connectingRod},
    // Intake
    FieldControls{"TimingEdit1", "Label32", "Label31", "TimingRadioButton1", hint::intakeTiming},
    FieldControls{"InlaathoogteEdit", "Label29", "Label30", "InlaathoogteRadioButton",
                  hint::intakeHeight},
    FieldControls{"ZuigerlengteEdit", "Label28", "Label27", "ZuigerlengteRadioButton",
                  hint::pistonLength},
    FieldControls{"DeckEdit2", "Label33", "Label34", "", hint::deck},
    FieldControls{"SlagEdit2", "Label25", "Label26", "", hint::stroke},
    FieldControls{"DrijfstangEdit2", "Label24", "Label23", "", hint::connectingRod},
    // Port width
    FieldControls{"WerkelijkebreedteEdit", "Label35", "Label39", "WerkelijkebreedteRadioButton",
                  hint::actualWidth},
    FieldControls{"PoortmapbreedteEdit", "Label36", "Label40", "PoortmapbreedteRadioButton",
                  hint::portMapWidth},
    FieldControls{"BoringEdit", "Label38", "Label41", "", hint::bore},
    // Speed , RPM
    FieldControls{"SnelheidEdit", "Label1", "Label7", "SnelheidRadioButton", hint::speed},
    FieldControls{"ToerenEdit", "Label2", "Label8", "ToerenRadioButton", hint::rpm},
    FieldControls{"VoortandwielEdit", "Label3", "Label9", "VoortandwielRadioButton",
                  hint::frontSprocket},
    FieldControls{"AchtertandwielEdit", "Label4", "Label10", "AchtertandwielRadioButton",
                  hint::rearSprocket},
    FieldControls{"InterneverhoudingEdit", "Label5", "", "", hint::gearRatio},
    FieldControls{"OmtrekEdit", "Label6", "Label11", "", hint::circumference},
};

}  // namespace

std::span<const FieldControls> fieldControls() { return fields; }

const FieldControls* controlsOfField(std::string_view field) {
    const auto* row = std::find_if(fields.begin(), fields.end(),
                                   [field](const FieldControls& c) { return c.field == field; });
    return row == fields.end() ? nullptr : row;
}

}  // namespace motrel::app
