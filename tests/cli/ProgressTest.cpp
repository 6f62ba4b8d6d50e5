// The progress line's text: records, rate and the time left.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "generator/cli/Progress.h"

namespace {

TEST(Progress, GivesTheRateAndTheTimeLeftWhenTheShareReadIsKnown) {
  const struct {
    std::int64_t Done;
    double Seconds;
    std::optional<double> Fraction;
    std::string Text;
  } cases[] = {
      {0, 0, std::nullopt, "0 records"},
      {1, 0.5, std::nullopt, "1 record, 2/s"},
      {1200, 4, 0.25, "1200 records, 300/s, 0:12 left"},
      {50000, 100, 0.01, "50000 records, 500/s, 2:45:00 left"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(tessel::generator::ProgressText(c.Done, c.Seconds, c.Fraction), c.Text) << c.Text;
}

}  // namespace
