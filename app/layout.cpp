#include "app/layout.h"

#include <algorithm>
#include <vector>

namespace tw::app {

std::optional<int> ControlIndexForId(int id) {
  const int index = id - kFirstControlId;
  if (index < 0 || index >= kControlCount) return std::nullopt;
  return index;
}

int ItemCount(int listIndex) { return listIndex == kListBox1 ? kHourItems : kMinuteItems; }

size_t ItemText(int listIndex, int item, char (&buffer)[4]) {
  const int numbers = listIndex == kListBox1 ? 25 : 61;
  if (item < 0 || item >= numbers) {
    buffer[0] = '\0';
    return 0;
  }
  size_t n = 0;
  if (item >= 10) buffer[n++] = static_cast<char>('0' + item / 10);
  buffer[n++] = static_cast<char>('0' + item % 10);
  buffer[n] = '\0';
  return n;
}

std::span<const tray::MenuItem> MenuItems() {
  static const tray::MenuItem items[] = {
      {std::string(kTrayMenuName), 0, true, false, false},
      {"打开程序", 1, false, false, false},
      {"退出程序", 1, false, false, false},
  };
  return items;
}

int ControlAtTabPosition(int tabPosition) {
  for (int i = 0; i < kControlCount; ++i) {
    if (kControls[i].tabPosition == tabPosition) return i;
  }
  return -1;
}

Point ClientPlace(int index) {
  const ControlDef& c = kControls[index];
  if (c.parent == kNoParent) return {c.x, c.y};
  const Point parent = ClientPlace(c.parent);
  return {parent.x + c.x, parent.y + c.y};
}

Point StartPosition(int screenWidth, int screenHeight) {
  return {(screenWidth - kWindowWidth) / 2, (screenHeight - kWindowHeight) / 2};
}

Rect FitPicture(int pictureWidth, int pictureHeight, int boxWidth, int boxHeight) {
  Rect r{0, 0, pictureWidth, pictureHeight};
  if (pictureWidth <= 0 || pictureHeight <= 0) return {0, 0, 0, 0};
  int spaceWidth = boxWidth;
  int spaceHeight = boxHeight;
  if (boxWidth >= pictureWidth) {
    r.x = (boxWidth - pictureWidth) / 2;
    spaceWidth = pictureWidth;
  }
  if (boxHeight >= pictureHeight) {
    r.y = (boxHeight - pictureHeight) / 2;
    spaceHeight = pictureHeight;
  }
  if (spaceWidth < pictureWidth || spaceHeight < pictureHeight) {
    const double scale = std::min(static_cast<double>(spaceWidth) / pictureWidth,
                                  static_cast<double>(spaceHeight) / pictureHeight);
    r.height = static_cast<int>(pictureHeight * scale);
    r.width = static_cast<int>(pictureWidth * scale);
    r.y += (spaceHeight - r.height) / 2;
    r.x += (spaceWidth - r.width) / 2;
  }
  return r;
}

}  // namespace tw::app
