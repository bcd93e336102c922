// Any bytes: the decoder refuses or decodes, never crashes, never reads out of bounds.
#include <cstdint>
#include <cstdlib>

#include "app/picture.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (auto pixels = tw::app::DecodeJpeg({data, size})) {
    if (pixels->bgr.size() != pixels->stride * static_cast<size_t>(pixels->height)) std::abort();
  }
  return 0;
}
