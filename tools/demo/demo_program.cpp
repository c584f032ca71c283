#include "demo/demo_builder.h"
#include "demo/shipped_files.h"
#include "plugins/plugin_file.h"

namespace quellorn::demo {
namespace {

constexpr std::string_view kPaintPlugin =
    "[Info]\r\n"
    "Title = Paint Recent Files\r\n"
    "Description = The pictures Paint opened last\r\n"
    "Provider =Quellorn\r\n"
    "Selected = 0\r\n"
    "Version = 3.0 \r\n"
    "\r\n"
    "DelRegValueList1=HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\"
    "Applets\\Paint\\Recent File List,File\r\n";

constexpr std::string_view kMediaPlugin =
    "[Info]\r\n"
    "Title = Media Player History\r\n"
    "Description = Recently played media and the player's leftovers\r\n"
    "Provider =Quellorn\r\n"
    "Selected = 0\r\n"
    "Version = 3.0 \r\n"
    "\r\n"
    "DelRegValueList1=HKEY_CURRENT_USER\\Software\\Microsoft\\MediaPlayer\\Player\\"
    "RecentFileList,all\r\n"
    "DelFile1=%appdata%\\Media Player\\*.tmp\r\n";

void AddPluginTraces(DemoBuilder& demo) {
  demo.Reg(R"([HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Applets\Paint\Recent File List]
"File1"="C:\\Documents and Settings\\joe\\My Documents\\holiday.bmp"
"File2"="C:\\Documents and Settings\\joe\\Desktop\\sketch.bmp"

[HKEY_CURRENT_USER\Software\Microsoft\MediaPlayer\Player\RecentFileList]
"File0"="C:\\Documents and Settings\\joe\\My Documents\\My Music\\song.mp3"
"File1"="http://www.example.com/stream.asx"
)");
  demo.File(DemoBuilder::InProfile("Application Data\\Media Player\\cache001.tmp"),
            std::string(3000, 'm'));
  const std::string downloads = DemoBuilder::InProfile("My Documents\\Downloads");
  demo.File(downloads + "\\setup.exe.part", std::string(12000, 'p'));
  demo.File(downloads + "\\old\\movie.avi.part", std::string(25000, 'v'));
  demo.File(downloads + "\\keep.part", "kept on purpose");
}

}  // namespace

void AddProgramFolder(DemoBuilder& demo) {
  for (const ShippedFile& file : ShippedFiles()) {
    demo.File(DemoBuilder::InProgram(file.name), file.content);
  }
  demo.File(DemoBuilder::InProgram("plugins\\Paint Recent Files.qk"), kPaintPlugin);
  demo.File(DemoBuilder::InProgram("plugins\\Media Player History.qk"), kMediaPlugin);
  const std::string downloads = DemoBuilder::InProfile("My Documents\\Downloads");
  const FileItem custom{"Download Leftovers",
                        "Partial downloads",
                        {downloads + "\\*.part,Subfolder"},
                        {downloads + "\\keep.part"}};
  demo.File(DemoBuilder::InProgram("Custom\\Download Leftovers.qk"),
            FileItemText(custom, ItemWrite::kExisting));
  AddPluginTraces(demo);
}

}  // namespace quellorn::demo
