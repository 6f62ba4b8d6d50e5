// OneCode: the United States Postal Service Intelligent Mail barcode, a
// 20-digit tracking code and a routing code of 5, 9 or 11 digits drawn as 65
// four-state bars. Barcode holds the tracking code followed directly by the
// routing code; Tracking and Routing are the published views of it.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "check/pInt128.h"
#include "components/pBarcode.h"

namespace tessel {

// Grouping of the human-readable text: unchanged, or barcode identifier,
// service type, mailer identifier of 6 (or 9) digits, serial number of 9 (or
// 6) digits and routing code.
TESSEL_PUBLISHED_ENUM(TOneCodeSplitTextMode, stmNone, stmMID6SN9, stmMID9SN6)

// ---- the encoding steps, in order ----

// Codewords or characters A to J.
using TOneCodeWords = std::array<std::uint16_t, 10>;

// The routing code's value (its first 11 digits) with the offset of its
// length, times 10 and 5 and 10 ... joined with the 20 tracking digits
// (Tracking padded on the right with '0'). A character other than a digit
// counts as 0.
QWordLong OneCodeDataValue(std::string_view Tracking, std::string_view Routing);
// The 11-bit frame check sequence over the value's 102 low bits.
std::uint16_t OneCodeFrameCheckSequence(const QWordLong& Value);
// Codewords A to J: J doubled, A raised by 659 when bit 10 of the sequence is set.
TOneCodeWords OneCodeCodewords(const QWordLong& Value, std::uint16_t FrameCheck);
// The 13-bit characters of the codewords, inverted where bits 0 to 9 of the
// sequence are set (bit k for character k).
TOneCodeWords OneCodeCharacters(const TOneCodeWords& Codewords, std::uint16_t FrameCheck);
// The 65 bars, each followed by a one-module space.
void AppendOneCodeBars(const TOneCodeWords& Characters, std::string& Pattern);

class TBarcode_OneCode : public TBarcode {
  TESSEL_CLASS_INFO
 public:
  using TBarcode::TBarcode;

  static constexpr std::size_t TrackingLength = 20;
  static constexpr std::size_t RoutingMaxLength = 11;

  // Characters 1 to 20 of Barcode.
  std::string Tracking() const;
  // Barcode := Value cut or padded on the right with '0' to 20 characters,
  // followed by the current routing code.
  void SetTracking(const std::string& Value);
  // Characters 21 to the end of Barcode.
  std::string Routing() const;
  // Barcode := the current tracking code (padded to 20) followed by Value.
  void SetRouting(const std::string& Value);
  TOneCodeSplitTextMode SplitText() const { return splitText_; }
  void SetSplitText(TOneCodeSplitTextMode Value);

  // A tracking code of 20 characters and a routing code of 0, 5, 9 or 11.
  bool VerifyLength(const std::string& Barcode, bool AutoCheckDigit) override;
  // Barcode identifiers 00 to 50 in steps of 10, service types 700, 702,
  // 704 and 706, digits elsewhere.
  bool VerifyChar(const std::string& Barcode, int Index, bool AutoCheckDigit) override;
  // The 130-character pattern; FullEncoded is the tracking code followed by
  // the routing code padded on the left with '0' to 5, 9 or 11 digits.
  std::string MakeData(const std::string& Barcode, bool AutoCheckDigit, std::string& FullEncoded) override;
  void DoCustomDrawText(TCanvas& Canvas, TDrawTextStep Step, TBarcodeDefine& Define, TBarcodeParameters& Parameters,
                        bool& Continue, TPoint& LeftTop, TPoint& RightBottom, std::span<const int>& PDx) override;
  bool IsMultiState() override { return true; }
  void Assign(const TPersistent* Source) override;

  // Fills Table with the 13-bit values that have exactly N bits set: a value
  // and its bit reversal side by side from the start, the values that read
  // the same reversed from the end. Writes nothing beyond Table.
  static void InitializeTables(std::span<std::uint16_t> Table, int N);
  // The 5-of-13 (1287 entries) and 2-of-13 (78 entries) character tables,
  // built once at first use; safe to use from several threads.
  static std::span<const std::uint16_t> TableI();
  static std::span<const std::uint16_t> TableII();

 private:
  TOneCodeSplitTextMode splitText_ = stmNone;
};

}  // namespace tessel
