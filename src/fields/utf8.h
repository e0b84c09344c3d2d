// UTF-8 texts by characters: field lengths, typing and cleanup positions count characters as the
// field shows them, not bytes.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zeltar::fields {

void AppendUtf8(std::string& utf8, char32_t character);
std::string ToUtf8(std::u32string_view characters);
// The characters of a text; a malformed byte stands for itself.
std::u32string Characters(std::string_view utf8);
// Strict decoding of the sequence at `pos`, advancing it; nullopt for a malformed, cut-off,
// overlong or surrogate sequence.
std::optional<char32_t> NextCodePoint(std::string_view utf8, std::size_t& pos);
std::size_t CharacterCount(std::string_view utf8);
// The first `count` characters of a text, "…" after them when the text is longer.
std::string FirstCharacters(std::string_view utf8, std::size_t count);
// Removes the last character (all its bytes); nothing for an empty text.
void DropLastCharacter(std::string& utf8);

} // namespace zeltar::fields
