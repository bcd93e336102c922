// The windows that draw themselves: the labels and the picture box. One paint function
// each serves WM_PAINT and WM_PRINTCLIENT, so a test can paint them into a memory DC.
#pragma once

#include <windows.h>

#include <optional>
#include <span>

#include "app/layout.h"
#include "app/picture.h"
#include "platform/handles.h"

namespace tw::app {

inline constexpr char kLabelClass[] = "TarnwickLabel";
inline constexpr char kPictureClass[] = "TarnwickPicture";

bool RegisterSelfDrawnClasses();

// Fills the rectangle with the face colour, then the text on one line, left, centred
// vertically, '&' shown as itself, in the control's colour and font.
void PaintLabel(HWND label, HDC dc);

// The picture decoded once and scaled once to its fitted place in the box (HALFTONE above
// 16 bits per pixel, else COLORONCOLOR), as a bitmap compatible with the screen. The full
// picture is decoded into a DIB section that is freed as soon as it is scaled.
struct FittedPicture {
  platform::UniqueBitmap bitmap;
  Rect place;
};
std::optional<FittedPicture> FitPictureToBox(std::span<const uint8_t> jpeg, int boxWidth,
                                             int boxHeight);

// Fills the box with the face colour, then the fitted picture; nothing more when there is
// no picture.
void PaintPicture(HWND box, HDC dc);

// The picture a picture box shows; the box keeps a pointer, the caller the picture.
void SetPicture(HWND box, const FittedPicture* picture);

}  // namespace tw::app
