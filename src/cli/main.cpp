// rangedesk-cli: the meter and the records from a terminal, on the same core as the window.
#include <QCoreApplication>
#include <QGuiApplication>

#include <csignal>
#include <cstdio>
#include <memory>

#include "cli_help.h"
#include "cli_options.h"
#include "command_table.h"
#include "commands.h"
#include "exit_status.h"
#include "file_names.h"
#include "standard_output.h"
#include "team_error.h"
#include "translation_loader.h"

namespace rangedesk::cli {

namespace {

int Run(const CliOptions& options) {
    if (options.Version) {
        PrintOut(QString("rangedesk-cli %1\ndatabase: %2\n")
                     .arg(RANGEDESK_VERSION, DatabaseFor(options))
                     .toUtf8());
        return kDone;
    }
    if (options.Help) {
        PrintOut(HelpText(options.Command).toUtf8());
        return kDone;
    }
    return options.Row->Run(options);
}

// The one place where a failure becomes an exit status: every error names its file, device or
// server and the reason in one line; a usage error is 1, a database, file or output failure 5,
// a team server that cannot be used 6.
int RunChecked(const CliOptions& options) {
    int status = kFileError;
    try {
        status = Run(options);
        FlushOut();
    } catch (const UsageError& e) {
        PrintError(e.Message());
        return kUsage;
    } catch (const team::TeamError& e) {
        PrintError(e.Message());
        return kTeam;
    } catch (const std::exception& e) {
        PrintError(QString::fromUtf8(e.what()));
        return kFileError;
    }
    return status;
}

} // namespace
} // namespace rangedesk::cli

int main(int argc, char** argv) {
    using namespace rangedesk::cli;
    // A reader that goes away (| head) makes the next write fail with EPIPE, which the command
    // reports and ends on, instead of a silent death that leaves a download "running".
    std::signal(SIGPIPE, SIG_IGN);
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        // File names keep their bytes, UTF-8 or not.
        arguments << rangedesk::files::NameFromBytes(argv[i]);
    }
    // The kind of application depends on the command (printing lays text out, which needs the
    // GUI library; no display is used), yet a usage error must be said in the user's language:
    // a first reading of the command line picks the application, the translator comes next, and
    // the second reading says what is wrong. Parsing has no effects, so reading twice is safe.
    bool prints = false;
    try {
        const CliOptions peek = ParseCommandLine(arguments);
        prints = !peek.Help &&
                 (peek.Command == "print" || (peek.Command == "job" && peek.Action == "report"));
    } catch (const UsageError&) {
        prints = false;
    }
    std::unique_ptr<QCoreApplication> application;
    if (prints) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        application = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        application = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setOrganizationName("RangeDesk");
    QCoreApplication::setApplicationName("RangeDesk");
    rangedesk::desktop::SetUpUiLanguage(*application);
    CliOptions options;
    try {
        options = ParseCommandLine(arguments);
    } catch (const UsageError& e) {
        PrintError(QCoreApplication::translate("CliMain", "%1 (rangedesk-cli --help tells more)")
                       .arg(e.Message()));
        return kUsage;
    }
    return RunChecked(options);
}
