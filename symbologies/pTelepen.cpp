#include "symbologies/pTelepen.h"

#include <iterator>

namespace tessel {
namespace {

constexpr unsigned char SO = 14, SI = 15, DLE = 16, ESC = 27, DEL = 127;
constexpr unsigned char AsciiMask = 0x7F;
constexpr unsigned CheckModulus = 127;
constexpr int BitsPerByte = 8;
// Numeric mode: the byte of the pair "00" to "99" is 27 to 126, that of a
// single digit (a digit followed by X in Telepen's numeric set) 17 to 26.
constexpr int PairOffset = 27;
constexpr int SingleDigitOffset = 17;
// A byte is at most eight narrow bar/space pairs.
constexpr std::size_t MaxCharLines = 16;

// The lines of the bit groups a byte is cut into.
constexpr std::string_view WideBarWideSpace = "61";      // bits 010
constexpr std::string_view WideBarNarrowSpace = "60";    // bits 00
constexpr std::string_view NarrowBarWideSpace = "51";    // bits 01, and the 10 that ends such a run
constexpr std::string_view NarrowBarNarrowSpace = "50";  // a single 1 bit

struct TGuardPair {
  std::string_view Start, Stop;
};
// The ASCII start is the byte of '_', the stop that of 'z' without its last
// narrow space.
constexpr TGuardPair ASCIIGuards{"505050505061", "61505050505"};
constexpr TGuardPair NumericGuards{"505050506051", "60515050505"};
constexpr TGuardPair CustomGuards{"505051515050", "50515051505"};
constexpr TGuardPair StartOnlyGuards{ASCIIGuards.Start, ""};

TGuardPair GuardsFor(TTelepenGuards Guards, TTelepenMode Mode) {
  switch (Guards) {
    case tgASCII: return ASCIIGuards;
    case tgCustom: return CustomGuards;
    case tgNoStop: return StartOnlyGuards;
    case tgAuto: break;
  }
  return Mode == tmNumeric ? NumericGuards : ASCIIGuards;
}

unsigned char Code(char c) { return static_cast<unsigned char>(c); }
bool IsDigit(unsigned char c) { return c >= '0' && c <= '9'; }

// The controls numeric mode sends as they are: their bytes are no digit
// values. ESC is not one of them: its byte is the pair "00".
bool IsNumericControl(unsigned char c) { return c <= DLE || c == DEL; }

// The mode each character of a text is written in, as the text's author
// sees it: the text starts in the component's mode, and in tmASCII and
// tmNumeric its first DLE switches to the other mode.
class TTextModes {
 public:
  explicit TTextModes(TTelepenMode Mode) : mode_(Mode) {}

  struct TStep {
    bool Valid;     // the character can be sent where it stands
    bool Switches;  // it is the DLE that switches the mode
  };

  // Moves past one character.
  TStep Next(unsigned char c) {
    TStep step{c <= AsciiMask, c == DLE && !switched_ && mode_ != tmFullASCII};
    if (mode_ == tmNumeric)
      // An ESC can be sent while the one mode switch is still free (the
      // encoder then switches to ASCII for it).
      step.Valid = IsDigit(c) || IsNumericControl(c) || (c == ESC && !switched_);
    if (step.Switches) {
      mode_ = mode_ == tmASCII ? tmNumeric : tmASCII;
      switched_ = true;
    }
    return step;
  }

 private:
  TTelepenMode mode_;
  bool switched_ = false;
};

// Sends a text character by character, keeping the mode the reader is in.
// A Telepen reader switches mode once, at a DLE.
class TTelepenEncoder {
 public:
  TTelepenEncoder(TBarcode_Telepen& Owner, std::string& Pattern, std::string& FullEncoded)
      : owner_(Owner), pattern_(Pattern), fullEncoded_(FullEncoded), mode_(Owner.Mode()), text_(Owner.Mode()) {}

  void Put(std::string_view Text) {
    for (char c : Text) Put(c);
  }

  void Put(char c) {
    const bool textSwitch = text_.Next(Code(c)).Switches;
    if (mode_ == tmNumeric && IsDigit(Code(c))) {
      digits_ += c;
      return;
    }
    FlushDigits();
    if (mode_ == tmNumeric)
      PutNumericControl(c);
    else
      PutASCII(c, textSwitch);
  }

