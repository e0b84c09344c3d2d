// Windows-1251 encoding with the place where it fails, for messages that name the character.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>

namespace zeltar::projectfile::detail {

// Where encoding stopped: the byte offset of the character in the UTF-8 text and its length in
// bytes; length 0 when the text is not valid UTF-8 there.
struct EncodeFailure {
    std::size_t offset = 0;
    std::size_t length = 0;
};

std::variant<std::string, EncodeFailure> EncodeCp1251Checked(std::string_view utf8);

} // namespace zeltar::projectfile::detail
