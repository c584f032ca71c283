// quellorn.exe under Wine, driven as a user would: its windows are found by their class and
// caption, buttons are pressed, and what a run did is read back from syslog.txt and the disk.
// Screenshots of every window land in the shots folder for review.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <tuple>
#include <vector>

#include "program_driver.h"
#include "support/display_check.h"
#include "ui/win32/file_item_editor_view.h"

// Needs <windows.h> before it.
#include <commctrl.h>

namespace quellorn::testing {
namespace {

namespace fs = std::filesystem;

// The program folder and the shots folder, made by the test script, and the traces the custom
// item erases (outside the program folder, whose files the program never erases).
const fs::path kFolder = L"C:\\quellorn-gui";
const fs::path kShots = L"C:\\quellorn-gui-shots";
const fs::path kTraces = L"C:\\quellorn-gui-traces";

constexpr UINT kTrayCallback = 2025;
constexpr int kShowHideKey = 2;

void Write(const fs::path& path, std::string_view text) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << text;
}

std::string Read(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Four built-in items that erase only registry entries, and one custom item that erases the
// trace files.
constexpr std::string_view kSettings =
    "[General]\r\nstealth=1\r\nresultwin=1\r\nclearlog=0\r\nWarning=0\r\nAntiRecover=1\r\n"
    "[IE]\r\nURLList=0\r\nCookies=1\r\nHistory=1\r\nCache=1\r\nAutoComplete=1\r\nplugins=1\r\n"
    "Index=1\r\n[netscape]\r\nhistory=1\r\ncookies=1\r\nURL=1\r\ncache=1\r\n"
    "[AOL]\r\ncache=1\r\ncookies=1\r\nhistory=1\r\nURL=1\r\n[Opera]\r\nURL=1\r\ncookies=1\r\n"
    "cache=1\r\n[Windows]\r\nRecent=1\r\nFind=0\r\nRun=0\r\nRecycleBin=1\r\nWindowsTemp=1\r\n"
    "OpenSave=0\r\n";
constexpr int kTaskRows = 5;

class GuiTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!CanShowWindows()) GTEST_SKIP() << "no display to show windows on";
    ASSERT_TRUE(fs::exists(kFolder / "quellorn.exe")) << "the test script copies it there";
    Write(kFolder / "settings.dat", kSettings);
    Write(kFolder / "Custom" / "Leftovers.qk",
          "[Info]\r\nTitle = Leftovers\r\nSelected = 0\r\nDelFile1=" +
              (kTraces / "*.trc").string() + "\r\n");
    fs::remove_all(kTraces);
    Write(kTraces / "one.trc", "a trace");
    Write(kTraces / "two.trc", "another trace");
    fs::remove(kFolder / "syslog.txt");
    fs::remove(kFolder / "help.chm");
    fs::create_directories(kShots);
  }

  // The settings with one more [General] key.
  static void WriteSettingsWith(std::string_view general) {
    std::string settings(kSettings);
    settings.insert(std::string_view("[General]\r\n").size(), std::string(general) + "\r\n");
    Write(kFolder / "settings.dat", settings);
  }
  static bool LogHolds(std::string_view text) { return Log().find(text) != std::string::npos; }
  static std::wstring Shot(std::wstring_view name) { return (kShots / name).wstring() + L".bmp"; }
  static std::string Log() { return Read(kFolder / "syslog.txt"); }
  static bool TracesLeft() {
    return fs::exists(kTraces / "one.trc") || fs::exists(kTraces / "two.trc");
  }
  static HWND List(HWND main, int which) {
    HWND list = FindWindowExW(main, nullptr, WC_LISTVIEWW, nullptr);
    if (which == 1) list = FindWindowExW(main, list, WC_LISTVIEWW, nullptr);
    return list;
  }
};

TEST_F(GuiTest, MainWindowListsTheTasksATestRunChangesNothingAndAboutAndHelpOpen) {
  RunningProgram program(kFolder);
  ASSERT_NE(program.main(), nullptr);
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(program.main()) != FALSE; }));
  EXPECT_EQ(RowCount(List(program.main(), 0)), kTaskRows);
  EXPECT_TRUE(Screenshot(program.main(), Shot(L"main")));

  ASSERT_TRUE(Click(program.main(), L"Test Now"));
  const HWND result = WaitForWindow(program.id(), L"Quellorn.Message", L"Test Completed");
  ASSERT_NE(result, nullptr);
  EXPECT_TRUE(Screenshot(result, Shot(L"test_result")));
  EXPECT_TRUE(Screenshot(program.main(), Shot(L"main_after_test")));
  EXPECT_NE(Log().find("Test Mode: Test Start"), std::string::npos) << Log();
  EXPECT_NE(Log().find("Test Mode: --Test Completed"), std::string::npos) << Log();
  EXPECT_TRUE(fs::exists(kTraces / "one.trc"));
  EXPECT_GT(RowCount(List(program.main(), 1)), 2) << "progress lines";

  ASSERT_TRUE(Click(result, L"OK"));
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(result); }));

  ASSERT_TRUE(Click(program.main(), L"About"));
  const HWND about = WaitForWindow(program.id(), L"Quellorn.About", L"About");
  ASSERT_NE(about, nullptr);
  EXPECT_TRUE(Screenshot(about, Shot(L"about")));
  ASSERT_TRUE(Click(about, L"OK"));
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(about); }));

  // Help without its file says so.
  ASSERT_TRUE(Click(program.main(), L"Help"));
  const HWND missing = WaitForWindow(program.id(), L"Quellorn.Message", L"Quellorn");
  ASSERT_NE(missing, nullptr);
  EXPECT_TRUE(Screenshot(missing, Shot(L"help_missing")));
  EXPECT_EQ(FindProgramWindow(program.id(), L"#32770"), nullptr) << "no error box";
  EXPECT_TRUE(IsWindowVisible(program.main()));
}

// A run yields to the window after every file: it repaints and answers, and a request to close
// waits for the run to end.
TEST_F(GuiTest, DuringARunTheWindowAnswersAndClosesOnlyAfterIt) {
  for (int i = 0; i < 6000; ++i)
    Write(kTraces / ("many" + std::to_string(i) + ".trc"), "a trace");
  RunningProgram program(kFolder);
  const HWND main = program.main();
  ASSERT_NE(main, nullptr);
  const HWND bar = FindWindowExW(main, nullptr, PROGRESS_CLASSW, nullptr);
  EXPECT_FALSE(IsWindowVisible(bar)) << "only during a run";

  ASSERT_TRUE(Click(main, L"Test Now"));
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(bar) != FALSE; }));
  EXPECT_FALSE(IsWindowEnabled(FindButton(main, L"Erase Now")));
  EXPECT_FALSE(IsWindowEnabled(FindButton(main, L"Exit")));
  EXPECT_TRUE(Screenshot(main, Shot(L"main_during_run")));
  PostMessageW(main, WM_CLOSE, 0, 0);
  EXPECT_TRUE(program.WaitForExit());
  EXPECT_NE(Log().find("Test Mode: --Test Completed"), std::string::npos)
      << "the run ended before the program";
}

