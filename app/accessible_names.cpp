#include "accessible_names.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <array>
#include <string_view>

#include "field_controls.h"
#include "qstring_view.h"

namespace motrel::app {
namespace {

constexpr std::array calcButtons{"Button1", "Button2", "Button3", "Button4"};
constexpr std::string_view calcDescription =
    "Computes the selected quantity from the other fields of this page.";

template <class Control>
Control* find(QWidget& form, std::string_view name) {
    if (name.empty()) return nullptr;
    auto* control = form.findChild<Control*>(toQString(name));
    if (control == nullptr) qFatal("no control %s to describe", name.data());
    return control;
}

// "Speed" becomes "speed" inside a sentence; an abbreviation such as "RPM" stays as it is.
QString inSentence(QString caption) {
    if (caption.size() > 1 && caption.at(1).isLower()) caption[0] = caption.at(0).toLower();
    return caption;
}

}  // namespace

QString spokenCaption(const QLabel& label) {
    QString caption = label.text().trimmed();
    if (caption.endsWith(u':')) caption.chop(1);
    return caption.trimmed();
}

void describeForAssistiveTechnology(QWidget& form) {
    for (const FieldControls& controls : fieldControls()) {
        auto* field = find<QLineEdit>(form, controls.field);
        auto* captionLabel = find<QLabel>(form, controls.caption);
        const QString caption = spokenCaption(*captionLabel);
        const auto* unitLabel = find<QLabel>(form, controls.unit);
        const QString unit = unitLabel ? spokenCaption(*unitLabel) : QString();
        const QString description = toQString(controls.hint).trimmed();

        field->setAccessibleName(unit.isEmpty() ? caption : caption + u' ' + unit);
        field->setAccessibleDescription(description);
        captionLabel->setBuddy(field);
        if (auto* selector = find<QRadioButton>(form, controls.selector)) {
            selector->setAccessibleName(
                QStringLiteral("Select %1 to compute").arg(inSentence(caption)));
            selector->setAccessibleDescription(description);
        }
    }
    for (std::string_view name : calcButtons) {
        auto* button = find<QPushButton>(form, name);
        button->setAccessibleName(button->text().trimmed());
        button->setAccessibleDescription(toQString(calcDescription));
    }
}

}  // namespace motrel::app
