// The height-modulated and four-state postal symbols on a real image: the
// bar heights in pixels, and the human-readable text beside the bars, never
// over them, unturned and turned by 90 degrees.
#include <gtest/gtest.h>

#include <QTransform>

#include "qt/QtTestSupport.h"
#include "symbologies/pOneCode.h"
#include "symbologies/pPostNet.h"
#include "symbologies/pRM4SCC.h"

using namespace tessel;
using namespace tessel::testing;

namespace {

bool Dark(const QImage& image, int x, int y) { return qGray(image.pixel(x, y)) < 128; }

struct TBar {
  int Left, Width, Top, Height;  // Top relative to the top of the full bars
};

struct TMeasured {
  int Top = 0, Height = 0;  // the band of the full bars
  std::vector<TBar> Bars;
  bool BandHasOnlyBars = true;  // no other dark pixel in or next to the band
  bool DarkOutsideBand = false;
};

// Finds the full bars as the longest dark vertical run, then every bar along
// a row that all bar kinds cross: below the top of the half bars (3/5 of the
// band) and above the bottom of the trackers (2/3).
TMeasured Measure(const QImage& image) {
  TMeasured m;
  for (int x = 0; x < image.width(); ++x) {
    int run = 0;
    for (int y = 0; y < image.height(); ++y) {
      run = Dark(image, x, y) ? run + 1 : 0;
      if (run > m.Height) {
        m.Height = run;
        m.Top = y - run + 1;
      }
    }
  }
  const int bottom = m.Top + m.Height - 1, across = m.Top + (3 * m.Height / 5 + 2 * m.Height / 3) / 2;
  for (int x = 0; x < image.width(); ++x) {
    if (!Dark(image, x, across) || (x > 0 && Dark(image, x - 1, across))) continue;
    TBar bar{x, 0, -1, 0};
    while (x + bar.Width < image.width() && Dark(image, x + bar.Width, across)) ++bar.Width;
    for (int y = m.Top; y <= bottom; ++y)
      if (Dark(image, x, y)) {
        if (bar.Top < 0) bar.Top = y - m.Top;
        ++bar.Height;
      }
    m.Bars.push_back(bar);
  }
  auto inBar = [&](int x) {
    for (const TBar& b : m.Bars)
      if (x >= b.Left && x < b.Left + b.Width) return true;
    return false;
  };
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      if (!Dark(image, x, y)) continue;
      if (y < m.Top - 1 || y > bottom + 1)
        m.DarkOutsideBand = true;
      else if (y < m.Top || y > bottom || !inBar(x))
        m.BandHasOnlyBars = false;
    }
  return m;
}

// Top and height of each bar kind in a band of height h: full bars, POSTNET
// half bars ('A'), ascenders, trackers and descenders.
std::pair<int, int> Expected(char kind, int h) {
  switch (kind) {
    case 'A': return {3 * h / 5, h - 3 * h / 5};
    case 'T': return {0, 2 * h / 3};
    case 'H': return {h / 3, h / 3};
    case 'L': return {h / 3, h - h / 3};
    default: return {0, h};
  }
}

// The pattern's bars, spaces left out.
std::string Bars(TBarcode& bc) {
  std::string full, bars;
  for (const char c : bc.MakeData(bc.Barcode(), bc.AutoCheckDigit(), full))
    if (std::string_view("5AITHL").find(c) != std::string_view::npos) bars += c;
  return bars;
}

// Rendered at the angle and turned back upright.
QImage Upright(TBarcode& bc, int height, int angle) {
  const QImage image = Render(bc, 2, height, angle);
  return angle == 0 ? image : image.transformed(QTransform().rotate(angle));
}

void ExpectBars(const TMeasured& m, const std::string& kinds) {
  ASSERT_EQ(m.Bars.size(), kinds.size());
  for (std::size_t i = 0; i < kinds.size(); ++i) {
    const auto [top, height] = Expected(kinds[i], m.Height);
    EXPECT_EQ(m.Bars[i].Width, 2) << i;
    EXPECT_EQ(m.Bars[i].Top, top) << i << kinds[i];
    EXPECT_EQ(m.Bars[i].Height, height) << i << kinds[i];
  }
}

}  // namespace

TEST(PostalImage, FourStateBarHeightsInPixels) {
  TBarcode_RM4SCC bc(nullptr);
  bc.SetBarcode("SN34RD1A");
  const std::string kinds = Bars(bc);
  for (const char kind : {'I', 'T', 'H', 'L'}) ASSERT_NE(kinds.find(kind), std::string::npos) << kind;
  for (const int angle : {0, 90}) {
    SCOPED_TRACE(angle);
    const TMeasured m = Measure(Upright(bc, 90, angle));
    EXPECT_EQ(m.Height, 90);
    ExpectBars(m, kinds);
    // Full bar 90 pixels, ascender and descender 60, tracker 30 (top, height).
    const std::pair<char, std::pair<int, int>> heights[] = {
        {'I', {0, 90}}, {'T', {0, 60}}, {'H', {30, 30}}, {'L', {30, 60}}};
    for (const auto& [kind, box] : heights) {
      const TBar& bar = m.Bars[kinds.find(kind)];
      EXPECT_EQ(std::make_pair(bar.Top, bar.Height), box) << kind;
    }
    EXPECT_TRUE(m.BandHasOnlyBars);
  }
}

TEST(PostalImage, PostNetHalfBars) {
  TBarcode_PostNet bc(nullptr);
  bc.SetBarcode("12345");
  for (const int angle : {0, 90}) {
    SCOPED_TRACE(angle);
    const TMeasured m = Measure(Upright(bc, 90, angle));
    EXPECT_EQ(m.Height, 90);
    ExpectBars(m, Bars(bc));
    // A half bar: the lower two fifths.
    const TBar& half = m.Bars[Bars(bc).find('A')];
    EXPECT_EQ(std::make_pair(half.Top, half.Height), std::make_pair(54, 36));
  }
}

// The text stands above or below the bars, which are shortened to make room
// for it: no text pixel in the bars' band or the rows next to it.
TEST(PostalImage, TextNeverOverlapsTheBars) {
  TBarcode_OneCode onecode(nullptr);
  onecode.SetBarcode("20704987654321654321123456789");
  onecode.SetSplitText(stmMID6SN9);
  TBarcode_PostNet postnet(nullptr);
  postnet.SetBarcode("123456789");
  for (TBarcode* bc : {static_cast<TBarcode*>(&onecode), static_cast<TBarcode*>(&postnet)}) {
    bc->SetDisplayText(dtFullEncoded);
    bc->SetTextVSpacing(1);
    const std::string kinds = Bars(*bc);
    for (const TTextPosition position : {tpBottomOut, tpTopOut, tpBottomIn, tpTopIn}) {
      bc->SetTextPosition(position);
      for (const int angle : {0, 90}) {
        SCOPED_TRACE(std::to_string(position) + " at " + std::to_string(angle) + " " + bc->ClassType().Name.data());
        const TMeasured m = Measure(Upright(*bc, 90, angle));
        EXPECT_LT(m.Height, 90 - 10);  // room made for the text
        EXPECT_GT(m.Height, 40);
        ExpectBars(m, kinds);
        EXPECT_TRUE(m.BandHasOnlyBars);
        EXPECT_TRUE(m.DarkOutsideBand);  // the text is drawn
      }
    }
  }
}
