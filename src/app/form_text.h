// UTF-8 helpers of the form: field lengths count characters as the field shows them, not bytes.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zeltar {

std::size_t CharacterCount(std::string_view utf8);
void AppendCharacter(std::string& utf8, char32_t character);
// Removes the last character (all its bytes); nothing for an empty text.
void DropLastCharacter(std::string& utf8);
// The characters of a UTF-8 text; a malformed byte stands for itself.
std::u32string Characters(std::string_view utf8);

} // namespace zeltar
