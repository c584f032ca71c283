#include "platform/portable/deferred_close.h"

namespace quellorn::platform {

namespace {

// The closes wait for the device, not for a processor, so there are more of them than cores.
constexpr std::size_t kThreads = 4;
constexpr std::size_t kMostWaiting = 256;

}  // namespace

DeferredClose::~DeferredClose() {
  {
    const std::lock_guard lock(mutex_);
    stop_ = true;
  }
  work_.notify_all();
  for (std::thread& thread : threads_)
    thread.join();
}

void DeferredClose::Add(UniqueFd fd) {
  {
    std::unique_lock lock(mutex_);
    if (threads_.empty()) {
      for (std::size_t n = 0; n < kThreads; ++n)
        threads_.emplace_back([this] { CloseInTurn(); });
    }
    room_.wait(lock, [this] { return queue_.size() < kMostWaiting; });
    queue_.push_back(std::move(fd));
  }
  work_.notify_one();
}

void DeferredClose::CloseInTurn() {
  for (;;) {
    UniqueFd fd;
    {
      std::unique_lock lock(mutex_);
      work_.wait(lock, [this] { return stop_ || !queue_.empty(); });
      if (queue_.empty()) return;
      fd = std::move(queue_.front());
      queue_.pop_front();
    }
    room_.notify_one();
    fd = UniqueFd();  // closed outside the lock
  }
}

}  // namespace quellorn::platform
