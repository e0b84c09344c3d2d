#include "fields/number_text.h"

#include "fields/utf8.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace zeltar::fields {

namespace {

constexpr int kSignificantDigits = 15;
// General format switches to the exponent form below this magnitude, and at 15 integer digits.
constexpr int kSmallestFixedExponent = -5;

// The value's 15 significant decimal digits and its decimal exponent: value = d.ddd... x 10^exponent.
struct DecimalDigits {
    bool negative = false;
    std::string digits; // exactly 15 digits, the first non-zero
    int exponent = 0;
};

DecimalDigits ToDecimalDigits(double value)
{
    // std::to_chars never looks at the C locale: the text is "d.ddd...e+XX" in every locale.
    char buffer[64];
    const char* const end =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, kSignificantDigits - 1).ptr;
    DecimalDigits d;
    const char* p = buffer;
    if (*p == '-') {
        d.negative = true;
        ++p;
    }
    for (; p != end && *p != 'e'; ++p) {
        if (*p != '.')
            d.digits.push_back(*p);
    }
    if (p != end) {
        const char* exponent = p + 1;
        if (*exponent == '+')
            ++exponent;
        std::from_chars(exponent, end, d.exponent);
    }
    return d;
}

bool IsEmptyLike(std::string_view text)
{
    return text.empty() || text == "-" || text == "," || text == "-,";
}

// 1-based position of the first `c` in `s`, 0 when there is none.
std::size_t PositionOf(const std::u32string& s, char32_t c)
{
    const auto at = s.find(c);
    return at == std::u32string::npos ? 0 : at + 1;
}

// Deletes the character at 1-based `position`; positions outside the text delete nothing.
void DeleteAt(std::u32string& s, std::size_t position)
{
    if (position >= 1 && position <= s.size())
        s.erase(position - 1, 1);
}

} // namespace

std::string FormatGeneral(double value)
{
    if (value == 0 || std::isnan(value))
        return std::isnan(value) ? "NAN" : "0";
    if (std::isinf(value))
        return value > 0 ? "INF" : "-INF";
    DecimalDigits d = ToDecimalDigits(value);
    while (d.digits.size() > 1 && d.digits.back() == '0')
        d.digits.pop_back();
    std::string out = d.negative ? "-" : "";
    if (d.exponent < kSmallestFixedExponent || d.exponent >= kSignificantDigits) {
        out += d.digits.substr(0, 1);
        if (d.digits.size() > 1)
            out += "," + d.digits.substr(1);
        out += "E" + std::to_string(d.exponent);
        return out;
    }
    if (d.exponent < 0) {
        out += "0," + std::string(static_cast<std::size_t>(-d.exponent - 1), '0') + d.digits;
        return out;
    }
    const auto integerDigits = static_cast<std::size_t>(d.exponent) + 1;
    if (d.digits.size() <= integerDigits) {
        out += d.digits + std::string(integerDigits - d.digits.size(), '0');
    } else {
        out += d.digits.substr(0, integerDigits) + "," + d.digits.substr(integerDigits);
    }
    return out;
}

std::string DisplayText(double value)
{
    return std::string(kDisplayBlanks) + FormatGeneral(value);
}

std::string ShortestText(double value)
{
    char buffer[400]; // the longest fixed form of a double has 309 integer digits
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    std::string text(buffer, ec == std::errc() ? end : buffer);
    std::replace(text.begin(), text.end(), '.', ',');
    return text;
}

double RoundHalfEven(double value)
{
    return std::nearbyint(value); // the default rounding mode sends halves to the even neighbour
}

double CutToDecimals(double value, int decimals)
{
    if (value == 0 || !std::isfinite(value))
        return value == 0 ? 0.0 : value;
    const DecimalDigits d = ToDecimalDigits(value);
    // Digits before the cut: the integer digits plus the kept decimals.
    const int kept = std::min(kSignificantDigits, d.exponent + 1 + decimals);
    if (kept <= 0)
        return 0.0;
    const std::string digits = d.digits.substr(0, static_cast<std::size_t>(kept));
    if (digits.find_first_not_of('0') == std::string::npos)
        return 0.0;
    const std::string text = digits + "e" + std::to_string(d.exponent + 1 - kept);
    double magnitude = 0;
    std::from_chars(text.data(), text.data() + text.size(), magnitude);
    return d.negative ? -magnitude : magnitude;
}

std::string ResultText(double value, int decimals)
{
    return DisplayText(CutToDecimals(value, decimals));
}

