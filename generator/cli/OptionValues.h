// The values of stripemaker's options: whole numbers and decimals within a
// range, the output's resolution, and the usage error that ends the run
// when a value or a combination of options does not fit.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "generator/cli/OptionParser.h"

namespace tessel::generator {

// A failure that ends the run with an exit status and a message.
struct TExit {
  int Status;
  std::string Message;
};

// An option's whole number from Min to Max, or a usage error with Message
// and the value given.
int NumberOption(const TOptionParser& Parser, std::string_view Name, int Min, int Max, const std::string& Message);

// A decimal option from Min to Max, or a usage error naming the range.
double DecimalOption(const TOptionParser& Parser, std::string_view Name, double Min, double Max);

// The resolution of the output: given, or that of a label printer when the
// symbol is sized in physical units, else a screen's.
int DpiOption(const TOptionParser& Parser);

// A usage error for the first of Options given without what they need.
void RequireNone(const TOptionParser& Parser, std::span<const std::string_view> Options, const char* Needed);

}  // namespace tessel::generator
