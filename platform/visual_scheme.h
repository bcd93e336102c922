// Themed drawing's pure parts: which controls it draws and with which colours.
#pragma once

#include <cstdint>
#include <string_view>

namespace tw::platform {

enum class ThemedKind {
  kNone,  // keeps the system's drawing (list boxes and every other kind)
  kPushButton,
  kCheckBox,
  kRadioButton,
  kGroupBox,
  kEdit,
  kComboBox,   // a drop-down combo box
  kComboList,  // the drop-down list of a combo box
  kUpDown,
};

// Button styles and combo-box styles, as the system defines them.
inline constexpr uint32_t kButtonTypeMask = 0x0F;
inline constexpr uint32_t kComboTypeMask = 0x03;
inline constexpr uint32_t kComboDropDown = 0x02;
inline constexpr uint32_t kComboDropDownList = 0x03;

// The kind of a control by its window class name (any case) and style.
ThemedKind ThemedKindFor(std::string_view className, uint32_t style);

// Colours as 0x00BBGGRR.
struct SchemeColours {
  uint32_t editFrame;     // edit boxes, drop-down combo boxes, their lists, up-down controls
  uint32_t buttonBorder;  // push buttons (rounded), check boxes and radio buttons
  uint32_t groupFrame;    // group boxes
};

// The colours of scheme 1, 2 or 3.
SchemeColours ColoursFor(int scheme);

// The frames of a disabled control: the face colour darkened by 0x20 in each channel,
// clamped at 0 (a plain subtraction of 0x202020 would borrow between channels).
uint32_t DisabledFrameColour(uint32_t faceColour);

}  // namespace tw::platform