  // Sends the digits still waiting; the sum of all byte values sent.
  std::uint64_t Finish() {
    FlushDigits();
    return sum_;
  }

 private:
  void Send(char c) {
    pattern_ += owner_.EncodeChar(c);
    fullEncoded_ += c;
    sum_ += Code(c);
  }

  void PutASCII(char c, bool TextSwitch) {
    // A DLE of the text asking for the switch to ASCII that was made already
    // (before an odd last digit or an ESC) is not sent again: the reader,
    // which switches once, would take it as data.
    if (TextSwitch && switched_) return;
    Send(c);
    if (Code(c) == DLE && mode_ == tmASCII && !switched_) {
      mode_ = tmNumeric;
      switched_ = true;
    }
  }

  void PutNumericControl(char c) {
    const unsigned char code = Code(c);
    if ((code == DLE || code == ESC) && !switched_) {
      // A DLE switches to ASCII; an ESC, whose byte numeric mode reads as
      // "00", goes out in ASCII after a DLE.
      if (code == ESC) Send(static_cast<char>(DLE));
      Send(c);
      mode_ = tmASCII;
      switched_ = true;
      return;
    }
    // Other characters have no byte of their own in numeric mode; validation
    // rejects them.
    if (IsNumericControl(code)) Send(c);
  }

  void FlushDigits() {
    if (digits_.empty()) return;
    const bool wasSwitched = switched_;
    pattern_ += owner_.EncodeNumber(digits_, switched_, sum_, fullEncoded_);
    digits_.clear();
    // An odd last digit went out in ASCII after a DLE: the reader is in ASCII
    // now, so later digits must not be sent as pairs.
    if (switched_ && !wasSwitched) mode_ = tmASCII;
  }

