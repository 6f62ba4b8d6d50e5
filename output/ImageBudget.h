// One budget of image memory for a whole run, shared by its threads: a
// symbol reserves what drawing and encoding it takes before any of it is
// allocated, and waits while other threads hold too much. A batch on many
// threads therefore peaks near the budget, not near threads x the largest
// symbol.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <mutex>

namespace tessel {

// The image memory all threads of a run hold at once, at most: four of the
// largest images (MaxImageBytes), a little more than the largest stretched
// symbol takes.
inline constexpr std::int64_t RunImageBudgetBytes = 1LL << 30;

class TImageBudget {
 public:
  explicit TImageBudget(std::int64_t Capacity) : capacity_(Capacity) {}

  // The budget every symbol of this process draws from.
  static TImageBudget& Run();

  std::int64_t Capacity() const { return capacity_; }
  // Waits until Bytes (at most the capacity) are free and takes them;
  // returns the bytes taken.
  std::int64_t Take(std::int64_t Bytes);
  void Give(std::int64_t Bytes);

 private:
  const std::int64_t capacity_;
  std::mutex mutex_;
  std::condition_variable freed_;
  std::int64_t held_ = 0;
};

// Bytes of a budget held for one symbol's lifetime.
class TImageReservation {
 public:
  TImageReservation(TImageBudget& Budget, std::int64_t Bytes) : budget_(Budget), bytes_(Budget.Take(Bytes)) {}
  ~TImageReservation() { budget_.Give(bytes_); }
  TImageReservation(const TImageReservation&) = delete;
  TImageReservation& operator=(const TImageReservation&) = delete;

 private:
  TImageBudget& budget_;
  std::int64_t bytes_;
};

}  // namespace tessel
