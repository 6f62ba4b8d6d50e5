// Published-property reflection and the class registry.
//
// Every class lists the properties it publishes once, in a constant table
// (TClassInfo); the entries of its ancestors are found through Parent. A
// property is read and written as text; writing text that does not convert
// throws EConvertError.
#pragma once

#include <charconv>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "platform/Component.h"
#include "platform/PublishedEnum.h"
#include "platform/Types.h"

namespace tessel {

class EConvertError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class EPropertyError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

enum class TTypeKind { tkInteger, tkFloat, tkString, tkChar, tkBoolean, tkEnumeration, tkColor, tkClass };

struct TPropInfo {
  std::string_view Name;
  TTypeKind Kind;
  const TEnumInfo* Enum;  // value names of tkBoolean and tkEnumeration
  std::string (*Get)(const TPersistent&);
  void (*Set)(TPersistent&, std::string_view);
  // Object properties (tkClass): the class name of the object and its getter.
  std::string_view ObjectClass = {};
  void* (*GetObject)(TPersistent&) = nullptr;
};

struct TClassInfo {
  std::string_view Name;
  const TClassInfo* Parent;
  std::span<const TPropInfo> Properties;     // published by this class itself
  TComponent* (*Create)(TComponent* owner);  // null for abstract classes
};

// ---- text conversion -------------------------------------------------------

const TEnumInfo& BooleanInfo();
int EnumValueFromText(const TEnumInfo& info, std::string_view text);  // throws

template <class T>
struct TPropertyType;

template <>
struct TPropertyType<int> {
  static constexpr TTypeKind Kind = TTypeKind::tkInteger;
  static std::string ToText(int v) { return std::to_string(v); }
  static int FromText(std::string_view text);
};

template <>
struct TPropertyType<double> {
  static constexpr TTypeKind Kind = TTypeKind::tkFloat;
  static std::string ToText(double v);
  static double FromText(std::string_view text);
};

template <>
struct TPropertyType<std::string> {
  static constexpr TTypeKind Kind = TTypeKind::tkString;
  static std::string ToText(const std::string& v) { return v; }
  static std::string FromText(std::string_view text) { return std::string(text); }
};

template <>
struct TPropertyType<char> {
  static constexpr TTypeKind Kind = TTypeKind::tkChar;
  static std::string ToText(char v) { return std::string(1, v); }
  static char FromText(std::string_view text);
};

template <>
struct TPropertyType<bool> {
  static constexpr TTypeKind Kind = TTypeKind::tkBoolean;
  static std::string ToText(bool v) { return v ? "True" : "False"; }
  static bool FromText(std::string_view text) { return EnumValueFromText(BooleanInfo(), text) != 0; }
};

template <>
struct TPropertyType<TColor> {
  static constexpr TTypeKind Kind = TTypeKind::tkColor;
  static std::string ToText(TColor v) { return std::to_string(v); }
  static TColor FromText(std::string_view text);
};

template <class E>
requires std::is_enum_v<E>
struct TPropertyType<E> {
  static constexpr TTypeKind Kind = TTypeKind::tkEnumeration;
  static std::string ToText(E v) {
    const auto& names = EnumInfo<E>().Names;
    const auto i = static_cast<std::size_t>(v);
    return i < names.size() ? std::string(names[i]) : std::to_string(i);
  }
  static E FromText(std::string_view text) { return static_cast<E>(EnumValueFromText(EnumInfo<E>(), text)); }
};

// ---- declaring properties --------------------------------------------------

namespace detail {
template <class M>
struct TGetterTraits;
template <class C, class R>
struct TGetterTraits<R (C::*)() const> {
  using Class = C;
  using Value = std::remove_cvref_t<R>;
};
template <class C, class R>
struct TGetterTraits<R (C::*)()> {
  using Class = C;
  using Value = std::remove_cvref_t<R>;
};
template <class T>
constexpr const TEnumInfo* EnumOf() {
  if constexpr (std::is_same_v<T, bool>)
    return &BooleanInfo();
  else if constexpr (std::is_enum_v<T>)
    return &EnumInfo<T>();
  else
    return nullptr;
}
}  // namespace detail

// A published property read by Getter and written by Setter, member functions
// of one class: Published<&TBarcode::Barcode, &TBarcode::SetBarcode>("Barcode").
template <auto Getter, auto Setter>
TPropInfo Published(std::string_view name) {
  using Traits = detail::TGetterTraits<decltype(Getter)>;
  using C = typename Traits::Class;
  using T = typename Traits::Value;
  return TPropInfo{
      name, TPropertyType<T>::Kind, detail::EnumOf<T>(),
      [](const TPersistent& o) { return TPropertyType<T>::ToText((static_cast<const C&>(o).*Getter)()); },
      [](TPersistent& o, std::string_view text) { (static_cast<C&>(o).*Setter)(TPropertyType<T>::FromText(text)); }};
}

// A published object property of class `objectClass`, read by Getter (a
// member function returning a reference); it cannot be set from text.
template <auto Getter>
TPropInfo PublishedObject(std::string_view name, std::string_view objectClass) {
  using C = typename detail::TGetterTraits<decltype(Getter)>::Class;
  return TPropInfo{name,
                   TTypeKind::tkClass,
                   nullptr,
                   [](const TPersistent&) { return std::string(); },
                   [](TPersistent&, std::string_view text) {
                     throw EConvertError("'" + std::string(text) + "' cannot be assigned to an object property");
                   },
                   objectClass,
                   [](TPersistent& o) -> void* { return &(static_cast<C&>(o).*Getter)(); }};
}

template <class T>
TComponent* NewComponent(TComponent* owner) {
  return new T(owner);
}

// Declares the class information of a class inside its body.
#define TESSEL_CLASS_INFO                      \
 public:                                       \
  static const ::tessel::TClassInfo ClassInfo; \
  const ::tessel::TClassInfo& ClassType() const override { return ClassInfo; }

// ---- lookup and the registry -----------------------------------------------

// True when a and b are equal ignoring the case of ASCII letters: how names of
// classes, properties, enumeration values and colours are compared. Other
// bytes compare exactly, whatever the C locale.
constexpr bool SameText(std::string_view a, std::string_view b) {
  constexpr auto upper = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; };
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (upper(a[i]) != upper(b[i])) return false;
  return true;
}

// True when the class is called ancestorName or derives from a class so
// called (names compare exactly).
bool InheritsFrom(const TClassInfo& cls, std::string_view ancestorName);

// Finds a published property of the class or an ancestor (case-insensitive).
const TPropInfo* FindProperty(const TClassInfo& cls, std::string_view name);
// All published properties, the ancestors' first.
std::vector<const TPropInfo*> PublishedProperties(const TClassInfo& cls);

std::string GetPropValue(const TPersistent& instance, std::string_view name);
// Throws EPropertyError for an unpublished name, EConvertError for bad text.
void SetPropValue(TPersistent& instance, std::string_view name, std::string_view value);

// Registers a creatable class under its name; returns true so that it can
// initialise a static flag.
bool RegisterClass(const TClassInfo& cls);
const TClassInfo* FindClass(std::string_view name);
// Registered classes, sorted by name.
std::vector<const TClassInfo*> RegisteredClasses();
// A new component of a registered class, or null for an unknown name.
TComponent* CreateComponent(std::string_view className, TComponent* owner);

#define TESSEL_REGISTER(Class) \
  [[maybe_unused]] static const bool Class##_registered = ::tessel::RegisterClass(Class::ClassInfo)

}  // namespace tessel
