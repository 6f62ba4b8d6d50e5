#include "generator/PropertyApply.h"

#include "generator/TextEscape.h"

namespace tessel::generator {
namespace {

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' ' && c != '\0'; }

constexpr std::string_view FallbackFontName = "Tahoma";
constexpr int FallbackFontSize = 8;
constexpr int FallbackCharset = 1;

struct TStyleName {
  std::string_view Name;
  TFontStyle Style;
};
constexpr TStyleName StyleNames[] = {{"fsBold", TFontStyle::fsBold},
                                     {"fsItalic", TFontStyle::fsItalic},
                                     {"fsUnderline", TFontStyle::fsUnderline},
                                     {"fsStrikeOut", TFontStyle::fsStrikeOut}};

// The classes that carry one colour per bar.
constexpr std::string_view BarColorClasses[] = {"TBarcode_PharmacodeOneTrack", "TBarcode_PharmacodeTwoTrack"};
constexpr std::string_view BarColorsProperty = "BarColors";

}  // namespace

std::string Trim(std::string_view Text) {
  std::size_t begin = 0, end = Text.size();
  while (begin < end && static_cast<unsigned char>(Text[begin]) <= ' ') ++begin;
  while (end > begin && static_cast<unsigned char>(Text[end - 1]) <= ' ') --end;
  return std::string(Text.substr(begin, end - begin));
}

std::vector<std::string> SplitCommaText(std::string_view Text) {
  std::vector<std::string> items;
  std::size_t at = 0;
  const auto skipBlanks = [&] {
    while (at < Text.size() && IsBlank(Text[at])) ++at;
  };
  skipBlanks();
  while (at < Text.size()) {
    std::string item;
    if (Text[at] == '"') {
      for (++at; at < Text.size(); ++at) {
        if (Text[at] != '"') {
          item += Text[at];
        } else if (at + 1 < Text.size() && Text[at + 1] == '"') {
          item += '"';
          ++at;
        } else {
          ++at;
          break;
        }
      }
    } else {
      while (at < Text.size() && !IsBlank(Text[at]) && Text[at] != ',') item += Text[at++];
    }
    items.push_back(std::move(item));
    skipBlanks();
    if (at < Text.size() && Text[at] == ',') {
      if (at + 1 == Text.size()) items.emplace_back();
      ++at;
      skipBlanks();
    }
  }
  return items;
}

int IntOrDefault(std::string_view Text, int Fallback) {
  try {
    return TPropertyType<int>::FromText(Text);
  } catch (const EConvertError&) {
    return Fallback;
  }
}

double FloatOrDefault(std::string_view Text, double Fallback) {
  try {
    return TPropertyType<double>::FromText(Text);
  } catch (const EConvertError&) {
    return Fallback;
  }
}

void SetPropertyText(TPersistent& Instance, std::string_view Name, std::string_view Value) {
  const TPropInfo* info = FindProperty(Instance.ClassType(), Name);
  if (!info) return;
  const bool isText = info->Kind == TTypeKind::tkString || info->Kind == TTypeKind::tkChar;
  if (isText || !Value.empty()) SetPropValue(Instance, Name, Value);
}

TFont FontFromText(std::string_view FontText) {
  const std::vector<std::string> items = SplitCommaText(FontText);
  const auto item = [&](std::size_t i) -> const std::string* { return i < items.size() ? &items[i] : nullptr; };
  TFont font;
  font.SetName(item(0) ? Trim(*item(0)) : std::string(FallbackFontName));
  font.SetSize(item(1) ? IntOrDefault(*item(1), FallbackFontSize) : FallbackFontSize);
  font.SetColor(item(2) ? ColorByName(Trim(*item(2)), static_cast<TColor>(IntOrDefault(*item(2), 0))) : 0);
  font.SetCharset(item(3) ? IntOrDefault(*item(3), FallbackCharset) : FallbackCharset);
  std::string joined = ",";
  for (const std::string& i : items) joined.append(i).append(",");
  TFontStyles styles;
  for (const TStyleName& style : StyleNames)
    if (joined.find(std::string(",").append(style.Name).append(",")) != std::string::npos) styles.Include(style.Style);
  font.SetStyle(styles);
  return font;
}

