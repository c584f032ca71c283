#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "core/track.h"

namespace quellorn {

class clsIniFile;

// The options of settings.dat in memory, as stored; a value missing from the file or not a number
// stays 0. The flags do not agree on which value means "on", so code asks the predicates below
// rather than reading a flag.
struct Settings {
  std::int16_t autoRun = 0;
  std::int16_t homepageprotect = 0;
  std::int16_t bosskey = 0;
  std::int16_t antirecover = 0;
  std::int16_t OverWriteTimes = 0;
  std::int16_t stealth = 0;
  std::int16_t Autoerase = 0;  // bit set: 1 Windows start-up, 2 shutdown, 4 browser shutdown
  std::int16_t EraseTime = 0;  // 1..7, "15 Minutes" to "Monthly"
  std::int16_t ErasePerTime = 0;
  std::int32_t sound = 0;
  std::string sndpath;
  std::int32_t Resultwin = 0;
  std::int16_t clearlog = 0;  // 0 manual, 1 at exit, 2 at Windows shutdown, 3 logging off
  std::array<std::int16_t, kTrackCount> trackFlags{};

  std::int16_t& flag(Track track) { return trackFlags[static_cast<std::size_t>(track)]; }
  std::int16_t flag(Track track) const { return trackFlags[static_cast<std::size_t>(track)]; }

  bool TrackSelected(Track track) const { return flag(track) == 0; }
  // Stealth: the program starts hidden when Windows starts it, and has no tray icon.
  bool StealthOn() const { return stealth == 0; }
  bool BossKeyOn() const { return bosskey == 0; }
  // Files are overwritten before they are deleted (otherwise they go to the Recycle Bin's
  // shell delete).
  bool SecureErasing() const { return antirecover == 0; }
  // Passes of zeros over a file erased securely: the stored count, kept within 1 to 10.
  int OverwritePasses() const;
  bool ShowsResultWindow() const { return Resultwin != 0; }
  bool ClearsLogAtExit() const { return clearlog == 1; }
  bool ClearsLogAtWindowsShutdown() const { return clearlog == 2; }
  // The automatic erase runs.
  bool ErasesAtWindowsStartUp() const { return (Autoerase & 1) != 0; }
  bool ErasesAtWindowsShutdown() const { return (Autoerase & 2) != 0; }
  bool ErasesAtBrowserShutdown() const { return (Autoerase & 4) != 0; }
  bool PeriodicEraseOn() const { return ErasePerTime == 0; }
  // Minutes between periodic erase runs; a code outside the choices means daily.
  int PeriodicEraseMinutes() const;
  // The Internet Explorer home page is guarded against changes by other programs.
  bool HomePageProtected() const { return homepageprotect == 0; }
  bool LoggingOff() const { return clearlog == 3; }
  bool StartsWithWindows() const { return autoRun == 0; }
  // An automatic erase event as the options window shows it: a value outside 1 to 7 checks no
  // box there (the triggers test the bits alone).
  bool ErasesAt(std::int16_t event) const {
    return Autoerase >= 1 && Autoerase <= 7 && (Autoerase & event) != 0;
  }

  // The flags set as the options window sets them: 0 for on, 1 for off.
  void SetStartsWithWindows(bool on) { autoRun = Flag(on); }
  void SetHomePageProtected(bool on) { homepageprotect = Flag(on); }
  void SetPeriodicEraseOn(bool on) { ErasePerTime = Flag(on); }
  void SetStealth(bool on) { stealth = Flag(on); }
  void SetBossKey(bool on) { bosskey = Flag(on); }
  void SetSecureErasing(bool on) { antirecover = Flag(on); }

 private:
  static std::int16_t Flag(bool on) { return on ? 0 : 1; }
};

// The bits of Autoerase.
inline constexpr std::int16_t kEraseAtWindowsStartUp = 1;
inline constexpr std::int16_t kEraseAtWindowsShutdown = 2;
inline constexpr std::int16_t kEraseAtBrowserShutdown = 4;

// The values of settings.dat that are read where they are used rather than at start-up. The
// savers answer false when the file could not be written.
std::string LastErased(const clsIniFile& file);
bool SaveLastErased(clsIniFile& file, const std::string& when);
// Reads "EraseTime" anew into `settings`; a value that does not convert leaves it as it was.
void RereadEraseTime(const clsIniFile& file, Settings& settings);
// "Don't Show This Screen Next Time" of the erase confirmation.
bool ConfirmationSkipped(const clsIniFile& file);
bool SaveConfirmationSkipped(clsIniFile& file, bool skipped);
// The Netscape 4.x program folder, as the user typed it.
std::string NetscapeFolder(const clsIniFile& file);
bool SaveNetscapeFolder(clsIniFile& file, const std::string& folder);
// Opera's folder (no window sets it; it is written into the file by hand).
std::string OperaFolder(const clsIniFile& file);

// One key of settings.dat: the names it is read and written by (the program has always used
// different letter cases for some of them; the file compares names without case), and how it
// converts.
struct SettingKey {
  enum class Kind { kNumber16, kLeading16, kNumber32, kText };
  std::string_view readSection;
  std::string_view readName;
  std::string_view writeSection;
  std::string_view writeName;
  Kind kind;
  // Exactly one of these names the in-memory value.
  std::int16_t Settings::*number16 = nullptr;
  std::int32_t Settings::*number32 = nullptr;
  std::string Settings::*text = nullptr;
  Track track{};
  bool isTrack = false;
};

// Every key read at start-up, in reading order.
std::span<const SettingKey> SettingKeys();
const SettingKey& TrackSettingKey(Track track);

// Reads every key into `settings` from one reading of the file; values that are missing or do not
// convert keep what `settings` held. An empty "sndpath" becomes programFolder + "\gunshot.wav".
void ReadSettings(const clsIniFile& file, const std::string& programFolder, Settings& settings);
// Writes one value back under its write name; nonzero on success, as clsIniFile::SaveSetting.
int SaveSetting(clsIniFile& file, const Settings& settings, const SettingKey& key);
// The options the options window saves together, each group in the order it writes them.
enum class OptionGroup { kGeneral, kSchedule, kHomePage };
void SaveOptions(clsIniFile& file, const Settings& settings, OptionGroup group);

}  // namespace quellorn
