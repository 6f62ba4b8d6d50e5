// The progress of a loop over records on standard error: records done, the
// rate and, when the share of the input read is known, the time left. It
// is drawn only on a terminal and at most a few times a second; messages
// printed through it start on a line of their own.
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

namespace tessel::generator {

// "1200 records, 350/s, 0:42 left": Done records in Seconds, with the time
// left when Fraction of the input has been read.
std::string ProgressText(std::int64_t Done, double Seconds, std::optional<double> Fraction);

class TProgressLine {
 public:
  // Show: draw the line (standard error is a terminal and it is wanted).
  explicit TProgressLine(bool Show);
  ~TProgressLine();
  TProgressLine(const TProgressLine&) = delete;
  TProgressLine& operator=(const TProgressLine&) = delete;

  // Prints "stripemaker: Text" on a line of its own, shown or not.
  void Message(const std::string& Text);
  // Done records so far, Fraction of the input read (none: not known).
  void Update(std::int64_t Done, std::optional<double> Fraction);

 private:
  using TClock = std::chrono::steady_clock;
  void Draw();
  void EndLine();

  bool show_;
  bool drawn_ = false;
  TClock::time_point start_ = TClock::now();
  TClock::time_point drawnAt_{};
  std::int64_t done_ = 0;
  std::optional<double> fraction_;
};

// True when standard error is a terminal.
bool StandardErrorIsTerminal();

}  // namespace tessel::generator
