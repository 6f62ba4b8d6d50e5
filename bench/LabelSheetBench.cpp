// Label sheets: a PDF of 10,000 labels (Code 128 with a caption line, A4
// 3 x 8 at 0.33 mm on a 300 dpi printer), made in memory. The
// items_per_second counter is labels per second.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "output/LabelSheet.h"
#include "symbologies/pCode128.h"

namespace {

constexpr int SheetLabels = 10000;

void LabelSheetPdf(benchmark::State& state) {
  tessel::TLabelSheetOptions options{.Stock = *tessel::FindLabelStock("a4-3x8")};
  options.Output.Dpi = 300;
  options.Output.XDimension = tessel::Millimetres(0.33);
  options.Output.BarHeight = tessel::Millimetres(10);
  options.Output.QuietZone.Kind = tessel::TQuietZone::TKind::Standard;
  tessel::TBarcode_Code128 barcode(nullptr);
  std::vector<std::string> caption(1);
  for (auto _ : state) {
    tessel::TLabelSheet sheet(options);
    for (int label = 0; label < SheetLabels; ++label) {
      caption[0] = "Item " + std::to_string(label);
      barcode.SetBarcode("TESSEL-" + std::to_string(100000 + label));
      if (!sheet.Place(barcode, caption)) state.SkipWithError("a label was refused");
    }
    const tessel::TLabelSheetResult pdf = sheet.Finish();
    if (!pdf) state.SkipWithError(pdf.Error.c_str());
    state.counters["pdf_bytes"] = static_cast<double>(pdf.Pdf.size());
    state.counters["pages"] = pdf.Pages;
  }
  state.SetItemsProcessed(state.iterations() * SheetLabels);
}

}  // namespace

BENCHMARK(LabelSheetPdf)->Unit(benchmark::kMillisecond)->Iterations(1);
