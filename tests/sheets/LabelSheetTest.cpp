// Label sheets through the sheet loop, rasterised with pdftoppm and read
// back: each symbol centred on its label and decoding to its record's text,
// skipped labels empty, page shards that add up to the run's pages, and a
// symbol too large for its label refused with its label left empty.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QImageReader>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdlib>
#include <memory>
#include <vector>

#include "generator/cli/Cli.h"
#include "generator/cli/SheetRun.h"
#include "qt/QtTestSupport.h"
#include "symbologies/pCode128.h"

using namespace tessel;
using namespace tessel::generator;
using namespace tessel::testing;

namespace {

constexpr int RasterDpi = 600;
constexpr int ModuleDots = 8;  // 0.33 mm at RasterDpi
constexpr double CentreToleranceMm = 0.2;
constexpr int DarkBelow = 128;
// A row of the symbol's bars crosses at least this many edges.
constexpr int BarRowEdges = 20;

// Records from a list of texts, each captioned as Captions says.
class TListSource final : public TRecordSource {
 public:
  TListSource(std::vector<std::string> texts, bool captions) : texts_(std::move(texts)), captions_(captions) {}
  std::vector<std::string> FieldNames() const override { return {"text"}; }
  bool Next(TRecord& record) override {
    if (next_ == texts_.size()) return false;
    record = {};
    record.Number = static_cast<std::int64_t>(++next_);
    record.Label = "line " + std::to_string(next_);
    record.Text = texts_[next_ - 1];
    if (captions_) record.Caption = {"Item " + std::to_string(next_)};
    return true;
  }

 private:
  std::vector<std::string> texts_;
  bool captions_;
  std::size_t next_ = 0;
};

std::vector<std::string> Texts(int count) {
  std::vector<std::string> texts;
  texts.reserve(static_cast<std::size_t>(count));
  for (int i = 1; i <= count; ++i) texts.push_back("TESSEL-" + std::to_string(1000 + i));
  return texts;
}

// A4 3x8 labels of Code 128 at 0.33 mm on a 600 dpi printer.
TSheetRun Code128Sheet(const QString& pdf) {
  TSheetRun run;
  run.Stock = *FindLabelStock("a4-3x8");
  run.Output = pdf.toStdString();
  run.Symbol.Dpi = RasterDpi;
  run.Symbol.XDimension = Millimetres(0.33);
  run.Symbol.BarHeight = Millimetres(10);
  run.Symbol.QuietZone.Kind = TQuietZone::TKind::Standard;
  run.CreateBarcode = [] { return std::make_unique<TBarcode_Code128>(nullptr); };
  run.InvalidText = InvalidTextMessage;
  return run;
}

// The PDF's pages as grey images at Dpi.
std::vector<QImage> Rasterise(const QString& pdf, int dpi) {
  const QString prefix = pdf + "-page";
  const std::string command =
      "pdftoppm -r " + std::to_string(dpi) + " -gray '" + pdf.toStdString() + "' '" + prefix.toStdString() + "'";
  if (std::system(command.c_str()) != 0) return {};
  const QFileInfo info(prefix);
  QImageReader::setAllocationLimit(0);  // an A4 page at 600 dpi is beyond Qt's default
  std::vector<QImage> pages;
  for (const QString& name : QDir(info.path()).entryList({info.fileName() + "-*.pgm"}, QDir::Files, QDir::Name))
    pages.emplace_back(info.path() + "/" + name);
  return pages;
}

QRect LabelPixels(const TLabelStock& stock, int index, int dpi) {
  const TLabelRect label = LabelRectOnPage(stock, index);
  const double perMm = dpi / MillimetresPerInch;
  return QRect(
      QPoint(static_cast<int>(std::lround(label.Left * perMm)), static_cast<int>(std::lround(label.Top * perMm))),
      QPoint(static_cast<int>(std::lround((label.Left + label.Width) * perMm)) - 1,
             static_cast<int>(std::lround((label.Top + label.Height) * perMm)) - 1));
}

// The box of the dark pixels in Area, and that of the rows crossing the
// bars; empty when none.
struct TInk {
  QRect All, Bars;
};

TInk InkIn(const QImage& page, const QRect& area) {
  TInk ink;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    const uchar* row = page.constScanLine(y);
    int edges = 0, first = -1, last = -1;
    for (int x = area.left(); x <= area.right(); ++x) {
      const bool dark = row[x] < DarkBelow;
      if (dark && first < 0) first = x;
      if (dark) last = x;
      if (x > area.left() && dark != (row[x - 1] < DarkBelow)) ++edges;
    }
    if (first < 0) continue;
    const QRect line(QPoint(first, y), QPoint(last, y));
    ink.All |= line;
    if (edges >= BarRowEdges) ink.Bars |= line;
  }
  return ink;
}

}  // namespace

