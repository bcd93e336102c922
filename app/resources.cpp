#include "app/resources.h"

#include <windows.h>

#include "app/resource_ids.h"

namespace tw::app {

namespace {
// Resource memory belongs to the module image: nothing to free.
std::span<const uint8_t> Resource(int id) {
  HMODULE module = GetModuleHandleA(nullptr);
  HRSRC info = FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(10));  // RT_RCDATA
  if (!info) return {};
  HGLOBAL data = LoadResource(module, info);
  const void* bytes = data ? LockResource(data) : nullptr;
  if (!bytes) return {};
  return {static_cast<const uint8_t*>(bytes), SizeofResource(module, info)};
}
}  // namespace

std::span<const uint8_t> ProgramIconFile() { return Resource(TW_IDR_ICON_FILE); }
std::span<const uint8_t> PictureJpeg() { return Resource(TW_IDR_PICTURE); }

}  // namespace tw::app
