#include "output/QuietZones.h"

#include <algorithm>
#include <array>

namespace tessel {
namespace {

// The sources several rows share.
constexpr std::string_view Iso16388 = "ISO/IEC 16388 (Code 39): 10X each side";
constexpr std::string_view Iso16390 = "ISO/IEC 16390 (Interleaved 2 of 5): 10X each side";
constexpr std::string_view GS1EanUpc = "GS1 General Specifications 5.2.3.4";
constexpr std::string_view GS1AddOn =
    "GS1 General Specifications 5.2.3.4: 7 to 12X between an EAN-13/EAN-8 and its add-on (9 to 12X after a "
    "UPC), 5X after the add-on";
constexpr std::string_view TwoOfFiveFamily =
    "derived: no published minimum found; 10X as ISO/IEC 16390 gives its two-of-five relative";
constexpr std::string_view NoStandardFound =
    "derived: no published minimum found; 10X, the minimum ISO/IEC 15417, 16388 and 16390 give their linear codes";
constexpr std::string_view UsPostal =
    "derived: USPS DMM 202.5: 0.125 in clear at each end; at the nominal 0.020 in bar (one module here) "
    "6.25, rounded up";
constexpr std::string_view Royal4State =
    "derived: Royal Mail RM4SCC: 2 mm at each end; at the nominal 0.5 mm bar (one module, the gap one more) "
    "4 modules";

// Sorted by class name, as the class registry lists the classes.
constexpr auto Table = std::to_array<TQuietZoneRow>({
    {"TBarcode_AP4SC", 12, 12,
     "derived: Australia Post Customer Barcoding Technical Specifications, Quiet Zones: 6 mm left and right; "
     "at the nominal 0.5 mm bar (one module, the gap one more) 12 modules"},
    {"TBarcode_BC309", 10, 10, NoStandardFound},
    {"TBarcode_BC412", 10, 10, NoStandardFound},
    {"TBarcode_CPCBin", 10, 10, NoStandardFound},
    {"TBarcode_Clocked35", 10, 10, NoStandardFound},
    {"TBarcode_Codabar", 10, 10, "AIM USS-Codabar and EN 798: 10X each side"},
    {"TBarcode_Code11", 10, 10, "AIM USS-Code 11: 10X each side"},
    {"TBarcode_Code128", 10, 10, "ISO/IEC 15417: 10X each side"},
    {"TBarcode_Code25Datalogic", 10, 10, TwoOfFiveFamily},
    {"TBarcode_Code25Industrial", 10, 10, TwoOfFiveFamily},
    {"TBarcode_Code25Interleaved", 10, 10, Iso16390},
    {"TBarcode_Code25Invert", 10, 10, TwoOfFiveFamily},
    {"TBarcode_Code25Matrix", 10, 10, TwoOfFiveFamily},
    {"TBarcode_Code32", 10, 10, "ISO/IEC 16388 (the Code 39 symbol Code 32 is drawn as): 10X each side"},
    {"TBarcode_Code39", 10, 10, Iso16388},
    {"TBarcode_Code39Ext", 10, 10, Iso16388},
    {"TBarcode_Code93", 10, 10, "AIM USS-93: 10X each side"},
    {"TBarcode_Code93Ext", 10, 10, "AIM USS-93: 10X each side"},
    {"TBarcode_Coop25", 10, 10, TwoOfFiveFamily},
    {"TBarcode_EAN128", 10, 10, "GS1 General Specifications (GS1-128) and ISO/IEC 15417: 10X each side"},
    {"TBarcode_EAN13", 11, 7, GS1EanUpc},
    {"TBarcode_EAN2", 7, 5, GS1AddOn},
    {"TBarcode_EAN5", 7, 5, GS1AddOn},
    {"TBarcode_EAN8", 7, 7, GS1EanUpc},
    {"TBarcode_FIM", 4, 4,
     "derived: no FIM minimum found; the 0.125 in USPS DMM 202.5 asks at the ends of a letter's barcode, at "
     "the FIM's 1/16 in bar pitch (two modules here, so a module is 1/32 in)"},
    {"TBarcode_Flattermarken", 0, 0,
     "none: collation marks read by their position on the folded sheets, no standard gives a quiet zone"},
    {"TBarcode_IATA", 10, 10, TwoOfFiveFamily},
    {"TBarcode_ITF14", 10, 10, "GS1 General Specifications (ITF-14): 10X each side, inside the bearer bars"},
    {"TBarcode_ITF6", 10, 10,
     "derived: GS1 General Specifications (ITF-14, whose bearers ITF-6 shares): 10X each side"},
    {"TBarcode_Identcode", 10, 10,
     "derived: Interleaved 2 of 5 (Deutsche Post Identcode), ISO/IEC 16390: 10X each side"},
    {"TBarcode_KIX4S", 4, 4,
     "derived: PostNL KIX uses the RM4SCC bars (0.5 mm bar and gap); Royal Mail's 2 mm at each end, 4 "
     "modules"},
    {"TBarcode_Leitcode", 10, 10, "derived: Interleaved 2 of 5 (Deutsche Post Leitcode), ISO/IEC 16390: 10X each side"},
    {"TBarcode_MSI", 10, 10, NoStandardFound},
    {"TBarcode_OneCode", 7, 7,
     "derived: USPS-B-3200: 0.125 in clear left and right; at the nominal 0.020 in bar (one module here) "
     "6.25, rounded up"},
    {"TBarcode_PLANET", 7, 7, UsPostal},
    {"TBarcode_PZN", 10, 10, "ISO/IEC 16388 (the Code 39 symbol PZN is drawn as): 10X each side"},
    {"TBarcode_PharmacodeOneTrack", 10, 10, NoStandardFound},
    {"TBarcode_PharmacodeTwoTrack", 10, 10, NoStandardFound},
    {"TBarcode_Plessey", 10, 10, NoStandardFound},
    {"TBarcode_PostBar", 4, 4,
     "derived: Canada Post's PostBar minimum is not public; the RM4SCC bars it derives from and Royal Mail's "
     "2 mm at the nominal 0.5 mm bar, 4 modules"},
    {"TBarcode_PostNet", 7, 7, UsPostal},
    {"TBarcode_RM4SCC", 4, 4, Royal4State},
    {"TBarcode_Telepen", 10, 10, NoStandardFound},
    {"TBarcode_UPCA", 9, 9, GS1EanUpc},
    {"TBarcode_UPCE", 9, 7, GS1EanUpc},
    {"TBarcode_UPCE0", 9, 7, GS1EanUpc},
    {"TBarcode_UPCE1", 9, 7, GS1EanUpc},
});

}  // namespace

std::span<const TQuietZoneRow> QuietZoneTable() { return Table; }

std::optional<TQuietZoneModules> StandardQuietZone(std::string_view ClassName) {
  const auto row =
      std::find_if(Table.begin(), Table.end(), [&](const TQuietZoneRow& r) { return r.ClassName == ClassName; });
  if (row == Table.end()) return std::nullopt;
  return TQuietZoneModules{row->Left, row->Right};
}

}  // namespace tessel
