#include "core/settings.h"

#include <algorithm>
#include <limits>
#include <span>

#include "core/ini_file.h"
#include "core/number_text.h"

namespace quellorn {
namespace {

using Kind = SettingKey::Kind;

constexpr SettingKey Number16(std::string_view section, std::string_view read,
                              std::string_view write, std::int16_t Settings::*member) {
  return {section, read, section, write, Kind::kNumber16, member};
}

constexpr SettingKey TrackKey(std::string_view readSection, std::string_view read,
                              std::string_view writeSection, std::string_view write, Track track) {
  return {readSection, read,    writeSection, write, Kind::kNumber16,
          nullptr,     nullptr, nullptr,      track, true};
}

const SettingKey kKeys[] = {
    Number16("General", "AutoRun", "Autorun", &Settings::autoRun),
    Number16("General", "homepageprotect", "homepageprotect", &Settings::homepageprotect),
    Number16("General", "bosskey", "bosskey", &Settings::bosskey),
    Number16("General", "antirecover", "AntiRecover", &Settings::antirecover),
    {"General", "OverWriteTimes", "General", "OverWriteTimes", Kind::kLeading16,
     &Settings::OverWriteTimes},
    Number16("General", "Stealth", "stealth", &Settings::stealth),
    Number16("General", "Autoerase", "autoerase", &Settings::Autoerase),
    Number16("General", "EraseTime", "erasetime", &Settings::EraseTime),
    Number16("General", "ErasePerTime", "erasepertime", &Settings::ErasePerTime),
    {"General", "sound", "General", "sound", Kind::kNumber32, nullptr, &Settings::sound},
    {"General", "sndpath", "General", "sndpath", Kind::kText, nullptr, nullptr, &Settings::sndpath},
    {"General", "Resultwin", "General", "resultwin", Kind::kNumber32, nullptr,
     &Settings::Resultwin},
    Number16("General", "clearlog", "clearlog", &Settings::clearlog),
    TrackKey("IE", "URllist", "IE", "URLList", Track::kIeLocationBar),
    TrackKey("IE", "Cookies", "IE", "Cookies", Track::kIeCookies),
    TrackKey("IE", "History", "IE", "History", Track::kIeHistory),
    TrackKey("IE", "Cache", "IE", "Cache", Track::kIeCache),
    TrackKey("IE", "AutoComplete", "IE", "AutoComplete", Track::kIeAutoComplete),
    TrackKey("IE", "plugins", "IE", "plugins", Track::kIePlugins),
    TrackKey("IE", "Index", "IE", "Index", Track::kIeIndex),
    TrackKey("Windows", "Recent", "Windows", "Recent", Track::kWindowsRecent),
    TrackKey("Windows", "Find", "Windows", "Find", Track::kWindowsFind),
    TrackKey("Windows", "Run", "Windows", "Run", Track::kWindowsRun),
    TrackKey("Windows", "RecycleBin", "Windows", "RecycleBin", Track::kWindowsRecycleBin),
    TrackKey("Windows", "WindowsTemp", "Windows", "WindowsTemp", Track::kWindowsTemp),
    TrackKey("Windows", "OpenSave", "Windows", "OpenSave", Track::kWindowsOpenSave),
    TrackKey("netscape", "history", "netscape", "history", Track::kNetscapeHistory),
    TrackKey("netscape", "cookies", "netscape", "cookies", Track::kNetscapeCookies),
    TrackKey("netscape", "url", "netscape", "URL", Track::kNetscapeLocationBar),
    TrackKey("netscape", "cache", "netscape", "cache", Track::kNetscapeCache),
    TrackKey("aol", "cache", "AOL", "cache", Track::kAolCache),
    TrackKey("aol", "cookies", "AOL", "cookies", Track::kAolCookies),
    TrackKey("aol", "history", "AOL", "history", Track::kAolHistory),
    TrackKey("aol", "URL", "AOL", "URL", Track::kAolLocationBar),
    TrackKey("Opera", "url", "Opera", "URL", Track::kOperaLocationBar),
    TrackKey("Opera", "cookies", "Opera", "cookies", Track::kOperaCookies),
    TrackKey("Opera", "cache", "Opera", "cache", Track::kOperaCache),
};

std::int16_t& Number16Of(Settings& settings, const SettingKey& key) {
  return key.isTrack ? settings.flag(key.track) : settings.*key.number16;
}

void ReadKey(const clsIniFile& file, const std::string& programFolder, const SettingKey& key,
             Settings& settings) {
  const std::string text = file.GetSetting(key.readSection, key.readName);
  constexpr auto kMin16 = std::numeric_limits<std::int16_t>::min();
  constexpr auto kMax16 = std::numeric_limits<std::int16_t>::max();
  switch (key.kind) {
    case Kind::kNumber16:
      if (auto value = ParseWholeNumber(text, kMin16, kMax16)) {
        Number16Of(settings, key) = static_cast<std::int16_t>(*value);
      }
      break;
    case Kind::kLeading16:
      settings.*key.number16 = LeadingNumber16(text);
      break;
    case Kind::kNumber32:
      if (auto value = ParseWholeNumber(text, std::numeric_limits<std::int32_t>::min(),
                                        std::numeric_limits<std::int32_t>::max())) {
        settings.*key.number32 = *value;
      }
      break;
    case Kind::kText:
      settings.*key.text = text.empty() ? programFolder + "\\gunshot.wav" : text;
      break;
  }
}

}  // namespace

std::span<const SettingKey> SettingKeys() {
  return kKeys;
}

const SettingKey& TrackSettingKey(Track track) {
  return *std::find_if(std::begin(kKeys), std::end(kKeys), [track](const SettingKey& key) {
    return key.isTrack && key.track == track;
  });
}

void ReadSettings(const clsIniFile& file, const std::string& programFolder, Settings& settings) {
  const clsIniFile snapshot = file.Snapshot();
  for (const SettingKey& key : kKeys)
    ReadKey(snapshot, programFolder, key, settings);
}

int Settings::OverwritePasses() const {
  constexpr int kFewest = 1;
  constexpr int kMost = 10;
  return std::clamp<int>(OverWriteTimes, kFewest, kMost);
}

std::string LastErased(const clsIniFile& file) {
  return file.GetSetting("General", "LastErased");
}

bool SaveLastErased(clsIniFile& file, const std::string& when) {
  return file.SaveSetting("General", "LastErased", when) != 0;
}

int Settings::PeriodicEraseMinutes() const {
  // Monthly is thirty days.
  constexpr int kMinutes[] = {15, 30, 60, 480, 1440, 10080, 43200};
  if (EraseTime < 1 || EraseTime > 7) return 1440;
  return kMinutes[EraseTime - 1];
}

void RereadEraseTime(const clsIniFile& file, Settings& settings) {
  if (auto value = ParseWholeNumber(file.GetSetting("General", "EraseTime"),
                                    std::numeric_limits<std::int16_t>::min(),
                                    std::numeric_limits<std::int16_t>::max())) {
    settings.EraseTime = static_cast<std::int16_t>(*value);
  }
}

bool ConfirmationSkipped(const clsIniFile& file) {
  const auto warning = ParseWholeNumber(file.GetSetting("General", "Warning"),
                                        std::numeric_limits<std::int32_t>::min(),
                                        std::numeric_limits<std::int32_t>::max());
  return warning.value_or(0) == 1;
}

bool SaveConfirmationSkipped(clsIniFile& file, bool skipped) {
  return file.SaveSetting("General", "Warning", skipped ? "1" : "0") != 0;
}

std::string NetscapeFolder(const clsIniFile& file) {
  return file.GetSetting("Browser", "nc4dir");
}

bool SaveNetscapeFolder(clsIniFile& file, const std::string& folder) {
  return file.SaveSetting("Browser", "nc4dir", folder) != 0;
}

std::string OperaFolder(const clsIniFile& file) {
  return file.GetSetting("Browser", "OperaDir");
}

int SaveSetting(clsIniFile& file, const Settings& settings, const SettingKey& key) {
  std::string text;
  switch (key.kind) {
    case Kind::kNumber16:
    case Kind::kLeading16:
      text = std::to_string(key.isTrack ? settings.flag(key.track) : settings.*key.number16);
      break;
    case Kind::kNumber32:
      text = std::to_string(settings.*key.number32);
      break;
    case Kind::kText:
      text = settings.*key.text;
      break;
  }
  return file.SaveSetting(key.writeSection, key.writeName, text);
}

void SaveOptions(clsIniFile& file, const Settings& settings, OptionGroup group) {
  static constexpr std::string_view kGeneral[] = {
      "Autorun", "AntiRecover", "OverWriteTimes", "stealth", "bosskey", "resultwin", "clearlog"};
  static constexpr std::string_view kSchedule[] = {"autoerase", "erasepertime", "erasetime"};
  static constexpr std::string_view kHomePage[] = {"homepageprotect"};
  std::span<const std::string_view> names = kHomePage;
  if (group == OptionGroup::kGeneral) names = kGeneral;
  if (group == OptionGroup::kSchedule) names = kSchedule;
  for (const std::string_view name : names) {
    const auto* key = std::find_if(std::begin(kKeys), std::end(kKeys), [name](const SettingKey& k) {
      return !k.isTrack && k.writeName == name;
    });
    if (key != std::end(kKeys)) SaveSetting(file, settings, *key);
  }
}

}  // namespace quellorn