TEST_F(GuiTest, EraseNowAsksFirstThenErases) {
  RunningProgram program(kFolder);
  ASSERT_NE(program.main(), nullptr);

  ASSERT_TRUE(Click(program.main(), L"Erase Now"));
  HWND confirmation = WaitForWindow(program.id(), L"Quellorn.EraseNow", L"Erase Now");
  ASSERT_NE(confirmation, nullptr);
  EXPECT_FALSE(IsWindowEnabled(program.main())) << "modal";
  ASSERT_TRUE(Click(confirmation, L"Cancel"));
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(confirmation); }));
  EXPECT_TRUE(Responds(program.main()));
  EXPECT_EQ(Log(), "") << "a cancelled run writes nothing";
  EXPECT_TRUE(TracesLeft());

  ASSERT_TRUE(Click(program.main(), L"Erase Now"));
  confirmation = WaitForWindow(program.id(), L"Quellorn.EraseNow", L"Erase Now");
  ASSERT_NE(confirmation, nullptr);
  EXPECT_TRUE(Screenshot(confirmation, Shot(L"confirmation")));
  ASSERT_TRUE(Click(confirmation, L"Erase Now"));
  const HWND result = WaitForWindow(program.id(), L"Quellorn.Message", L"Task Completed");
  ASSERT_NE(result, nullptr);
  EXPECT_TRUE(Screenshot(result, Shot(L"erase_result")));
  EXPECT_NE(Log().find("-----------Start to Erase"), std::string::npos) << Log();
  EXPECT_NE(Log().find("Files Erased: 2 "), std::string::npos) << Log();
  // Every erase run of the program verifies itself; its result says so.
  EXPECT_NE(Log().find("\r\nVerify: everything selected was erased\r\n"), std::string::npos);
  EXPECT_TRUE(TextOf(FindWindowExW(result, nullptr, WC_STATICW, nullptr))
                  .ends_with(L"\r\nVerify: everything selected was erased"));
  EXPECT_FALSE(TracesLeft());
  EXPECT_TRUE(IsWindowEnabled(program.main()));
}

// ALT+A reaches a hidden window only through its message: Wine delivers global hot keys while
// one of its windows has the keyboard.
TEST_F(GuiTest, TrayMenuMinimizingAndAltA) {
  RunningProgram program(kFolder);
  const HWND main = program.main();
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(main) != FALSE; }));

  PostMessageW(main, kTrayCallback, 0, WM_RBUTTONUP);
  const HWND menu = WaitForWindow(program.id(), L"#32768");
  ASSERT_NE(menu, nullptr);
  EXPECT_TRUE(Screenshot(menu, Shot(L"tray_menu")));
  PostMessageW(menu, WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(menu); }));

  // The minimize image of the title bar: to the tray.
  RECT client{};
  GetClientRect(main, &client);
  const LPARAM minimize = MAKELPARAM(client.right - 39 + 6, 8 + 6);
  PostMessageW(main, WM_LBUTTONDOWN, MK_LBUTTON, minimize);
  PostMessageW(main, WM_LBUTTONUP, 0, minimize);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(main); }));
  EXPECT_TRUE(Screenshot(GetDesktopWindow(), Shot(L"desktop_in_tray")));
  PostMessageW(main, kTrayCallback, 0, WM_LBUTTONUP);
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(main) != FALSE; }));

  PostMessageW(main, WM_HOTKEY, kShowHideKey, MAKELPARAM(MOD_ALT, 'A'));
  EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(main); }));
  PostMessageW(main, WM_HOTKEY, kShowHideKey, MAKELPARAM(MOD_ALT, 'A'));
  EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(main) != FALSE; }));
}

TEST_F(GuiTest, StartedByWindowsInStealthModeItStaysUnseenUntilAltA) {
  std::string settings(kSettings);
  settings.replace(settings.find("stealth=1"), 9, "stealth=0");
  Write(kFolder / "settings.dat", settings);
  RunningProgram program(kFolder, L"min");
  const HWND main = program.main();
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(Responds(main));
  EXPECT_FALSE(IsWindowVisible(main));
  PostMessageW(main, WM_HOTKEY, kShowHideKey, MAKELPARAM(MOD_ALT, 'A'));
  EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(main) != FALSE; }));
}

// The watch timer's tick is sent rather than waited for.
constexpr WPARAM kWatchTimer = 1;
constexpr std::string_view kRunEnd = "-----------Task Completed Successfully-----------at ";

TEST_F(GuiTest, ClosingTheLastBrowserWindowErasesByItself) {
  WriteSettingsWith("Autoerase=4");
  WNDCLASSW browserClass{};
  browserClass.lpfnWndProc = DefWindowProcW;
  browserClass.hInstance = GetModuleHandleW(nullptr);
  browserClass.lpszClassName = L"IEFrame";
  RegisterClassW(&browserClass);
  RunningProgram program(kFolder);
  ASSERT_NE(program.main(), nullptr);
  const HWND browser = CreateWindowExW(0, L"IEFrame", L"Browser", WS_OVERLAPPEDWINDOW, 60, 60, 300,
                                       200, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(browser, nullptr);
  SendMessageW(program.main(), WM_TIMER, kWatchTimer, 0);
  EXPECT_EQ(Log(), "") << "a browser is open";
  DestroyWindow(browser);
  PostMessageW(program.main(), WM_TIMER, kWatchTimer, 0);
  ASSERT_TRUE(WaitUntil([] { return LogHolds(kRunEnd); })) << Log();
  EXPECT_TRUE(
      Log().starts_with("Browser Shutdown Detected, Starting To Erase\r\n"
                        "-----------Start to Erase---"))
      << Log();
  EXPECT_FALSE(TracesLeft());
  const HWND result = WaitForWindow(program.id(), L"Quellorn.Message", L"Task Completed");
  ASSERT_NE(result, nullptr);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(result); })) << "it closes by itself";
}

TEST_F(GuiTest, WindowsEndingTheSessionErasesFirst) {
  WriteSettingsWith("Autoerase=2");
  RunningProgram program(kFolder);
  ASSERT_NE(program.main(), nullptr);
  PostMessageW(program.main(), WM_QUERYENDSESSION, 0, 0);
  ASSERT_TRUE(WaitUntil([] { return LogHolds(kRunEnd); })) << Log();
  EXPECT_TRUE(
      Log().starts_with("Windows Shutdown Detected, Starting To Erase......\r\n"
                        "-----------Start to Erase---"))
      << Log();
  EXPECT_TRUE(LogHolds("Files Erased: 2 ")) << Log();
  EXPECT_TRUE(Responds(program.main())) << "the session did not end: the program goes on";
}

