#include "symbologies/pCode128.h"

#include <algorithm>
#include <utility>

#include "core/pCommon.h"

namespace tessel {

namespace {

bool IsEscapeChar(char C) { return std::string_view("1234abcs\\").find(C) != std::string_view::npos; }

// The look-ahead quantities of the subset choice at every position of a
// text, computed once from right to left, so that each encoding step asks in
// constant time what the rules would find by walking the rest of the text.
class TLookAhead {
 public:
  TLookAhead(const TCode128Scanned& Text, int Length)
      : text_(Text.Text),
        carried_(Text.Carried),
        n_(static_cast<std::size_t>(std::clamp<long long>(Length, 0, static_cast<long long>(Text.Text.size())))) {
    CountDigitRuns();
    MarkStarts();
    CountSingleSubSetRuns();
  }

  std::size_t Size() const { return n_; }
  std::size_t End() const { return end_; }
  char At(std::size_t i) const { return text_[i]; }
  int Low(std::size_t i) const { return static_cast<unsigned char>(text_[i]) & 0x7F; }
  bool Carried(std::size_t i) const { return i < carried_.size() && carried_[i]; }
  // A digit that may be paired in subset C.
  bool IsDigit(std::size_t i) const { return i < n_ && text_[i] >= '0' && text_[i] <= '9' && !Carried(i); }
  int RawRun(std::size_t i) const { return counts_[i].RawRun; }
  int CRun(std::size_t i) const { return counts_[i].CRun; }
  int AOnly(std::size_t i) const { return counts_[i].AOnly; }
  int BOnly(std::size_t i) const { return counts_[i].BOnly; }

  TCode128SubSet NextMode(std::size_t i, bool First) const {
    if (RawRun(i) % 2 == 0 && (CRun(i) >= 4 || (First && CRun(i) >= 2))) return cssSubSetC;
    if (BOnly(i) >= 2) return cssSubSetB;
    return AOnly(i) > 1 || AOnly(i) > BOnly(i) ? cssSubSetA : cssSubSetB;
  }

 private:
  // RawRun: the digits from each position on; CRun: the digits subset C
  // pairs there, reading through "\1" pairs between digit runs. One pass
  // from the right: each count needs only those to its right.
  void CountDigitRuns() {
    counts_.assign(n_ + 2, {});
    for (std::size_t i = n_ + 1; i-- > 0;) {
      TCounts& here = counts_[i];
      const int raw = here.RawRun = IsDigit(i) ? counts_[i + 1].RawRun + 1 : 0;
      here.Skip = i + 1 < n_ && text_[i] == '\\' && text_[i + 1] == '1' ? counts_[i + 2].Skip : i;
      const std::size_t j = i + static_cast<std::size_t>(raw), k = counts_[j].Skip;
      here.CRun = k != j && IsDigit(k) ? (raw + counts_[k].RawRun) & ~1 : raw & ~1;
    }
  }

  // Marks where each character or escape pair starts, read from the left;
  // an invalid escape or a trailing backslash ends the text for the encoder
  // and for the counts (end_).
  void MarkStarts() {
    end_ = n_;
    for (std::size_t i = 0; i < n_;) {
      if (text_[i] != '\\') {
        counts_[i++].Start = true;
      } else if (i + 1 < n_ && IsEscapeChar(text_[i + 1])) {
        counts_[i].Start = true;
        i += 2;
      } else {
        end_ = i;
        break;
      }
    }
  }

  // AOnly/BOnly: how many characters only subset A (B) has, ahead of each
  // position, before a character neither walk passes.
  void CountSingleSubSetRuns() {
    for (std::size_t p = n_; p-- > 0;) {
      TCounts& here = counts_[p];
      if (!here.Start) continue;
      if (text_[p] == '\\') {  // escape pairs neither count nor stop
        here.AOnly = counts_[p + 2].AOnly;
        here.BOnly = counts_[p + 2].BOnly;
        continue;
      }
      if (here.CRun > 3) continue;  // a run worth subset C stops both walks
      const int low = Low(p);
      if (low < 96) here.AOnly = (low < 32 ? 1 : 0) + counts_[p + 1].AOnly;
      if (low >= 32) here.BOnly = (low >= 96 ? 1 : 0) + counts_[p + 1].BOnly;
    }
  }