TEST(LabelSheet, SymbolsAreCentredOnTheirLabelsAndReadAfterTheSkippedOnes) {
  QTemporaryDir dir;
  const QString pdf = dir.filePath("labels.pdf");
  TSheetRun run = Code128Sheet(pdf);
  run.Skip = 2;
  const std::vector<std::string> texts = Texts(10);
  TListSource source(texts, false);
  ASSERT_EQ(RunSheet(source, run), ExitOk);
  const std::vector<QImage> pages = Rasterise(pdf, RasterDpi);
  ASSERT_EQ(pages.size(), 1u);
  const QImage& page = pages[0];
  ASSERT_FALSE(page.isNull());
  const double perMm = RasterDpi / MillimetresPerInch;
  for (int index = 0; index < run.Stock.LabelsPerPage(); ++index) {
    const QRect label = LabelPixels(run.Stock, index, RasterDpi);
    const TInk ink = InkIn(page, label);
    const int record = index - static_cast<int>(run.Skip);
    if (record < 0 || record >= static_cast<int>(texts.size())) {
      EXPECT_TRUE(ink.All.isNull()) << "label " << index << " should be empty";
      continue;
    }
    ASSERT_FALSE(ink.Bars.isNull()) << "label " << index;
    EXPECT_TRUE(label.adjusted(1, 1, -1, -1).contains(ink.All)) << "label " << index;
    const QPointF centre = QRectF(ink.Bars).center(), expected = QRectF(label).center();
    EXPECT_NEAR(centre.x() / perMm, expected.x() / perMm, CentreToleranceMm) << "label " << index;
    EXPECT_NEAR(centre.y() / perMm, expected.y() / perMm, CentreToleranceMm) << "label " << index;
    // 0.33 mm at 600 dpi is 8 dots, the corner on a whole dot: the narrowest bar is 8 pixels.
    const QImage crop = page.copy(label);
    const std::vector<int> runs = Runs(crop, static_cast<int>(centre.y()) - label.top());
    ASSERT_FALSE(runs.empty()) << "label " << index;
    EXPECT_EQ(*std::min_element(runs.begin(), runs.end()), ModuleDots) << "label " << index;
    const std::optional<TDecoded> decoded = Decode(crop, "Code128");
    ASSERT_TRUE(decoded) << "label " << index;
    EXPECT_EQ(decoded->Text, texts[static_cast<std::size_t>(record)]) << "label " << index;
  }
}

TEST(LabelSheet, PageShardsTogetherAreTheRunsPages) {
  constexpr int ShardDpi = 50;
  constexpr int Records = 53;  // three pages of 24
  QTemporaryDir dir;
  const auto pagesOf = [&](int shard, int shards) {
    const QString pdf = dir.filePath(QString("shard-%1-of-%2.pdf").arg(shard).arg(shards));
    TSheetRun run = Code128Sheet(pdf);
    run.ShardIndex = shard;
    run.ShardCount = shards;
    TListSource source(Texts(Records), true);
    EXPECT_EQ(RunSheet(source, run), ExitOk);
    return Rasterise(pdf, ShardDpi);
  };
  const std::vector<QImage> whole = pagesOf(0, 1), first = pagesOf(0, 2), second = pagesOf(1, 2);
  ASSERT_EQ(whole.size(), 3u);
  ASSERT_EQ(first.size(), 2u);
  ASSERT_EQ(second.size(), 1u);
  EXPECT_EQ(first[0], whole[0]);
  EXPECT_EQ(second[0], whole[1]);
  EXPECT_EQ(first[1], whole[2]);
  // Captions are text in the PDF, under their symbols.
  const QString text = dir.filePath("text.txt");
  const std::string command =
      "pdftotext '" + dir.filePath("shard-0-of-1.pdf").toStdString() + "' '" + text.toStdString() + "'";
  ASSERT_EQ(std::system(command.c_str()), 0);
  QFile file(text);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QString captions = QString::fromUtf8(file.readAll());
  EXPECT_TRUE(captions.contains("Item 1\n") && captions.contains("Item 53")) << captions.toStdString();
}

TEST(LabelSheet, ASymbolTooLargeForItsLabelIsRefusedAndItsLabelLeftEmpty) {
  QTemporaryDir dir;
  const QString pdf = dir.filePath("roll.pdf");
  TSheetRun run = Code128Sheet(pdf);
  run.Stock = *FindLabelStock("roll-2x1in");
  std::string delivered;  // the PDF handed on for printing
  run.Deliver = [&](const std::string& document, const TLabelStock& stock) {
    delivered = stock.Name + ": " + document.substr(0, 5);
    return std::string();
  };
  TListSource source({"A1", "TESSEL-THIS-TEXT-IS-FAR-TOO-LONG-FOR-ITS-LABEL", "A3"}, true);
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(RunSheet(source, run), ExitUsage);
  EXPECT_EQ(delivered, "roll-2x1in: %PDF-");
  const std::string messages = ::testing::internal::GetCapturedStderr();
  EXPECT_NE(messages.find("stripemaker: line 2: the symbol is "), std::string::npos) << messages;
  EXPECT_NE(messages.find(" mm with its caption; the label is 50.8 x 25.4 mm"), std::string::npos) << messages;
  const std::vector<QImage> pages = Rasterise(pdf, RasterDpi / 4);
  ASSERT_EQ(pages.size(), 3u);
  EXPECT_FALSE(InkIn(pages[0], pages[0].rect()).All.isNull());
  EXPECT_TRUE(InkIn(pages[1], pages[1].rect()).All.isNull());
  EXPECT_FALSE(InkIn(pages[2], pages[2].rect()).All.isNull());
}
