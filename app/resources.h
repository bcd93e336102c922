// The program's data, carried in its resources: the icon file and the picture.
#pragma once

#include <cstdint>
#include <span>

namespace tw::app {

// The icon file (the tray image), as bytes; empty when it cannot be found.
std::span<const uint8_t> ProgramIconFile();
// The picture box's JPEG.
std::span<const uint8_t> PictureJpeg();

}  // namespace tw::app
