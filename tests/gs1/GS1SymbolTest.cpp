// Random valid GS1 element strings: AIs drawn from the table, data made per
// the dictionary's format with check digits and dates made here by the
// standard's rules. Each symbol must equal zint's GS1-128 module for module,
// and zxing-cpp must read the element string back with its FNC1 separators.
#define ZX_USE_UTF8 1
#include <ZXing/ReadBarcode.h>
#include <gtest/gtest.h>
#include <zint.h>

#include <random>

#include "engine/SymbolTestSupport.h"
#include "engine/ZintSymbol.h"
#include "gs1/pGS1.h"
#include "symbologies/pEAN128.h"

using namespace tessel;
using namespace tessel::testing;

namespace {

constexpr std::string_view digits = "0123456789";
constexpr std::string_view cset82 =
    "!\"%&'()*+,-./0123456789:;<=>?ABCDEFGHIJKLMNOPQRSTUVWXYZ_abcdefghijklmnopqrstuvwxyz";
constexpr std::string_view cset39 = "#-/0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
constexpr std::string_view base64url = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";

class TMaker {
 public:
  explicit TMaker(unsigned seed) : random_(seed) {}

  int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
  std::string From(std::string_view set, int length) {
    std::string s;
    for (int i = 0; i < length; ++i) s += set[static_cast<std::size_t>(Below(static_cast<int>(set.size())))];
    return s;
  }
  std::string Two(int low, int high) {
    const int v = low + Below(high - low + 1);
    return {static_cast<char>('0' + v / 10), static_cast<char>('0' + v % 10)};
  }
  // A date that exists in every century (days up to 28), or day 00 when allowed.
  std::string Date(bool dayZero, bool longYear) {
    return (longYear ? "20" : "") + Two(0, 99) + Two(1, 12) + (dayZero && Below(4) == 0 ? "00" : Two(1, 28));
  }
  // Digits followed by their GS1 modulo-10 check digit (weights 3, 1, ... from the right).
  std::string WithCheckDigit(int length) {
    std::string s = From(digits, length - 1);
    int sum = 0, weight = 3;
    for (auto it = s.rbegin(); it != s.rend(); ++it, weight = 4 - weight) sum += (*it - '0') * weight;
    return s + static_cast<char>('0' + (10 - sum % 10) % 10);
  }

  // Data for a component, or nothing when this test does not make data
  // for one of its checks.
  std::optional<std::string> Component(const TGS1Component& c, bool parens) {
    using enum TGS1Check;
    std::uint64_t made = 0;
    for (TGS1Check check : {csum, yymmd0, yymmdd, yyyymmdd, hhmi, gcppos2})
      made |= std::uint64_t{1} << static_cast<int>(check);
    if (c.Checks & ~made) return std::nullopt;
    // Variable lengths up to 12, so that several elements fit in one symbol.
    const int length = c.MinLength == c.MaxLength
                           ? c.MinLength
                           : c.MinLength + Below(std::min<int>(c.MaxLength, 12) - c.MinLength + 1);
    if (c.Has(csum)) return WithCheckDigit(length);
    if (c.Has(yymmd0) || c.Has(yymmdd) || c.Has(yyyymmdd)) return Date(c.Has(yymmd0), c.Has(yyyymmdd));
    if (c.Has(hhmi)) return Two(0, 23) + Two(0, 59);
    switch (c.Set) {
      case csNumeric: return From(digits, length);
      case csCset82: {
        // In the bracketed form a bracket would start the next AI.
        std::string set(cset82);
        std::erase_if(set, [&](char ch) { return parens && (ch == '(' || ch == ')'); });
        return From(set, length);
      }
      case csCset39: return From(cset39, length);
      case csBase64Url: return From(base64url, length);
    }
    return std::nullopt;
  }

