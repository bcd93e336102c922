#include "tray/tray_model.h"

namespace tw::tray {

std::array<char, kTipField> TipField(std::string_view tip) {
  std::array<char, kTipField> field{};
  // Character boundaries are found from the start: a GBK trail byte can look like ASCII.
  size_t keep = 0;
  size_t i = 0;
  while (i < tip.size()) {
    const size_t width = static_cast<unsigned char>(tip[i]) >= 0x80 ? 2 : 1;
    if (i + width > kTipMaxBytes || i + width > tip.size()) break;
    i += width;
    keep = i;
  }
  for (size_t k = 0; k < keep; ++k) field[k] = tip[k];
  return field;
}

TrayEvent TrayEventFor(intptr_t mouseMessage) {
  switch (mouseMessage) {
    case 514:  // WM_LBUTTONUP
      return TrayEvent::kClick;
    case 515:  // WM_LBUTTONDBLCLK
      return TrayEvent::kDoubleClick;
    case 517:  // WM_RBUTTONUP
    case 123:  // WM_CONTEXTMENU
      return TrayEvent::kMenu;
    default:
      return TrayEvent::kNone;
  }
}

std::optional<size_t> MenuItemForCommand(unsigned id, size_t itemCount) {
  if (id < kFirstMenuCommand || id > kLastMenuCommand) return std::nullopt;
  const size_t position = id - kFirstMenuCommand;
  if (position >= itemCount) return std::nullopt;
  return position;
}

namespace {
// Entries for the items after `parent` that are deeper than it; returns the index after them.
size_t Collect(std::span<const MenuItem> items, size_t parent, std::vector<PopupEntry>& out) {
  const int level = items[parent].level;
  size_t i = parent + 1;
  while (i < items.size() && items[i].level > level) {
    const MenuItem& item = items[i];
    const bool hasChildren = i + 1 < items.size() && items[i + 1].level > item.level;
    if (item.hidden) {
      ++i;
      while (i < items.size() && items[i].level > item.level) ++i;
      continue;
    }
    PopupEntry entry;
    entry.text = item.text;
    entry.id = CommandIdFor(i);
    entry.grayed = item.disabled;
    entry.checked = item.checked;
    if (item.text == "-") {
      entry.kind = PopupEntry::Kind::kSeparator;
      ++i;
      while (i < items.size() && items[i].level > item.level) ++i;
    } else if (hasChildren) {
      entry.kind = PopupEntry::Kind::kSubmenu;
      i = Collect(items, i, entry.children);
    } else {
      ++i;
    }
    out.push_back(std::move(entry));
  }
  return i;
}
}  // namespace

std::optional<std::vector<PopupEntry>> BuildPopup(std::span<const MenuItem> items, size_t index) {
  if (index + 1 >= items.size() || items[index + 1].level <= items[index].level) {
    return std::nullopt;
  }
  std::vector<PopupEntry> entries;
  Collect(items, index, entries);
  return entries;
}

}  // namespace tw::tray
