#include "RecordingCanvas.h"

#include <algorithm>
#include <climits>
#include <utility>

namespace tessel::testing {

TRect TPolygonCall::Box() const {
  TRect r{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
  for (const TPoint& p : Points) {
    r.Left = std::min(r.Left, p.X);
    r.Top = std::min(r.Top, p.Y);
    r.Right = std::max(r.Right, p.X);
    r.Bottom = std::max(r.Bottom, p.Y);
  }
  return r;
}

TRecordingCanvas::TRecordingCanvas(int width, int height, int dpi) : dpiX(dpi), dpiY(dpi) { Resize(width, height); }

void TRecordingCanvas::Resize(int width, int height) {
  width_ = std::max(0, width);
  height_ = std::max(0, height);
  raster_.assign(static_cast<std::size_t>(width_) * height_, clWhite);
}

void TRecordingCanvas::Fill(TColor color) { std::fill(raster_.begin(), raster_.end(), color); }

TColor TRecordingCanvas::Pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return clWhite;
  return raster_[static_cast<std::size_t>(y) * width_ + x];
}

void TRecordingCanvas::FillBox(int left, int top, int right, int bottom, TColor color) {
  for (int y = std::max(top, 0); y <= std::min(bottom, height_ - 1); ++y)
    for (int x = std::max(left, 0); x <= std::min(right, width_ - 1); ++x)
      raster_[static_cast<std::size_t>(y) * width_ + x] = color;
}

void TRecordingCanvas::Polygon(const TPoint (&points)[4]) {
  TPolygonCall call{{points[0], points[1], points[2], points[3]}, Brush.Color, Pen.Color};
  Polygons.push_back(call);
  // Only axis-aligned quadrilaterals are rasterised (turns by multiples of 90).
  const bool aligned = (points[0].X == points[3].X && points[1].X == points[2].X && points[0].Y == points[1].Y &&
                        points[2].Y == points[3].Y) ||
                       (points[0].Y == points[3].Y && points[1].Y == points[2].Y && points[0].X == points[1].X &&
                        points[2].X == points[3].X);
  if (aligned && Brush.Style == TBrushStyle::bsSolid) {
    const TRect box = call.Box();
    FillBox(box.Left, box.Top, box.Right, box.Bottom, Brush.Color);
  }
}

void TRecordingCanvas::Rectangle(const TRect& rect) {
  Rectangles.push_back(rect);
  if (Brush.Style == TBrushStyle::bsSolid) FillBox(rect.Left, rect.Top, rect.Right - 1, rect.Bottom - 1, Brush.Color);
}

void TRecordingCanvas::SetPixel(int x, int y, TColor color) {
  Pixels.push_back({x, y});
  FillBox(x, y, x, y, color);
}

int TRecordingCanvas::TextWidth(std::string_view text) {
  return static_cast<int>(text.size()) * (CharWidth(Font) + CharExtra);
}

int TRecordingCanvas::TextHeight(std::string_view) { return std::abs(Font.Height) + 3; }

void TRecordingCanvas::TextOut(TPoint at, std::string_view text, std::span<const int> advances) {
  Texts.push_back({at, std::string(text), std::vector<int>(advances.begin(), advances.end()), Font, CharExtra,
                   TextColor, Transparent});
}

void TRecordingCanvas::StretchDraw(const TRect& dest, const TBitmap& source) {
  Stretches.push_back(dest);
  StretchSources.push_back({source.Width(), source.Height()});
}

static std::vector<int> RunsOf(const std::vector<TColor>& line, TColor background) {
  std::vector<int> runs;
  auto it = std::find_if(line.begin(), line.end(), [&](TColor c) { return c != background; });
  auto last = std::find_if(line.rbegin(), line.rend(), [&](TColor c) { return c != background; }).base();
  TColor current = 0;
  for (; it < last; ++it) {
    if (runs.empty() || *it != current) {
      runs.push_back(0);
      current = *it;
    }
    ++runs.back();
  }
  return runs;
}

std::vector<int> TRecordingCanvas::RowRuns(int y, TColor background) const {
  std::vector<TColor> line(static_cast<std::size_t>(std::max(width_, 0)));
  for (int x = 0; x < width_; ++x) line[static_cast<std::size_t>(x)] = Pixel(x, y);
  return RunsOf(line, background);
}

std::vector<int> TRecordingCanvas::ColumnRuns(int x, TColor background) const {
  std::vector<TColor> line(static_cast<std::size_t>(std::max(height_, 0)));
  for (int y = 0; y < height_; ++y) line[static_cast<std::size_t>(y)] = Pixel(x, y);
  return RunsOf(line, background);
}

TFakePlatform& TFakePlatform::Instance() {
  static TFakePlatform platform;
  return platform;
}

TScopedPrinter::TScopedPrinter(int dpiX, int dpiY)
    : saved_(std::exchange(TFakePlatform::Instance().printer, std::make_unique<TRecordingPrinter>(dpiX, dpiY))) {}

TScopedPrinter::~TScopedPrinter() { TFakePlatform::Instance().printer = std::move(saved_); }

void TScopedPrinter::Use(int dpiX, int dpiY) {
  TFakePlatform::Instance().printer = std::make_unique<TRecordingPrinter>(dpiX, dpiY);
}

void TScopedPrinter::Remove() { TFakePlatform::Instance().printer.reset(); }

TBarcodeDefineExtra TScriptedSymbol::Define(int Module, double Ratio, int Angle) {
  TBarcodeDefineExtra d;
  d.Module = Module;
  d.Ratio = Ratio;
  d.Angle = Angle;
  d.MakeData = TMakeData::Bind<&TScriptedSymbol::MakeData>(this);
  if (QuietZones) d.GetQuietZonesWidth = TGetQuietZonesWidth::Bind<&TScriptedSymbol::GetQuietZonesWidth>(this);
  d.CustomDrawText = TCustomDrawText::Bind<&TScriptedSymbol::CustomDrawText>(this);
  d.VerifyLength = TVerifyLength::Bind<&TScriptedSymbol::VerifyLength>(this);
  d.VerifyAllChars = TVerifyAllChars::Bind<&TScriptedSymbol::VerifyAllChars>(this);
  d.DrawLine = TDrawLine::Bind<&TScriptedSymbol::DrawLine>(this);
  d.AfterDrawBarcode = TAfterDrawBarcode::Bind<&TScriptedSymbol::AfterDrawBarcode>(this);
  return d;
}

std::string TScriptedSymbol::MakeData(const std::string& Barcode, bool, std::string& FullEncoded) {
  Calls.push_back("MakeData");
  FullEncoded = Barcode + CheckSuffix;
  return Pattern ? *Pattern : Barcode;
}

void TScriptedSymbol::GetQuietZonesWidth(TCanvas& Canvas, const std::string&, TDisplayText, TTextAlignment,
                                         int& LeftText, int& RightText, int& LeftSpace, int& RightSpace, int& LeftH,
                                         int& RightH) {
  Calls.push_back("QuietZones");
  QuietZoneFont = Canvas.Font;
  QuietZoneCharExtra = Canvas.CharExtra;
  LeftText = LeftTextWidth;
  RightText = RightTextWidth;
  LeftSpace = LeftSpacing;
  RightSpace = RightSpacing;
  LeftH = LeftHeight;
  RightH = RightHeight;
}

void TScriptedSymbol::CustomDrawText(TCanvas& Canvas, TDrawTextStep Step, TBarcodeDefine& Define,
                                     TBarcodeParameters& Parameters, bool& Continue, TPoint& LeftTop,
                                     TPoint& RightBottom, std::span<const int>& PDx) {
  static const char* const names[] = {"Prepare", "Clear", "Print"};
  Calls.push_back(names[Step]);
  if (OnText) OnText(Canvas, Step, Define, Parameters, Continue, LeftTop, RightBottom, PDx);
  Last = Parameters;
}

bool TScriptedSymbol::VerifyLength(const std::string&, bool) {
  Calls.push_back("VerifyLength");
  return LengthValid;
}

int TScriptedSymbol::VerifyAllChars(const std::string&, bool) {
  Calls.push_back("VerifyAllChars");
  return InvalidChar;
}

void TScriptedSymbol::DrawLine(int Index, TLineType LineType, TColor& Color, int& Left, int& Top, int& Width,
                               int& Height) {
  Calls.push_back("Line");
  if (OnLine) OnLine(Index, LineType, Color, Left, Top, Width, Height);
}

void TScriptedSymbol::AfterDrawBarcode(TCanvas&, const TBarcodeDefine&, const TBarcodeParameters& Parameters) {
  Calls.push_back("After");
  Last = Parameters;
}

namespace {
// Every engine test runs against the fake platform.
const bool installed = (InstallPlatform(&TFakePlatform::Instance()), true);
}  // namespace

}  // namespace tessel::testing
