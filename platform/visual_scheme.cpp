#include "platform/visual_scheme.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace tw::platform {

namespace {
constexpr uint32_t Rgb(uint32_t r, uint32_t g, uint32_t b) { return r | (g << 8) | (b << 16); }

bool SameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}
}  // namespace

ThemedKind ThemedKindFor(std::string_view className, uint32_t style) {
  if (SameName(className, "Button")) {
    switch (style & kButtonTypeMask) {
      case 0x0:  // BS_PUSHBUTTON
      case 0x1:  // BS_DEFPUSHBUTTON
        return ThemedKind::kPushButton;
      case 0x2:  // BS_CHECKBOX
      case 0x3:  // BS_AUTOCHECKBOX
      case 0x5:  // BS_3STATE
      case 0x6:  // BS_AUTO3STATE
        return ThemedKind::kCheckBox;
      case 0x4:  // BS_RADIOBUTTON
      case 0x9:  // BS_AUTORADIOBUTTON
        return ThemedKind::kRadioButton;
      case 0x7:  // BS_GROUPBOX
        return ThemedKind::kGroupBox;
      default:  // owner-drawn and user buttons draw themselves
        return ThemedKind::kNone;
    }
  }
  if (SameName(className, "Edit")) return ThemedKind::kEdit;
  if (SameName(className, "ComboBox")) {
    const uint32_t type = style & kComboTypeMask;
    return type == kComboDropDown || type == kComboDropDownList ? ThemedKind::kComboBox
                                                                : ThemedKind::kNone;
  }
  if (SameName(className, "ComboLBox")) return ThemedKind::kComboList;
  if (SameName(className, "msctls_updown32")) return ThemedKind::kUpDown;
  return ThemedKind::kNone;
}

SchemeColours ColoursFor(int scheme) {
  switch (scheme) {
    case 1:
      return {Rgb(123, 158, 189), Rgb(123, 158, 189), Rgb(123, 158, 189)};
    case 2:
      return {Rgb(164, 185, 127), Rgb(164, 185, 127), Rgb(164, 185, 127)};
    default:
      return {Rgb(198, 197, 215), Rgb(0, 60, 116), Rgb(191, 184, 191)};
  }
}

uint32_t DisabledFrameColour(uint32_t face) {
  uint32_t out = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const uint32_t channel = (face >> shift) & 0xFF;
    out |= (channel > 0x20 ? channel - 0x20 : 0) << shift;
  }
  return out;
}

}  // namespace tw::platform
