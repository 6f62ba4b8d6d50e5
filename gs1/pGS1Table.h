// The GS1 application identifiers (AIs) as the GS1 Barcode Syntax Dictionary
// describes them: one row per AI, generated into pGS1Table.cpp by
// scripts/gs1-table.py from the dictionary (GS1, Apache License 2.0).
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace tessel {

// The characters a component may hold: digits, the GS1 AI encodable
// character set 82, the set of 39 (digits, capitals, '#', '-', '/') and
// base64url.
enum TGS1CharSet : std::uint8_t { csNumeric, csCset82, csCset39, csBase64Url };

// The content checks the dictionary names for a component, in the order of
// the script's list (a bit each in TGS1Component::Checks).
enum class TGS1Check : std::uint8_t {
  csum,
  csumalpha,
  gcppos1,
  gcppos2,
  hasnondigit,
  hh,
  hhmi,
  hyphen,
  iban,
  importeridx,
  iso3166,
  iso3166999,
  iso3166alpha2,
  iso4217,
  iso5218,
  latitude,
  longitude,
  mediatype,
  mi,
  nonzero,
  nozeroprefix,
  packagetype,
  pcenc,
  pieceoftotal,
  posinseqslash,
  ss,
  winding,
  yesno,
  yymmd0,
  yymmdd,
  yyyymmdd,
  zero,
  couponcode,
  couponposoffer,
};

struct TGS1Component {
  TGS1CharSet Set;
  std::uint8_t MinLength, MaxLength;  // equal for a fixed length
  bool Optional;                      // may be left out once the data is used up
  std::uint64_t Checks;               // bit TGS1Check of each check that applies

  constexpr bool Has(TGS1Check c) const { return (Checks >> static_cast<int>(c)) & 1; }
};

struct TGS1Entry {
  std::string_view Ai;
  bool Fnc1;             // an FNC1 separator must follow unless the element is the last
  std::int8_t Decimals;  // the implied decimal point's position (the AI's last digit), or -1
  std::uint8_t ComponentCount;
  std::array<TGS1Component, 5> Components;
  // Each ';'-separated group must hold: one of its ','-separated
  // alternatives, each a '+'-joined set of AIs, is present; "nn" and "n" in
  // an AI match any digits.
  std::string_view Requires;
  std::string_view Excludes;  // ','-separated AIs or patterns that must not be present
  std::string_view Title;
};

// Every AI of the dictionary, in ascending order.
std::span<const TGS1Entry> GS1Entries();

}  // namespace tessel
