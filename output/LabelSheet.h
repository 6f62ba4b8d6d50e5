// Label sheets: one symbol per label, the labels of a stock filled left to
// right and top to bottom, page after page of one vector PDF drawn through
// cairo. Each symbol is drawn as the PDF writer draws it (its module and bar
// height whole dots at the output's Dpi, so bars are exact in millimetres),
// its caption lines centred under it, the two centred on the label.
//
//   tessel::TLabelSheet sheet({.Stock = *tessel::FindLabelStock("a4-3x8"), .Output = options});
//   sheet.Skip(2);  // a sheet whose first two labels are used
//   for (...)  // one label a record; a refused one stays empty
//     if (const tessel::TWriteResult placed = sheet.Place(barcode, caption); !placed) Report(placed.Message);
//   const tessel::TLabelSheetResult pdf = sheet.Finish();
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "components/pBarcode.h"
#include "output/LabelStock.h"
#include "output/SymbolOutput.h"

namespace tessel {

// The caption's size when none is given, in points.
inline constexpr double DefaultCaptionPoints = 8;

struct TLabelSheetOptions {
  TLabelStock Stock;
  // The symbols' sizes, quiet zone and background; the format is PDF
  // whatever is given.
  TOutputOptions Output{};
  double CaptionPoints = DefaultCaptionPoints;
  // Page sharding: only the pages P (from 0) with P % ShardCount ==
  // ShardIndex are written, so that ShardCount runs over the same records
  // write a run's pages between them.
  int ShardIndex = 0;
  int ShardCount = 1;
};

struct TLabelSheetResult {
  std::string Error;  // why the document could not be made; empty on success
  int Pages = 0;      // the pages written (none: Pdf is empty)
  std::string Pdf;

  explicit operator bool() const { return Error.empty(); }
};

class TLabelSheet {
 public:
  explicit TLabelSheet(const TLabelSheetOptions& Options);
  ~TLabelSheet();
  TLabelSheet(const TLabelSheet&) = delete;
  TLabelSheet& operator=(const TLabelSheet&) = delete;

  // Why the options cannot make a sheet (a shard out of range, a caption
  // size out of range); empty when they can. A refused sheet places nothing.
  const std::string& Refusal() const { return refusal_; }

  // Leaves the next Count labels empty: the used labels of a sheet, or the
  // label of a record that could not be drawn.
  void Skip(std::int64_t Count);
  // Whether the next label is on a page this shard writes; the others are
  // only counted.
  bool NextIsDrawn() const;
  // The labels counted so far, skipped and drawn.
  std::int64_t Labels() const { return next_; }

  // Draws the symbol and its caption lines (Latin-1, one byte a character)
  // on the next label. A symbol that cannot be drawn (an invalid text, an
  // option it cannot take) or does not fit the label with its quiet zones
  // and caption (InvalidOption) leaves the label empty, and the result says
  // why; the next call takes the next label either way.
  TWriteResult Place(TBarcode& Barcode, std::span<const std::string> Caption = {});

  // Ends the document: the shard's pages up to that of the last label
  // counted, each written even when all its labels are empty.
  TLabelSheetResult Finish();

 private:
  struct TPages;

  TLabelSheetOptions options_;
  std::string refusal_;
  std::int64_t next_ = 0;  // the index of the next label over all pages
  std::unique_ptr<TPages> pages_;
};

}  // namespace tessel
