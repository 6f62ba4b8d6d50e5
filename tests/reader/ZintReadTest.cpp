// Symbols drawn by the independent encoder zint, upright and turned by zint,
// read by the reader: the class, its full-encoded text and the angle. The
// texts the reader must give are the texts zint was given plus the check
// characters the symbologies' standards add, computed here. A row is checked
// only once the reader has a decoder for its class, so the test covers more
// as decoders are added.
#include <gtest/gtest.h>
#include <zint.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ReadAlike.h"
#include "reader/Reader.h"

using namespace tessel;
using namespace tessel::testing;

namespace {

int Digit(char c) { return c - '0'; }
char DigitChar(int value) { return static_cast<char>('0' + value); }

// EAN/UPC, ITF-14 and the two-of-five checks: weights 3 and 1 from the
// rightmost digit, modulo 10.
std::string Mod10Weights31(std::string_view digits) {
  int sum = 0, weight = 3;
  for (auto c = digits.rbegin(); c != digits.rend(); ++c, weight = 4 - weight) sum += weight * Digit(*c);
  return std::string(digits) + DigitChar((10 - sum % 10) % 10);
}

// Deutsche Post Leitcode and Identcode: weights 4 and 9 from the left.
std::string DeutschePost(std::string_view digits) {
  int sum = 0;
  for (std::size_t k = 0; k < digits.size(); ++k) sum += (k % 2 == 0 ? 4 : 9) * Digit(digits[k]);
  return std::string(digits) + DigitChar((10 - sum % 10) % 10);
}

// POSTNET and PLANET: the digits and the check make a multiple of ten.
std::string PostalCheck(std::string_view digits) {
  int sum = 0;
  for (const char c : digits) sum += Digit(c);
  return std::string(digits) + DigitChar((10 - sum % 10) % 10);
}

constexpr std::string_view Code39Set = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%";

// Code 39's modulo 43 check of the characters drawn.
std::string Mod43(std::string_view drawn) {
  std::size_t sum = 0;
  for (const char c : drawn) sum += Code39Set.find(c);
  return std::string(1, Code39Set[sum % 43]);
}

// Full ASCII as far as these texts need it: a small letter is drawn as the
// shift and its capital (+ in Code 39, the (+) shift, value 46, in Code 93).
std::string Code39FullAscii(std::string_view text) {
  std::string drawn;
  for (const char c : text) {
    if (c >= 'a' && c <= 'z') drawn += '+';
    drawn += static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
  }
  return drawn;
}

// Code 93's two modulo 47 checks, C (weights 1 to 20 from the right) and K
// (1 to 15, over C too), on the values drawn; a shift value (43 to 46) shown
// as the class shows it, '[', ']', '{' or '}'.
std::string Code93Checks(std::string_view text) {
  constexpr std::size_t PlusShift = 46;
  std::vector<std::size_t> values;
  for (const char c : text) {
    if (c >= 'a' && c <= 'z') values.push_back(PlusShift);
    values.push_back(Code39Set.find(static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c)));
  }
  const auto check = [&values](std::size_t maxWeight) {
    std::size_t sum = 0, weight = 1;
    for (auto v = values.rbegin(); v != values.rend(); ++v, weight = weight % maxWeight + 1) sum += weight * *v;
    values.push_back(sum % 47);
    return values.back() < 43 ? Code39Set[values.back()] : "[]{}"[values.back() - 43];
  };
  std::string checks(1, check(20));
  checks += check(15);
  return std::string(text) + checks;
}

// Code 11: C, weights 1 to 10 from the right modulo 11, then K, weights 1 to
// 9 over the digits and C; 10 is '-'.
std::string Code11Checks(std::string_view text, int checks) {
  std::string drawn(text);
  for (int k = 0; k < checks; ++k) {
    const int maxWeight = k == 0 ? 10 : 9;
    int sum = 0, weight = 1;
    for (auto c = drawn.rbegin(); c != drawn.rend(); ++c, weight = weight % maxWeight + 1)
      sum += weight * (*c == '-' ? 10 : Digit(*c));
    drawn += sum % 11 == 10 ? '-' : DigitChar(sum % 11);
  }
  return drawn;
}