constexpr wchar_t kIeMain[] = L"Software\\Microsoft\\Internet Explorer\\Main";

void SetStartPage(HKEY root, const std::wstring& page) {
  RegSetKeyValueW(root, kIeMain, L"Start Page", REG_SZ, page.c_str(),
                  static_cast<DWORD>((page.size() + 1) * sizeof(wchar_t)));
}

std::wstring StartPage(HKEY root) {
  wchar_t page[300] = {};
  DWORD size = sizeof page;
  RegGetValueW(root, kIeMain, L"Start Page", RRF_RT_REG_SZ, nullptr, page, &size);
  return page;
}

// A page another program set is caught at the next tick; No puts the user's page back for the
// user and for the machine.
TEST_F(GuiTest, AHomePageChangedBehindItsBackGoesBackWhenTheUserSaysNo) {
  const std::wstring page = L"https://start.example.org/";
  for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE})
    SetStartPage(root, page);
  RunningProgram program(kFolder);
  ASSERT_NE(program.main(), nullptr);
  SetStartPage(HKEY_CURRENT_USER, L"http://hijack.example/");
  SetStartPage(HKEY_LOCAL_MACHINE, L"http://hijack.example/");
  PostMessageW(program.main(), WM_TIMER, kWatchTimer, 0);
  const HWND question = WaitForWindow(program.id(), L"#32770", L"Quellorn");
  ASSERT_NE(question, nullptr);
  EXPECT_TRUE(Screenshot(question, Shot(L"home_page_question")));
  PostMessageW(question, WM_COMMAND, IDNO, 0);
  EXPECT_TRUE(WaitUntil([&] { return StartPage(HKEY_CURRENT_USER) == page; }));
  EXPECT_EQ(StartPage(HKEY_LOCAL_MACHINE), page);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(question); }));
}

// Each tab shows its own page; OK with the start-up box checked writes the program's quoted
// path under the user's Run key.
TEST_F(GuiTest, OptionsShowsItsTabsAndOkWritesTheStartUpEntry) {
  constexpr wchar_t kRun[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
  RegDeleteKeyValueW(HKEY_CURRENT_USER, kRun, L"Quellorn");
  std::string settings(kSettings);
  settings.insert(settings.find("stealth"), "Autorun=1\r\n");
  Write(kFolder / "settings.dat", settings);
  RunningProgram program(kFolder);
  ASSERT_NE(program.main(), nullptr);
  ASSERT_TRUE(Click(program.main(), L"Options"));
  const HWND options = WaitForWindow(program.id(), L"Quellorn.Options", L"Options");
  ASSERT_NE(options, nullptr);
  EXPECT_FALSE(IsWindowEnabled(program.main())) << "modal";
  for (const auto& [tab, shot] :
       {std::pair{L"Schedule", L"options_schedule"}, std::pair{L"Security", L"options_security"},
        std::pair{L"Homepage", L"options_homepage"}, std::pair{L"General", L"options_general"}}) {
    ASSERT_TRUE(Click(options, tab));
    const HWND button = FindButton(options, tab);
    EXPECT_TRUE(WaitUntil([&] { return SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED; }));
    EXPECT_TRUE(Screenshot(options, Shot(shot)));
  }
  const HWND autorun = FindButton(options, L"Load Quellorn At Windows Startup");
  ASSERT_TRUE(IsWindowVisible(autorun));
  EXPECT_EQ(SendMessageW(autorun, BM_GETCHECK, 0, 0), BST_UNCHECKED);
  SendMessageW(autorun, BM_CLICK, 0, 0);
  ASSERT_TRUE(Click(options, L"OK"));
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(options); }));
  EXPECT_TRUE(IsWindowEnabled(program.main()));
  wchar_t entry[300] = {};
  DWORD size = sizeof entry;
  EXPECT_EQ(
      RegGetValueW(HKEY_CURRENT_USER, kRun, L"Quellorn", RRF_RT_REG_SZ, nullptr, entry, &size),
      ERROR_SUCCESS);
  EXPECT_EQ(std::wstring(entry), L"\"C:\\quellorn-gui\\quellorn.exe\" min");
  EXPECT_NE(Read(kFolder / "settings.dat").find("Autorun=0"), std::string::npos);
  RegDeleteKeyValueW(HKEY_CURRENT_USER, kRun, L"Quellorn");
}

// The "Eraser Settings" window, opened from the main window's button.
HWND OpenEraserSettings(RunningProgram& program) {
  if (!Click(program.main(), L"Eraser Settings")) return nullptr;
  return WaitForWindow(program.id(), L"Quellorn.TrackSelection", L"Eraser Settings");
}

// The "Custom items" tab's "Add": the chooser, then the editor of the kind chosen by its button.
HWND OpenNewCustomItemEditor(RunningProgram& program, HWND settings, const wchar_t* choice,
                             const wchar_t* className) {
  if (!Click(settings, L"Custom items") || !Click(settings, L"Add")) return nullptr;
  const HWND chooser = WaitForWindow(program.id(), L"Quellorn.NewCustomItem");
  if (chooser == nullptr || !Click(chooser, choice)) return nullptr;
  return WaitForWindow(program.id(), className);
}

TEST_F(GuiTest, AddChoosesTheEditorOfANewCustomItem) {
  RunningProgram program(kFolder);
  const HWND settings = OpenEraserSettings(program);
  ASSERT_NE(settings, nullptr);
  ASSERT_TRUE(Click(settings, L"Custom items"));
  ASSERT_TRUE(Click(settings, L"Add"));
  const HWND chooser =
      WaitForWindow(program.id(), L"Quellorn.NewCustomItem", L"Add New Custom Item");
  ASSERT_NE(chooser, nullptr);
  EXPECT_FALSE(IsWindowEnabled(settings)) << "modal";
  EXPECT_TRUE(Screenshot(chooser, Shot(L"new_custom_item")));
  ASSERT_TRUE(Click(chooser, L"Add File And Folder Item"));
  const HWND editor = WaitForWindow(program.id(), L"Quellorn.FileItemEditor", L"New Custom Item");
  ASSERT_NE(editor, nullptr);
  EXPECT_FALSE(IsWindow(chooser));
  PostMessageW(editor, WM_CLOSE, 0, 0);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(editor); }));
  const HWND registry = OpenNewCustomItemEditor(program, settings, L"Add Registry Item",
                                                L"Quellorn.RegistryItemEditor");
  ASSERT_NE(registry, nullptr);
  PostMessageW(registry, WM_CLOSE, 0, 0);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(registry); }));
  EXPECT_TRUE(IsWindowEnabled(settings));
}

