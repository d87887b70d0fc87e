// Field text <-> number. Both directions take the decimal separator as an argument; nothing
// here reads a locale or keeps state.
#pragma once

#include <string>
#include <string_view>

namespace motrel {

// Reads a field text as a number.
//   [blanks] [+|-] digits [sep digits] [(E|e) [+|-] exponent digits] [blanks]
// Blanks are spaces only. At least one digit or the separator must stand in the mantissa.
// Exponent digits are taken while the exponent so far is below 500; a digit left after that
// makes the text no number. The digits are accumulated exactly as value * 10 + digit in
// extended precision and scaled by ten to the power of (exponent - fraction digits).
// Returns an extended value, which may lie beyond the double range (storing it then raises
// EOverflow). Throws EConvertError, quoting the whole text, when the text is no number,
// including a value beyond the extended range.
long double readNumber(std::string_view text, char separator);

// Writes a 64-bit value with the pattern "#.##": at most two decimals, no trailing zeros, no
// leading zero before the separator, and an empty text for a value that rounds to 0 (below
// 0.001 in magnitude; from 0.001 to below 0.005 it is the separator and "00"). The value is
// first taken to 18 significant digits (ties to even), then rounded to two decimals half away
// from zero. From 1E18 on, general notation with 15 significant digits: "1,5E20".
// Never fails; every non-empty text it writes reads back with the same separator.
std::string formatResult(double value, char separator);

// The separator in force, from what the platform reports: its only character, or "." when it
// reports nothing or more than one character (bytes).
char decimalSeparatorFrom(std::string_view platformSeparator);

// The text of the error box: the message with a full stop appended when its last character's
// code is above that of "." (46).
std::string errorBoxText(std::string_view message);

}  // namespace motrel
