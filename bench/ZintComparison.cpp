// Tessel against libzint, per symbol, on the same work: encode the text,
// render the symbol with its text to an image, write it as PNG and as SVG.
// Both do the same symbol at the same geometry (2-pixel module, 100-pixel
// bars, text shown), alternately, each round timed in CPU time of this
// thread; the table gives the median time per symbol and the ratio
// tessel / libzint. libzint 2.11 writes files only, so its PNG and SVG go to
// a file in a RAM folder (/dev/shm), while tessel's stay in memory.
#include <malloc.h>
#include <zint.h>

#include <QGuiApplication>
#include <QImage>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "components/pBarcode.h"
#include "output/SymbolFile.h"

namespace {

using tessel::TFileFormat;

struct TCase {
  const char* Name;
  const char* ClassName;
  int ZintSymbology;
  const char* Text;
};

constexpr TCase Cases[] = {
    {"EAN-13", "TBarcode_EAN13", BARCODE_EANX, "400638133393"},
    {"Code 128", "TBarcode_Code128", BARCODE_CODE128, "Tessel-0123456789"},
    {"Interleaved 2 of 5", "TBarcode_Code25Interleaved", BARCODE_C25INTER, "0123456789"},
    {"Code 39", "TBarcode_Code39", BARCODE_CODE39, "TESSEL-39"},
};

constexpr int ModulePixels = 2;
constexpr int BarPixels = 100;
constexpr int Rounds = 7;
constexpr double RoundSeconds = 0.05;
constexpr int MallocMapThreshold = 32 << 20;
constexpr int MallocTrimThreshold = 64 << 20;

double CpuSeconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// Runs Work Count times; the CPU seconds per run.
double TimePerRun(const std::function<void()>& work, long count) {
  const double start = CpuSeconds();
  for (long i = 0; i < count; ++i) work();
  return (CpuSeconds() - start) / static_cast<double>(count);
}

// The median time per run of each of two works, timed alternately.
std::pair<double, double> Compare(const std::function<void()>& ours, const std::function<void()>& theirs) {
  const auto runsPerRound = [](const std::function<void()>& work) {
    return std::max(1L, static_cast<long>(RoundSeconds / std::max(1e-7, TimePerRun(work, 3))));
  };
  // One run each first: what is built once (fonts, tables) is not a cost
  // per symbol and would make the rounds too short.
  ours();
  theirs();
  const long ourRuns = runsPerRound(ours), theirRuns = runsPerRound(theirs);
  std::vector<double> a, b;
  for (int round = 0; round < Rounds; ++round) {
    a.push_back(TimePerRun(ours, ourRuns));
    b.push_back(TimePerRun(theirs, theirRuns));
  }
  std::nth_element(a.begin(), a.begin() + Rounds / 2, a.end());
  std::nth_element(b.begin(), b.begin() + Rounds / 2, b.end());
  return {a[Rounds / 2], b[Rounds / 2]};
}

std::unique_ptr<tessel::TBarcode> Tessel(const TCase& c) {
  std::unique_ptr<tessel::TBarcode> barcode(
      dynamic_cast<tessel::TBarcode*>(tessel::CreateComponent(c.ClassName, nullptr)));
  barcode->SetModule(ModulePixels);
  barcode->SetBarcodeHeight(BarPixels);
  barcode->SetDisplayText(tessel::dtFullEncoded);
  barcode->SetBarcode(c.Text);
  return barcode;
}

// A libzint symbol of the same geometry (its scale 1 draws 2-pixel modules),
// encoded, then Finish applied; deleted afterwards as its command line does.
void Zint(const TCase& c, const std::function<void(zint_symbol*)>& finish) {
  zint_symbol* symbol = ZBarcode_Create();
  symbol->symbology = c.ZintSymbology;
  symbol->scale = 1.0f;
  symbol->height = static_cast<float>(BarPixels) / ModulePixels;
  symbol->show_hrt = 1;
  const std::string text = c.Text;
  ZBarcode_Encode(symbol, reinterpret_cast<const unsigned char*>(text.data()), static_cast<int>(text.size()));
  if (finish) finish(symbol);
  ZBarcode_Delete(symbol);
}

void PrintRow(const char* symbology, const char* step, std::pair<double, double> times) {
  std::printf("%-20s %-16s %10.1f %10.1f %8.2f\n", symbology, step, times.first * 1e6, times.second * 1e6,
              times.first / times.second);
}

}  // namespace

int main(int argc, char** argv) {
  // Both libraries allocate and free image buffers for every symbol; with
  // glibc's adaptive thresholds one side would pay for the other's history
  // (memory mapped or trimmed for every symbol), so both are fixed high.
  mallopt(M_MMAP_THRESHOLD, MallocMapThreshold);
  mallopt(M_TRIM_THRESHOLD, MallocTrimThreshold);
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  std::printf("%-20s %-16s %10s %10s %8s\n", "symbology", "step", "tessel us", "libzint us", "ratio");
  // Kept across symbols, as a batch keeps them.
  tessel::TSymbolWriter writer;
  tessel::TSymbolRenderer renderer;
  for (const TCase& c : Cases) {
    const auto barcode = Tessel(c);
    std::string fullEncoded;
    PrintRow(c.Name, "encode",
             Compare([&] { barcode->MakeData(barcode->Barcode(), barcode->AutoCheckDigit(), fullEncoded); },
                     [&] { Zint(c, {}); }));
    PrintRow(
        c.Name, "render with text",
        Compare([&] { renderer.Render(*barcode); }, [&] { Zint(c, [](zint_symbol* s) { ZBarcode_Buffer(s, 0); }); }));
    PrintRow(c.Name, "PNG",
             Compare([&] { writer.Encode(*barcode, {.Format = TFileFormat::Png}); },
                     [&] {
                       Zint(c, [](zint_symbol* s) {
                         std::snprintf(s->outfile, sizeof s->outfile, "/dev/shm/tessel-zint-comparison.png");
                         ZBarcode_Print(s, 0);
                       });
                     }));
    PrintRow(c.Name, "SVG",
             Compare([&] { writer.Encode(*barcode, {.Format = TFileFormat::Svg}); },
                     [&] {
                       Zint(c, [](zint_symbol* s) {
                         std::snprintf(s->outfile, sizeof s->outfile, "/dev/shm/tessel-zint-comparison.svg");
                         ZBarcode_Print(s, 0);
                       });
                     }));
  }
  std::remove("/dev/shm/tessel-zint-comparison.png");
  std::remove("/dev/shm/tessel-zint-comparison.svg");
  return 0;
}
