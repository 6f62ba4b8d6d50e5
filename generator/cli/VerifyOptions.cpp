#include "generator/cli/VerifyOptions.h"

#include "generator/cli/CheckOptions.h"
#include "generator/cli/Cli.h"
#include "generator/cli/OptionValues.h"
#include "generator/cli/TextCodec.h"

namespace tessel::generator {
namespace {

// --format of --verify: text (the default) or json.
TReportFormat ReportFormatOption(const TOptionParser& parser) {
  const std::string format = parser.IsSet("format") ? Trimmed(parser.Value("format")) : "text";
  if (!EqualsIgnoringCase(format, "text") && !EqualsIgnoringCase(format, "json"))
    throw TExit{ExitUsage, "--verify reports as text or json, not '" + format + "'"};
  return EqualsIgnoringCase(format, "json") ? TReportFormat::Json : TReportFormat::Text;
}

}  // namespace

TVerifyRun VerifyRunOf(const TOptionParser& Parser, const std::function<std::string()>& ClassOf) {
  TVerifyRun verify;
  verify.Files = Parser.Positional();
  if (verify.Files.empty()) throw TExit{ExitUsage, "--verify needs the image files to read"};
  if (Parser.IsSet("class") || Parser.IsSet("symbology")) verify.Class = ClassOf();
  verify.Format = ReportFormatOption(Parser);
  verify.Options = SimulationOf(Parser, DpiOption(Parser));
  return verify;
}

}  // namespace tessel::generator
