#include <algorithm>
#include <string>
#include <vector>

#include "core/activity_log.h"
#include "core/context.h"
#include "core/report.h"
#include "core/text_util.h"
#include "erasers/ie_erasers.h"
#include "erasers/ie_keys.h"
#include "erasers/keep_list.h"
#include "primitives/registry_eraser.h"
#include "primitives/shell_folders.h"

namespace quellorn {

using platform::kCurrentUser;
using platform::RegKey;

namespace {

struct TypedUrl {
  std::string name;  // of the value
  std::string address;
};
using TypedUrls = std::vector<TypedUrl>;

TypedUrls ReadTypedUrls(Context& ctx) {
  TypedUrls urls;
  const std::string names = EnumValues(ctx, kCurrentUser, kTypedUrlsKey);
  if (!HasText(names)) return urls;
  for (const std::string& name : SplitText(names, ",")) {
    if (!Trim(name).empty()) {
      urls.push_back({name, QueryValue(ctx, kCurrentUser, kTypedUrlsKey, name)});
    }
  }
  return urls;
}

// Deletes the address when the run erases, and counts and reports it once it is gone (in a
// test run, as it would be); true when it is gone.
bool EraseTypedUrl(Context& ctx, const RegKey& key, const TypedUrl& url) {
  const bool gone = ctx.erasing() && key &&
                    ctx.os.registry.DeleteValue(key.get(), url.name) == platform::kSuccess;
  if (ctx.erasing() && !gone) return false;
  ++ctx.run.totals.registryKeys;
  const std::string line = "Erasing Registry Key Value: " + url.address + " <OK>";
  WriteLog(ctx, line);
  DispList(ctx, line);
  return gone;
}

// Value names are compared as the registry compares them.
const TypedUrl* Find(const TypedUrls& urls, std::string_view name) {
  const auto found = std::find_if(urls.begin(), urls.end(), [name](const TypedUrl& url) {
    return EqualsIgnoreCase(url.name, name);
  });
  return found == urls.end() ? nullptr : &*found;
}

// Moves the kept addresses of `held` (the values the key holds) to `places` (url1, url2, ...
// with the keep-list entries) without ever overwriting a kept address that is nowhere else,
// so that a write failing at any point loses none. True when every place holds its entry.
class KeepListOrder {
 public:
  KeepListOrder(Context& ctx, const RegKey& key, const KeepList& keep, TypedUrls& held)
      : ctx_(ctx), key_(key), keep_(keep), held_(held) {
    for (std::size_t k = 0; k < keep.entries.size(); ++k) {
      places_.push_back({"url" + std::to_string(k + 1), keep.entries[k]});
    }
  }

  bool Establish() {
    for (;;) {
      const TypedUrl* blocked = nullptr;
      const TypedUrl* next = nullptr;
      for (const TypedUrl& place : places_) {
        if (Holds(place)) continue;
        if (CanOverwrite(place)) {
          next = &place;
          break;
        }
        if (blocked == nullptr) blocked = &place;
      }
      if (next == nullptr && blocked == nullptr) return true;
      // When every place still to fill holds a kept address that waits for another such
      // place, one of them moves to a free name first.
      const TypedUrl move =
          next != nullptr ? *next : TypedUrl{FreeName(), Find(held_, blocked->name)->address};
      if (!Write(move)) return false;
    }
  }

  bool IsPlace(std::string_view name) const { return Find(places_, name) != nullptr; }

 private:
  bool Holds(const TypedUrl& place) const {
    const TypedUrl* now = Find(held_, place.name);
    return now != nullptr && now->address == place.address;
  }

  // True when what the place holds now is no kept address, or one that stays elsewhere.
  bool CanOverwrite(const TypedUrl& place) const {
    const TypedUrl* now = Find(held_, place.name);
    if (now == nullptr || !keep_.Keeps(now->address)) return true;
    return std::any_of(held_.begin(), held_.end(), [&](const TypedUrl& other) {
      if (&other == now || other.address != now->address) return false;
      const TypedUrl* itsPlace = Find(places_, other.name);
      return itsPlace == nullptr || itsPlace->address == other.address;
    });
  }

  std::string FreeName() const {
    for (std::size_t n = places_.size() + 1;; ++n) {
      std::string name = "url" + std::to_string(n);
      if (Find(held_, name) == nullptr) return name;
    }
  }

  bool Write(const TypedUrl& url) {
    if (SetValueEx(ctx_.os.registry, key_.get(), url.name, platform::reg_type::kSz, url.address) !=
        platform::kSuccess) {
      return false;
    }
    const auto now = std::find_if(held_.begin(), held_.end(), [&](const TypedUrl& value) {
      return EqualsIgnoreCase(value.name, url.name);
    });
    if (now == held_.end()) {
      held_.push_back(url);
    } else {
      now->address = url.address;
    }
    return true;
  }

  Context& ctx_;
  const RegKey& key_;
  const KeepList& keep_;
  TypedUrls& held_;
  TypedUrls places_;
};

}  // namespace

void EraseTypedUrls(Context& ctx) {
  const auto keep = KeepList::Load(ctx, KeepListKind::kUrl);
  if (!keep) return;
  TypedUrls held = ReadTypedUrls(ctx);
  RegKey key;
  RegKey::Open(ctx.os.registry, kCurrentUser, kTypedUrlsKey, key);
  std::erase_if(held, [&](const TypedUrl& url) {
    return !keep->Keeps(url.address) && EraseTypedUrl(ctx, key, url);
  });
  if (!ctx.erasing() || !key) return;
  // The kept addresses end up as url1, url2, ... in the order of the keep list; only then do
  // the values that held them elsewhere go. An address whose deletion failed stays.
  KeepListOrder order(ctx, key, *keep, held);
  if (!order.Establish()) return;
  for (const TypedUrl& url : held) {
    if (keep->Keeps(url.address) && !order.IsPlace(url.name))
      ctx.os.registry.DeleteValue(key.get(), url.name);
  }
}

}  // namespace quellorn
