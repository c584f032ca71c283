#include "app/cli_json.h"

#include <cmath>
#include <cstdio>

#include "platform/text_encoding.h"

namespace quellorn::app {
namespace {

std::string StringArray(const std::vector<std::string>& texts) {
  std::string out = "[";
  for (const std::string& text : texts)
    out += (out.size() > 1 ? "," : "") + JsonString(text);
  return out + "]";
}

}  // namespace

std::string JsonString(std::string_view text) {
  const std::string valid = platform::IsValidUtf8(text)
                                ? std::string(text)
                                : platform::Utf16ToUtf8(platform::Utf8ToUtf16(text));
  std::string out = "\"";
  for (const char c : valid) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
      out += escape;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

std::string ItemsDocument(const std::vector<PlanItem>& items) {
  std::string out = "{\"items\":[";
  for (const PlanItem& item : items) {
    out += (out.ends_with('[') ? "" : ",");
    out += "{\"id\":" + JsonString(item.id) + ",\"name\":" + JsonString(item.row) +
           ",\"selected\":" + (item.selected ? "true" : "false") + "}";
  }
  return out + "]}\n";
}

std::string RunDocument(const RunReport& report) {
  const long long kilobytes = std::llround(report.totals.releasedKilobytes);
  return "{\"command\":" + JsonString(report.command) + ",\"items\":" + StringArray(report.items) +
         ",\"lines\":" + StringArray(report.lines) +
         ",\"totals\":{\"registryKeys\":" + std::to_string(report.totals.registryKeys) +
         ",\"files\":" + std::to_string(report.totals.files) +
         ",\"kilobytes\":" + std::to_string(kilobytes) +
         "},\"status\":" + JsonString(report.status) + "}\n";
}

}  // namespace quellorn::app