 private:
  std::mt19937 random_;
};

// True when an AI matches a dictionary pattern ("n" any digit).
bool Matches(std::string_view pattern, std::string_view ai) {
  if (pattern.size() != ai.size()) return false;
  for (std::size_t i = 0; i < ai.size(); ++i)
    if (pattern[i] != 'n' && pattern[i] != ai[i]) return false;
  return true;
}

// AIs of predefined length (GS1 General Specifications, the table of element
// strings with predefined length): their two-digit prefixes. No FNC1 follows them.
bool PredefinedLength(std::string_view ai) {
  const int prefix = (ai[0] - '0') * 10 + (ai[1] - '0');
  return prefix <= 4 || (prefix >= 11 && prefix <= 20) || prefix == 23 || (prefix >= 31 && prefix <= 36) ||
         prefix == 41;
}

bool Lists(std::string_view list, std::string_view ai) {
  for (std::size_t start = 0; start <= list.size();) {
    const std::size_t end = std::min(list.find(',', start), list.size());
    if (Matches(list.substr(start, end - start), ai)) return true;
    start = end + 1;
  }
  return false;
}

// AIs that a GTIN alone satisfies: no requirement, or (01) one of each
// requirement's alternatives; not excluded by (01).
bool GoesWithAGtin(const TGS1Entry& e) {
  if (Lists(e.Excludes, "01")) return false;
  for (std::size_t start = 0; start < e.Requires.size();) {
    const std::size_t end = std::min(e.Requires.find(';', start), e.Requires.size());
    if (!Lists(e.Requires.substr(start, end - start), "01")) return false;
    start = end + 1;
  }
  return true;
}

struct TElementString {
  std::string Bracketed, Read;  // the input; the data a reader gives, FNC1 as GS
  bool Parens;
};

TElementString RandomElementString(TMaker& make, const std::vector<const TGS1Entry*>& pool) {
  TElementString s{.Bracketed = "", .Read = "", .Parens = make.Below(2) == 0};
  const std::string open = s.Parens ? "(" : "[", close = s.Parens ? ")" : "]";
  std::vector<std::pair<const TGS1Entry*, std::string>> chosen{{FindGS1Entry("01"), make.WithCheckDigit(14)}};
  std::size_t size = 16;
  for (int tries = 0, wanted = 1 + make.Below(3); tries < 20 && static_cast<int>(chosen.size()) <= wanted; ++tries) {
    const TGS1Entry* e = pool[static_cast<std::size_t>(make.Below(static_cast<int>(pool.size())))];
    const bool clash = std::any_of(chosen.begin(), chosen.end(), [&](const auto& c) {
      return c.first->Ai == e->Ai || Lists(e->Excludes, c.first->Ai) || Lists(c.first->Excludes, e->Ai);
    });
    std::string data;
    for (std::size_t k = 0; k < e->ComponentCount && !clash; ++k) {
      if (e->Components[k].Optional && make.Below(2) == 0) break;
      data += *make.Component(e->Components[k], s.Parens);
    }
    if (clash || size + e->Ai.size() + data.size() + 1 > GS1MaxDataCharacters) continue;
    size += e->Ai.size() + data.size() + 1;
    chosen.emplace_back(e, data);
  }
  for (std::size_t k = 0; k < chosen.size(); ++k) {
    const auto& [e, data] = chosen[k];
    s.Bracketed.append(open).append(e->Ai).append(close).append(data);
    s.Read.append(e->Ai).append(data).append(!PredefinedLength(e->Ai) && k + 1 < chosen.size() ? "\x1d" : "");
  }
  return s;
}

// The Code 128 values of a row of modules (through the test support's copy of
// the standard's table).
std::vector<int> Values(const std::string& modules) {
  std::string pattern;
  for (std::size_t i = 0; i < modules.size();) {
    const std::size_t end = std::min(modules.find(modules[i] == '1' ? '0' : '1', i), modules.size());
    pattern += static_cast<char>((modules[i] == '1' ? '5' : '0') + (end - i) - 1);
    i = end;
  }
  return PatternValues(pattern);
}

// This library sends an FNC1 that ends a field before it changes from subset
// A or B to C, zint after: the same characters in another order, with the
// check character computed again (docs/decisions.md).
std::vector<int> InZintsOrder(std::vector<int> values) {
  const std::size_t n = values.size();
  for (std::size_t i = 1; i + 3 < n; ++i)
    if (values[i] == 102 && values[i + 1] == 99) std::swap(values[i], values[i + 1]);
  long long sum = values[0];
  for (std::size_t i = 1; i + 2 < n; ++i) sum += static_cast<long long>(i) * values[i];
  values[n - 2] = static_cast<int>(sum % 103);
  return values;
}

// zxing-cpp's reading of a row of modules drawn two pixels a module.
std::optional<ZXing::Result> Read(const std::string& modules) {
  std::vector<std::uint8_t> row(40, 255);  // a quiet zone of 20 modules on either side
  for (char module : modules) row.insert(row.end(), 2, module == '1' ? 0 : 255);
  row.insert(row.end(), 40, 255);
  const int width = static_cast<int>(row.size()), height = 20;
  std::vector<std::uint8_t> image;
  for (int y = 0; y < height; ++y) image.insert(image.end(), row.begin(), row.end());
  ZXing::DecodeHints hints;
  hints.setFormats(ZXing::BarcodeFormat::Code128);
  const ZXing::Result result = ZXing::ReadBarcode({image.data(), width, height, ZXing::ImageFormat::Lum}, hints);
  if (!result.isValid()) return std::nullopt;
  return result;
}

}  // namespace

TEST(GS1Symbol, RandomElementStringsMatchZintAndReadBack) {
  std::vector<const TGS1Entry*> pool;
  TMaker probe(0);
  for (const TGS1Entry& e : GS1Entries()) {
    bool made = GoesWithAGtin(e);
    for (std::size_t k = 0; k < e.ComponentCount && made; ++k)
      made = probe.Component(e.Components[k], true).has_value();
    if (made) pool.push_back(&e);
  }
  ASSERT_GT(pool.size(), 100u);

  TMaker make(20260);
  for (int n = 0; n < 200; ++n) {
    const TElementString s = RandomElementString(make, pool);
    SCOPED_TRACE(s.Bracketed);
    const TGS1Text text = ParseGS1(s.Bracketed);
    ASSERT_TRUE(text.Valid()) << text.Error;
    TBarcode_EAN128 bc(nullptr);
    const std::string modules = Modules(Encode(bc, text.Encoded, false).Pattern);

    // zint places its own separators; its checks are left out here (they
    // are this layer's to make and are tested on their own).
    const int mode = GS1_MODE | GS1NOCHECK_MODE | (s.Parens ? GS1PARENS_MODE : 0);
    const TZintSymbol zint = ZintEncode(BARCODE_GS1_128, s.Bracketed, {.InputMode = mode});
    ASSERT_LT(zint.Error, ZINT_ERROR);
    ASSERT_EQ(zint.Rows.size(), 1u);
    const std::vector<int> values = Values(modules);
    if (values == InZintsOrder(values))
      EXPECT_EQ(modules, zint.Rows[0]);
    else
      EXPECT_EQ(InZintsOrder(values), Values(zint.Rows[0]));

    const auto read = Read(modules);
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->symbologyIdentifier(), "]C1");
    EXPECT_EQ(read->bytes().asString(), s.Read);
  }
}
