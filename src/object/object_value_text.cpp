#include "object/object_value_text.h"

#include "fields/utf8.h"

namespace zeltar::object {

namespace {

constexpr char kQuote = '"';
constexpr char kEscape = '\\';
constexpr unsigned char kFirstPrintable = 0x20;
constexpr unsigned char kDelete = 0x7F;
constexpr char kHexDigits[] = "0123456789ABCDEF";
constexpr int kHexBase = 16;

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool IsControl(unsigned char c)
{
    return c < kFirstPrintable || c == kDelete;
}

// Whether the bytes from `pos` start a well-formed UTF-8 character that is no control character;
// `length` is its length in bytes.
bool IsPlainCharacter(std::string_view text, std::size_t pos, std::size_t& length)
{
    std::size_t next = pos;
    const std::optional<char32_t> c = fields::NextCodePoint(text, next);
    if (!c || (*c < 0x80 && IsControl(static_cast<unsigned char>(*c))))
        return false;
    length = next - pos;
    return true;
}

void AppendEscaped(std::string& out, unsigned char byte)
{
    switch (byte) {
    case '\\': out += "\\\\"; return;
    case '"': out += "\\\""; return;
    case '\t': out += "\\t"; return;
    case '\n': out += "\\n"; return;
    case '\r': out += "\\r"; return;
    default:
        out += "\\x";
        out.push_back(kHexDigits[byte / kHexBase]);
        out.push_back(kHexDigits[byte % kHexBase]);
    }
}

std::optional<int> HexDigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return std::nullopt;
}

} // namespace

bool NeedsQuotes(std::string_view value)
{
    if (!value.empty() && (IsBlank(value.front()) || IsBlank(value.back())))
        return true;
    for (std::size_t pos = 0, length = 0; pos < value.size(); pos += length) {
        if (!IsPlainCharacter(value, pos, length))
            return true;
    }
    return false;
}

std::string QuotedValueText(std::string_view value)
{
    if (!NeedsQuotes(value) && !value.starts_with(kQuote))
        return std::string(value);
    std::string out(1, kQuote);
    for (std::size_t pos = 0, length = 0; pos < value.size(); pos += length) {
        const char c = value[pos];
        if (c != kQuote && c != kEscape && IsPlainCharacter(value, pos, length)) {
            out.append(value.substr(pos, length));
        } else {
            AppendEscaped(out, static_cast<unsigned char>(c));
            length = 1;
        }
    }
    out.push_back(kQuote);
    return out;
}

bool IsQuotedValueText(std::string_view text)
{
    return text.starts_with(kQuote);
}

std::optional<std::string> UnquotedValue(std::string_view text)
{
    if (text.size() < 2 || text.front() != kQuote || text.back() != kQuote)
        return std::nullopt;
    const std::string_view inner = text.substr(1, text.size() - 2);
    std::string value;
    for (std::size_t pos = 0; pos < inner.size(); ++pos) {
        const char c = inner[pos];
        if (c == kQuote)
            return std::nullopt; // a quote inside must be escaped
        if (c != kEscape) {
            value.push_back(c);
            continue;
        }
        if (++pos == inner.size())
            return std::nullopt;
        switch (inner[pos]) {
        case '\\': value.push_back('\\'); break;
        case '"': value.push_back('"'); break;
        case 't': value.push_back('\t'); break;
        case 'n': value.push_back('\n'); break;
        case 'r': value.push_back('\r'); break;
        case 'x': {
            if (inner.size() - pos < 3) // two hex digits after the 'x'
                return std::nullopt;
            const std::optional<int> high = HexDigitValue(inner[pos + 1]);
            const std::optional<int> low = HexDigitValue(inner[pos + 2]);
            if (!high || !low)
                return std::nullopt;
            value.push_back(static_cast<char>(*high * kHexBase + *low));
            pos += 2;
            break;
        }
        default: return std::nullopt;
        }
    }
    return value;
}

} // namespace zeltar::object
