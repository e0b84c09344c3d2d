// How a text value (object name, room path, room name) stands after "key = " in the object file.
//
// A plain value is written as it is: the line holds it between the blanks around it and the line
// end. A value that a plain line cannot keep — blanks or tabs at either end, a line break or
// another control character, bytes that are not UTF-8 — is written in quotes with backslash
// escapes: \\ \" \t \n \r and \xHH for any other byte below 0x20, DEL or a byte that is not UTF-8.
// Quoted values exist only from file version 2 on, so a file is written as version 2 only when one
// of its values needs them; every other file stays version 1, as older programs read it. In a
// version 2 file a value that begins with a quote is quoted as well.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zeltar::object {

// Whether a plain line cannot keep the value exactly.
bool NeedsQuotes(std::string_view value);
// The value as a version 2 file writes it: plain when it can be, quoted otherwise.
std::string QuotedValueText(std::string_view value);
// Whether a value as read from a version 2 file (blanks around it already removed) is quoted.
bool IsQuotedValueText(std::string_view text);
// The value of a quoted text; nullopt when the closing quote is missing, text follows it, or an
// escape is unknown or cut off.
std::optional<std::string> UnquotedValue(std::string_view text);

} // namespace zeltar::object
