#include "projectfile/line_message.h"

#include <cstddef>

namespace zeltar::project::detail {

namespace {

constexpr std::size_t kLongestQuote = 40; // characters of an offending text shown in a message

bool StartsCharacter(char byte)
{
    return (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
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
    out += text.substr(0, cut);
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

} // namespace zeltar::project::detail
