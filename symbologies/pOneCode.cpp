#include "symbologies/pOneCode.h"

#include <algorithm>
#include <bit>
#include <iterator>

#include "symbologies/pITFGroups.h"

namespace tessel {
namespace {

constexpr std::size_t TrackingLength = TBarcode_OneCode::TrackingLength;
constexpr std::size_t RoutingMaxLength = TBarcode_OneCode::RoutingMaxLength;

// ---- character tables (USPS-B-3200 tables I and II) ----

constexpr std::size_t TableILength = 1287;  // 13 choose 5
constexpr std::size_t TableIILength = 78;   // 13 choose 2
constexpr int TableIBits = 5;
constexpr int TableIIBits = 2;
constexpr unsigned CharacterBits = 13;
constexpr std::uint16_t CharacterMask = (1u << CharacterBits) - 1;

struct TCharacterTables {
  std::array<std::uint16_t, TableILength> TableI;
  std::array<std::uint16_t, TableIILength> TableII;
};

// Built on first use; the initialisation of a function-local static is
// thread-safe, and the tables are never written afterwards.
const TCharacterTables& CharacterTables() {
  static const TCharacterTables tables = [] {
    TCharacterTables t{};
    TBarcode_OneCode::InitializeTables(t.TableII, TableIIBits);
    TBarcode_OneCode::InitializeTables(t.TableI, TableIBits);
    return t;
  }();
  return tables;
}

// The 13 low bits of V in reverse order.
std::uint16_t Reverse13(std::uint16_t V) {
  std::uint16_t r = 0;
  for (unsigned bit = 0; bit < CharacterBits; ++bit)
    if (V & (1u << bit)) r = static_cast<std::uint16_t>(r | (1u << (CharacterBits - 1 - bit)));
  return r;
}

// ---- data value (routing offsets of USPS-B-3200) ----

struct TRoutingField {
  std::size_t Width;     // digits shown in the full-encoded text
  std::uint64_t Offset;  // added to the routing value
};

// The field a routing code of Length digits fills: none, 5, 9 or 11 digits.
// Lengths between are taken as the next field, padded with leading zeros.
TRoutingField RoutingField(std::size_t Length) {
  if (Length == 0) return {0, 0};
  if (Length <= 5) return {5, 1};
  if (Length <= 9) return {9, 100001};
  return {11, 1000100001};
}

std::uint64_t DigitValue(char C) { return C >= '0' && C <= '9' ? static_cast<std::uint64_t>(C - '0') : 0; }

// Tracking digit k (0-based); missing digits are 0.
std::uint64_t TrackingDigit(std::string_view Tracking, std::size_t K) {
  return K < Tracking.size() ? DigitValue(Tracking[K]) : 0;
}

// ---- frame check sequence (USPS-B-3200) ----

constexpr std::uint16_t FcsPolynomial = 0x0F35;
constexpr std::uint16_t FcsInitial = 0x07FF;
constexpr std::uint16_t FcsMask = 0x07FF;
constexpr unsigned FcsTopBit = 10;
constexpr int DataBytes = 13;
constexpr unsigned FirstByteBits = 6;  // the data value has 102 bits

// Byte I of the 13-byte data value, the most significant first.
unsigned DataByte(const QWordLong& Value, int I) {
  const unsigned shift = 8u * static_cast<unsigned>(DataBytes - 1 - I);
  return static_cast<unsigned>((shift >= 64 ? Value.Hi >> (shift - 64) : Value.Lo >> shift) & 0xFF);
}

// ---- codewords ----

constexpr std::uint16_t LastCodewordDivisor = 636;
constexpr std::uint16_t CodewordDivisor = 1365;
constexpr std::uint16_t FirstCodewordOffset = 659;

// ---- bars ----

// For each bar from the left: the descender's character (0-9 for A-J) and
// bit (hexadecimal), then the ascender's (USPS-B-3200 bar-to-character table).
constexpr std::array<std::string_view, 65> Tabelle_OneCodeBars = {
    "7243",  // bar 1
    "1A00",  // bar 2
    "9C28",  // bar 3
    "556B",  // bar 4
    "8931",  // bar 5
    "015C",  // bar 6
    "2518",  // bar 7
    "449B",  // bar 8
    "638A",  // bar 9
    "3976",  // bar 10
    "5B14",  // bar 11
    "852C",  // bar 12
    "9A02",  // bar 13
    "7167",  // bar 14
    "3649",  // bar 15
    "0386",  // bar 16
    "6427",  // bar 17
    "1199",  // bar 18
    "7A52",  // bar 19
    "4038",  // bar 20
    "6204",  // bar 21
    "8B10",  // bar 22
    "983C",  // bar 23
    "2677",  // bar 24
    "514A",  // bar 25
    "1C69",  // bar 26
    "7380",  // bar 27
    "5897",  // bar 28
    "462A",  // bar 29
    "3405",  // bar 30
    "8457",  // bar 31
    "7B19",  // bar 32
    "6096",  // bar 33
    "0648",  // bar 34
    "2132",  // bar 35
    "598C",  // bar 36
    "4B61",  // bar 37
    "9574",  // bar 38
    "3312",  // bar 39
    "0720",  // bar 40
    "1341",  // bar 41
    "6A35",  // bar 42
    "8794",  // bar 43
    "2B56",  // bar 44
    "087C",  // bar 45
    "4281",  // bar 46
    "5A30",  // bar 47
    "9309",  // bar 48
    "6524",  // bar 49
    "7817",  // bar 50
    "5045",  // bar 51
    "230A",  // bar 52
    "6C92",  // bar 53
    "3B16",  // bar 54
    "8879",  // bar 55
    "540B",  // bar 56
    "1522",  // bar 57
    "914C",  // bar 58
    "8366",  // bar 59
    "7037",  // bar 60
    "4775",  // bar 61
    "0C1B",  // bar 62
    "2990",  // bar 63
    "6853",  // bar 64
    "3A82",  // bar 65
};

// Indexed by ascender x 2 + descender: tracker, descender, ascender, full bar.
constexpr std::string_view BarKinds = "HLTI";
constexpr char BarSpace = '0';

unsigned HexValue(char C) { return C <= '9' ? static_cast<unsigned>(C - '0') : static_cast<unsigned>(C - 'A' + 10); }

// The bit a table entry names at Offset (0: descender, 2: ascender).
unsigned BarBit(const TOneCodeWords& Characters, std::string_view Entry, std::size_t Offset) {
  return (Characters[HexValue(Entry[Offset])] >> HexValue(Entry[Offset + 1])) & 1u;
}

// ---- text ----

// The characters each tracking position admits (1-based positions 1 to 5);
// positions 6 to 31 take any digit.
constexpr std::array<std::string_view, 5> TrackingHeadChars = {"012345", "0", "7", "0", "0246"};
constexpr std::string_view Digits = "0123456789";

constexpr std::string_view SplitMID6SN9 = "## ### ###### ######### ###########";
constexpr std::string_view SplitMID9SN6 = "## ### ######### ###### ###########";
constexpr std::size_t SplitDigits = TrackingLength + RoutingMaxLength;

}  // namespace

// ---- encoding steps -----------------------------------------------------------

QWordLong OneCodeDataValue(std::string_view Tracking, std::string_view Routing) {
  Routing = Routing.substr(0, RoutingMaxLength);
  QWordLong value = QWordLongAdd(QWordLongSet(Routing), QWordLong{0, RoutingField(Routing.size()).Offset});
  value = QWordLongAdd(QWordLongMul10(value), QWordLong{0, TrackingDigit(Tracking, 0)});
  value = QWordLongAdd(QWordLongMul5(value), QWordLong{0, TrackingDigit(Tracking, 1)});
  for (std::size_t k = 2; k < TrackingLength; ++k)
    value = QWordLongAdd(QWordLongMul10(value), QWordLong{0, TrackingDigit(Tracking, k)});
  return value;
}

std::uint16_t OneCodeFrameCheckSequence(const QWordLong& Value) {
  unsigned fcs = FcsInitial;
  for (int i = 0; i < DataBytes; ++i) {
    const unsigned byte = DataByte(Value, i);
    for (unsigned bit = i == 0 ? FirstByteBits : 8; bit-- > 0;) {
      const unsigned feedback = ((fcs >> FcsTopBit) ^ (byte >> bit)) & 1u;
      fcs = ((fcs << 1) ^ (feedback ? FcsPolynomial : 0u)) & FcsMask;
    }
  }
  return static_cast<std::uint16_t>(fcs);
}

TOneCodeWords OneCodeCodewords(const QWordLong& Value, std::uint16_t FrameCheck) {
  TOneCodeWords codewords{};
  std::uint16_t remainder = 0;
  QWordLong rest = QWordLongDivMod(Value, LastCodewordDivisor, remainder);
  codewords[9] = static_cast<std::uint16_t>(remainder * 2);
  for (std::size_t k = 8; k >= 1; --k) {
    rest = QWordLongDivMod(rest, CodewordDivisor, remainder);
    codewords[k] = remainder;
  }
  // A 102-bit value leaves at most 658 for A.
  codewords[0] = static_cast<std::uint16_t>(rest.Lo);
  if ((FrameCheck >> FcsTopBit) & 1u) codewords[0] = static_cast<std::uint16_t>(codewords[0] + FirstCodewordOffset);
  return codewords;
}

TOneCodeWords OneCodeCharacters(const TOneCodeWords& Codewords, std::uint16_t FrameCheck) {
  const TCharacterTables& tables = CharacterTables();
  TOneCodeWords characters{};
  for (std::size_t k = 0; k < characters.size(); ++k) {
    const std::size_t codeword = Codewords[k];
    // Codewords beyond both tables come only from values wider than 102 bits.
    std::uint16_t c = codeword < TableILength                   ? tables.TableI[codeword]
                      : codeword < TableILength + TableIILength ? tables.TableII[codeword - TableILength]
                                                                : 0;
    if ((FrameCheck >> k) & 1u) c = static_cast<std::uint16_t>(~c & CharacterMask);
    characters[k] = c;
  }
  return characters;
}

void AppendOneCodeBars(const TOneCodeWords& Characters, std::string& Pattern) {
  for (const std::string_view entry : Tabelle_OneCodeBars) {
    const unsigned descender = BarBit(Characters, entry, 0), ascender = BarBit(Characters, entry, 2);
    Pattern += BarKinds[ascender * 2 + descender];
    Pattern += BarSpace;
  }
}

// ---- component ------------------------------------------------------------------

void TBarcode_OneCode::InitializeTables(std::span<std::uint16_t> Table, int N) {
  std::ptrdiff_t low = 0, high = static_cast<std::ptrdiff_t>(Table.size()) - 1;
  for (std::uint16_t v = 0; v <= CharacterMask; ++v) {
    if (std::popcount(v) != N) continue;
    const std::uint16_t r = Reverse13(v);
    if (r < v) continue;  // stored with its reversal already
    if (r == v) {
      if (high >= low) Table[static_cast<std::size_t>(high--)] = v;
    } else if (low + 1 <= high) {
      Table[static_cast<std::size_t>(low++)] = v;
      Table[static_cast<std::size_t>(low++)] = r;
    }
  }
}

std::span<const std::uint16_t> TBarcode_OneCode::TableI() { return CharacterTables().TableI; }
std::span<const std::uint16_t> TBarcode_OneCode::TableII() { return CharacterTables().TableII; }

std::string TBarcode_OneCode::Tracking() const { return Barcode().substr(0, TrackingLength); }

std::string TBarcode_OneCode::Routing() const {
  return Barcode().size() > TrackingLength ? Barcode().substr(TrackingLength) : std::string();
}

void TBarcode_OneCode::SetTracking(const std::string& Value) {
  if (Value == Tracking()) return;
  std::string text = Value.substr(0, TrackingLength);
  text.resize(TrackingLength, '0');
  SetBarcode(text + Routing());
}

void TBarcode_OneCode::SetRouting(const std::string& Value) {
  if (Value == Routing()) return;
  std::string text = Tracking();
  text.resize(TrackingLength, '0');
  SetBarcode(text + Value);
}

void TBarcode_OneCode::SetSplitText(TOneCodeSplitTextMode Value) {
  if (DisplayText() == dtNone)
    splitText_ = Value;  // nothing shown, nothing to redraw
  else
    SetErasing(splitText_, Value);
}

bool TBarcode_OneCode::VerifyLength(const std::string& Barcode, bool) {
  if (Barcode.size() < TrackingLength || Barcode.size() > TrackingLength + RoutingMaxLength) return false;
  const std::size_t routing = Barcode.size() - TrackingLength;
  return routing == RoutingField(routing).Width;
}

bool TBarcode_OneCode::VerifyChar(const std::string& Barcode, int Index, bool) {
  const auto position = static_cast<std::size_t>(Index - 1);
  if (position >= TrackingLength + RoutingMaxLength) return true;
  const std::string_view admitted = position < TrackingHeadChars.size() ? TrackingHeadChars[position] : Digits;
  return admitted.find(Barcode[position]) != std::string_view::npos;
}

std::string TBarcode_OneCode::MakeData(const std::string& Barcode, bool, std::string& FullEncoded) {
  const std::string_view text(Barcode);
  const std::string_view tracking = text.substr(0, TrackingLength);
  const std::string_view routing = text.substr(std::min(text.size(), TrackingLength), RoutingMaxLength);

  const QWordLong value = OneCodeDataValue(tracking, routing);
  const std::uint16_t frameCheck = OneCodeFrameCheckSequence(value);
  std::string pattern;
  pattern.reserve(Tabelle_OneCodeBars.size() * 2);
  AppendOneCodeBars(OneCodeCharacters(OneCodeCodewords(value, frameCheck), frameCheck), pattern);

  const std::size_t routingWidth = RoutingField(routing.size()).Width;
  FullEncoded.clear();
  FullEncoded.reserve(TrackingLength + routingWidth);
  FullEncoded += tracking;
  FullEncoded.append(TrackingLength - tracking.size(), '0');
  FullEncoded.append(routingWidth - routing.size(), '0');
  FullEncoded += routing;
  return pattern;
}

void TBarcode_OneCode::DoCustomDrawText(TCanvas& Canvas, TDrawTextStep Step, TBarcodeDefine& Define,
                                        TBarcodeParameters& Parameters, bool& Continue, TPoint& LeftTop,
                                        TPoint& RightBottom, std::span<const int>& PDx) {
  if (Step == dtsPrepare && splitText_ != stmNone) {
    std::string& text = Parameters.Text;
    const std::string rest = text.size() > SplitDigits ? text.substr(SplitDigits) : std::string();
    text = Grouped(text, splitText_ == stmMID6SN9 ? SplitMID6SN9 : SplitMID9SN6) + rest;
  }
  TBarcode::DoCustomDrawText(Canvas, Step, Define, Parameters, Continue, LeftTop, RightBottom, PDx);
}

void TBarcode_OneCode::Assign(const TPersistent* Source) {
  const auto* source = dynamic_cast<const TBarcode_OneCode*>(Source);
  if (!source) return;
  splitText_ = source->splitText_;
  TBarcode::Assign(Source);
}

namespace {
const TPropInfo properties[] = {
    Published<&TBarcode_OneCode::Tracking, &TBarcode_OneCode::SetTracking>("Tracking"),
    Published<&TBarcode_OneCode::Routing, &TBarcode_OneCode::SetRouting>("Routing"),
    Published<&TBarcode_OneCode::SplitText, &TBarcode_OneCode::SetSplitText>("SplitText"),
};
}  // namespace

const TClassInfo TBarcode_OneCode::ClassInfo{"TBarcode_OneCode", &TBarcode::ClassInfo, properties,
                                             &NewComponent<TBarcode_OneCode>};
TESSEL_REGISTER(TBarcode_OneCode);

}  // namespace tessel
