// config: what heads every client report, kept in the user's configuration.
#include "commands.h"
#include "exit_status.h"
#include "report_settings.h"
#include "standard_output.h"

namespace rangedesk::cli {

int RunConfig(const CliOptions& options) {
    output::ReportSettings settings = output::ReportSettings::Load();
    if (options.Action == "company") {
        settings.Company = options.Arguments.value(0);
    } else if (options.Action == "contact") {
        settings.Contact = options.Arguments.value(0);
    }
    if (!options.Action.isEmpty()) {
        settings.Save();
    }
    PrintLine("company\t" + settings.Company);
    PrintLine("contact\t" + settings.Contact);
    return kDone;
}

} // namespace rangedesk::cli