  std::string_view text_;
  const std::vector<bool>& carried_;
  std::size_t n_;
  std::size_t end_ = 0;
  // The counts at each position, in one allocation.
  struct TCounts {
    int RawRun = 0, CRun = 0, AOnly = 0, BOnly = 0;
    std::size_t Skip = 0;  // where the "\1" pairs from here end
    bool Start = false;    // a character or an escape pair starts here
  };
  std::vector<TCounts> counts_;
};

// The value of a character (low seven bits) in subset A or B.
int ValueIn(int Low, TCode128SubSet SubSet) {
  if (SubSet == cssSubSetA) return Low < 32 ? Low + 64 : Low - 32;
  return Low - 32;
}

// Whether a character (low seven bits) has a value of its own in subset A or B.
bool FitsIn(int Low, TCode128SubSet SubSet) { return SubSet == cssSubSetA ? Low < 96 : Low >= 32; }

// Writes the symbol values of a text one step at a time, keeping the current
// subset. Each step encodes what starts at a position and returns the next
// position; an invalid or trailing escape ends the text.
class TValueWriter {
 public:
  TValueWriter(const TLookAhead& Text, std::string& Values, TCode128SubSet Start)
      : text_(Text), values_(Values), current_(Start) {}

  TCode128SubSet SubSet() const { return current_; }

  std::size_t Step(std::size_t i) {
    if (text_.At(i) == '\\') return Escape(i);
    if (current_ != cssSubSetC && text_.CRun(i) >= 4) return EnterC(i);
    return current_ == cssSubSetC ? InC(i) : InAOrB(i);
  }

 private:
  void Emit(int Value) { values_.push_back(static_cast<char>(Value)); }

  void SwitchTo(TCode128SubSet SubSet) {
    if (current_ == SubSet) return;
    Emit(SubSet == cssSubSetA ? code128::CodeA : SubSet == cssSubSetB ? code128::CodeB : code128::CodeC);
    current_ = SubSet;
  }

  // Away from subset C, to the subset the text ahead of i asks for.
  void LeaveC(std::size_t i) { SwitchTo(text_.NextMode(i, false) == cssSubSetA ? cssSubSetA : cssSubSetB); }

  // A backslash escape: a function character, a subset change or a backslash.
  std::size_t Escape(std::size_t i) {
    if (i + 1 >= text_.Size() || !IsEscapeChar(text_.At(i + 1))) return text_.Size();
    const char e = text_.At(i + 1);
    if (current_ == cssSubSetC && std::string_view("234\\").find(e) != std::string_view::npos) LeaveC(i);
    switch (e) {
      case '1': Emit(code128::FNC1); break;
      case '2': Emit(code128::FNC2); break;
      case '3': Emit(code128::FNC3); break;
      case '4': Emit(current_ == cssSubSetA ? code128::CodeA : code128::CodeB); break;  // FNC4 of the subset
      case 'a': SwitchTo(cssSubSetA); break;
      case 'b': SwitchTo(cssSubSetB); break;
      case 'c': SwitchTo(cssSubSetC); break;
      case 's':
        if (current_ != cssSubSetC) Emit(code128::Shift);
        break;
      default: Emit(ValueIn('\\', current_)); break;  // "\\"
    }
    return i + 2;
  }

  // A digit run worth subset C: an odd leading digit stays in A or B.
  std::size_t EnterC(std::size_t i) {
    if (text_.RawRun(i) % 2 != 0) Emit(ValueIn(text_.Low(i++), current_));
    SwitchTo(cssSubSetC);
    return i;
  }

  // A digit pair, or the first character after the run.
  std::size_t InC(std::size_t i) {
    if (text_.IsDigit(i) && text_.IsDigit(i + 1)) {
      Emit((text_.At(i) - '0') * 10 + (text_.At(i + 1) - '0'));
      return i + 2;
    }
    LeaveC(i);
    Emit(ValueIn(text_.Low(i), current_));
    return i + 1;
  }

