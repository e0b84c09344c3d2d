#include "app/form_text.h"

namespace zeltar {

namespace {

bool IsContinuation(char byte)
{
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

} // namespace

std::size_t CharacterCount(std::string_view utf8)
{
    std::size_t count = 0;
    for (const char byte : utf8)
        if (!IsContinuation(byte))
            ++count;
    return count;
}

void AppendCharacter(std::string& utf8, char32_t c)
{
    if (c < 0x80) {
        utf8.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        utf8.push_back(static_cast<char>(0xC0 | (c >> 6)));
        utf8.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        utf8.push_back(static_cast<char>(0xE0 | (c >> 12)));
        utf8.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        utf8.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        utf8.push_back(static_cast<char>(0xF0 | (c >> 18)));
        utf8.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        utf8.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        utf8.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

void DropLastCharacter(std::string& utf8)
{
    while (!utf8.empty()) {
        const char last = utf8.back();
        utf8.pop_back();
        if (!IsContinuation(last))
            return;
    }
}

std::u32string Characters(std::string_view utf8)
{
    std::u32string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
        char32_t c = length == 4 ? lead & 0x07u : length == 3 ? lead & 0x0Fu : length == 2 ? lead & 0x1Fu : lead;
        bool wellFormed = i + length <= utf8.size();
        for (std::size_t k = 1; wellFormed && k < length; ++k) {
            wellFormed = IsContinuation(utf8[i + k]);
            c = (c << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3Fu);
        }
        if (!wellFormed) {
            c = lead;
            length = 1;
        }
        out.push_back(c);
        i += length;
    }
    return out;
}

} // namespace zeltar
