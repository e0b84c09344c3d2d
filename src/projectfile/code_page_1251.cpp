// Windows-1251 <-> UTF-8 at the file boundary. Bytes below 0x80 are ASCII; the upper half maps
// through one table. Byte 0x98 has no character in the code page: it maps to U+0098 and back, so
// every byte of a file survives a load and a save unchanged.
#include "projectfile/code_page_1251.h"
#include "projectfile/project_file.h"

#include "fields/utf8.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <utility>

namespace zeltar::projectfile {

namespace {

using fields::AppendUtf8;
using fields::NextCodePoint;

// Unicode code point of each byte 0x80..0xFF.
constexpr std::array<char32_t, 128> kUpperHalf{
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, // 0x80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F, // 0x88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 0x90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, // 0x98 (0x98 unassigned)
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, // 0xA0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, // 0xA8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7, // 0xB0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457, // 0xB8
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417, // 0xC0 А..З
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F, // 0xC8 И..П
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427, // 0xD0 Р..Ч
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F, // 0xD8 Ш..Я
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437, // 0xE0 а..з
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F, // 0xE8 и..п
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447, // 0xF0 р..ч
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F, // 0xF8 ш..я
};

std::optional<char> ByteOf(char32_t c)
{
    if (c < 0x80)
        return static_cast<char>(c);
    for (std::size_t i = 0; i < kUpperHalf.size(); ++i)
        if (kUpperHalf[i] == c)
            return static_cast<char>(0x80 + i);
    return std::nullopt;
}

} // namespace

std::string DecodeCp1251(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size() * 2);
    for (char b : bytes) {
        const auto byte = static_cast<unsigned char>(b);
        AppendUtf8(out, byte < 0x80 ? char32_t{byte} : kUpperHalf[byte - 0x80u]);
    }
    return out;
}

std::string StorableInCp1251(std::string_view utf8)
{
    std::string out;
    for (;;) {
        const auto encoded = detail::EncodeCp1251Checked(utf8);
        const auto* failure = std::get_if<detail::EncodeFailure>(&encoded);
        const std::size_t storable = failure ? failure->offset : utf8.size();
        out.append(utf8.substr(0, storable));
        if (!failure)
            break;
        out += kUnstorableCharacter;
        utf8.remove_prefix(storable + std::max<std::size_t>(failure->length, 1)); // a malformed byte: one character
    }
    std::replace_if(
        out.begin(), out.end(), [](char c) { return c == '\r' || c == '\n'; }, kUnstorableCharacter);
    return out;
}

std::optional<std::string> EncodeCp1251(std::string_view utf8)
{
    auto encoded = detail::EncodeCp1251Checked(utf8);
    if (auto* bytes = std::get_if<std::string>(&encoded))
        return std::move(*bytes);
    return std::nullopt;
}

namespace detail {

std::variant<std::string, EncodeFailure> EncodeCp1251Checked(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const std::size_t start = pos;
        const std::optional<char32_t> c = NextCodePoint(utf8, pos);
        if (!c)
            return EncodeFailure{start, 0};
        const std::optional<char> byte = ByteOf(*c);
        if (!byte)
            return EncodeFailure{start, pos - start};
        out += *byte;
    }
    return out;
}

} // namespace detail

} // namespace zeltar::projectfile
