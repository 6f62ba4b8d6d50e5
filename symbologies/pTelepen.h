// Telepen: the 128 ASCII characters, or pairs of digits in a compressed
// numeric form, each sent as one byte with even parity, least significant
// bit first, with a modulo-127 check character.
#pragma once

#include <cstdint>
#include <string_view>

#include "components/pBarcode.h"

namespace tessel {

// The mode a text starts in. tmASCII and tmNumeric switch to the other mode
// at the text's first DLE (code 16); tmFullASCII never switches.
TESSEL_PUBLISHED_ENUM(TTelepenMode, tmFullASCII, tmASCII, tmNumeric)
// Start and stop patterns: by the mode (numeric guards for tmNumeric), always
// the ASCII ones, custom ones, or the ASCII start without a stop.
TESSEL_PUBLISHED_ENUM(TTelepenGuards, tgAuto, tgASCII, tgCustom, tgNoStop)
// How numeric mode sends the single last digit of an odd run: as the digit's
// one-digit value, in ASCII after a switch to ASCII, or as a pair after a
// leading "0" added to the run.
TESSEL_PUBLISHED_ENUM(TTelepenOddEncode, toeUseNULL, toeToASCII, toeUseZero)
// Control characters around the text: none, ESC before it, or SI before and
// SO after it.
TESSEL_PUBLISHED_ENUM(TTelepenExtraChar, tecNone, tecESC, tecSISO)

class TBarcode_Telepen : public TBarcode {
  TESSEL_CLASS_INFO
 public:
  // Telepen's wide elements are three modules: Ratio starts at 3.0.
  explicit TBarcode_Telepen(TComponent* AOwner);

  // Changing the mode empties the text.
  TTelepenMode Mode() const { return mode_; }
  void SetMode(TTelepenMode Value);
  TTelepenGuards Guards() const { return guards_; }
  void SetGuards(TTelepenGuards Value) { SetComposite(guards_, Value, false); }
  TTelepenOddEncode OddEncode() const { return oddEncode_; }
  void SetOddEncode(TTelepenOddEncode Value) { SetComposite(oddEncode_, Value, true); }
  TTelepenExtraChar ExtraChar() const { return extraChar_; }
  void SetExtraChar(TTelepenExtraChar Value) { SetComposite(extraChar_, Value, true); }

  // The 1-based position of the first character the mode it stands in cannot
  // send, or 0.
  int VerifyAllChars(const std::string& Barcode, bool AutoCheckDigit) override;
  std::string MakeData(const std::string& Barcode, bool AutoCheckDigit, std::string& FullEncoded) override;
  void Assign(const TPersistent* Source) override;

  // The lines of one byte: the low seven bits of Value and an even-parity
  // bit, least significant first; sixteen modules at Ratio 3.0.
  virtual std::string EncodeChar(char Value);

  // The lines of two digits (one byte), or of a single last digit; adds the
  // byte values to Sum and the characters sent to FullEncoded. Under
  // toeToASCII a single digit goes out in ASCII after a DLE when Switched is
  // clear, and sets Switched.
  std::string EncodeNumPair(std::string_view Digits, bool& Switched, std::uint64_t& Sum, std::string& FullEncoded);
  // A run of digits as pairs from the left, the last one perhaps single
  // (toeUseZero first pads an odd run with a leading "0").
  std::string EncodeNumber(std::string_view Digits, bool& Switched, std::uint64_t& Sum, std::string& FullEncoded);

 private:
  TTelepenMode mode_ = tmFullASCII;
  TTelepenGuards guards_ = tgAuto;
  TTelepenOddEncode oddEncode_ = toeUseNULL;
  TTelepenExtraChar extraChar_ = tecNone;
};

}  // namespace tessel
