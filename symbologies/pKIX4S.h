// KIX: the Dutch four-state customer code (digits and upper-case letters, no
// start or stop bar, no check character). It is the family base of RM4SCC,
// which shares its character table.
#pragma once

#include <string_view>

#include "components/pBarcode.h"

namespace tessel {

class TBarcode_KIX4S : public TBarcode {
  TESSEL_CLASS_INFO
 public:
  using TBarcode::TBarcode;

  bool VerifyChar(const std::string& Barcode, int Index, bool AutoCheckDigit) override;
  std::string MakeData(const std::string& Barcode, bool AutoCheckDigit, std::string& FullEncoded) override;
  bool IsMultiState() override { return true; }

 protected:
  // The characters' patterns, in order, appended to Pattern.
  static void AppendCharPatterns(std::string_view FullEncoded, std::string& Pattern);
  // The 0-based position of C in the character set (row-major in the six by
  // six arrangement), or npos.
  static std::size_t CharValue(char C);
  // The character at a 0-based position of the character set.
  static char CharAt(std::size_t Value);
  static constexpr std::size_t CharPatternLength = 8;
  static constexpr std::size_t GridSize = 6;
};

}  // namespace tessel
