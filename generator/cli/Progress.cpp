#include "generator/cli/Progress.h"

#include <unistd.h>

#include <cmath>
#include <cstdio>

namespace tessel::generator {
namespace {

// How often the line is drawn again, at most.
constexpr std::chrono::milliseconds RedrawInterval{100};
constexpr int SecondsPerMinute = 60;
constexpr int SecondsPerHour = 3600;
// Erases the rest of the terminal's line.
constexpr const char* EraseToEnd = "\033[K";

std::string TwoDigits(long value) { return (value < 10 ? "0" : "") + std::to_string(value); }

// "0:42", "12:05", "3:02:11".
std::string Duration(double seconds) {
  const long whole = std::lround(seconds);
  const long hours = whole / SecondsPerHour;
  const long minutes = whole % SecondsPerHour / SecondsPerMinute;
  const std::string rest = TwoDigits(whole % SecondsPerMinute);
  if (hours > 0) return std::to_string(hours) + ":" + TwoDigits(minutes) + ":" + rest;
  return std::to_string(minutes) + ":" + rest;
}

}  // namespace

std::string ProgressText(std::int64_t Done, double Seconds, std::optional<double> Fraction) {
  std::string text = std::to_string(Done) + (Done == 1 ? " record" : " records");
  if (Seconds <= 0) return text;
  text += ", " + std::to_string(std::llround(static_cast<double>(Done) / Seconds)) + "/s";
  if (Fraction && *Fraction > 0 && *Fraction <= 1)
    text += ", " + Duration(Seconds * (1 - *Fraction) / *Fraction) + " left";
  return text;
}

bool StandardErrorIsTerminal() { return isatty(fileno(stderr)) != 0; }

TProgressLine::TProgressLine(bool Show) : show_(Show) {}

TProgressLine::~TProgressLine() {
  if (drawn_) Draw();  // the last count, which the interval may have kept from the line
  EndLine();
}

void TProgressLine::EndLine() {
  if (drawn_) std::fputs("\n", stderr);
  drawn_ = false;
}

void TProgressLine::Message(const std::string& Text) {
  EndLine();
  std::fprintf(stderr, "stripemaker: %s\n", Text.c_str());
}

void TProgressLine::Update(std::int64_t Done, std::optional<double> Fraction) {
  if (!show_) return;
  done_ = Done;
  fraction_ = Fraction;
  if (drawn_ && TClock::now() - drawnAt_ < RedrawInterval) return;
  Draw();
}

void TProgressLine::Draw() {
  drawnAt_ = TClock::now();
  const double seconds = std::chrono::duration<double>(drawnAt_ - start_).count();
  std::fprintf(stderr, "\r%s%s", ProgressText(done_, seconds, fraction_).c_str(), EraseToEnd);
  drawn_ = true;
}

}  // namespace tessel::generator
