#pragma once

namespace rangedesk::cli {

// What rangedesk-cli exits with; documented in --help and the man page.
enum ExitStatus : int {
    kDone = 0,
    kUsage = 1,
    kNoMeter = 2,
    kNoAccess = 3,
    kIncomplete = 4, // records missing, meter unplugged, no answer
    kFileError = 5,  // database or file
    kTeam = 6,       // team server: not reachable, refused, or rows still wait
    kInterrupted = 130,
};

} // namespace rangedesk::cli
