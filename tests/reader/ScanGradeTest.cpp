// The scan reflectance profile's parameters on profiles built with known
// values: element edges, a defect of known depth, an edge of known contrast,
// and the decodability of characters of known element widths.
#include <gtest/gtest.h>

#include <vector>

#include "reader/Grade.h"
#include "reader/ScanProfile.h"

using namespace tessel;

namespace {

constexpr double Paper = 100, Ink = 10, Space = 90;
constexpr int QuietZone = 10;

// A profile of whole-pixel elements: a quiet zone of paper, then bars and
// spaces alternately (bars first) of the given widths in pixels, and the
// quiet zone again.
TScanProfile Profile(const std::vector<int>& widths, double bar = Ink, double space = Space) {
  TScanProfile profile;
  profile.Reflectance.assign(QuietZone, Paper);
  for (std::size_t k = 0; k < widths.size(); ++k)
    profile.Reflectance.insert(profile.Reflectance.end(), widths[k], k % 2 == 0 ? bar : space);
  profile.Reflectance.insert(profile.Reflectance.end(), QuietZone, Paper);
  return profile;
}

// The same profile seen through a three-pixel aperture.
TScanProfile Blurred(const TScanProfile& sharp) {
  TScanProfile blurred = sharp;
  const auto& r = sharp.Reflectance;
  for (std::size_t k = 1; k + 1 < r.size(); ++k) blurred.Reflectance[k] = (r[k - 1] + r[k] + r[k + 1]) / 3;
  return blurred;
}

}  // namespace

TEST(ScanProfile, EdgesLieHalfwayBetweenTheNeighbouringExtremes) {
  const std::vector<int> widths{4, 3, 6, 4, 3};  // at least the aperture: every extreme kept
  for (const TScanProfile& profile : {Profile(widths), Blurred(Profile(widths))}) {
    const std::vector<double> measured = ElementWidths(AnalyseProfile(profile));
    ASSERT_EQ(measured.size(), widths.size());
    for (std::size_t k = 0; k < widths.size(); ++k) EXPECT_NEAR(measured[k], widths[k], 0.05) << "element " << k;
  }
}

TEST(ScanGrade, AGoodProfileGradesA) {
  const TScanGrade scan = GradeScan(AnalyseProfile(Profile({2, 2, 4, 2, 2})), 1.0);
  EXPECT_DOUBLE_EQ(scan.SymbolContrast, Paper - Ink);
  EXPECT_DOUBLE_EQ(scan.MinimumEdgeContrast, Space - Ink);
  EXPECT_EQ(scan.Grade(), 4);
}

TEST(ScanGrade, ADefectOfKnownDepthGradesDefects) {
  TScanProfile profile = Profile({2, 8, 2});
  profile.Reflectance[QuietZone + 2 + 4] = Space - 20.5;  // a spot in the space
  const TScanGrade scan = GradeScan(AnalyseProfile(profile), 1.0);
  EXPECT_NEAR(scan.Defects, 20.5 / (Paper - Ink), 1e-9);
  EXPECT_EQ(scan.DefectsGrade, 2);  // C: above 0.20, at most 0.25
  EXPECT_EQ(scan.Grade(), 2);
}

TEST(ScanGrade, AnEdgeOfKnownContrastGradesModulation) {
  TScanProfile profile = Profile({2, 1, 2});
  profile.Reflectance[QuietZone + 2] = 60;  // a narrow space half filled in
  const TScanGrade scan = GradeScan(AnalyseProfile(profile), 1.0);
  EXPECT_DOUBLE_EQ(scan.MinimumEdgeContrast, 60 - Ink);
  EXPECT_EQ(scan.EdgeContrastGrade, 4);  // at least 15 %
  EXPECT_NEAR(scan.Modulation, 50.0 / 90.0, 1e-9);
  EXPECT_EQ(scan.ModulationGrade, 2);  // C: 0.50 and above, below 0.60
  EXPECT_EQ(scan.Grade(), 2);
}

TEST(ScanGrade, ContrastAndRminFollowTheReflectances) {
  const TScanGrade grey = GradeScan(AnalyseProfile(Profile({2, 2, 2}, 46, Paper)), 1.0);
  EXPECT_EQ(grey.ContrastGrade, 2);  // 54 %: C is 40 and above, B 55 and above
  EXPECT_EQ(grey.RminGrade, 4);      // 46 is within half of 100
  const TScanGrade pale = GradeScan(AnalyseProfile(Profile({2, 2, 2}, 55, Paper)), 1.0);
  EXPECT_EQ(pale.RminGrade, 0);
  EXPECT_EQ(GradeScan(AnalyseProfile(Profile({2, 2, 2})), std::nullopt).Grade(), 0);  // not decoded
}

TEST(Decodability, MarginsOfKnownElementWidths) {
  // Narrow 1, 1.2, 1 and wide 3, 2.6: threshold 1.9333, half span 0.8667;
  // the narrowest wide is the closer, 0.6667 from it.
  const std::vector<double> twoWidths{1, 3, 1.2, 2.6, 1};
  EXPECT_NEAR(TwoWidthDecodability(twoWidths, "nwnwn"), (2.6 - 5.8 / 3) / (0.8 + 0.2 / 3), 1e-9);
  // An 11-module character 2 1 2 2 2 2 with its first bar 0.2 module wider
  // and its last space 0.2 narrower: the first and last distances are 0.2
  // module off, 0.6 of the half-module margin left.
  EXPECT_NEAR(EdgeToSimilarEdgeDecodability(std::vector<double>{2.2, 1, 2, 2, 2, 1.8}, 11), 0.6, 1e-9);
  EXPECT_DOUBLE_EQ(EdgeToSimilarEdgeDecodability(std::vector<double>{2, 1, 2, 2, 2, 2}, 11), 1.0);
}

TEST(SymbolGrade, IsTheMeanOfTheScansWithItsLetter) {
  std::vector<TScanGrade> scans(4);
  const int grades[] = {4, 3, 3, 1};
  for (std::size_t k = 0; k < scans.size(); ++k) {
    TScanGrade& s = scans[k];
    s.DecodeGrade = s.RminGrade = s.ContrastGrade = s.EdgeContrastGrade = s.ModulationGrade = s.DefectsGrade = 4;
    s.DecodabilityGrade = grades[k];
  }
  EXPECT_DOUBLE_EQ(SymbolGrade(scans), 2.75);
  EXPECT_EQ(GradeLetter(2.75), 'B');
  EXPECT_EQ(GradeLetter(3.5), 'A');
  EXPECT_EQ(GradeLetter(0.4), 'F');
}
