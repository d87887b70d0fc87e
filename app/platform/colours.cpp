#include "platform/colours.h"

#include <QApplication>
#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>
#include <QWidget>
#include <array>
#include <utility>

namespace motrel::app {
namespace {

constexpr std::array paletteRoles{
    std::pair{TColor::clBtnFace, QPalette::Button},
    std::pair{TColor::clBtnHighlight, QPalette::Light},
    std::pair{TColor::clBtnText, QPalette::ButtonText},
    std::pair{TColor::clWindow, QPalette::Base},
    std::pair{TColor::clWindowText, QPalette::WindowText},
    std::pair{TColor::cl3DLight, QPalette::Midlight},
};

}  // namespace

QColor systemColour(TColor colour) {
    for (auto [name, role] : paletteRoles) {
        if (name == colour) return QApplication::palette().color(role);
    }
    return {};
}

void setBackgroundColour(QWidget& widget, TColor colour) {
    if (colour == TColor::clDefault) return;
    // Text controls paint their ground with Base, everything else with Window.
    const bool textControl =
        qobject_cast<QLineEdit*>(&widget) || qobject_cast<QPlainTextEdit*>(&widget);
    QPalette palette = widget.palette();
    palette.setColor(textControl ? QPalette::Base : QPalette::Window, systemColour(colour));
    widget.setPalette(palette);
    if (!textControl) widget.setAutoFillBackground(true);
}

}  // namespace motrel::app
