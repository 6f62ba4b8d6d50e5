// Reed-Solomon parity over GF(64), and the symbologies that share the tables
// encoding from several threads at once.
#include <gtest/gtest.h>

#include <latch>
#include <thread>
#include <vector>

#include "FourStateBars.h"
#include "SymbolTestSupport.h"
#include "check/pReedSolomon.h"
#include "symbologies/pAP4SC.h"
#include "symbologies/pPostBar.h"

using namespace tessel;
using namespace tessel::testing;

namespace {

const TRSTables& Tables() {
  static const TRSTables tables = [] {
    TRSTables t;
    RS_Initialise(RS_MaxParity, t);
    return t;
  }();
  return tables;
}

std::vector<int> Parity(std::vector<std::uint8_t> data, int n, const TRSTables& tables = Tables()) {
  const TRSParity parity = RS_Encode(data, n, tables);
  return std::vector<int>(parity.Values.begin(), parity.Values.begin() + parity.Count);
}

}  // namespace

TEST(ReedSolomon, FieldTables) {
  const TRSTables& t = Tables();
  EXPECT_EQ(t.Initialised, RS_MaxParity);
  // 2^6 = x + 1 reduced by x^6 + x + 1; 2^63 = 1 again.
  EXPECT_EQ(t.Powers[0], 1);
  EXPECT_EQ(t.Powers[5], 32);
  EXPECT_EQ(t.Powers[6], 3);
  EXPECT_EQ(t.Powers[7], 6);
  EXPECT_EQ(t.Powers[63], 1);
  EXPECT_EQ(t.Mult[32][2], 3);
  EXPECT_EQ(t.Mult[0][37], 0);
  EXPECT_EQ(t.Mult[1][37], 37);
  EXPECT_EQ(t.Mult[3][7], 9);  // (x + 1)(x^2 + x + 1) = x^3 + 1
  for (int a = 1; a < RS_FieldSize; ++a) {
    int inverses = 0;
    for (int b = 1; b < RS_FieldSize; ++b) {
      EXPECT_EQ(t.Mult[a][b], t.Mult[b][a]);
      inverses += t.Mult[a][b] == 1;
    }
    EXPECT_EQ(inverses, 1) << a;
  }
  EXPECT_EQ((std::vector<int>(t.Roots.begin(), t.Roots.begin() + 4)), (std::vector<int>{2, 4, 8, 16}));
}

TEST(ReedSolomon, ParityOfKnownMessages) {
  // The message 1 alone is x^4, whose remainder is the generator
  // (x + 2)(x + 4)(x + 8)(x + 16) = x^4 + 30x^3 + 29x^2 + 17x + 48 without x^4.
  EXPECT_EQ(Parity({1}, 4), (std::vector<int>{48, 17, 29, 30}));
  EXPECT_EQ(Parity({0, 0, 0, 0, 0, 0, 0}, 4), (std::vector<int>{0, 0, 0, 0}));
  EXPECT_EQ(Parity({}, 4), (std::vector<int>{0, 0, 0, 0}));
  // x^6 + 2x^5 + 3x^4 mod the generator; the first symbol is the lowest order.
  EXPECT_EQ(Parity({3, 2, 1}, 4), (std::vector<int>{6, 32, 62, 1}));
  // One parity symbol: x mod (x + 2) = 2, x^2 mod (x + 2) = 4.
  EXPECT_EQ(Parity({1}, 1), (std::vector<int>{2}));
  EXPECT_EQ(Parity({0, 1}, 1), (std::vector<int>{4}));
  EXPECT_EQ(Parity({5, 1}, 0), (std::vector<int>{}));
}

TEST(ReedSolomon, RefusesWhatTheTablesOrStorageCannotHold) {
  TRSTables four;
  RS_Initialise(4, four);
  EXPECT_EQ(four.Initialised, 4);
  EXPECT_EQ(Parity({1}, 4, four), (std::vector<int>{48, 17, 29, 30}));
  EXPECT_EQ(RS_Encode(std::vector<std::uint8_t>{1}, 5, four).Count, 0);  // built for fewer symbols
  const TRSTables unbuilt;
  EXPECT_EQ(RS_Encode(std::vector<std::uint8_t>{1}, 1, unbuilt).Count, 0);

  EXPECT_EQ(RS_Encode(std::vector<std::uint8_t>(RS_MaxCodeword - 4, 1), 4, Tables()).Count, 4);
  EXPECT_EQ(RS_Encode(std::vector<std::uint8_t>(RS_MaxCodeword - 3, 1), 4, Tables()).Count, 0);
  EXPECT_EQ(RS_Encode(std::vector<std::uint8_t>{1, 64}, 4, Tables()).Count, 0);  // not a field element
  EXPECT_EQ(RS_Encode(std::vector<std::uint8_t>{1}, -1, Tables()).Count, 0);
  TRSTables many;
  RS_Initialise(RS_MaxParity + 5, many);
  EXPECT_EQ(many.Initialised, RS_MaxParity);
}

// The postal codes build their tables at the first encoding; threads that
// encode at once must all find them complete (run under the sanitizers too).
TEST(ReedSolomon, SymbologiesEncodeFromSeveralThreadsAtOnce) {
  constexpr int threads = 8;
  const std::string apBars = "1301011030302221120200330212131030213";
  const std::string postBarBars =
      "13001110010021120202300301302310003102130133330"
      "13";
  std::latch start(threads);
  std::vector<std::string> results(threads);
  std::vector<std::thread> workers;
  workers.reserve(threads);
  for (int i = 0; i < threads; ++i)
    workers.emplace_back([&, i] {
      TBarcode_AP4SC ap(nullptr);
      TBarcode_PostBar postBar(nullptr);
      start.arrive_and_wait();
      for (int round = 0; round < 20; ++round) {
        results[i] = i % 2 ? FourStateBars(Encode(ap, "1139987520", true).Pattern)
                           : FourStateBars(Encode(postBar, "BK1A4S21234", true).Pattern);
        if (results[i] != (i % 2 ? apBars : postBarBars)) break;
      }
    });
  for (std::thread& worker : workers) worker.join();
  for (int i = 0; i < threads; ++i) EXPECT_EQ(results[i], i % 2 ? apBars : postBarBars) << i;
}
