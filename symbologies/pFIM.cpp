#include "symbologies/pFIM.h"

#include <array>

namespace tessel {
namespace {

// The mark letters and their patterns, one module an element ('5' bar, '0'
// space): the bars fall on the odd positions of the mark only.
constexpr std::string_view CharSet_FIM = "ABCD";
constexpr std::array<std::string_view, 4> Tabelle_FIM = {
    "5000005000005",  // [0] A
    "0050500050500",  // [1] B
    "5000500050005",  // [2] C
    "5050005000505",  // [3] D
};
constexpr std::string_view MarkStart = "50";
constexpr std::string_view MarkStop = "05";
constexpr std::string_view NoMark = "E";

}  // namespace

TBarcode_FIM::TBarcode_FIM(TComponent* AOwner) : TBarcode(AOwner) { SetBarcode(std::string(NoMark)); }

std::string TBarcode_FIM::GetFIMType() const {
  return Barcode().empty() ? std::string(NoMark) : Barcode().substr(0, 1);
}

std::string TBarcode_FIM::MakeData(const std::string& Barcode, bool, std::string& FullEncoded) {
  FullEncoded.clear();
  const std::size_t type = Barcode.empty() ? std::string_view::npos : CharSet_FIM.find(Barcode[0]);
  if (type == std::string_view::npos) return {};
  FullEncoded = Barcode.substr(0, 1);
  std::string pattern;
  pattern.reserve(MarkStart.size() + Tabelle_FIM[type].size() + MarkStop.size());
  pattern += MarkStart;
  pattern += Tabelle_FIM[type];
  pattern += MarkStop;
  return pattern;
}

namespace {
const TPropInfo properties[] = {
    Published<&TBarcode_FIM::GetFIMType, &TBarcode_FIM::SetFIMType>("FIMType"),
    TextHSpacingProperty(),
};
}  // namespace

const TClassInfo TBarcode_FIM::ClassInfo{"TBarcode_FIM", &TBarcode::ClassInfo, properties, &NewComponent<TBarcode_FIM>};
TESSEL_REGISTER(TBarcode_FIM);

}  // namespace tessel
