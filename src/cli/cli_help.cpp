// The help texts of rangedesk-cli: the overview and one page per command.
#include "cli_help.h"

#include <QMap>

namespace rangedesk::cli {

QString HelpText(const QString& command) {
    static const QString kExit = R"(
Exit status:
  0    done
  1    usage: an unknown command or option, a missing value
  2    no meter found
  3    a meter was found but cannot be opened (the udev rule is missing)
  4    download incomplete: records missing, the meter unplugged, no answer
  5    database or file error
  6    team server: not reachable, refused, or rows still wait
  130  interrupted (Ctrl+C)
)";
    static const QString kGlobal = R"(
Global options:
  --device /dev/hidrawN   use this meter when several are plugged in (default: the last found)
  --simulate MODEL[:RECORDS[:LATENCY_MS]]
                          use a simulated meter instead of the hardware, e.g. 3:50:2
  --quiet                 no progress on standard error
  --help                  this help;  --version: the version and the database in use
)";
    static const QMap<QString, QString> kHelp = {
        {"devices", R"(Usage: rangedesk-cli devices [--json]

Lists every meter found: model, vendor:product, device node, and whether this user can
open it. A meter that cannot be opened comes with the fix to copy.
  --json   an array of {"model", "vendor", "product", "node", "access"}

Examples:
  rangedesk-cli devices
  rangedesk-cli devices --json | jq '.[0].node'
)"},
        {"read", R"(Usage: rangedesk-cli read [--json]

Presses Read on the meter and fetches the reading 300 ms later, as the Read button does,
and prints it in metres, e.g. "1.234 m".
  --json   {"distance_m": 1.234, "text": "1.234 m"}

Examples:
  rangedesk-cli read
  rangedesk-cli --device /dev/hidraw3 read --json
)"},
        {"download", R"(Usage: rangedesk-cli download [--db FILE] [--csv FILE|-] [--no-db]

Downloads every record stored in the meter, as Export Records does, into the program's
database (its LoadData table is replaced) and, with --csv, also as CSV (RFC 4180, UTF-8,
CRLF; a byte-order mark in a file, none on standard output). Progress goes to standard
error; a summary line ends it. Ctrl+C cancels: rows already stored stay.
  --db FILE    this database instead of the program's
  --csv FILE   also write the records as CSV; - is standard output
  --no-db      only the CSV; the database is not touched

Examples:
  rangedesk-cli download
  rangedesk-cli download --no-db --csv - | column -s, -t
  rangedesk-cli download --csv "site-$(date +%F).csv"
)"},
        {"export", R"(Usage: rangedesk-cli export [--db FILE] [--format xls|xlsx|csv] FILE

Writes the LoadData table of the database to FILE, as Export to Excel does. The format
follows the extension (.xls, .xlsx, .csv) unless --format says otherwise. FILE is replaced
only once it is complete, and is never the database; - writes to standard output (CSV unless
--format says otherwise).

Examples:
  rangedesk-cli export records.xls
  rangedesk-cli export --db ~/site.mdb --format csv -
)"},
        {"decode", R"(Usage: rangedesk-cli decode --model N

Reads captured record replies from standard input, one per line as hexadecimal bytes
(blanks allowed), and prints for each the ten tab-separated texts: mode, unit, then value
and suffix of DIST1, DIST2, DIST3 and RESULT, as a meter of model N (1 to 4) gives them.

Example:
  echo "23 00 10 00 00 98 3a 00 00 ..." | rangedesk-cli decode --model 1
)"},
        {"history", R"(Usage: rangedesk-cli history [--json] [--db FILE]
       rangedesk-cli history --team [--json] [--search TEXT]
       rangedesk-cli history show ID [--csv -]
       rangedesk-cli history export ID FILE [--format xls|xlsx|csv]
       rangedesk-cli history load ID
       rangedesk-cli history delete ID
       rangedesk-cli history redecode ID

Every download is kept in the database with the bytes the meter sent. Without an action, the
downloads are listed, newest first: ID, date and time, meter, records stored of asked, new
since the previous download from that meter, and outcome.
  show ID       the download's records (--csv - for CSV)
  export ID F   write them to a file, as export does
  load ID       put them into LoadData, as the grid shows them
  delete ID     remove the download from the history
  redecode ID   decode the kept bytes again with this version's decoder, and say how many
                records changed
  --team        the team's downloads from the team server, with the desk and user that made
                them and their job; --json gives the keys of history --json (the ID is the
                download's UUID) plus "desk", "user" and "job"
  --search TEXT only downloads whose job, client, or a record's mode, label or note holds
                TEXT, in any case and script

Examples:
  rangedesk-cli history
  rangedesk-cli history --team --search kitchen
  rangedesk-cli history export 12 site.xlsx
)"},
        {"team", R"(Usage: rangedesk-cli team init SERVER
       rangedesk-cli team connect SERVER [--desk NAME]
       rangedesk-cli team disconnect
       rangedesk-cli team status [--json] [--db FILE]
       rangedesk-cli team push [--db FILE]

A team server is a PostgreSQL database that every desk pushes its downloads, jobs, labels,
notes, deductions and readings to. Each desk keeps working on its own database; a download
never waits for the server. SERVER is a libpq URL
(postgresql://user@host:port/db?sslmode=verify-full, host=/path for a Unix socket), a keyword
list (host=... dbname=...) or a service of pg_service.conf (service=NAME). Passwords come from
libpq's own sources (~/.pgpass, the service file, PGPASSWORD) or the desktop's keyring, never
from the command line or the settings.
  init SERVER     once, by the administrator: creates the roles rangedesk_desk and
                  rangedesk_admin, the schema and its version table; upgrades an older schema
  connect SERVER  this desk pushes to SERVER from now on (kept in the user's settings) and
                  checks the connection; --desk NAME names the desk (default: the host name)
  disconnect      this desk stops pushing; its work stays in its own database
  status          reachable, the schema version, the changes waiting, the last push, and the
                  counts on this desk and on the server (--json for a script)
  push            pushes what waits now, with progress; exit status 0 only when nothing waits

Examples:
  rangedesk-cli team init postgresql://postgres@db.example.com/rangedesk
  rangedesk-cli team connect "postgresql://desk_north@db.example.com/rangedesk?sslmode=verify-full"
  rangedesk-cli team status --json
)"},
        {"print", R"(Usage: rangedesk-cli print --pdf FILE [--db FILE]

Prints the records of the database through the report definition Vermo.rav, as the Print
button does, into a PDF file, without any dialog.

Example:
  rangedesk-cli print --pdf records.pdf
)"},
    };
    if (kHelp.contains(command)) {
        return kHelp[command] + kGlobal + kExit;
    }
    return QString(R"(Usage: rangedesk-cli [global options] COMMAND [options]

The laser distance meter and its records from a terminal.

Commands:
  devices    list the meters found
  read       take a reading
  download   download every record stored in the meter
  export     write the records to .xls, .xlsx or .csv
  decode     decode captured record replies
  print      print the records to a PDF file
  history    every download kept: list, show, export, load, delete, redecode
  team       the team server: init, connect, disconnect, status, push

"rangedesk-cli COMMAND --help" shows a command's options and examples.
)") + kGlobal +
           kExit;
}

} // namespace rangedesk::cli
