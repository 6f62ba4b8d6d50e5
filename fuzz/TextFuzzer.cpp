// The generator's text escapes and the conversions of property values from
// text: escaping round-trips every byte string, and a value accepted from
// text reads back as text that converts to the same value.
//
// Input: a byte choosing a published property of Code 128 (every kind of
// property: integer, float, colour, boolean, enumeration, character, text,
// font), then the text.
#include <cstdlib>
#include <memory>

#include "FuzzInput.h"
#include "RecordingCanvas.h"
#include "generator/TextEscape.h"
#include "platform/Reflection.h"

using namespace tessel;

namespace {

void CheckEscapes(std::string_view text) {
  const std::string escaped = generator::EscapeText(text);
  for (char c : escaped) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 32 || byte >= 127) std::abort();  // escaped text is printable ASCII
  }
  if (generator::UnescapeText(escaped) != text) std::abort();
  generator::UnescapeText(text);
}

void CheckConversion(TComponent& component, std::string_view name, const std::string& text) {
  try {
    SetPropValue(component, name, text);
  } catch (const EConvertError&) {
    return;
  }
  const std::string read = GetPropValue(component, name);
  SetPropValue(component, name, read);  // what was read back must convert again
  if (GetPropValue(component, name) != read) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::unique_ptr<TComponent> component(CreateComponent("TBarcode_Code128", nullptr));
  static const std::vector<const TPropInfo*> properties = PublishedProperties(component->ClassType());
  fuzz::TFuzzInput input(data, size);
  const TPropInfo& property = *properties[input.Byte() % properties.size()];
  const std::string text(input.Rest());
  CheckEscapes(text);
  CheckConversion(*component, property.Name, text);
  return 0;
}
