#include "output/SymbolFile.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>
#include <utility>

#include "output/ImageBudget.h"
#include "output/ImageEncoder.h"
#include "output/OutputFile.h"
#include "output/OutputSettings.h"
#include "output/QuietZones.h"
#include "output/SvgCanvas.h"
#include "output/VectorFile.h"

namespace tessel {
namespace {

// Sizes and settings of one written symbol; restores the component's bar
// height and width afterwards.
class TSymbolBox {
 public:
  // The symbol is measured on the renderer's canvas, where it is drawn (a
  // stretched one at its natural size).
  // A quiet zone other than the component's sets the margin along the
  // symbol (left and right, or above and below when it is turned upright),
  // which the caller puts back.
  TSymbolBox(TBarcode& barcode, TSymbolRenderer& renderer, const TQuietZone& quietZone = {})
      : barcode_(barcode), wasLocked_(barcode.Locked()) {
    barcode_.SetLocked(true);
    height_ = barcode_.BarcodeHeight();
    width_ = barcode_.BarcodeWidth();
    barHeight_ = height_ > 0 ? height_ : DefaultBarHeight;
    barcode_.SetBarcodeHeight(barHeight_);
    TBarcodeLayout& layout = renderer.Layout();
    Error = LayOut(renderer);
    if (Error == 0 && quietZone.Kind != TQuietZone::TKind::Component) {
      const int margin = QuietZoneMargin(quietZone, layout);
      if (Vertical())
        barcode_.SetTopMargin(margin);
      else
        barcode_.SetLeftMargin(margin);
      Error = LayOut(renderer);
    }
    int width = layout.Width, height = layout.Height;
    NaturalWidth = width;
    NaturalHeight = height;
    if (Error == 0 && barcode_.StretchWidth()) {
      // A stretched symbol takes BarcodeWidth along the bars, else its natural width.
      int& along = Vertical() ? height : width;
      if (width_ > 0)
        along = width_;
      else
        barcode_.SetBarcodeWidth(along);
    }
    Width = width + 2LL * barcode_.LeftMargin();
    Height = height + 2LL * barcode_.TopMargin();
  }
  ~TSymbolBox() {
    barcode_.SetBarcodeWidth(width_);
    barcode_.SetBarcodeHeight(height_);
    barcode_.SetLocked(wasLocked_);
  }
  TSymbolBox(const TSymbolBox&) = delete;
  TSymbolBox& operator=(const TSymbolBox&) = delete;

  int BarHeight() const { return barHeight_; }
  bool Vertical() const { return barcode_.Orientation() == boTopBottom || barcode_.Orientation() == boBottomTop; }

  // The memory drawing and encoding the symbol may take at once: the image
  // twice (its colour conversion or its encoded file beside it), and a
  // stretched symbol's unstretched bitmap.
  long long MemoryCost() const {
    const long long natural = barcode_.StretchWidth() ? NaturalWidth * NaturalHeight : 0;
    return (2 * Width * Height + natural) * ImageBytesPerPixel;
  }
  static_assert(3 * MaxImageBytes <= RunImageBudgetBytes, "the costliest symbol fits the run's image budget");

  // Why the image may not be made, or empty when it fits the limits.
  std::string SizeRefusal() const {
    if (Width < 1 || Height < 1)
      return "the image would be empty (" + Size(Width, Height) + " pixels: " +
             (NaturalWidth < 1 || NaturalHeight < 1 ? "the symbol draws nothing" : "margins larger than the symbol") +
             ")";
    if (!FitsLimits(Width, Height)) return "the image would be " + Size(Width, Height) + " pixels; " + Limits();
    if (barcode_.StretchWidth() && !FitsLimits(NaturalWidth, NaturalHeight))
      return "the symbol would be drawn at " + Size(NaturalWidth, NaturalHeight) + " pixels before stretching; " +
             Limits();
    return {};
  }

  int Error = 0;
  long long Width = 0;  // the image, margins included
  long long Height = 0;
  long long NaturalWidth = 0;  // the symbol before stretching
  long long NaturalHeight = 0;

