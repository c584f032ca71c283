#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/file_system.h"

namespace quellorn {

// Whole-file helpers for the program's own small text files: each call opens, works and
// closes, so nothing is held open between operations.
std::optional<std::string> ReadWholeFile(platform::FileSystem& files, std::string_view path);
// Gives the file the new bytes through ReplaceContent, with a temporary name made from the
// file's own: a failure leaves the old file whole and answers the status that stopped it.
platform::Status WriteWholeFile(platform::FileSystem& files, std::string_view path,
                                std::string_view bytes);
platform::Status AppendToFile(platform::FileSystem& files, std::string_view path,
                              std::string_view bytes);

// Gives the file at `path` the new content: writes it beside the file under `temporary` (or,
// when that name is taken, the first free name made from it), forces it to the disk and puts
// it in the file's place in one step. On any failure the file keeps its old content and the
// temporary file is gone. True when the file holds the new content. A link, or a file with
// another hard link, is never replaced.
bool ReplaceContent(platform::FileSystem& files, std::string_view path, std::string_view temporary,
                    std::string_view content);

// How a text file was stored, so that a rewrite can keep it.
enum class TextEncoding {
  kUtf8,     // also files of older installations, read as Windows-1252 and written as UTF-8
  kUtf16Le,  // with its byte order mark, as the profile functions and Notepad write Unicode
};

struct DecodedText {
  std::string text;  // UTF-8
  TextEncoding encoding = TextEncoding::kUtf8;
};

// A text file of the program as UTF-8 text: one that starts with the UTF-16LE byte order
// mark is UTF-16, any other is read by DecodeTextFile. Nothing when unreadable.
std::optional<DecodedText> ReadDecodedTextFile(platform::FileSystem& files, std::string_view path);
std::optional<std::string> ReadTextFile(platform::FileSystem& files, std::string_view path);
// The bytes that store the text in that encoding (UTF-16 with its byte order mark; UTF-8 text
// that starts with a byte order mark gets one more, since a reader drops the first).
std::string EncodeText(std::string_view text, TextEncoding encoding);

}  // namespace quellorn
