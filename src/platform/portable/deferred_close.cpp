#include "platform/portable/deferred_close.h"

#include <algorithm>
#include <iterator>

namespace quellorn::platform {

namespace {

// The closes wait for the device, not for a processor, so there are more of them than cores.
constexpr std::size_t kThreads = 4;
// A thread is woken for this many descriptors at a time rather than for each.
constexpr std::size_t kBatch = 16;
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
  std::unique_lock lock(mutex_);
  if (threads_.empty()) {
    for (std::size_t n = 0; n < kThreads; ++n)
      threads_.emplace_back([this] { CloseInTurn(); });
  }
  room_.wait(lock, [this] { return queue_.size() < kMostWaiting; });
  queue_.push_back(std::move(fd));
  if (queue_.size() == kBatch) work_.notify_one();
}

void DeferredClose::Flush() {
  {
    const std::lock_guard lock(mutex_);
    if (queue_.empty()) return;
    flush_ = true;
  }
  work_.notify_one();
}

void DeferredClose::CloseInTurn() {
  std::vector<UniqueFd> batch;
  for (;;) {
    {
      std::unique_lock lock(mutex_);
      work_.wait(lock, [this] { return stop_ || flush_ || queue_.size() >= kBatch; });
      if (queue_.empty()) return;
      const std::size_t count = std::min(queue_.size(), kBatch);
      std::move(queue_.begin(), queue_.begin() + static_cast<std::ptrdiff_t>(count),
                std::back_inserter(batch));
      queue_.erase(queue_.begin(), queue_.begin() + static_cast<std::ptrdiff_t>(count));
      flush_ = flush_ && !queue_.empty();
      if (queue_.size() >= kBatch || flush_) work_.notify_one();
    }
    room_.notify_one();
    batch.clear();  // closed outside the lock
  }
}

}  // namespace quellorn::platform
