// The help texts of rangedesk-cli: the overview and one page per command.
#include "cli_help.h"

#include <QCoreApplication>
#include <QMap>

namespace rangedesk::cli {

QString HelpText(const QString& command) {
    static const char* const kExit = QT_TRANSLATE_NOOP("CliHelp", R"(
Exit status:
  0    done
  1    usage: an unknown command or option, a missing value
  2    no meter found
  3    a meter was found but cannot be opened (the udev rule is missing)
  4    download incomplete: records missing, the meter unplugged, no answer
  5    database or file error, or an edit the database refuses: a job name that is empty,
       longer than 200 characters or holds control characters, a name another job has, a
       label or note over 2,000 characters, a job, download or record that does not exist
  6    team server: not reachable, refused, or rows still wait
  130  interrupted (Ctrl+C)
)");
    static const char* const kGlobal = QT_TRANSLATE_NOOP("CliHelp", R"(
Global options:
  --device /dev/hidrawN   use this meter when several are plugged in (default: the last found)
  --simulate MODEL[:RECORDS[:LATENCY_MS]]
                          use a simulated meter instead of the hardware, e.g. 3:50:2
  --quiet                 no progress on standard error
  --help                  this help;  --version: the version and the database in use
)");
    static const QMap<QString, const char*> kHelp = {
        {"devices", QT_TRANSLATE_NOOP("CliHelp", R"(Usage: rangedesk-cli devices [--json]

Lists every meter found: model, vendor:product, device node, and whether this user can
open it. A meter that cannot be opened comes with the fix to copy.
  --json   an array of {"model", "vendor", "product", "node", "access"}

Examples:
  rangedesk-cli devices
  rangedesk-cli devices --json | jq '.[0].node'
)")},
        {"read", QT_TRANSLATE_NOOP("CliHelp", R"(Usage: rangedesk-cli read [--json]

Presses Read on the meter and fetches the reading 300 ms later, as the Read button does,
and prints it in metres, e.g. "1.234 m".
  --json   {"distance_m": 1.234, "text": "1.234 m"}

Examples:
  rangedesk-cli read
  rangedesk-cli --device /dev/hidraw3 read --json
)")},
        {"download",
         QT_TRANSLATE_NOOP(
             "CliHelp",
             R"(Usage: rangedesk-cli download [--db FILE] [--csv FILE|-] [--no-db] [--job NAME]
                              [--json]

Downloads every record stored in the meter, as Export Records does, into the program's
database (its LoadData table is replaced) and, with --csv, also as CSV (RFC 4180, UTF-8,
CRLF; a byte-order mark in a file, none on standard output). Progress goes to standard
error; a summary line ends it. Ctrl+C cancels: rows already stored stay.
  --db FILE    this database instead of the program's
  --csv FILE   also write the records as CSV; - is standard output
  --no-db      only the CSV; the database is not touched
  --job NAME   the download goes into this job, which is made when there is none of that
               name (any case); the summary says so
  --json       the summary on standard output: {"download", "asked", "stored", "new",
               "outcome", "job", "job_created"}

Examples:
  rangedesk-cli download
  rangedesk-cli download --job "Kitchen, 12 Elm Street" --json
  rangedesk-cli download --no-db --csv - | column -s, -t
  rangedesk-cli download --csv "site-$(date +%F).csv"
)")},
        {"export", QT_TRANSLATE_NOOP(
                       "CliHelp", R"(Usage: rangedesk-cli export [--db FILE] [--format xls|xlsx|csv]
                            [--units as-measured|metric|imperial] FILE

Writes the LoadData table of the database to FILE, as Export to Excel does. The format
follows the extension (.xls, .xlsx, .csv) unless --format says otherwise. FILE is replaced
only once it is complete, and is never the database; - writes to standard output (CSV unless
--format says otherwise).
  --units WORD  as-measured (the default): every value as the meter wrote it.
                metric or imperial: every length, area and volume in m, m2, m3 or ft, ft2,
                ft3 (angles stay in degrees, slopes in percent). In an .xlsx file each value
                is a number in that unit, formatted with it, and a totals block per kind
                (formulas, so the sheet adds up after an edit) follows the rows. In a CSV
                file each of DIST1, DIST2, DIST3 and RESULT is two columns, the number at
                full precision and "DIST1 unit". A slot without a quantity stays text; the
                export says how many did. An .XLS file is always as measured.

Examples:
  rangedesk-cli export records.xls
  rangedesk-cli export --units metric records.xlsx
  rangedesk-cli export --db ~/site.mdb --format csv -
)")},
        {"decode", QT_TRANSLATE_NOOP("CliHelp", R"(Usage: rangedesk-cli decode --model N

Reads captured record replies from standard input, one per line as hexadecimal bytes
(blanks allowed), and prints for each the ten tab-separated texts: mode, unit, then value
and suffix of DIST1, DIST2, DIST3 and RESULT, as a meter of model N (1 to 4) gives them.

Example:
  echo "23 00 10 00 00 98 3a 00 00 ..." | rangedesk-cli decode --model 1
)")},
        {"history",
         QT_TRANSLATE_NOOP("CliHelp",
                           R"(Usage: rangedesk-cli history [--json] [--search TEXT] [--db FILE]
       rangedesk-cli history --team [--json] [--search TEXT]
       rangedesk-cli history show ID [--json | --raw | --csv FILE|-] [--only-new]
       rangedesk-cli history export ID FILE [--format xls|xlsx|csv] [--units WORD] [--only-new]
       rangedesk-cli history totals ID [--units WORD] [--json]
       rangedesk-cli history assign ID JOB
       rangedesk-cli history label ID RECNO TEXT
       rangedesk-cli history note ID RECNO TEXT
       rangedesk-cli history deduct ID RECNO on|off
       rangedesk-cli history load ID
       rangedesk-cli history delete ID
       rangedesk-cli history redecode ID

Every download is kept in the database with the bytes the meter sent. Without an action, the
downloads are listed, newest first: ID, date and time, meter ("simulated model 3" for a
simulated one), job, records stored of asked, new since the previous download from that
meter, and outcome.
  --search TEXT only the downloads whose job, client, or a record's mode, label or note
                holds TEXT, in any case and script, each with the records that matched
                (--json: a list of downloads, each with "records")
  show ID       the download's records with their label and note; --json: the download's
                fields and "records", each with RecNo, MODE, UNIT, DIST1, DIST2, DIST3,
                RESULT, label, note and deduction; --raw: the kept reply bytes, one record a
                line, as decode reads them; --csv: the seven columns as CSV
  export ID F   write them to a file, as export does; .xlsx and .csv files have Label and
                Note after the seven columns (and Deduction under --units metric|imperial),
                an .XLS file the seven columns alone
  totals ID     the sum of the RESULT values by kind (lengths, areas, volumes), deductions
                taken off, with how many records each holds. Kinds are never added
                together; as measured (the default), a kind sums only the records written in
                its most common unit and names those left out. --json: a list of {"kind",
                "unit", "value", "records"}, plus "left_out" ({"download", "recno"}) as
                measured
  assign ID JOB put the download into the job (see job create)
  label, note   the record's label or note; an empty TEXT removes it (2,000 characters at
                most). Put -- before a TEXT that begins with "-"
  deduct        on: the record is a deduction (a window, a door) and counts negative in
                every total; off: it counts again
  --only-new    show or export only the records no earlier download from that meter had
  load ID       put them into LoadData, as the grid shows them
  delete ID     remove the download from the history
  redecode ID   decode the kept bytes again with this version's decoder, and say how many
                records changed
  --team        the team's downloads from the team server, with the desk and user that made
                them and their job; --json gives the keys of history --json (the ID is the
                download's UUID) plus "desk", "user" and "job"

Examples:
  rangedesk-cli history
  rangedesk-cli history --search "north wall"
  rangedesk-cli history show 12 --json | jq '.records[] | {RecNo, label}'
  rangedesk-cli history show 12 --raw | rangedesk-cli decode --model 3
  rangedesk-cli history label 12 3 "Kitchen north wall"
  rangedesk-cli history deduct 12 4 on
  rangedesk-cli history totals 12 --units metric
  rangedesk-cli history export 12 site.xlsx --units imperial
)")},
        {"job", QT_TRANSLATE_NOOP("CliHelp", R"(Usage: rangedesk-cli job [--json] [--db FILE]
       rangedesk-cli job create NAME [--client TEXT] [--address TEXT] [--note TEXT]
       rangedesk-cli job rename OLD NEW
       rangedesk-cli job show NAME [--json]
       rangedesk-cli job export NAME FILE [--format xlsx|csv] [--units WORD]
       rangedesk-cli job totals NAME [--units WORD] [--json]
       rangedesk-cli job report NAME --pdf FILE [--units WORD]

A job is where and for whom measurements were taken; downloads go into it (download --job,
history assign). Without an action, the jobs are listed, newest first; --json gives a list
of {"name", "client", "address", "notes", "created", "downloads", "records"}. A NAME is found
in any case. A job's name is 1 to 200 characters without control characters, and no two jobs
have the same name in any case; client, address and note hold 2,000 characters at most.
  create NAME    make a job, with its client, address and a note
  rename OLD NEW give the job another name
  show NAME      the job and its downloads; --json: the job's fields and "downloads", each
                 with its fields and every record with label and note
  export NAME F  every record of the job's downloads, oldest download first, with Download
                 (its date and time) first and Label and Note after the seven columns
                 (.xlsx by default, or .csv; see export for --units)
  totals NAME    the sums by kind over the job's records (see history totals)
  report NAME    the report for the client as a PDF file: the company and contact line (see
                 config), the job's name, client and address, the date; per download its
                 records with label, mode, the values in --units and the deductions marked;
                 the totals; "Page i of n". Its layout is lib/Report.rav; a Report.rav in the
                 user's data folder overrides it. A job without records gives no file.

Examples:
  rangedesk-cli job create "Kitchen, 12 Elm Street" --client "A. Smith" --address "12 Elm St"
  rangedesk-cli job
  rangedesk-cli job totals "kitchen, 12 elm street" --units metric --json
  rangedesk-cli job export "Kitchen, 12 Elm Street" kitchen.xlsx --units metric
  rangedesk-cli job report "Kitchen, 12 Elm Street" --pdf kitchen.pdf --units metric
)")},
        {"config", QT_TRANSLATE_NOOP("CliHelp", R"(Usage: rangedesk-cli config
       rangedesk-cli config company TEXT
       rangedesk-cli config contact TEXT

What heads every client report (job report), kept in the user's configuration
(~/.config/RangeDesk/RangeDesk.conf, keys report/company and report/contact). Without an
action, shows both; an empty TEXT removes one.

Examples:
  rangedesk-cli config company "Example Surveys Ltd"
  rangedesk-cli config contact "+44 20 7946 0000, office@example.com"
  rangedesk-cli config
)")},
        {"team", QT_TRANSLATE_NOOP("CliHelp", R"(Usage: rangedesk-cli team init SERVER
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
)")},
        {"print", QT_TRANSLATE_NOOP("CliHelp", R"(Usage: rangedesk-cli print --pdf FILE [--db FILE]

Prints the records of the database through the report definition Vermo.rav, as the Print
button does, into a PDF file, without any dialog.

Example:
  rangedesk-cli print --pdf records.pdf
)")},
    };
    const QString tail = QCoreApplication::translate("CliHelp", kGlobal) +
                         QCoreApplication::translate("CliHelp", kExit);
    if (kHelp.contains(command)) {
        return QCoreApplication::translate("CliHelp", kHelp[command]) + tail;
    }
    return QCoreApplication::translate("CliHelp",
                                       R"(Usage: rangedesk-cli [global options] COMMAND [options]

The laser distance meter and its records from a terminal.

Commands:
  devices    list the meters found
  read       take a reading
  download   download every record stored in the meter
  export     write the records to .xls, .xlsx or .csv
  decode     decode captured record replies
  print      print the records to a PDF file
  measure    one reading, typed into the focused application with --type
  history    every download kept: list, search, show, export, totals, label, note,
             deduct, assign, load, delete, redecode
  job        jobs: list, create, rename, show, export, totals, report
  config     the company and contact line of the client report
  team       the team server: init, connect, disconnect, status, push

"rangedesk-cli COMMAND --help" shows a command's options and examples.
)") + tail;
}

} // namespace rangedesk::cli
