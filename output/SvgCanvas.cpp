#include "output/SvgCanvas.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <string_view>

#include "core/pCore.h"
#include "output/ImageEncoder.h"
#include "platform/raster/GlyphFont.h"

namespace tessel {
namespace {

// The resolution until Begin gives the layout's: that of a common screen.
constexpr int DefaultLayoutDpi = 96;

std::string Number(int value) { return std::to_string(value); }

// A length with up to two decimals and no trailing zeros.
std::string Decimal(double value) {
  char text[32];
  const std::to_chars_result end = std::to_chars(text, text + sizeof text, value, std::chars_format::general, 6);
  return {text, end.ptr};
}

// A document's side: pixels, or millimetres when SizeDpi is above 0.
std::string Length(int Pixels, int SizeDpi) {
  if (SizeDpi <= 0) return Number(Pixels);
  char text[32];
  const double millimetres = Pixels * MillimetresPerInch / SizeDpi;
  const std::to_chars_result end = std::to_chars(text, text + sizeof text, millimetres, std::chars_format::fixed, 4);
  std::string length(text, end.ptr);
  while (length.back() == '0') length.pop_back();
  if (length.back() == '.') length.pop_back();
  return length + "mm";
}

// The bytes in base64, as a data URL holds them.
void AppendBase64(std::string& out, const std::string& bytes) {
  static constexpr char Digits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  out.reserve(out.size() + (bytes.size() + 2) / 3 * 4);
  std::size_t i = 0;
  for (; i + 2 < bytes.size(); i += 3) {
    const unsigned v = static_cast<unsigned char>(bytes[i]) << 16 | static_cast<unsigned char>(bytes[i + 1]) << 8 |
                       static_cast<unsigned char>(bytes[i + 2]);
    out += {Digits[v >> 18], Digits[(v >> 12) & 63], Digits[(v >> 6) & 63], Digits[v & 63]};
  }
  if (i < bytes.size()) {
    const bool two = i + 1 < bytes.size();
    const unsigned v =
        static_cast<unsigned char>(bytes[i]) << 16 | (two ? static_cast<unsigned char>(bytes[i + 1]) << 8 : 0u);
    out += {Digits[v >> 18], Digits[(v >> 12) & 63], two ? Digits[(v >> 6) & 63] : '=', '='};
  }
}

// "#rrggbb".
std::array<char, 7> Colour(TColor color) {
  static constexpr char Digits[] = "0123456789abcdef";
  const std::uint8_t parts[] = {GetRValue(color), GetGValue(color), GetBValue(color)};
  std::array<char, 7> name{'#'};
  for (std::size_t i = 0; i < 3; ++i) {
    name[1 + 2 * i] = Digits[parts[i] >> 4];
    name[2 + 2 * i] = Digits[parts[i] & 0xf];
  }
  return name;
}

std::string ColourName(TColor color) {
  const std::array<char, 7> name = Colour(color);
  return {name.data(), name.size()};
}

// Latin-1 text as XML character data in UTF-8. XML has no control
// characters: they become the replacement character, one for one.
std::string XmlText(std::string_view text) {
  std::string result;
  result.reserve(text.size());
  for (const char c : text) {
    const auto code = static_cast<unsigned char>(c);
    if (code < 0x20 || code == 0x7f) {
      result += "\xef\xbf\xbd";  // U+FFFD
    } else if (code == '<') {
      result += "&lt;";
    } else if (code == '>') {
      result += "&gt;";
    } else if (code == '&') {
      result += "&amp;";
    } else if (code == '"') {
      result += "&quot;";
    } else if (code < 0x80) {
      result += c;
    } else {
      result += static_cast<char>(0xc0 | (code >> 6));
      result += static_cast<char>(0x80 | (code & 0x3f));
    }
  }
  return result;
}

// UTF-8 text as an attribute value.
std::string XmlAttribute(std::string_view text) {
  std::string result;
  for (const char c : text) {
    switch (c) {
      case '<': result += "&lt;"; break;
      case '>': result += "&gt;"; break;
      case '&': result += "&amp;"; break;
      case '"': result += "&quot;"; break;
      default: result += c;
    }
  }
  return result;
}

}  // namespace

TSvgCanvas::TSvgCanvas(std::string& Out, TImageEncoder& Encoder)
    : TVectorCanvas(DefaultLayoutDpi), out_(Out), encoder_(Encoder) {}

void TSvgCanvas::Begin(int Width, int Height, int LayoutDpi, int SizeDpi) {
  Restart(LayoutDpi);
  width_ = Width;
  height_ = Height;
  background_.reset();
  drawn_.clear();
  const std::string w = Number(Width), h = Number(Height);
  out_ +=
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" "
      "xmlns:xlink=\"http://www.w3.org/1999/xlink\" version=\"1.2\" baseProfile=\"tiny\" width=\"" +
      Length(Width, SizeDpi) + "\" height=\"" + Length(Height, SizeDpi) + "\" viewBox=\"0 0 " + w + " " + h +
      "\" shape-rendering=\"crispEdges\">\n<title>Barcode</title>\n";
}

void TSvgCanvas::End() {
  Flush();
  out_ += "</svg>\n";
}

void TSvgCanvas::NoteFill(const TFill& fill) {
  if (fill.X <= 0 && fill.Y <= 0 && fill.X + fill.Width >= width_ && fill.Y + fill.Height >= height_) {
    background_ = fill.Color;
    drawn_.clear();
  } else if (background_) {
    // Whole pixels covering the fill, which may end between pixels.
    const auto low = [](double v) { return static_cast<int>(std::floor(v)); };
    const auto high = [](double v) { return static_cast<int>(std::ceil(v)); };
    drawn_.push_back({low(fill.X), low(fill.Y), high(fill.X + fill.Width), high(fill.Y + fill.Height)});
  }
}

bool TSvgCanvas::OnBackground(const TRect& box) const {
  return background_ && std::none_of(drawn_.begin(), drawn_.end(), [&box](const TRect& d) {
           return d.Left < box.Right && box.Left < d.Right && d.Top < box.Bottom && box.Top < d.Bottom;
         });
}

void TSvgCanvas::SolidColumns(int top, int bottom, std::span<const TColumnBox> columns) {
  if (columns.empty()) return;
  const TRect row{columns.front().Left, top, columns.back().Right + 1, bottom + 1};
  if (!OnBackground(row)) {
    TCanvas::SolidColumns(top, bottom, columns);
    return;
  }
  for (const TColumnBox& box : columns)
    if (box.Color != *background_ && Shows(box.Color))
      Put(Pixels(box.Left, top, box.Right - box.Left + 1, bottom - top + 1, box.Color));
  drawn_.push_back(row);
  UseSolidColor(*this, columns.back().Color);
}

// Appends "<rect x=... fill=.../>" without printf, written straight into the
// output's spare room: a batch writes thousands of these a second.
void TSvgCanvas::DrawFill(const TFill& f) {
  constexpr std::size_t MaxRectLength = 128;  // the fixed text, four numbers and a colour
  const std::size_t start = out_.size();
  out_.resize(start + MaxRectLength);
  char* const rect = out_.data() + start;
  char* at = rect;
  const auto text = [&at](std::string_view part) { at = std::copy(part.begin(), part.end(), at); };
  // Whole numbers as integers, the common case and the fast one; the edges
  // a bar width reduction moves in their shortest exact form.
  const auto number = [&at, rect](double value) {
    const auto whole = static_cast<int>(value);
    at = whole == value ? std::to_chars(at, rect + MaxRectLength, whole).ptr
                        : std::to_chars(at, rect + MaxRectLength, value).ptr;
  };
  text("<rect x=\"");
  number(f.X);
  text("\" y=\"");
  number(f.Y);
  text("\" width=\"");
  number(f.Width);
  text("\" height=\"");
  number(f.Height);
  text("\" fill=\"");
  const std::array<char, 7> colour = Colour(f.Color);
  text({colour.data(), colour.size()});
  text("\"/>\n");
  out_.resize(start + static_cast<std::size_t>(at - rect));
}

void TSvgCanvas::DrawPolygon(const TPoint (&points)[4]) {
  background_.reset();
  std::string list;
  for (const TPoint& p : points) list += Number(p.X) + "," + Number(p.Y) + " ";
  list.pop_back();
  out_ += "<polygon points=\"" + list + "\" fill=\"" +
          (Brush.Style == TBrushStyle::bsSolid && Shows(Brush.Color) ? ColourName(Brush.Color) : std::string("none")) +
          "\"";
  if (Pen.Style != TPenStyle::psClear && Shows(Pen.Color))
    out_ += " stroke=\"" + ColourName(Pen.Color) + "\" stroke-width=\"" + Number(std::max(1, Pen.Width)) + "\"";
  out_ += "/>\n";
}

void TSvgCanvas::DrawOutline(const TOutline& path, int PenWidth) {
  background_.reset();
  out_ += "<rect x=\"" + Decimal(path.X) + "\" y=\"" + Decimal(path.Y) + "\" width=\"" + Decimal(path.Width) +
          "\" height=\"" + Decimal(path.Height) + "\" fill=\"none\" stroke=\"" + ColourName(Pen.Color) +
          "\" stroke-width=\"" + Number(PenWidth) + "\"/>\n";
}

// Opens a group at the text's cell, turned by the font's escapement, with
// the font's attributes.
void TSvgCanvas::OpenText(TPoint at, const TGlyphFont& glyphs) {
  out_ += "<g transform=\"translate(" + Number(at.X) + " " + Number(at.Y) + ")";
  if (Font.Escapement != 0) out_ += " rotate(" + Decimal(-Font.Escapement / 10.0) + ")";
  // The font asked for, the one the raster draws with where that is missing,
  // and the generic family.
  std::string families = "'" + Font.Name + "'";
  if (glyphs.Family() != Font.Name) families += ", '" + glyphs.Family() + "'";
  out_ += "\" font-family=\"" + XmlAttribute(families + ", sans-serif") + "\" font-size=\"" +
          Number(glyphs.PixelSize()) + "\"";
  if (Font.Style.Contains(TFontStyle::fsBold)) out_ += " font-weight=\"bold\"";
  if (Font.Style.Contains(TFontStyle::fsItalic)) out_ += " font-style=\"italic\"";
  const bool underline = Font.Style.Contains(TFontStyle::fsUnderline);
  if (underline || Font.Style.Contains(TFontStyle::fsStrikeOut))
    out_ += std::string(" text-decoration=\"") + (underline ? "underline" : "line-through") + "\"";
  out_ += " fill=\"" + ColourName(TextColor) + "\">\n";
}

void TSvgCanvas::DrawText(TPoint at, std::string_view text, std::span<const int> advances, const TGlyphFont& glyphs) {
  background_.reset();
  OpenText(at, glyphs);
  if (!Transparent && Shows(Brush.Color))
    out_ += "<rect width=\"" + Number(glyphs.Width(text, CharExtra)) + "\" height=\"" + Number(glyphs.Height()) +
            "\" fill=\"" + ColourName(Brush.Color) + "\"/>\n";
  const std::string baseline = Number(glyphs.Ascent());
  if (advances.empty()) {
    out_ += "<text y=\"" + baseline + "\"";
    if (CharExtra != 0) out_ += " letter-spacing=\"" + Number(CharExtra) + "\"";
    out_ += ">" + XmlText(text) + "</text>\n";
  } else {
    // Each character at its own place, as the layout spaced them.
    int x = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
      out_ += "<text x=\"" + Number(x) + "\" y=\"" + baseline + "\">" + XmlText(text.substr(i, 1)) + "</text>\n";
      x += i < advances.size() ? advances[i] : glyphs.CharWidth(static_cast<unsigned char>(text[i])) + CharExtra;
    }
  }
  out_ += "</g>\n";
}

void TSvgCanvas::DrawImage(int X, int Y, int Width, int Height, const TRasterImage& Image) {
  Flush();
  background_.reset();
  if (!encoder_.Png(Image, PixelsPerInchX(), png_)) return;
  out_ += "<image x=\"" + Number(X) + "\" y=\"" + Number(Y) + "\" width=\"" + Number(Width) + "\" height=\"" +
          Number(Height) + "\" preserveAspectRatio=\"none\" image-rendering=\"optimizeSpeed\" " +
          "xlink:href=\"data:image/png;base64,";
  AppendBase64(out_, png_);
  out_ += "\"/>\n";
}

}  // namespace tessel
