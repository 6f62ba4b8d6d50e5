// Random symbols drawn by the library at modules 1 to 3, read by the reader
// and by the independent reader zxing-cpp from the same grey pixels: the two
// texts agree, once zxing-cpp's conventions are carried over to the class's
// (see each row).
#include <gtest/gtest.h>

#define ZX_USE_UTF8 1  // zxing-cpp's texts as UTF-8
#include <ZXing/ReadBarcode.h>

#include <functional>
#include <memory>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "generator/Catalogue.h"
#include "generator/PropertyApply.h"
#include "output/SymbolFile.h"
#include "platform/raster/RasterImage.h"
#include "reader/Reader.h"

using namespace tessel;
using namespace tessel::generator;

namespace {

constexpr int QuietModules = 12;
constexpr int TextsPerRow = 40;

std::string RandomText(std::mt19937& random, std::string_view alphabet, std::size_t minLength, std::size_t maxLength) {
  std::uniform_int_distribution<std::size_t> length(minLength, maxLength), pick(0, alphabet.size() - 1);
  std::string text(length(random), ' ');
  for (char& c : text) c = alphabet[pick(random)];
  return text;
}

std::string Digits(std::mt19937& random, std::size_t count) { return RandomText(random, "0123456789", count, count); }

// The text zxing-cpp gives, as the class shows it.
using TNormalise = std::function<std::string(const std::string&)>;

std::string AsIs(const std::string& text) { return text; }

// Code 128 texts escape functions with a backslash, and write a backslash
// doubled.
std::string BackslashDoubled(const std::string& text) {
  std::string written;
  for (const char c : text) written += c == '\\' ? std::string("\\\\") : std::string(1, c);
  return written;
}

// zxing-cpp drops Code 93's two check characters; the class shows them.
// The reader's text is compared without them.
constexpr std::size_t Code93Checks = 2;

// zxing-cpp drops Code 128's check character. These texts start with a
// small letter, so the symbol starts in code set B and needs no other: the
// check is the modulo 103 sum of start B and the values weighted by
// place, written as the class writes it (a backslash doubled, a function
// value as its escape).
std::string Code128WithCheck(const std::string& text) {
  std::size_t sum = 104;
  for (std::size_t k = 0; k < text.size(); ++k) sum += (k + 1) * static_cast<std::size_t>(text[k] - ' ');
  const std::size_t check = sum % 103;
  constexpr std::string_view Functions[] = {"\\3", "\\2", "\\s", "\\c", "\\4", "\\a", "\\1"};  // 96 to 102
  if (check >= 96) return BackslashDoubled(text) + std::string(Functions[check - 96]);
  return BackslashDoubled(text + static_cast<char>(' ' + check));
}

struct TAgreementRow {
  std::string_view ClassName;
  ZXing::BarcodeFormat Format;
  std::function<std::string(std::mt19937&)> Text;  // a valid text for the class
  TNormalise FromZxing = AsIs;
  std::size_t ReaderSuffix = 0;  // characters of the reader's text zxing-cpp never gives
  TNormalise ClassText = AsIs;   // the text as the class takes it
};

constexpr std::string_view Code39Set = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%";
// Printable ASCII without digits, so the symbol stays in code set B.
constexpr std::string_view Code128Set =
    " !\"#$%&'()*+,-./:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_`abcdefghijklmnopqrstuvwxyz{|}~";

std::vector<TAgreementRow> Rows() {
  return {
      // zxing-cpp gives Code 39's characters as drawn when not told to
      // check the last, as the class does.
      {"TBarcode_Code39", ZXing::BarcodeFormat::Code39, [](auto& r) { return RandomText(r, Code39Set, 1, 12); }},
      {"TBarcode_Code93", ZXing::BarcodeFormat::Code93, [](auto& r) { return RandomText(r, Code39Set, 1, 12); }, AsIs,
       Code93Checks},
      {"TBarcode_Code128", ZXing::BarcodeFormat::Code128,
       [](auto& r) { return RandomText(r, "abcdefghijklmnopqrstuvwxyz", 1, 1) + RandomText(r, Code128Set, 0, 11); },
       Code128WithCheck, 0, BackslashDoubled},
      // Neither shows Codabar's start and stop characters.
      {"TBarcode_Codabar", ZXing::BarcodeFormat::Codabar,
       [](auto& r) { return RandomText(r, "0123456789-$:/.+", 1, 12); }},
      {"TBarcode_EAN8", ZXing::BarcodeFormat::EAN8, [](auto& r) { return Digits(r, 7); }},
      {"TBarcode_EAN13", ZXing::BarcodeFormat::EAN13, [](auto& r) { return Digits(r, 12); }},
      {"TBarcode_UPCA", ZXing::BarcodeFormat::UPCA, [](auto& r) { return Digits(r, 11); }},
      {"TBarcode_UPCE", ZXing::BarcodeFormat::UPCE, [](auto& r) { return RandomText(r, "01", 1, 1) + Digits(r, 6); }},
      // zxing-cpp reads Interleaved 2 of 5 from six digits; the class adds
      // no check digit here, an even count of digits needs no padding.
      {"TBarcode_Code25Interleaved", ZXing::BarcodeFormat::ITF,
       [](auto& r) { return Digits(r, 2 * std::uniform_int_distribution<std::size_t>(3, 8)(r)); }},
  };
}

std::unique_ptr<TBarcode> Create(std::string_view className) {
  for (const TBarcodeComponent& entry : Catalogue())
    if (entry.BarcodeClass == className) {
      std::unique_ptr<TBarcode> barcode = CreateCatalogueBarcode(entry);
      if (barcode) ApplyCatalogueDefaults(*barcode, entry);
      return barcode;
    }
  return nullptr;
}

std::string ZxingText(const TGreyImage& image, ZXing::BarcodeFormat format) {
  const ZXing::ImageView view(image.Pixels.data(), image.Width, image.Height, ZXing::ImageFormat::Lum);
  ZXing::DecodeHints hints;
  hints.setFormats(format);
  hints.setTryRotate(false);
  const ZXing::Result result = ZXing::ReadBarcode(view, hints);
  return result.isValid() ? result.text() : "(none)";
}

}  // namespace