// Codabar's modulo 16 check over start, data and stop; the reader shows the
// characters between start and stop.
std::string CodabarWithCheck(std::string_view text) {
  constexpr std::string_view Set = "0123456789-$:/.+ABCD";
  std::size_t sum = 0;
  for (const char c : text) sum += Set.find(c);
  return std::string(text.substr(1, text.size() - 2)) + Set[(16 - sum % 16) % 16];
}

// Code 128's modulo 103 check: in code set B a character (values 0 to 94),
// in code set C two digits. These texts stay in one code set.
std::string Code128B(std::string_view text) {
  std::size_t sum = 104;  // start B
  for (std::size_t k = 0; k < text.size(); ++k) sum += (k + 1) * static_cast<std::size_t>(text[k] - ' ');
  return std::string(text) + static_cast<char>(' ' + sum % 103);
}
std::string Code128C(std::string_view digits) {
  std::size_t sum = 105;  // start C
  for (std::size_t k = 0; k < digits.size() / 2; ++k)
    sum += (k + 1) * static_cast<std::size_t>(10 * Digit(digits[2 * k]) + Digit(digits[2 * k + 1]));
  return std::string(digits) + DigitChar(static_cast<int>(sum % 103 / 10)) +
         DigitChar(static_cast<int>(sum % 103 % 10));
}

// UPC-E: the number system, six digits and the check digit of the number
// expanded to UPC-A.
std::string UpcE(std::string_view system6) {
  const std::string d(system6.substr(1));
  std::string expanded(1, system6[0]);
  const char last = d[5];
  if (last <= '2')
    expanded += d.substr(0, 2) + last + "0000" + d.substr(2, 3);
  else if (last == '3')
    expanded += d.substr(0, 3) + "00000" + d.substr(3, 2);
  else if (last == '4')
    expanded += d.substr(0, 4) + "00000" + d[4];
  else
    expanded += d.substr(0, 5) + "0000" + last;
  return std::string(system6) + Mod10Weights31(expanded).back();
}

// Code 32: odd places add the digit, even places the digits of twice it.
std::string Code32(std::string_view digits) {
  int sum = 0;
  for (std::size_t k = 0; k < digits.size(); ++k) {
    const int twice = 2 * Digit(digits[k]);
    sum += k % 2 == 0 ? Digit(digits[k]) : twice / 10 + twice % 10;
  }
  return std::string(digits) + DigitChar(sum % 10);
}

// PZN8: a minus sign, seven digits and their check, weights 1 to 7,
// modulo 11.
std::string Pzn8(std::string_view digits) {
  int sum = 0;
  for (std::size_t k = 0; k < digits.size(); ++k) sum += static_cast<int>(k + 1) * Digit(digits[k]);
  return "-" + std::string(digits) + DigitChar(sum % 11);
}

// RM4SCC: each character's row and column in the 6 by 6 table, counted
// from 1; the check is the character at the sums modulo 6 (0 taken as 6).
std::string Rm4scc(std::string_view text) {
  constexpr std::string_view Table = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
  std::size_t rows = 0, columns = 0;
  for (const char c : text) {
    rows += Table.find(c) / 6 + 1;
    columns += Table.find(c) % 6 + 1;
  }
  const std::size_t row = (rows + 5) % 6, column = (columns + 5) % 6;
  return std::string(text) + Table[6 * row + column];
}

// MSI's modulo 10: the rightmost digit and every second one to its left
// doubled, the digits of all summed.
std::string MsiMod10(std::string_view digits) {
  int sum = 0;
  bool doubled = true;
  for (auto c = digits.rbegin(); c != digits.rend(); ++c, doubled = !doubled) {
    const int value = doubled ? 2 * Digit(*c) : Digit(*c);
    sum += value / 10 + value % 10;
  }
  return std::string(digits) + DigitChar((10 - sum % 10) % 10);
}