// A list box's rows.
std::vector<std::wstring> Rows(HWND list) {
  std::vector<std::wstring> rows;
  const auto count = SendMessageW(list, LB_GETCOUNT, 0, 0);
  for (WPARAM row = 0; static_cast<LRESULT>(row) < count; ++row) {
    std::wstring text(static_cast<std::size_t>(SendMessageW(list, LB_GETTEXTLEN, row, 0)), L'\0');
    SendMessageW(list, LB_GETTEXT, row, reinterpret_cast<LPARAM>(text.data()));
    rows.push_back(text);
  }
  return rows;
}

// A file item built in its editor's browser erases the folder's logs but the spared one.
TEST_F(GuiTest, AFileItemBuiltInItsEditorErasesWhatItsTestListed) {
  namespace id = ui::win32::file_item_id;
  const fs::path traces = kTraces / "Editor";
  for (const char* name : {"a.log", "b.log", "keep.log", "sub/c.log"})
    Write(traces / name, name);
  const fs::path item = kFolder / "Custom" / "Editor Traces.qk";
  fs::remove(item);
  RunningProgram program(kFolder);
  const HWND settings = OpenEraserSettings(program);
  ASSERT_NE(settings, nullptr);
  const HWND editor = OpenNewCustomItemEditor(program, settings, L"Add File And Folder Item",
                                              L"Quellorn.FileItemEditor");
  ASSERT_NE(editor, nullptr);
  const auto post = [&](int control, WORD code) {
    PostMessageW(editor, WM_COMMAND, MAKEWPARAM(control, code),
                 reinterpret_cast<LPARAM>(GetDlgItem(editor, control)));
  };
  // Chooses the row once the list shows it, and double-clicks it or presses `button`.
  const auto choose = [&](int list, const wchar_t* row, int button) {
    const HWND box = GetDlgItem(editor, list);
    LRESULT found = LB_ERR;
    ASSERT_TRUE(WaitUntil([&] {
      found = SendMessageW(box, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                           reinterpret_cast<LPARAM>(row));
      return found != LB_ERR;
    })) << row;
    SendMessageW(box, LB_SETCURSEL, static_cast<WPARAM>(found), 0);
    post(button, button == list ? LBN_DBLCLK : BN_CLICKED);
  };
  SetDlgItemTextW(editor, id::kTitle, L"Editor Traces");
  choose(id::kFolders, kTraces.filename().c_str(), id::kFolders);
  choose(id::kFolders, L"Editor", id::kFolders);
  SetDlgItemTextW(editor, id::kWildcard, L"*.log");
  SendMessageW(GetDlgItem(editor, id::kSubfolders), BM_CLICK, 0, 0);
  post(id::kFirstAddFolder, BN_CLICKED);
  choose(id::kFiles, L"keep.log", id::kFirstAddFile + 1);
  post(id::kTest, BN_CLICKED);
  const HWND result = GetDlgItem(editor, id::kResult);
  ASSERT_TRUE(WaitUntil([&] { return TextOf(result) == L"Test OK, 3 file(s) scanned"; }))
      << TextOf(result);
  const std::wstring folder = traces.wstring();
  EXPECT_EQ(Rows(GetDlgItem(editor, id::kFirstList)),
            std::vector<std::wstring>{folder + L"\\*.log,Subfolder"});
  EXPECT_EQ(Rows(GetDlgItem(editor, id::kFirstList + 1)),
            std::vector<std::wstring>{folder + L"\\keep.log"});
  EXPECT_EQ(Rows(GetDlgItem(editor, id::kTestLines)),
            (std::vector<std::wstring>{L"Test: Start test...",
                                       L"Test: Erasing " + folder + L"\\a.log <OK>",
                                       L"Test: Erasing " + folder + L"\\b.log <OK>",
                                       L"Test: Erasing " + folder + L"\\sub\\c.log <OK>"}));
  EXPECT_TRUE(Screenshot(editor, Shot(L"file_item_editor")));
  post(id::kSave, BN_CLICKED);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(editor); }));
  EXPECT_TRUE(fs::exists(item));

  // Ticked with every other custom item, it erases what the test listed at the next run.
  HWND list = FindWindowExW(settings, nullptr, WC_LISTVIEWW, nullptr);
  while (list != nullptr && !IsWindowVisible(list))
    list = FindWindowExW(settings, list, WC_LISTVIEWW, nullptr);
  ASSERT_TRUE(WaitUntil([&] { return RowCount(list) == 2; }));
  SendMessageW(FindButton(settings, L"Select all of the above"), BM_CLICK, 0, 0);
  EXPECT_TRUE(WaitUntil(
      [&] { return ListView_GetCheckState(list, 0) && ListView_GetCheckState(list, 1); }));
  ASSERT_TRUE(Click(settings, L"OK"));
  ASSERT_TRUE(Click(program.main(), L"Erase Now"));
  const HWND confirmation = WaitForWindow(program.id(), L"Quellorn.EraseNow", L"Erase Now");
  ASSERT_NE(confirmation, nullptr);
  ASSERT_TRUE(Click(confirmation, L"Erase Now"));
  ASSERT_NE(WaitForWindow(program.id(), L"Quellorn.Message", L"Task Completed"), nullptr);
  for (const char* name : {"a.log", "b.log", "sub/c.log"})
    EXPECT_FALSE(fs::exists(traces / name));
  EXPECT_EQ(Read(traces / "keep.log"), "keep.log");
  fs::remove(item);
  fs::remove_all(traces);
}

// A plugin chosen in the open dialog is copied into the plugins folder and listed; unticked, its
// file says so.
TEST_F(GuiTest, ImportPluginCopiesTheChosenFileIntoThePluginsFolder) {
  const fs::path chosen = kTraces / "Cleaner.qk";
  const fs::path imported = kFolder / "plugins" / "Cleaner.qk";
  Write(chosen, "[Info]\r\nTitle = Cleaner\r\nSelected = 0\r\n");
  fs::create_directories(imported.parent_path());
  fs::remove(imported);
  RunningProgram program(kFolder);
  const HWND window = OpenEraserSettings(program);
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(Click(window, L"Applications"));
  ASSERT_TRUE(Click(window, L"Import Plug-in"));
  const HWND dialog = WaitForWindow(program.id(), L"#32770", L"Open Plugin File");
  ASSERT_NE(dialog, nullptr);
  EXPECT_TRUE(Screenshot(dialog, Shot(L"import_plugin")));
  // The file name box: a combo box in the Explorer-style dialog, an edit box in the old one.
  constexpr int kFileNameCombo = 0x47c;
  constexpr int kFileNameEdit = 0x480;
  const int box = GetDlgItem(dialog, kFileNameCombo) != nullptr ? kFileNameCombo : kFileNameEdit;
  ASSERT_TRUE(SetDlgItemTextW(dialog, box, chosen.c_str()));
  PostMessageW(dialog, WM_COMMAND, IDOK, 0);
  EXPECT_TRUE(WaitUntil([&] { return fs::exists(imported); }));
  EXPECT_EQ(Read(imported), Read(chosen));
  EXPECT_NE(WaitForWindow(program.id(), L"Quellorn.Message"), nullptr) << "the import is reported";
  // Unticking it writes its file at once.
  SendMessageW(FindButton(window, L"Select none of the above"), BM_CLICK, 0, 0);
  EXPECT_TRUE(WaitUntil([&] { return Read(imported).find("Selected=1") != std::string::npos; }))
      << Read(imported);
  fs::remove(imported);
}

