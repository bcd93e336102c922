// MainWindow as data: the window, its controls and menu items, with everything creation,
// painting, event routing and the tests read from one table.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "tray/tray_model.h"

namespace tw::app {

inline constexpr std::string_view kTitle = "Tarnwick定时关机工具";
inline constexpr int kWindowWidth = 624;
inline constexpr int kWindowHeight = 392;

enum class Kind {
  kBalloon,
  kPicture,
  kTimer,
  kButton,
  kCheckBox,
  kLabel,
  kListBox,
  kGroupBox,
  kEdit
};

enum class Face { kGuiDefault, kDefault, kDisplay, kBrush };

struct FontDef {
  int height = 0;  // character height in pixels; 0 with kGuiDefault
  int weight = 400;
  Face face = Face::kGuiDefault;
};

// Colours as 0x00BBGGRR; kFace is the system's 3D face colour, taken at creation.
inline constexpr uint32_t kFace = 0xFF000000u;
constexpr uint32_t Rgb(unsigned r, unsigned g, unsigned b) { return r | (g << 8) | (b << 16); }

// The handler an event of a control is bound to.
enum class Handler { kNone, kConfirm, kPowerOffBoxClicked, kSleepBoxClicked, kCountdown, kClock };

enum ControlIndex : int {
  kBalloon1,
  kPicture1,
  kTimer1,
  kButton1,
  kCheckBox2,
  kCheckBox1,
  kLabel7,
  kListBox2,
  kListBox1,
  kLabel3,
  kLabel2,
  kLabel1,
  kGroupBox2,
  kClockTimer,
  kEdit1,
  kGroupBox1,
  kControlCount
};

inline constexpr int kNoParent = -1;  // a control of MainWindow itself

struct ControlDef {
  std::string_view name;
  Kind kind;
  int parent;               // a ControlIndex (a group box) or kNoParent
  int x, y, width, height;  // relative to the parent's client area
  int tabPosition;          // place in the focus order, -1 when not a tab stop
  std::string_view text;
  FontDef font;
  uint32_t textColour;
  uint32_t backColour;
  bool checked;      // check boxes
  int32_t periodMs;  // timers: the period at creation
  Handler handler;   // its click or periodic event
};

inline constexpr FontDef kGui{};
inline constexpr FontDef kDisplay32{32, 400, Face::kDisplay};
inline constexpr FontDef kDisplay19{19, 400, Face::kDisplay};
inline constexpr FontDef kBrush24{24, 400, Face::kBrush};
inline constexpr FontDef kBrush35Bold{35, 700, Face::kBrush};
inline constexpr FontDef kList16{16, 400, Face::kDefault};
inline constexpr uint32_t kBlack = Rgb(0, 0, 0);
inline constexpr uint32_t kWhite = Rgb(255, 255, 255);

// In stacking order: each control lies above every later one of the same parent.
// clang-format off
inline constexpr std::array<ControlDef, kControlCount> kControls{{
    {"气球提示框1", Kind::kBalloon, kNoParent, 0, 0, 0, 0, -1, "", kGui, kBlack, kFace, false, 0, Handler::kNone},
    {"图片框1", Kind::kPicture, kNoParent, 56, 296, 120, 64, -1, "", kGui, kBlack, kFace, false, 0, Handler::kNone},
    {"时钟1", Kind::kTimer, kNoParent, 0, 0, 0, 0, -1, "", kGui, kBlack, kFace, false, 0, Handler::kCountdown},
    {"按钮1", Kind::kButton, kNoParent, 240, 312, 120, 40, 5, "确定", kDisplay32, kBlack, kFace, false, 0, Handler::kConfirm},
    {"选择框2", Kind::kCheckBox, kNoParent, 423, 256, 57, 16, 4, "睡眠", kGui, kBlack, kFace, false, 0, Handler::kSleepBoxClicked},
    {"选择框1", Kind::kCheckBox, kGroupBox2, 381, 40, 80, 16, 3, "关机", kGui, kBlack, kFace, true, 0, Handler::kPowerOffBoxClicked},
    {"标签7", Kind::kLabel, kGroupBox2, 458, 42, 48, 48, -1, "或", kBrush35Bold, Rgb(255, 0, 0), kFace, false, 0, Handler::kNone},
    {"列表框2", Kind::kListBox, kNoParent, 256, 237, 96, 24, 2, "", kList16, kBlack, kWhite, false, 0, Handler::kNone},
    {"列表框1", Kind::kListBox, kGroupBox2, 48, 62, 96, 24, 1, "", kList16, kBlack, kWhite, false, 0, Handler::kNone},
    {"标签3", Kind::kLabel, kGroupBox2, 328, 55, 88, 32, -1, "分后", kGui, kBlack, kFace, false, 0, Handler::kNone},
    {"标签2", Kind::kLabel, kGroupBox2, 160, 57, 104, 32, -1, "小时", kGui, kBlack, kFace, false, 0, Handler::kNone},
    {"标签1", Kind::kLabel, kGroupBox2, 8, 59, 88, 32, -1, "我要在", kGui, kBlack, kFace, false, 0, Handler::kNone},
    {"分组框2", Kind::kGroupBox, kNoParent, 40, 176, 536, 120, -1, "关机设置", kBrush24, Rgb(255, 0, 0), kFace, false, 0, Handler::kNone},
    {"当前时间变化时钟", Kind::kTimer, kNoParent, 0, 0, 0, 0, -1, "", kGui, kBlack, kFace, false, 1000, Handler::kClock},
    {"编辑框1", Kind::kEdit, kGroupBox1, 26, 40, 464, 56, 0, "", kDisplay19, Rgb(0, 255, 0), kWhite, false, 0, Handler::kNone},
    {"分组框1", Kind::kGroupBox, kNoParent, 38, 16, 536, 112, -1, "当前时间", kDisplay32, Rgb(0, 255, 255), kFace, false, 0, Handler::kNone},
}};
// clang-format on

inline constexpr int kTabStopCount = 6;

// Child-window identifiers: WM_COMMAND names controls by these.
inline constexpr int kFirstControlId = 100;
constexpr int ControlId(int index) { return kFirstControlId + index; }
std::optional<int> ControlIndexForId(int id);

// The list items: hours "0".."24" and one empty item; minutes "0".."60" and two empty ones.
inline constexpr int kHourItems = 26;
inline constexpr int kMinuteItems = 63;
int ItemCount(int listIndex);
// The text of an item (a number or empty) written into `buffer`; returns its length.
size_t ItemText(int listIndex, int item, char (&buffer)[4]);

// The window's menu items, in definition order; command id = 20000 + position.
inline constexpr std::string_view kTrayMenuName = "操作";
inline constexpr size_t kMenuOperate = 0;
inline constexpr size_t kMenuOpen = 1;
inline constexpr size_t kMenuExit = 2;
std::span<const tray::MenuItem> MenuItems();

// Index of the control at `tabPosition` in the focus order.
int ControlAtTabPosition(int tabPosition);

// The place of a control in the window's client area.
struct Point {
  int x = 0;
  int y = 0;
};
Point ClientPlace(int index);

// Where the window's outer frame opens on a screen of this size, truncating toward zero.
Point StartPosition(int screenWidth, int screenHeight);

// A picture of w x h shrunk to fit (never enlarged) into a box, keeping its proportions, centred.
struct Rect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};
Rect FitPicture(int pictureWidth, int pictureHeight, int boxWidth, int boxHeight);

}  // namespace tw::app
