#include "generator/window/PrintParameters.h"

#include <cmath>

#include "generator/PropertyApply.h"
#include "output/OutputSettings.h"

namespace tessel::generator {

int TenPower(int n) {
  int result = 1;
  for (int i = 0; i < n; ++i) result *= 10;
  return result;
}

double PrintValue(int Row, const QString& Cell) {
  return FloatOrDefault(Trim(Cell.toStdString()), PrintLimit(Row).Fallback);
}

namespace {

// The cell of a row rounded to a whole number; the row's fallback when the
// number is too large for the conversion to be defined.
int WholePrintValue(int Row, const QString& Cell) {
  constexpr double Bound = 1e9;
  const double value = PrintValue(Row, Cell);
  return std::abs(value) < Bound ? static_cast<int>(std::lround(value))
                                 : static_cast<int>(std::lround(PrintLimit(Row).Fallback));
}

}  // namespace

int PrintAngle(const QString& Cell) { return WholePrintValue(prAngle, Cell); }

int PrintDpi(const QString& Cell) { return WholePrintValue(prDpi, Cell); }

std::optional<int> DotsWithin(double Millimetres, int Dpi, int Limit) {
  if (!(Millimetres > 0) || Dpi < MinDpi || Dpi > MaxDpi) return std::nullopt;
  const TLength length = tessel::Millimetres(Millimetres);
  if (!(length.Dots(Dpi) <= Limit)) return std::nullopt;
  return WholeDots(length, Dpi);
}

QString SpinnerText(int Position, int Digits) {
  return QString::asprintf("%-1.*f", Digits, static_cast<double>(Position) / TenPower(Digits));
}

}  // namespace tessel::generator
