#pragma once
// The data files keep their texts (category names, model names) as 8-bit characters of the
// Central European code page, Windows-1250, as the editor reads them. The tools take UTF-8.
#include <optional>
#include <string>
#include <string_view>

namespace salon::tools {

// None when the text is not UTF-8 or holds a character the code page does not have.
std::optional<std::string> utf8ToCp1250(std::string_view utf8);

} // namespace salon::tools