  // A character in A or B; one of the other subset alone is shifted, more switch.
  std::size_t InAOrB(std::size_t i) {
    const int low = text_.Low(i);
    if (!FitsIn(low, current_)) {
      const TCode128SubSet other = current_ == cssSubSetA ? cssSubSetB : cssSubSetA;
      const int aheadInOther = other == cssSubSetA ? text_.AOnly(i) : text_.BOnly(i);
      if (aheadInOther == 1) {
        Emit(code128::Shift);
        Emit(ValueIn(low, other));
        return i + 1;
      }
      SwitchTo(other);
    }
    Emit(ValueIn(low, current_));
    return i + 1;
  }

  const TLookAhead& text_;
  std::string& values_;
  TCode128SubSet current_;
};

// Builds a scanned text: plain characters as they stand, characters with the
// top bit through FNC4, each marked as carried so that it never pairs in C.
class TScanWriter {
 public:
  explicit TScanWriter(std::size_t Size) { result_.Text.reserve(Size + Size / 2); }

  void Plain(std::string_view S) {
    result_.Text += S;
    // Until a character is carried the marks stay empty (missing entries
    // are false), which is the whole text in the common case.
    if (!result_.Carried.empty()) result_.Carried.resize(result_.Text.size(), false);
  }

  // A run of characters with the top bit: a long run (more than four, or
  // more than two at the end) between FNC4 pairs that latch, a short one with
  // an FNC4 before each character. The latch at the end stays open.
  void HighRun(std::string_view Run, bool AtEnd) {
    if ((!AtEnd && Run.size() > 4) || (AtEnd && Run.size() > 2)) {
      Plain("\\4\\4");
      for (char c : Run) Carry(c);
      if (!AtEnd) Plain("\\4\\4");
      return;
    }
    for (char c : Run) {
      Plain("\\4");
      Carry(c);
    }
  }

  TCode128Scanned Take() { return std::move(result_); }

 private:
  // A character without its top bit; a backslash is written as the escape
  // "\\" so that it stays that character instead of starting an escape.
  void Carry(char C) {
    const char low = static_cast<char>(static_cast<unsigned char>(C) & 0x7F);
    const std::size_t start = result_.Text.size();
    if (low == '\\')
      result_.Text += "\\\\";
    else
      result_.Text += low;
    result_.Carried.resize(start, false);
    result_.Carried.resize(result_.Text.size(), true);
  }

