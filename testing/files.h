// Reading the program's data files in native tests.
#pragma once

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace tw::testing {

// The bytes of a file under the source tree, e.g. "app/data/picture.jpg".
inline std::vector<uint8_t> ReadSourceFile(const char* name) {
  std::ifstream in(std::string(TARNWICK_SOURCE_DIR) + "/" + name, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

}  // namespace tw::testing
