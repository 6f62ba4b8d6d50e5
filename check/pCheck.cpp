#include "check/pCheck.h"

namespace tessel {
namespace {

char Mod10Digit(int sum) { return static_cast<char>('0' + (10 - sum % 10) % 10); }

int Value(char c) { return c - '0'; }

}  // namespace

char Mod10Com_Check(std::string_view S) {
  int sum = 0;
  for (char c : S) sum += Value(c);
  return Mod10Digit(sum);
}

char Mod10RightOdd3WeightCom_Check(std::string_view S) {
  int sum = 0;
  int weight = 3;
  for (auto it = S.rbegin(); it != S.rend(); ++it) {
    sum += Value(*it) * weight;
    weight = 4 - weight;
  }
  return Mod10Digit(sum);
}

char Mod10Left49WeightCom_Check(std::string_view S) {
  int sum = 0;
  int weight = 4;
  for (char c : S) {
    sum += Value(c) * weight;
    weight = (weight + 5) % 10;
  }
  return Mod10Digit(sum);
}

std::string ModDualRightSequenceWeight_Check(std::string_view S, std::string_view CharSet, int FirstMaxWeight,
                                             int SecondMaxWeight, int Modulus, bool OneCheckChar) {
  if (Modulus <= 0 || CharSet.empty()) return {};
  long first = 0, second = 0;
  int firstWeight = 1, secondWeight = 2;
  for (auto it = S.rbegin(); it != S.rend(); ++it) {
    const auto at = CharSet.find(*it);
    const long v = at == std::string_view::npos ? 0 : static_cast<long>(at);
    first += v * firstWeight;
    second += v * secondWeight;
    firstWeight = firstWeight >= FirstMaxWeight ? 1 : firstWeight + 1;
    secondWeight = secondWeight >= SecondMaxWeight ? 1 : secondWeight + 1;
  }
  second += first;
  std::string result(1, CharSet[static_cast<std::size_t>(first % Modulus) % CharSet.size()]);
  if (!OneCheckChar) result += CharSet[static_cast<std::size_t>(second % Modulus) % CharSet.size()];
  return result;
}

}  // namespace tessel
