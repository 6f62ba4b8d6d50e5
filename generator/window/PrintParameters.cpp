#include "generator/window/PrintParameters.h"

#include <cmath>

#include "generator/PropertyApply.h"

namespace tessel::generator {

int TenPower(int n) {
  int result = 1;
  for (int i = 0; i < n; ++i) result *= 10;
  return result;
}

double PrintValue(int Row, const QString& Cell) {
  return FloatOrDefault(Trim(Cell.toStdString()), PrintLimit(Row).Fallback);
}

int PrintAngle(const QString& Cell) {
  const double degrees = FloatOrDefault(Trim(Cell.toStdString()), PrintLimit(prAngle).Fallback);
  // Any real angle works; the bound only keeps the conversion defined.
  return std::abs(degrees) < 1e9 ? static_cast<int>(std::lround(degrees)) : 0;
}

QString SpinnerText(int Position, int Digits) {
  return QString::asprintf("%-1.*f", Digits, static_cast<double>(Position) / TenPower(Digits));
}

}  // namespace tessel::generator