// A cookie put on the keep list in its window survives the next erase run; the others go.
TEST_F(GuiTest, ACookieOnTheKeepListSurvivesTheNextErase) {
  constexpr wchar_t kShellFolders[] =
      L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
  const fs::path cookies = kTraces / "Cookies";
  const std::wstring folder = cookies.wstring();
  ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, kShellFolders, L"Cookies", REG_SZ, folder.c_str(),
                            static_cast<DWORD>((folder.size() + 1) * sizeof(wchar_t))),
            ERROR_SUCCESS);
  fs::remove(kFolder / "Cookies.txt");
  Write(cookies / "joe@bank[1].txt", "kept");
  std::string settings(kSettings);
  settings.replace(settings.find("\r\nCookies=1"), 11, "\r\nCookies=0");
  Write(kFolder / "settings.dat", settings);
  RunningProgram program(kFolder);
  const HWND window = OpenEraserSettings(program);
  ASSERT_NE(window, nullptr);
  // The IE tab's second "Options" button: the cookies' keep list.
  constexpr int kCookiesOptions = 511;
  PostMessageW(window, WM_COMMAND, MAKEWPARAM(kCookiesOptions, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(window, kCookiesOptions)));
  const HWND keepList = WaitForWindow(program.id(), L"Quellorn.KeepList");
  ASSERT_NE(keepList, nullptr);
  const HWND current = FindWindowExW(keepList, nullptr, L"ListBox", nullptr);
  ASSERT_NE(current, nullptr);
  ASSERT_TRUE(WaitUntil([&] { return SendMessageW(current, LB_GETCOUNT, 0, 0) == 1; }));
  SendMessageW(current, LB_SETCURSEL, 0, 0);
  PostMessageW(keepList, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(current), LBN_DBLCLK),
               reinterpret_cast<LPARAM>(current));
  EXPECT_TRUE(Screenshot(keepList, Shot(L"keep_list_cookies")));
  ASSERT_TRUE(Click(keepList, L"OK"));
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(keepList); }));
  EXPECT_EQ(Read(kFolder / "Cookies.txt"), "joe@bank[1].txt\r\n");
  ASSERT_TRUE(Click(window, L"Cancel"));

  Write(cookies / "joe@ads[1].txt", "tracking");
  ASSERT_TRUE(Click(program.main(), L"Erase Now"));
  const HWND confirmation = WaitForWindow(program.id(), L"Quellorn.EraseNow", L"Erase Now");
  ASSERT_NE(confirmation, nullptr);
  ASSERT_TRUE(Click(confirmation, L"Erase Now"));
  ASSERT_NE(WaitForWindow(program.id(), L"Quellorn.Message", L"Task Completed"), nullptr);
  EXPECT_FALSE(fs::exists(cookies / "joe@ads[1].txt"));
  EXPECT_EQ(Read(cookies / "joe@bank[1].txt"), "kept");
  RegDeleteKeyValueW(HKEY_CURRENT_USER, kShellFolders, L"Cookies");
  fs::remove(kFolder / "Cookies.txt");
}

TEST_F(GuiTest, EraserSettingsShowsItsTabsAndOkDropsTheDeselectedItems) {
  RunningProgram program(kFolder);
  ASSERT_NE(program.main(), nullptr);
  const HWND window = OpenEraserSettings(program);
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(IsWindowEnabled(program.main())) << "beside the main window";
  const auto show = [&](const wchar_t* tab, const std::wstring& shot) {
    ASSERT_TRUE(Click(window, tab));
    const HWND button = FindButton(window, tab);
    EXPECT_TRUE(WaitUntil([&] { return SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED; }));
    EXPECT_TRUE(Screenshot(window, Shot(shot)));
  };
  show(L"Windows", L"settings_windows");
  show(L"Applications", L"settings_applications");
  show(L"Custom items", L"settings_custom");
  // Unticking the custom items writes their files at once.
  SendMessageW(FindButton(window, L"Select none of the above"), BM_CLICK, 0, 0);
  EXPECT_TRUE(WaitUntil([] {
    return Read(kFolder / "Custom" / "Leftovers.qk").find("Selected=1") != std::string::npos;
  }));
  show(L"Browsers", L"settings_browsers");
  for (const wchar_t* tab : {L"Netscape", L"Opera", L"AOL", L"IE"})
    show(tab, std::wstring(L"settings_") + tab);

  // Each modal window opened from the IE and Netscape tabs, then closed.
  const auto openAndClose = [&](const wchar_t* button, const wchar_t* className,
                                const wchar_t* shot, const wchar_t* close) {
    ASSERT_TRUE(Click(window, button));
    const HWND opened = WaitForWindow(program.id(), className);
    ASSERT_NE(opened, nullptr) << className;
    EXPECT_FALSE(IsWindowEnabled(window)) << "modal";
    EXPECT_TRUE(Screenshot(opened, Shot(shot)));
    ASSERT_TRUE(Click(opened, close));
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(opened); }));
  };
  openAndClose(L"Options", L"Quellorn.KeepList", L"keep_list_url", L"Cancel");
  show(L"Netscape", L"settings_netscape_again");
  ASSERT_TRUE(Click(window, L"Netscape Directory"));
  const HWND folder = WaitForWindow(program.id(), L"Quellorn.NetscapeFolder");
  ASSERT_NE(folder, nullptr);
  EXPECT_TRUE(Screenshot(folder, Shot(L"netscape_folder")));
  ASSERT_TRUE(Click(folder, L"..."));
  const HWND chooser = WaitForWindow(program.id(), L"Quellorn.FolderChooser");
  ASSERT_NE(chooser, nullptr);
  EXPECT_TRUE(Screenshot(chooser, Shot(L"netscape_folder_chooser")));
  ASSERT_TRUE(Click(chooser, L"Exit"));
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(chooser); }));
  ASSERT_TRUE(Click(folder, L"Exit"));
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(folder); }));

  show(L"IE", L"settings_ie_again");
  SendMessageW(FindButton(window, L"Select none of the above"), BM_CLICK, 0, 0);
  EXPECT_EQ(SendMessageW(FindButton(window, L"Location Bar History"), BM_GETCHECK, 0, 0),
            BST_UNCHECKED);
  ASSERT_TRUE(Click(window, L"OK"));
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(window); }));
  const std::string settings = Read(kFolder / "settings.dat");
  const std::size_t ie = settings.find("[IE]");
  ASSERT_NE(ie, std::string::npos);
  const std::string section = settings.substr(ie, settings.find('[', ie + 1) - ie);
  for (const char* key :
       {"URLList", "Cookies", "History", "AutoComplete", "plugins", "Cache", "Index"})
    EXPECT_NE(section.find(std::string("\r\n") + key + "=1\r\n"), std::string::npos) << key;
  EXPECT_TRUE(WaitUntil([&] { return RowCount(List(program.main(), 0)) == kTaskRows - 2; }));
}

