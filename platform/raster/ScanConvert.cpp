#include "platform/raster/ScanConvert.h"

#include <algorithm>
#include <cmath>

namespace tessel {
namespace {

constexpr double PixelCentre = 0.5;

// Appends Left..Right-1 of row y clipped to the image.
void AddSpan(int y, long long left, long long right, TClip clip, std::vector<TSpan>& spans) {
  if (y < 0 || y >= clip.Height) return;
  left = std::max<long long>(left, 0);
  right = std::min<long long>(right, clip.Width);
  if (left < right) spans.push_back({y, static_cast<int>(left), static_cast<int>(right)});
}

// a * b / c rounded to the nearest integer (c > 0), without overflow for
// the coordinates a canvas is given.
long long RoundedRatio(long long a, long long b, long long c) {
  const long double exact = static_cast<long double>(a) * static_cast<long double>(b) / static_cast<long double>(c);
  return std::llround(exact);
}

// The pixels of one line from a to b (both ends), one per column where the
// line is wider than high and one per row otherwise; only those inside the
// clip are visited.
void StepLine(TPoint a, TPoint b, TClip clip, std::vector<TSpan>& spans) {
  const long long dx = static_cast<long long>(b.X) - a.X, dy = static_cast<long long>(b.Y) - a.Y;
  if (std::llabs(dx) >= std::llabs(dy)) {
    if (dx < 0) std::swap(a, b);
    const long long run = std::llabs(dx), rise = dx < 0 ? -dy : dy;
    const long long first = std::max<long long>(a.X, 0), last = std::min<long long>(b.X, clip.Width - 1LL);
    for (long long x = first; x <= last; ++x) {
      const long long y = a.Y + (run == 0 ? 0 : RoundedRatio(x - a.X, rise, run));
      if (y >= 0 && y < clip.Height) AddSpan(static_cast<int>(y), x, x + 1, clip, spans);
    }
    return;
  }
  if (dy < 0) std::swap(a, b);
  const long long run = std::llabs(dy), rise = dy < 0 ? -dx : dx;
  const long long first = std::max<long long>(a.Y, 0), last = std::min<long long>(b.Y, clip.Height - 1LL);
  for (long long y = first; y <= last; ++y) {
    const long long x = a.X + RoundedRatio(y - a.Y, rise, run);
    AddSpan(static_cast<int>(y), x, x + 1, clip, spans);
  }
}

// The rectangle a pen of the given width covers along the edge from a to
// b, with square ends half the width beyond them, centred on the pixels.
void EdgeRectangle(TPoint a, TPoint b, int penWidth, TClip clip, std::vector<TSpan>& spans) {
  const double half = penWidth / 2.0;
  const double dx = static_cast<double>(b.X) - a.X, dy = static_cast<double>(b.Y) - a.Y;
  const double length = std::hypot(dx, dy);
  const double ux = length > 0 ? dx / length : 1.0, uy = length > 0 ? dy / length : 0.0;
  const double ax = a.X + PixelCentre - ux * half, ay = a.Y + PixelCentre - uy * half;
  const double bx = b.X + PixelCentre + ux * half, by = b.Y + PixelCentre + uy * half;
  const double nx = -uy * half, ny = ux * half;
  const TPointF corners[] = {{ax + nx, ay + ny}, {bx + nx, by + ny}, {bx - nx, by - ny}, {ax - nx, ay - ny}};
  FillPolygon(corners, clip, spans);
}

}  // namespace

void FillPolygon(std::span<const TPointF> points, TClip clip, std::vector<TSpan>& spans) {
  if (points.size() < 3) return;
  double top = points[0].Y, bottom = points[0].Y;
  for (const TPointF& p : points) {
    top = std::min(top, p.Y);
    bottom = std::max(bottom, p.Y);
  }
  const int first = static_cast<int>(std::clamp(std::floor(top), 0.0, static_cast<double>(clip.Height)));
  const int last = static_cast<int>(std::clamp(std::ceil(bottom), 0.0, static_cast<double>(clip.Height)));
  std::vector<double> crossings;
  crossings.reserve(points.size());
  for (int y = first; y < last; ++y) {
    const double centre = y + PixelCentre;
    crossings.clear();
    for (std::size_t i = 0; i < points.size(); ++i) {
      const TPointF& p = points[i];
      const TPointF& q = points[(i + 1) % points.size()];
      // Half-open in y, so that a vertex on the scan line counts once.
      if ((p.Y <= centre && centre < q.Y) || (q.Y <= centre && centre < p.Y))
        crossings.push_back(p.X + (centre - p.Y) * (q.X - p.X) / (q.Y - p.Y));
    }
    std::sort(crossings.begin(), crossings.end());
    for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) {
      // Pixel x is inside when its centre x + 0.5 lies in [left, right).
      const double left = std::ceil(crossings[i] - PixelCentre), right = std::ceil(crossings[i + 1] - PixelCentre);
      const double limit = clip.Width + 1.0;
      AddSpan(y, static_cast<long long>(std::clamp(left, -1.0, limit)),
              static_cast<long long>(std::clamp(right, -1.0, limit)), clip, spans);
    }
  }
}

void OutlinePolygon(std::span<const TPoint> points, int penWidth, TClip clip, std::vector<TSpan>& spans) {
  for (std::size_t i = 0; i < points.size(); ++i) {
    const TPoint a = points[i], b = points[(i + 1) % points.size()];
    if (penWidth <= 1)
      StepLine(a, b, clip, spans);
    else
      EdgeRectangle(a, b, penWidth, clip, spans);
  }
}

void MergeSpans(std::vector<TSpan>& spans) {
  std::sort(spans.begin(), spans.end(),
            [](const TSpan& a, const TSpan& b) { return a.Y != b.Y ? a.Y < b.Y : a.Left < b.Left; });
  std::size_t merged = 0;
  for (const TSpan& s : spans) {
    if (merged > 0 && spans[merged - 1].Y == s.Y && s.Left <= spans[merged - 1].Right)
      spans[merged - 1].Right = std::max(spans[merged - 1].Right, s.Right);
    else
      spans[merged++] = s;
  }
  spans.resize(merged);
}

}  // namespace tessel
