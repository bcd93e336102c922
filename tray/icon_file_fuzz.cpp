// Any bytes, any preferred width: the chosen image always lies inside the file.
#include <cstdint>
#include <cstdlib>

#include "tray/icon_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  const int preferred = data[0];
  const std::span<const uint8_t> file(data + 1, size - 1);
  if (auto image = tw::tray::ChooseIconImage(file, preferred)) {
    if (image->bytes.data() < file.data() ||
        image->bytes.data() + image->bytes.size() > file.data() + file.size() ||
        image->bytes.size() < 40) {
      std::abort();
    }
    volatile uint8_t sink = 0;
    for (uint8_t b : image->bytes) sink = sink ^ b;  // touch every byte under ASan
  }
  return 0;
}
