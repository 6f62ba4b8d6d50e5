// The "Print parameters:" grid's rows: measures in millimetres, an angle in
// degrees and a resolution in dpi, with the spinner's limits and the value
// used when a cell does not read as a number.
#pragma once

#include <QString>
#include <array>
#include <optional>
#include <string_view>

namespace tessel::generator {

struct TPrintParameterLimit {
  std::string_view Name;
  std::string_view InitialValue;
  int Digits;            // decimals; spinner positions are value x 10^Digits
  int SpinMin, SpinMax;  // the spinner's range (typed values are not bounded)
  double Fallback;       // used when the cell is not a number
};

// Rows 1 to 8 of the grid, addressed by position. Print takes the first
// seven (at the printer's own resolution); Save takes the module, height,
// width, reduction and resolution.
enum TPrintRow { prModule = 1, prLeft, prTop, prHeight, prWidth, prAngle, prReduction, prDpi, prLast = prDpi };

inline constexpr std::array<TPrintParameterLimit, prLast> PrintParameterLimits{{
    {"Modul", "0.2", 2, 1, 100, 0.2},
    {"Left", "20", 1, 1, 200, 20},
    {"Top", "20", 1, 1, 200, 20},
    {"Height", "15", 1, 1, 200, 20},
    {"Width", "0", 1, 0, 200, 0},
    {"Angle", "0", 1, 0, 3600, 0},
    {"Reduction", "0", 3, 0, 200, 0},
    {"Dpi", "300", 0, 72, 2400, 300},
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
// The resolution cell in whole dots per inch: a number rounded to the
// nearest dot, the fallback when the cell is not a number or beyond int.
int PrintDpi(const QString& Cell);
// Millimetres as the writers take them at Dpi: the nearest whole number of
// dots, at least one; none when Millimetres is not above 0, Dpi is outside
// the writers' range, or the length would take more than Limit dots.
std::optional<int> DotsWithin(double Millimetres, int Dpi, int Limit);
// A spinner position as cell text with Digits decimals ("0.21", "2.1").
QString SpinnerText(int Position, int Digits);

}  // namespace tessel::generator
