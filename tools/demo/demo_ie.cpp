#include "demo/demo_builder.h"

namespace quellorn::demo {

// What Internet Explorer 6 keeps of joe's browsing, and what he asked Quellorn to keep: his
// home page in the address list, his bank's cookie, one plug-in.
void AddInternetExplorerTraces(DemoBuilder& demo) {
  demo.Reg(R"([HKEY_CURRENT_USER\Software\Microsoft\Internet Explorer\TypedURLs]
"url1"="http://www.example.com/"
"url2"="http://news.example.net/today"
"url3"="http://shop.example.org/cart"

[HKEY_CURRENT_USER\Software\Microsoft\Internet Explorer\Search\SearchProperties\{46A0E4F2-0001-4B4D-A0B8-000000000001}]
"Term"="cheap flights"

[HKEY_CURRENT_USER\AppEvents\Schemes\Apps\.Default\SystemQuestion\.Current]
@="C:\\WINDOWS\\Media\\Windows XP Ding.wav"

[HKEY_LOCAL_MACHINE\Software\Microsoft\Internet Explorer\Version Vector]
"IE"="6.0000"

[HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\IE Setup\Setup]
"Path"="C:\\Program Files\\Internet Explorer"
)");
  demo.File(DemoBuilder::InProgram("Url.txt"), "http://www.example.com/\r\n");
  demo.File(DemoBuilder::InProgram("Cookies.txt"), "joe@bank.example[1].txt\r\n");
  demo.File(DemoBuilder::InProgram("Plugins.txt"), "npdsplay.dll\r\n");

  demo.File(DemoBuilder::InProfile("Cookies\\joe@ads.example[1].txt"), std::string(412, 'a'));
  demo.File(DemoBuilder::InProfile("Cookies\\joe@bank.example[1].txt"), std::string(230, 'b'));
  demo.File(DemoBuilder::InProfile("Cookies\\index.dat"), std::string(16384, 'c'));

  const std::string cache =
      DemoBuilder::InProfile("Local Settings\\Temporary Internet Files\\Content.IE5\\");
  demo.File(cache + "index.dat", std::string(32768, 'x'));
  demo.File(cache + "K3J4H5G6\\banner[1].gif", std::string(10240, 'g'));
  demo.File(cache + "K3J4H5G6\\news[1].htm", std::string(30720, 'n'));

  const std::string history = DemoBuilder::InProfile("Local Settings\\History\\History.IE5\\");
  demo.File(history + "index.dat", std::string(32768, 'h'));
  demo.File(history + "MSHist012024030420240305\\index.dat", std::string(16384, 'm'));

  demo.File("C:\\Program Files\\Internet Explorer\\PLUGINS\\npdsplay.dll", std::string(4096, 'p'));
  demo.File("C:\\Program Files\\Internet Explorer\\PLUGINS\\npqtplugin.dll",
            std::string(8192, 'q'));
}

}  // namespace quellorn::demo
