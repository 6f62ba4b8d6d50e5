// Encoding and drawing costs per symbology. Each row of the table below
// gives three benchmarks: encode only (the pattern and the full-encoded
// text), encode plus layout plus drawing onto an RGB bitmap through the
// general canvas, and the writers' raster path on the headless canvas
// (RenderRaster). The "allocs" counter is the number of heap allocations
// per symbol.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <atomic>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>
#include <string>

#include "components/pBarcode.h"
#include "output/SymbolFile.h"
#include "platform/qt/QtBitmap.h"
#include "platform/qt/QtPlatform.h"

namespace {

std::atomic<long> allocations{0};

struct TBenchSymbol {
  const char* ClassName;
  const char* Text;
};

#define TEN(s) s s s s s s s s s s
// The 48-character mixed Code 128 text ten times: the encoder must stay linear.
constexpr const char* Code128Long = TEN("Tessel 128: mixed text 0123456789 and MORE 42.0!");
#undef TEN

// Add a row to benchmark another symbology.
constexpr TBenchSymbol Symbols[] = {
    {"TBarcode_Code25Interleaved", "12345678901234567890"},
    {"TBarcode_Code25Industrial", "12345678901234567890"},
    {"TBarcode_Code25Matrix", "12345678901234567890"},
    {"TBarcode_Coop25", "12345678901234567890"},
    {"TBarcode_Code39", "CODE39-1234567890"},
    {"TBarcode_Code39Ext", "Code39 full ASCII!"},
    {"TBarcode_Code32", "12345678"},
    {"TBarcode_PZN", "123456"},
    {"TBarcode_Code93", "CODE93-1234567890"},
    {"TBarcode_Code93Ext", "Code93 full ASCII!"},
    {"TBarcode_Codabar", "1234567890-$:/.+"},
    {"TBarcode_Code11", "1234567890-1234"},
    {"TBarcode_Plessey", "0123456789ABCDEF0123"},
    {"TBarcode_MSI", "12345678901234567890"},
    {"TBarcode_Telepen", "Telepen: ASCII text 0123456789!"},
    {"TBarcode_ITF6", "12345"},
    {"TBarcode_ITF14", "1234567890123"},
    {"TBarcode_Leitcode", "1234567890123"},
    {"TBarcode_Identcode", "12345678901"},
    {"TBarcode_EAN13", "400638133393"},
    {"TBarcode_EAN8", "9638507"},
    {"TBarcode_UPCA", "03600029145"},
    {"TBarcode_UPCE", "0123456"},
    {"TBarcode_UPCE0", "123456"},
    {"TBarcode_UPCE1", "123456"},
    {"TBarcode_EAN2", "12"},
    {"TBarcode_EAN5", "52495"},
    {"TBarcode_Code128", "Tessel 128: mixed text 0123456789 and MORE 42.0!"},  // 48 characters
    {"TBarcode_Code128", Code128Long},                                         // 480 characters
    {"TBarcode_EAN128",
     "0101234567890128\\1"
     "10ABC123"},
    {"TBarcode_PharmacodeOneTrack", "131070"},
    {"TBarcode_PharmacodeTwoTrack", "64570080"},
    {"TBarcode_Flattermarken", "12345678901234567890"},
    {"TBarcode_BC309", "12345678901234567890"},
    {"TBarcode_BC412", "BC412ABCDEFGHIJ0123456789"},
    {"TBarcode_Clocked35", "12345678901234567890"},
    {"TBarcode_PostNet", "12345678901"},
    {"TBarcode_PLANET", "12345678901"},
    {"TBarcode_FIM", "A"},
    {"TBarcode_KIX4S", "2500GG30250"},
    {"TBarcode_RM4SCC", "SN34RD1A"},
    {"TBarcode_OneCode", "20704987654321654321123456789"},  // tracking and a 9-digit routing code
    {"TBarcode_AP4SC", "62123456781234567890"},
    {"TBarcode_CPCBin", "K1A0B1"},
    {"TBarcode_PostBar", "2123ABCDEFGHIJKLMNOPQR"},
};

std::unique_ptr<tessel::TBarcode> Create(const TBenchSymbol& symbol) {
  auto* barcode = dynamic_cast<tessel::TBarcode*>(tessel::CreateComponent(symbol.ClassName, nullptr));
  if (barcode) barcode->SetBarcode(symbol.Text);
  return std::unique_ptr<tessel::TBarcode>(barcode);
}

void Encode(benchmark::State& state, TBenchSymbol symbol) {
  const auto barcode = Create(symbol);
  if (!barcode) return state.SkipWithError("class not registered");
  const std::string text = symbol.Text;
  std::string fullEncoded;
  const long before = allocations;
  for (auto _ : state) {
    std::string pattern = barcode->MakeData(text, barcode->AutoCheckDigit(), fullEncoded);
    benchmark::DoNotOptimize(pattern);
  }
  state.counters["allocs"] = benchmark::Counter(double(allocations - before), benchmark::Counter::kAvgIterations);
  state.SetItemsProcessed(state.iterations() * static_cast<long>(text.size()));
}

void Render(benchmark::State& state, TBenchSymbol symbol) {
  const auto barcode = Create(symbol);
  if (!barcode) return state.SkipWithError("class not registered");
  barcode->SetDisplayText(tessel::dtFullEncoded);
  tessel::TQtBitmap bitmap;
  bitmap.SetSize(1200, 120);
  const long before = allocations;
  for (auto _ : state) {
    const int error = barcode->DrawTo(bitmap.Canvas(), 2, 10, 10, 80, 0);
    benchmark::DoNotOptimize(error);
  }
  state.counters["allocs"] = benchmark::Counter(double(allocations - before), benchmark::Counter::kAvgIterations);
  state.SetItemsProcessed(state.iterations() * static_cast<long>(std::string(symbol.Text).size()));
}

// The generator's raster path: encode, lay out and draw into an image with
// the text below, a module of 2 pixels and bars of 100, as a batch renders
// (one renderer kept, as a batch keeps it).
void RenderRaster(benchmark::State& state, TBenchSymbol symbol) {
  const auto barcode = Create(symbol);
  if (!barcode) return state.SkipWithError("class not registered");
  barcode->SetDisplayText(tessel::dtFullEncoded);
  barcode->SetModule(2);
  barcode->SetBarcodeHeight(100);
  tessel::TSymbolRenderer renderer;
  const long before = allocations;
  for (auto _ : state) {
    const int error = renderer.Render(*barcode);
    benchmark::DoNotOptimize(error);
  }
  state.counters["allocs"] = benchmark::Counter(double(allocations - before), benchmark::Counter::kAvgIterations);
  state.SetItemsProcessed(state.iterations() * static_cast<long>(std::string(symbol.Text).size()));
}

const bool registered = [] {
  for (const TBenchSymbol& s : Symbols) {
    const std::string name = std::string(s.ClassName).substr(9) + "/" + std::to_string(std::strlen(s.Text));
    benchmark::RegisterBenchmark(("Encode/" + name).c_str(), Encode, s);
    benchmark::RegisterBenchmark(("Render/" + name).c_str(), Render, s);
    benchmark::RegisterBenchmark(("RenderRaster/" + name).c_str(), RenderRaster, s);
  }
  return true;
}();

}  // namespace

void* operator new(std::size_t size) {
  ++allocations;
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
