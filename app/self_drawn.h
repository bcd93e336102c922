// The windows that draw themselves: the labels and the picture box. One paint function
// each serves WM_PAINT and WM_PRINTCLIENT, so a test can paint them into a memory DC.
#pragma once

#include <windows.h>

#include "app/layout.h"
#include "app/picture.h"

namespace tw::app {

inline constexpr char kLabelClass[] = "TarnwickLabel";
inline constexpr char kPictureClass[] = "TarnwickPicture";

bool RegisterSelfDrawnClasses();

// Fills the rectangle with the face colour, then the text on one line, left, centred
// vertically, '&' shown as itself, in the control's colour and font.
void PaintLabel(HWND label, HDC dc);

// Fills the box with the face colour, then the picture fitted into it; nothing more when
// there is no picture. HALFTONE above 16 bits per pixel, else COLORONCOLOR.
void PaintPicture(HWND box, HDC dc);

// The picture a picture box shows; the box keeps a pointer, the caller the pixels.
void SetPicturePixels(HWND box, const Pixels* pixels);

}  // namespace tw::app