  TBarcode_Telepen& owner_;
  std::string& pattern_;
  std::string& fullEncoded_;
  TTelepenMode mode_;
  TTextModes text_;
  bool switched_ = false;
  std::uint64_t sum_ = 0;
  std::string digits_;
};

}  // namespace

TBarcode_Telepen::TBarcode_Telepen(TComponent* AOwner) : TBarcode(AOwner) { SetRatio(3.0); }

void TBarcode_Telepen::SetMode(TTelepenMode Value) {
  if (mode_ == Value) return;
  Erase();
  mode_ = Value;
  // A text written for one mode means something else in another.
  if (!Barcode().empty())
    SetBarcode("");
  else
    DoChange(false);
}

std::string TBarcode_Telepen::EncodeChar(char Value) {
  char bits[BitsPerByte];
  const unsigned code = Code(Value) & AsciiMask;
  int ones = 0;
  for (int i = 0; i < BitsPerByte - 1; ++i) {
    const bool one = (code >> i) & 1;
    bits[i] = one ? '1' : '0';
    ones += one;
  }
  bits[BitsPerByte - 1] = ones % 2 ? '1' : '0';  // even parity over the byte

  const std::string_view stream(bits, BitsPerByte);
  auto next = [&stream](std::size_t at, std::string_view group) { return stream.substr(at, group.size()) == group; };
  std::string lines;   // short enough to stay in the string itself
  bool inRun = false;  // a "01" opened a run that the next "10" closes
  for (std::size_t at = 0; at < stream.size();) {
    if (next(at, "010")) {
      lines += WideBarWideSpace;
      inRun = false;
      at += 3;
    } else if (next(at, "00")) {
      lines += WideBarNarrowSpace;
      inRun = false;
      at += 2;
    } else if (next(at, "01")) {
      lines += NarrowBarWideSpace;
      inRun = true;
      at += 2;
    } else if (next(at, "10") && inRun) {
      lines += NarrowBarWideSpace;
      inRun = false;
      at += 2;
    } else {
      lines += NarrowBarNarrowSpace;
      at += 1;
    }
  }
  return lines;
}

std::string TBarcode_Telepen::EncodeNumPair(std::string_view Digits, bool& Switched, std::uint64_t& Sum,
                                            std::string& FullEncoded) {
  if (Digits.empty()) return {};
  if (Digits.size() >= 2) {
    const int value = 10 * (Digits[0] - '0') + (Digits[1] - '0') + PairOffset;
    Sum += static_cast<unsigned>(value);
    FullEncoded.append(Digits.substr(0, 2));
    return EncodeChar(static_cast<char>(value));
  }
  const char digit = Digits[0];
  if (oddEncode_ != toeToASCII || Switched) {
    const int value = digit - '0' + SingleDigitOffset;
    Sum += static_cast<unsigned>(value);
    FullEncoded += digit;
    return EncodeChar(static_cast<char>(value));
  }
  Switched = true;
  Sum += DLE + Code(digit);
  FullEncoded += static_cast<char>(DLE);
  FullEncoded += digit;
  return EncodeChar(static_cast<char>(DLE)) + EncodeChar(digit);
}

std::string TBarcode_Telepen::EncodeNumber(std::string_view Digits, bool& Switched, std::uint64_t& Sum,
                                           std::string& FullEncoded) {
  std::string lines;
  std::size_t at = 0;
  if (Digits.size() % 2 == 1 && oddEncode_ == toeUseZero) {
    const char padded[] = {'0', Digits[0]};
    lines += EncodeNumPair({padded, 2}, Switched, Sum, FullEncoded);
    at = 1;
  }
  for (; at < Digits.size(); at += 2) lines += EncodeNumPair(Digits.substr(at, 2), Switched, Sum, FullEncoded);
  return lines;
}

int TBarcode_Telepen::VerifyAllChars(const std::string& Barcode, bool) {
  TTextModes modes(mode_);
  for (std::size_t i = 0; i < Barcode.size(); ++i)
    if (!modes.Next(Code(Barcode[i])).Valid) return static_cast<int>(i + 1);
  return ecValid;
}

std::string TBarcode_Telepen::MakeData(const std::string& Barcode, bool AutoCheckDigit, std::string& FullEncoded) {
  const TGuardPair guards = GuardsFor(guards_, mode_);
  std::string pattern;
  pattern.reserve(guards.Start.size() + (Barcode.size() + 3) * MaxCharLines + guards.Stop.size());
  FullEncoded.clear();
  pattern += guards.Start;

  TTelepenEncoder encoder(*this, pattern, FullEncoded);
  if (extraChar_ == tecESC) encoder.Put(static_cast<char>(ESC));
  if (extraChar_ == tecSISO) encoder.Put(static_cast<char>(SI));
  encoder.Put(Barcode);
  if (extraChar_ == tecSISO) encoder.Put(static_cast<char>(SO));
  const std::uint64_t sum = encoder.Finish();

  if (AutoCheckDigit) {
    const auto check = static_cast<char>((CheckModulus - sum % CheckModulus) % CheckModulus);
    pattern += EncodeChar(check);
    FullEncoded += check;
  }
  pattern += guards.Stop;
  return pattern;
}

void TBarcode_Telepen::Assign(const TPersistent* Source) {
  const auto* source = dynamic_cast<const TBarcode_Telepen*>(Source);
  if (!source) return;
  mode_ = source->mode_;
  guards_ = source->guards_;
  oddEncode_ = source->oddEncode_;
  SetExtraChar(source->extraChar_);
  TBarcode::Assign(Source);
}

namespace {

const TPropInfo properties[] = {
    Published<&TBarcode_Telepen::Mode, &TBarcode_Telepen::SetMode>("Mode"),
    Published<&TBarcode_Telepen::Guards, &TBarcode_Telepen::SetGuards>("Guards"),
    Published<&TBarcode_Telepen::ExtraChar, &TBarcode_Telepen::SetExtraChar>("ExtraChar"),
    Published<&TBarcode_Telepen::OddEncode, &TBarcode_Telepen::SetOddEncode>("OddEncode"),
    BarcodeProperty(),
    RatioProperty(),
    AutoCheckDigitProperty(),
    TextHSpacingProperty(),
};
}  // namespace

const TClassInfo TBarcode_Telepen::ClassInfo{"TBarcode_Telepen", &TBarcode::ClassInfo, properties,
                                             &NewComponent<TBarcode_Telepen>};
TESSEL_REGISTER(TBarcode_Telepen);

}  // namespace tessel
