#include "demo/demo_builder.h"

namespace quellorn::demo {

// The user's shell folders as Windows XP keeps them, and the folders themselves.
void AddUserProfile(DemoBuilder& demo) {
  demo.Reg(R"([HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders]
"AppData"="C:\\Documents and Settings\\joe\\Application Data"
"Cache"="C:\\Documents and Settings\\joe\\Local Settings\\Temporary Internet Files"
"Cookies"="C:\\Documents and Settings\\joe\\Cookies"
"Desktop"="C:\\Documents and Settings\\joe\\Desktop"
"History"="C:\\Documents and Settings\\joe\\Local Settings\\History"
"Local AppData"="C:\\Documents and Settings\\joe\\Local Settings\\Application Data"
"Personal"="C:\\Documents and Settings\\joe\\My Documents"
"Recent"="C:\\Documents and Settings\\joe\\Recent"

[HKEY_CURRENT_USER\Software\Microsoft\Internet Explorer\Main]
"Start Page"="http://www.example.com/"
)");
  for (const char* folder :
       {"Application Data", "Cookies", "Desktop", "Local Settings\\History", "Local Settings\\Temp",
        "Local Settings\\Temporary Internet Files", "My Documents", "Recent"}) {
    demo.Folder(DemoBuilder::InProfile(folder));
  }
  demo.Folder(DemoBuilder::InWindows("Temp"));
  demo.File(DemoBuilder::InProfile("My Documents\\report.doc"), "The quarterly report.\r\n");
}

}  // namespace quellorn::demo
