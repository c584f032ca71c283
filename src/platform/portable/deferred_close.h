#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/portable/host_fd.h"

namespace quellorn::platform {

// Closes descriptors on threads of its own. A file that is removed while a descriptor still
// holds it loses its name at once; its blocks are freed at the last close, which on a disk
// that discards freed blocks waits for the device. Handing that close to these threads lets a
// run go on to the next file, and several closes wait for the device side by side. The
// threads start with the first descriptor; everything handed over is closed before this goes.
// Descriptors wait for a batch to gather; Flush sends off what is there.
class DeferredClose {
 public:
  DeferredClose() = default;
  ~DeferredClose();
  DeferredClose(const DeferredClose&) = delete;
  DeferredClose& operator=(const DeferredClose&) = delete;

  // Waits while many descriptors are still to be closed, so that a run never holds more than a
  // few hundred.
  void Add(UniqueFd fd);
  // Has what waits closed without waiting for more.
  void Flush();

 private:
  void CloseInTurn();

  std::mutex mutex_;
  std::condition_variable work_;
  std::condition_variable room_;
  std::deque<UniqueFd> queue_;
  bool flush_ = false;
  bool stop_ = false;
  std::vector<std::thread> threads_;
};

}  // namespace quellorn::platform
