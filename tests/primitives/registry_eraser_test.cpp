#include "primitives/registry_eraser.h"

#include <gtest/gtest.h>

#include "support/context_fixture.h"

namespace quellorn {
namespace {

using platform::kCurrentUser;

// Every case works below a key of its own, removed again by the test machine.
class RegApiTest : public testing::ContextTest {
 protected:
  RegApiTest() {
    machine.LoadReg("REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\" + key + "]\r\n");
    ctx.run.mode = EraseMode::kErase;
  }

  void Load(const std::string& body) {
    machine.LoadReg("Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\" + key +
                    "]\r\n" + body);
  }
  // Makes keys below the key, each with a value.
  void Subkeys(std::initializer_list<std::string_view> paths) {
    std::string text = "REGEDIT4\r\n\r\n";
    for (std::string_view path : paths)
      text += "[HKEY_CURRENT_USER\\" + key + "\\" + std::string(path) + "]\r\n\"v\"=\"1\"\r\n";
    machine.LoadReg(text);
  }
  std::string Log() { return machine.ReadFile(ProgramFile("syslog.txt")); }
  std::string Read(const std::string& name) { return QueryValue(ctx, kCurrentUser, key, name); }

  // A key with no parent that another test program running meanwhile could create and remove.
  const std::string key = "Software\\QuellornTest-Registry";
};

TEST_F(RegApiTest, QueryValueAnswersTextDecimalOrTheMarker) {
  Load(
      "\"Text\"=\"C:\\\\Docs\\\\a.txt\"\r\n"
      "\"Empty\"=\"\"\r\n"
      "\"NoNul\"=hex(1):61,00,62,00\r\n"
      "\"Nothing\"=hex(1):\r\n"
      "\"Number\"=dword:00003039\r\n"
      "\"Negative\"=dword:ffffffff\r\n"
      "\"Binary\"=hex:01,02\r\n"
      "\"Expand\"=hex(2):25,00,00,00\r\n");
  EXPECT_EQ(Read("Text"), "C:\\Docs\\a.txt");
  EXPECT_EQ(Read("text"), "C:\\Docs\\a.txt");
  EXPECT_EQ(Read("Empty"), "");
  EXPECT_EQ(Read("NoNul"), "ab");
  EXPECT_EQ(Read("Nothing"), "error440");
  EXPECT_EQ(Read("Number"), "12345");
  EXPECT_EQ(Read("Negative"), "-1");
  EXPECT_EQ(Read("Binary"), "error440");
  EXPECT_EQ(Read("Expand"), "error440");
  EXPECT_EQ(Read("Missing"), "error440");
  EXPECT_EQ(QueryValue(ctx, kCurrentUser, key + "\\Missing", "Text"), "error440");
}

TEST_F(RegApiTest, WritesAndDeletesWaitForAnEraseRunThenReadBackWhole) {
  Load("\"Keep\"=\"1\"\r\n");
  for (EraseMode mode : {EraseMode::kNone, EraseMode::kTest}) {
    ctx.run.mode = mode;
    SetValue(ctx, kCurrentUser, key, "Keep", "2", platform::reg_type::kSz);
    DeleteValue(ctx, kCurrentUser, key, "Keep");
    DeleteKey(ctx, kCurrentUser, key);
    EXPECT_EQ(Read("Keep"), "1") << mode;
  }
  EXPECT_EQ(CreateKey(ctx, kCurrentUser, key + "\\Created"), platform::kSuccess);
  EXPECT_EQ(EnumKeys(ctx, kCurrentUser, key), "Created");
  // Written strings read back whole.
  ctx.run.mode = EraseMode::kErase;
  SetValue(ctx, kCurrentUser, key, "Start Page", "http://example.org/", platform::reg_type::kSz);
  SetValue(ctx, kCurrentUser, key, "Count", "42", platform::reg_type::kDword);
  EXPECT_EQ(Read("Start Page"), "http://example.org/");
  EXPECT_EQ(Read("Count"), "42");
  platform::RegKey open;
  ASSERT_EQ(platform::RegKey::Open(os.registry, kCurrentUser, key, open), platform::kSuccess);
  platform::RegValue stored;
  ASSERT_EQ(os.registry.QueryValue(open.get(), "Count", stored), platform::kSuccess);
  EXPECT_EQ(stored, (platform::RegValue{platform::reg_type::kDword, {42, 0, 0, 0}}));
}

TEST_F(RegApiTest, ListingsNameEveryValueAndSubkey) {
  const std::string longName(40, 'n');
  Load("\"a\"=\"1\"\r\n\"" + longName + "\"=\"2\"\r\n\"b\"=\"3\"\r\n");
  // Both back ends list values by name, as Wine does.
  EXPECT_EQ(EnumValues(ctx, kCurrentUser, key), "a,b," + longName + ",");
  EXPECT_EQ(EnumKeys(ctx, kCurrentUser, key), "error440");
  EXPECT_EQ(EnumValues(ctx, kCurrentUser, key + "\\Missing"), "error440");
  Subkeys({"One", "Two"});
  EXPECT_EQ(EnumKeys(ctx, kCurrentUser, key), "One,Two");
}

TEST_F(RegApiTest, ClearKeyValuesErasesEveryValueAndShowsItsData) {
  // An MRU list as Windows XP keeps it: strings and REG_BINARY entries.
  Load(
      "\"a\"=\"notepad\"\r\n"
      "\"MRUList\"=\"ab\"\r\n"
      "\"b\"=hex:6e,00,6f,00,74,00,65,00,2e,00,65,00,78,00,65,00,00,00,43,00,3a,00,5c,00,\\\r\n"
      "  00,00\r\n"
      "\"MRUListEx\"=hex:01,00,00,00,00,00,00,00,ff,ff,ff,ff\r\n");
  ClearKeyValues(ctx, kCurrentUser, key);
  EXPECT_EQ(EnumValues(ctx, kCurrentUser, key), "");
  EXPECT_EQ(ctx.run.totals.registryKeys, 4);
  // Values in name order (a, b, MRUList, MRUListEx), as both back ends list them.
  const std::vector<std::string> lines = {
      "Erasing Registry Key Value: notepad <OK>", "Erasing Registry Key Value: note.exe C:\\ <OK>",
      "Erasing Registry Key Value: ab <OK>", "Erasing Registry Key Value: MRUListEx <OK>"};
  EXPECT_EQ(view.progress, lines);
  EXPECT_EQ(Log(), lines[0] + "\r\n" + lines[1] + "\r\n" + lines[2] + "\r\n" + lines[3] + "\r\n");
}

TEST_F(RegApiTest, BinaryDataThatIsNotTextIsShownByItsValueName) {
  Load(
      "\"control\"=hex:61,00,1b,00,00,00\r\n"
      "\"half\"=hex:3d,d8,00,00\r\n"
      "\"odd\"=hex:41,00,42,00,00\r\n"
      "\"pair\"=hex:3d,d8,00,de,00,00\r\n"
      "\"pidl\"=hex:61,00,00,00,14,00,1f,50,00,00\r\n"
      "\"raw\"=hex:01,02\r\n");
  ClearKeyValues(ctx, kCurrentUser, key);
  std::vector<std::string> shown;
  for (const char* data : {"control", "half", "odd", "\xf0\x9f\x98\x80", "pidl", "raw"})
    shown.push_back("Erasing Registry Key Value: " + std::string(data) + " <OK>");
  EXPECT_EQ(view.progress, shown);
}

TEST_F(RegApiTest, MatchingValuesIgnoreCaseAndAllTakesEverything) {
  Load("\"UrlOne\"=\"http://a/\"\r\n\"urltwo\"=\"http://b/\"\r\n\"Other\"=\"x\"\r\n");
  DeleteMatchingValues(ctx, kCurrentUser, key, "URL");
  EXPECT_EQ(EnumValues(ctx, kCurrentUser, key), "Other,");
  EXPECT_EQ(ctx.run.totals.registryKeys, 2);
  DeleteMatchingValues(ctx, kCurrentUser, key, "all");
  EXPECT_EQ(EnumValues(ctx, kCurrentUser, key), "");
  EXPECT_EQ(ctx.run.totals.registryKeys, 3);
}

TEST_F(RegApiTest, MatchingSubkeysRespectCaseAndGoWithTheirSubkeys) {
  Subkeys({"Profile1\\Deep\\Deeper", "profile2", "Other"});
  DeleteMatchingSubkeys(ctx, kCurrentUser, key, "Profile");
  EXPECT_EQ(EnumKeys(ctx, kCurrentUser, key), "Other,profile2");
  EXPECT_EQ(ctx.run.totals.registryKeys, 1);
  EXPECT_EQ(view.progress,
            std::vector<std::string>{"Erasing Registry Key: " + key + "\\Profile1 <OK>"});
}

TEST_F(RegApiTest, SubkeyThatStaysIsNeitherCountedNorReported) {
  Subkeys({"One\\Deep", "Two"});
  faults.failingCall = {testing::CallKind::kRegDelete, 1};  // One\Deep, so One stays too
  DeleteMatchingSubkeys(ctx, kCurrentUser, key, "");
  EXPECT_EQ(EnumKeys(ctx, kCurrentUser, key), "One");
  EXPECT_EQ(ctx.run.totals.registryKeys, 1);
  EXPECT_EQ(view.progress, std::vector<std::string>{"Erasing Registry Key: " + key + "\\Two <OK>"});
}

TEST_F(RegApiTest, EditorTestListsAndChangesNothing) {
  Load("\"a\"=\"cmd\"\r\n");
  Subkeys({"Sub"});
  testing::RecordingEditorList list;
  ctx.editorTest.active = true;
  ctx.editorTest.list = &list;
  DeleteMatchingValues(ctx, kCurrentUser, key, "all");
  DeleteMatchingSubkeys(ctx, kCurrentUser, key, "");
  EXPECT_EQ(list.lines, (std::vector<std::string>{"Erasing Registry Key Value: cmd <OK>",
                                                  "Erasing Registry Key : " + key + "\\Sub <OK>"}));
  EXPECT_EQ(ctx.editorTest.count, 2);
  EXPECT_EQ(ctx.run.totals.registryKeys, 0);
  EXPECT_EQ(EnumValues(ctx, kCurrentUser, key), "a,");
  EXPECT_EQ(EnumKeys(ctx, kCurrentUser, key), "Sub");
  EXPECT_FALSE(os.files.Exists(ProgramFile("syslog.txt")));
}

// Lower-case root names reach nothing either.
TEST_F(RegApiTest, KeyThatCannotBeOpenedIsPassedOver) {
  Load("\"a\"=\"cmd\"\r\n");
  EXPECT_EQ(QueryValue(ctx, 0, key, "a"), "error440");
  ClearKeyValues(ctx, 0, key);
  EXPECT_EQ(Read("a"), "cmd");
  faults.unopenableKeys.insert(key);
  ClearKeyValues(ctx, kCurrentUser, key);
  DeleteMatchingValues(ctx, kCurrentUser, key, "all");
  DeleteMatchingSubkeys(ctx, kCurrentUser, key, "");
  EXPECT_EQ(ctx.run.totals.registryKeys, 0);
  EXPECT_TRUE(view.progress.empty());
  faults.unopenableKeys.clear();
  EXPECT_EQ(Read("a"), "cmd");
}

}  // namespace
}  // namespace quellorn
