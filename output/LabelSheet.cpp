#include "output/LabelSheet.h"

#include <cairo-pdf.h>
#include <cairo.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <utility>

#include "output/CairoCanvas.h"
#include "output/OutputSettings.h"
#include "output/SymbolFile.h"

namespace tessel {
namespace {

constexpr double PointsPerInch = 72.0;
// The room between the symbol's box and its caption, in points.
constexpr double CaptionGapPoints = 2;
// The caption sizes a sheet takes, in points.
constexpr double MinCaptionPoints = 1, MaxCaptionPoints = 200;
// A symbol this much larger than its label, in dots, still fits: the label's
// size in dots is rarely whole.
constexpr double FitToleranceDots = 0.01;

double MmToPoints(double mm) { return mm * PointsPerInch / MillimetresPerInch; }

cairo_status_t Append(void* out, const unsigned char* data, unsigned int length) {
  static_cast<std::string*>(out)->append(reinterpret_cast<const char*>(data), length);
  return CAIRO_STATUS_SUCCESS;
}

// "52.3 x 20.1 mm"
std::string SizeMm(double width, double height) {
  std::array<char, 64> text{};
  std::snprintf(text.data(), text.size(), "%.1f x %.1f mm", width, height);
  return text.data();
}

TWriteResult Refused(std::string message) {
  TWriteResult result;
  result.Failure = TWriteFailure::InvalidOption;
  result.Message = std::move(message);
  return result;
}

std::string OptionsRefusal(const TLabelSheetOptions& options) {
  if (options.ShardCount < 1 || options.ShardIndex < 0 || options.ShardIndex >= options.ShardCount)
    return "shard " + std::to_string(options.ShardIndex + 1) + " of " + std::to_string(options.ShardCount) +
           " does not exist: shards are numbered from 1 to their count";
  if (std::string refusal = TOutputSettings::Check(options.Output); !refusal.empty()) return refusal;
  if (!(options.CaptionPoints >= MinCaptionPoints && options.CaptionPoints <= MaxCaptionPoints))
    return "the caption's size must be from " + std::to_string(static_cast<int>(MinCaptionPoints)) + " to " +
           std::to_string(static_cast<int>(MaxCaptionPoints)) + " points";
  if (options.Stock.LabelsPerPage() < 1 || !(options.Stock.PageWidth > 0) || !(options.Stock.PageHeight > 0))
    return "the label stock has no labels";
  return {};
}

// Whether the page (from 0) is one of those the shard writes.
bool OnShard(const TLabelSheetOptions& options, std::int64_t page) {
  return page % options.ShardCount == options.ShardIndex;
}

// The caption lines under a symbol: their font, in dots at the output's
// resolution, and their sizes.
struct TCaptionLayout {
  int LineHeight = 0;
  int Width = 0;  // of the widest line
  int Gap = 0;    // between the symbol's box and the first line
  int Height(std::size_t lines) const { return lines == 0 ? 0 : Gap + static_cast<int>(lines) * LineHeight; }
};

// Sets the caption's font and text state on Canvas.
void UseCaptionFont(TCanvas& canvas, double points, int dpi) {
  canvas.Font = TLogFont{};
  canvas.Font.Height = -static_cast<int>(std::lround(points * dpi / PointsPerInch));
  canvas.CharExtra = 0;
  canvas.Transparent = true;
  canvas.TextColor = clBlack;
}

// Where a label's symbol and caption go, in dots from the page's corner.
struct TPlacement {
  double SymbolLeft = 0, SymbolTop = 0;
  double ContentLeft = 0, ContentWidth = 0;  // the symbol and caption together
};

// Centres the symbol's box and the caption under it on the label: the
// symbol's corner on whole dots, so that its bars fall on the printer's
// dots. Refuses what does not fit.
std::string PlaceOnLabel(const TVectorSymbol& symbol, const TCaptionLayout& caption, std::span<const std::string> lines,
                         const TLabelRect& label, int dpi, TPlacement& place) {
  const double dotsPerMm = dpi / MillimetresPerInch;
  const double width = std::max(symbol.Width, caption.Width);
  const double height = symbol.Height + caption.Height(lines.size());
  const double labelWidth = label.Width * dotsPerMm, labelHeight = label.Height * dotsPerMm;
  if (width > labelWidth + FitToleranceDots || height > labelHeight + FitToleranceDots)
    return "the symbol is " + SizeMm(width / dotsPerMm, height / dotsPerMm) +
           (lines.empty() ? " with its quiet zones" : " with its caption") + "; the label is " +
           SizeMm(label.Width, label.Height);
  place.ContentWidth = width;
  place.ContentLeft = label.Left * dotsPerMm + (labelWidth - width) / 2;
  place.SymbolLeft = std::round(place.ContentLeft + (width - symbol.Width) / 2);
  place.SymbolTop = std::round(label.Top * dotsPerMm + (labelHeight - height) / 2);
  return {};
}

// The widest of the lines in the canvas's font.
int WidestLine(TCanvas& canvas, std::span<const std::string> lines) {
  int widest = 0;
  for (const std::string& line : lines) widest = std::max(widest, canvas.TextWidth(line));
  return widest;
}

}  // namespace

// The document: one cairo PDF surface of the stock's page size, its pages
// opened in order as labels reach them, and the canvases that draw on it
// (one for symbols, one for captions, so that each keeps its font).
struct TLabelSheet::TPages {
  explicit TPages(const TLabelSheetOptions& options)
      : Surface(cairo_pdf_surface_create_for_stream(Append, &Pdf, MmToPoints(options.Stock.PageWidth),
                                                    MmToPoints(options.Stock.PageHeight))),
        Context(cairo_create(Surface)),
        Dpi(options.Output.Dpi),
        Symbols(Context, LayoutDpi(options.Output)),
        Captions(Context, LayoutDpi(options.Output)) {
    UseCaptionFont(Captions, options.CaptionPoints, Dpi);
    Caption.LineHeight = Captions.TextHeight("Ag");
    Caption.Gap = static_cast<int>(std::lround(CaptionGapPoints * Dpi / PointsPerInch));
  }
  ~TPages() {
    cairo_destroy(Context);
    cairo_surface_destroy(Surface);
  }
  TPages(const TPages&) = delete;
  TPages& operator=(const TPages&) = delete;

