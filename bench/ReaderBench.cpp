// The reader: reads a second of a 300 dpi label image (EAN-13 and Code 128
// at 0.33 mm with their quiet zones), the grade with the print simulation,
// and what --check adds to writing a symbol.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "components/pBarcode.h"
#include "generator/cli/Verify.h"
#include "output/SymbolFile.h"
#include "platform/Platform.h"
#include "reader/ImageFile.h"
#include "reader/Reader.h"
#include "reader/Verify.h"

namespace {

using namespace tessel;

struct TLabel {
  const char* Class;
  const char* Text;
};
constexpr TLabel Labels[] = {{"TBarcode_EAN13", "400638133393"}, {"TBarcode_Code128", "LOT-2026-12-0042"}};

TOutputOptions LabelOptions() {
  return {.Dpi = 300,
          .XDimension = Millimetres(0.33),
          .BarHeight = Millimetres(15),
          .QuietZone = {TQuietZone::TKind::Standard}};
}

std::unique_ptr<TBarcode> LabelSymbol(const TLabel& label) {
  std::unique_ptr<TBarcode> barcode(static_cast<TBarcode*>(CreateComponent(label.Class, nullptr)));
  barcode->SetBarcode(label.Text);
  return barcode;
}

TGreyImage LabelImage(const TLabel& label) {
  std::string png;
  const std::unique_ptr<TBarcode> barcode = LabelSymbol(label);
  EncodeSymbol(*barcode, png, LabelOptions());
  TGreyImage image;
  DecodeImageFile(png, image);
  return image;
}

void BM_ReadLabel(benchmark::State& state) {
  const TGreyImage image = LabelImage(Labels[state.range(0)]);
  for (auto _ : state) benchmark::DoNotOptimize(ReadSymbol(image));
  state.SetLabel(Labels[state.range(0)].Class);
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ReadLabel)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_VerifyLabelAsPrinted(benchmark::State& state) {
  const TGreyImage image = LabelImage(Labels[state.range(0)]);
  TVerifyOptions printed;
  printed.InkSpread = 1;
  for (auto _ : state) benchmark::DoNotOptimize(VerifySymbol(image, printed));
  state.SetLabel(Labels[state.range(0)].Class);
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_VerifyLabelAsPrinted)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Arg 0: the symbol's PNG alone; 1: with --check reading back the image
// the PNG is encoded from.
void BM_WriteWithCheck(benchmark::State& state) {
  const std::unique_ptr<TBarcode> barcode = LabelSymbol(Labels[0]);
  const TOutputOptions options = LabelOptions();
  const generator::TSymbolCheck check;
  TSymbolWriter writer;
  if (state.range(0) == 1)
    writer.SetImageCheck([&](const TRasterImage& image) { return generator::CheckImage(*barcode, image, check); });
  for (auto _ : state) benchmark::DoNotOptimize(writer.Encode(*barcode, options));
  state.SetLabel(state.range(0) == 1 ? "with --check" : "without");
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_WriteWithCheck)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
