#include "platform/raster/TextInk.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>
#include <numbers>
#include <utility>

namespace tessel {
namespace {

constexpr int FullTurn = 3600, QuarterTurn = 900;  // in tenths of a degree
constexpr double TenthsPerRadian = 1800.0 / std::numbers::pi;
constexpr double PixelCentre = 0.5;

// A column of pixels x, rows top..bottom-1, clipped.
void AddColumn(int x, long long top, long long bottom, TClip clip, std::vector<TSpan>& spans) {
  if (x < 0 || x >= clip.Width) return;
  const long long first = std::max<long long>(top, 0), last = std::min<long long>(bottom, clip.Height);
  for (long long y = first; y < last; ++y) spans.push_back({static_cast<int>(y), x, x + 1});
}

void AddRow(long long y, long long left, long long right, TClip clip, std::vector<TSpan>& spans) {
  if (y < 0 || y >= clip.Height) return;
  left = std::max<long long>(left, 0);
  right = std::min<long long>(right, clip.Width);
  if (left < right) spans.push_back({static_cast<int>(y), static_cast<int>(left), static_cast<int>(right)});
}

// Text-space pixel (u, v) lands on image pixel (X+u, Y+v) upright, (X+v,
// Y-u-1) a quarter turn on, (X-u-1, Y-v-1) half a turn on and (X-v-1, Y+u)
// three quarters on.
void TurnExactly(const TInkRun& r, TPoint at, int quarters, TClip clip, std::vector<TSpan>& spans) {
  const long long x = at.X, y = at.Y;
  switch (quarters) {
    case 0: AddRow(y + r.V, x + r.U0, x + r.U1, clip, spans); break;
    case 1:
      AddColumn(static_cast<int>(std::clamp(x + r.V, -1LL, 1LL * clip.Width)), y - r.U1, y - r.U0, clip, spans);
      break;
    case 2: AddRow(y - r.V - 1, x - r.U1, x - r.U0, clip, spans); break;
    default:
      AddColumn(static_cast<int>(std::clamp(x - r.V - 1, -1LL, 1LL * clip.Width)), y + r.U0, y + r.U1, clip, spans);
  }
}

// The text's ink rows for lookups by pixel: runs sorted and merged row by
// row, with where each row's runs start.
class TInkMask {
 public:
  explicit TInkMask(const std::vector<TInkRun>& runs) {
    // Columns beyond the integer range lie off any image.
    constexpr long long Low = std::numeric_limits<int>::min(), High = std::numeric_limits<int>::max();
    rows_.reserve(runs.size());
    for (const TInkRun& r : runs)
      rows_.push_back(
          {r.V, static_cast<int>(std::clamp(r.U0, Low, High)), static_cast<int>(std::clamp(r.U1, Low, High))});
    MergeSpans(rows_);
    top_ = rows_.front().Y;
    rowStarts_.assign(static_cast<std::size_t>(rows_.back().Y - top_) + 2, 0);
    for (const TSpan& r : rows_) ++rowStarts_[static_cast<std::size_t>(r.Y - top_) + 1];
    for (std::size_t i = 1; i < rowStarts_.size(); ++i) rowStarts_[i] += rowStarts_[i - 1];
  }

  bool Ink(long long u, long long v) const {
    if (v < top_ || v >= top_ + static_cast<long long>(rowStarts_.size()) - 1) return false;
    const auto first = rows_.begin() + rowStarts_[static_cast<std::size_t>(v - top_)];
    const auto last = rows_.begin() + rowStarts_[static_cast<std::size_t>(v - top_) + 1];
    const auto after = std::upper_bound(first, last, u, [](long long x, const TSpan& r) { return x < r.Left; });
    return after != first && u < std::prev(after)->Right;
  }

  // The text-space box of the ink: [U0, U1) x [V0, V1).
  int U0() const {
    return std::min_element(rows_.begin(), rows_.end(), [](auto& a, auto& b) { return a.Left < b.Left; })->Left;
  }
  int U1() const {
    return std::max_element(rows_.begin(), rows_.end(), [](auto& a, auto& b) { return a.Right < b.Right; })->Right;
  }
  int V0() const { return top_; }
  int V1() const { return rows_.back().Y + 1; }