// The rows of a list box of another process.
std::vector<std::wstring> ListBoxRows(HWND list) {
  std::vector<std::wstring> rows;
  const auto count = SendMessageW(list, LB_GETCOUNT, 0, 0);
  for (WPARAM row = 0; static_cast<LRESULT>(row) < count; ++row) {
    std::wstring text(static_cast<std::size_t>(SendMessageW(list, LB_GETTEXTLEN, row, 0)), L'\0');
    SendMessageW(list, LB_GETTEXT, row, reinterpret_cast<LPARAM>(text.data()));
    rows.push_back(text);
  }
  return rows;
}

// The text of a control of another process (GetWindowText reads only its caption).
std::wstring ControlText(HWND control) {
  std::wstring text(static_cast<std::size_t>(SendMessageW(control, WM_GETTEXTLENGTH, 0, 0)), L'\0');
  SendMessageW(control, WM_GETTEXT, text.size() + 1, reinterpret_cast<LPARAM>(text.data()));
  return text;
}

// Text on the clipboard, as another program copies it: its window owns the clipboard.
bool CopyText(const std::wstring& text) {
  const HWND owner =
      CreateWindowExW(0, L"Static", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  if (!OpenClipboard(owner)) return false;
  EmptyClipboard();
  const std::size_t size = (text.size() + 1) * sizeof(wchar_t);
  const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
  std::memcpy(GlobalLock(memory), text.c_str(), size);
  GlobalUnlock(memory);
  const bool copied = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
  CloseClipboard();
  DestroyWindow(owner);
  return copied;
}

// A registry item built in its editor: a key copied to the clipboard lands in the key box, the
// test lists what exists and erases nothing, and the saved item reopens and saves the same.
TEST_F(GuiTest, TheRegistryItemEditorBuildsTestsAndReopensAnItem) {
  constexpr wchar_t kSubKey[] = L"Software\\QuellornGuiTest";
  const std::wstring key = std::wstring(L"HKEY_CURRENT_USER\\") + kSubKey;
  for (const auto& [name, data] : {std::pair{L"Alpha", L"one"}, std::pair{L"Beta", L"two"}})
    ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, kSubKey, name, REG_SZ, data, 8), ERROR_SUCCESS);
  const fs::path item = kFolder / "Custom" / "Registry Test.qk";
  fs::remove(item);
  fs::remove(kFolder / "Custom" / "Leftovers.qk");  // the new item is the list's only row
  RunningProgram program(kFolder);
  const HWND settings = OpenEraserSettings(program);
  HWND editor = OpenNewCustomItemEditor(program, settings, L"Add Registry Item",
                                        L"Quellorn.RegistryItemEditor");
  ASSERT_NE(editor, nullptr);
  const auto box = [&](int which) {
    HWND edit = FindWindowExW(editor, nullptr, L"Edit", nullptr);
    while (which-- > 0)
      edit = FindWindowExW(editor, edit, L"Edit", nullptr);
    return edit;
  };
  // Pressed at once: a posted press would come after the next sent one.
  const auto press = [&](const wchar_t* caption) {
    SendMessageW(FindButton(editor, caption), BM_CLICK, 0, 0);
  };
  SendMessageW(box(0), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"Registry Test"));
  ASSERT_TRUE(CopyText(key));
  ASSERT_TRUE(WaitUntil([&] { return ControlText(box(2)) == key; })) << "the clipboard is watched";
  EXPECT_FALSE(IsWindowEnabled(box(3)));
  for (const wchar_t* option : {L"Erase Key", L"Erase Values Under the key", L"Erase Value"}) {
    press(option);
    if (IsWindowEnabled(box(3)))
      SendMessageW(box(3), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"Alpha"));
    press(L"Add");
  }
  EXPECT_TRUE(IsWindowEnabled(box(3)));
  ASSERT_TRUE(Click(editor, L"Test"));
  const HWND rows = FindWindowExW(editor, nullptr, L"ListBox", nullptr);
  const HWND lines = FindWindowExW(editor, rows, L"ListBox", nullptr);
  // The result line comes after the test's lines.
  ASSERT_TRUE(WaitUntil([&] {
    return FindWindowExW(editor, nullptr, L"Static", L"Test OK, 4 Registry Entry(s) scanned");
  }));
  const std::vector<std::wstring> built{L"DelRegKey=" + key, L"DelRegValueList=" + key + L",all",
                                        L"DelRegValue=" + key + L",Alpha"};
  EXPECT_EQ(ListBoxRows(rows), built);
  EXPECT_EQ(ListBoxRows(lines),
            (std::vector<std::wstring>{L"Test: Start test...",
                                       L"Test: Erasing Registry Key Value: one <OK>",
                                       L"Test: Erasing Registry Key Value: two <OK>",
                                       L"Test: Erasing Registry Key Value: Alpha <OK>",
                                       L"Test: Erasing Registry Key: " + key + L" <OK>"}));
  EXPECT_EQ(
      RegGetValueW(HKEY_CURRENT_USER, kSubKey, L"Beta", RRF_RT_REG_SZ, nullptr, nullptr, nullptr),
      ERROR_SUCCESS);
  EXPECT_TRUE(Screenshot(editor, Shot(L"registry_item_editor")));
  ASSERT_TRUE(Click(editor, L"Save"));
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(editor); }));
  const std::string saved = Read(item);
  EXPECT_NE(saved.find("\r\nType=Reg\r\n"), std::string::npos) << saved;
  const auto actions = [](const std::string& text) { return text.substr(text.find("DelReg")); };

  // Reopened with "Edit" on its row, chosen by the list's keyboard, and saved unchanged.
  HWND list = FindWindowExW(settings, nullptr, WC_LISTVIEWW, nullptr);
  while (list != nullptr && !IsWindowVisible(list))
    list = FindWindowExW(settings, list, WC_LISTVIEWW, nullptr);
  ASSERT_TRUE(WaitUntil([&] { return RowCount(list) == 1; }));
  PostMessageW(list, WM_KEYDOWN, VK_HOME, 0);
  ASSERT_TRUE(WaitUntil([&] { return Click(settings, L"Edit"); }));
  editor = WaitForWindow(program.id(), L"Quellorn.RegistryItemEditor");
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(ControlText(box(0)), L"Registry Test");
  EXPECT_EQ(ListBoxRows(FindWindowExW(editor, nullptr, L"ListBox", nullptr)),
            (std::vector{built[1], built[2], built[0]}))
      << "loaded family by family";
  ASSERT_TRUE(Click(editor, L"Save"));
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(editor); }));
  EXPECT_EQ(actions(Read(item)), actions(saved));
  RegDeleteTreeW(HKEY_CURRENT_USER, kSubKey);
  RegDeleteKeyW(HKEY_CURRENT_USER, kSubKey);
  fs::remove(item);
}