bool IsColorListForm(std::string_view Cell) {
  const std::string trimmed = Trim(Cell);
  const int index = IntOrDefault(std::string_view(trimmed).substr(0, 2), -1);
  return !(index >= 0 && index < BarColorCount) && !trimmed.starts_with('[');
}

std::optional<std::array<TColor, BarColorCount>> BarColorsFromList(std::string_view Cell,
                                                                   std::string_view DefaultValue) {
  const std::vector<std::string> items = SplitCommaText(Trim(Cell));
  if (items.size() < 2) return std::nullopt;
  const std::vector<std::string> defaults = SplitCommaText(DefaultValue);
  std::array<TColor, BarColorCount> colors{};
  for (std::size_t i = 0; i < colors.size(); ++i) {
    const TColor fallback = i < defaults.size() ? ColorByName(defaults[i], 0) : 0;
    colors[i] = i < items.size() ? ColorByName(items[i], fallback) : fallback;
  }
  return colors;
}

bool SetBarColors(TBarcode& Barcode, const std::array<TColor, BarColorCount>& Colors) {
  bool carriesBarColors = false;
  for (std::string_view name : BarColorClasses) carriesBarColors = carriesBarColors || Barcode.ClassName() == name;
  if (!carriesBarColors || !FindProperty(Barcode.ClassType(), BarColorsProperty)) return false;
  // The property's text is the sixteen colours separated by commas, as
  // integers; a text form that takes names only gets the colours' names.
  std::string numbers, names;
  for (TColor color : Colors) {
    std::string name = std::to_string(color);
    for (const TColorName& known : ColorNames())
      if (known.Color == color) {
        name = known.Name;
        break;
      }
    if (!numbers.empty()) {
      numbers += ',';
      names += ',';
    }
    numbers += std::to_string(color);
    names += name;
  }
  try {
    SetPropValue(Barcode, BarColorsProperty, numbers);
  } catch (const EConvertError&) {
    SetPropValue(Barcode, BarColorsProperty, names);
  }
  return true;
}

bool ApplyBarColorsList(TBarcode& Barcode, std::string_view Text) {
  if (!IsColorListForm(Text)) return false;
  const auto colors = BarColorsFromList(Text, DefaultBarColors);
  return colors && SetBarColors(Barcode, *colors);
}

void ApplyRow(TBarcode& Barcode, const TProperty& Row, std::string_view Value, std::string_view FontText) {
  try {
    switch (Row.Kind) {
      case pkColor: {
        const TColor color = ColorByName(Trim(Value), ColorByName(Row.DefaultValue, 0));
        SetPropertyText(Barcode, Row.Name, std::to_string(color));
        break;
      }
      case pkText: SetPropertyText(Barcode, Row.Name, UnescapeText(Value)); break;
      case pkFont: Barcode.SetTextFont(FontFromText(FontText)); break;
      case pkColorList:
        if (IsColorListForm(Value)) {
          if (const auto colors = BarColorsFromList(Value, Row.DefaultValue)) SetBarColors(Barcode, *colors);
          break;
        }
        [[fallthrough]];
      default: SetPropertyText(Barcode, Row.Name, Trim(Value)); break;
    }
  } catch (const std::exception&) {
    // A value the property cannot take leaves it unchanged.
  }
}

std::unique_ptr<TBarcode> CreateCatalogueBarcode(const TBarcodeComponent& Entry) {
  std::unique_ptr<TComponent> component(CreateComponent(Entry.BarcodeClass, nullptr));
  if (!dynamic_cast<TBarcode*>(component.get())) return nullptr;
  return std::unique_ptr<TBarcode>(static_cast<TBarcode*>(component.release()));
}

void ApplyCatalogueDefaults(TBarcode& Barcode, const TBarcodeComponent& Entry) {
  Barcode.SetLocked(true);
  const TProperty* fontRow = Entry.FindRow("TextFont");
  const std::string_view fontText = fontRow ? fontRow->DefaultValue : std::string_view();
  for (const TProperty& row : Entry.Rows()) ApplyRow(Barcode, row, row.DefaultValue, fontText);
}

}  // namespace tessel::generator
