// Move-only owners for every kind of handle the program holds.
#pragma once

#include <windows.h>

#include <utility>

namespace tw::platform {

template <typename H, typename Traits>
class Unique {
 public:
  Unique() = default;
  explicit Unique(H handle) : handle_(handle) {}
  ~Unique() { reset(); }
  Unique(Unique&& other) noexcept : handle_(std::exchange(other.handle_, H{})) {}
  Unique& operator=(Unique&& other) noexcept {
    if (this != &other) reset(std::exchange(other.handle_, H{}));
    return *this;
  }
  Unique(const Unique&) = delete;
  Unique& operator=(const Unique&) = delete;

  H get() const { return handle_; }
  explicit operator bool() const { return handle_ != H{}; }
  H release() { return std::exchange(handle_, H{}); }
  void reset(H handle = H{}) {
    if (H old = std::exchange(handle_, handle)) Traits::Close(old);
  }

 private:
  H handle_{};
};

struct WindowTraits {
  static void Close(HWND h) { DestroyWindow(h); }
};
struct GdiTraits {
  static void Close(HGDIOBJ h) { DeleteObject(h); }
};
struct IconTraits {
  static void Close(HICON h) { DestroyIcon(h); }
};
struct MenuTraits {
  static void Close(HMENU h) { DestroyMenu(h); }
};
struct KernelTraits {
  static void Close(HANDLE h) { CloseHandle(h); }
};
struct HookTraits {
  static void Close(HHOOK h) { UnhookWindowsHookEx(h); }
};
struct DcTraits {
  static void Close(HDC h) { DeleteDC(h); }
};

using UniqueWindow = Unique<HWND, WindowTraits>;
using UniqueFont = Unique<HFONT, GdiTraits>;
using UniqueBrush = Unique<HBRUSH, GdiTraits>;
using UniquePen = Unique<HPEN, GdiTraits>;
using UniqueBitmap = Unique<HBITMAP, GdiTraits>;
using UniqueRegion = Unique<HRGN, GdiTraits>;
using UniqueIcon = Unique<HICON, IconTraits>;
using UniqueMenu = Unique<HMENU, MenuTraits>;
using UniqueKernelHandle = Unique<HANDLE, KernelTraits>;
using UniqueHook = Unique<HHOOK, HookTraits>;
using UniqueMemoryDc = Unique<HDC, DcTraits>;

// Selects an object into a DC for one scope, and puts the old one back.
class SelectIn {
 public:
  SelectIn(HDC dc, HGDIOBJ object) : dc_(dc), old_(object ? SelectObject(dc, object) : nullptr) {}
  ~SelectIn() {
    if (old_) SelectObject(dc_, old_);
  }
  SelectIn(const SelectIn&) = delete;
  SelectIn& operator=(const SelectIn&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

// BeginPaint and EndPaint.
class PaintScope {
 public:
  explicit PaintScope(HWND window) : window_(window) { dc_ = BeginPaint(window, &paint_); }
  ~PaintScope() { EndPaint(window_, &paint_); }
  PaintScope(const PaintScope&) = delete;
  PaintScope& operator=(const PaintScope&) = delete;
  HDC dc() const { return dc_; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_;
};

// A DC of a window, from GetDC (its client area) or GetWindowDC (the whole window),
// released with ReleaseDC.
template <HDC(WINAPI* Acquire)(HWND)>
class ScopedWindowDc {
 public:
  explicit ScopedWindowDc(HWND window) : window_(window), dc_(Acquire(window)) {}
  ~ScopedWindowDc() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  ScopedWindowDc(const ScopedWindowDc&) = delete;
  ScopedWindowDc& operator=(const ScopedWindowDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};
using WindowDc = ScopedWindowDc<GetDC>;
using WholeWindowDc = ScopedWindowDc<GetWindowDC>;

}  // namespace tw::platform