// MSI's modulo 11, weights 2 to 7 from the rightmost digit (a check of 10
// would be drawn as two digits; these texts have none).
std::string MsiMod11(std::string_view digits) {
  int sum = 0, weight = 2;
  for (auto c = digits.rbegin(); c != digits.rend(); ++c, weight = weight == 7 ? 2 : weight + 1)
    sum += weight * Digit(*c);
  return std::string(digits) + DigitChar((11 - sum % 11) % 11);
}

// Plessey: the hexadecimal digits' bits, least significant first, divided
// by x^8 + x^7 + x^6 + x^5 + x^3 + 1; the remainder's eight bits are two more
// digits.
std::string PlesseyCrc(std::string_view hex) {
  constexpr std::string_view Hex = "0123456789ABCDEF";
  constexpr std::array<int, 9> Divisor{1, 1, 1, 1, 0, 1, 0, 0, 1};
  std::vector<int> bits;
  for (const char c : hex)
    for (std::size_t bit = 0; bit < 4; ++bit) bits.push_back(static_cast<int>(Hex.find(c) >> bit & 1U));
  const std::size_t dataBits = bits.size();
  bits.resize(dataBits + 8, 0);
  for (std::size_t k = 0; k < dataBits; ++k)
    if (bits[k] != 0)
      for (std::size_t j = 0; j < Divisor.size(); ++j) bits[k + j] ^= Divisor[j];
  std::string text(hex);
  for (std::size_t nibble = 0; nibble < 2; ++nibble) {
    std::size_t value = 0;
    for (std::size_t bit = 0; bit < 4; ++bit)
      value |= static_cast<std::size_t>(bits[dataBits + 4 * nibble + bit]) << bit;
    text += Hex[value];
  }
  return text;
}

// Telepen: the check makes the sum of the characters a multiple of 127.
std::string Telepen(std::string_view text) {
  int sum = 0;
  for (const char c : text) sum += static_cast<unsigned char>(c);
  return std::string(text) + static_cast<char>((127 - sum % 127) % 127);
}

// Australia Post: the format control code, the delivery point identifier
// and any customer information of digits drawn in the N table (two bars a
// digit, 0 full, 1 ascender, 2 descender, 3 tracker), trackers as filler up
// to the format's 21, 36 or 51 bars (FCC 59 has 36, 62 has 51), and four
// Reed-Solomon parity symbols over GF(64) (x^6 + x + 1) of generator
// (x + a)...(x + a^4) on the data's 6-bit symbols (three bars each), shown
// as two digits each.
std::string AustraliaPost(std::string_view fcc, std::string_view digits) {
  constexpr std::array<std::string_view, 10> NTable{"00", "01", "02", "10", "11", "12", "20", "21", "22", "30"};
  std::string bars;
  for (const char c : std::string(fcc) + std::string(digits)) bars += NTable[static_cast<std::size_t>(Digit(c))];
  bars.resize(fcc == "59" ? 36 : fcc == "62" ? 51 : 21, '3');
  std::array<int, 64> exp{}, log{};
  for (int k = 0, x = 1; k < 63; ++k, x = (x << 1) ^ (x & 32 ? 0x43 : 0)) {
    exp[static_cast<std::size_t>(k)] = x;
    log[static_cast<std::size_t>(x)] = k;
  }
  const auto mul = [&](int a, int b) {
    return a == 0 || b == 0 ? 0
                            : exp[static_cast<std::size_t>(
                                  (log[static_cast<std::size_t>(a)] + log[static_cast<std::size_t>(b)]) % 63)];
  };
  std::vector<int> generator{1};  // highest order first
  for (int k = 1; k <= 4; ++k) {
    std::vector<int> next(generator.size() + 1, 0);
    for (std::size_t j = 0; j < generator.size(); ++j) {
      next[j] ^= generator[j];
      next[j + 1] ^= mul(generator[j], exp[static_cast<std::size_t>(k)]);
    }
    generator = next;
  }
  std::array<int, 4> parity{};
  for (std::size_t at = 0; at < bars.size(); at += 3) {
    const int symbol = 16 * Digit(bars[at]) + 4 * Digit(bars[at + 1]) + Digit(bars[at + 2]);
    const int feedback = symbol ^ parity[0];
    for (std::size_t j = 0; j < 3; ++j) parity[j] = parity[j + 1] ^ mul(feedback, generator[j + 1]);
    parity[3] = mul(feedback, generator[4]);
  }
  std::string text = std::string(fcc) + std::string(digits);
  for (const int p : parity) text += std::string{DigitChar(p / 10), DigitChar(p % 10)};
  return text;
}

