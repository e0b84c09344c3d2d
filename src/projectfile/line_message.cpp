#include "projectfile/line_message.h"

#include "fields/utf8.h"

#include <cstddef>

namespace zeltar::projectfile::detail {

namespace {

constexpr std::size_t kLongestQuote = 40; // characters of an offending text shown in a message

bool StartsCharacter(char byte)
{
    return (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
}

// A control character (a NUL byte above all) would cut the message short or vanish where it is
// shown: it is shown as its picture from the Unicode block of control pictures ("␀" for NUL).
constexpr char32_t kControlPictures = 0x2400;
constexpr char32_t kDeletePicture = 0x2421;
constexpr unsigned char kFirstPrintable = 0x20;
constexpr unsigned char kDelete = 0x7F;

void AppendVisible(std::string& out, std::string_view text)
{
    for (char byte : text) {
        const auto b = static_cast<unsigned char>(byte);
        if (b < kFirstPrintable)
            fields::AppendUtf8(out, kControlPictures + b);
        else if (b == kDelete)
            fields::AppendUtf8(out, kDeletePicture);
        else
            out += byte;
    }
}

} // namespace

std::string Quoted(std::string_view text)
{
    std::size_t characters = 0;
    std::size_t cut = text.size();
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (StartsCharacter(text[i]) && characters++ == kLongestQuote) {
            cut = i;
            break;
        }
    }
    std::string out = "«";
    AppendVisible(out, text.substr(0, cut));
    if (cut < text.size())
        out += "…";
    out += "»";
    return out;
}

FileProblem LineProblem(int line, std::string_view detail)
{
    std::string message = "Строка " + std::to_string(line) + " файла проекта (";
    message += LineAt(line).meaning;
    message += "): ";
    message += detail;
    message += ".";
    return {line, std::move(message)};
}

} // namespace zeltar::projectfile::detail
