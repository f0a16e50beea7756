#pragma once
// The Japanese code page of construction files (Shift-JIS in its code page 932 form) at the file
// boundary; everything inside the program is UTF-8.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zm {

// Decodes code page 932 bytes to UTF-8; none when a byte sequence is not valid code page 932 or
// is cut off at the end. `badOffset`, when given, receives the byte offset of that sequence.
std::optional<std::string> DecodeSjis(std::string_view bytes, std::size_t* badOffset = nullptr);

// Encodes UTF-8 to code page 932. A character the code page cannot hold becomes "?", so that a
// save always writes every record; malformed UTF-8 counts as such a character.
std::string EncodeSjis(std::string_view utf8);

}  // namespace zm
