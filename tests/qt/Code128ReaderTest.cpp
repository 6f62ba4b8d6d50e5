#include <gtest/gtest.h>

#include <random>

#include "qt/QtTestSupport.h"
#include "symbologies/pEAN128.h"

using namespace tessel;
using namespace tessel::testing;

namespace {

// The entered text for a string of raw bytes: a backslash is written "\\".
std::string Escaped(const std::string& raw) {
  std::string text;
  for (char c : raw) text += c == '\\' ? std::string("\\\\") : std::string(1, c);
  return text;
}

std::string Hex(const std::string& s) {
  static constexpr char digits[] = "0123456789ABCDEF";
  std::string out;
  for (unsigned char c : s) out += {digits[c >> 4], digits[c & 15], ' '};
  return out;
}

// The bytes a reader finds in the drawn symbol, or "(unread)".
std::string ReadBack(TBarcode& bc) {
  const auto decoded = Decode(Render(bc), "Code128");
  return decoded ? decoded->Bytes : "(unread)";
}

}  // namespace

TEST(Code128Reader, SubsetChangesShiftAndFNC4) {
  const std::string texts[] = {
      "Hello\tWorld 12345678 ab",
      "a\tb",             // Shift to subset A
      "A\tB\x01\x02xyz",  // latch to B after A
      "\x01\x02\x03"      // NOLINT(bugprone-suspicious-missing-comma): split so that \x03 ends before "abc"
      "abc123456\x1F",    // A, B, C, A
      "12345",            // odd digit run: one digit first
      "caf\xE9 \xC0\xC1\xC2\xC3\xC4\xC5 end",  // single and latched FNC4
      "\xE1\x81",                              // FNC4 with Shift
      "\xB1"
      "123",  // a carried "1" before digits
      "\xB0\xB1\xB2\xB3\xB4"
      "99\xB5\xB6",  // carried digits latched, at the end singly
      "\xDC"
      "1",                           // character 220 before a digit
      "x\xDC\xDC\xDC\xDC\xDCy\xDC",  // latched and single 220
      "\\\xDC\\",                    // backslashes around 220
  };
  for (const std::string& raw : texts) {
    TBarcode_Code128 bc(nullptr);
    bc.SetBarcode(Escaped(raw));
    EXPECT_EQ(Hex(ReadBack(bc)), Hex(raw)) << Hex(raw);
  }
}

TEST(Code128Reader, RandomTextsOverAllCharacters) {
  // Every character can come up; half of them are drawn from those that
  // steer the encoder: digits plain and with the top bit, backslashes plain
  // and with the top bit, control and lower-case characters.
  const std::string steering =
      "0123456789\xB0\xB1\xB2\xB3\xB4\xB5\xB6\xB7\xB8\xB9\\\xDC\t\x81"
      "a\xE1";
  std::mt19937 random(20240128);
  for (int round = 0; round < 80; ++round) {
    std::string raw;
    for (int n = 1 + static_cast<int>(random() % 40); n > 0; --n)
      raw += random() % 2 ? steering[random() % steering.size()] : static_cast<char>(random() % 256);
    TBarcode_Code128 bc(nullptr);
    bc.SetBarcode(Escaped(raw));
    EXPECT_EQ(Hex(ReadBack(bc)), Hex(raw)) << "round " << round;
  }
}

TEST(Code128Reader, StartSubsetsChosenByHand) {
  for (TCode128SubSet subset : {cssSubSetA, cssSubSetB, cssSubSetC}) {
    TBarcode_Code128 bc(nullptr);
    bc.SetInitialSubSet(subset);
    bc.SetBarcode(
        "ab\x01"
        "1234");
    EXPECT_EQ(ReadBack(bc),
              "ab\x01"
              "1234")
        << subset;
  }
}

// zxing-cpp reads a symbol that starts with FNC1 as GS1 data: symbology
// identifier "]C1", the leading FNC1 dropped and every later FNC1 given as
// the group separator 0x1D, in the bytes and in the text alike.
TEST(Code128Reader, EAN128ReadsAsGS1) {
  TBarcode_EAN128 bc(nullptr);
  bc.SetAutoCheckDigit(false);
  bc.SetBarcode("0101234567890128\\110ABC");
  auto decoded = Decode(Render(bc), "Code128");
  ASSERT_TRUE(decoded);
  EXPECT_EQ(decoded->SymbologyIdentifier, "]C1");
  EXPECT_EQ(decoded->Bytes,
            "0101234567890128\x1D"
            "10ABC");
  EXPECT_EQ(decoded->Text, decoded->Bytes);

  // A serial shipping container code: the check digit covers the 17 digits
  // after the identifier 00.
  bc.SetAutoCheckDigit(true);
  bc.SetCheckStart(3);
  bc.SetCheckLength(17);
  bc.SetBarcode("0010614141234567890");
  decoded = Decode(Render(bc), "Code128");
  ASSERT_TRUE(decoded);
  EXPECT_EQ(decoded->SymbologyIdentifier, "]C1");
  EXPECT_EQ(decoded->Bytes, "00106141412345678908");

  // With the linkage character the symbol still reads (its check character
  // was computed again), and the linkage adds no data.
  for (TLink2D link : {ldCCA, ldCCB, ldCCC}) {
    bc.SetLink2D(link);
    decoded = Decode(Render(bc), "Code128");
    ASSERT_TRUE(decoded) << link;
    EXPECT_EQ(decoded->Bytes, "00106141412345678908") << link;
  }
}
