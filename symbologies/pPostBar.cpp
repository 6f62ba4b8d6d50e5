#include "symbologies/pPostBar.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "symbologies/pFourStateRS.h"
#include "symbologies/pFourStateTables.h"

namespace tessel {
namespace {

// The field alphabet, spelled in bars by the shared C table.
constexpr std::string_view CharSet_PostBar = " ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
// The characters a field may hold, and the separator that ends a field early.
constexpr std::string_view CharSet_PostBarCheck = " ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789-";

constexpr std::string_view SpaceCode = FourStateCharBars(' ');  // the bars of a space

// PostBar postal-code letter code: letter A-Z -> three bars.
constexpr std::array<std::string_view, 26> Tabelle_PostBar_Letters = {
    "002",  // [0] A
    "010",  // [1] B
    "011",  // [2] C
    "012",  // [3] D
    "020",  // [4] E
    "021",  // [5] F
    "022",  // [6] G
    "001",  // [7] H
    "101",  // [8] I
    "102",  // [9] J
    "110",  // [10] K
    "111",  // [11] L
    "000",  // [12] M
    "120",  // [13] N
    "121",  // [14] O
    "122",  // [15] P
    "200",  // [16] Q
    "201",  // [17] R
    "202",  // [18] S
    "210",  // [19] T
    "211",  // [20] U
    "212",  // [21] V
    "220",  // [22] W
    "221",  // [23] X
    "222",  // [24] Y
    "100",  // [25] Z
};          // N-Z

// What follows the format character before the fields.
enum TPrefix { pxNone, pxDigits, pxPostalCode, pxCharacter };
// What ends the symbol's data: a space after the fields' bars, or a number
// after the check symbols.
enum TSuffix { sxNone, sxSpace, sxNumber };
// The last position of each prefix.
constexpr int DigitsEnd = 4, PostalCodeEnd = 7, CharacterEnd = 2;

// Format "Z" ends with a decimal number, drawn as its low eight bits in four
// bars after the check symbols.
constexpr int NumberStart = 8, NumberEnd = 10;
constexpr int MaxNumber = 255;
constexpr int NumberBars = 4;

struct TPostBarFormat {
  char Code;
  std::size_t MinLength, MaxLength;
  TPrefix Prefix;
  int FieldStart, FieldLength;  // the first alphanumeric field (length 0: none)
  // A second field after the first; the first may then end early at a "-".
  int SecondFieldLength;
  TSuffix Suffix;
  int CheckSymbols;
  // The last position of each group of the shown text after the format
  // character (0: unused), and for "Z" with its check digits shown.
  std::array<int, 3> Groups;
  std::array<int, 3> GroupsWithCheckDigits;
};

constexpr TPostBarFormat Formats[] = {
    // code, length, prefix, first field, second field, suffix, check symbols, groups
    {'1', 4, 12, pxDigits, 5, 8, 0, sxNone, 4, {4, 12}, {}},
    {'2', 4, 22, pxDigits, 5, 8, 10, sxNone, 4, {4, 12, 22}, {}},
    {'A', 7, 7, pxPostalCode, 0, 0, 0, sxNone, 4, {7}, {}},
    {'B', 7, 11, pxPostalCode, 8, 4, 0, sxSpace, 4, {7, 11}, {}},
    {'C', 7, 22, pxPostalCode, 8, 4, 11, sxNone, 4, {7, 11, 22}, {}},
    {'S', 2, 21, pxCharacter, 3, 19, 0, sxNone, 4, {2, 21}, {}},
    {'T', 1, 11, pxNone, 2, 10, 0, sxNone, 4, {11}, {}},
    {'U', 1, 6, pxNone, 2, 5, 0, sxNone, 4, {6}, {}},
    {'Z', 7, 10, pxPostalCode, 0, 0, 0, sxNumber, 10, {7, 10}, {7, 27, 30}},
};
constexpr int MaxCheckSymbols = 10;
// The most data symbols a format has (formats "2", "C" and "S").
constexpr int MaxDataSymbols = 21;

const TPostBarFormat* FindFormat(std::string_view Barcode) {
  if (Barcode.empty()) return nullptr;
  for (const TPostBarFormat& format : Formats)
    if (format.Code == Barcode[0]) return &format;
  return nullptr;
}

// The unit's field tables, built once at the first encoding; the initialisation
// of a function-local static is safe when threads encode at once.
const TRSTables& ReedSolomonTables() {
  static const TRSTables tables = [] {
    TRSTables t;
    RS_Initialise(MaxCheckSymbols, t);
    return t;
  }();
  return tables;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(char c) { return c >= 'A' && c <= 'Z'; }
bool IsAlphanumeric(char c) { return CharSet_PostBar.find(c) != std::string_view::npos; }
bool IsFieldOrSeparator(char c) { return CharSet_PostBarCheck.find(c) != std::string_view::npos; }

// The postal code has letters at even and digits at odd positions.
bool IsLetterPosition(int Index) { return Index % 2 == 0; }

// Reads the field (appending its bars to Field when given) and returns where
// a following field starts.
int ReadField(std::string_view Barcode, int Start, int Count, std::string* Field) {
  const int length = static_cast<int>(Barcode.size());
  int next = Start;
  bool reading = true;
  for (int a = Start; a < Start + Count; ++a) {
    if (reading && a <= length) {
      const char c = Barcode[static_cast<std::size_t>(a - 1)];
      if (IsAlphanumeric(c)) {
        if (Field) *Field += FourStateCharBars(c);
        next = a;
        continue;
      }
      reading = false;
    }
    if (Field) *Field += SpaceCode;
  }
  ++next;
  while (next <= length && CharSet_PostBar.find(Barcode[static_cast<std::size_t>(next - 1)]) == std::string_view::npos)
    ++next;
  return next;
}

// Where the second field of the format starts.
int SecondFieldStart(std::string_view Barcode, const TPostBarFormat& Format) {
  return ReadField(Barcode, Format.FieldStart, Format.FieldLength, nullptr);
}

// The number at positions 8 to 10; 0 when there is none.
int NumberValue(std::string_view Barcode) {
  const std::string_view digits = TextRange(Barcode, NumberStart, NumberEnd);
  int value = 0;
  if (std::from_chars(digits.data(), digits.data() + digits.size(), value).ptr != digits.data() + digits.size())
    return 0;
  return value;
}

// Appends the prefix's bars; false at a character the prefix cannot hold.
bool AppendPrefix(std::string& Bars, std::string_view Barcode, TPrefix Prefix) {
  const auto at = [&](int Index) { return Barcode[static_cast<std::size_t>(Index - 1)]; };
  switch (Prefix) {
    case pxNone: return true;
    case pxDigits:
      for (int i = 2; i <= DigitsEnd; ++i) {
        if (!IsDigit(at(i))) return false;
        Bars += FourStateDigitBars(at(i));
      }
      return true;
    case pxPostalCode:
      for (int i = 2; i <= PostalCodeEnd; ++i) {
        const char c = at(i);
        if (IsLetterPosition(i) ? !IsLetter(c) : !IsDigit(c)) return false;
        Bars +=
            IsLetterPosition(i) ? Tabelle_PostBar_Letters[static_cast<std::size_t>(c - 'A')] : FourStateDigitBars(c);
      }
      return true;
    case pxCharacter:
      if (!IsAlphanumeric(at(CharacterEnd))) return false;
      Bars += FourStateCharBars(at(CharacterEnd));
      return true;
  }
  return false;
}

// Whether the character at Index may stand in the prefix.
bool VerifyPrefixChar(char c, int Index, TPrefix Prefix) {
  switch (Prefix) {
    case pxNone: break;
    case pxDigits:
      if (Index <= DigitsEnd) return IsDigit(c);
      break;
    case pxPostalCode:
      if (Index <= PostalCodeEnd) return IsLetterPosition(Index) ? IsLetter(c) : IsDigit(c);
      break;
    case pxCharacter:
      if (Index <= CharacterEnd) return IsAlphanumeric(c);
      break;
  }
  return true;
}

}  // namespace

void TBarcode_PostBar::SetSplitText(bool Value) {
  if (DisplayText() == dtNone)
    splitText_ = Value;  // nothing shown, nothing to redraw
  else
    SetErasing(splitText_, Value);
}

void TBarcode_PostBar::SetHideCheckDigitsText(bool Value) {
  if (DisplayText() != dtFullEncoded)
    hideCheckDigitsText_ = Value;  // the check digits are not shown
  else
    SetErasing(hideCheckDigitsText_, Value);
}

void TBarcode_PostBar::ReadZField(std::string_view Barcode, int Start, int Count, std::string& Field, int& Next) {
  Next = ReadField(Barcode, Start, Count, &Field);
}

void TBarcode_PostBar::Assign(const TPersistent* Source) {
  const auto* source = dynamic_cast<const TBarcode_PostBar*>(Source);
  if (!source) return;
  splitText_ = source->splitText_;
  hideCheckDigitsText_ = source->hideCheckDigitsText_;
  TBarcode::Assign(Source);
}

bool TBarcode_PostBar::VerifyLength(const std::string& Barcode, bool) {
  const TPostBarFormat* format = FindFormat(Barcode);
  if (!format || Barcode.size() < format->MinLength || Barcode.size() > format->MaxLength) return false;
  // The second field holds the rest of the text.
  return format->SecondFieldLength == 0 ||
         static_cast<int>(Barcode.size()) - SecondFieldStart(Barcode, *format) < format->SecondFieldLength;
}

bool TBarcode_PostBar::VerifyChar(const std::string& Barcode, int Index, bool) {
  const char c = Barcode[static_cast<std::size_t>(Index - 1)];
  const TPostBarFormat* format = FindFormat(Barcode);
  if (Index == 1) return format != nullptr;
  if (!format) return true;  // reported at the format character
  if (!VerifyPrefixChar(c, Index, format->Prefix)) return false;
  if (format->Suffix == sxNumber && Index >= NumberStart && Index <= NumberEnd)
    return IsDigit(c) && (Index < NumberEnd || NumberValue(Barcode) <= MaxNumber);
  const int fieldEnd = format->FieldStart + format->FieldLength - 1;
  if (format->FieldLength == 0 || Index < format->FieldStart) return true;
  if (format->SecondFieldLength == 0) return Index > fieldEnd || IsAlphanumeric(c);
  // Two fields: the second holds field characters only; the first may end
  // early at a separator, and separators stand between the two.
  const int second = SecondFieldStart(Barcode, *format);
  if (Index >= second && Index < second + format->SecondFieldLength) return IsAlphanumeric(c);
  return IsFieldOrSeparator(c);
}

std::string TBarcode_PostBar::MakeData(const std::string& Barcode, bool, std::string& FullEncoded) {
  FullEncoded.clear();
  const TPostBarFormat* format = FindFormat(Barcode);
  if (!format || Barcode.size() < format->MinLength) return {};

  std::string bars(FourStateCharBars(format->Code));
  bars.reserve(3 * (MaxDataSymbols + MaxCheckSymbols) + NumberBars);
  if (!AppendPrefix(bars, Barcode, format->Prefix)) return {};
  if (format->FieldLength > 0) {
    int next = 0;
    ReadZField(Barcode, format->FieldStart, format->FieldLength, bars, next);
    if (format->SecondFieldLength > 0) ReadZField(Barcode, next, format->SecondFieldLength, bars, next);
    if (format->Suffix == sxSpace) bars += SpaceCode;
  }

  const TRSParity check = FourStateParity(bars, format->CheckSymbols, ReedSolomonTables());
  if (check.Count != format->CheckSymbols) return {};
  AppendParityBars(bars, check);
  FullEncoded = format->Suffix == sxNumber ? Barcode.substr(0, PostalCodeEnd) : Barcode;
  if (!hideCheckDigitsText_) AppendParityDigits(FullEncoded, check);
  if (format->Suffix == sxNumber) {
    // Only the low eight bits are drawn; the length and character checks
    // keep the number within them.
    const int number = NumberValue(Barcode) & 0xFF;
    for (int shift = 2 * (NumberBars - 1); shift >= 0; shift -= 2) bars += BarOf(number >> shift);
    const std::string digits = std::to_string(number);
    FullEncoded.append(3 - digits.size(), '0').append(digits);
  }
  return FourStatePattern(bars);
}

std::string TBarcode_PostBar::GroupedText(std::string_view Text, TDisplayText Display) const {
  const TPostBarFormat* format = FindFormat(Text);
  if (!format) return std::string(Text);
  const bool checkDigitsShown = !hideCheckDigitsText_ && Display == dtFullEncoded;
  // The check digits follow the groups as one more group, except for "Z",
  // whose groups include them.
  std::string_view checkDigits;
  if (checkDigitsShown && format->Suffix != sxNumber) {
    const std::size_t count = std::min(2 * static_cast<std::size_t>(format->CheckSymbols), Text.size() - 1);
    checkDigits = Text.substr(Text.size() - count);
    Text.remove_suffix(count);
  }
  std::string grouped(1, Text[0]);
  int previous = 1;
  for (const int end :
       checkDigitsShown && format->Suffix == sxNumber ? format->GroupsWithCheckDigits : format->Groups) {
    if (end == 0) break;
    grouped.append(" ").append(TextRange(Text, previous + 1, end));
    previous = end;
  }
  if (!checkDigits.empty()) grouped.append(" ").append(checkDigits);
  return grouped;
}

void TBarcode_PostBar::DoCustomDrawText(TCanvas& Canvas, TDrawTextStep Step, TBarcodeDefine& Define,
                                        TBarcodeParameters& Parameters, bool& Continue, TPoint& LeftTop,
                                        TPoint& RightBottom, std::span<const int>& PDx) {
  if (Step == dtsPrepare && splitText_) Parameters.Text = GroupedText(Parameters.Text, Define.DisplayText);
  TBarcode::DoCustomDrawText(Canvas, Step, Define, Parameters, Continue, LeftTop, RightBottom, PDx);
}

namespace {
const TPropInfo properties[] = {
    Published<&TBarcode_PostBar::SplitText, &TBarcode_PostBar::SetSplitText>("SplitText"),
    Published<&TBarcode_PostBar::HideCheckDigitsText, &TBarcode_PostBar::SetHideCheckDigitsText>("HideCheckDigitsText"),
    BarcodeProperty(),
};
}  // namespace

const TClassInfo TBarcode_PostBar::ClassInfo{"TBarcode_PostBar", &TBarcode::ClassInfo, properties,
                                             &NewComponent<TBarcode_PostBar>};
TESSEL_REGISTER(TBarcode_PostBar);

}  // namespace tessel
