#include "platform/win32/console_win32.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/win32/win32_base.h"

namespace quellorn::platform::win32 {

namespace {

using Clock = std::chrono::steady_clock;
constexpr Clock::duration kConsolePause = std::chrono::milliseconds(50);

bool IsConsole(HANDLE handle) {
  DWORD mode = 0;
  return handle != nullptr && handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode) != 0;
}

bool WriteBytes(HANDLE handle, const std::string& text) {
  DWORD done = 0;
  return WriteFile(handle, text.data(), static_cast<DWORD>(text.size()), &done, nullptr) != 0;
}

void WriteToConsole(HANDLE handle, const std::string& text) {
  std::wstring wide;
  if (!ToWide(text, wide)) {
    WriteBytes(handle, text);
    return;
  }
  DWORD done = 0;
  WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &done, nullptr);
}

// Writes the text of both streams to their consoles in the order it came, from a thread of its
// own, so that the run never waits for a console. Text that comes within kConsolePause of the
// last write waits until the pause is over; then each run of text for one console goes with
// one call.
class ConsoleWriter {
 public:
  ConsoleWriter() : thread_([this] { WriteInTurn(); }) {}
  ~ConsoleWriter() {
    {
      const std::lock_guard lock(mutex_);
      stop_ = true;
    }
    wake_.notify_one();
    thread_.join();  // it writes what is left before it ends
  }
  ConsoleWriter(const ConsoleWriter&) = delete;
  ConsoleWriter& operator=(const ConsoleWriter&) = delete;

  void Add(HANDLE handle, const std::string& text) {
    {
      const std::lock_guard lock(mutex_);
      if (queue_.empty() || queue_.back().handle != handle) {
        queue_.push_back({handle, text});
      } else {
        queue_.back().text += text;
      }
    }
    wake_.notify_one();
  }

 private:
  struct Chunk {
    HANDLE handle;
    std::string text;
  };

  void WriteInTurn() {
    std::unique_lock lock(mutex_);
    for (Clock::time_point lastWrite;;) {
      wake_.wait(lock, [this] { return stop_ || !queue_.empty(); });
      if (queue_.empty()) return;
      wake_.wait_until(lock, lastWrite + kConsolePause, [this] { return stop_; });
      std::vector<Chunk> chunks;
      chunks.swap(queue_);
      lock.unlock();
      for (const Chunk& chunk : chunks)
        WriteToConsole(chunk.handle, chunk.text);
      lastWrite = Clock::now();
      lock.lock();
    }
  }

  std::mutex mutex_;
  std::condition_variable wake_;
  std::vector<Chunk> queue_;
  bool stop_ = false;
  std::thread thread_;  // last: it starts once everything it uses is there
};

class StdHandleBuffer final : public std::streambuf {
 public:
  // `console` is null when the handle is no console.
  StdHandleBuffer(HANDLE handle, std::shared_ptr<ConsoleWriter> console)
      : handle_(handle), console_(std::move(console)) {}
  ~StdHandleBuffer() override { sync(); }
  StdHandleBuffer(const StdHandleBuffer&) = delete;
  StdHandleBuffer& operator=(const StdHandleBuffer&) = delete;

 protected:
  int_type overflow(int_type c) override {
    if (!traits_type::eq_int_type(c, traits_type::eof())) pending_ += traits_type::to_char_type(c);
    return traits_type::not_eof(c);
  }
  std::streamsize xsputn(const char* text, std::streamsize count) override {
    pending_.append(text, static_cast<std::size_t>(count));
    return count;
  }
  int sync() override {
    if (pending_.empty()) return 0;
    bool written = true;
    if (console_) {
      console_->Add(handle_, pending_);
    } else {
      written = WriteBytes(handle_, pending_);
    }
    pending_.clear();
    return written ? 0 : -1;
  }

 private:
  HANDLE handle_;
  std::shared_ptr<ConsoleWriter> console_;
  std::string pending_;
};

}  // namespace

StdStreamBuffers MakeStdStreamBuffers() {
  const HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
  const HANDLE error = GetStdHandle(STD_ERROR_HANDLE);
  const bool outputConsole = IsConsole(output);
  const bool errorConsole = IsConsole(error);
  std::shared_ptr<ConsoleWriter> console;
  if (outputConsole || errorConsole) console = std::make_shared<ConsoleWriter>();
  return {std::make_unique<StdHandleBuffer>(output, outputConsole ? console : nullptr),
          std::make_unique<StdHandleBuffer>(error, errorConsole ? console : nullptr)};
}

}  // namespace quellorn::platform::win32
