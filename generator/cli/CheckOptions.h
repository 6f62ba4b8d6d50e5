// stripemaker's options for reading its own symbols back: --check with
// --min-grade, and the print simulation (--spread, --aperture, --noise)
// that --check and --verify share.
#pragma once

#include <optional>

#include "generator/cli/OptionParser.h"
#include "generator/cli/Verify.h"

namespace tessel::generator {

// The print simulation, its lengths in dots at Dpi; usage errors end in
// TExit.
TVerifyOptions SimulationOf(const TOptionParser& Parser, int Dpi);

// --check with its lowest grade and print simulation at Dpi; none without
// --check, when its options are usage errors.
std::optional<TSymbolCheck> CheckOf(const TOptionParser& Parser, int Dpi);

}  // namespace tessel::generator