struct TZintRow {
  int Symbology;
  int Option2;       // zint's check character option, 0 its default
  std::string Text;  // as given to zint
  std::string_view ClassName;
  std::string Expected;  // the reader's text
  // The bars also read as another valid text of the class: the expected
  // text must be one of the reader's fits.
  bool OneOfTheFits = false;
};

std::vector<TZintRow> Rows() {
  return {
      {BARCODE_CODE39, 0, "CODE39", "TBarcode_Code39", "CODE39"},
      {BARCODE_CODE39, 0, "TESSEL-1234.5 $/+%", "TBarcode_Code39", "TESSEL-1234.5 $/+%"},
      {BARCODE_CODE39, 1, "ABC123", "TBarcode_Code39", "ABC123" + Mod43("ABC123")},
      {BARCODE_EXCODE39, 0, "Tessel code", "TBarcode_Code39Ext", "Tessel code"},
      {BARCODE_EXCODE39, 1, "Ab1", "TBarcode_Code39Ext", "Ab1" + Mod43(Code39FullAscii("Ab1"))},
      {BARCODE_CODE93, 0, "CODE93", "TBarcode_Code93", Code93Checks("CODE93")},
      {BARCODE_CODE93, 0, "TESSEL-93 $/+%", "TBarcode_Code93", Code93Checks("TESSEL-93 $/+%")},
      {BARCODE_CODE93, 0, "Tessel", "TBarcode_Code93Ext", Code93Checks("Tessel")},
      {BARCODE_CODE128, 0, "Tessel-128", "TBarcode_Code128", Code128B("Tessel-128")},
      {BARCODE_CODE128, 0, "12345678", "TBarcode_Code128", Code128C("12345678")},
      {BARCODE_EANX, 0, "590123412345", "TBarcode_EAN13", Mod10Weights31("590123412345")},
      {BARCODE_EANX, 0, "9638507", "TBarcode_EAN8", Mod10Weights31("9638507")},
      {BARCODE_UPCA, 0, "03600029145", "TBarcode_UPCA", Mod10Weights31("03600029145")},
      {BARCODE_UPCE, 0, "0123456", "TBarcode_UPCE", UpcE("0123456")},
      {BARCODE_UPCE, 0, "1654321", "TBarcode_UPCE", UpcE("1654321")},
      {BARCODE_UPCE, 0, "0123453", "TBarcode_UPCE", UpcE("0123453")},
      {BARCODE_C25INTER, 0, "12345678", "TBarcode_Code25Interleaved", "12345678"},
      // zint pads an odd count of digits with a leading zero, as the class
      // does when it pads on the left.
      {BARCODE_C25INTER, 0, "1234567", "TBarcode_Code25Interleaved", "01234567"},
      {BARCODE_C25INTER, 1, "1234567", "TBarcode_Code25Interleaved", Mod10Weights31("1234567")},
      {BARCODE_C25IND, 0, "123456", "TBarcode_Code25Industrial", "123456"},
      {BARCODE_C25IND, 1, "123456", "TBarcode_Code25Industrial", Mod10Weights31("123456")},
      {BARCODE_C25STANDARD, 0, "123456", "TBarcode_Code25Matrix", "123456"},
      {BARCODE_C25STANDARD, 1, "123456", "TBarcode_Code25Matrix", Mod10Weights31("123456")},
      {BARCODE_C25IATA, 0, "123456", "TBarcode_IATA", "123456"},
      {BARCODE_C25IATA, 1, "123456", "TBarcode_IATA", Mod10Weights31("123456")},
      {BARCODE_C25LOGIC, 0, "123456", "TBarcode_Code25Datalogic", "123456"},
      {BARCODE_C25LOGIC, 1, "123456", "TBarcode_Code25Datalogic", Mod10Weights31("123456")},
      {BARCODE_ITF14, 0, "1234567890123", "TBarcode_ITF14", Mod10Weights31("1234567890123")},
      {BARCODE_DPLEIT, 0, "2104312401234", "TBarcode_Leitcode", DeutschePost("2104312401234")},
      {BARCODE_DPIDENT, 0, "56310243031", "TBarcode_Identcode", DeutschePost("56310243031")},
      // The reader shows Codabar's characters between start and stop.
      {BARCODE_CODABAR, 0, "A123456B", "TBarcode_Codabar", "123456"},
      {BARCODE_CODABAR, 0, "C-$:/.+D", "TBarcode_Codabar", "-$:/.+"},
      {BARCODE_CODABAR, 1, "A40156B", "TBarcode_Codabar", CodabarWithCheck("A40156B")},
      {BARCODE_CODE11, 0, "123-45", "TBarcode_Code11", Code11Checks("123-45", 2)},
      {BARCODE_CODE11, 1, "0123456789", "TBarcode_Code11", Code11Checks("0123456789", 1)},
      // The reader reads MSI only with a check digit (zint's option 1, modulo
      // 10; 3, modulo 11 of weights 2 to 7).
      {BARCODE_MSI_PLESSEY, 1, "1234567", "TBarcode_MSI", MsiMod10("1234567")},
      {BARCODE_MSI_PLESSEY, 3, "4012345", "TBarcode_MSI", MsiMod11("4012345")},
      {BARCODE_PLESSEY, 0, "1234ABCD", "TBarcode_Plessey", PlesseyCrc("1234ABCD")},
      {BARCODE_TELEPEN, 0, "Tessel", "TBarcode_Telepen", Telepen("Tessel")},
      {BARCODE_PHARMA, 0, "1234", "TBarcode_PharmacodeOneTrack", "1234"},
      {BARCODE_PHARMA_TWO, 0, "1234", "TBarcode_PharmacodeTwoTrack", "1234"},
      {BARCODE_POSTNET, 0, "12345", "TBarcode_PostNet", PostalCheck("12345")},
      {BARCODE_POSTNET, 0, "12345678901", "TBarcode_PostNet", PostalCheck("12345678901")},
      {BARCODE_PLANET, 0, "1234567890123", "TBarcode_PLANET", PostalCheck("1234567890123")},
      {BARCODE_FIM, 0, "A", "TBarcode_FIM", "A"},
      {BARCODE_FIM, 0, "D", "TBarcode_FIM", "D"},
      {BARCODE_KIX, 0, "2500GG30250", "TBarcode_KIX4S", "2500GG30250"},
      {BARCODE_RM4SCC, 0, "SN34RD1A", "TBarcode_RM4SCC", Rm4scc("SN34RD1A")},
      // zint chooses the format control code from the symbology.
      {BARCODE_AUSPOST, 0, "56439111", "TBarcode_AP4SC", AustraliaPost("11", "56439111")},
      {BARCODE_AUSREPLY, 0, "12345678", "TBarcode_AP4SC", AustraliaPost("45", "12345678")},
      {BARCODE_AUSPOST, 0, "3945678987654321", "TBarcode_AP4SC", AustraliaPost("59", "3945678987654321")},
      // Fifteen digits of customer information in the N table fill 30
      // bars, which read as ten characters of the C table too: the bars do
      // not tell which table the customer agreed on.
      {BARCODE_AUSPOST, 0, "12345678012345678901234", "TBarcode_AP4SC", AustraliaPost("62", "12345678012345678901234"),
       true},
      // zint takes the routing code after a dash; the class runs them on.
      {BARCODE_USPS_IMAIL, 0, "01234567094987654321-01234567891", "TBarcode_OneCode",
       "0123456709498765432101234567891"},
      {BARCODE_USPS_IMAIL, 0, "01234567094987654321", "TBarcode_OneCode", "01234567094987654321"},
      {BARCODE_CODE32, 0, "14325678", "TBarcode_Code32", Code32("14325678")},
      // zint draws PZN8 only (six digits padded to seven), the class PZN7
      // (six digits, weights 2 to 7): the symbol is plain Code 39 to it.
      {BARCODE_PZN, 0, "123456", "TBarcode_Code39", Pzn8("0123456")},
  };
}

