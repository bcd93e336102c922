#include "scheduler/schedule_win.h"

#include <string>

#include "app/frame.h"
#include "app/main_window.h"
#include "app/resources.h"
#include "platform/power_win.h"
#include "scheduler/schedule.h"

namespace tw::sched {

namespace {

class WindowView final : public ScheduleView {
 public:
  explicit WindowView(app::MainWindow& window) : window_(window) {}

  std::string SelectedItemText(List list) override {
    HWND box = Control(list == List::kHours ? app::kListBox1 : app::kListBox2);
    if (!box) return {};
    const LRESULT index = SendMessageA(box, LB_GETCURSEL, 0, 0);
    const LRESULT count = SendMessageA(box, LB_GETCOUNT, 0, 0);
    if (index < 0 || index >= count) return {};
    const LRESULT length = SendMessageA(box, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length <= 0) return {};
    std::string text(static_cast<size_t>(length), '\0');  // + the terminator std::string keeps
    const LRESULT got = SendMessageA(box, LB_GETTEXT, static_cast<WPARAM>(index),
                                     reinterpret_cast<LPARAM>(text.data()));
    text.resize(got > 0 && got <= length ? static_cast<size_t>(got) : 0);
    return text;
  }
  bool IsChecked(Box box) override {
    HWND control = Control(box == Box::kPowerOff ? app::kCheckBox1 : app::kCheckBox2);
    return control && SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
  }
  void Uncheck(Box box) override {
    if (HWND control = Control(box == Box::kPowerOff ? app::kCheckBox1 : app::kCheckBox2)) {
      SendMessageA(control, BM_SETCHECK, BST_UNCHECKED, 0);
    }
  }
  int32_t CountdownPeriod() override { return window_.countdown().Period(); }
  void RestartCountdown(int32_t periodMs) override {
    window_.countdown().SetPeriod(0);
    window_.countdown().SetPeriod(periodMs);
  }
  void SetTray(std::string_view tip) override {
    window_.trayIcon().Set(window_.hwnd(), app::ProgramIconFile(), tip);
  }
  void HideWindow() override { app::TheFrame().SetWindowVisible(false); }
  void ShowMessage(std::string_view text) override { sched::ShowMessage(text); }
  bool WindowAlive() override { return app::TheFrame().window() == &window_; }
  void RequestPower(int action, bool force) override {
    platform::RequestPowerAction(platform::CurrentPowerCalls(), action, force);
  }

 private:
  HWND Control(int index) { return window_.alive() ? window_.control(index) : nullptr; }
  app::MainWindow& window_;
};

}  // namespace

void ShowMessage(std::string_view text) {
  const std::string copy(text);  // a terminated copy for the system
  MessageBoxA(nullptr, copy.c_str(), kMessageCaption.data(), MB_OK | MB_TASKMODAL);
}

void RunScheduleHandler(app::MainWindow& window, app::Handler handler) {
  WindowView view(window);
  switch (handler) {
    case app::Handler::kConfirm:
      OnConfirm(view);
      break;
    case app::Handler::kPowerOffBoxClicked:
      OnPowerOffBoxClicked(view);
      break;
    case app::Handler::kSleepBoxClicked:
      OnSleepBoxClicked(view);
      break;
    case app::Handler::kCountdown:
      OnCountdown(view);
      break;
    default:
      break;
  }
}

}  // namespace tw::sched
