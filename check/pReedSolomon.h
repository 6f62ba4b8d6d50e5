// Reed-Solomon parity symbols over the Galois field GF(64) (primitive
// polynomial x^6 + x + 1, primitive element 2), as the four-state postal
// codes use them. The routines keep no state: a caller builds a set of tables
// once with RS_Initialise and passes it to every RS_Encode.
#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace tessel {

inline constexpr int RS_FieldSize = 64;
// The most parity symbols, and message plus parity symbols, one encoding takes.
inline constexpr int RS_MaxParity = 11;
inline constexpr int RS_MaxCodeword = 35;

// The field's tables for up to Initialised parity symbols.
struct TRSTables {
  std::array<std::array<std::uint8_t, RS_FieldSize>, RS_FieldSize> Mult{};  // Mult[a][b] = a * b
  std::array<std::uint8_t, RS_FieldSize> Powers{};                          // Powers[k] = 2^k
  std::array<std::uint8_t, RS_MaxParity> Roots{};                           // Roots[k] = 2^(k + 1)
  int Initialised = 0;  // the parity count the tables were built for; 0: not built
};

// Values[k] is the coefficient of x^k of the remainder. Count is the number
// of parity symbols asked for, or 0 when the encoding was refused.
struct TRSParity {
  std::array<std::uint16_t, RS_MaxParity> Values{};
  int Count = 0;
};

// Builds the tables for N parity symbols (N is kept within 0..RS_MaxParity).
void RS_Initialise(int N, TRSTables& Tables);

// The N parity symbols of the message Data, Data[0] being the coefficient of
// x^N and the last symbol that of the highest power: the remainder of the
// message times x^N divided by (x + 2)(x + 4)...(x + 2^N). Refused (Count 0)
// when the tables were built for fewer than N symbols, N or the message is
// too long, or a symbol is not below 64. Reads the tables only, so threads
// may share one set once it is built.
TRSParity RS_Encode(std::span<const std::uint8_t> Data, int N, const TRSTables& Tables);

}  // namespace tessel