// zint's raster of the symbol, no human-readable text and ten modules of
// white all round, as luminance: zint's bitmap is RGB, black on white.
// Turned clockwise by Rotation degrees.
TGreyImage ZintImage(const TZintRow& row, float scale, int rotation = 0) {
  const std::unique_ptr<zint_symbol, decltype(&ZBarcode_Delete)> symbol(ZBarcode_Create(), &ZBarcode_Delete);
  symbol->symbology = row.Symbology;
  symbol->option_2 = row.Option2;
  symbol->show_hrt = 0;
  symbol->whitespace_width = 10;
  symbol->whitespace_height = 10;
  symbol->scale = scale;
  const int error = ZBarcode_Encode_and_Buffer(symbol.get(), reinterpret_cast<const unsigned char*>(row.Text.data()),
                                               static_cast<int>(row.Text.size()), rotation);
  TGreyImage image;
  if (error >= ZINT_ERROR) {
    ADD_FAILURE() << "zint: " << symbol->errtxt;
    return image;
  }
  image.Width = symbol->bitmap_width;
  image.Height = symbol->bitmap_height;
  image.Pixels.resize(static_cast<std::size_t>(image.Width) * static_cast<std::size_t>(image.Height));
  for (std::size_t k = 0; k < image.Pixels.size(); ++k) image.Pixels[k] = symbol->bitmap[3 * k];
  return image;
}

