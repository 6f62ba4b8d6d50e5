// Register against a host that records every call, and the Image editor's
// value list on a form described by a fake designer.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "components/pBarcode.h"
#include "components/pDBBarcode.h"
#include "design/pBarcodeReg.h"
#include "design/pProperty.h"
#include "platform/Image.h"
#include "tests/design/DesignExpectations.h"

namespace tessel::design {
namespace {

class TRecordingHost : public IDesignHost {
 public:
  std::vector<std::string> Calls;
  const TPropertyEditorClass* Editor = nullptr;

  void RegisterComponents(std::string_view page, std::span<const TClassInfo* const> classes) override {
    std::string call = "RegisterComponents " + std::string(page);
    for (const TClassInfo* c : classes) call += " " + std::string(c->Name);
    Calls.push_back(call);
  }
  void RegisterPropertyEditor(const TClassInfo& propertyType, const TClassInfo& componentClass,
                              std::string_view propertyName, const TPropertyEditorClass& editor) override {
    Calls.push_back("RegisterPropertyEditor " + std::string(propertyType.Name) + " " +
                    std::string(componentClass.Name) + " " + std::string(propertyName) + " " +
                    std::string(editor.Name));
    Editor = &editor;
  }
  void RegisterPropertiesInCategory(std::string_view category, const TClassInfo& componentClass,
                                    std::span<const std::string_view> names) override {
    std::string call = "RegisterPropertiesInCategory " + std::string(category) + " " + std::string(componentClass.Name);
    for (std::string_view n : names) call += " " + std::string(n);
    Calls.push_back(call);
  }
};

std::string Joined(std::string head, std::span<const std::string_view> names) {
  for (std::string_view n : names) head.append(" ").append(n);
  return head;
}

std::vector<std::string> ExpectedCalls() {
  std::vector<std::string> calls;
  for (std::string_view c : testing::PaletteOrder()) calls.push_back(Joined("RegisterComponents Corvella", {&c, 1}));
  calls.push_back("RegisterPropertyEditor TControl TBarcode Image TBarcodeImageEditor");
  calls.push_back(Joined("RegisterPropertiesInCategory Barcode TBarcode", testing::BarcodeCategory));
  calls.push_back(Joined("RegisterPropertiesInCategory Position TBarcode", testing::PositionCategory));
  calls.push_back(Joined("RegisterPropertiesInCategory Text TBarcode", testing::TextCategory));
  calls.push_back("RegisterPropertiesInCategory Barcode TDBBarcode Barcode");
  return calls;
}

TEST(Register, MakesTheRegistrationCallsInOrder) {
  TRecordingHost host;
  Register(host);
  EXPECT_EQ(host.Calls, ExpectedCalls());
}

// With the test above, a class registered without a catalogue entry, or an
// entry (hence a palette place) naming a class that is not registered, fails.
TEST(Register, PaletteAndCatalogueHoldEveryRegisteredClassOnce) {
  using TNames = std::vector<std::string_view>;
  TNames listed = testing::PaletteOrder();
  std::sort(listed.begin(), listed.end());
  TNames registered;  // sorted by name
  for (const TClassInfo* cls : RegisteredClasses()) registered.push_back(cls->Name);
  TNames unlisted, unregistered;
  std::set_difference(registered.begin(), registered.end(), listed.begin(), listed.end(), back_inserter(unlisted));
  std::set_difference(listed.begin(), listed.end(), registered.begin(), registered.end(), back_inserter(unregistered));
  EXPECT_EQ(unlisted, TNames{}) << "registered, without a catalogue entry";
  EXPECT_EQ(unregistered, TNames{}) << "in the catalogue or on the palette (again), not registered";
}

// A report library's image control, known only by its class name.
class TQRImage : public TControl {
  TESSEL_CLASS_INFO
 public:
  using TControl::TControl;
};
const TClassInfo TQRImage::ClassInfo{"TQRImage", &TControl::ClassInfo, {}, nullptr};

// An image control of a derived class.
class TFramedImage : public TImage {
  TESSEL_CLASS_INFO
 public:
  using TImage::TImage;
};
const TClassInfo TFramedImage::ClassInfo{"TFramedImage", &TImage::ClassInfo, {}, nullptr};

class TForm : public TComponent {
  TESSEL_CLASS_INFO
 public:
  using TComponent::TComponent;
};
const TClassInfo TForm::ClassInfo{"TForm", nullptr, {}, nullptr};

// A form: its components in form order; the designer lists those that are
// controls, and a foreign control (no component of this library) by name.
class TFakeDesigner : public IDesigner {
 public:
  TFakeDesigner() : form_(nullptr) {
    Add<TImage>("zeta");
    Add<TControl>("panel");
    Add<TFramedImage>("alpha");
    Add<TQRImage>("report");
    Add<TImage>("Beta");
  }
  void GetComponentNames(const TClassInfo& type, const TGetStrProc& proc) const override {
    for (int i = 0; i < form_.ComponentCount(); ++i)
      if (form_.Components(i)->InheritsFrom(type.Name)) proc(form_.Components(i)->Name());
    proc("foreignWidget");
  }
  TPersistent* GetComponent(std::string_view name) const override { return form_.FindComponent(name); }

 private:
  template <class T>
  void Add(const std::string& name) {
    (new T(&form_))->SetName(name);
  }
  TForm form_;
};

TEST(BarcodeImageEditor, OffersOnlyImageControls) {
  struct TCase {
    TPropertyAttributes Attributes;
    std::vector<std::string> Expected;
  };
  const TCase cases[] = {
      {{TPropertyAttribute::paValueList}, {"zeta", "alpha", "report", "Beta"}},
      {TComponentProperty::DefaultAttributes, {"alpha", "Beta", "report", "zeta"}},
  };
  TRecordingHost host;
  Register(host);
  ASSERT_NE(host.Editor, nullptr);
  const TFakeDesigner designer;
  for (const TCase& c : cases) {
    const auto editor = host.Editor->Create(designer, TControl::ClassInfo, c.Attributes);
    std::vector<std::string> values;
    editor->GetValues([&values](const std::string& name) { values.push_back(name); });
    EXPECT_EQ(values, c.Expected);
  }
}

}  // namespace
}  // namespace tessel::design
