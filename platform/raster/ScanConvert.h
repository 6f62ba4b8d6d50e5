// Scan conversion of the shapes the raster canvas draws, as runs of pixels
// clipped to an image: polygons filled by pixel centres (even-odd, as
// QPainter fills without antialiasing), outlines of one pixel stepped from
// vertex to vertex (both ends drawn), and wider outlines as the union of
// each edge's rectangle with square ends, centred on the edge's pixels.
#pragma once

#include <span>
#include <vector>

#include "platform/Types.h"

namespace tessel {

// Pixels Left..Right-1 of row Y.
struct TSpan {
  int Y, Left, Right;
};

struct TPointF {
  double X, Y;
};

// The clip rectangle: [0, Width) x [0, Height).
struct TClip {
  int Width, Height;
};

// Appends the pixels whose centres lie inside the polygon.
void FillPolygon(std::span<const TPointF> points, TClip clip, std::vector<TSpan>& spans);
// Appends the pixels of the closed outline through the points drawn with a
// pen penWidth pixels wide.
void OutlinePolygon(std::span<const TPoint> points, int penWidth, TClip clip, std::vector<TSpan>& spans);
// Sorts the spans by row and column and merges those that overlap or touch.
void MergeSpans(std::vector<TSpan>& spans);

}  // namespace tessel