// The image reads as the row's class and text, the symbol at Angle degrees
// counter-clockwise.
void ExpectReads(const TZintRow& row, const TGreyImage& image, int angle) {
  const TReadResult read = ReadSymbol(image, {std::string(row.ClassName)});
  ASSERT_TRUE(read.Found);
  EXPECT_EQ(read.ClassName, row.ClassName);
  if (row.OneOfTheFits || IsHalfTurnAmbiguous(row.ClassName)) {
    const std::pair<std::string, std::string> fit{std::string(row.ClassName), row.Expected};
    EXPECT_NE(std::find(read.Fits.begin(), read.Fits.end(), fit), read.Fits.end()) << read.Text;
    EXPECT_EQ(read.Angle % 180, angle % 180);
    return;
  }
  EXPECT_EQ(read.Text, row.Expected);
  EXPECT_EQ(read.Angle, angle);
}

}  // namespace

TEST(ZintRead, ZintSymbolsReadAsTheirClassAndText) {
  int checked = 0;
  for (const TZintRow& row : Rows()) {
    // zint's raster draws a module in two pixels at scale 1.
    for (const float scale : {1.0F, 1.5F}) {
      SCOPED_TRACE(std::string(row.ClassName) + " '" + row.Text + "' at scale " + std::to_string(scale));
      const TGreyImage image = ZintImage(row, scale);
      if (image.Width == 0) continue;  // zint refused the text
      ExpectReads(row, image, 0);
      ++checked;
    }
  }
  EXPECT_GT(checked, 0);
}

TEST(ZintRead, ZintSymbolsTurnedReadAtTheirAngle) {
  for (const TZintRow& row : Rows()) {
    for (const int clockwise : {90, 180, 270}) {
      const int angle = 360 - clockwise;
      if (TurnsIntoAnother(row.ClassName, angle)) continue;
      SCOPED_TRACE(std::string(row.ClassName) + " '" + row.Text + "' at " + std::to_string(angle) + " degrees");
      const TGreyImage image = ZintImage(row, 1.0F, clockwise);
      if (image.Width == 0) continue;
      ExpectReads(row, image, angle);
    }
  }
}
