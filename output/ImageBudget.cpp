#include "output/ImageBudget.h"

#include <algorithm>

namespace tessel {

TImageBudget& TImageBudget::Run() {
  static TImageBudget budget(RunImageBudgetBytes);
  return budget;
}

std::int64_t TImageBudget::Take(std::int64_t Bytes) {
  const std::int64_t bytes = std::clamp<std::int64_t>(Bytes, 0, capacity_);
  std::unique_lock lock(mutex_);
  freed_.wait(lock, [&] { return held_ + bytes <= capacity_; });
  held_ += bytes;
  return bytes;
}

void TImageBudget::Give(std::int64_t Bytes) {
  {
    const std::lock_guard lock(mutex_);
    held_ -= Bytes;
  }
  freed_.notify_all();
}

}  // namespace tessel
