#include "tray/icon_file.h"

namespace tw::tray {

namespace {
constexpr size_t kHeaderSize = 6;
constexpr size_t kEntrySize = 16;
constexpr size_t kBitmapHeaderSize = 40;

uint16_t U16(std::span<const uint8_t> b, size_t at) {
  return static_cast<uint16_t>(b[at] | (b[at + 1] << 8));
}
uint32_t U32(std::span<const uint8_t> b, size_t at) {
  return static_cast<uint32_t>(b[at]) | (static_cast<uint32_t>(b[at + 1]) << 8) |
         (static_cast<uint32_t>(b[at + 2]) << 16) | (static_cast<uint32_t>(b[at + 3]) << 24);
}
}  // namespace

std::optional<IconImage> ChooseIconImage(std::span<const uint8_t> file, int preferredWidth) {
  if (file.size() < kHeaderSize) return std::nullopt;
  const uint16_t reserved = U16(file, 0);
  const uint16_t type = U16(file, 2);
  const uint16_t count = U16(file, 4);
  if (reserved != 0 || (type != 1 && type != 2) || count == 0) return std::nullopt;
  if (file.size() < kHeaderSize + size_t{count} * kEntrySize) return std::nullopt;

  size_t chosen = count - 1u;
  for (size_t i = 0; i < count; ++i) {
    const size_t entry = kHeaderSize + i * kEntrySize;
    const uint8_t width = file[entry];
    const uint8_t colours = file[entry + 2];
    if (colours >= 16 && width == preferredWidth) {
      chosen = i;
      break;
    }
  }
  const size_t entry = kHeaderSize + chosen * kEntrySize;
  const uint32_t size = U32(file, entry + 8);
  const uint32_t offset = U32(file, entry + 12);
  if (offset > file.size() || size > file.size() - offset) return std::nullopt;
  if (size < kBitmapHeaderSize) return std::nullopt;

  IconImage image;
  image.bytes = file.subspan(offset, size);
  image.width = static_cast<int32_t>(U32(image.bytes, 4));
  image.height = static_cast<int32_t>(U32(image.bytes, 8)) / 2;
  image.bitCount = U16(image.bytes, 14);
  image.entryIndex = chosen;
  return image;
}

}  // namespace tw::tray
