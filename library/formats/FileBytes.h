#pragma once
// Whole-file reads and replace-by-rename writes for the model readers and writers.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <vector>

namespace salon::dsl {

// The file's bytes; none when it cannot be opened or is larger than maxBytes.
std::optional<std::vector<uint8_t>> readWholeFile(const std::filesystem::path& path, uint64_t maxBytes = 1u << 30);

// Writes a temporary file beside the target and renames it over the target: the old file stays
// whole unless the new one was written completely.
bool replaceFile(const std::filesystem::path& path, std::span<const uint8_t> bytes);

} // namespace salon::dsl
