#pragma once
// Whole-file reads and replacing writes for the authoring tools.
#include "platform/Result.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

namespace salon::tools {

Result<std::vector<uint8_t>> readWholeFile(const std::filesystem::path& path, uint64_t maxBytes = 256u << 20);

// Writes beside the target and renames over it: a failed write leaves what was there.
Result<bool> replaceFile(const std::filesystem::path& path, std::span<const uint8_t> bytes);

} // namespace salon::tools
