// The "Print parameters:" grid's rows: six measures in millimetres and an
// angle, with the spinner's limits and the value used when a cell does not
// read as a number.
#pragma once

#include <QString>
#include <array>
#include <string_view>

namespace tessel::generator {

struct TPrintParameterLimit {
  std::string_view Name;
  std::string_view InitialValue;
  int Digits;            // decimals; spinner positions are value x 10^Digits
  int SpinMin, SpinMax;  // the spinner's range (typed values are not bounded)
  double Fallback;       // used when the cell is not a number
};

// Rows 1 to 6 of the grid, addressed by position.
enum TPrintRow { prModule = 1, prLeft, prTop, prHeight, prWidth, prAngle };

inline constexpr std::array<TPrintParameterLimit, 6> PrintParameterLimits{{
    {"Modul", "0.2", 2, 1, 100, 0.2},
    {"Left", "20", 1, 1, 200, 20},
    {"Top", "20", 1, 1, 200, 20},
    {"Height", "15", 1, 1, 200, 20},
    {"Width", "0", 1, 0, 200, 0},
    {"Angle", "0", 1, 0, 3600, 0},
}};

inline const TPrintParameterLimit& PrintLimit(int Row) {
  return PrintParameterLimits.at(static_cast<std::size_t>(Row - 1));
}

// 10 to the power n.
int TenPower(int n);

// The cell of a print row as a number, or the row's fallback.
double PrintValue(int Row, const QString& Cell);
// The angle cell in whole degrees: a number rounded to the nearest degree,
// 0 when the cell is not a number.
int PrintAngle(const QString& Cell);
// A spinner position as cell text with Digits decimals ("0.21", "2.1").
QString SpinnerText(int Position, int Digits);

}  // namespace tessel::generator
