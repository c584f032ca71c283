#include <gtest/gtest.h>

#include "support/context_fixture.h"
#include "ui/file_item_editor.h"
#include "ui/recording_dialogs.h"
#include "ui/registry_item_editor.h"

namespace quellorn {
namespace {

using ui::EntryList;
using ui::FileItemEditor;
using ui::RegistryErase;
using ui::RegistryItemEditor;

class CustomItemEditorTest : public testing::ContextTest {
 protected:
  CustomItemEditorTest() { machine.MakeFolder(Custom("")); }
  std::string Custom(std::string_view name) const {
    return ProgramFile("Custom\\") + std::string(name);
  }
  // Opens the test machine's root folder, which lies on drive C: below one or more folders.
  void OpenMachineRoot(ui::FolderBrowser& browser) {
    for (std::string_view rest = std::string_view(machine.root()).substr(3); !rest.empty();) {
      const std::size_t slash = rest.find('\\');
      browser.OnFolderRow(rest.substr(0, slash));
      rest = slash == std::string_view::npos ? "" : rest.substr(slash + 1);
    }
  }

  testing::RecordingDialogs<> dialogs;
};

TEST_F(CustomItemEditorTest, FileEditorBuildsEntriesFromTheBrowser) {
  FileItemEditor editor(ctx, dialogs, "new000");
  editor.Load();
  editor.OnAddFile(EntryList::kErase, "pagefile.sys");
  editor.OnAddFile(EntryList::kErase, "");
  EXPECT_EQ(dialogs.shown, std::vector<std::string>{"Quellorn|Must Select a File"});
  machine.MakeFolder(machine.root() + "\\Logs");
  OpenMachineRoot(editor.browser);
  editor.browser.OnFolderRow("Logs");
  editor.wildcard = "*.chk";
  editor.includeSubfolders = true;
  editor.OnAddFolder(EntryList::kErase);
  editor.includeSubfolders = false;
  editor.OnAddFolder(EntryList::kSpare);
  editor.browser.OnFolderRow("..");
  editor.OnAddFile(EntryList::kSpare, "keep.chk");
  EXPECT_EQ(
      editor.entries(EntryList::kErase),
      (std::vector<std::string>{"C:\\pagefile.sys", machine.root() + "\\Logs\\*.chk,Subfolder"}));
  EXPECT_EQ(
      editor.entries(EntryList::kSpare),
      (std::vector<std::string>{machine.root() + "\\Logs\\*.chk", machine.root() + "\\keep.chk"}));
  editor.OnRemove(EntryList::kSpare, 0);
  editor.OnRemove(EntryList::kSpare, 5);
  EXPECT_EQ(editor.entries(EntryList::kSpare).size(), 1u);
}

// The test lists what an erase would take, spares the exclusion, and erases nothing.
TEST_F(CustomItemEditorTest, FileTestListsWhatWouldGoAndErasesNothing) {
  FileItemEditor editor(ctx, dialogs, "new000");
  editor.Load();
  editor.OnTest();
  EXPECT_EQ(editor.testLines(), std::vector<std::string>{"Test: Start test..."});
  EXPECT_EQ(editor.result(), "Test OK, 0 file(s) scanned");

  const std::string logs = machine.root() + "\\Logs";
  for (const char* name : {"a.chk", "b.chk", "c.txt", "sub\\d.chk"})
    machine.WriteFile(logs + "\\" + name, "x");
  editor.wildcard = "*.chk";
  OpenMachineRoot(editor.browser);
  editor.browser.OnFolderRow("Logs");
  editor.includeSubfolders = true;
  editor.OnAddFolder(EntryList::kErase);
  editor.OnAddFile(EntryList::kSpare, "b.chk");
  editor.OnTest();
  EXPECT_EQ(editor.testLines(), (std::vector<std::string>{
                                    "Test: Start test...", "Test: Erasing " + logs + "\\a.chk <OK>",
                                    "Test: Erasing " + logs + "\\sub\\d.chk <OK>"}));
  EXPECT_EQ(editor.result(), "Test OK, 2 file(s) scanned");
  EXPECT_TRUE(os.files.Exists(logs + "\\a.chk"));
  EXPECT_EQ(ctx.run.totals.files, 0);
  EXPECT_TRUE(os.files.Exists(ProgramFile("temp.qk")));
}

TEST_F(CustomItemEditorTest, SavingNewAndExistingFileItems) {
  FileItemEditor editor(ctx, dialogs, "new000");
  editor.Load();
  editor.title = "  Backups ";
  editor.OnAddFile(EntryList::kErase, "x.bak");
  editor.OnSave();
  EXPECT_TRUE(editor.closed() && editor.saved());
  EXPECT_NE(machine.ReadFile(Custom("Backups.qk")).find("Selected = 1\r\n"), std::string::npos);

  FileItemEditor reopened(ctx, dialogs, "Backups.qk");
  reopened.Load();
  EXPECT_EQ(reopened.title, "Backups");
  EXPECT_EQ(reopened.entries(EntryList::kErase), std::vector<std::string>{"C:\\x.bak"});
  reopened.title = "Renamed";
  reopened.OnSave();
  const std::string saved = machine.ReadFile(Custom("Backups.qk"));
  EXPECT_NE(saved.find("Title = Renamed\r\n"), std::string::npos);
  EXPECT_NE(saved.find("Selected = 0\r\n"), std::string::npos);
  EXPECT_NE(saved.find("DelFile1=C:\\x.bak\r\n"), std::string::npos);
  EXPECT_FALSE(os.files.Exists(Custom("Renamed.qk")));
  EXPECT_TRUE(dialogs.shown.empty());
}

// A title names the new item's file: one that could lead elsewhere is refused, an existing
// item is replaced only when the user says so, and a failed write keeps the window open.
TEST_F(CustomItemEditorTest, SaveRefusesUnsafeTitlesAndAsksBeforeReplacing) {
  const std::pair<const char*, std::string_view> refusals[] = {
      {"   ", FileItemEditor::kNoTitle},
      {"..\\evil", FileItemEditor::kTitleNotAName},
      {"a/b", FileItemEditor::kTitleNotAName},
      {"C:x", FileItemEditor::kTitleNotAName},
      {"..", FileItemEditor::kTitleNotAName},
      {"NUL", FileItemEditor::kTitleNotAName},
      {"com1.txt", FileItemEditor::kTitleNotAName},
      {"end.", FileItemEditor::kTitleNotAName},
      {"what?", FileItemEditor::kTitleNotAName},
      {"tab\there", FileItemEditor::kTitleNotAName},
  };
  for (const auto& [title, message] : refusals) {
    SCOPED_TRACE(title);
    FileItemEditor editor(ctx, dialogs, "new000");
    editor.title = title;
    dialogs.shown.clear();
    editor.OnSave();
    EXPECT_EQ(dialogs.shown, std::vector<std::string>{"Quellorn|" + std::string(message)});
    EXPECT_FALSE(editor.closed());
  }
  EXPECT_FALSE(os.files.Exists(ProgramFile("evil.qk")));

  machine.WriteFile(Custom("Old.qk"), "old");
  dialogs.answers = {false, true};
  for (const char* expected : {"old", "[Info]"}) {
    FileItemEditor editor(ctx, dialogs, "new000");
    editor.title = "old";
    editor.OnSave();
    EXPECT_EQ(editor.closed(), std::string_view(expected) != "old");
    EXPECT_TRUE(machine.ReadFile(Custom("Old.qk")).starts_with(expected));
  }
  EXPECT_EQ(dialogs.asked.size(), 2u);

  faults.fullDisk = Custom("");
  FileItemEditor editor(ctx, dialogs, "Old.qk");
  editor.title = "Full";
  editor.OnSave();
  EXPECT_FALSE(editor.closed());
  EXPECT_EQ(dialogs.shown.back(), "Quellorn|Could not save " + Custom("Old.qk"));
}

// Opening and saving unchanged groups the rows by family, renumbers them and keeps the stored
// selection; a DelRegKeyList row stays one.
TEST_F(CustomItemEditorTest, RegistrySaveUnchangedRegroupsAndRenumbers) {
  machine.WriteFile(Custom("Reg.qk"),
                    "[Info]\r\nTitle = Reg\r\nSelected = 5\r\nType=Reg\r\n"
                    "DelRegValue1=HKEY_CURRENT_USER\\A,v\r\nDelRegKey1=HKEY_CURRENT_USER\\B\r\n"
                    "DelRegKeyList1=HKEY_CURRENT_USER\\C,Sess\r\n"
                    "DelRegValueList1=HKEY_CURRENT_USER\\D,all\r\n"
                    "DelRegKey2=HKEY_CURRENT_USER\\E\r\n");
  RegistryItemEditor editor(ctx, dialogs, "Reg.qk");
  editor.Load();
  EXPECT_EQ(editor.rows(),
            (std::vector<std::string>{
                "DelRegValueList=HKEY_CURRENT_USER\\D,all", "DelRegValue=HKEY_CURRENT_USER\\A,v",
                "DelRegKeyList=HKEY_CURRENT_USER\\C,Sess", "DelRegKey=HKEY_CURRENT_USER\\B",
                "DelRegKey=HKEY_CURRENT_USER\\E"}));
  editor.OnSave();
  EXPECT_EQ(machine.ReadFile(Custom("Reg.qk")),
            "[Info]\r\nTitle = Reg\r\nDescription = unknown value\r\nProvider =Custom Item \r\n"
            "Selected = 5\r\nType=Reg\r\nVersion = 3.0 \r\n\r\n"
            "DelRegKey1=HKEY_CURRENT_USER\\B\r\nDelRegKey2=HKEY_CURRENT_USER\\E\r\n"
            "DelRegKeyList1=HKEY_CURRENT_USER\\C,Sess\r\n"
            "DelRegValueList1=HKEY_CURRENT_USER\\D,all\r\n"
            "DelRegValue1=HKEY_CURRENT_USER\\A,v\r\n");
}

TEST_F(CustomItemEditorTest, RegistryRowsClipboardTestAndEditor) {
  RegistryItemEditor editor(ctx, dialogs, "new000");
  editor.Load();
  editor.OnClipboardText("HKEY_CURRENT_USER\\Software\\QuellornMissing");
  EXPECT_EQ(editor.key, "HKEY_CURRENT_USER\\Software\\QuellornMissing");
  editor.valueName = "v";
  editor.OnAdd();
  const RegistryErase kinds[] = {RegistryErase::kKey, RegistryErase::kValues,
                                 RegistryErase::kValue};
  for (const RegistryErase kind : kinds) {
    editor.OnErase(kind);
    EXPECT_EQ(editor.valueNameEnabled(), kind == RegistryErase::kValue);
    editor.OnAdd();
  }
  const std::string key = editor.key;
  EXPECT_EQ(editor.rows(),
            (std::vector<std::string>{"", "DelRegKey=" + key, "DelRegValueList=" + key + ",all",
                                      "DelRegValue=" + key + ",v"}));
  editor.OnTest();
  EXPECT_EQ(editor.testLines(), std::vector<std::string>{"Test: Start test..."});
  EXPECT_EQ(editor.result(), "Test OK, 0 Registry Entry(s) scanned");

  editor.OnLaunchEditor();
  faults.unstartable.insert("regedit");
  editor.OnLaunchEditor();
  ASSERT_EQ(shell.starts.size(), 2u);
  EXPECT_EQ(shell.starts[0].style, platform::ShowStyle::kNormal);
  EXPECT_EQ(dialogs.shown,
            std::vector<std::string>{"Quellorn|" + std::string(RegistryItemEditor::kNoEditor)});
}

}  // namespace
}  // namespace quellorn
