#pragma once

#include "shared_rows.h"

namespace rangedesk::team {

// The team push names the shared rows after the team.
using RowVersion = records::RowVersion;
using TeamJob = records::SharedJob;
using TeamDownload = records::SharedDownload;
using TeamRecord = records::SharedRecord;
using TeamReading = records::SharedReading;

} // namespace rangedesk::team
