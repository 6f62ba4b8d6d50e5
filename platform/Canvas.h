// TCanvas: the drawing surface the engine draws on. The engine sets the
// public state (pen, brush, font, spacing, text mode) and calls the drawing
// operations; an implementation reads the state when it draws or measures.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "platform/Font.h"
#include "platform/Types.h"

namespace tessel {

class TBitmap;

enum class TPenStyle { psSolid, psClear };
enum class TPenMode { pmCopy, pmNot, pmXor };
enum class TBrushStyle { bsSolid, bsClear };

struct TPen {
  TColor Color = clBlack;
  TPenStyle Style = TPenStyle::psSolid;
  TPenMode Mode = TPenMode::pmCopy;
  int Width = 1;
  friend bool operator==(const TPen&, const TPen&) = default;
};

struct TBrush {
  TColor Color = clWhite;
  TBrushStyle Style = TBrushStyle::bsSolid;
  friend bool operator==(const TBrush&, const TBrush&) = default;
};

// One of a row of boxes filled side by side: columns Left..Right (inclusive)
// in one solid colour.
struct TColumnBox {
  int Left, Right;
  TColor Color;
};

// A font as selected into a device: face and style from a TFont, a height in
// device pixels (negative: the character height, as -MulDiv(size, dpi, 72)
// gives it) and the rotation of the text line in tenths of a degree,
// counter-clockwise.
struct TLogFont {
  std::string Name = TFont::DefaultName;
  int Height = -11;
  int Escapement = 0;
  TFontStyles Style;
  int Charset = TFont::DefaultCharset;
  TColor Color = clBlack;
  friend bool operator==(const TLogFont&, const TLogFont&) = default;
};

class TCanvas {
 public:
  virtual ~TCanvas() = default;

  TPen Pen;
  TBrush Brush;
  TLogFont Font;
  int CharExtra = 0;         // extra pixels after every character of a text
  bool Transparent = false;  // text drawn without filling its cell
  TColor TextColor = clBlack;

  // Fills the quadrilateral with the brush and outlines it with the pen.
  virtual void Polygon(const TPoint (&points)[4]) = 0;
  // Polygon of an upright box from (left, top) to (right, bottom), corners
  // in that order: top left, top right, bottom right, bottom left. Canvases
  // that fill boxes faster than polygons take it directly.
  virtual void UprightBox(int left, int top, int right, int bottom);
  // Fills boxes over the rows top..bottom (inclusive), left to right, each
  // starting in the column after the previous one ends, each with a solid
  // pen and brush of its colour: by default UseSolidColor and UprightBox
  // for every box in turn. Canvases that fill a row of boxes at once (the
  // bars of a symbol) take it directly, leaving the same pen and brush.
  virtual void SolidColumns(int top, int bottom, std::span<const TColumnBox> columns);
  // Fills the rectangle (right and bottom exclusive) with the brush and
  // outlines it with the pen.
  virtual void Rectangle(const TRect& rect) = 0;
  virtual void SetPixel(int x, int y, TColor color) = 0;

  // Size of a text in the selected font with CharExtra after every character.
  virtual int TextWidth(std::string_view text) = 0;
  virtual int TextHeight(std::string_view text) = 0;
  // Draws a text whose cell's top-left corner is at `at`, turned by the
  // font's escapement around that point. With advances, character i is
  // followed by advances[i] pixels instead of its natural width.
  virtual void TextOut(TPoint at, std::string_view text, std::span<const int> advances = {}) = 0;

  virtual int PixelsPerInchX() const = 0;
  virtual int PixelsPerInchY() const = 0;

  // Whether the canvas places edges between pixels (a vector device): a
  // bar width reduction is then drawn exactly instead of in whole pixels.
  virtual bool Fractional() const { return false; }
  // Fills the area from (left, top) to (right, bottom), edges exclusive of
  // the pixel beyond, with the brush's colour and no outline; only asked of
  // Fractional canvases. By default the area is rounded to whole pixels.
  virtual void FillArea(double left, double top, double right, double bottom);

  // Copies a bitmap scaled into the destination rectangle.
  virtual void StretchDraw(const TRect& dest, const TBitmap& source) = 0;

  // Selects a TFont at the given rotation, sized for this canvas's vertical
  // resolution.
  void SelectFont(const TFont& font, int escapement);
};

// What a drawing routine must give back to a canvas it borrowed.
class TCanvasStateSaver {
 public:
  explicit TCanvasStateSaver(TCanvas& canvas)
      : canvas_(canvas),
        pen_(canvas.Pen),
        brush_(canvas.Brush),
        font_(canvas.Font),
        charExtra_(canvas.CharExtra),
        transparent_(canvas.Transparent),
        textColor_(canvas.TextColor) {}
  ~TCanvasStateSaver() {
    canvas_.Pen = pen_;
    canvas_.Brush = brush_;
    canvas_.Font = font_;
    canvas_.CharExtra = charExtra_;
    canvas_.Transparent = transparent_;
    canvas_.TextColor = textColor_;
  }
  TCanvasStateSaver(const TCanvasStateSaver&) = delete;
  TCanvasStateSaver& operator=(const TCanvasStateSaver&) = delete;

 private:
  TCanvas& canvas_;
  TPen pen_;
  TBrush brush_;
  TLogFont font_;
  int charExtra_;
  bool transparent_;
  TColor textColor_;
};

// Copies the drawing state (pen, brush, font, spacing, text mode and colour)
// of one canvas to another, for a canvas that hands work to a second one.
void CopyDrawingState(const TCanvas& From, TCanvas& To);
// Returns a canvas's drawing state to that of a new canvas, for a canvas
// that is reused from symbol to symbol.
void ResetDrawingState(TCanvas& Canvas);

// Sets a solid pen of one pixel (copy mode) and a solid brush, both of one colour.
void UseSolidColor(TCanvas& Canvas, TColor Color);

// A quadrilateral that is an upright rectangle filled and outlined in one
// solid colour (pen of at most one pixel, copy mode) covers exactly its
// corner pixels and everything between: that box, right and bottom
// inclusive. None for any other shape or state.
std::optional<TRect> SolidUprightBox(const TCanvas& Canvas, const TPoint (&Points)[4]);
// Whether the canvas fills and outlines in one solid colour (pen of at most
// one pixel, copy mode). Inline: it is asked for every bar.
inline bool SolidPenAndBrush(const TCanvas& Canvas) {
  return Canvas.Brush.Style == TBrushStyle::bsSolid && Canvas.Pen.Style == TPenStyle::psSolid &&
         Canvas.Pen.Width <= 1 && Canvas.Pen.Color == Canvas.Brush.Color && Canvas.Pen.Mode == TPenMode::pmCopy;
}

// a * b / c rounded to the nearest integer, as the platform's MulDiv: -1
// when c is 0 or the result lies outside the integer range.
int MulDiv(int a, int b, int c);

}  // namespace tessel
