#include "gs1/pGS1.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>

#include "check/pCheck.h"
#include "symbologies/pEAN128.h"

namespace tessel {

namespace {

// The GS1 AI encodable character set 82, in the order of its values (the
// check character pair weighs each character by its place here).
constexpr std::string_view cset82 =
    "!\"%&'()*+,-./0123456789:;<=>?ABCDEFGHIJKLMNOPQRSTUVWXYZ_abcdefghijklmnopqrstuvwxyz";
constexpr std::string_view cset39 = "#-/0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
constexpr std::string_view base64url = "-0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ_abcdefghijklmnopqrstuvwxyz";
constexpr std::string_view cset32 = "23456789ABCDEFGHJKLMNPQRSTUVWXYZ";

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool AllDigits(std::string_view s) { return std::all_of(s.begin(), s.end(), IsDigit); }
long long Number(std::string_view digits) {
  long long n = 0;
  for (char c : digits) n = n * 10 + (c - '0');
  return n;
}
std::string Quoted(char c) { return std::string("'") + c + "'"; }

// The first character outside the set; offset is the data's place in the element's.
std::string CharSetError(TGS1CharSet set, std::string_view data, std::size_t offset) {
  static constexpr std::string_view names[] = {"not a digit", "not in the GS1 character set 82",
                                               "not in the GS1 character set 39", "not a base64url character"};
  const std::string_view allowed = set == csNumeric  ? std::string_view("0123456789")
                                   : set == csCset82 ? cset82
                                   : set == csCset39 ? cset39
                                                     : base64url;
  for (std::size_t i = 0; i < data.size(); ++i)
    if (allowed.find(data[i]) == std::string_view::npos)
      return "character " + std::to_string(offset + i + 1) + " " + Quoted(data[i]) + " is " + std::string(names[set]);
  return "";
}

// A date YYMMDD (or YYYYMMDD); a day 00 stands for the whole month when allowed.
std::string DateError(std::string_view date, bool dayZeroAllowed) {
  const std::size_t y = date.size() - 4;
  const long long year = Number(date.substr(0, y)), month = Number(date.substr(y, 2)), day = Number(date.substr(y + 2));
  if (month < 1 || month > 12) return "month " + std::string(date.substr(y, 2)) + " is not a month";
  if (day == 0 && dayZeroAllowed) return "";
  // Two-digit years lie within a century that holds the current one; either
  // way 00 is a leap year (2000).
  const bool leap = y == 2 ? year % 4 == 0 : (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const int last = days[month - 1] + (month == 2 && leap ? 1 : 0);
  if (day < 1 || day > last)
    return "day " + std::string(date.substr(y + 2)) + " is not a day of month " + std::string(date.substr(y, 2));
  return "";
}

std::string RangeError(std::string_view digits, long long high, const char* what) {
  if (Number(digits) > high) return std::string(digits) + " is not " + what;
  return "";
}

// The check character pair of the last two characters: each other character's
// value in set 82 weighed by the primes from 2 upwards from the right, modulo
// 1021, written as two characters of set 32.
std::string CheckPairError(std::string_view data) {
  if (data.size() < 3) return "too short for its check character pair";
  static constexpr int primes[] = {2,  3,  5,  7,  11, 13, 17, 19, 23, 29, 31, 37, 41,
                                   43, 47, 53, 59, 61, 67, 71, 73, 79, 83, 89, 97};
  int sum = 0;
  const std::size_t n = data.size() - 2;
  for (std::size_t i = 0; i < n && i < std::size(primes); ++i)
    sum += static_cast<int>(cset82.find(data[n - 1 - i])) * primes[i];
  sum %= 1021;
  const std::string expected = {cset32[static_cast<std::size_t>(sum / 32)], cset32[static_cast<std::size_t>(sum % 32)]};
  if (data.substr(n) != expected) return "check characters " + std::string(data.substr(n)) + ", expected " + expected;
  return "";
}

// An IBAN: country letters, two check digits, then letters and digits whose
// rearranged number leaves 1 modulo 97.
std::string IbanError(std::string_view iban) {
  if (iban.size() < 5) return "too short for an IBAN";
  for (std::size_t i = 0; i < iban.size(); ++i) {
    const char c = iban[i];
    const bool upper = c >= 'A' && c <= 'Z';
    if (i < 2 ? !upper : i < 4 ? !IsDigit(c) : !(upper || IsDigit(c)))
      return "character " + std::to_string(i + 1) + " " + Quoted(c) + " does not fit an IBAN";
  }
  int remainder = 0;
  const std::string rearranged = std::string(iban.substr(4)) + std::string(iban.substr(0, 4));
  for (char c : rearranged)
    remainder = IsDigit(c) ? (remainder * 10 + (c - '0')) % 97 : (remainder * 100 + (c - 'A' + 10)) % 97;
  if (remainder != 1) return "IBAN check digits " + std::string(iban.substr(2, 2)) + " do not hold";
  return "";
}

// The checks of one component on its part of the data. Checks against code
// lists (countries, currencies, media and package types, company prefixes,
// coupons) are not made.
std::string ComponentError(const TGS1Component& c, std::string_view part) {
  using enum TGS1Check;
  if (c.Has(csum)) {
    const char expected = Mod10RightOdd3WeightCom_Check(part.substr(0, part.size() - 1));
    if (part.back() != expected)
      return "check digit " + std::string(1, part.back()) + ", expected " + std::string(1, expected);
  }
  if (c.Has(csumalpha)) return CheckPairError(part);
  if (c.Has(yymmd0) || c.Has(yymmdd) || c.Has(yyyymmdd)) return DateError(part, c.Has(yymmd0));
  if (c.Has(hhmi)) {
    if (auto e = RangeError(part.substr(0, 2), 23, "an hour"); !e.empty()) return e;
    return RangeError(part.substr(2), 59, "a minute");
  }
  if (c.Has(hh)) return RangeError(part, 23, "an hour");
  if (c.Has(mi)) return RangeError(part, 59, "a minute");
  if (c.Has(ss)) return RangeError(part, 59, "a second");
  if (c.Has(nonzero) && Number(part) == 0) return std::string(part) + " must not be zero";
  if (c.Has(zero) && part != "0") return std::string(part) + " must be 0";
  if (c.Has(yesno) && part != "0" && part != "1") return std::string(part) + " is neither 0 nor 1";
  if (c.Has(winding) && part != "0" && part != "1" && part != "9") return std::string(part) + " is not 0, 1 or 9";
  if (c.Has(iso5218) && std::string_view("0129").find(part) == std::string_view::npos)
    return std::string(part) + " is not 0, 1, 2 or 9";
  if (c.Has(latitude)) return RangeError(part, 1800000000, "a latitude");    // +90 degrees, shifted
  if (c.Has(longitude)) return RangeError(part, 3600000000, "a longitude");  // +180 degrees, shifted
  if (c.Has(pieceoftotal)) {
    const long long piece = Number(part.substr(0, 2)), total = Number(part.substr(2));
    if (piece == 0 || total == 0 || piece > total)
      return "piece " + std::string(part.substr(0, 2)) + " of " + std::string(part.substr(2)) +
             " is not a piece of the total";
  }
  if (c.Has(hyphen) && part.find_first_not_of('-') != std::string_view::npos) return "only '-' may follow";
  if (c.Has(nozeroprefix) && part.size() > 1 && part[0] == '0') return "must not start with 0";
  if (c.Has(hasnondigit) && AllDigits(part)) return "needs a character that is not a digit";
  if (c.Has(pcenc))
    for (std::size_t i = 0; i < part.size(); ++i)
      if (part[i] == '%' && (i + 2 >= part.size() || !std::isxdigit(static_cast<unsigned char>(part[i + 1])) ||
                             !std::isxdigit(static_cast<unsigned char>(part[i + 2]))))
        return "character " + std::to_string(i + 1) + " '%' does not start a percent escape";
  if (c.Has(posinseqslash)) {
    if (part.size() != 3 || !IsDigit(part[0]) || part[1] != '/' || !IsDigit(part[2]) || part[0] == '0' ||
        part[0] > part[2])
      return std::string(part) + " is not a position n/m in a sequence";
  }
  if (c.Has(iban)) return IbanError(part);
  return "";
}

// True when the AI matches a dictionary pattern, where "n" stands for any digit.
bool Matches(std::string_view pattern, std::string_view ai) {
  if (pattern.size() != ai.size()) return false;
  for (std::size_t i = 0; i < ai.size(); ++i)
    if (pattern[i] != 'n' && pattern[i] != ai[i]) return false;
  return true;
}

bool AnyMatches(std::string_view pattern, const std::vector<TGS1Element>& elements) {
  return std::any_of(elements.begin(), elements.end(), [&](const TGS1Element& e) { return Matches(pattern, e.Ai); });
}

template <class F>
void Split(std::string_view text, char separator, F each) {
  while (!text.empty()) {
    const std::size_t end = text.find(separator);
    each(text.substr(0, end));
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
}

// "(01), (02) or (03)" from "01,02,03".
std::string Alternatives(std::string_view list, const char* last) {
  std::vector<std::string> names;
  Split(list, ',', [&](std::string_view alternative) {
    std::string name;
    Split(alternative, '+',
          [&](std::string_view ai) { name += (name.empty() ? "(" : " with (") + std::string(ai) + ")"; });
    names.push_back(name);
  });
  std::string text;
  for (std::size_t i = 0; i < names.size(); ++i)
    text += (i == 0 ? "" : i + 1 == names.size() ? std::string(" ") + last + " " : ", ") + names[i];
  return text;
}

// What the element's requires and excludes relations say about the others.
std::string RelationError(const TGS1Element& element, const std::vector<TGS1Element>& elements) {
  std::string error;
  Split(element.Entry->Requires, ';', [&](std::string_view group) {
    bool held = false;
    Split(group, ',', [&](std::string_view alternative) {
      bool all = true;
      Split(alternative, '+', [&](std::string_view ai) { all = all && AnyMatches(ai, elements); });
      held = held || all;
    });
    if (!held && error.empty()) error = "needs " + Alternatives(group, "or");
  });
  if (!error.empty()) return error;
  Split(element.Entry->Excludes, ',', [&](std::string_view pattern) {
    for (const TGS1Element& other : elements)
      if (other.Ai != element.Ai && Matches(pattern, other.Ai) && error.empty())
        error = "cannot appear with (" + other.Ai + ")";
  });
  return error;
}

std::string Prefix(const TGS1Element& e) { return "(" + e.Ai + ") " + e.Data + ": "; }

// Why an AI of 2 to 4 digits that the table does not hold is not known: a
// decimal point position beyond its family's, or no such AI.
std::string UnknownAiError(std::string_view ai) {
  const auto entries = GS1Entries();
  const auto family = std::find_if(entries.begin(), entries.end(), [&](const TGS1Entry& e) {
    return e.Decimals >= 0 && e.Ai.size() == ai.size() && e.Ai.substr(0, 3) == ai.substr(0, 3);
  });
  if (ai.size() == 4 && family != entries.end()) {
    int highest = 0;
    for (const TGS1Entry& e : entries)
      if (e.Decimals >= 0 && e.Ai.substr(0, 3) == ai.substr(0, 3)) highest = std::max<int>(highest, e.Decimals);
    return "decimal point position " + std::string(1, ai[3]) + " is beyond " + std::string(ai.substr(0, 3)) +
           "n's 0 to " + std::to_string(highest);
  }
  return "unknown AI";
}

}  // namespace

const TGS1Entry* FindGS1Entry(std::string_view Ai) {
  const auto entries = GS1Entries();
  const auto it = std::lower_bound(entries.begin(), entries.end(), Ai,
                                   [](const TGS1Entry& e, std::string_view ai) { return e.Ai < ai; });
  return it != entries.end() && it->Ai == Ai ? &*it : nullptr;
}

std::string CheckGS1Data(const TGS1Entry& Entry, std::string_view Data) {
  if (Data.empty()) return "no data";
  std::string_view rest = Data;
  for (std::size_t k = 0; k < Entry.ComponentCount; ++k) {
    const TGS1Component& c = Entry.Components[k];
    if (rest.empty() && c.Optional) break;
    const std::size_t taken = std::min<std::size_t>(rest.size(), c.MaxLength);
    if (taken < c.MinLength) {
      std::size_t fixed = 0;
      for (std::size_t j = 0; j < Entry.ComponentCount && !Entry.Components[j].Optional; ++j)
        fixed += Entry.Components[j].MinLength;
      return std::to_string(Data.size()) + " characters, at least " + std::to_string(fixed) + " expected";
    }
    const std::string_view part = rest.substr(0, taken);
    const std::size_t offset = static_cast<std::size_t>(part.data() - Data.data());
    if (std::string e = CharSetError(c.Set, part, offset); !e.empty()) return e;
    if (std::string e = ComponentError(c, part); !e.empty()) return e;
    rest.remove_prefix(taken);
  }
  if (!rest.empty()) {
    std::size_t most = 0;
    for (std::size_t k = 0; k < Entry.ComponentCount; ++k) most += Entry.Components[k].MaxLength;
    return std::to_string(Data.size()) + " characters, at most " + std::to_string(most) + " allowed";
  }
  return "";
}

TGS1Text ParseGS1(std::string_view Text) {
  TGS1Text result;
  if (Text.empty() || (Text[0] != '(' && Text[0] != '[')) {
    result.Error = "an element string starts with '(' or '[' and an AI";
    return result;
  }
  const char open = Text[0], close = open == '(' ? ')' : ']';
  std::size_t i = 0;
  while (i < Text.size()) {
    const std::size_t end = Text.find(close, i + 1);
    if (Text[i] != open || end == std::string_view::npos) {
      result.Error = "character " + std::to_string(i + 1) + ": an AI in " + std::string(1, open) +
                     std::string(1, close) + " was expected";
      return result;
    }
    TGS1Element element;
    element.Ai = Text.substr(i + 1, end - i - 1);
    const std::size_t next = std::min(Text.find(open, end + 1), Text.size());
    element.Data = Text.substr(end + 1, next - end - 1);
    i = next;
    if (element.Ai.size() < 2 || element.Ai.size() > 4 || !AllDigits(element.Ai)) {
      result.Error = Prefix(element) + "an AI has 2 to 4 digits";
      return result;
    }
    element.Entry = FindGS1Entry(element.Ai);
    if (!element.Entry) {
      result.Error = Prefix(element) + UnknownAiError(element.Ai);
      return result;
    }
    if (std::string e = CheckGS1Data(*element.Entry, element.Data); !e.empty()) {
      result.Error = Prefix(element) + e;
      return result;
    }
    for (const TGS1Element& earlier : result.Elements)
      if (earlier.Ai == element.Ai && earlier.Data != element.Data) {
        result.Error = Prefix(element) + "(" + element.Ai + ") appears before with other data, " + earlier.Data;
        return result;
      }
    result.Elements.push_back(std::move(element));
  }
  for (const TGS1Element& element : result.Elements)
    if (std::string e = RelationError(element, result.Elements); !e.empty()) {
      result.Error = Prefix(element) + e;
      return result;
    }
  std::size_t characters = 0;
  for (std::size_t k = 0; k < result.Elements.size(); ++k) {
    const TGS1Element& e = result.Elements[k];
    const bool separated = e.Entry->Fnc1 && k + 1 < result.Elements.size();
    result.Encoded += e.Ai + e.Data + (separated ? "\\1" : "");
    result.HumanReadable += "(" + e.Ai + ")" + e.Data;
    characters += e.Ai.size() + e.Data.size() + (separated ? 1 : 0);
  }
  if (characters > GS1MaxDataCharacters)
    result.Error =
        std::to_string(characters) + " data characters; GS1-128 holds at most " + std::to_string(GS1MaxDataCharacters);
  return result;
}

std::string SetGS1Text(TBarcode_EAN128& Barcode, std::string_view Text) {
  const TGS1Text parsed = ParseGS1(Text);
  if (!parsed.Valid()) return parsed.Error;
  Barcode.SetAutoCheckDigit(false);
  Barcode.SetDisplayText(dtBarcode);
  // The bracketed text is shown while the component keeps the encoded text;
  // another text set later is shown as it is.
  Barcode.OnDrawText = [encoded = parsed.Encoded, shown = parsed.HumanReadable](
                           TObject* Sender, TCanvas&, TDrawTextStep Step, TBarcodeCustomParameters& Parameters, bool&,
                           TPoint&, TPoint&, std::span<const int>&) {
    const auto* barcode = dynamic_cast<const TBarcode*>(Sender);
    if (Step == dtsPrepare && barcode && barcode->Barcode() == encoded) Parameters.Text = shown;
  };
  Barcode.SetBarcode(parsed.Encoded);
  return "";
}

}  // namespace tessel
