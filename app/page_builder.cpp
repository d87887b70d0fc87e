#include "page_builder.h"

#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "qstring_view.h"

namespace motrel::app {
namespace {

QString defaultText(const ControlRow& row, char decimalSeparator) {
    std::string text(row.text);
    if (row.decimalText) std::replace(text.begin(), text.end(), ',', decimalSeparator);
    return QString::fromStdString(text);
}

QWidget* createControl(QWidget& page, const ControlRow& row, char decimalSeparator,
                       QButtonGroup& selectors) {
    switch (row.kind) {
        case ControlKind::Label: {
            auto* label = new QLabel(toQString(row.text), &page);
            label->move(row.left, row.top);
            // Sized to its caption, trailing blanks included: they widen its hover area.
            const int captionWidth = label->fontMetrics().horizontalAdvance(label->text());
            label->resize(std::max(label->sizeHint().width(), captionWidth), row.height);
            return label;
        }
        case ControlKind::Edit: {
            auto* edit = new QLineEdit(defaultText(row, decimalSeparator), &page);
            edit->setGeometry(row.left, row.top, row.width, row.height);
            return edit;
        }
        case ControlKind::Selector: {
            auto* selector = new QRadioButton(&page);
            selector->setGeometry(row.left, row.top, row.width, row.height);
            selector->setFocusPolicy(Qt::ClickFocus);
            QObject::connect(selector, &QRadioButton::toggled, selector, [selector](bool on) {
                selector->setFocusPolicy(on ? Qt::StrongFocus : Qt::ClickFocus);
            });
            selectors.addButton(selector);
            return selector;
        }
        case ControlKind::CalcButton: {
            auto* button = new QPushButton(toQString(row.text), &page);
            button->setGeometry(row.left, row.top, row.width, row.height);
            button->setAutoDefault(false);
            button->setDefault(true);  // drawn with the default frame; the form does the rest
            return button;
        }
    }
    return nullptr;
}

}  // namespace

BuiltPage buildPage(QWidget& page, const PageTable& table, char decimalSeparator) {
    auto* selectors = new QButtonGroup(&page);
    selectors->setExclusive(true);

    BuiltPage built;
    std::vector<std::pair<int, QWidget*>> tabStops;
    for (const ControlRow& row : table.controls) {
        QWidget* control = createControl(page, row, decimalSeparator, *selectors);
        control->setObjectName(toQString(row.name));
        setBackgroundColour(*control, row.colour);
        if (row.tabOrder != noTabStop) tabStops.emplace_back(row.tabOrder, control);
        if (row.kind == ControlKind::CalcButton)
            built.calcButton = qobject_cast<QPushButton*>(control);
    }
    std::sort(tabStops.begin(), tabStops.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& stop : tabStops) built.tabSequence.append(stop.second);
    return built;
}

}  // namespace motrel::app
