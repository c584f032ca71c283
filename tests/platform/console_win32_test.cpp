// Standard output and error of the Windows build, to a pipe and to a console.
#include "platform/win32/console_win32.h"

#include <gtest/gtest.h>

#include <chrono>
#include <ostream>
#include <string>
#include <thread>

#include "platform/win32/win32_base.h"
#include "support/dialog_probe_client.h"
#include "support/test_machine.h"

namespace quellorn::platform::win32 {
namespace {

// Points the process's standard output and error at `handle` while it lives.
class StdHandles {
 public:
  explicit StdHandles(HANDLE handle)
      : output_(GetStdHandle(STD_OUTPUT_HANDLE)), error_(GetStdHandle(STD_ERROR_HANDLE)) {
    SetStdHandle(STD_OUTPUT_HANDLE, handle);
    SetStdHandle(STD_ERROR_HANDLE, handle);
  }
  ~StdHandles() {
    SetStdHandle(STD_OUTPUT_HANDLE, output_);
    SetStdHandle(STD_ERROR_HANDLE, error_);
  }

 private:
  HANDLE output_;
  HANDLE error_;
};

std::string ReadAvailable(HANDLE pipe) {
  DWORD available = 0;
  if (!PeekNamedPipe(pipe, nullptr, 0, nullptr, &available, nullptr) || available == 0) return {};
  std::string text(available, '\0');
  DWORD done = 0;
  ReadFile(pipe, text.data(), available, &done, nullptr);
  text.resize(done);
  return text;
}

TEST(StdStreamBuffersTest, APipeGetsEachFlushWholeAndTheRestAtTheEnd) {
  HANDLE read = nullptr;
  HANDLE write = nullptr;
  ASSERT_TRUE(CreatePipe(&read, &write, nullptr, 1 << 16));
  const UniqueHandle reader(read);
  const UniqueHandle writer(write);
  const std::string line = "Erasing C:\\\xD0\xA2\xD0\xB5\xD1\x81\xD1\x82\\a.txt <OK>\n";
  {
    const StdHandles handles(write);
    const StdStreamBuffers buffers = MakeStdStreamBuffers();
    std::ostream out(buffers.output.get());
    std::ostream err(buffers.error.get());
    out << line;
    EXPECT_EQ(ReadAvailable(read), "");
    out.flush();
    EXPECT_EQ(ReadAvailable(read), line);
    err << "warning\n" << std::flush;
    EXPECT_EQ(ReadAvailable(read), "warning\n");
    out << "last\n";
  }
  EXPECT_EQ(ReadAvailable(read), "last\n");
}

// The text of the console's rows above the cursor, one line each.
std::string ConsoleRows(HANDLE console) {
  CONSOLE_SCREEN_BUFFER_INFO info;
  if (!GetConsoleScreenBufferInfo(console, &info)) return {};
  std::string rows;
  for (SHORT row = 0; row < info.dwCursorPosition.Y; ++row) {
    std::wstring text(static_cast<std::size_t>(info.dwSize.X), L' ');
    DWORD done = 0;
    ReadConsoleOutputCharacterW(console, text.data(), static_cast<DWORD>(text.size()), {0, row},
                                &done);
    text.erase(text.find_last_not_of(L' ') + 1);
    rows += ToUtf8(text) + "\n";
  }
  return rows;
}

// Lines that follow each other quickly are held back for a moment: they still show soon, in
// the order the two streams wrote them, and what was never flushed shows when the buffers go.
void ExpectConsoleShowsEveryLine() {
  const UniqueHandle console(CreateConsoleScreenBuffer(GENERIC_READ | GENERIC_WRITE,
                                                       FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                                       CONSOLE_TEXTMODE_BUFFER, nullptr));
  ASSERT_TRUE(console) << GetLastError();
  std::string expected;
  {
    const StdHandles handles(console.get());
    const StdStreamBuffers buffers = MakeStdStreamBuffers();
    std::ostream out(buffers.output.get());
    std::ostream err(buffers.error.get());
    for (int i = 0; i < 5; ++i) {
      out << "line " << i << '\n' << std::flush;
      err << "error " << i << '\n' << std::flush;
      expected += "line " + std::to_string(i) + "\nerror " + std::to_string(i) + "\n";
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (ConsoleRows(console.get()) != expected && std::chrono::steady_clock::now() < deadline)
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_EQ(ConsoleRows(console.get()), expected);
    out << "line \xC3\xBC\n" << std::flush;
    err << "last\n";
    expected += "line \xC3\xBC\nlast\n";
  }
  EXPECT_EQ(ConsoleRows(console.get()), expected);
}

// The test process has no console: the check runs in a copy of it started with a console of
// its own (headless, as Wine gives one to a program started without a window).
TEST(StdStreamBuffersTest, AConsoleShowsEveryLineInOrderTheLastOnesAtTheEnd) {
  constexpr const wchar_t* kChildMark = L"QUELLORN_CONSOLE_CHILD";
  if (GetEnvironmentVariableW(kChildMark, nullptr, 0) != 0) {
    ExpectConsoleShowsEveryLine();
    return;
  }
  // The build tree has no drive in the test prefix: the copy runs from the machine's folder.
  testing::TestMachine machine;
  const std::string copy = machine.root() + "\\console_child.exe";
  ASSERT_EQ(machine.platform().files.Copy(testing::BuildTreePath(QUELLORN_SELF), copy), kSuccess);
  std::wstring self;
  ASSERT_TRUE(ToWide(copy, self));
  std::wstring command = L"\"" + self +
                         L"\" --gtest_filter=StdStreamBuffersTest."
                         L"AConsoleShowsEveryLineInOrderTheLastOnesAtTheEnd";
  ASSERT_TRUE(SetEnvironmentVariableW(kChildMark, L"1"));
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  const bool started = CreateProcessW(self.c_str(), command.data(), nullptr, nullptr, FALSE,
                                      CREATE_NO_WINDOW, nullptr, nullptr, &startup, &process) != 0;
  SetEnvironmentVariableW(kChildMark, nullptr);
  ASSERT_TRUE(started) << GetLastError();
  const UniqueHandle child(process.hProcess);
  const UniqueHandle thread(process.hThread);
  ASSERT_EQ(WaitForSingleObject(child.get(), 60000), WAIT_OBJECT_0);
  DWORD status = 1;
  GetExitCodeProcess(child.get(), &status);
  EXPECT_EQ(status, 0u);
}

}  // namespace
}  // namespace quellorn::platform::win32
