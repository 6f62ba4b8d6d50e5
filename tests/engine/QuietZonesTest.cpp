// The table of minimum quiet zones: one row for each registered symbology
// class, and the values of a sample of classes as their standards give them.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "output/QuietZones.h"
#include "platform/Reflection.h"

using namespace tessel;

namespace {

TEST(QuietZones, EveryRegisteredSymbologyHasOneRowAndEveryRowIsRegistered) {
  const auto table = QuietZoneTable();
  std::vector<std::string_view> symbologies;
  for (const TClassInfo* cls : RegisteredClasses())
    if (InheritsFrom(*cls, "TBarcode")) symbologies.push_back(cls->Name);
  ASSERT_FALSE(symbologies.empty());
  for (std::string_view name : symbologies)
    EXPECT_EQ(std::count_if(table.begin(), table.end(), [&](const TQuietZoneRow& r) { return r.ClassName == name; }), 1)
        << name;
  for (const TQuietZoneRow& row : table) {
    const TClassInfo* cls = FindClass(row.ClassName);
    EXPECT_TRUE(cls != nullptr && InheritsFrom(*cls, "TBarcode")) << row.ClassName << ": not a registered symbology";
    EXPECT_FALSE(row.Source.empty()) << row.ClassName;
    EXPECT_GE(row.Left, 0) << row.ClassName;
    EXPECT_GE(row.Right, 0) << row.ClassName;
  }
}

TEST(QuietZones, SymbologiesHaveTheirStandardsMinimums) {
  struct TCase {
    std::string_view ClassName;
    TQuietZoneModules Expected;
    std::string_view Source;
  };
  const TCase cases[] = {
      {"TBarcode_Code128", {10, 10}, "ISO/IEC 15417"},
      {"TBarcode_Code39", {10, 10}, "ISO/IEC 16388"},
      {"TBarcode_Code25Interleaved", {10, 10}, "ISO/IEC 16390"},
      {"TBarcode_Codabar", {10, 10}, "AIM USS-Codabar"},
      {"TBarcode_EAN128", {10, 10}, "GS1 General Specifications, GS1-128"},
      {"TBarcode_EAN13", {11, 7}, "GS1 General Specifications 5.2.3.4"},
      {"TBarcode_EAN8", {7, 7}, "GS1 General Specifications 5.2.3.4"},
      {"TBarcode_UPCA", {9, 9}, "GS1 General Specifications 5.2.3.4"},
      {"TBarcode_UPCE", {9, 7}, "GS1 General Specifications 5.2.3.4"},
      {"TBarcode_EAN5", {7, 5}, "GS1 General Specifications 5.2.3.4, add-on"},
      // 0.125 in at a 0.020 in bar: 6.25 modules, rounded up.
      {"TBarcode_OneCode", {7, 7}, "USPS-B-3200"},
      // 2 mm at a 0.5 mm bar.
      {"TBarcode_RM4SCC", {4, 4}, "Royal Mail RM4SCC"},
  };
  for (const TCase& c : cases) {
    const auto zone = StandardQuietZone(c.ClassName);
    ASSERT_TRUE(zone.has_value()) << c.ClassName;
    EXPECT_EQ(*zone, c.Expected) << c.ClassName << " (" << c.Source << ")";
  }
}

TEST(QuietZones, NamesOutsideTheTableHaveNone) {
  for (std::string_view name : {"TDBBarcode", "TBarcode", "TBarcode_code128", ""})
    EXPECT_FALSE(StandardQuietZone(name).has_value()) << name;
}

}  // namespace
