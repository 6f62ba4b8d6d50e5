// PrintPdf through a CUPS server the test starts itself (support/CupsServer.h):
// what the cups-pdf queue writes, rasterised, is the document sent, page for
// page, on the page size asked for, and CUPS counted the copies; a queue that
// cannot take the job gives CUPS's own reason, and a document the server
// stops half way leaves no job behind. A job that cannot be asked for is
// refused before any server is asked.
#include <cairo-pdf.h>
#include <cairo.h>
#include <cups/cups.h>
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <algorithm>
#include <chrono>
#include <limits>
#include <string>
#include <thread>
#include <vector>

#include "generator/cli/CupsPrint.h"
#include "support/CupsServer.h"

using namespace tessel::generator;
using namespace tessel::testing;

namespace {

constexpr double PointsPerMM = 72 / 25.4;
constexpr int RasterDpi = 100;
// Darker than this is ink.
constexpr int InkGrey = 128;
constexpr int PageLogTimeoutMs = 30000;
constexpr std::chrono::milliseconds PollInterval(200);

cairo_status_t AppendTo(void* closure, const unsigned char* data, unsigned int length) {
  static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
  return CAIRO_STATUS_SUCCESS;
}

// A PDF of Pages pages of the size, each with bars of its own widths and
// places, so that a lost, repeated or reordered page shows.
std::string MakePdf(const TPageSize& size, int pages) {
  std::string pdf;
  cairo_surface_t* surface =
      cairo_pdf_surface_create_for_stream(AppendTo, &pdf, size.WidthMM * PointsPerMM, size.HeightMM * PointsPerMM);
  cairo_t* context = cairo_create(surface);
  cairo_scale(context, PointsPerMM, PointsPerMM);
  for (int page = 0; page < pages; ++page) {
    double x = 5 + 3 * page;
    for (int bar = 0; x + 4 < size.WidthMM - 5; ++bar) {
      const double width = 0.7 * (1 + (bar + page) % 3);
      cairo_rectangle(context, x, 5, width, size.HeightMM / 2);
      x += width + 0.9 * (1 + (bar * 2 + page) % 4);
    }
    cairo_rectangle(context, 5, size.HeightMM * 0.6 + page * 4, size.WidthMM / 3, 6);
    cairo_fill(context);
    cairo_show_page(context);
  }
  cairo_destroy(context);
  cairo_surface_finish(surface);
  cairo_surface_destroy(surface);
  return pdf;
}

bool WriteFile(const QString& path, const std::string& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size());
}

// The pages of a PDF file rasterised in grey, in order.
std::vector<QImage> Rasterise(const QString& pdf, const QString& folder, const QString& name) {
  const QString failed =
      RunCommand("pdftoppm", {"-r", QString::number(RasterDpi), "-gray", "-png", pdf, folder + "/" + name});
  EXPECT_TRUE(failed.isEmpty()) << failed.toStdString();
  std::vector<QImage> pages;
  for (const QString& file : QDir(folder).entryList({name + "-*.png"}, QDir::Files, QDir::Name))
    pages.emplace_back(folder + "/" + file);
  return pages;
}

bool InkNear(const QImage& image, int x, int y) {
  for (int nearY = std::max(y - 1, 0); nearY <= std::min(y + 1, image.height() - 1); ++nearY)
    for (int nearX = std::max(x - 1, 0); nearX <= std::min(x + 1, image.width() - 1); ++nearX)
      if (qGray(image.pixel(nearX, nearY)) < InkGrey) return true;
  return false;
}

// Ink pixels of Page with no ink within a pixel of the same place on Other.
// The queue draws the page anew: its filters turn cairo's page into a
// 300 dpi image, so an edge may move by a fraction of a pixel at 100 dpi;
// and Ghostscript writes the page size in whole points, leaving the drawing
// at the bottom of a page up to a point shorter, so rows count from the
// bottom. Ink that is missing, added or moved further shows.
int InkOutOfPlace(const QImage& page, const QImage& other) {
  const int rowOffset = other.height() - page.height();
  int outOfPlace = 0;
  for (int y = 0; y < page.height(); ++y)
    for (int x = 0; x < page.width(); ++x)
      if (qGray(page.pixel(x, y)) < InkGrey && !InkNear(other, x, y + rowOffset)) ++outOfPlace;
  return outOfPlace;
}

class CupsPrintPdf : public ::testing::Test {
 protected:
  void SetUp() override {
    cups_.Start(directives_);
    if (HasFatalFailure() || IsSkipped()) return;
    // libcups keeps the server it chose first: let it read CUPS_SERVER anew
    // for this test's server.
    cupsSetServer(nullptr);
  }

  // The page log's line for the job named Title, once the job has completed.
  QString WaitForPageLogLine(const QString& Title) const {
    for (int waited = 0; waited < PageLogTimeoutMs; waited += PollInterval.count()) {
      for (const QString& line : cups_.PageLog().split('\n'))
        if (line.contains(" " + Title + " ")) return line;
      std::this_thread::sleep_for(PollInterval);
    }
    return {};
  }

  QString directives_;  // added to the server's configuration
  TCupsServer cups_;
};

// A server that takes requests of at most this many bytes (more than the
// queue's PPD, which adding the queue sends): it stops a larger document
// half way.
constexpr int MaxRequestBytes = 65536;
class CupsPrintPdfSmallRequests : public CupsPrintPdf {
 protected:
  CupsPrintPdfSmallRequests() { directives_ = QString("MaxRequestSize %1\n").arg(MaxRequestBytes); }
};

}  // namespace

