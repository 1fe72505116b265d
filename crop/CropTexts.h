#pragma once
// The crop dialog's own five-language string table. A language is an offset added to the relative
// id: 0 Czech, 20 Slovak, 40 German, 60 English, 80 Spanish. Relative ids: 6 OK button, 7 cancel
// button, 8 dialog title, 9 help text (lines joined by single line feeds).
#include <cstdint>
#include <string>

namespace trimlet {

inline constexpr int32_t OkCaptionId = 6;
inline constexpr int32_t CancelCaptionId = 7;
inline constexpr int32_t TitleId = 8;
inline constexpr int32_t HelpTextId = 9;

inline constexpr int32_t GermanOffset = 40;

// UTF-8 text of an absolute id; empty when the table has no such id.
[[nodiscard]] std::string cropText(int32_t id);

} // namespace trimlet
