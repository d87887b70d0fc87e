// Where the window meets the calculation library: the library's frame reads the fields, runs
// the computation of the checked selector and writes the result; this view only hands it the
// widgets of one page, found by their component names, and shows its empty-field dialog.
#pragma once

#include <QList>

#include "motrel/frame.h"

class QLineEdit;
class QRadioButton;
class QWidget;

namespace motrel::app {

class CalculatorPageView final : public motrel::PageView {
public:
    CalculatorPageView(QWidget& page, const motrel::PageDescription& description);

    const motrel::PageDescription& description() const { return description_; }

    std::string fieldText(std::size_t field) const override;
    void setFieldText(std::size_t field, const std::string& text) override;
    bool isSelectorChecked(std::size_t selector) const override;
    void showEmptyFieldDialog(std::string_view message) override;

private:
    const motrel::PageDescription& description_;
    QList<QLineEdit*> fields_;
    QList<QRadioButton*> selectors_;
};

}  // namespace motrel::app
