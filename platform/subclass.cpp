#include "platform/subclass.h"

#include <vector>

namespace tw::platform {

namespace {

struct Entry {
  SubclassProc proc;
  UINT_PTR id;
  DWORD_PTR data;
};

struct Chain {
  WNDPROC original = nullptr;
  std::vector<Entry> entries;  // oldest first
  int activeCalls = 0;         // messages being dispatched through this chain now
  bool released = false;       // detached from its window; freed when no call is active
};

// The messages being dispatched, innermost last: where CallNextSubclass goes on.
struct Frame {
  Chain* chain;
  size_t next;  // entries below this index are still to be called; 0: the original
};
std::vector<Frame> g_frames;
int g_records = 0;

// The chains by window, kept in the process: a window property would cost a round trip to
// the window server on every message of every subclassed window.
std::vector<std::pair<HWND, Chain*>> g_chains;

Chain* ChainOf(HWND window) {
  for (const auto& [w, chain] : g_chains) {
    if (w == window) return chain;
  }
  return nullptr;
}
void Detach(HWND window) {
  std::erase_if(g_chains, [window](const auto& entry) { return entry.first == window; });
}

LRESULT CALLBACK Dispatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Detaches the chain from the window when it is empty and the window's procedure is still
// ours; frees it unless a call is still running through it.
void ReleaseIfEmpty(HWND window, Chain* chain, bool destroying) {
  if (!chain->entries.empty() && !destroying) return;
  const auto current = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC));
  if (current == Dispatch) {
    SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(chain->original));
  } else if (!destroying) {
    return;  // someone subclassed after us: stay as a pass-through to the original
  }
  g_records -= static_cast<int>(chain->entries.size());
  chain->entries.clear();
  Detach(window);
  chain->released = true;
  if (chain->activeCalls == 0) delete chain;
}

LRESULT CallAt(Chain* chain, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Frame& frame = g_frames.back();
  if (frame.next == 0 || frame.next > chain->entries.size()) {
    frame.next = 0;
    return CallWindowProcA(chain->original, window, message, wParam, lParam);
  }
  const Entry entry = chain->entries[--frame.next];
  return entry.proc(window, message, wParam, lParam, entry.id, entry.data);
}

LRESULT CALLBACK Dispatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Chain* chain = ChainOf(window);
  if (!chain) return DefWindowProcA(window, message, wParam, lParam);
  ++chain->activeCalls;
  g_frames.push_back({chain, chain->entries.size()});
  const LRESULT result = CallAt(chain, window, message, wParam, lParam);
  g_frames.pop_back();
  --chain->activeCalls;
  if (message == WM_NCDESTROY && !chain->released) {
    ReleaseIfEmpty(window, chain, true);  // nothing of a destroyed window stays behind
  } else if (chain->released && chain->activeCalls == 0) {
    delete chain;
  }
  return result;
}

}  // namespace

bool AddSubclass(HWND window, SubclassProc proc, UINT_PTR id, DWORD_PTR data) {
  if (!IsWindow(window) || !proc) return false;
  Chain* chain = ChainOf(window);
  if (!chain) {
    chain = new Chain();
    g_chains.emplace_back(window, chain);
    chain->original = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Dispatch)));
  }
  for (Entry& entry : chain->entries) {
    if (entry.proc == proc && entry.id == id) {
      entry.data = data;
      return true;
    }
  }
  chain->entries.push_back({proc, id, data});
  ++g_records;
  return true;
}

bool RemoveSubclass(HWND window, SubclassProc proc, UINT_PTR id) {
  Chain* chain = ChainOf(window);
  if (!chain) return false;
  for (size_t i = 0; i < chain->entries.size(); ++i) {
    if (chain->entries[i].proc != proc || chain->entries[i].id != id) continue;
    chain->entries.erase(chain->entries.begin() + static_cast<std::ptrdiff_t>(i));
    --g_records;
    // Calls under way through this chain keep their place.
    for (Frame& frame : g_frames) {
      if (frame.chain == chain && frame.next > i) --frame.next;
    }
    ReleaseIfEmpty(window, chain, false);
    return true;
  }
  return false;
}

LRESULT CallNextSubclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (g_frames.empty()) return DefWindowProcA(window, message, wParam, lParam);
  return CallAt(g_frames.back().chain, window, message, wParam, lParam);
}

int LiveSubclassRecords() { return g_records; }

}  // namespace tw::platform
