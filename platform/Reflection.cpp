#include "platform/Reflection.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <limits>

namespace tessel {
namespace {

[[noreturn]] void Invalid(std::string_view what, std::string_view text) {
  throw EConvertError("'" + std::string(text) + "' is not a valid " + std::string(what));
}

// Whole-text integer parse; accepts one leading sign and "$" or "0x" hex.
// The magnitude is read unsigned, so the most negative value converts
// without negating it, and a second sign ("--5", "0x-1F") is refused.
template <class T>
bool ParseInteger(std::string_view text, T& value) {
  std::string_view s = text;
  bool negative = false;
  if (!s.empty() && (s[0] == '-' || s[0] == '+')) {
    negative = s[0] == '-';
    s.remove_prefix(1);
  }
  int base = 10;
  if (s.starts_with('$')) {
    base = 16;
    s.remove_prefix(1);
  } else if (s.starts_with("0x") || s.starts_with("0X")) {
    base = 16;
    s.remove_prefix(2);
  }
  if (s.empty() || !std::isxdigit(static_cast<unsigned char>(s[0]))) return false;
  unsigned long long magnitude = 0;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), magnitude, base);
  if (ec != std::errc() || end != s.data() + s.size()) return false;
  using TWide = long long;
  constexpr auto maxMagnitude = static_cast<unsigned long long>(std::numeric_limits<TWide>::max());
  if (magnitude > maxMagnitude + (negative ? 1 : 0)) return false;
  // -(magnitude - 1) - 1 reaches the most negative value without overflow.
  const TWide v = !negative        ? static_cast<TWide>(magnitude)
                  : magnitude == 0 ? 0
                                   : -static_cast<TWide>(magnitude - 1) - 1;
  if (v < static_cast<TWide>(std::numeric_limits<T>::min()) || v > static_cast<TWide>(std::numeric_limits<T>::max()))
    return false;
  value = static_cast<T>(v);
  return true;
}

struct TRegistry {
  std::vector<const TClassInfo*> classes;  // sorted by name
};

TRegistry& Registry() {
  static TRegistry registry;
  return registry;
}

constexpr std::string_view booleanNames[] = {"False", "True"};
constexpr TEnumInfo booleanInfo{"Boolean", booleanNames};

}  // namespace

const TEnumInfo& BooleanInfo() { return booleanInfo; }

int EnumValueFromText(const TEnumInfo& info, std::string_view text) {
  for (std::size_t i = 0; i < info.Names.size(); ++i)
    if (SameText(info.Names[i], text)) return static_cast<int>(i);
  Invalid(std::string(info.TypeName) + " value", text);
}

int TPropertyType<int>::FromText(std::string_view text) {
  int v = 0;
  if (!ParseInteger(text, v)) Invalid("integer value", text);
  return v;
}

std::string TPropertyType<double>::ToText(double v) {
  char buffer[32];
  const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, v);
  return ec == std::errc() ? std::string(buffer, end) : std::string("0");
}

double TPropertyType<double>::FromText(std::string_view text) {
  double v = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
  if (text.empty() || ec != std::errc() || end != text.data() + text.size() || !std::isfinite(v))
    Invalid("floating point value", text);
  return v;
}

char TPropertyType<char>::FromText(std::string_view text) {
  if (text.size() != 1) Invalid("character", text);
  return text[0];
}

TColor TPropertyType<TColor>::FromText(std::string_view text) {
  long long v = 0;
  if (!ParseInteger(text, v) || v < 0 || v > 0xFFFFFFFFLL) Invalid("colour value", text);
  return static_cast<TColor>(v);
}

bool InheritsFrom(const TClassInfo& cls, std::string_view ancestorName) {
  for (const TClassInfo* c = &cls; c; c = c->Parent)
    if (c->Name == ancestorName) return true;
  return false;
}

const TPropInfo* FindProperty(const TClassInfo& cls, std::string_view name) {
  for (const TClassInfo* c = &cls; c; c = c->Parent)
    for (const TPropInfo& p : c->Properties)
      if (SameText(p.Name, name)) return &p;
  return nullptr;
}

std::vector<const TPropInfo*> PublishedProperties(const TClassInfo& cls) {
  std::vector<const TClassInfo*> chain;
  for (const TClassInfo* c = &cls; c; c = c->Parent) chain.push_back(c);
  std::vector<const TPropInfo*> result;
  for (auto it = chain.rbegin(); it != chain.rend(); ++it)
    for (const TPropInfo& p : (*it)->Properties) result.push_back(&p);
  return result;
}

static const TPropInfo& RequireProperty(const TPersistent& instance, std::string_view name) {
  const TPropInfo* p = FindProperty(instance.ClassType(), name);
  if (!p)
    throw EPropertyError("class " + std::string(instance.ClassName()) + " has no published property '" +
                         std::string(name) + "'");
  return *p;
}

std::string GetPropValue(const TPersistent& instance, std::string_view name) {
  return RequireProperty(instance, name).Get(instance);
}

void SetPropValue(TPersistent& instance, std::string_view name, std::string_view value) {
  const TPropInfo& p = RequireProperty(instance, name);
  try {
    p.Set(instance, value);
  } catch (const EConvertError& e) {
    throw EConvertError("property " + std::string(p.Name) + ": " + e.what());
  }
}

bool RegisterClass(const TClassInfo& cls) {
  auto& classes = Registry().classes;
  const auto at = std::lower_bound(classes.begin(), classes.end(), &cls,
                                   [](const TClassInfo* a, const TClassInfo* b) { return a->Name < b->Name; });
  if (at == classes.end() || (*at)->Name != cls.Name) classes.insert(at, &cls);
  return true;
}

const TClassInfo* FindClass(std::string_view name) {
  for (const TClassInfo* c : Registry().classes)
    if (SameText(c->Name, name)) return c;
  return nullptr;
}

std::vector<const TClassInfo*> RegisteredClasses() { return Registry().classes; }

TComponent* CreateComponent(std::string_view className, TComponent* owner) {
  const TClassInfo* c = FindClass(className);
  return c && c->Create ? c->Create(owner) : nullptr;
}

}  // namespace tessel
