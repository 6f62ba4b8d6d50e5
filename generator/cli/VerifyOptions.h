// stripemaker --verify FILE...: the files to read back, the class each must
// read as (with -c or -s), the report's format (--format text or json) and
// the print simulation.
#pragma once

#include <functional>
#include <string>

#include "generator/cli/OptionParser.h"
#include "generator/cli/Verify.h"

namespace tessel::generator {

// The run --verify asks for; ClassOf gives the class that -c or -s name,
// asked only when one is given. The simulation's lengths are pixels of the
// images, or at --dpi. Usage errors end in TExit.
TVerifyRun VerifyRunOf(const TOptionParser& Parser, const std::function<std::string()>& ClassOf);

}  // namespace tessel::generator
