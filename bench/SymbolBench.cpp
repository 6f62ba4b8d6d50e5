// Encoding and drawing costs per symbology. Each row of the table below
// gives two benchmarks: encode only (the pattern and the full-encoded text),
// and encode plus layout plus drawing onto an RGB bitmap. The "allocs"
// counter is the number of heap allocations per symbol.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <atomic>
#include <cstdlib>
#include <memory>
#include <new>
#include <string>

#include "components/pBarcode.h"
#include "platform/qt/QtBitmap.h"
#include "platform/qt/QtPlatform.h"

namespace {

std::atomic<long> allocations{0};

struct TBenchSymbol {
  const char* ClassName;
  const char* Text;
};

// Add a row to benchmark another symbology.
constexpr TBenchSymbol Symbols[] = {
    {"TBarcode_Code25Interleaved", "12345678901234567890"},
    {"TBarcode_Code25Industrial", "12345678901234567890"},
    {"TBarcode_Code25Matrix", "12345678901234567890"},
    {"TBarcode_Coop25", "12345678901234567890"},
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

const bool registered = [] {
  for (const TBenchSymbol& s : Symbols) {
    const std::string name = std::string(s.ClassName).substr(9);  // without "TBarcode_"
    benchmark::RegisterBenchmark(("Encode/" + name).c_str(), Encode, s);
    benchmark::RegisterBenchmark(("Render/" + name).c_str(), Render, s);
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
