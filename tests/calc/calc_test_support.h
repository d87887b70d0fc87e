// Helpers shared by the calculation tests: a recording page view, the outcome of one click, and
// full-precision printing of values.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <iomanip>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include "motrel/errors.h"
#include "motrel/extended.h"
#include "motrel/frame.h"
#include "motrel/number_text.h"

namespace motrel::testing {

// Every digit of a long double (21 significant digits show all 64 bits of its significand).
inline std::string fullPrecision(long double value) {
    std::ostringstream out;
    out << std::setprecision(21) << value;
    return out.str();
}

// A window stand-in for one page: holds the field texts and the checked selector, and records
// every read, write and dialog the frame makes.
class FakeView : public PageView {
public:
    FakeView(const PageDescription& page, std::vector<std::string> initialTexts)
        : texts(std::move(initialTexts)), selectorCount_(page.selectors.size()) {
        EXPECT_EQ(texts.size(), page.fields.size()) << "a text for every field of the page";
    }

    std::string fieldText(std::size_t field) const override {
        reads.push_back(field);
        return texts.at(field);
    }
    void setFieldText(std::size_t field, const std::string& text) override {
        writes.emplace_back(field, text);
        texts.at(field) = text;
    }
    bool isSelectorChecked(std::size_t selector) const override {
        EXPECT_LT(selector, selectorCount_);
        return checked == selector;
    }
    void showEmptyFieldDialog(std::string_view message) override { dialogs.emplace_back(message); }

    std::vector<std::string> texts;
    std::optional<std::size_t> checked;  // the one checked selector, if any
    mutable std::vector<std::size_t> reads;
    std::vector<std::pair<std::size_t, std::string>> writes;
    std::vector<std::string> dialogs;

private:
    std::size_t selectorCount_;
};

// Names a parameterized test after its row's `name`.
struct RowName {
    template <typename Row>
    std::string operator()(const ::testing::TestParamInfo<Row>& row) const {
        return row.param.name;
    }
};

// Names a test over (row, separator) after the row and the separator.
struct RowAndSeparatorName {
    template <typename Row>
    std::string operator()(const ::testing::TestParamInfo<std::tuple<Row, char>>& row) const {
        return std::string(std::get<0>(row.param).name) +
               (std::get<1>(row.param) == ',' ? "_comma" : "_fullStop");
    }
};

// The index of the selector with this component name in the page's testing order.
inline std::size_t selectorNamed(const PageDescription& page, std::string_view name) {
    for (std::size_t i = 0; i < page.selectors.size(); ++i) {
        if (page.selectors[i].name == name) return i;
    }
    ADD_FAILURE() << "the page has no selector " << name;
    return 0;
}

// How a click ended, as far as the window can tell.
enum class Fault { none, convert, zeroDivide, invalidOp, overflow };

inline const char* faultName(Fault fault) {
    switch (fault) {
        case Fault::none:
            return "none";
        case Fault::convert:
            return "EConvertError";
        case Fault::zeroDivide:
            return "EZeroDivide";
        case Fault::invalidOp:
            return "EInvalidOp";
        case Fault::overflow:
            return "EOverflow";
    }
    return "?";
}

inline void PrintTo(Fault fault, std::ostream* out) { *out << faultName(fault); }

struct ClickOutcome {
    Fault fault = Fault::none;
    std::string message;  // the error's message, empty without an error
};

// Runs one click and turns the error that leaves it, if any, into a value.
inline ClickOutcome click(const PageDescription& page, FakeView& view, char separator) {
    try {
        runCalculation(page, view, separator);
        return {};
    } catch (const EConvertError& e) {
        return {Fault::convert, e.what()};
    } catch (const EZeroDivide& e) {
        return {Fault::zeroDivide, e.what()};
    } catch (const EInvalidOp& e) {
        return {Fault::invalidOp, e.what()};
    } catch (const EOverflow& e) {
        return {Fault::overflow, e.what()};
    }
}

// Runs a computation and names the fault it raises, if any.
template <typename Compute>
Fault faultOf(Compute compute) {
    try {
        compute();
        return Fault::none;
    } catch (const EZeroDivide&) {
        return Fault::zeroDivide;
    } catch (const EInvalidOp&) {
        return Fault::invalidOp;
    } catch (const EOverflow&) {
        return Fault::overflow;
    }
}

// Whether `value` starts with the decimal digits given, e.g. "31.107854" for 31.107854...;
// the sign must match too ("-3.732780" for -3.732780...).
inline ::testing::AssertionResult startsWithDigits(long double value, const char* digits) {
    const std::string_view text(digits);
    const bool negative = text.front() == '-';
    const auto point = text.find('.');
    const int decimals =
        point == std::string_view::npos ? 0 : static_cast<int>(text.size() - point - 1);
    const long double low = std::fabs(std::strtold(digits, nullptr));
    const long double step = std::pow(10.0L, -decimals);
    const long double magnitude = std::fabs(value);
    const bool signOk = std::signbit(value) == negative;
    // A little slack below for the decimal digits' own rounding in `low`.
    if (signOk && magnitude >= low * (1 - 1e-17L) && magnitude < low + step) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << fullPrecision(value) << " does not start with " << digits;
}

// What a computation must give, once its result is stored as a double.
struct Expected {
    Fault fault = Fault::none;
    const char* digits = nullptr;  // leading digits of the stored value, e.g. "31.107854"
    const char* text = nullptr;    // the written text, comma separator
    std::optional<double> exact = std::nullopt;  // the stored value itself
};

// Stores the computation's result as the frame does and checks it against `expected`.
template <typename Compute>
void expectResult(Compute compute, const Expected& expected) {
    double stored = 0;
    const Fault fault = faultOf([&] { stored = roundToDouble(compute()); });
    ASSERT_EQ(fault, expected.fault);
    if (fault != Fault::none) return;
    if (expected.digits) {
        EXPECT_TRUE(startsWithDigits(stored, expected.digits));
    }
    if (expected.text) {
        EXPECT_EQ(formatResult(stored, ','), expected.text) << fullPrecision(stored);
    }
    if (expected.exact) {
        EXPECT_EQ(stored, *expected.exact)
            << "expected " << fullPrecision(*expected.exact) << ", got " << fullPrecision(stored);
    }
}

// One click on a page, from the texts given: the selected field's new text, or the error, or
// the empty-field dialog.
struct PageCase {
    const char* name;
    std::vector<std::string> texts;
    const char* selector;  // nullptr: none checked
    Fault fault = Fault::none;
    std::string_view expected = {};  // the selected field's new text, or the error's message
    bool dialog = false;             // the empty-field dialog, and nothing written
};

inline void PrintTo(const PageCase& row, std::ostream* out) { *out << row.name; }

inline void expectClick(const PageDescription& page, const PageCase& row) {
    FakeView view(page, row.texts);
    if (row.selector) view.checked = selectorNamed(page, row.selector);

    const ClickOutcome outcome = click(page, view, ',');

    EXPECT_EQ(outcome.fault, row.fault);
    std::vector<std::string> expectedTexts = row.texts;
    if (row.fault != Fault::none) {
        EXPECT_EQ(outcome.message, row.expected);
    } else if (!row.dialog && view.checked) {
        expectedTexts[page.selectors[*view.checked].target] = row.expected;
    }
    EXPECT_EQ(view.texts, expectedTexts);
    if (row.dialog) {
        EXPECT_EQ(view.dialogs, std::vector<std::string>{std::string(page.emptyFieldMessage)});
    } else {
        EXPECT_TRUE(view.dialogs.empty());
    }
}

}  // namespace motrel::testing