 private:
  std::vector<TSpan> rows_;  // the ink, row by row, merged (Y is the text row)
  int top_ = 0;
  std::vector<std::ptrdiff_t> rowStarts_;
};

// The text turned by any angle: each image pixel whose centre falls on ink
// in text space is drawn. Only the image pixels the turned ink box covers
// are visited.
void TurnSampled(const std::vector<TInkRun>& runs, TPoint at, double radians, TClip clip, std::vector<TSpan>& spans) {
  if (runs.empty()) return;
  const TInkMask mask(runs);
  const double c = std::cos(radians), s = std::sin(radians);
  double left = clip.Width, right = 0, top = clip.Height, bottom = 0;
  for (const auto& [u, v] :
       {std::pair{mask.U0(), mask.V0()}, {mask.U1(), mask.V0()}, {mask.U1(), mask.V1()}, {mask.U0(), mask.V1()}}) {
    const double x = at.X + u * c + v * s, y = at.Y - u * s + v * c;
    left = std::min(left, x), right = std::max(right, x), top = std::min(top, y), bottom = std::max(bottom, y);
  }
  const int firstX = static_cast<int>(std::max(std::floor(left), 0.0));
  const int lastX = static_cast<int>(std::min(std::ceil(right), static_cast<double>(clip.Width)));
  const int firstY = static_cast<int>(std::max(std::floor(top), 0.0));
  const int lastY = static_cast<int>(std::min(std::ceil(bottom), static_cast<double>(clip.Height)));
  for (int y = firstY; y < lastY; ++y) {
    int start = -1;
    for (int x = firstX; x <= lastX; ++x) {
      bool ink = false;
      if (x < lastX) {
        const double dx = x + PixelCentre - at.X, dy = y + PixelCentre - at.Y;
        ink = mask.Ink(std::llround(std::floor(dx * c - dy * s)), std::llround(std::floor(dx * s + dy * c)));
      }
      if (ink && start < 0) start = x;
      if (!ink && start >= 0) {
        spans.push_back({y, start, x});
        start = -1;
      }
    }
  }
}

// Rounds away the sine's and cosine's last bits, so that right angles land
// on whole pixels exactly.
constexpr double SnapSteps = 1e6;
double Snapped(double offset) { return std::round(offset * SnapSteps) / SnapSteps; }

int NormalTenths(int escapement) { return ((escapement % FullTurn) + FullTurn) % FullTurn; }

}  // namespace

void TextInk(const TTextLine& line, TPoint at, int escapement, TClip clip, std::vector<TSpan>& spans) {
  const int tenths = NormalTenths(escapement);
  if (tenths % QuarterTurn == 0) {
    ForEachInkRun(line, [&](const TInkRun& r) { TurnExactly(r, at, tenths / QuarterTurn, clip, spans); });
    return;
  }
  std::vector<TInkRun> runs;
  ForEachInkRun(line, [&](const TInkRun& r) { runs.push_back(r); });
  TurnSampled(runs, at, tenths / TenthsPerRadian, clip, spans);
}

void TextCell(int width, int height, TPoint at, int escapement, TClip clip, std::vector<TSpan>& spans) {
  const double radians = NormalTenths(escapement) / TenthsPerRadian;
  const double c = std::cos(radians), s = std::sin(radians);
  const std::pair<double, double> cell[] = {{0, 0}, {width, 0}, {width, height}, {0, height}};
  TPointF corners[std::size(cell)];
  for (std::size_t i = 0; i < std::size(cell); ++i) {
    const auto [u, v] = cell[i];
    corners[i] = {at.X + Snapped(u * c + v * s), at.Y + Snapped(-u * s + v * c)};
  }
  FillPolygon(corners, clip, spans);
}

}  // namespace tessel
