#include "check/pReedSolomon.h"

#include <algorithm>

namespace tessel {
namespace {

// x^6 + x + 1 without its x^6 term: xored into a doubled value above 63.
constexpr int PrimitiveReduction = 0x43;

int Double(int Value) {
  const int doubled = Value << 1;
  return doubled > RS_FieldSize - 1 ? doubled ^ PrimitiveReduction : doubled;
}

// The coefficients of (x + Roots[0])...(x + Roots[N - 1]), g[k] that of x^k.
std::array<std::uint8_t, RS_MaxParity + 1> Generator(int N, const TRSTables& Tables) {
  std::array<std::uint8_t, RS_MaxParity + 1> g{};
  g[0] = 1;
  for (int k = 0; k < N; ++k) {
    const std::uint8_t root = Tables.Roots[k];
    const int degree = k + 1;
    g[degree] = 1;
    for (int j = degree - 1; j >= 1; --j) g[j] = Tables.Mult[g[j]][root] ^ g[j - 1];
    g[0] = Tables.Mult[g[0]][root];
  }
  return g;
}

}  // namespace

void RS_Initialise(int N, TRSTables& Tables) {
  N = std::clamp(N, 0, RS_MaxParity);
  Tables.Initialised = N;
  auto& mult = Tables.Mult;
  mult[0].fill(0);
  for (int b = 0; b < RS_FieldSize; ++b) mult[1][b] = static_cast<std::uint8_t>(b);
  // Row 2^(i+1) is row 2^i doubled; the powers of 2 reach every non-zero element.
  Tables.Powers[0] = 1;
  int a = 1;
  for (int i = 0; i < RS_FieldSize - 1; ++i) {
    const int c = Double(a);
    Tables.Powers[i + 1] = static_cast<std::uint8_t>(c);
    for (int b = 0; b < RS_FieldSize; ++b) mult[c][b] = static_cast<std::uint8_t>(Double(mult[a][b]));
    a = c;
  }
  for (int k = 0; k < N; ++k) Tables.Roots[k] = Tables.Powers[k + 1];
}

TRSParity RS_Encode(std::span<const std::uint8_t> Data, int N, const TRSTables& Tables) {
  TRSParity parity;
  const int length = static_cast<int>(std::min<std::size_t>(Data.size(), RS_MaxCodeword + 1));
  if (N < 0 || N > Tables.Initialised || N > RS_MaxParity || length + N > RS_MaxCodeword) return parity;
  if (std::any_of(Data.begin(), Data.end(), [](std::uint8_t s) { return s >= RS_FieldSize; })) return parity;

  const auto g = Generator(N, Tables);
  // w[N + i] holds the coefficient of x^(N + i); the low N entries end as the remainder.
  std::array<std::uint8_t, RS_MaxCodeword> w{};
  std::copy(Data.begin(), Data.end(), w.begin() + N);
  for (int i = length - 1; i >= 0; --i) {
    const std::uint8_t c = w[N + i];
    for (int k = 0; k < N; ++k) w[i + k] ^= Tables.Mult[g[k]][c];
  }
  std::copy_n(w.begin(), N, parity.Values.begin());
  parity.Count = N;
  return parity;
}

}  // namespace tessel
