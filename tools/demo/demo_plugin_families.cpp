// A plugin for a made-up editor that uses every action family, with the traces it erases.
#include "demo/demo_builder.h"

namespace quellorn::demo {
namespace {

constexpr std::string_view kEditorKey = "HKEY_CURRENT_USER\\Software\\Acme\\Editor";

std::string Line(std::string_view key, std::string_view value) {
  return std::string(key) + "=" + std::string(value) + "\r\n";
}

std::string PluginText() {
  const std::string key(kEditorKey);
  return "[Info]\r\n"
         "Title = Acme Editor\r\n"
         "Description = Recent files, sessions, backups and the editor's own history\r\n"
         "Provider =Quellorn\r\n"
         "Selected = 0\r\n"
         "Version = 3.0 \r\n"
         "\r\n" +
         Line("DelRegValueList1", key + "\\Recent,all") +
         Line("DelRegValue1", key + "\\Settings,LastFile") +
         Line("DelRegKeyList1", key + "\\Sessions,Session") +
         Line("DelRegKey1", key + "\\Clipboard") +
         Line("UpdateRegValue1", key + "\\Settings,LastFolder,C:\\") +
         Line("DelFile1", "%appdata%\\Acme\\Editor\\Backups\\*.bak,Subfolder") +
         Line("DelFile2",
              "C:\\Documents and Settings\\%username%\\Local Settings\\Temp\\acme*.tmp") +
         Line("ExFile1",
              DemoBuilder::InProfile("Application Data\\Acme\\Editor\\Backups\\pinned.bak")) +
         Line("UpdateFile1", "%appdata%\\Acme\\Editor\\editor.ini,recent") +
         Line("Run", "acmeclean.exe");
}

}  // namespace

void AddEveryFamilyPlugin(DemoBuilder& demo) {
  demo.File(DemoBuilder::InProgram("plugins\\Acme Editor.qk"), PluginText());
  demo.File(DemoBuilder::InProgram("plugins\\acmeclean.exe"), "the plugin's companion program");
  demo.Reg(R"([HKEY_CURRENT_USER\Software\Acme\Editor\Recent]
"File1"="C:\\Documents and Settings\\joe\\My Documents\\letter.txt"
"File2"="C:\\Documents and Settings\\joe\\Desktop\\todo.txt"

[HKEY_CURRENT_USER\Software\Acme\Editor\Settings]
"LastFile"="C:\\Documents and Settings\\joe\\My Documents\\letter.txt"
"LastFolder"="C:\\Documents and Settings\\joe\\My Documents"
"FontSize"=dword:0000000c

[HKEY_CURRENT_USER\Software\Acme\Editor\Sessions\Session1]
"Files"="letter.txt;todo.txt"

[HKEY_CURRENT_USER\Software\Acme\Editor\Sessions\Session2]
"Files"="report.doc"

[HKEY_CURRENT_USER\Software\Acme\Editor\Sessions\Layout]
"Split"="vertical"

[HKEY_CURRENT_USER\Software\Acme\Editor\Clipboard]
"Last"="the last thing copied"
)");
  const std::string editor = DemoBuilder::InProfile("Application Data\\Acme\\Editor");
  demo.File(editor + "\\Backups\\letter.txt.bak", std::string(5120, 'b'));
  demo.File(editor + "\\Backups\\2024\\todo.txt.bak", std::string(1024, 'b'));
  demo.File(editor + "\\Backups\\pinned.bak", "kept by the item's exclusion");
  demo.File(editor + "\\editor.ini",
            "[Editor]\r\nrecent1=letter.txt\r\nrecent2=todo.txt\r\nfont=Courier\r\n");
  demo.File(DemoBuilder::InProfile("Local Settings\\Temp\\acme0001.tmp"), std::string(7168, 't'));
}

}  // namespace quellorn::demo
