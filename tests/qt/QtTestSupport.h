// Helpers for the Qt platform tests: render a component onto a QImage and
// read it back with a real barcode reader.
#pragma once

#include <QImage>
#include <optional>
#include <string>
#include <vector>

#include "components/pBarcode.h"

namespace tessel::testing {

// Draws `barcode` with its own settings on a white image (quiet zone of
// `margin` pixels all round) with DrawTo at the given angle; the bars are
// `height` pixels high.
QImage Render(TBarcode& barcode, int module = 2, int height = 80, int angle = 0, int margin = 20);

struct TDecoded {
  std::string Text;    // the decoded text (UTF-8 as the reader reports it)
  std::string Bytes;   // the raw decoded bytes (Latin-1 for Code 128)
  std::string Format;  // the reader's format name, for example "ITF"
  std::string SymbologyIdentifier;
  std::string AddOn;  // the digits of an EAN/UPC add-on read with the symbol
};

// Decodes one linear symbol from the image; nothing when the reader finds
// none. `formats` restricts the reader (zxing format names separated by
// '|', for example "ITF" or "EAN13|UPCA"); empty tries all linear formats.
// With `eanAddOn`, an EAN/UPC symbol is read only together with a two- or
// five-digit add-on beside it.
std::optional<TDecoded> Decode(const QImage& image, const std::string& formats = "", bool eanAddOn = false);

// Reader modes beyond the defaults.
struct TReaderModes {
  bool EanAddOn = false;         // as `eanAddOn` above
  bool Code39Extended = false;   // read Code 39 shift pairs as full ASCII
  bool Code39CheckSum = false;   // verify and strip the Code 39 check character
  bool CodabarStartEnd = false;  // keep the Codabar start and stop letters
};
std::optional<TDecoded> Decode(const QImage& image, const std::string& formats, const TReaderModes& modes);

// The widths of the runs of dark and light pixels along row y (left to
// right) or column x (top to bottom), starting with the first dark pixel.
std::string RunWidths(const QImage& image, int y);
std::vector<int> Runs(const QImage& image, int y);
std::vector<int> ColumnRuns(const QImage& image, int x);

}  // namespace tessel::testing
