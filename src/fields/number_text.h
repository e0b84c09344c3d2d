// Text form of numbers in the window: two display blanks, general format with a decimal comma,
// results cut (not rounded) to two or one decimals; and the rules every numeric field applies to
// its text while the user types and when the field is left.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zeltar::fields {

inline constexpr std::string_view kDisplayBlanks = "  ";

// General format: the shortest text showing the value with at most 15 significant digits, decimal
// comma, no trailing zeros, a leading "-" for negatives; zero (also a negative zero) is "0".
std::string FormatGeneral(double value);
// The display form of a committed number or a result: two blanks and the general format.
std::string DisplayText(double value);

// The fewest decimal digits that read back to exactly the same double (decimal comma, no exponent,
// "-" for negatives): a number that must survive a text unchanged.
std::string ShortestText(double value);

// Round to the nearest integer, a half going to the even neighbour (12.5 -> 12, 13.5 -> 14).
double RoundHalfEven(double value);
// Cut toward zero to the given number of decimals, working on the number's 15-significant-digit
// decimal form (the form the display uses), so that 0.29 stays 0.29 and is not cut to 0.28.
double CutToDecimals(double value, int decimals);
// Display text of a result cut to the given number of decimals («  1,23»).
std::string ResultText(double value, int decimals = 2);

// Decimal conversion of a field text: leading and trailing blanks skipped, decimal comma, optional
// sign and exponent. Anything else, and values that are not finite, give nullopt.
std::optional<double> ParseDecimal(std::string_view text);
// Whole-number conversion: leading blanks skipped, optional sign, digits only, 32-bit range.
std::optional<std::int32_t> ParseInteger(std::string_view text);

// Character sets a key press may insert.
enum class FieldKind { Digits, SignedDigits, Decimal, SignedDecimal };

inline constexpr char32_t kBackspace = 8;
// Release codes the cleanup recognises: the comma code stands for every key that types a decimal
// separator (comma or full stop, main keyboard or keypad), the minus code for every minus key.
inline constexpr int kCommaKeyCode = 188;
inline constexpr int kMinusKeyCode = 189;

// The characters a decimal separator key types in the layouts in use: the comma and the full stop.
constexpr bool IsDecimalSeparator(char32_t character)
{
    return character == U',' || character == U'.';
}

// Key filter. Returns whether the character may be inserted into `text`; a full stop is taken as
// the comma (the field turns it into one). For the comma kinds it first records the 1-based
// position of the first comma in `text` (0 when none) in `commaPositionBeforeKey`, whatever the
// character.
bool FilterKey(FieldKind kind, char32_t character, std::string_view text, int& commaPositionBeforeKey);
// Cleanup after a released key in a field whose kind admits "," or "-".
std::string CleanAfterKey(std::string text, int keyCode, int commaPositionBeforeKey);
// Focus gained: every blank removed; a lone "0" becomes empty so the user types over it.
std::string PrepareForEditing(std::string_view text);
// Focus lost: empty-like texts become "0", the number is clamped (upper bound first, then lower)
// and returned in general format without display blanks. nullopt when the text is no number.
std::optional<std::string> NormalizeAndClamp(std::string_view text, double lower, double upper);

// Report text rules. Both substitute " 0" for an empty text or one that is exactly "-", ",", "-,".
std::string StripBlanks(std::string_view text);        // then removes every blank
std::string TrimTrailingBlanks(std::string_view text); // then removes trailing blanks only

// The standard conversion error messages.
std::string NotAFloatMessage(std::string_view text);    // "'x' is not a valid floating point value."
std::string NotAnIntegerMessage(std::string_view text); // "'x' is not a valid integer value."

} // namespace zeltar::fields
