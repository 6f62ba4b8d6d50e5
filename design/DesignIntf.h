// The component IDE host as the design-time units see it: palette and
// property-editor registration, the designer's view of the designed form, and
// the property editors the host creates for the object inspector. Standard
// C++ only; a concrete host (design/qt/ for Qt Designer, a recording host in
// the tests) implements IDesignHost and IDesigner.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "platform/Reflection.h"

namespace tessel::design {

// Receives one name of a value list.
using TGetStrProc = std::function<void(const std::string&)>;

// What an editor offers in the object inspector.
enum class TPropertyAttribute : std::uint8_t {
  paValueList,  // a drop-down list of values
  paSortList,   // the list is shown sorted
};

class TPropertyAttributes {
 public:
  constexpr TPropertyAttributes() = default;
  constexpr TPropertyAttributes(std::initializer_list<TPropertyAttribute> attributes) {
    for (TPropertyAttribute a : attributes) bits_ |= Bit(a);
  }
  constexpr bool Contains(TPropertyAttribute a) const { return (bits_ & Bit(a)) != 0; }
  friend constexpr bool operator==(TPropertyAttributes, TPropertyAttributes) = default;

 private:
  static constexpr std::uint8_t Bit(TPropertyAttribute a) { return 1u << static_cast<int>(a); }
  std::uint8_t bits_ = 0;
};

// The designer of the form being edited: its components by name.
class IDesigner {
 public:
  virtual ~IDesigner() = default;
  // The names of the form's components that can be assigned to a reference
  // of class `type`, in the form's order.
  virtual void GetComponentNames(const TClassInfo& type, const TGetStrProc& proc) const = 0;
  // The component called `name`, or null when the form has none (or the
  // control there is not a component of this library).
  virtual TPersistent* GetComponent(std::string_view name) const = 0;
};

// A property editor: created by the host for each inspection of a property.
class TPropertyEditor {
 public:
  TPropertyEditor(const IDesigner& designer, TPropertyAttributes attributes)
      : designer_(designer), attributes_(attributes) {}
  virtual ~TPropertyEditor() = default;
  TPropertyEditor(const TPropertyEditor&) = delete;
  TPropertyEditor& operator=(const TPropertyEditor&) = delete;

  virtual TPropertyAttributes GetAttributes() const { return attributes_; }
  // Fills the drop-down list: one call of `proc` per entry.
  virtual void GetValues(const TGetStrProc& proc) const = 0;

 protected:
  const IDesigner& Designer() const { return designer_; }

 private:
  const IDesigner& designer_;
  TPropertyAttributes attributes_;
};

// The host's editor of a component reference: offers the form's components
// assignable to the referenced class.
class TComponentProperty : public TPropertyEditor {
 public:
  static constexpr TPropertyAttributes DefaultAttributes{TPropertyAttribute::paValueList,
                                                         TPropertyAttribute::paSortList};

  TComponentProperty(const IDesigner& designer, const TClassInfo& referenceType,
                     TPropertyAttributes attributes = DefaultAttributes)
      : TPropertyEditor(designer, attributes), referenceType_(referenceType) {}
  void GetValues(const TGetStrProc& proc) const override { Designer().GetComponentNames(referenceType_, proc); }

 private:
  const TClassInfo& referenceType_;
};

// A registered editor class: its name and how the host creates one for a
// property whose referenced class is `referenceType`.
struct TPropertyEditorClass {
  std::string_view Name;
  std::unique_ptr<TPropertyEditor> (*Create)(const IDesigner& designer, const TClassInfo& referenceType,
                                             TPropertyAttributes attributes);
};

// The registration calls a design-time package makes when the host loads it.
class IDesignHost {
 public:
  virtual ~IDesignHost() = default;
  // Shows the classes on the palette page, each with the palette bitmap of
  // its name.
  virtual void RegisterComponents(std::string_view page, std::span<const TClassInfo* const> classes) = 0;
  // Uses `editor` for the property `propertyName` of `componentClass` and its
  // descendants whose type is a reference to `propertyType`.
  virtual void RegisterPropertyEditor(const TClassInfo& propertyType, const TClassInfo& componentClass,
                                      std::string_view propertyName, const TPropertyEditorClass& editor) = 0;
  // Shows the named properties of `componentClass` and its descendants under
  // `category` in the object inspector.
  virtual void RegisterPropertiesInCategory(std::string_view category, const TClassInfo& componentClass,
                                            std::span<const std::string_view> propertyNames) = 0;
};

}  // namespace tessel::design
