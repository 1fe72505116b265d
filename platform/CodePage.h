#pragma once
// Texts stored in the data files (category and model names) are 8-bit characters of the Central
// European code page, Windows-1250; the programs work in UTF-8.
#include <optional>
#include <string>
#include <string_view>

namespace salon {

// Every byte decoded; the few codes the code page leaves unassigned become '?'.
std::string cp1250ToUtf8(std::string_view bytes);

// None when the text is not UTF-8 or holds a character the code page does not have.
std::optional<std::string> utf8ToCp1250(std::string_view utf8);

} // namespace salon
