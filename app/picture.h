// Decoding the picture box's JPEG into 24-bit pixels, bottom-up rows padded to 4 bytes,
// ready for a DIB. Corrupt or truncated data gives nothing; it never ends the process.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace tw::app {

struct Pixels {
  int width = 0;
  int height = 0;
  size_t stride = 0;         // bytes per row, a multiple of 4
  std::vector<uint8_t> bgr;  // bottom-up rows: the first row in memory is the lowest
};

// Pictures larger than this are refused rather than allocated.
inline constexpr long kMaxPicturePixels = 4096L * 4096L;

struct PictureSize {
  int width = 0;
  int height = 0;
  size_t stride = 0;  // bytes per row, a multiple of 4
};

// Where the decoder writes: a buffer of stride x height bytes for this size, or nullptr to
// give up.
using PictureTarget = uint8_t* (*)(const PictureSize& size, void* context);

// Decodes into the target's buffer, bottom-up BGR rows; false when the data is damaged
// (the buffer's content is then unspecified).
bool DecodeJpegInto(std::span<const uint8_t> jpeg, PictureTarget target, void* context);

std::optional<Pixels> DecodeJpeg(std::span<const uint8_t> jpeg);

}  // namespace tw::app
