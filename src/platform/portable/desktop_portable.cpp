#include "platform/portable/desktop_portable.h"

#include <algorithm>

#include "platform/key_notation.h"
#include "platform/name_fold.h"

namespace quellorn::platform {

namespace {

// The key messages a stroke queues, as the Win32 desktop posts them.
constexpr std::uint32_t kKeyDown = 0x0100;
constexpr std::uint64_t kEnterKey = 0x0D;
constexpr std::uint64_t kTabKey = 0x09;

}  // namespace

WindowHandle PortableDesktop::AddWindow(std::string className, std::string title, ShowStyle state) {
  const WindowHandle handle = next_;
  next_ += 0x10;
  Window& window = windows_[handle];
  window.className = std::move(className);
  window.title = std::move(title);
  window.placement.normalPosition = {100, 100, 740, 580};
  Apply(window, state);
  if (state == ShowStyle::kHidden) window.placement.showCommand = ShowStyle::kNormal;
  zOrder_.insert(zOrder_.begin(), handle);
  return handle;
}

const PortableDesktop::Window* PortableDesktop::Find(WindowHandle window) const {
  const auto found = windows_.find(window);
  return found == windows_.end() ? nullptr : &found->second;
}

PortableDesktop::Window* PortableDesktop::Lookup(WindowHandle window) {
  const auto found = windows_.find(window);
  return found == windows_.end() || !found->second.open ? nullptr : &found->second;
}

// The states a show command leaves a window in; hiding keeps the state the window is in.
void PortableDesktop::Apply(Window& window, ShowStyle style) {
  switch (style) {
    case ShowStyle::kHidden:
      window.visible = false;
      return;
    case ShowStyle::kMinimized:
    case ShowStyle::kMinimizedNoFocus:
      window.placement.showCommand = ShowStyle::kMinimized;
      break;
    case ShowStyle::kMaximized:
      window.placement.showCommand = ShowStyle::kMaximized;
      break;
    case ShowStyle::kNormal:
      window.placement.showCommand = ShowStyle::kNormal;
      break;
    case ShowStyle::kShow:
      break;
  }
  window.visible = true;
}

WindowHandle PortableDesktop::FindByTitle(std::string_view title, std::chrono::milliseconds,
                                          WindowHandle sameProcessAs) {
  // Every window here belongs to the one program that put it there.
  if (sameProcessAs != 0 && !Exists(sameProcessAs)) return 0;
  for (const WindowHandle handle : zOrder_) {
    if (SameName(windows_.at(handle).title, title)) return handle;
  }
  return 0;
}

WindowHandle PortableDesktop::FindByClass(std::string_view className, std::string_view title) {
  for (const WindowHandle handle : zOrder_) {
    const Window& window = windows_.at(handle);
    if (SameName(window.className, className) && SameName(window.title, title)) return handle;
  }
  return 0;
}

bool PortableDesktop::Exists(WindowHandle window) {
  return Lookup(window) != nullptr;
}

bool PortableDesktop::WaitUntilGone(WindowHandle window, std::chrono::milliseconds) {
  return !Exists(window);
}

std::vector<WindowHandle> PortableDesktop::TopLevelWindows() {
  return zOrder_;
}

std::string PortableDesktop::ClassName(WindowHandle window) {
  const Window* found = Lookup(window);
  return found == nullptr ? "" : found->className;
}

Status PortableDesktop::GetPlacement(WindowHandle window, WindowPlacement& placement) {
  const Window* found = Lookup(window);
  if (found == nullptr) return kInvalidWindowHandle;
  placement = found->placement;
  return kSuccess;
}

Status PortableDesktop::SetPlacement(WindowHandle window, const WindowPlacement& placement) {
  Window* found = Lookup(window);
  if (found == nullptr) return kInvalidWindowHandle;
  const ShowStyle state = found->placement.showCommand;
  found->placement = placement;
  found->placement.showCommand = state;
  Apply(*found, placement.showCommand);
  return kSuccess;
}

Status PortableDesktop::Show(WindowHandle window, ShowStyle style) {
  Window* found = Lookup(window);
  if (found == nullptr) return kInvalidWindowHandle;
  Apply(*found, style);
  return kSuccess;
}

Status PortableDesktop::Post(WindowHandle window, std::uint32_t message, std::uint64_t wParam,
                             std::int64_t lParam) {
  Window* found = Lookup(window);
  if (found == nullptr) return kInvalidWindowHandle;
  found->received.push_back({message, wParam, lParam});
  if (message == window_message::kClose) {
    found->open = false;
    found->visible = false;
    std::erase(zOrder_, window);
    trayIcons_.erase(window);
    std::erase_if(hotKeys_, [&](const HotKey& key) { return key.owner == window; });
  }
  return kSuccess;
}

Status PortableDesktop::PostKeys(WindowHandle window, std::string_view keys) {
  // Malformed keys are refused before any window is looked at, as on Windows.
  const auto strokes = ParseKeys(keys);
  if (!strokes) return kInvalidParameter;
  Window* found = Lookup(window);
  if (found == nullptr) return kInvalidWindowHandle;
  for (const KeyStroke& stroke : *strokes) {
    // These windows have no buttons to press.
    if (stroke.kind == KeyStroke::Kind::kAltCharacter) return kNotFound;
    const bool enter = stroke.kind == KeyStroke::Kind::kEnter;
    found->received.push_back({kKeyDown, enter ? kEnterKey : kTabKey, 0});
  }
  return kSuccess;
}

Status PortableDesktop::RegisterHotKey(WindowHandle owner, int id, std::uint32_t modifiers,
                                       std::uint32_t key) {
  if (!Exists(owner)) return kInvalidWindowHandle;
  for (const HotKey& taken : hotKeys_) {
    if (taken.modifiers == modifiers && taken.key == key) return kHotKeyAlreadyRegistered;
  }
  hotKeys_.push_back({owner, id, modifiers, key});
  return kSuccess;
}

Status PortableDesktop::UnregisterHotKey(WindowHandle owner, int id) {
  const auto removed = std::erase_if(
      hotKeys_, [&](const HotKey& key) { return key.owner == owner && key.id == id; });
  return removed != 0 ? kSuccess : kHotKeyNotRegistered;
}

Status PortableDesktop::AddTrayIcon(WindowHandle owner, std::uint32_t callbackMessage) {
  if (!Exists(owner) || trayIcons_.contains(owner)) return kInvalidParameter;
  trayIcons_[owner] = {callbackMessage, ""};
  return kSuccess;
}

Status PortableDesktop::SetTrayTip(WindowHandle owner, std::string_view tip) {
  const auto icon = trayIcons_.find(owner);
  if (icon == trayIcons_.end()) return kInvalidParameter;
  icon->second.tip = tip;
  return kSuccess;
}

Status PortableDesktop::RemoveTrayIcon(WindowHandle owner) {
  return trayIcons_.erase(owner) == 1 ? kSuccess : kInvalidParameter;
}

}  // namespace quellorn::platform