 private:
  int LayOut(TSymbolRenderer& renderer) {
    return barcode_.LayOut(renderer.Canvas(), barcode_.Module(), barcode_.LeftMargin(), barcode_.TopMargin(),
                           barHeight_, renderer.Layout());
  }
  // The margin in pixels that gives each side at least its quiet zone,
  // counting the zones the symbology lays out itself.
  int QuietZoneMargin(const TQuietZone& quietZone, const TBarcodeLayout& layout) const {
    TQuietZoneModules modules{quietZone.Modules, quietZone.Modules};
    if (quietZone.Kind == TQuietZone::TKind::Standard)
      modules = StandardQuietZone(barcode_.ClassName()).value_or(TQuietZoneModules{});
    const TBarcodeParameters& p = layout.Parameters;
    const long long left = static_cast<long long>(modules.Left) * layout.Define.Module - p.LeftZoneWidth;
    const long long right = static_cast<long long>(modules.Right) * layout.Define.Module - p.RightZoneWidth;
    return ClampExtent(std::max({0LL, left, right}));
  }

  static std::string Size(long long width, long long height) {
    return std::to_string(width) + " x " + std::to_string(height);
  }
  static std::string Limits() {
    return "the limit is " + std::to_string(MaxImageSide) + " pixels a side and " +
           std::to_string(MaxImageBytes >> 20) + " MiB";
  }
  static bool FitsLimits(long long width, long long height) {
    return width <= MaxImageSide && height <= MaxImageSide &&
           std::max(width, 1LL) * std::max(height, 1LL) * ImageBytesPerPixel <= MaxImageBytes;
  }

