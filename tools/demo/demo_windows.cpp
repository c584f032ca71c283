#include "demo/demo_builder.h"

namespace quellorn::demo {

// What Windows itself remembers of joe's work: recent documents, the Run, Find and Open/Save
// histories, temporary files and a Recycle Bin.
void AddWindowsTraces(DemoBuilder& demo) {
  demo.Reg(R"([HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Explorer\RunMRU]
"a"="notepad\\1"
"b"="regedit\\1"
"MRUList"="ba"

[HKEY_CURRENT_USER\Software\Microsoft\Internet Explorer\Explorer Bars\{C4EE31F3-4768-11D2-BE5C-00A0C9A83DA1}\filesNamedMRU]
"000"="budget*.xls"

[HKEY_CURRENT_USER\Software\Microsoft\Internet Explorer\Explorer Bars\{C4EE31F3-4768-11D2-BE5C-00A0C9A83DA1}\ContainingTextMRU]
"000"="salary"

[HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Explorer\ComDlg32\LastVisitedMRU]
"a"="notepad.exe"
"MRUList"="a"

[HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Explorer\ComDlg32\OpenSaveMRU\*]
"a"="C:\\Documents and Settings\\joe\\My Documents\\report.doc"
"MRUList"="a"

[HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Explorer\ComDlg32\OpenSaveMRU\doc]
"a"="C:\\Documents and Settings\\joe\\My Documents\\report.doc"
"MRUList"="a"
)");
  demo.File(DemoBuilder::InProfile("Recent\\report.doc.lnk"), std::string(600, 'r'));
  demo.File(DemoBuilder::InProfile("Recent\\holiday.bmp.lnk"), std::string(580, 'h'));
  demo.File(DemoBuilder::InProfile("Local Settings\\Temp\\~DF12A.tmp"), std::string(16384, 't'));
  demo.File(DemoBuilder::InProfile("Local Settings\\Temp\\setup\\setup.log"),
            std::string(2200, 's'));
  demo.File(DemoBuilder::InWindows("Temp\\install.log"), std::string(5120, 'i'));
  demo.File("C:\\RECYCLER\\S-1-5-21-1004\\Dc1.doc", std::string(8192, 'd'));
  demo.File("C:\\RECYCLER\\S-1-5-21-1004\\INFO2", std::string(820, 'n'));
}

}  // namespace quellorn::demo
