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

// QPainter's aliased one-pixel line, in its fixed point: coordinates in
// 1/64 pixel, the slope in 1/65536, the line reaching half a pixel beyond
// both ends. One pixel per step along the major axis (columns when the line
// is at least as wide as high); only the steps inside the clip are taken.
constexpr int SubShift = 6, SlopeShift = 16, SlopeFromSub = SlopeShift - SubShift;
constexpr long long SubHalf = 1LL << (SubShift - 1);

void StepLine(TPoint a, TPoint b, TClip clip, std::vector<TSpan>& spans) {
  const bool wide = std::llabs(1LL * b.X - a.X) >= std::llabs(1LL * b.Y - a.Y);
  // Major and minor coordinates of both ends, the major one ascending.
  long long a1 = (wide ? a.X : a.Y) * (1LL << SubShift), b1 = (wide ? a.Y : a.X) * (1LL << SubShift);
  long long a2 = (wide ? b.X : b.Y) * (1LL << SubShift), b2 = (wide ? b.Y : b.X) * (1LL << SubShift);
  if (a1 > a2) {
    std::swap(a1, a2);
    std::swap(b1, b2);
  }
  if (a1 == a2) return;
  const long long slope = (b2 - b1) * (1LL << SlopeShift) / (a2 - a1);
  long long minor = b1 * (1LL << SlopeFromSub) - (slope >> 1);
  a1 -= SubHalf;
  a2 += SubHalf;
  const long long first = (a1 + SubHalf) >> SubShift, end = (a2 + SubHalf) >> SubShift;
  const long long rounding = slope > 0 ? SubHalf : 0;
  minor += ((first * (1LL << SubShift) + rounding - a1) * slope) >> SubShift;
  const long long limit = wide ? clip.Width : clip.Height;
  for (long long major = std::max(first, 0LL); major < std::min(end, limit); ++major) {
    const long long other = (minor + (major - first) * slope) >> SlopeShift;
    if (wide)
      AddSpan(static_cast<int>(std::clamp(other, -1LL, 1LL * clip.Height)), major, major + 1, clip, spans);
    else
      AddSpan(static_cast<int>(major), other, other + 1, clip, spans);
  }
}

// The rectangle a pen of the given width covers along the edge from a to
// b, with square ends half the width beyond them, centred on the edge's
// coordinates (as QPainter's wide pens are).
void EdgeRectangle(TPoint a, TPoint b, int penWidth, TClip clip, std::vector<TSpan>& spans) {
  const double half = penWidth / 2.0;
  const double dx = static_cast<double>(b.X) - a.X, dy = static_cast<double>(b.Y) - a.Y;
  const double length = std::hypot(dx, dy);
  const double ux = length > 0 ? dx / length : 1.0, uy = length > 0 ? dy / length : 0.0;
  const double ax = a.X - ux * half, ay = a.Y - uy * half;
  const double bx = b.X + ux * half, by = b.Y + uy * half;
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
      // Pixel x is inside when its centre x + 0.5 lies in (left, right]: a
      // centre on an edge goes with the pixels on its left, as QPainter's.
      const double left = std::floor(crossings[i] - PixelCentre) + 1,
                   right = std::floor(crossings[i + 1] - PixelCentre) + 1;
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
