// A canvas for engine tests: it records every call, has fixed font metrics
// and keeps a small raster of what axis-aligned polygons, rectangles and
// pixels covered, so tests can scan rows of bars.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/pCore.h"
#include "platform/Bitmap.h"
#include "platform/Canvas.h"
#include "platform/Platform.h"

namespace tessel::testing {

struct TPolygonCall {
  TPoint Points[4];
  TColor Brush;
  TColor Pen;
  // The axis-aligned box of the points, right and bottom inclusive.
  TRect Box() const;
};

struct TTextCall {
  TPoint At;
  std::string Text;
  std::vector<int> Advances;
  TLogFont Font;
  int CharExtra;
  TColor Color;
  bool Transparent;
};

class TRecordingCanvas : public TCanvas {
 public:
  // Metrics: every character is (|font height| + 1) / 2 pixels wide plus
  // CharExtra; a text is |font height| + 3 pixels high.
  explicit TRecordingCanvas(int width = 400, int height = 200, int dpi = 96);

  void Polygon(const TPoint (&points)[4]) override;
  void Rectangle(const TRect& rect) override;
  void SetPixel(int x, int y, TColor color) override;
  int TextWidth(std::string_view text) override;
  int TextHeight(std::string_view text) override;
  void TextOut(TPoint at, std::string_view text, std::span<const int> advances = {}) override;
  int PixelsPerInchX() const override { return dpiX; }
  int PixelsPerInchY() const override { return dpiY; }
  void StretchDraw(const TRect& dest, const TBitmap& source) override;

  static int CharWidth(const TLogFont& font) { return (std::abs(font.Height) + 1) / 2; }

  // The raster.
  void Resize(int width, int height);
  int Width() const { return width_; }
  int Height() const { return height_; }
  TColor Pixel(int x, int y) const;
  void Fill(TColor color);
  // Run lengths of alternating colours along row y from the first pixel that
  // differs from `background`, e.g. bars and spaces.
  std::vector<int> RowRuns(int y, TColor background = clWhite) const;
  std::vector<int> ColumnRuns(int x, TColor background = clWhite) const;

  std::vector<TPolygonCall> Polygons;
  std::vector<TRect> Rectangles;
  std::vector<TPoint> Pixels;
  std::vector<TTextCall> Texts;
  std::vector<TRect> Stretches;
  std::vector<TPoint> StretchSources;  // width and height of each copied bitmap
  int dpiX;
  int dpiY;

 private:
  void FillBox(int left, int top, int right, int bottom, TColor color);
  int width_ = 0;
  int height_ = 0;
  std::vector<TColor> raster_;
};

class TRecordingBitmap : public TBitmap {
 public:
  int Width() const override { return canvas_.Width(); }
  int Height() const override { return canvas_.Height(); }
  void SetSize(int width, int height) override { canvas_.Resize(width, height); }
  TCanvas& Canvas() override { return canvas_; }
  TRecordingCanvas& Recording() { return canvas_; }

 private:
  TRecordingCanvas canvas_{0, 0};
};

class TRecordingPrinter : public TPrinter {
 public:
  explicit TRecordingPrinter(int dpiX = 600, int dpiY = 600) : canvas_(1000, 1000, dpiX) { canvas_.dpiY = dpiY; }
  TCanvas& Canvas() override { return canvas_; }
  TRecordingCanvas& Recording() { return canvas_; }

 private:
  TRecordingCanvas canvas_;
};

// The platform installed for all engine tests: recording bitmaps and a
// recording printer (600 dpi) that a test may remove or replace.
class TFakePlatform : public TPlatform {
 public:
  std::unique_ptr<TBitmap> CreateBitmap() override { return std::make_unique<TRecordingBitmap>(); }
  TPrinter* Printer() override { return printer.get(); }
  int ScreenPixelsPerInch() const override { return 96; }
  std::unique_ptr<TRecordingPrinter> printer = std::make_unique<TRecordingPrinter>();
  static TFakePlatform& Instance();
};

// Installs a fresh recording printer as the default printer for the life of
// the object and puts the previous one back afterwards.
class TScopedPrinter {
 public:
  explicit TScopedPrinter(int dpiX = 600, int dpiY = 600);
  ~TScopedPrinter();
  TScopedPrinter(const TScopedPrinter&) = delete;
  TScopedPrinter& operator=(const TScopedPrinter&) = delete;
  // Replaces the installed printer by a fresh one, or by none.
  void Use(int dpiX, int dpiY);
  void Remove();
  TRecordingCanvas& Paper() { return TFakePlatform::Instance().printer->Recording(); }

 private:
  std::unique_ptr<TRecordingPrinter> saved_;
};

// A stand-in symbology for core tests. MakeData returns Pattern, or the text
// itself when Pattern is unset (so a test writes the pattern it wants as the
// text); the full-encoded text is the text followed by CheckSuffix. Checks,
// quiet zones and hooks are scripted, and every pipeline call is logged in
// Calls ("VerifyLength", "VerifyAllChars", "MakeData", "QuietZones",
// "Prepare", "Clear", "Print", "Line", "After").
struct TScriptedSymbol {
  std::optional<std::string> Pattern;
  std::string CheckSuffix;
  bool LengthValid = true;
  int InvalidChar = 0;  // what VerifyAllChars returns
  // Bound only when true; the six values GetQuietZonesWidth returns.
  bool QuietZones = false;
  int LeftTextWidth = 0, RightTextWidth = 0, LeftSpacing = 0, RightSpacing = 0, LeftHeight = 0, RightHeight = 0;
  // The canvas's font and spacing as GetQuietZonesWidth last saw them.
  TLogFont QuietZoneFont;
  int QuietZoneCharExtra = -1;

  std::function<void(TCanvas&, TDrawTextStep, TBarcodeDefine&, TBarcodeParameters&, bool&, TPoint&, TPoint&,
                     std::span<const int>&)>
      OnText;
  std::function<void(int, TLineType, TColor&, int&, int&, int&, int&)> OnLine;
  std::vector<std::string> Calls;
  // The layout handed to the last text step and to AfterDrawBarcode.
  TBarcodeParameters Last;

  // A definition with all hooks bound to this object.
  TBarcodeDefineExtra Define(int Module = 1, double Ratio = 2.0, int Angle = 0);

  std::string MakeData(const std::string& Barcode, bool AutoCheckDigit, std::string& FullEncoded);
  void GetQuietZonesWidth(TCanvas& Canvas, const std::string& FullEncoded, TDisplayText DisplayText,
                          TTextAlignment Alignment, int& LeftTextWidth, int& RightTextWidth, int& LeftSpacing,
                          int& RightSpacing, int& LeftHeight, int& RightHeight);
  void CustomDrawText(TCanvas& Canvas, TDrawTextStep Step, TBarcodeDefine& Define, TBarcodeParameters& Parameters,
                      bool& Continue, TPoint& LeftTop, TPoint& RightBottom, std::span<const int>& PDx);
  bool VerifyLength(const std::string& Barcode, bool AutoCheckDigit);
  int VerifyAllChars(const std::string& Barcode, bool AutoCheckDigit);
  void DrawLine(int Index, TLineType LineType, TColor& Color, int& Left, int& Top, int& Width, int& Height);
  void AfterDrawBarcode(TCanvas& Canvas, const TBarcodeDefine& Define, const TBarcodeParameters& Parameters);
};

}  // namespace tessel::testing