  TBarcode& barcode_;
  bool wasLocked_;
  int height_, width_, barHeight_;
};

// Draws the symbol straight into the renderer's canvas as Draw would on an
// image control: the box on the space colour, the symbol laid out by the
// box at the margins.
const TRasterImage* RenderRaster(TBarcode& Barcode, const TSymbolBox& Box, TSymbolRenderer& Renderer) {
  const int width = static_cast<int>(Box.Width), height = static_cast<int>(Box.Height);
  TRasterCanvas& canvas = Renderer.Canvas();
  if (!canvas.Start(width, height)) return nullptr;
  canvas.Brush.Color = Barcode.SpaceColor();
  canvas.Pen.Color = Barcode.SpaceColor();
  canvas.Rectangle({0, 0, width, height});
  Barcode.DrawLayout(canvas, Renderer.Layout());
  return &canvas.Image();
}

// Draws a stretched symbol as the component's Draw does: at its natural
// size on a bitmap of its own, then stretched into the box between the
// margins.
const TRasterImage* RenderStretched(TBarcode& Barcode, const TSymbolBox& Box, TSymbolRenderer& Renderer, int& Error) {
  const int width = static_cast<int>(Box.Width), height = static_cast<int>(Box.Height);
  TRasterBitmap& natural = Renderer.Natural();
  natural.SetSize(static_cast<int>(Box.NaturalWidth), static_cast<int>(Box.NaturalHeight));
  if (natural.Image().Null()) return nullptr;
  // White, as a new bitmap is (a kept one holds the previous symbol).
  UseSolidColor(natural.Canvas(), clWhite);
  natural.Canvas().Rectangle({0, 0, natural.Width(), natural.Height()});
  ResetDrawingState(natural.Canvas());
  Error = Barcode.DrawTo(natural.Canvas(), Barcode.Module(), 0, 0, Box.BarHeight(), -1);
  if (Error != ecValid) return nullptr;
  TRasterCanvas& canvas = Renderer.Canvas();
  if (!canvas.Start(width, height)) return nullptr;
  canvas.Brush.Color = Barcode.SpaceColor();
  canvas.Pen.Color = Barcode.SpaceColor();
  canvas.Rectangle({0, 0, width, height});
  const int left = Barcode.LeftMargin(), top = Barcode.TopMargin();
  canvas.StretchDraw({left, top, width - left, height - top}, natural);
  return &canvas.Image();
}

// The colour left out of the output: the space colour when the background
// is to be transparent, else none.
std::optional<TColor> LeftOutColour(const TBarcode& Barcode, const TOutputOptions& Output) {
  if (!Output.TransparentBackground) return std::nullopt;
  return Barcode.SpaceColor();
}

// Draws the symbol into an image of the box's size (within the limits),
// held by the renderer's canvas, its pixels of the space colour transparent
// when Output leaves out the background. Null when the image could not be
// had; Error is the symbol's error code.
const TRasterImage* RenderInBox(TBarcode& Barcode, const TSymbolBox& Box, TSymbolRenderer& Renderer,
                                const TOutputOptions& Output, int& Error) {
  Error = ecValid;
  const TRasterImage* image =
      Barcode.StretchWidth() ? RenderStretched(Barcode, Box, Renderer, Error) : RenderRaster(Barcode, Box, Renderer);
  if (!image || !Output.TransparentBackground) return image;
  Renderer.Canvas().ClearColour(Barcode.SpaceColor());
  return &Renderer.Canvas().Image();
}

// The raster image in one of the raster formats.
bool EncodeImage(TImageEncoder& Encoder, TFileFormat Format, const TRasterImage& Image, int Dpi, std::string& Out) {
  switch (Format) {
    case TFileFormat::Bmp: return Encoder.Bmp(Image, Dpi, Out);
    case TFileFormat::Tiff: return Encoder.Tiff(Image, Dpi, Out);
    default: return Encoder.Png(Image, Dpi, Out);
  }
}

// Draws the symbol on a vector page, laid out as on a screen bitmap. A
// stretched symbol is a scaled bitmap in any case and is embedded as one.
// Returns false when the bitmap could not be made.
bool DrawVector(TBarcode& Barcode, const TSymbolBox& Box, TSymbolRenderer& Renderer, const TOutputOptions& Output,
                TCairoCanvas& Canvas) {
  const int width = static_cast<int>(Box.Width), height = static_cast<int>(Box.Height);
  if (Barcode.StretchWidth()) {
    int error = ecValid;
    const TRasterImage* image = RenderInBox(Barcode, Box, Renderer, Output, error);
    if (!image) return false;
    Canvas.DrawImage(0, 0, width, height, *image);
    return true;
  }
  Canvas.LeaveOut(LeftOutColour(Barcode, Output));
  Canvas.Brush.Color = Barcode.SpaceColor();
  Canvas.Pen.Color = Barcode.SpaceColor();
  Canvas.Rectangle({0, 0, width, height});
  Barcode.DrawTo(Canvas, Barcode.Module(), Barcode.LeftMargin(), Barcode.TopMargin(), Box.BarHeight(), -1);
  return true;
}

// Writes the symbol as an SVG document of rectangles and text; a stretched
// symbol as its bitmap, as on other vector devices. Returns false when the
// bitmap could not be made.
bool DrawSvg(TBarcode& Barcode, const TSymbolBox& Box, TSymbolRenderer& Renderer, const TOutputOptions& Output,
             TSvgCanvas& canvas) {
  const int width = static_cast<int>(Box.Width), height = static_cast<int>(Box.Height);
  canvas.Begin(width, height, LayoutDpi(Output), LaidOutInDots(Output) ? Output.Dpi : 0);
  canvas.LeaveOut(LeftOutColour(Barcode, Output));
  if (Barcode.StretchWidth()) {
    int error = ecValid;
    const TRasterImage* image = RenderInBox(Barcode, Box, Renderer, Output, error);
    if (!image) return false;
    canvas.DrawImage(0, 0, width, height, *image);
  } else {
    canvas.Brush.Color = Barcode.SpaceColor();
    canvas.Pen.Color = Barcode.SpaceColor();
    canvas.Rectangle({0, 0, width, height});
    Barcode.DrawTo(canvas, Barcode.Module(), Barcode.LeftMargin(), Barcode.TopMargin(), Box.BarHeight(), -1);
  }
  canvas.End();
  return true;
}

// What a raster image is encoded with: the encoder, and the check the image
// passes first (none: every image passes).
struct TRasterEncoding {
  TImageEncoder& Encoder;
  const TSymbolWriter::TImageCheck& Check;
};

// The file's contents in memory, so that writing them is one checked step.
// Returns the symbol's error code; sets Reason when the image could not be
// encoded, Refusal when it failed its check (nothing encoded).
int EncodeInBox(TBarcode& Barcode, const TSymbolBox& Box, const TOutputOptions& Output, TSymbolRenderer& Renderer,
                const TRasterEncoding& Raster, TSvgCanvas& Svg, std::string& Contents, std::string& Reason,
                std::string& Refusal) {
  Contents.clear();  // keeps the buffer for the next symbol
  const int width = static_cast<int>(Box.Width), height = static_cast<int>(Box.Height);
  const TFileFormat format = Output.Format;
  bool drawn = true;
  switch (format) {
    case TFileFormat::Png:
    case TFileFormat::Bmp:
    case TFileFormat::Tiff: {
      int error = ecValid;
      const TRasterImage* image = RenderInBox(Barcode, Box, Renderer, Output, error);
      if (error != ecValid) return error;
      if (!image) {
        drawn = false;
        break;
      }
      if (Raster.Check) Refusal = Raster.Check(*image);
      if (!Refusal.empty()) return ecValid;
      if (!EncodeImage(Raster.Encoder, format, *image, Output.Dpi, Contents))
        Reason = std::string("could not encode the ") + Extension(format) + " image";
      break;
    }
    case TFileFormat::Svg: drawn = DrawSvg(Barcode, Box, Renderer, Output, Svg); break;
    case TFileFormat::Pdf:
    case TFileFormat::Eps:
      Reason = DrawVectorFile(
          format == TFileFormat::Pdf ? TVectorFormat::Pdf : TVectorFormat::Eps, width, height, Output.Dpi,
          LayoutDpi(Output), [&](TCairoCanvas& canvas) { return DrawVector(Barcode, Box, Renderer, Output, canvas); },
          Contents);
      break;
  }
  if (!drawn)
    Reason = "could not allocate a bitmap of " + std::to_string(width) + " x " + std::to_string(height) + " pixels";
  else if (Reason.empty() && Contents.empty())
    Reason = "the image encoder produced no data";
  return ecValid;
}

// Why the bar width reduction may not be applied to the laid-out symbol: a
// bar would keep one dot or less. Empty when it may.
std::string ReductionRefusal(const TBarcodeLayout& Layout, const TOutputOptions& Output, double ReductionDots) {
  if (!(ReductionDots > 0)) return {};
  const int narrowest = NarrowestBar(Layout.Parameters.Pattern, Layout.Define.Module, Layout.Define.Ratio);
  if (narrowest == 0 || narrowest - ReductionDots > 1) return {};
  return "a bar width reduction of " + LengthAndDots(Output.BarWidthReduction, ReductionDots, Output.Dpi) +
         " would leave the narrowest bar, " + DotsText(narrowest) + " wide, with one dot or less";
}

// The reduction drawn, in dots: whole dots on raster formats.
double ReductionDots(const TOutputOptions& Output) {
  const double dots = Output.BarWidthReduction.Dots(Output.Dpi);
  const bool vector =
      Output.Format == TFileFormat::Svg || Output.Format == TFileFormat::Pdf || Output.Format == TFileFormat::Eps;
  return vector ? dots : std::round(dots);
}

TWriteResult Failed(TWriteFailure failure, int error, std::string message = {}) {
  TWriteResult result;
  result.Failure = failure;
  result.Error = error;
  result.Message = std::move(message);
  return result;
}

// What a writer does with a symbol laid out and checked: draws it from its
// box and says how that went.
using TLaidOutStep = std::function<TWriteResult(const TSymbolBox& Box)>;

// Applies Output to the component, lays the symbol out on the renderer's
// canvas and checks it against the options and the size limits; then,
// within the symbol's share of the run's image budget, hands it to Step.
// The result of a symbol Step drew carries its geometry.
TWriteResult WithLaidOutSymbol(TBarcode& Barcode, const TOutputOptions& Output, TSymbolRenderer& Renderer,
                               const TLaidOutStep& Step) {
  const TOutputSettings settings(Barcode, Output);
  if (!settings.Refusal().empty()) return Failed(TWriteFailure::InvalidOption, ecValid, settings.Refusal());
  Renderer.SetPixelsPerInch(LayoutDpi(Output));
  const TSymbolBox box(Barcode, Renderer, Output.QuietZone);
  if (box.Error != ecValid) return Failed(TWriteFailure::InvalidText, box.Error);
  const double reduction = ReductionDots(Output);
  if (std::string refusal = ReductionRefusal(Renderer.Layout(), Output, reduction); !refusal.empty())
    return Failed(TWriteFailure::InvalidOption, ecValid, refusal);
  if (std::string refusal = box.SizeRefusal(); !refusal.empty())
    return Failed(TWriteFailure::TooLarge, ecValid, refusal);
  const TImageReservation memory(TImageBudget::Run(), box.MemoryCost());
  TWriteResult result = Step(box);
  if (result)
    result.Geometry = {.Dpi = Output.Dpi,
                       .ModuleDots = Barcode.Module(),
                       .BarHeightDots = box.BarHeight(),
                       .ReductionDots = reduction,
                       .Width = static_cast<int>(box.Width),
                       .Height = static_cast<int>(box.Height)};
  return result;
}

}  // namespace

int TSymbolRenderer::Render(TBarcode& Barcode) {
  image_ = nullptr;
  const TSymbolBox box(Barcode, *this);
  if (box.Error != ecValid) return box.Error;
  if (!box.SizeRefusal().empty()) return ecValid;
  int error = ecValid;
  image_ = RenderInBox(Barcode, box, *this, {}, error);
  return error;
}

void TSymbolRenderer::SetPixelsPerInch(int Dpi) {
  canvas_.SetPixelsPerInch(Dpi);
  natural_.SetPixelsPerInch(Dpi);
}

void TSymbolRenderer::Trim() {
  if (canvas_.ImageBytes() > KeptBufferBytes) canvas_.Release();
  if (natural_.Image().Capacity() > KeptBufferBytes) natural_.SetSize(0, 0);
}

TSymbolWriter::TSymbolWriter()
    : encoder_(std::make_unique<TImageEncoder>()), svg_(std::make_unique<TSvgCanvas>(contents_, *encoder_)) {}

TSymbolWriter::~TSymbolWriter() = default;

TWriteResult TSymbolWriter::Encode(TBarcode& Barcode, const TOutputOptions& Output) {
  return EncodeAndStore(Barcode, Output, {});
}

TWriteResult TSymbolWriter::EncodeAndStore(TBarcode& Barcode, const TOutputOptions& Output, const TStore& Store) {
  return WithLaidOutSymbol(Barcode, Output, renderer_, [&](const TSymbolBox& box) {
    std::string reason, refusal;
    const int error = EncodeInBox(Barcode, box, Output, renderer_, {.Encoder = *encoder_, .Check = check_}, *svg_,
                                  contents_, reason, refusal);
    renderer_.Trim();
    if (error != ecValid) return Failed(TWriteFailure::InvalidText, error);
    if (!refusal.empty()) return Failed(TWriteFailure::Refused, ecValid, refusal);
    if (reason.empty() && Store) reason = Store(contents_);
    if (Store && contents_.capacity() > KeptBufferBytes) std::string().swap(contents_);
    if (!reason.empty()) return Failed(TWriteFailure::File, ecValid, reason);
    return TWriteResult{};
  });
}

TWriteResult TSymbolWriter::Write(TBarcode& Barcode, const std::string& Path, const TOutputOptions& Output,
                                  const TReplaceOptions& Replace) {
  return EncodeAndStore(Barcode, Output,
                        [&](const std::string& contents) { return ReplaceFile(Path, contents, Replace); });
}

TWriteResult PlaceVectorSymbol(TBarcode& Barcode, const TOutputOptions& Output, TSymbolRenderer& Renderer,
                               const TPlaceVectorSymbol& Place) {
  TOutputOptions vector = Output;
  vector.Format = TFileFormat::Pdf;
  return WithLaidOutSymbol(Barcode, vector, Renderer, [&](const TSymbolBox& box) {
    TWriteResult placed =
        Place({.Width = static_cast<int>(box.Width),
               .Height = static_cast<int>(box.Height),
               .Draw = [&](TCairoCanvas& canvas) { return DrawVector(Barcode, box, Renderer, vector, canvas); }});
    Renderer.Trim();
    return placed;
  });
}

TWriteResult WriteSymbol(TBarcode& Barcode, const std::string& Path, const TOutputOptions& Output,
                         const TReplaceOptions& Replace) {
  TSymbolWriter writer;
  return writer.Write(Barcode, Path, Output, Replace);
}

}  // namespace tessel
