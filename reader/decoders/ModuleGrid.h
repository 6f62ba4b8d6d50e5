// Codes drawn on a grid of modules whose bars are one module wide: their
// elements turned into a row of modules.
#pragma once

#include <optional>
#include <span>
#include <string>

namespace tessel {

// The median bar width: the module, where most bars are one module wide.
double MedianBarWidth(std::span<const double> Widths);

// The elements laid on a grid of Modules modules spanning them all, each
// edge on the nearest module boundary: 'B' for a bar module, '.' for a
// space module. None when an element would vanish.
std::optional<std::string> ModuleRow(std::span<const double> Widths, int Modules);

}  // namespace tessel
