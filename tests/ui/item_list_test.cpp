#include "ui/item_list.h"

#include <gtest/gtest.h>

#include "support/context_fixture.h"
#include "ui/recording_dialogs.h"

namespace quellorn {
namespace {

using ui::ItemList;
using ui::ItemListKind;

// Records the list's messages, questions and the editors it opens.
struct RecordingListHost : testing::RecordingDialogs<ui::ItemListHost> {
  std::vector<std::string> editors;  // "file|name", "registry|name" or "chooser"
  void EditItem(ui::CustomItemType type, const std::string& fileName) override {
    editors.push_back((type == ui::CustomItemType::kRegistry ? "registry|" : "file|") + fileName);
  }
  void AddItem() override { editors.push_back("chooser"); }
};

class ItemListTest : public testing::ContextTest {
 protected:
  ItemListTest() { machine.MakeFolder(Plugin("")); }
  std::string Plugin(std::string_view name) const {
    return ProgramFile("plugins\\") + std::string(name);
  }
  void MakePlugin(std::string_view name, std::string_view info) {
    machine.WriteFile(Plugin(name), "[info]\r\n" + std::string(info));
  }
  // The list as "name" for a checked item and "-name" for an unchecked one.
  static std::string Shown(const ItemList& list) {
    std::string out;
    for (const auto& item : list.items())
      out += (item.checked ? "" : "-") + item.text + " ";
    return out;
  }
  std::string SelectedKey(std::string_view name) {
    return clsIniFile(os.files, Plugin(name)).GetSetting("info", "Selected");
  }