// A folder window that shares the program's title is no old copy.
TEST_F(GuiTest, ASecondCopyClosesTheFirstAndNothingElse) {
  WNDCLASSW folderClass{};
  folderClass.lpfnWndProc = DefWindowProcW;
  folderClass.hInstance = GetModuleHandleW(nullptr);
  folderClass.lpszClassName = L"CabinetWClass";
  RegisterClassW(&folderClass);
  const HWND folder = CreateWindowExW(0, L"CabinetWClass", L"Quellorn", WS_OVERLAPPEDWINDOW, 40, 40,
                                      300, 200, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(folder, nullptr);

  RunningProgram first(kFolder);
  ASSERT_NE(first.main(), nullptr);
  RunningProgram second(kFolder);
  EXPECT_TRUE(first.WaitForExit());
  ASSERT_NE(second.main(), nullptr);
  EXPECT_NE(second.main(), first.main());
  EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(second.main()) != FALSE; }));
  MSG closing;
  EXPECT_FALSE(PeekMessageW(&closing, folder, WM_CLOSE, WM_CLOSE, PM_NOREMOVE));
  EXPECT_TRUE(IsWindow(folder));
  DestroyWindow(folder);
}

// Whether a window of the program could take the key from this process: the program holds it.
bool HotKeyTaken(UINT key) {
  if (RegisterHotKey(nullptr, 0x7000, MOD_ALT, key)) {
    UnregisterHotKey(nullptr, 0x7000);
    return false;
  }
  return GetLastError() == ERROR_HOTKEY_ALREADY_REGISTERED;
}

int WindowCount(DWORD process, const wchar_t* className) {
  struct Search {
    DWORD process;
    const wchar_t* className;
    int count = 0;
  } search{process, className};
  EnumWindows(
      [](HWND window, LPARAM data) {
        auto& found = *reinterpret_cast<Search*>(data);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        wchar_t name[64] = {};
        GetClassNameW(window, name, 64);
        if (owner == found.process && IsWindowVisible(window) &&
            name == std::wstring(found.className))
          ++found.count;
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.count;
}

// Enter in the confirmation cancels; two runs leave one result window; ALT+E still works after
// a run.
TEST_F(GuiTest, EnterCancelsTheConfirmationAndResultsShareOneWindow) {
  RunningProgram program(kFolder);
  const HWND main = program.main();
  ASSERT_NE(main, nullptr);
  for (int run = 1; run <= 2; ++run) {
    ASSERT_TRUE(Click(main, L"Test Now"));
    ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(FindButton(main, L"Test Now")) != FALSE; }));
  }
  ASSERT_NE(WaitForWindow(program.id(), L"Quellorn.Message", L"Test Completed"), nullptr);
  EXPECT_EQ(WindowCount(program.id(), L"Quellorn.Message"), 1);
  EXPECT_EQ(TextOf(FindButton(main, L"Erase Now")), L"&Erase Now");

  PostMessageW(FindButton(main, L"Test Now"), WM_SYSCHAR, 'e', 1 << 29);
  const HWND confirmation = WaitForWindow(program.id(), L"Quellorn.EraseNow", L"Erase Now");
  ASSERT_NE(confirmation, nullptr) << "ALT+E";
  PostMessageW(FindButton(confirmation, L"Cancel"), WM_KEYDOWN, VK_RETURN, 0);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(confirmation); }));
  EXPECT_TRUE(TracesLeft());
  EXPECT_EQ(Log().find("Start to Erase"), std::string::npos);
}

// A copy started while the first runs gets ALT+A once the first has gone; ALT+SPACE stays free
// for other programs while the boss key is off.
TEST_F(GuiTest, HotKeysGoToTheNewCopyAndAltSpaceOnlyWithTheBossKey) {
  for (int i = 0; i < 1500; ++i)
    Write(kTraces / ("many" + std::to_string(i) + ".trc"), "a trace");
  WriteSettingsWith("bosskey=1");
  RunningProgram first(kFolder);
  ASSERT_NE(first.main(), nullptr);
  ASSERT_TRUE(Click(first.main(), L"Test Now"));
  const HWND bar = FindWindowExW(first.main(), nullptr, PROGRESS_CLASSW, nullptr);
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(bar) != FALSE; }));
  RunningProgram second(kFolder);
  EXPECT_TRUE(first.WaitForExit());
  ASSERT_NE(second.main(), nullptr);
  EXPECT_TRUE(WaitUntil([] { return HotKeyTaken('A'); }));
  EXPECT_FALSE(HotKeyTaken(VK_SPACE));
  PostMessageW(second.main(), WM_HOTKEY, kShowHideKey, MAKELPARAM(MOD_ALT, 'A'));
  EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(second.main()); }));
}

// A dialog of a window in the screen's corner opens fully on screen; the main window comes back
// from hiding inside the screen; a drag with the right button ends when it comes up.
TEST_F(GuiTest, WindowsStayOnScreenAndARightButtonDragEnds) {
  RunningProgram program(kFolder);
  const HWND main = program.main();
  ASSERT_NE(main, nullptr);
  RECT area{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  SetWindowPos(main, nullptr, area.right - 120, area.bottom - 80, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  ASSERT_TRUE(Click(main, L"About"));
  const HWND about = WaitForWindow(program.id(), L"Quellorn.About", L"About");
  ASSERT_NE(about, nullptr);
  const auto inside = [&](HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect.left >= area.left && rect.top >= area.top && rect.right <= area.right &&
           rect.bottom <= area.bottom;
  };
  EXPECT_TRUE(inside(about));
  ASSERT_TRUE(Click(about, L"OK"));
  PostMessageW(main, WM_HOTKEY, kShowHideKey, MAKELPARAM(MOD_ALT, 'A'));
  ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(main); }));
  PostMessageW(main, WM_HOTKEY, kShowHideKey, MAKELPARAM(MOD_ALT, 'A'));
  EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(main) && inside(main); }));

  RECT before{};
  GetWindowRect(main, &before);
  SetForegroundWindow(main);
  // The pointer reaches the program through the X server a moment after it is set: each step
  // waits for its effect rather than for a fixed time.
  const POINT grip{before.left + 60, before.top + 10};
  const auto mouse = [&](int dx, int dy, DWORD button) {
    const POINT to{grip.x + dx, grip.y + dy};
    SetCursorPos(to.x, to.y);
    ASSERT_TRUE(WaitUntil([&] {
      POINT at{};
      return GetCursorPos(&at) && at.x == to.x && at.y == to.y;
    }));
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = button;
    if (button != 0) SendInput(1, &input, sizeof input);
    ASSERT_TRUE(Responds(main));
  };
  const auto movedBy = [&](int dx, int dy) {
    RECT now{};
    GetWindowRect(main, &now);
    return now.left - before.left == dx && now.top - before.top == dy;
  };
  mouse(0, 0, MOUSEEVENTF_RIGHTDOWN);
  mouse(-20, -10, 0);
  EXPECT_TRUE(WaitUntil([&] { return movedBy(-20, -10); })) << "moves with the button down";
  mouse(-20, -10, MOUSEEVENTF_RIGHTUP);
  mouse(-50, -40, 0);
  EXPECT_FALSE(WaitUntil([&] { return !movedBy(-20, -10); }, std::chrono::milliseconds(500)))
      << "stays once the button is up";
}