  TCode128Scanned result_;
};

}  // namespace

void TBarcode_Code128::SetInitialSubSet(TCode128SubSet Value) { SetComposite(initialSubSet_, Value, false); }

void TBarcode_Code128::Assign(const TPersistent* Source) {
  const auto* source = dynamic_cast<const TBarcode_Code128*>(Source);
  if (!source) return;
  initialSubSet_ = source->initialSubSet_;
  TBarcode::Assign(Source);
}

int TBarcode_Code128::VerifyAllChars(const std::string& Barcode, bool) {
  const std::size_t n = Barcode.size();
  for (std::size_t i = 0; i < n; ++i) {
    if (Barcode[i] != '\\') continue;
    if (i + 1 == n) return static_cast<int>(i + 1);
    if (!IsEscapeChar(Barcode[i + 1])) return static_cast<int>(i + 2);
    ++i;  // the escape pair as a whole
  }
  return 0;
}

TCode128Scanned TBarcode_Code128::BarcodeScan(std::string_view Barcode, int Length) {
  const std::size_t n = std::min(Barcode.size(), static_cast<std::size_t>(std::max(Length, 0)));
  TScanWriter writer(n);
  const auto high = [&](std::size_t i) { return static_cast<unsigned char>(Barcode[i]) >= 128; };
  for (std::size_t i = 0; i < n;) {
    std::size_t j = i;
    while (j < n && high(j) == high(i)) ++j;
    if (high(i))
      writer.HighRun(Barcode.substr(i, j - i), j == n);
    else
      writer.Plain(Barcode.substr(i, j - i));
    i = j;
  }
  return writer.Take();
}

TCode128SubSet TBarcode_Code128::GetNextMode(const TCode128Scanned& Text, int Length, bool First, int Position) {
  const TLookAhead text(Text, Length);
  const std::size_t i = std::min(static_cast<std::size_t>(std::max(Position, 1) - 1), text.Size());
  return text.NextMode(i, First);
}

void TBarcode_Code128::Encode(const TCode128Scanned& Text, int Length, std::string& Values, TCode128SubSet& StartSubSet,
                              TCode128SubSet& FinalSubSet, TCode128SubSet InitialSubSet) {
  const TLookAhead text(Text, Length);
  Values.clear();
  Values.reserve(text.Size() + 8);
  TValueWriter writer(text, Values, InitialSubSet == cssSubAuto ? text.NextMode(0, true) : InitialSubSet);
  StartSubSet = writer.SubSet();
  for (std::size_t i = 0; i < text.Size();) i = writer.Step(i);
  FinalSubSet = writer.SubSet();
}

std::string TBarcode_Code128::GetCheckSumChar(int Value, TCode128SubSet SubSet) {
  static constexpr std::string_view functionsA[] = {"\\3", "\\2", "\\s", "\\c", "\\b", "\\4", "\\1"};
  static constexpr std::string_view functionsB[] = {"\\3", "\\2", "\\s", "\\c", "\\4", "\\a", "\\1"};
  if (Value < 0 || Value > 102) return {};
  if (SubSet == cssSubSetC) {
    if (Value < 100) return std::string{static_cast<char>('0' + Value / 10), static_cast<char>('0' + Value % 10)};
    return Value == 100 ? "\\b" : Value == 101 ? "\\a" : "\\1";
  }
  if (Value >= 96) return std::string((SubSet == cssSubSetA ? functionsA : functionsB)[Value - 96]);
  const char c = static_cast<char>(SubSet == cssSubSetA && Value >= 64 ? Value - 64 : Value + 32);
  return c == '\\' ? "\\\\" : std::string(1, c);  // a backslash is written escaped
}

std::string Code128Pattern(std::string_view Values) {
  std::string widths;
  widths.reserve(Values.size() * 6 + 1);
  for (char v : Values) widths += Tabelle_Code128[std::min<std::size_t>(static_cast<unsigned char>(v), 106)];
  widths += TerminationBar;
  return ConvertToInternalFormat(std::move(widths));
}

std::string TBarcode_Code128::MakeData(const std::string& Barcode, bool AutoCheckDigit, std::string& FullEncoded) {
  const TCode128Scanned scanned = BarcodeScan(Barcode, static_cast<int>(Barcode.size()));
  std::string values;
  Encode(scanned, static_cast<int>(scanned.Text.size()), values, startSubSet_, finalSubSet_, initialSubSet_);

  const int start = code128::StartA + (startSubSet_ - cssSubSetA);
  std::int64_t sum = start;
  for (std::size_t k = 0; k < values.size(); ++k)
    sum += static_cast<std::int64_t>(k + 1) * static_cast<unsigned char>(values[k]);
  checkSum_ = sum;
  symbolCharCount_ = static_cast<int>(values.size()) + 1;

  FullEncoded = Barcode;
  values.insert(values.begin(), static_cast<char>(start));
  if (AutoCheckDigit) {
    const int check = static_cast<int>(sum % 103);
    values += static_cast<char>(check);
    FullEncoded += GetCheckSumChar(check, finalSubSet_);
  }
  values += static_cast<char>(code128::Stop);
  return Code128Pattern(values);
}

// ---- composite hooks ----

void TBarcode_Code128::GetCompositeExtents(const TBarcodeParameters& Parameters, int& LeftExtent, int& RightExtent) {
  LeftExtent = Parameters.LeftZoneWidth + Parameters.LeftOffset;
  RightExtent = Parameters.TotalWidth - Parameters.SymbolWidth - LeftExtent;
}

// ---- published properties ----

namespace {
const TPropInfo properties[] = {
    Published<&TBarcode_Code128::InitialSubSet, &TBarcode_Code128::SetInitialSubSet>("InitialSubSet"),
    BarcodeProperty(),
    RatioProperty(),
    AutoCheckDigitProperty(),
    TextHSpacingProperty(),
};
}  // namespace

const TClassInfo TBarcode_Code128::ClassInfo{"TBarcode_Code128", &TBarcode::ClassInfo, properties,
                                             &NewComponent<TBarcode_Code128>};
TESSEL_REGISTER(TBarcode_Code128);

}  // namespace tessel
