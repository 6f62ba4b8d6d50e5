#include "symbologies/pAP4SC.h"

#include <algorithm>
#include <array>

#include "symbologies/pFourStateRS.h"
#include "symbologies/pFourStateTables.h"

namespace tessel {
namespace {

constexpr std::size_t FccLength = 2;
// FCC and DPID: ten digits, 20 bars.
constexpr std::size_t SortingDigits = 10;
constexpr char Tracker = '3';
constexpr int ParitySymbols = 4;
// The parity symbols at the end of the full-encoded text, two digits each.
constexpr int ParityDigits = 2 * ParitySymbols;

// A symbol type, chosen by its FCC: the bars between the DPID and the parity
// (customer information, then trackers) and the longest text with the C and
// the N table.
struct TApFormat {
  std::string_view Fcc;
  std::size_t FieldBars;
  std::size_t MaxLengthC, MaxLengthN;
};
constexpr TApFormat Formats[] = {
    // 37 bars: the standard customer barcode and its kin, one filler.
    {"11", 1, 10, 10},
    {"45", 1, 10, 10},
    {"87", 1, 10, 10},
    {"92", 1, 10, 10},
    // 52 bars: customer barcode 2.
    {"59", 16, 15, 18},
    // 67 bars: customer barcode 3.
    {"62", 31, 20, 25},
    {"44", 31, 20, 25},
};

const TApFormat* FindFormat(std::string_view Barcode) {
  for (const TApFormat& format : Formats)
    if (Barcode.substr(0, FccLength) == format.Fcc) return &format;
  return nullptr;
}

// The unit's field tables, built once at the first encoding; the initialisation
// of a function-local static is safe when threads encode at once.
const TRSTables& ReedSolomonTables() {
  static const TRSTables tables = [] {
    TRSTables t;
    RS_Initialise(ParitySymbols, t);
    return t;
  }();
  return tables;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Appends the N-table bars of Digits; false at a character that is no digit.
bool AppendDigits(std::string& Bars, std::string_view Digits) {
  for (char c : Digits) {
    if (!IsDigit(c)) return false;
    Bars += FourStateDigitBars(c);
  }
  return true;
}

// Appends the C-table bars of Text; false at a character outside the set.
bool AppendCharacters(std::string& Bars, std::string_view Text) {
  for (char c : Text) {
    if (CharSet_FourState_C.find(c) == std::string_view::npos) return false;
    Bars += FourStateCharBars(c);
  }
  return true;
}

// The display text in groups: FCC, DPID, the rest; a full-encoded text shows
// its last eight digits (the parity) as four pairs.
std::string SplitDisplayText(std::string_view Text, TDisplayText Display) {
  constexpr int fccEnd = FccLength, dpidEnd = SortingDigits, infoStart = dpidEnd + 1;
  const int length = static_cast<int>(Text.size());
  std::string split;
  split.append(TextRange(Text, 1, fccEnd)).append(" ").append(TextRange(Text, fccEnd + 1, dpidEnd)).append(" ");
  if (Display == dtBarcode) return split.append(TextRange(Text, infoStart, length));
  if (length > dpidEnd + ParityDigits) split.append(TextRange(Text, infoStart, length - ParityDigits)).append(" ");
  const int parityStart = std::max(length - ParityDigits + 1, 1);
  for (int pair = 0; pair < ParitySymbols; ++pair) {
    if (pair > 0) split += ' ';
    split.append(TextRange(Text, parityStart + 2 * pair, parityStart + 2 * pair + 1));
  }
  return split;
}

}  // namespace

void TBarcode_AP4SC::SetNumCustomerInfo(bool Value) {
  if (numCustomerInfo_ == Value) return;
  Erase();
  numCustomerInfo_ = Value;
  // Letters typed for the C table are no customer information of digits.
  if (Value && !Barcode().empty())
    SetBarcode("");
  else
    DoChange(false);
}

void TBarcode_AP4SC::SetSplitText(bool Value) {
  if (DisplayText() == dtNone)
    splitText_ = Value;  // nothing shown, nothing to redraw
  else
    SetErasing(splitText_, Value);
}

void TBarcode_AP4SC::Assign(const TPersistent* Source) {
  const auto* source = dynamic_cast<const TBarcode_AP4SC*>(Source);
  if (!source) return;
  numCustomerInfo_ = source->numCustomerInfo_;
  splitText_ = source->splitText_;
  TBarcode::Assign(Source);
}

bool TBarcode_AP4SC::VerifyChar(const std::string& Barcode, int Index, bool) {
  const char c = Barcode[static_cast<std::size_t>(Index - 1)];
  if (Index <= static_cast<int>(SortingDigits) || numCustomerInfo_) return IsDigit(c);
  return CharSet_FourState_C.find(c) != std::string_view::npos;
}

bool TBarcode_AP4SC::VerifyLength(const std::string& Barcode, bool) {
  if (Barcode.size() < SortingDigits) return false;
  const TApFormat* format = FindFormat(Barcode);
  return format && Barcode.size() <= (numCustomerInfo_ ? format->MaxLengthN : format->MaxLengthC);
}

std::string TBarcode_AP4SC::MakeData(const std::string& Barcode, bool, std::string& FullEncoded) {
  FullEncoded.clear();
  const TApFormat* format = FindFormat(Barcode);
  if (Barcode.size() < SortingDigits || !format) return {};
  const std::size_t maxLength = numCustomerInfo_ ? format->MaxLengthN : format->MaxLengthC;
  const std::string_view text = std::string_view(Barcode).substr(0, maxLength);

  std::string bars;
  bars.reserve(2 * SortingDigits + format->FieldBars + 3 * static_cast<std::size_t>(ParitySymbols));
  const std::string_view info = text.substr(SortingDigits);
  if (!AppendDigits(bars, text.substr(0, SortingDigits)) ||
      !(numCustomerInfo_ ? AppendDigits(bars, info) : AppendCharacters(bars, info)))
    return {};
  // Where the information does not reach, the field is filled with trackers.
  bars.resize(2 * SortingDigits + format->FieldBars, Tracker);

  const TRSParity parity = FourStateParity(bars, ParitySymbols, ReedSolomonTables());
  if (parity.Count != ParitySymbols) return {};
  AppendParityBars(bars, parity);
  FullEncoded = text;
  AppendParityDigits(FullEncoded, parity);
  return FourStatePattern(bars);
}

void TBarcode_AP4SC::DoCustomDrawText(TCanvas& Canvas, TDrawTextStep Step, TBarcodeDefine& Define,
                                      TBarcodeParameters& Parameters, bool& Continue, TPoint& LeftTop,
                                      TPoint& RightBottom, std::span<const int>& PDx) {
  if (Step == dtsPrepare && splitText_) Parameters.Text = SplitDisplayText(Parameters.Text, Define.DisplayText);
  TBarcode::DoCustomDrawText(Canvas, Step, Define, Parameters, Continue, LeftTop, RightBottom, PDx);
}

namespace {
const TPropInfo properties[] = {
    Published<&TBarcode_AP4SC::NumCustomerInfo, &TBarcode_AP4SC::SetNumCustomerInfo>("NumCustomerInfo"),
    Published<&TBarcode_AP4SC::SplitText, &TBarcode_AP4SC::SetSplitText>("SplitText"),
    BarcodeProperty(),
};
}  // namespace

const TClassInfo TBarcode_AP4SC::ClassInfo{"TBarcode_AP4SC", &TBarcode::ClassInfo, properties,
                                           &NewComponent<TBarcode_AP4SC>};
TESSEL_REGISTER(TBarcode_AP4SC);

}  // namespace tessel