  // Opens this shard's pages up to Page, each in turn.
  void OpenUpTo(std::int64_t page, const TLabelSheetOptions& options) {
    for (; NextPage <= page; ++NextPage) {
      if (!OnShard(options, NextPage)) continue;
      if (Written > 0) cairo_show_page(Context);
      ++Written;
    }
  }

  // Draws Draw's shapes with the canvas's pixels dots at the output's
  // resolution, its origin at (Left, Top) dots from the page's corner.
  template <typename TDraw>
  void InDots(double left, double top, TCairoCanvas& canvas, const TDraw& draw) {
    cairo_save(Context);
    cairo_scale(Context, PointsPerInch / Dpi, PointsPerInch / Dpi);
    cairo_translate(Context, left, top);
    draw();
    canvas.End();
    cairo_restore(Context);
  }

  // Draws the symbol and its caption lines centred on the label, or
  // refuses them when they do not fit.
  TWriteResult Draw(const TVectorSymbol& symbol, const TCaptionLayout& caption, std::span<const std::string> lines,
                    const TLabelRect& label) {
    TPlacement place;
    if (std::string refusal = PlaceOnLabel(symbol, caption, lines, label, Dpi, place); !refusal.empty())
      return Refused(std::move(refusal));
    bool drawn = true;
    InDots(place.SymbolLeft, place.SymbolTop, Symbols, [&] { drawn = symbol.Draw(Symbols); });
    if (!drawn) {
      TWriteResult failed;
      failed.Failure = TWriteFailure::TooLarge;
      failed.Message = "could not allocate the symbol's bitmap";
      return failed;
    }
    InDots(place.ContentLeft, place.SymbolTop + symbol.Height + caption.Gap, Captions, [&] {
      for (std::size_t line = 0; line < lines.size(); ++line) {
        const int left = static_cast<int>(std::lround((place.ContentWidth - Captions.TextWidth(lines[line])) / 2));
        Captions.TextOut({left, static_cast<int>(line) * caption.LineHeight}, lines[line]);
      }
    });
    return {};
  }

  std::string Pdf;  // before the surface, which writes into it
  cairo_surface_t* Surface;
  cairo_t* Context;
  int Dpi;
  TCairoCanvas Symbols;
  TCairoCanvas Captions;
  TSymbolRenderer Renderer;
  TCaptionLayout Caption;
  std::int64_t NextPage = 0;  // the first page not opened yet
  int Written = 0;            // pages opened
};

TLabelSheet::TLabelSheet(const TLabelSheetOptions& Options) : options_(Options), refusal_(OptionsRefusal(Options)) {
  options_.Output.Format = TFileFormat::Pdf;
  if (refusal_.empty()) pages_ = std::make_unique<TPages>(options_);
}

TLabelSheet::~TLabelSheet() = default;

void TLabelSheet::Skip(std::int64_t Count) { next_ += std::max<std::int64_t>(Count, 0); }

bool TLabelSheet::NextIsDrawn() const { return pages_ && OnShard(options_, next_ / options_.Stock.LabelsPerPage()); }

TWriteResult TLabelSheet::Place(TBarcode& Barcode, std::span<const std::string> Caption) {
  if (!pages_) return Refused(refusal_);
  const std::int64_t index = next_++;
  const int perPage = options_.Stock.LabelsPerPage();
  if (!OnShard(options_, index / perPage)) return {};
  TPages& pages = *pages_;
  pages.OpenUpTo(index / perPage, options_);
  const TLabelRect label = LabelRectOnPage(options_.Stock, static_cast<int>(index % perPage));
  TCaptionLayout caption = pages.Caption;
  caption.Width = WidestLine(pages.Captions, Caption);
  return PlaceVectorSymbol(Barcode, options_.Output, pages.Renderer,
                           [&](const TVectorSymbol& symbol) { return pages.Draw(symbol, caption, Caption, label); });
}

TLabelSheetResult TLabelSheet::Finish() {
  TLabelSheetResult result;
  if (!pages_) {
    result.Error = refusal_;
    return result;
  }
  TPages& pages = *pages_;
  if (next_ > 0) pages.OpenUpTo((next_ - 1) / options_.Stock.LabelsPerPage(), options_);
  if (pages.Written > 0) cairo_show_page(pages.Context);
  cairo_surface_finish(pages.Surface);
  cairo_status_t status = cairo_status(pages.Context);
  if (status == CAIRO_STATUS_SUCCESS) status = cairo_surface_status(pages.Surface);
  if (status != CAIRO_STATUS_SUCCESS)
    result.Error = cairo_status_to_string(status);
  else if (pages.Written > 0)
    result.Pdf = std::move(pages.Pdf);
  result.Pages = result.Error.empty() ? pages.Written : 0;
  pages_.reset();
  refusal_ = "the sheet is finished";
  return result;
}

}  // namespace tessel
