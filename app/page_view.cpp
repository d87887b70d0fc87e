#include "page_view.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QWidget>

#include "platform/dialogs.h"

namespace motrel::app {
namespace {

QString qText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A name the page does not hold is a fault in the control tables, found at start.
template <class Control>
Control* component(QWidget& page, std::string_view name) {
    auto* control = page.findChild<Control*>(qText(name));
    if (control == nullptr) {
        qFatal("%s has no component %s", qPrintable(page.objectName()), qPrintable(qText(name)));
    }
    return control;
}

}  // namespace

CalculatorPageView::CalculatorPageView(QWidget& page, const motrel::PageDescription& description)
    : description_(description) {
    for (std::string_view name : description.fields) {
        fields_.append(component<QLineEdit>(page, name));
    }
    for (const motrel::Selector& selector : description.selectors) {
        selectors_.append(component<QRadioButton>(page, selector.name));
    }
}

std::string CalculatorPageView::fieldText(std::size_t field) const {
    return fields_.at(static_cast<qsizetype>(field))->text().toStdString();
}

void CalculatorPageView::setFieldText(std::size_t field, const std::string& text) {
    fields_.at(static_cast<qsizetype>(field))->setText(QString::fromStdString(text));
}

bool CalculatorPageView::isSelectorChecked(std::size_t selector) const {
    return selectors_.at(static_cast<qsizetype>(selector))->isChecked();
}

void CalculatorPageView::showEmptyFieldDialog(std::string_view message) {
    showErrorDialog(qText(message));
}

}  // namespace motrel::app
