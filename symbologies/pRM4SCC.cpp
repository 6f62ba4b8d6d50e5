#include "symbologies/pRM4SCC.h"

namespace tessel {
namespace {

constexpr std::string_view StartBar = "T0";  // ascender and space
constexpr std::string_view StopBar = "I";    // full bar

}  // namespace

// Rows and columns are counted 1 to 6 and summed modulo 6 (the sixth row or
// column adds 0); a sum of 0 stands for row or column 6.
std::string TBarcode_RM4SCC::AppendCheckDigit(const std::string& Barcode) {
  std::size_t rows = 0, columns = 0;
  for (const char c : Barcode) {
    const std::size_t value = CharValue(c);
    if (value == std::string_view::npos) continue;  // validation rejects these beforehand
    rows += value / GridSize + 1;
    columns += value % GridSize + 1;
  }
  // Row (or column) 6 is the sum's remainder 0, so the 0-based index is the
  // remainder minus one, taken cyclically.
  const std::size_t row = (rows + GridSize - 1) % GridSize, column = (columns + GridSize - 1) % GridSize;
  return Barcode + CharAt(row * GridSize + column);
}

std::string TBarcode_RM4SCC::MakeData(const std::string& Barcode, bool AutoCheckDigit, std::string& FullEncoded) {
  const std::string characters = TBarcode_KIX4S::MakeData(Barcode, AutoCheckDigit, FullEncoded);
  std::string pattern;
  pattern.reserve(StartBar.size() + characters.size() + StopBar.size());
  pattern.append(StartBar).append(characters).append(StopBar);
  return pattern;
}

namespace {
const TPropInfo properties[] = {AutoCheckDigitProperty()};
}  // namespace

const TClassInfo TBarcode_RM4SCC::ClassInfo{"TBarcode_RM4SCC", &TBarcode_KIX4S::ClassInfo, properties,
                                            &NewComponent<TBarcode_RM4SCC>};
TESSEL_REGISTER(TBarcode_RM4SCC);

}  // namespace tessel