TEST(ZxingAgreement, ReaderAndZxingGiveTheSameText) {
  std::mt19937 random(20261210);
  TSymbolRenderer renderer;
  for (const TAgreementRow& row : Rows()) {
    const std::unique_ptr<TBarcode> barcode = Create(row.ClassName);
    ASSERT_TRUE(barcode) << row.ClassName;
    if (row.Format == ZXing::BarcodeFormat::ITF) barcode->SetAutoCheckDigit(false);
    for (int k = 0; k < TextsPerRow; ++k) {
      const std::string text = row.Text(random);
      const int module = 1 + k % 3;
      SCOPED_TRACE(std::string(row.ClassName) + " '" + text + "' module " + std::to_string(module));
      barcode->SetBarcode(row.ClassText(text));
      barcode->SetModule(module);
      barcode->SetLeftMargin(QuietModules * module);
      barcode->SetTopMargin(QuietModules * module);
      ASSERT_EQ(renderer.Render(*barcode), ecValid);
      ASSERT_NE(renderer.Image(), nullptr);
      const TGreyImage image = ToGrey(*renderer.Image());
      const TReadResult read = ReadSymbol(image, {std::string(row.ClassName)});
      ASSERT_TRUE(read.Found);
      EXPECT_EQ(read.ClassName, row.ClassName);
      ASSERT_GE(read.Text.size(), row.ReaderSuffix);
      EXPECT_EQ(read.Text.substr(0, read.Text.size() - row.ReaderSuffix), row.FromZxing(ZxingText(image, row.Format)));
    }
  }
}
