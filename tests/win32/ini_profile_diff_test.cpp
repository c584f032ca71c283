// Compares clsIniFile with the Windows profile functions on the same files: every read must
// answer what GetPrivateProfileString answers, and a sequence of writes made through each
// must leave files that read back alike.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/file_text.h"
#include "core/ini_file.h"
#include "platform/text_encoding.h"
#include "platform/win32/win32_base.h"
#include "support/context_fixture.h"

namespace quellorn {
namespace {

std::wstring Wide(std::string_view text) {
  const std::u16string wide = platform::Utf8ToUtf16(text);
  return std::wstring(wide.begin(), wide.end());
}

std::string ProfileGet(const std::string& path, const std::string& section,
                       const std::string& key) {
  wchar_t buffer[255];
  const DWORD n = GetPrivateProfileStringW(Wide(section).c_str(), Wide(key).c_str(),
                                           L"unknown value", buffer, 255, Wide(path).c_str());
  return platform::win32::ToUtf8(std::wstring_view(buffer, n));
}

bool ProfileSet(const std::string& path, const std::string& section, const std::string* key,
                const std::string& value) {
  return WritePrivateProfileStringW(Wide(section).c_str(), key ? Wide(*key).c_str() : nullptr,
                                    key ? Wide(value).c_str() : nullptr, Wide(path).c_str());
}

struct Corpus {
  std::string name;
  std::string content;
  std::vector<std::string> sections;
  std::vector<std::string> keys;
};

std::vector<Corpus> ReadCorpus() {
  const std::string longValue(300, 'v');
  std::vector<Corpus> corpora = {
      {"case",
       "[General]\r\nAntiRecover=1\r\n[ie]\r\nCache=0\r\n",
       {"General", "general", "GENERAL", "IE", "ie", "Missing"},
       {"AntiRecover", "antirecover", "Cache", "cache", "missing"}},
      {"blanks",
       "[S]\r\n  a  =  b  \r\n\tc\t=\td\t\r\n e = f g \r\n",
       {"S", " S ", "s"},
       {"a", "c", "e", " a ", "a  "}},
      {"quotes",
       "[S]\r\nq1=\"x\"\r\nq2=\"\r\nq3='y'\r\nq4=\"z'\r\nq5=\"\"\r\nq6=  \"w\"  \r\n"
       "q7=\"a\"b\"\r\nq8=''\r\n",
       {"S"},
       {"q1", "q2", "q3", "q4", "q5", "q6", "q7", "q8"}},
      {"comments",
       "; top\r\n[S]\r\n;k=v\r\nk=1\r\n# h=2\r\n;x\r\n",
       {"S"},
       {";k", "k", "# h", "#h", ";x", "x", "; top"}},
      {"duplicates",
       "[S]\r\nk=1\r\nk=2\r\n[T]\r\nm=0\r\n[s]\r\nk=3\r\nj=4\r\n",
       {"S", "s", "T"},
       {"k", "j", "m"}},
      {"before-section", "k=0\r\n[S]\r\nj=1\r\n", {"S", ""}, {"k", "j"}},
      {"empty", "[S]\r\ne=\r\nnoeq\r\n=novalue\r\n  \r\n", {"S"}, {"e", "noeq", "", "x"}},
      {"long",
       "[S]\r\nl300=" + longValue + "\r\nl254=" + longValue.substr(0, 254) +
           "\r\nl255=" + longValue.substr(0, 255) + "\r\nq300=\"" + longValue + "\"\r\nq253=\"" +
           longValue.substr(0, 253) + "\"\r\n",
       {"S"},
       {"l300", "l254", "l255", "q300", "q253"}},
      {"lf", "[S]\nk=1\nj=2\n[T]\nm=3", {"S", "T"}, {"k", "j", "m"}},
      {"headers",
       "[ S ]\r\nk=1\r\n[T]x\r\nj=1\r\n[U\r\nm=1\r\n[V]]\r\nn=1\r\n",
       {"S", " S ", "T", "U", "[U", "V", "V]"},
       {"k", "j", "m", "n"}},
      {"ctrl-z", "[S]\r\nk=1\x1a\r\n\tj\t=\t2\r\n\x1a", {"S"}, {"k", "j"}},
  };
  // Files with the UTF-16LE byte order mark are Unicode to the profile functions.
  for (std::size_t i = 0, plain = corpora.size(); i < plain; ++i) {
    Corpus unicode = corpora[i];
    unicode.name += "-utf16";
    unicode.content = EncodeText(unicode.content, TextEncoding::kUtf16Le);
    corpora.push_back(std::move(unicode));
  }
  return corpora;
}

class IniProfileDiffTest : public testing::ContextTest {};

TEST_F(IniProfileDiffTest, ReadsAnswerAsTheProfileFunctions) {
  for (const Corpus& corpus : ReadCorpus()) {
    const std::string path = ProgramFile(corpus.name + ".ini");
    machine.WriteFile(path, corpus.content);
    const clsIniFile ini(os.files, path);
    for (const std::string& section : corpus.sections) {
      for (const std::string& key : corpus.keys) {
        EXPECT_EQ(ini.GetSetting(section, key), ProfileGet(path, section, key))
            << corpus.name << ": [" << section << "] " << key;
      }
    }
  }
}

struct Write {
  std::string section;
  std::optional<std::string> key;  // none: remove the section
  std::string value;
};

class IniProfileWriteTest : public IniProfileDiffTest,
                            public ::testing::WithParamInterface<TextEncoding> {};

TEST_P(IniProfileWriteTest, WritesLeaveFilesThatReadAlikeInTheEncodingTheyHad) {
  const std::string start =
      "; settings\r\n[General]\r\nStealth = 1\r\nSound=0\r\n\r\n[IE]\r\nCache=0\r\n"
      "[Old]\r\nx=1\r\n[old]\r\ny=2\r\n";
  const std::vector<Write> writes = {
      {"general", "stealth", "0"},   {"General", "clearlog", "3"}, {"Opera", "URL", "1"},
      {"IE", "Cache", "  spaced  "}, {"IE", "Empty", ""},          {"Old", std::nullopt, ""},
      {"New", "k", "\"quoted\""},    {"general", "SOUND", "7"},
  };
  const std::string ours = ProgramFile("ours.ini");
  const std::string theirs = ProgramFile("theirs.ini");
  machine.WriteFile(ours, EncodeText(start, GetParam()));
  machine.WriteFile(theirs, EncodeText(start, GetParam()));
  clsIniFile ini(os.files, ours);
  for (const Write& write : writes) {
    if (write.key) {
      EXPECT_NE(ini.SaveSetting(write.section, *write.key, write.value), 0);
    } else {
      ini.EraseSection(write.section);
    }
    ASSERT_TRUE(ProfileSet(theirs, write.section, write.key ? &*write.key : nullptr, write.value));
  }
  EXPECT_EQ(machine.ReadFile(ours).substr(0, 2), machine.ReadFile(theirs).substr(0, 2));
  for (const char* section : {"General", "IE", "Opera", "Old", "New"}) {
    for (const char* key :
         {"Stealth", "Sound", "clearlog", "URL", "Cache", "Empty", "x", "y", "k"}) {
      EXPECT_EQ(ProfileGet(ours, section, key), ProfileGet(theirs, section, key))
          << "[" << section << "] " << key << "\nours:\n"
          << machine.ReadFile(ours) << "\ntheirs:\n"
          << machine.ReadFile(theirs);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Encodings, IniProfileWriteTest,
                         ::testing::Values(TextEncoding::kUtf8, TextEncoding::kUtf16Le));

}  // namespace
}  // namespace quellorn
