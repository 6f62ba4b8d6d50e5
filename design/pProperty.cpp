#include "design/pProperty.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

namespace tessel::design {
namespace {

// The class name by which a report library's image control is recognised.
constexpr std::string_view ReportImageClass = "TQRImage";

bool LessIgnoringCase(const std::string& a, const std::string& b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
  });
}

bool IsImageControl(const TPersistent* component) {
  return component && (component->InheritsFrom("TImage") || component->ClassName() == ReportImageClass);
}

}  // namespace

void TBarcodeImageEditor::GetValues(const TGetStrProc& proc) const {
  std::vector<std::string> names;
  TComponentProperty::GetValues([&names](const std::string& name) { names.push_back(name); });
  if (GetAttributes().Contains(TPropertyAttribute::paSortList))
    std::stable_sort(names.begin(), names.end(), LessIgnoringCase);
  for (const std::string& name : names)
    if (IsImageControl(Designer().GetComponent(name))) proc(name);
}

const TPropertyEditorClass TBarcodeImageEditor::EditorClass{
    "TBarcodeImageEditor",
    [](const IDesigner& designer, const TClassInfo& referenceType,
       TPropertyAttributes attributes) -> std::unique_ptr<TPropertyEditor> {
      return std::make_unique<TBarcodeImageEditor>(designer, referenceType, attributes);
    }};

}  // namespace tessel::design
