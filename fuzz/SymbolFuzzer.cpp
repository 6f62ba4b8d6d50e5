// Every registered symbology class through validation, encoding, layout and
// drawing on a recording canvas, with random values for its published
// properties set by name and a random text.
//
// Input: a byte choosing the class, a byte choosing the angle, then fields
// separated by newlines. A field starting with byte 0 is the text, with
// byte 1 a "Name=Value" setting; any other first byte chooses a published
// property by its index and the rest is its value.
#include <cstdlib>
#include <memory>

#include "FuzzInput.h"
#include "RecordingCanvas.h"
#include "components/pBarcode.h"
#include "platform/Reflection.h"

using namespace tessel;

namespace {

constexpr std::uint8_t TextField = 0;
constexpr std::uint8_t NamedField = 1;

// The creatable barcode classes (abstract bases have no Create).
const std::vector<const TClassInfo*>& Classes() {
  static const std::vector<const TClassInfo*> classes = [] {
    std::vector<const TClassInfo*> result;
    for (const TClassInfo* c : RegisteredClasses())
      if (c->Create) result.push_back(c);
    return result;
  }();
  return classes;
}

// Drawn coordinates stay far inside 32 bits: the layout clamps positions to
// +-2^24 pixels, so anything near the integer range is an overflow.
void RequireSaneCoordinates(const testing::TRecordingCanvas& canvas) {
  constexpr int bound = 1 << 30;
  for (const testing::TPolygonCall& polygon : canvas.Polygons)
    for (const TPoint& p : polygon.Points)
      if (p.X < -bound || p.X > bound || p.Y < -bound || p.Y > bound) std::abort();
}

void Exercise(TBarcode& barcode, int angle) {
  std::string fullEncoded;
  barcode.MakeData(barcode.Barcode(), barcode.AutoCheckDigit(), fullEncoded);
  barcode.GetFullEncoded();
  barcode.DefaultDisplayWidth(barcode.Module(), angle);
  int width = 0, height = 0;
  barcode.DrawToSize(width, height, barcode.Module(), barcode.BarcodeHeight(), angle);
  testing::TRecordingCanvas canvas(64, 32);
  barcode.DrawTo(canvas, barcode.Module(), barcode.LeftMargin(), barcode.TopMargin(), barcode.BarcodeHeight(), angle);
  RequireSaneCoordinates(canvas);
  double printWidth = 0, printHeight = 0;
  barcode.PrintSize(printWidth, printHeight, 0.33, 15, angle, 0, 600, 600);
  barcode.ActualPrintWidth(0.33, angle, 50, 600);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::TFuzzInput input(data, size);
  const auto& classes = Classes();
  const TClassInfo& info = *classes[input.Byte() % classes.size()];
  static constexpr int angles[] = {0, 90, 180, 270, 45, -30, 359, 1000};
  const int angle = angles[input.Byte() % std::size(angles)];

  std::unique_ptr<TComponent> component(info.Create(nullptr));
  auto* barcode = dynamic_cast<TBarcode*>(component.get());
  if (!barcode) return 0;
  barcode->SetLocked(true);
  const std::vector<const TPropInfo*> properties = PublishedProperties(info);
  for (const std::string& field : input.Fields('\n')) {
    if (field.empty()) continue;
    const auto marker = static_cast<std::uint8_t>(field[0]);
    std::string value = field.substr(1);
    if (marker == TextField) {
      barcode->SetBarcode(value);
      continue;
    }
    std::string name;
    if (marker == NamedField) {
      const std::size_t equals = value.find('=');
      if (equals == std::string::npos) continue;
      name = value.substr(0, equals);
      value.erase(0, equals + 1);
    } else {
      name = properties[marker % properties.size()]->Name;
    }
    try {
      SetPropValue(*barcode, name, value);
    } catch (const EConvertError&) {
    } catch (const EPropertyError&) {
    }
  }
  Exercise(*barcode, angle);
  barcode->SetLocked(false);
  return 0;
}
