#pragma once
// Motion-JPEG AVI files: a RIFF "AVI " container with one video stream of JPEG frames ("MJPG"),
// no sound, every frame a key frame, and the legacy index (idx1) that players seek with.
//
// Layout written: RIFF AVI { LIST hdrl { avih, LIST strl { strh, strf } }, LIST movi { 00dc... },
// idx1 }. Chunk sizes exclude the 8-byte chunk header; odd-sized chunks get one pad byte. Index
// offsets count from the "movi" four-character code.
#include "platform/Result.h"

#include <cstdint>
#include <span>
#include <vector>

namespace salon::tools {

struct AviVideo {
    int32_t width = 0, height = 0;
    int32_t framesPerSecond = 10;
    std::vector<std::vector<uint8_t>> jpegFrames;
};

// The file's bytes; an error for no frames, a non-positive size or rate, or a frame that is not a
// JPEG stream.
Result<std::vector<uint8_t>> encodeMjpegAvi(const AviVideo& video);

// What a reader finds in such a file, for checks: sizes, rate, and each frame's bytes by the index.
struct AviSummary {
    int32_t width = 0, height = 0;
    int32_t microsecondsPerFrame = 0;
    int32_t frames = 0;            // avih total frames
    std::vector<std::span<const uint8_t>> indexedFrames;
};
Result<AviSummary> readMjpegAvi(std::span<const uint8_t> file);

} // namespace salon::tools