// The screen's DPI for programs started from here on (Wine reads it as a process starts); the
// setting before goes back at the end.
class ScreenDpi {
 public:
  explicit ScreenDpi(DWORD dpi) {
    RegCreateKeyExW(HKEY_CURRENT_USER, kDesktop, 0, nullptr, 0, KEY_QUERY_VALUE | KEY_SET_VALUE,
                    nullptr, &key_, nullptr);
    DWORD size = sizeof old_;
    had_ = RegQueryValueExW(key_, kName, nullptr, nullptr, reinterpret_cast<BYTE*>(&old_), &size) ==
           ERROR_SUCCESS;
    RegSetValueExW(key_, kName, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi), sizeof dpi);
  }
  ~ScreenDpi() {
    if (!had_) {
      RegDeleteValueW(key_, kName);
    } else {
      RegSetValueExW(key_, kName, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&old_), sizeof old_);
    }
    RegCloseKey(key_);
  }
  ScreenDpi(const ScreenDpi&) = delete;
  ScreenDpi& operator=(const ScreenDpi&) = delete;

 private:
  static constexpr wchar_t kDesktop[] = L"Control Panel\\Desktop";
  static constexpr wchar_t kName[] = L"LogPixels";
  HKEY key_ = nullptr;
  DWORD old_ = 0;
  bool had_ = false;
};

SIZE OuterSize(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return {rect.right - rect.left, rect.bottom - rect.top};
}

// The visible buttons and one-line labels of the window whose caption, in the program's text font
// (Tahoma, 8 points) at the DPI, does not fit them.
std::vector<std::wstring> CutCaptions(HWND window, int dpi) {
  struct Search {
    HDC dc;
    std::vector<std::wstring> cut;
  };
  const HFONT font = CreateFontW(-MulDiv(8, dpi, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                 DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma");
  Search search{CreateCompatibleDC(nullptr), {}};
  const HGDIOBJ old = SelectObject(search.dc, font);
  EnumChildWindows(
      window,
      [](HWND control, LPARAM data) -> BOOL {
        auto& search = *reinterpret_cast<Search*>(data);
        wchar_t kind[32] = {};
        GetClassNameW(control, kind, 32);
        const auto style = static_cast<DWORD>(GetWindowLongPtrW(control, GWL_STYLE));
        const bool push = (style & BS_TYPEMASK) <= BS_DEFPUSHBUTTON || (style & BS_PUSHLIKE);
        const bool button = _wcsicmp(kind, WC_BUTTONW) == 0 && push;
        const bool label = _wcsicmp(kind, WC_STATICW) == 0 && (style & SS_ELLIPSISMASK) == 0;
        const std::wstring text = TextOf(control);
        if (!IsWindowVisible(control) || (!button && !label) || text.empty()) return TRUE;
        RECT client{}, needed{};
        GetClientRect(control, &client);
        DrawTextW(search.dc, text.c_str(), -1, &needed,
                  DT_CALCRECT | DT_SINGLELINE | (label ? DT_NOPREFIX : 0));
        const int margin = button ? 4 : 0;
        const bool oneLine = client.bottom < 2 * needed.bottom;
        if (oneLine && (needed.right + margin > client.right || needed.bottom > client.bottom))
          search.cut.push_back(text);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  SelectObject(search.dc, old);
  DeleteDC(search.dc);
  DeleteObject(font);
  return search.cut;
}

TEST_F(GuiTest, At144DpiWindowsGrowByHalfAndTheirCaptionsFit) {
  SIZE usual{};
  {
    RunningProgram program(kFolder);
    ASSERT_NE(program.main(), nullptr);
    usual = OuterSize(program.main());
  }
  const ScreenDpi dpi(144);
  RunningProgram program(kFolder);
  const HWND main = program.main();
  ASSERT_NE(main, nullptr);
  const SIZE scaled = OuterSize(main);
  EXPECT_NEAR(scaled.cx, usual.cx * 3 / 2, 1);
  EXPECT_NEAR(scaled.cy, usual.cy * 3 / 2, 1);
  const auto check = [&](HWND window, const wchar_t* shot, const wchar_t* close) {
    ASSERT_NE(window, nullptr) << shot;
    EXPECT_TRUE(Screenshot(window, Shot(shot)));
    EXPECT_EQ(CutCaptions(window, 144), std::vector<std::wstring>{}) << shot;
    if (close != nullptr) {
      ASSERT_TRUE(Click(window, close));
    }
  };
  check(main, L"main_144dpi", nullptr);
  ASSERT_TRUE(Click(main, L"Erase Now"));
  check(WaitForWindow(program.id(), L"Quellorn.EraseNow", L"Erase Now"), L"confirmation_144dpi",
        L"Cancel");
  ASSERT_TRUE(Click(main, L"About"));
  check(WaitForWindow(program.id(), L"Quellorn.About", L"About"), L"about_144dpi", L"OK");
  ASSERT_TRUE(Click(main, L"Options"));
  check(WaitForWindow(program.id(), L"Quellorn.Options", L"Options"), L"options_144dpi", L"Cancel");
  const HWND settings = OpenEraserSettings(program);
  check(settings, L"settings_144dpi", nullptr);
  for (const auto& [choice, className, shot] :
       {std::tuple{L"Add File And Folder Item", L"Quellorn.FileItemEditor", L"file_item_144dpi"},
        std::tuple{L"Add Registry Item", L"Quellorn.RegistryItemEditor",
                   L"registry_item_144dpi"}}) {
    const HWND editor = OpenNewCustomItemEditor(program, settings, choice, className);
    check(editor, shot, nullptr);
    PostMessageW(editor, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(editor); }));
  }
}
}  // namespace
}  // namespace quellorn::testing