std::optional<double> ParseDecimal(std::string_view text)
{
    std::size_t begin = text.find_first_not_of(' ');
    if (begin == std::string_view::npos)
        return std::nullopt;
    const std::size_t end = text.find_last_not_of(' ') + 1;
    std::string_view s = text.substr(begin, end - begin);

    bool negative = false;
    if (s.front() == '+' || s.front() == '-') {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    // Mantissa: digits with at most one decimal comma and at least one digit; then an optional
    // exponent. Anything else (a full stop, letters, "nan", "inf") is no number.
    std::string normalized;
    std::size_t i = 0;
    int mantissaDigits = 0;
    bool comma = false;
    for (; i < s.size(); ++i) {
        const char c = s[i];
        if (c >= '0' && c <= '9') {
            normalized.push_back(c);
            ++mantissaDigits;
        } else if (c == ',' && !comma) {
            normalized.push_back('.');
            comma = true;
        } else {
            break;
        }
    }
    if (mantissaDigits == 0)
        return std::nullopt;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        normalized.push_back('e');
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            normalized.push_back(s[i++]);
        int exponentDigits = 0;
        for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i, ++exponentDigits)
            normalized.push_back(s[i]);
        if (exponentDigits == 0)
            return std::nullopt;
    }
    if (i != s.size())
        return std::nullopt;
    double value = 0;
    const auto [ptr, ec] = std::from_chars(normalized.data(), normalized.data() + normalized.size(), value);
    if (ec != std::errc() || ptr != normalized.data() + normalized.size() || !std::isfinite(value))
        return std::nullopt;
    return negative ? -value : value;
}

std::optional<std::int32_t> ParseInteger(std::string_view text)
{
    std::size_t i = text.find_first_not_of(' ');
    if (i == std::string_view::npos)
        return std::nullopt;
    bool negative = false;
    if (text[i] == '+' || text[i] == '-') {
        negative = text[i] == '-';
        ++i;
    }
    if (i == text.size())
        return std::nullopt;
    std::int64_t value = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

bool FilterKey(FieldKind kind, char32_t character, std::string_view text, int& commaPositionBeforeKey)
{
    const bool admitsComma = kind == FieldKind::Decimal || kind == FieldKind::SignedDecimal;
    const bool admitsMinus = kind == FieldKind::SignedDigits || kind == FieldKind::SignedDecimal;
    // A field without a comma holds none, so its comma position is always 0.
    commaPositionBeforeKey = admitsComma ? static_cast<int>(PositionOf(Characters(text), U',')) : 0;
    if (character == kBackspace || (character >= U'0' && character <= U'9'))
        return true;
    if (IsDecimalSeparator(character))
        return admitsComma; // a full stop stands for the decimal comma
    if (character == U'-')
        return admitsMinus;
    return false;
}

std::string CleanAfterKey(std::string text, int keyCode, int commaPositionBeforeKey)
{
    std::u32string s = Characters(text);
    const std::size_t c = commaPositionBeforeKey > 0 ? static_cast<std::size_t>(commaPositionBeforeKey) : 0;
    // Where the first minus stood, taken before any change.
    const std::size_t m = PositionOf(s, U'-');
    // A lone doubled comma collapses to one.
    if (s == U",," || s == U",-,")
        s.assign(1, U',');
    // A minus survives only as the first character.
    if (m > 1)
        DeleteAt(s, m);
    // After the minus key, every minus behind the first position goes.
    if (keyCode == kMinusKeyCode && s.size() > 1) {
        for (std::size_t p = s.size(); p >= 2; --p) {
            if (s[p - 1] == U'-')
                DeleteAt(s, p);
        }
    }
    // After the comma key, every comma but the one that stood before the key goes.
    if (c != 0 && keyCode == kCommaKeyCode && s.size() >= (m > 0 ? 3u : 2u)) {
        for (std::size_t p = c - 1; p >= 1; --p) {
            if (p <= s.size() && s[p - 1] == U',')
                DeleteAt(s, p);
        }
        for (std::size_t p = s.size(); p >= c + 1; --p) {
            if (s[p - 1] == U',')
                DeleteAt(s, p);
        }
    }
    // Without a comma before the key, a minus typed behind the first character moves the text to
    // start with that minus.
    if (c == 0 && PositionOf(s, U'-') == 2)
        DeleteAt(s, 1);
    return ToUtf8(s);
}

std::string PrepareForEditing(std::string_view text)
{
    std::string stripped = StripBlanks(text);
    if (stripped == "0")
        stripped.clear();
    return stripped;
}

std::optional<std::string> NormalizeAndClamp(std::string_view text, double lower, double upper)
{
    const std::optional<double> parsed = ParseDecimal(IsEmptyLike(text) ? std::string_view("0") : text);
    if (!parsed)
        return std::nullopt;
    double value = *parsed;
    if (value > upper)
        value = upper;
    if (value < lower)
        value = lower;
    return FormatGeneral(value);
}

std::string StripBlanks(std::string_view text)
{
    const std::string_view source = IsEmptyLike(text) ? std::string_view(" 0") : text;
    std::string out;
    for (char c : source) {
        if (c != ' ')
            out.push_back(c);
    }
    return out;
}

std::string TrimTrailingBlanks(std::string_view text)
{
    std::string out(IsEmptyLike(text) ? std::string_view(" 0") : text);
    while (!out.empty() && out.back() == ' ')
        out.pop_back();
    return out;
}

std::string NotAFloatMessage(std::string_view text)
{
    return "'" + std::string(text) + "' is not a valid floating point value.";
}

std::string NotAnIntegerMessage(std::string_view text)
{
    return "'" + std::string(text) + "' is not a valid integer value.";
}

} // namespace zeltar::fields