TEST_F(CupsPrintPdf, PrintsEveryPageAsSentOnThePageSizeAskedFor) {
  struct TCase {
    TPrintJob Job;
    int Pages;
    QString Media;  // as the page log names it
  };
  const std::vector<TCase> cases{
      {{"", "TesselSheets", 2, {210, 297}}, 2, "iso_a4_210x297mm"},
      {{TCupsServer::Queue, "TesselLabel", 1, {100, 50}}, 1, "custom_100x50mm_100x50mm"},
  };
  for (const TCase& test : cases) {
    const QString title = QString::fromStdString(test.Job.Title);
    SCOPED_TRACE(test.Job.Title);
    const std::string pdf = MakePdf(test.Job.PageSize, test.Pages);
    ASSERT_EQ(PrintPdf(pdf, test.Job), "");
    const QString printed = cups_.WaitForPdf(title);
    ASSERT_FALSE(printed.isEmpty()) << "no PDF from the cups-pdf queue";

    const QString sentFile = cups_.Folder() + "/" + title + ".pdf";
    ASSERT_TRUE(WriteFile(sentFile, pdf));
    const std::vector<QImage> sentPages = Rasterise(sentFile, cups_.Folder(), title + "-sent");
    const std::vector<QImage> printedPages = Rasterise(printed, cups_.Folder(), title + "-printed");
    ASSERT_EQ(sentPages.size(), std::size_t(test.Pages));
    ASSERT_EQ(printedPages.size(), sentPages.size());
    for (std::size_t page = 0; page < sentPages.size(); ++page) {
      const QImage& want = sentPages[page];
      const QImage& got = printedPages[page];
      // The page size rounded to whole points: within a pixel.
      EXPECT_NEAR(got.width(), want.width(), 1) << "page " << page + 1;
      EXPECT_NEAR(got.height(), want.height(), 1) << "page " << page + 1;
      EXPECT_EQ(InkOutOfPlace(want, got), 0) << "page " << page + 1 << ": ink missing";
      EXPECT_EQ(InkOutOfPlace(got, want), 0) << "page " << page + 1 << ": ink added";
    }
    // cups-pdf writes the document once; CUPS counts every copy's pages.
    const QString logged = WaitForPageLogLine(title);
    EXPECT_TRUE(logged.contains(QString(" total %1 ").arg(test.Pages * test.Job.Copies))) << logged.toStdString();
    EXPECT_TRUE(logged.contains(" " + test.Media)) << logged.toStdString();
  }
}

TEST_F(CupsPrintPdf, AQueueThatCannotTakeTheJobGivesCupsReason) {
  const std::string pdf = MakePdf({100, 50}, 1);
  const auto print = [&](const std::string& queue) { return PrintPdf(pdf, {queue, "TesselRefused", 1, {100, 50}}); };
  // lp says the same as the server told PrintPdf.
  const auto lpSays = [&](const QString& queue) {
    const QString file = cups_.Folder() + "/refused.pdf";
    EXPECT_TRUE(WriteFile(file, pdf));
    return RunCommand("lp", {"-d", queue, file}).toStdString();
  };

  const std::string unknown = print("NoSuchQueue");
  EXPECT_FALSE(unknown.empty());
  EXPECT_NE(lpSays("NoSuchQueue").find(unknown), std::string::npos) << unknown;

  const QString rejected = cups_.Administer("cupsreject", {"-r", "Out of labels", TCupsServer::Queue});
  ASSERT_TRUE(rejected.isEmpty()) << rejected.toStdString();
  const std::string rejecting = print(TCupsServer::Queue);
  EXPECT_NE(rejecting.find(TCupsServer::Queue), std::string::npos) << rejecting;
  EXPECT_NE(lpSays(TCupsServer::Queue).find(rejecting), std::string::npos) << rejecting;

  // Without the queue there is no default destination either.
  const QString removed = cups_.Administer("lpadmin", {"-x", TCupsServer::Queue});
  ASSERT_TRUE(removed.isEmpty()) << removed.toStdString();
  EXPECT_FALSE(print("").empty());
}

TEST_F(CupsPrintPdfSmallRequests, ADocumentTheServerStopsFailsAndLeavesNoJobWaiting) {
  // Padded past the limit after its end, which the server never reaches.
  std::string pdf = MakePdf({210, 297}, 2);
  pdf.append(std::size_t{2} * MaxRequestBytes, '\n');
  EXPECT_FALSE(PrintPdf(pdf, {"", "TesselTooLarge", 1, {210, 297}}).empty());
  cups_job_t* jobs = nullptr;
  const int waiting = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, TCupsServer::Queue, 0, CUPS_WHICHJOBS_ACTIVE);
  cupsFreeJobs(waiting, jobs);
  EXPECT_EQ(waiting, 0) << cupsLastErrorString();
}

TEST(PrintPdf, RefusesAJobItCannotAskForWithItsOwnReason) {
  const std::string pdf = MakePdf({100, 50}, 1);
  const TPageSize label{100, 50};
  constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
  constexpr double Infinity = std::numeric_limits<double>::infinity();
  const struct {
    std::string Pdf;
    TPrintJob Job;
    std::string Reason;  // a piece of it
  } cases[] = {
      {"", {"", "Empty", 1, label}, "not a PDF"},
      {"%!PS-Adobe-3.0\n", {"", "PostScript", 1, label}, "not a PDF"},
      {pdf, {"", "NoCopies", 0, label}, "copies"},
      {pdf, {"", "NoWidth", 1, {0, 50}}, "page size"},
      {pdf, {"", "NegativeHeight", 1, {100, -50}}, "page size"},
      {pdf, {"", "NaN", 1, {NaN, 50}}, "page size"},
      {pdf, {"", "Endless", 1, {100, Infinity}}, "page size"},
  };
  for (const auto& test : cases)
    EXPECT_NE(PrintPdf(test.Pdf, test.Job).find(test.Reason), std::string::npos) << test.Job.Title;
}