  RecordingListHost host;
  ItemList plugins{ctx, ItemListKind::kPlugins, host};
};

// The two passes put checked items first; Load and every second header click sort by name.
TEST_F(ItemListTest, ListsCheckedFirstAndSortsOnHeaderClicks) {
  MakePlugin("b.qk", "Selected=1\r\n");
  MakePlugin("c.qk", "Title=C\r\n");
  MakePlugin("a.qk", "Selected=7x\r\n");
  MakePlugin("d.qk", "Selected= 0\r\n");
  machine.WriteFile(Plugin("notes.txt"), "");
  plugins.Load();
  EXPECT_EQ(Shown(plugins), "-a -b c d ");
  const char* const afterClicks[] = {"-a -b c d ", "c d -a -b ", "-a -b c d ", "c d -a -b "};
  for (const char* expected : afterClicks) {
    plugins.OnHeaderClick();
    EXPECT_EQ(Shown(plugins), expected);
  }
}

// Checks write Selected at once; select all/none write only the items they change.
TEST_F(ItemListTest, BoxesWriteOnlyTheItemsTheyChange) {
  MakePlugin("a.qk", "Selected=1\r\n");
  MakePlugin("b.qk", "");
  MakePlugin("c.qk", "Selected=0\r\n");
  plugins.Load();
  plugins.OnSelectNone(true);
  EXPECT_EQ(Shown(plugins), "-a -b -c ");
  EXPECT_EQ(SelectedKey("a.qk"), "1");
  EXPECT_EQ(machine.ReadFile(Plugin("a.qk")), "[info]\r\nSelected=1\r\n") << "untouched";
  EXPECT_EQ(SelectedKey("b.qk"), "1");
  plugins.OnSelectAll(true);
  EXPECT_FALSE(plugins.noneBox());
  plugins.OnItemCheck(1, false);
  EXPECT_FALSE(plugins.allBox());
  EXPECT_EQ(Shown(plugins), "a -b c ");
  EXPECT_EQ(plugins.selected(), 1);
  for (const char* name : {"a.qk", "c.qk"})
    EXPECT_EQ(SelectedKey(name), "0") << name;
  EXPECT_EQ(SelectedKey("b.qk"), "1");
}

TEST_F(ItemListTest, InfoAndDeleteActOnTheSelectedItemOnly) {
  MakePlugin("a.qk", "Title=Alpha\r\nDescription=Cleans A\r\n");
  machine.WriteFile(Plugin(".qk"), "[info]\r\nTitle=Hidden\r\n");
  plugins.Load();
  plugins.OnInfo();
  plugins.OnDelete();
  EXPECT_TRUE(host.shown.empty());
  EXPECT_TRUE(host.asked.empty());
  EXPECT_TRUE(os.files.Exists(Plugin(".qk")));
  plugins.OnSelect(1);
  plugins.OnInfo();
  EXPECT_EQ(host.shown, std::vector<std::string>{"Alpha|Cleans A\r\n( Provided By: Orvalen)"});
  host.answers = {false, true};
  plugins.OnDelete();
  EXPECT_TRUE(os.files.Exists(Plugin("a.qk")));
  plugins.OnDelete();
  EXPECT_EQ(host.asked[1], "Delete Plugin|Will Delete the Plugin a  ?");
  EXPECT_FALSE(os.files.Exists(Plugin("a.qk")));
  EXPECT_EQ(Shown(plugins), " ");
}

struct ImportCase {
  const char* name;
  const char* source;  // file name under the root, or a path when it holds "\\"
  const char* content;
  bool existing;            // a plugin of that name is there already
  bool answer;              // to the overwrite question
  const char* message;      // the last message shown
  const char* pluginAfter;  // content of plugins\<name>, "" for none
};

TEST_F(ItemListTest, ImportCopiesOnlyValidFilesUnderTheirPlainName) {
  const ImportCase cases[] = {
      {"new", "p.qk", "[info]\r\nTitle=P\r\n", false, true,
       "Import Plugin file|Plugin File Import Successfully", "[info]\r\nTitle=P\r\n"},
      {"no title", "p.qk", "[info]\r\nDescription=x\r\n", false, true,
       "Quellorn|Invalid Plugin File", ""},
      {"kept", "p.qk", "[info]\r\nTitle=New\r\n", true, false, "", "old"},
      {"overwritten", "p.qk", "[info]\r\nTitle=New\r\n", true, true,
       "Import Plugin file|Plugin File Imported Successfully", "[info]\r\nTitle=New\r\n"},
      {"dot dot", "..", "", false, true, "Quellorn|Invalid Plugin File Name", ""},
      {"stream", "p.qk:x", "", false, true, "Quellorn|Invalid Plugin File Name", ""},
  };
  for (const ImportCase& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string source = machine.root() + "\\in\\" + c.source;
    machine.MakeFolder(machine.root() + "\\in");
    if (*c.content) machine.WriteFile(source, c.content);
    if (c.existing) machine.WriteFile(Plugin("p.qk"), "old");
    host = {};
    host.answers = {c.answer};
    plugins.OnImport("  " + source + " ");
    const std::string last = host.shown.empty() ? "" : host.shown.back();
    EXPECT_EQ(last.substr(0, std::string_view(c.message).size()), c.message);
    EXPECT_EQ(os.files.Exists(Plugin("p.qk")) ? machine.ReadFile(Plugin("p.qk")) : "",
              c.pluginAfter);
    EXPECT_EQ(host.asked.size(), c.existing ? 1u : 0u);
    machine.platform().files.Delete(Plugin("p.qk"));
  }
}

TEST_F(ItemListTest, FailedImportCopyIsReportedAndListsNothing) {
  machine.WriteFile(machine.root() + "\\p.qk", "[info]\r\nTitle=P\r\n");
  machine.platform().files.RemoveFolder(ProgramFile("plugins"));
  plugins.OnImport(machine.root() + "\\p.qk");
  ASSERT_EQ(host.shown.size(), 1u);
  EXPECT_EQ(host.shown[0].rfind("Import Plugin file|Plugin File Import Failed\r\n\r\n", 0), 0u);
  EXPECT_TRUE(plugins.items().empty());
}

TEST_F(ItemListTest, MakerAndDownloadStartTheirTargets) {
  plugins.OnPluginMaker();
  EXPECT_EQ(host.shown, std::vector<std::string>{"Quellorn|The Plugin Maker is not installed."});
  EXPECT_TRUE(shell.starts.empty());
  machine.WriteFile(ProgramFile("pluginmaker.exe"), "MZ");
  plugins.OnPluginMaker();
  ASSERT_EQ(shell.starts.size(), 1u);
  EXPECT_EQ(shell.starts[0].target, "\"" + ProgramFile("pluginmaker.exe") + "\"");
  plugins.OnDownload();
  ASSERT_EQ(shell.opens.size(), 1u);
  EXPECT_EQ(shell.opens[0].target, "https://www.orvalen.example/plugins.htm");
}

// "Edit" opens the editor that the file's Type names exactly; plugins have no editors.
TEST_F(ItemListTest, EditOpensTheEditorOfTheItemsTypeAndAddTheChooser) {
  machine.MakeFolder(ProgramFile("Custom"));
  const std::pair<const char*, const char*> items[] = {{"a", "Reg"}, {"b", "reg"}, {"c", "File"}};
  for (const auto& [name, type] : items)
    machine.WriteFile(ProgramFile("Custom\\") + name + ".qk",
                      std::string("[info]\r\nType=") + type);
  ItemList custom(ctx, ItemListKind::kCustom, host);
  custom.Load();
  custom.OnEdit();
  for (int row = 0; row < 3; ++row) {
    custom.OnSelect(row);
    custom.OnEdit();
  }
  custom.OnAdd();
  MakePlugin("p.qk", "Type=Reg\r\n");
  plugins.Load();
  plugins.OnSelect(0);
  plugins.OnEdit();
  plugins.OnAdd();
  EXPECT_EQ(host.editors,
            (std::vector<std::string>{"registry|a.qk", "file|b.qk", "file|c.qk", "chooser"}));
  EXPECT_TRUE(custom.editEnabled() && custom.addEnabled());
  EXPECT_FALSE(plugins.editEnabled() || plugins.addEnabled());
}

TEST_F(ItemListTest, CustomListInfoShowsTheDescriptionAlone) {
  machine.MakeFolder(ProgramFile("Custom"));
  machine.WriteFile(ProgramFile("Custom\\temp.qk"),
                    "[info]\r\nTitle=Temp\r\nDescription=Old files\r\n");
  ItemList custom(ctx, ItemListKind::kCustom, host);
  custom.Load();
  custom.OnSelect(0);
  custom.OnInfo();
  faults.undeletable.insert(ProgramFile("Custom\\temp.qk"));
  custom.OnDelete();
  EXPECT_EQ(custom.items().size(), 1u) << "kept when its file stays";
  faults.undeletable.clear();
  host.asked.clear();
  custom.OnDelete();
  EXPECT_EQ(host.shown,
            (std::vector<std::string>{"Temp|Old files", "Quellorn|Could not delete temp.qk"}));
  EXPECT_EQ(host.asked,
            std::vector<std::string>{"Delete Plugin|Will Delete the Custom Item temp  ?"});
  EXPECT_FALSE(os.files.Exists(ProgramFile("Custom\\temp.qk")));
}

}  // namespace
}  // namespace quellorn
