// Reading an icon file (.ico): the header, the directory entries and one entry's image.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace tw::tray {

struct IconImage {
  std::span<const uint8_t> bytes;  // the entry's image: a bitmap header, palette and masks
  int32_t width = 0;               // from the image's own bitmap header
  int32_t height = 0;              // half the bitmap header's height (it counts both masks)
  uint16_t bitCount = 0;           // from the image's own bitmap header
  size_t entryIndex = 0;
};

// Picks the first entry with 16 or more colours (by its colour-count byte) whose width byte
// is the preferred width, else the last entry, and returns its image. Nothing when the
// header is wrong (reserved not 0, type not 1 or 2, count 0), the directory or the image
// runs past the bytes, or the image is too short for a bitmap header.
std::optional<IconImage> ChooseIconImage(std::span<const uint8_t> file, int preferredWidth);

}  // namespace tw::tray
