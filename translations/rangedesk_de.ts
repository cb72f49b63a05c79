<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
    <context>
        <name>AccessibleNames</name>
        <message>
            <source>Read</source>
            <translation>Messen</translation>
        </message>
        <message>
            <source>Takes one reading from the meter</source>
            <translation>Nimmt einen Messwert vom Messgerät</translation>
        </message>
        <message>
            <source>Clear</source>
            <translation>Löschen</translation>
        </message>
        <message>
            <source>Clears the reading on the meter</source>
            <translation>Löscht den Messwert am Messgerät</translation>
        </message>
        <message>
            <source>Export Records</source>
            <translation>Herunterladen</translation>
        </message>
        <message>
            <source>Downloads the records stored in the meter into the grid</source>
            <translation>Lädt die im Messgerät gespeicherten Messungen in die Tabelle herunter</translation>
        </message>
        <message>
            <source>Export to Excel</source>
            <translation>Excel-Export</translation>
        </message>
        <message>
            <source>Saves the records of the grid as an XLS, XLSX or CSV file</source>
            <translation>Speichert die Messungen der Tabelle als XLS-, XLSX- oder CSV-Datei</translation>
        </message>
        <message>
            <source>Print</source>
            <translation>Drucken</translation>
        </message>
        <message>
            <source>Prints the records of the grid</source>
            <translation>Druckt die Messungen der Tabelle</translation>
        </message>
        <message>
            <source>About</source>
            <translation>Über</translation>
        </message>
        <message>
            <source>The version and the meters RangeDesk knows</source>
            <translation>Die Version und die Messgeräte, die RangeDesk kennt</translation>
        </message>
        <message>
            <source>History</source>
            <translation>Verlauf</translation>
        </message>
        <message>
            <source>Every download kept, with the meter's own bytes</source>
            <translation>Alles Heruntergeladene, mit den Originaldaten des Messgeräts</translation>
        </message>
        <message>
            <source>Settings</source>
            <translation>Einstellungen</translation>
        </message>
        <message>
            <source>How readings are typed into other applications, and the language</source>
            <translation>Wie Messwerte in andere Anwendungen getippt werden, und die Sprache</translation>
        </message>
        <message>
            <source>Type readings into the focused application</source>
            <translation>Messwerte in die aktive Anwendung tippen</translation>
        </message>
        <message>
            <source>While on, every reading is typed where the keyboard focus is</source>
            <translation>Solange eingeschaltet, wird jeder Messwert dort getippt, wo der Tastaturfokus ist</translation>
        </message>
        <message>
            <source>Reading display, first line</source>
            <translation>Messwertanzeige, erste Zeile</translation>
        </message>
        <message>
            <source>Reading display, second line</source>
            <translation>Messwertanzeige, zweite Zeile</translation>
        </message>
        <message>
            <source>Reading display, third line</source>
            <translation>Messwertanzeige, dritte Zeile</translation>
        </message>
        <message>
            <source>Newest reading</source>
            <translation>Neuester Messwert</translation>
        </message>
        <message>
            <source>Meter</source>
            <translation>Messgerät</translation>
        </message>
        <message>
            <source>The picture of the meter plugged in</source>
            <translation>Das Bild des angeschlossenen Messgeräts</translation>
        </message>
        <message>
            <source>Records</source>
            <translation>Messungen</translation>
        </message>
        <message>
            <source>The records downloaded from the meter</source>
            <translation>Die vom Messgerät heruntergeladenen Messungen</translation>
        </message>
        <message>
            <source>Record navigator</source>
            <translation>Navigation durch die Messungen</translation>
        </message>
        <message>
            <source>First record</source>
            <translation>Erste Messung</translation>
        </message>
        <message>
            <source>Prior record</source>
            <translation>Vorige Messung</translation>
        </message>
        <message>
            <source>Next record</source>
            <translation>Nächste Messung</translation>
        </message>
        <message>
            <source>Last record</source>
            <translation>Letzte Messung</translation>
        </message>
        <message>
            <source>Status</source>
            <translation>Status</translation>
        </message>
    </context>
    <context>
        <name>CliDownload</name>
        <message>
            <source>%1 of %2 records stored.</source>
            <translation>%1 von %2 Messungen gespeichert.</translation>
        </message>
        <message>
            <source>%1 of %2 records stored; missing: %3.</source>
            <translation>%1 von %2 Messungen gespeichert; es fehlen: %3.</translation>
        </message>
        <message>
            <source>download stopped: %1</source>
            <translation>Herunterladen abgebrochen: %1</translation>
        </message>
        <message>
            <source>Job "%1" created; the download is in it.</source>
            <translation>Auftrag „%1“ angelegt; der Download ist darin.</translation>
        </message>
        <message>
            <source>The download is in job "%1".</source>
            <translation>Der Download ist im Auftrag „%1“.</translation>
        </message>
    </context>
    <context>
        <name>CliFiles</name>
        <message>
            <source>--units %1 needs an .xlsx or .csv file: an .XLS file holds the values as measured</source>
            <translation>--units %1 braucht eine .xlsx- oder .csv-Datei: eine .XLS-Datei enthält die Werte wie gemessen</translation>
        </message>
        <message>
            <source>Exported %1 records in %2 units; %3 values stayed text (no quantity in them)</source>
            <translation>%1 Messungen in %2-Einheiten exportiert; %3 Werte blieben Text (keine Größe darin)</translation>
        </message>
        <message>
            <source>Exported %1 records to %2 in %3 units; %4 values stayed text (no quantity in them)</source>
            <translation>%1 Messungen nach %2 in %3-Einheiten exportiert; %4 Werte blieben Text (keine Größe darin)</translation>
        </message>
        <message>
            <source>Exported %1 records to %2</source>
            <translation>%1 Messungen nach %2 exportiert</translation>
        </message>
        <message>
            <source>cannot read standard input: it is a folder</source>
            <translation>Standardeingabe kann nicht gelesen werden: sie ist ein Ordner</translation>
        </message>
        <message>
            <source>line %1: not hexadecimal bytes</source>
            <translation>Zeile %1: keine hexadezimalen Bytes</translation>
        </message>
        <message>
            <source>line %1: %2 bytes, the layout needs %3</source>
            <translation>Zeile %1: %2 Bytes, das Format braucht %3</translation>
        </message>
        <message>
            <source>cannot read standard input</source>
            <translation>Standardeingabe kann nicht gelesen werden</translation>
        </message>
    </context>
    <context>
        <name>CliHelp</name>
        <message>
            <source>
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
</source>
            <translation>
Exit-Status:
  0    erledigt
  1    Aufruf: ein unbekannter Befehl oder eine unbekannte Option, ein fehlender Wert
  2    kein Messgerät gefunden
  3    ein Messgerät wurde gefunden, lässt sich aber nicht öffnen (die udev-Regel fehlt)
  4    Herunterladen unvollständig: Messungen fehlen, das Messgerät wurde abgezogen, keine Antwort
  5    Datenbank- oder Dateifehler, oder eine Änderung, die die Datenbank ablehnt: ein
       Auftragsname, der leer ist, länger als 200 Zeichen ist oder Steuerzeichen enthält, ein
       Name, den ein anderer Auftrag hat, eine Bezeichnung oder Notiz über 2.000 Zeichen, ein
       Auftrag, Download oder eine Messung, die es nicht gibt
  6    Team-Server: nicht erreichbar, abgelehnt, oder es warten noch Zeilen
  130  unterbrochen (Strg+C)
</translation>
        </message>
        <message>
            <source>
Global options:
  --device /dev/hidrawN   use this meter when several are plugged in (default: the last found)
  --simulate MODEL[:RECORDS[:LATENCY_MS]]
                          use a simulated meter instead of the hardware, e.g. 3:50:2
  --quiet                 no progress on standard error
  --help                  this help;  --version: the version and the database in use
</source>
            <translation>
Globale Optionen:
  --device /dev/hidrawN   dieses Messgerät verwenden, wenn mehrere angeschlossen sind
                          (Vorgabe: das zuletzt gefundene)
  --simulate MODEL[:RECORDS[:LATENCY_MS]]
                          ein simuliertes Messgerät statt der Hardware, z. B. 3:50:2
  --quiet                 kein Fortschritt auf der Standardfehlerausgabe
  --help                  diese Hilfe;  --version: die Version und die verwendete Datenbank
</translation>
        </message>
        <message>
            <source>Usage: rangedesk-cli devices [--json]

Lists every meter found: model, vendor:product, device node, and whether this user can
open it. A meter that cannot be opened comes with the fix to copy.
  --json   an array of {"model", "vendor", "product", "node", "access"}

Examples:
  rangedesk-cli devices
  rangedesk-cli devices --json | jq '.[0].node'
</source>
            <translation>Aufruf: rangedesk-cli devices [--json]

Listet jedes gefundene Messgerät auf: Modell, Hersteller:Produkt, Geräteknoten und ob dieser
Benutzer es öffnen kann. Zu einem Messgerät, das sich nicht öffnen lässt, steht die Abhilfe
zum Kopieren dabei.
  --json   ein Array aus {"model", "vendor", "product", "node", "access"}

Beispiele:
  rangedesk-cli devices
  rangedesk-cli devices --json | jq '.[0].node'
</translation>
        </message>
        <message>
            <source>Usage: rangedesk-cli read [--json]

Presses Read on the meter and fetches the reading 300 ms later, as the Read button does,
and prints it in metres, e.g. "1.234 m".
  --json   {"distance_m": 1.234, "text": "1.234 m"}

Examples:
  rangedesk-cli read
  rangedesk-cli --device /dev/hidraw3 read --json
</source>
            <translation>Aufruf: rangedesk-cli read [--json]

Drückt Lesen am Messgerät und holt den Messwert 300 ms später ab, wie die Schaltfläche Lesen,
und gibt ihn in Metern aus, z. B. "1.234 m".
  --json   {"distance_m": 1.234, "text": "1.234 m"}

Beispiele:
  rangedesk-cli read
  rangedesk-cli --device /dev/hidraw3 read --json
</translation>
        </message>
        <message>
            <source>Usage: rangedesk-cli download [--db FILE] [--csv FILE|-] [--no-db] [--job NAME]
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
</source>
            <translation>Aufruf: rangedesk-cli download [--db FILE] [--csv FILE|-] [--no-db] [--job NAME]
                              [--json]

Lädt jede im Messgerät gespeicherte Messung herunter, wie Export Records, in die Datenbank
des Programms (ihre Tabelle LoadData wird ersetzt) und mit --csv auch als CSV (RFC 4180,
UTF-8, CRLF; eine Byte-Order-Mark in einer Datei, keine auf der Standardausgabe). Der
Fortschritt geht auf die Standardfehlerausgabe; eine Zusammenfassung beendet ihn. Strg+C
bricht ab: schon gespeicherte Zeilen bleiben.
  --db FILE    diese Datenbank statt der des Programms
  --csv FILE   die Messungen auch als CSV schreiben; - ist die Standardausgabe
  --no-db      nur die CSV; die Datenbank wird nicht berührt
  --job NAME   der Download kommt in diesen Auftrag, der angelegt wird, wenn es keinen
               dieses Namens gibt (Groß-/Kleinschreibung egal); die Zusammenfassung sagt es
  --json       die Zusammenfassung auf der Standardausgabe: {"download", "asked", "stored",
               "new", "outcome", "job", "job_created"}

Beispiele:
  rangedesk-cli download
  rangedesk-cli download --job "Kitchen, 12 Elm Street" --json
  rangedesk-cli download --no-db --csv - | column -s, -t
  rangedesk-cli download --csv "site-$(date +%F).csv"
</translation>
        </message>
        <message>
            <source>Usage: rangedesk-cli export [--db FILE] [--format xls|xlsx|csv]
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
</source>
            <translation>Aufruf: rangedesk-cli export [--db FILE] [--format xls|xlsx|csv]
                            [--units as-measured|metric|imperial] FILE

Schreibt die Tabelle LoadData der Datenbank in FILE, wie Export to Excel. Das Format folgt der
Endung (.xls, .xlsx, .csv), sofern --format nichts anderes sagt. FILE wird erst ersetzt, wenn
sie vollständig ist, und ist nie die Datenbank; - schreibt auf die Standardausgabe (CSV,
sofern --format nichts anderes sagt).
  --units WORD  as-measured (Vorgabe): jeder Wert so, wie das Messgerät ihn schrieb.
                metric oder imperial: jede Länge, Fläche und jedes Volumen in m, m2, m3 oder
                ft, ft2, ft3 (Winkel bleiben in Grad, Neigungen in Prozent). In einer
                .xlsx-Datei ist jeder Wert eine Zahl in dieser Einheit, damit formatiert, und
                nach den Zeilen folgt ein Summenblock je Art (Formeln, damit die Tabelle auch
                nach einer Änderung aufgeht). In einer CSV-Datei ist jede von DIST1, DIST2,
                DIST3 und RESULT zwei Spalten, die Zahl in voller Genauigkeit und "DIST1 unit".
                Ein Feld ohne Größe bleibt Text; der Export sagt, wie viele es waren. Eine
                .XLS-Datei ist immer wie gemessen.

Beispiele:
  rangedesk-cli export records.xls
  rangedesk-cli export --units metric records.xlsx
  rangedesk-cli export --db ~/site.mdb --format csv -
</translation>
        </message>
        <message>
            <source>Usage: rangedesk-cli decode --model N

Reads captured record replies from standard input, one per line as hexadecimal bytes
(blanks allowed), and prints for each the ten tab-separated texts: mode, unit, then value
and suffix of DIST1, DIST2, DIST3 and RESULT, as a meter of model N (1 to 4) gives them.

Example:
  echo "23 00 10 00 00 98 3a 00 00 ..." | rangedesk-cli decode --model 1
</source>
            <translation>Aufruf: rangedesk-cli decode --model N

Liest aufgezeichnete Antworten mit Messungen von der Standardeingabe, eine pro Zeile als
hexadezimale Bytes (Leerzeichen erlaubt), und gibt für jede die zehn durch Tabulatoren
getrennten Texte aus: Modus, Einheit, dann Wert und Suffix von DIST1, DIST2, DIST3 und RESULT,
so wie ein Messgerät vom Modell N (1 bis 4) sie liefert.

Beispiel:
  echo "23 00 10 00 00 98 3a 00 00 ..." | rangedesk-cli decode --model 1
</translation>
        </message>
        <message>
            <source>Usage: rangedesk-cli history [--json] [--search TEXT] [--db FILE]
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
</source>
            <translation>Aufruf: rangedesk-cli history [--json] [--search TEXT] [--db FILE]
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

Jeder Download wird mit den Bytes, die das Messgerät sandte, in der Datenbank aufbewahrt. Ohne
Aktion werden die Downloads aufgelistet, die neuesten zuerst: ID, Datum und Uhrzeit,
Messgerät ("simulated model 3" für ein simuliertes), Auftrag, gespeicherte von angefragten
Messungen, neue seit dem vorigen Download von diesem Messgerät, und Ergebnis.
  --search TEXT nur die Downloads, deren Auftrag, Kunde, oder Modus, Bezeichnung oder Notiz
                einer Messung TEXT enthält, in jeder Schreibweise und Schrift, jeweils mit den
                passenden Messungen (--json: eine Liste von Downloads, jeder mit "records")
  show ID       die Messungen des Downloads mit Bezeichnung und Notiz; --json: die Felder des
                Downloads und "records", jede mit RecNo, MODE, UNIT, DIST1, DIST2, DIST3,
                RESULT, label, note und deduction; --raw: die aufbewahrten Antwortbytes, eine
                Messung pro Zeile, wie decode sie liest; --csv: die sieben Spalten als CSV
  export ID F   sie in eine Datei schreiben, wie export; .xlsx- und .csv-Dateien haben Label und
                Note nach den sieben Spalten (und Deduction unter --units metric|imperial),
                eine .XLS-Datei nur die sieben Spalten
  totals ID     die Summe der RESULT-Werte je Art (Längen, Flächen, Volumen), Abzüge
                abgezogen, mit der Zahl der Messungen darin. Arten werden nie
                zusammengezählt; wie gemessen (Vorgabe) summiert eine Art nur die Messungen in
                ihrer häufigsten Einheit und nennt die ausgelassenen. --json: eine Liste aus
                {"kind", "unit", "value", "records"}, dazu "left_out" ({"download", "recno"})
                wie gemessen
  assign ID JOB den Download in den Auftrag legen (siehe job create)
  label, note   Bezeichnung oder Notiz der Messung; ein leerer TEXT entfernt sie (höchstens
                2.000 Zeichen). Vor einen TEXT, der mit "-" beginnt, -- setzen
  deduct        on: die Messung ist ein Abzug (ein Fenster, eine Tür) und zählt in jeder Summe
                negativ; off: sie zählt wieder
  --only-new    nur die Messungen zeigen oder exportieren, die kein früherer Download von
                diesem Messgerät hatte
  load ID       sie in LoadData legen, wie das Raster sie zeigt
  delete ID     den Download aus dem Verlauf entfernen
  redecode ID   die aufbewahrten Bytes mit dem Decoder dieser Version neu dekodieren und sagen,
                wie viele Messungen sich geändert haben
  --team        die Downloads des Teams vom Team-Server, mit Arbeitsplatz und Benutzer, die sie
                gemacht haben, und ihrem Auftrag; --json gibt die Schlüssel von history --json
                (die ID ist die UUID des Downloads) und dazu "desk", "user" und "job"

Beispiele:
  rangedesk-cli history
  rangedesk-cli history --search "north wall"
  rangedesk-cli history show 12 --json | jq '.records[] | {RecNo, label}'
  rangedesk-cli history show 12 --raw | rangedesk-cli decode --model 3
  rangedesk-cli history label 12 3 "Kitchen north wall"
  rangedesk-cli history deduct 12 4 on
  rangedesk-cli history totals 12 --units metric
  rangedesk-cli history export 12 site.xlsx --units imperial
</translation>
        </message>
        <message>
            <source>Usage: rangedesk-cli job [--json] [--db FILE]
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
</source>
            <translation>Aufruf: rangedesk-cli job [--json] [--db FILE]
       rangedesk-cli job create NAME [--client TEXT] [--address TEXT] [--note TEXT]
       rangedesk-cli job rename OLD NEW
       rangedesk-cli job show NAME [--json]
       rangedesk-cli job export NAME FILE [--format xlsx|csv] [--units WORD]
       rangedesk-cli job totals NAME [--units WORD] [--json]
       rangedesk-cli job report NAME --pdf FILE [--units WORD]

Ein Auftrag sagt, wo und für wen gemessen wurde; Downloads kommen hinein (download --job,
history assign). Ohne Aktion werden die Aufträge aufgelistet, die neuesten zuerst; --json gibt
eine Liste aus {"name", "client", "address", "notes", "created", "downloads", "records"}. Ein
NAME wird in jeder Schreibweise gefunden. Der Name eines Auftrags hat 1 bis 200 Zeichen ohne
Steuerzeichen, und keine zwei Aufträge heißen gleich, in keiner Schreibweise; Kunde, Adresse
und Notiz haben höchstens 2.000 Zeichen.
  create NAME    einen Auftrag anlegen, mit Kunde, Adresse und einer Notiz
  rename OLD NEW dem Auftrag einen anderen Namen geben
  show NAME      der Auftrag und seine Downloads; --json: die Felder des Auftrags und
                 "downloads", jeder mit seinen Feldern und jeder Messung mit Bezeichnung und
                 Notiz
  export NAME F  jede Messung der Downloads des Auftrags, ältester Download zuerst, mit
                 Download (Datum und Uhrzeit) vorne und Label und Note nach den sieben Spalten
                 (.xlsx als Vorgabe, oder .csv; zu --units siehe export)
  totals NAME    die Summen je Art über die Messungen des Auftrags (siehe history totals)
  report NAME    das Aufmaß für den Kunden als PDF-Datei: Firma und Kontaktzeile (siehe
                 config), Name, Kunde und Adresse des Auftrags, das Datum; je Download seine
                 Messungen mit Bezeichnung, Modus, den Werten in --units und markierten
                 Abzügen; die Summen; "Page i of n". Das Layout ist lib/Report.rav; eine
                 Report.rav im Datenordner des Benutzers ersetzt es. Ein Auftrag ohne Messungen
                 ergibt keine Datei.

Beispiele:
  rangedesk-cli job create "Kitchen, 12 Elm Street" --client "A. Smith" --address "12 Elm St"
  rangedesk-cli job
  rangedesk-cli job totals "kitchen, 12 elm street" --units metric --json
  rangedesk-cli job export "Kitchen, 12 Elm Street" kitchen.xlsx --units metric
  rangedesk-cli job report "Kitchen, 12 Elm Street" --pdf kitchen.pdf --units metric
</translation>
        </message>
        <message>
            <source>Usage: rangedesk-cli config
       rangedesk-cli config company TEXT
       rangedesk-cli config contact TEXT

What heads every client report (job report), kept in the user's configuration
(~/.config/RangeDesk/RangeDesk.conf, keys report/company and report/contact). Without an
action, shows both; an empty TEXT removes one.

Examples:
  rangedesk-cli config company "Example Surveys Ltd"
  rangedesk-cli config contact "+44 20 7946 0000, office@example.com"
  rangedesk-cli config
</source>
            <translation>Aufruf: rangedesk-cli config
       rangedesk-cli config company TEXT
       rangedesk-cli config contact TEXT

Was über jedem Aufmaß für den Kunden steht (job report), gespeichert in der Konfiguration des
Benutzers (~/.config/RangeDesk/RangeDesk.conf, Schlüssel report/company und report/contact).
Ohne Aktion werden beide gezeigt; ein leerer TEXT entfernt einen.

Beispiele:
  rangedesk-cli config company "Example Surveys Ltd"
  rangedesk-cli config contact "+44 20 7946 0000, office@example.com"
  rangedesk-cli config
</translation>
        </message>
        <message>
            <source>Usage: rangedesk-cli team init SERVER
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
</source>
            <translation>Aufruf: rangedesk-cli team init SERVER
       rangedesk-cli team connect SERVER [--desk NAME]
       rangedesk-cli team disconnect
       rangedesk-cli team status [--json] [--db FILE]
       rangedesk-cli team push [--db FILE]

Ein Team-Server ist eine PostgreSQL-Datenbank, an die jeder Arbeitsplatz seine Downloads,
Aufträge, Bezeichnungen, Notizen, Abzüge und Messwerte sendet. Jeder Arbeitsplatz arbeitet
weiter mit seiner eigenen Datenbank; ein Download wartet nie auf den Server. SERVER ist eine
libpq-URL (postgresql://user@host:port/db?sslmode=verify-full, host=/pfad für einen
Unix-Socket), eine Schlüsselwortliste (host=... dbname=...) oder ein Dienst aus
pg_service.conf (service=NAME). Passwörter kommen aus den eigenen Quellen von libpq
(~/.pgpass, die Dienstdatei, PGPASSWORD) oder aus dem Schlüsselbund der Arbeitsumgebung, nie
von der Befehlszeile oder aus den Einstellungen.
  init SERVER     einmal, durch den Administrator: legt die Rollen rangedesk_desk und
                  rangedesk_admin, das Schema und seine Versionstabelle an; hebt ein älteres
                  Schema an
  connect SERVER  dieser Arbeitsplatz sendet ab jetzt an SERVER (in den Einstellungen des
                  Benutzers gespeichert) und prüft die Verbindung; --desk NAME benennt den
                  Arbeitsplatz (Vorgabe: der Rechnername)
  disconnect      dieser Arbeitsplatz hört auf zu senden; seine Arbeit bleibt in seiner
                  eigenen Datenbank
  status          erreichbar, die Schemaversion, die wartenden Änderungen, das letzte Senden
                  und die Zahlen auf diesem Arbeitsplatz und auf dem Server (--json für ein
                  Skript)
  push            sendet jetzt, was wartet, mit Fortschritt; Exit-Status 0 nur, wenn nichts
                  mehr wartet

Beispiele:
  rangedesk-cli team init postgresql://postgres@db.example.com/rangedesk
  rangedesk-cli team connect "postgresql://desk_north@db.example.com/rangedesk?sslmode=verify-full"
  rangedesk-cli team status --json
</translation>
        </message>
        <message>
            <source>Usage: rangedesk-cli print --pdf FILE [--db FILE]

Prints the records of the database through the report definition Vermo.rav, as the Print
button does, into a PDF file, without any dialog.

Example:
  rangedesk-cli print --pdf records.pdf
</source>
            <translation>Aufruf: rangedesk-cli print --pdf FILE [--db FILE]

Druckt die Messungen der Datenbank über die Berichtsdefinition Vermo.rav, wie die
Schaltfläche Drucken, in eine PDF-Datei, ohne Dialog.

Beispiel:
  rangedesk-cli print --pdf records.pdf
</translation>
        </message>
        <message>
            <source>Usage: rangedesk-cli [global options] COMMAND [options]

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
</source>
            <translation>Aufruf: rangedesk-cli [globale Optionen] BEFEHL [Optionen]

Der Laser-Entfernungsmesser und seine Messungen im Terminal.

Befehle:
  devices    die gefundenen Messgeräte auflisten
  read       einen Messwert nehmen
  download   jede im Messgerät gespeicherte Messung herunterladen
  export     die Messungen in .xls, .xlsx oder .csv schreiben
  decode     aufgezeichnete Antworten mit Messungen dekodieren
  print      die Messungen in eine PDF-Datei drucken
  measure    ein Messwert, mit --type in die Anwendung mit dem Fokus getippt
  history    jeder aufbewahrte Download: auflisten, suchen, zeigen, exportieren, Summen,
             Bezeichnung, Notiz, Abzug, zuordnen, laden, löschen, neu dekodieren
  job        Aufträge: auflisten, anlegen, umbenennen, zeigen, exportieren, Summen, Aufmaß
  config     Firma und Kontaktzeile des Aufmaßes für den Kunden
  team       der Team-Server: init, connect, disconnect, status, push

"rangedesk-cli BEFEHL --help" zeigt die Optionen und Beispiele eines Befehls.
</translation>
        </message>
    </context>
    <context>
        <name>CliHistory</name>
        <message>
            <source>No download is kept yet.</source>
            <translation>Es ist noch kein Download gespeichert.</translation>
        </message>
        <message>
            <source>No download matches "%1".</source>
            <translation>Kein Download passt zu „%1“.</translation>
        </message>
        <message>
            <source>download %1 holds no bytes of the meter (it was imported from an older version)</source>
            <translation>Download %1 enthält keine Bytes des Messgeräts (er wurde aus einer älteren Version übernommen)</translation>
        </message>
        <message>
            <source>download %1 holds no bytes of the meter (it was kept without them)</source>
            <translation>Download %1 enthält keine Bytes des Messgeräts (er wurde ohne sie gespeichert)</translation>
        </message>
        <message>
            <source>%1 replies of a model %2 meter: rangedesk-cli decode --model %2 reads them.</source>
            <translation>%1 Antworten eines Messgeräts vom Modell %2: rangedesk-cli decode --model %2 liest sie.</translation>
        </message>
        <message>
            <source>the new ones of download %1 (%2)</source>
            <translation>die neuen Messungen von Download %1 (%2)</translation>
        </message>
        <message>
            <source>download %1 (%2)</source>
            <translation>Download %1 (%2)</translation>
        </message>
        <message>
            <source>there is no download %1 in %2</source>
            <translation>in %2 gibt es keinen Download %1</translation>
        </message>
        <message>
            <source>Download %1 (%2 records) is in LoadData now.</source>
            <translation>Download %1 (%2 Messungen) ist jetzt in LoadData.</translation>
        </message>
        <message>
            <source>Download %1 deleted.</source>
            <translation>Download %1 gelöscht.</translation>
        </message>
        <message>
            <source>Download %1: %2 of %3 records changed.</source>
            <translation>Download %1: %2 von %3 Messungen geändert.</translation>
        </message>
        <message>
            <source>Download %1 is in job "%2" now.</source>
            <translation>Download %1 ist jetzt im Auftrag „%2“.</translation>
        </message>
        <message>
            <source>Record %1 of download %2 has no label now.</source>
            <translation>Messung %1 von Download %2 hat jetzt keine Bezeichnung.</translation>
        </message>
        <message>
            <source>Record %1 of download %2 is labelled "%3".</source>
            <translation>Messung %1 von Download %2 hat die Bezeichnung „%3“.</translation>
        </message>
        <message>
            <source>Record %1 of download %2 has no note now.</source>
            <translation>Messung %1 von Download %2 hat jetzt keine Notiz.</translation>
        </message>
        <message>
            <source>Record %1 of download %2 has a note now.</source>
            <translation>Messung %1 von Download %2 hat jetzt eine Notiz.</translation>
        </message>
        <message>
            <source>Record %1 of download %2 is a deduction now: it counts negative in the totals.</source>
            <translation>Messung %1 von Download %2 ist jetzt ein Abzug: sie zählt in den Summen negativ.</translation>
        </message>
        <message>
            <source>Record %1 of download %2 is no deduction now.</source>
            <translation>Messung %1 von Download %2 ist jetzt kein Abzug mehr.</translation>
        </message>
    </context>
    <context>
        <name>CliJob</name>
        <message>
            <source>Job:	%1</source>
            <translation>Auftrag:	%1</translation>
        </message>
        <message>
            <source>Client:	%1</source>
            <translation>Kunde:	%1</translation>
        </message>
        <message>
            <source>Address:	%1</source>
            <translation>Adresse:	%1</translation>
        </message>
        <message>
            <source>Notes:	%1</source>
            <translation>Notizen:	%1</translation>
        </message>
        <message>
            <source>Created:	%1</source>
            <translation>Angelegt:	%1</translation>
        </message>
        <message>
            <source>Downloads:	%1 (%2 records)</source>
            <translation>Downloads:	%1 (%2 Messungen)</translation>
        </message>
        <message>
            <source>There is no job yet (rangedesk-cli job create NAME makes one).</source>
            <translation>Es gibt noch keinen Auftrag (rangedesk-cli job create NAME legt einen an).</translation>
        </message>
        <message>
            <source>Job "%1" created.</source>
            <translation>Auftrag „%1“ angelegt.</translation>
        </message>
        <message>
            <source>Job "%1" is called "%2" now.</source>
            <translation>Auftrag „%1“ heißt jetzt „%2“.</translation>
        </message>
        <message>
            <source>job export writes .xlsx or .csv files; an .XLS file has no room for the download, the label and the note</source>
            <translation>job export schreibt .xlsx- oder .csv-Dateien; in einer .XLS-Datei ist kein Platz für Download, Bezeichnung und Notiz</translation>
        </message>
        <message>
            <source>job "%1"</source>
            <translation>Auftrag „%1“</translation>
        </message>
        <message>
            <source>Job %1</source>
            <translation>Auftrag %1</translation>
        </message>
        <message>
            <source>job "%1" has no records to report; no file was written</source>
            <translation>Auftrag „%1“ hat keine Messungen für ein Aufmaß; es wurde keine Datei geschrieben</translation>
        </message>
        <message>
            <source>Report of job "%1" (%2 records) written to %3</source>
            <translation>Aufmaß des Auftrags „%1“ (%2 Messungen) nach %3 geschrieben</translation>
        </message>
        <message>
            <source>there is no job "%1" in %2</source>
            <translation>in %2 gibt es keinen Auftrag „%1“</translation>
        </message>
    </context>
    <context>
        <name>CliMain</name>
        <message>
            <source>%1 (rangedesk-cli --help tells more)</source>
            <translation>%1 (rangedesk-cli --help sagt mehr)</translation>
        </message>
    </context>
    <context>
        <name>CliMeasure</name>
        <message>
            <source>--template is for a measure without the window; the window types with the template of its Settings</source>
            <translation>--template gilt für eine Messung ohne Fenster; das Fenster tippt mit der Vorlage aus seinen Einstellungen</translation>
        </message>
        <message>
            <source>the running RangeDesk says: %1</source>
            <translation>das laufende RangeDesk meldet: %1</translation>
        </message>
        <message>
            <source>measured by the running RangeDesk window</source>
            <translation>gemessen vom laufenden RangeDesk-Fenster</translation>
        </message>
        <message>
            <source>typing method: %1; %2</source>
            <translation>Eingabemethode: %1; %2</translation>
        </message>
        <message>
            <source>No reading is kept yet.</source>
            <translation>Es ist noch kein Messwert gespeichert.</translation>
        </message>
    </context>
    <context>
        <name>CliMeter</name>
        <message>
            <source>no meter found</source>
            <translation>kein Messgerät gefunden</translation>
        </message>
        <message>
            <source>no meter found at %1</source>
            <translation>kein Messgerät an %1 gefunden</translation>
        </message>
        <message>
            <source>no meter found at %1; meters found: %2</source>
            <translation>kein Messgerät an %1 gefunden; gefundene Messgeräte: %2</translation>
        </message>
        <message>
            <source>model %1  %2:%3  %4  can be opened</source>
            <translation>Modell %1  %2:%3  %4  kann geöffnet werden</translation>
        </message>
        <message>
            <source>model %1  %2:%3  %4  cannot be opened</source>
            <translation>Modell %1  %2:%3  %4  kann nicht geöffnet werden</translation>
        </message>
        <message>
            <source>no reading from %1: %2</source>
            <translation>kein Messwert von %1: %2</translation>
        </message>
        <message>
            <source>the meter did not answer</source>
            <translation>das Messgerät hat nicht geantwortet</translation>
        </message>
        <message>
            <source>the reading was not kept: %1</source>
            <translation>der Messwert wurde nicht gespeichert: %1</translation>
        </message>
    </context>
    <context>
        <name>CliOptions</name>
        <message>
            <source>%1 takes a whole number from %2 to %3, not "%4"</source>
            <translation>%1 nimmt eine ganze Zahl von %2 bis %3, nicht „%4“</translation>
        </message>
        <message>
            <source>%1 needs a file name, not an empty text</source>
            <translation>%1 braucht einen Dateinamen, keinen leeren Text</translation>
        </message>
        <message>
            <source>--simulate takes MODEL[:RECORDS[:LATENCY_MS]], e.g. 3:50:2, not "%1"</source>
            <translation>--simulate nimmt MODEL[:RECORDS[:LATENCY_MS]], z. B. 3:50:2, nicht „%1“</translation>
        </message>
        <message>
            <source>--format takes xls, xlsx or csv, not "%1"</source>
            <translation>--format nimmt xls, xlsx oder csv, nicht „%1“</translation>
        </message>
        <message>
            <source>--then takes tab, enter or none, not "%1"</source>
            <translation>--then nimmt tab, enter oder none, nicht „%1“</translation>
        </message>
        <message>
            <source>--template: %1</source>
            <translation>--template: %1</translation>
        </message>
        <message>
            <source>--search needs a text to look for, not an empty one</source>
            <translation>--search braucht einen Suchtext, keinen leeren</translation>
        </message>
        <message>
            <source>--units takes as-measured, metric or imperial, not "%1"</source>
            <translation>--units nimmt as-measured, metric oder imperial, nicht „%1“</translation>
        </message>
        <message>
            <source>--desk needs a name, not an empty text</source>
            <translation>--desk braucht einen Namen, keinen leeren Text</translation>
        </message>
        <message>
            <source>no command given</source>
            <translation>kein Befehl angegeben</translation>
        </message>
        <message>
            <source>unknown command "%1"</source>
            <translation>unbekannter Befehl „%1“</translation>
        </message>
        <message>
            <source>%1 has no action "%2" (%3)</source>
            <translation>%1 hat keine Aktion „%2“ (%3)</translation>
        </message>
        <message>
            <source>%1 takes no option %2</source>
            <translation>%1 nimmt keine Option %2</translation>
        </message>
        <message>
            <source>a download ID</source>
            <translation>eine Download-ID</translation>
        </message>
        <message>
            <source>a server (URL or service=NAME)</source>
            <translation>einen Server (URL oder service=NAME)</translation>
        </message>
        <message>
            <source>a job's NAME</source>
            <translation>den NAMEN eines Auftrags</translation>
        </message>
        <message>
            <source>a record number</source>
            <translation>eine Messungsnummer</translation>
        </message>
        <message>
            <source>a TEXT</source>
            <translation>einen TEXT</translation>
        </message>
        <message>
            <source>on or off</source>
            <translation>on oder off</translation>
        </message>
        <message>
            <source>one FILE</source>
            <translation>eine DATEI (FILE)</translation>
        </message>
        <message>
            <source>a FILE</source>
            <translation>eine DATEI (FILE)</translation>
        </message>
        <message>
            <source>%1 and %2</source>
            <translation>%1 und %2</translation>
        </message>
        <message>
            <source>%1 takes no arguments</source>
            <translation>%1 nimmt keine Argumente</translation>
        </message>
        <message>
            <source>%1 needs %2</source>
            <translation>%1 braucht %2</translation>
        </message>
        <message>
            <source>%1, not "%2"</source>
            <translation>%1, nicht „%2“</translation>
        </message>
        <message>
            <source>%1 takes on or off, not "%2"</source>
            <translation>%1 nimmt on oder off, nicht „%2“</translation>
        </message>
        <message>
            <source>%1 needs a server, not an empty text</source>
            <translation>%1 braucht einen Server, keinen leeren Text</translation>
        </message>
        <message>
            <source>decode needs --model N (1 to 4)</source>
            <translation>decode braucht --model N (1 bis 4)</translation>
        </message>
        <message>
            <source>print needs --pdf FILE</source>
            <translation>print braucht --pdf DATEI</translation>
        </message>
        <message>
            <source>job report needs --pdf FILE</source>
            <translation>job report braucht --pdf DATEI</translation>
        </message>
        <message>
            <source>download --job needs the database; it cannot go with --no-db</source>
            <translation>download --job braucht die Datenbank; es geht nicht zusammen mit --no-db</translation>
        </message>
        <message>
            <source>download --json and --csv - would both write to standard output</source>
            <translation>download --json und --csv - würden beide in die Standardausgabe schreiben</translation>
        </message>
        <message>
            <source>history show takes one of --raw, --json and --csv</source>
            <translation>history show nimmt nur eines von --raw, --json und --csv</translation>
        </message>
        <message>
            <source>download --no-db needs --csv FILE (or - for standard output)</source>
            <translation>download --no-db braucht --csv DATEI (oder - für die Standardausgabe)</translation>
        </message>
        <message>
            <source>download takes --db or --no-db, not both</source>
            <translation>download nimmt --db oder --no-db, nicht beides</translation>
        </message>
        <message>
            <source>%1 needs a value</source>
            <translation>%1 braucht einen Wert</translation>
        </message>
        <message>
            <source>%1 takes no value</source>
            <translation>%1 nimmt keinen Wert</translation>
        </message>
        <message>
            <source>unknown option %1</source>
            <translation>unbekannte Option %1</translation>
        </message>
        <message>
            <source>%1 needs an action (%2)</source>
            <translation>%1 braucht eine Aktion (%2)</translation>
        </message>
    </context>
    <context>
        <name>CliOutput</name>
        <message>
            <source>cannot write standard output: %1</source>
            <translation>Standardausgabe kann nicht geschrieben werden: %1</translation>
        </message>
    </context>
    <context>
        <name>CliProgress</name>
        <message>
            <source> Record %1 of %2</source>
            <translation> Messung %1 von %2</translation>
        </message>
        <message>
            <source>  %1/s  %2:%3 left</source>
            <translation>  %1/s  noch %2:%3</translation>
        </message>
        <message>
            <source>Record %1 of %2</source>
            <translation>Messung %1 von %2</translation>
        </message>
    </context>
    <context>
        <name>CliTeam</name>
        <message>
            <source>"%1" is not a server address: %2</source>
            <translation>„%1“ ist keine Serveradresse: %2</translation>
        </message>
        <message>
            <source>no team server is set (rangedesk-cli team connect URL sets one)</source>
            <translation>es ist kein Team-Server eingestellt (rangedesk-cli team connect URL stellt einen ein)</translation>
        </message>
        <message>
            <source>Team server %1: schema version %2, nothing to upgrade.</source>
            <translation>Team-Server %1: Schemaversion %2, nichts anzuheben.</translation>
        </message>
        <message>
            <source>Team server %1: schema version %2 created.</source>
            <translation>Team-Server %1: Schemaversion %2 angelegt.</translation>
        </message>
        <message>
            <source>Team server %1: schema version %2 (upgraded from %3).</source>
            <translation>Team-Server %1: Schemaversion %2 (angehoben von %3).</translation>
        </message>
        <message>
            <source>Roles %1 (desks) and %2 (administrators) made. Give each desk's login role the first, e.g.:
  CREATE ROLE desk_north LOGIN PASSWORD '...' IN ROLE %1;</source>
            <translation>Rollen %1 (Arbeitsplätze) und %2 (Administratoren) angelegt. Geben Sie der Anmelderolle jedes Arbeitsplatzes die erste, z. B.:
  CREATE ROLE desk_north LOGIN PASSWORD '...' IN ROLE %1;</translation>
        </message>
        <message>
            <source>Team server set: %1, this desk is "%2".</source>
            <translation>Team-Server eingestellt: %1, dieser Arbeitsplatz heißt „%2“.</translation>
        </message>
        <message>
            <source>Team server %1 answers: schema version %2.</source>
            <translation>Team-Server %1 antwortet: Schemaversion %2.</translation>
        </message>
        <message>
            <source>The setting is kept: this desk pushes once the server can be used.</source>
            <translation>Die Einstellung bleibt: dieser Arbeitsplatz sendet, sobald der Server nutzbar ist.</translation>
        </message>
        <message>
            <source>No team server is set.</source>
            <translation>Es ist kein Team-Server eingestellt.</translation>
        </message>
        <message>
            <source>Team server %1 forgotten; this desk's work stays in its own database.</source>
            <translation>Team-Server %1 vergessen; die Arbeit dieses Arbeitsplatzes bleibt in seiner eigenen Datenbank.</translation>
        </message>
        <message>
            <source>Server:	%1</source>
            <translation>Server:	%1</translation>
        </message>
        <message>
            <source>Desk:	%1</source>
            <translation>Arbeitsplatz:	%1</translation>
        </message>
        <message>
            <source>Reachable:	yes</source>
            <translation>Erreichbar:	ja</translation>
        </message>
        <message>
            <source>Reachable:	no (%1)</source>
            <translation>Erreichbar:	nein (%1)</translation>
        </message>
        <message>
            <source>Schema version:	%1 (this RangeDesk knows %2), read-only</source>
            <translation>Schemaversion:	%1 (dieses RangeDesk kennt %2), nur lesen</translation>
        </message>
        <message>
            <source>Schema version:	%1 (this RangeDesk knows %2)</source>
            <translation>Schemaversion:	%1 (dieses RangeDesk kennt %2)</translation>
        </message>
        <message>
            <source>On the server:	%1 downloads, %2 records; from this desk %3 downloads, %4 records</source>
            <translation>Auf dem Server:	%1 Downloads, %2 Messungen; von diesem Arbeitsplatz %3 Downloads, %4 Messungen</translation>
        </message>
        <message>
            <source>On this desk:	%1 downloads, %2 records, %3 jobs, %4 readings</source>
            <translation>Auf diesem Arbeitsplatz:	%1 Downloads, %2 Messungen, %3 Aufträge, %4 Messwerte</translation>
        </message>
        <message>
            <source>Waiting:	%1</source>
            <translation>Wartend:	%1</translation>
        </message>
        <message>
            <source>Last push:	never</source>
            <translation>Zuletzt gesendet:	nie</translation>
        </message>
        <message>
            <source>Last push:	%1</source>
            <translation>Zuletzt gesendet:	%1</translation>
        </message>
        <message>
            <source>Waiting:	unknown (%1)</source>
            <translation>Wartend:	unbekannt (%1)</translation>
        </message>
        <message>
            <source>Pushed %1 of %2 changes (%3 records)</source>
            <translation>%1 von %2 Änderungen gesendet (%3 Messungen)</translation>
        </message>
        <message>
            <source>%1 changes still wait; the next push goes on from there.</source>
            <translation>%1 Änderungen warten noch; das nächste Senden macht dort weiter.</translation>
        </message>
        <message>
            <source>%1 changes still wait; push again once the download has ended.</source>
            <translation>%1 Änderungen warten noch; senden Sie erneut, wenn das Herunterladen beendet ist.</translation>
        </message>
        <message>
            <source>Team server %1: %2 changes pushed (%3 records), %4 edits of other desks taken over, %5 waiting.</source>
            <translation>Team-Server %1: %2 Änderungen gesendet (%3 Messungen), %4 Änderungen anderer Arbeitsplätze übernommen, %5 wartend.</translation>
        </message>
        <message>
            <source>The team server holds no download yet.</source>
            <translation>Der Team-Server enthält noch keinen Download.</translation>
        </message>
        <message>
            <source>No team download matches "%1".</source>
            <translation>Kein Download des Teams passt zu „%1“.</translation>
        </message>
    </context>
    <context>
        <name>CliTotals</name>
        <message>
            <source>%1 record</source>
            <translation>%1 Messung</translation>
        </message>
        <message>
            <source>%1 records</source>
            <translation>%1 Messungen</translation>
        </message>
        <message>
            <source>Exported 1 record of %1</source>
            <translation>1 Messung von %1 exportiert</translation>
        </message>
        <message>
            <source>Exported %1 records of %2</source>
            <translation>%1 Messungen von %2 exportiert</translation>
        </message>
        <message>
            <source>%1 to %2</source>
            <translation>%1 nach %2</translation>
        </message>
        <message>
            <source>%1 in %2 units; 1 value stayed text (no quantity in them)</source>
            <translation>%1 in %2-Einheiten; 1 Wert blieb Text (keine Größe darin)</translation>
        </message>
        <message>
            <source>%1 in %2 units; %3 values stayed text (no quantity in them)</source>
            <translation>%1 in %2-Einheiten; %3 Werte blieben Text (keine Größe darin)</translation>
        </message>
        <message>
            <source>No length, area or volume to total.</source>
            <translation>Keine Länge, Fläche oder Volumen zu summieren.</translation>
        </message>
        <message>
            <source>	left out, written in other units: record %1</source>
            <translation>	ausgelassen, in anderen Einheiten geschrieben: Messung %1</translation>
        </message>
        <message>
            <source>	left out, written in other units: records %1</source>
            <translation>	ausgelassen, in anderen Einheiten geschrieben: Messungen %1</translation>
        </message>
    </context>
    <context>
        <name>ColumnTitles</name>
        <message>
            <source>Date and time</source>
            <translation>Datum und Uhrzeit</translation>
        </message>
        <message>
            <source>Job</source>
            <translation>Auftrag</translation>
        </message>
        <message>
            <source>Meter</source>
            <translation>Messgerät</translation>
        </message>
        <message>
            <source>Records</source>
            <translation>Messungen</translation>
        </message>
        <message>
            <source>New</source>
            <translation>Neu</translation>
        </message>
        <message>
            <source>Outcome</source>
            <translation>Ergebnis</translation>
        </message>
        <message>
            <source>Label</source>
            <translation>Bezeichnung</translation>
        </message>
        <message>
            <source>Note</source>
            <translation>Notiz</translation>
        </message>
        <message>
            <source>Deduction</source>
            <translation>Abzug</translation>
        </message>
        <message>
            <source>Deduction: counts negative in totals</source>
            <translation>Abzug: zählt in Summen negativ</translation>
        </message>
        <message>
            <source>Taken</source>
            <translation>Gemessen am</translation>
        </message>
        <message>
            <source>Reading</source>
            <translation>Messwert</translation>
        </message>
    </context>
    <context>
        <name>Demo</name>
        <message>
            <source>%1 (simulated meter)</source>
            <translation>%1 (simuliertes Messgerät)</translation>
        </message>
    </context>
    <context>
        <name>DownloadSummary</name>
        <message>
            <source>%1 of %2 records were stored.</source>
            <translation>%1 von %2 Messungen wurden gespeichert.</translation>
        </message>
        <message>
            <source>The meter holds %1 records. Records 1 to 999 were downloaded; the records above 999 were not downloaded.</source>
            <translation>Das Messgerät enthält %1 Messungen. Die Messungen 1 bis 999 wurden heruntergeladen; die Messungen über 999 nicht.</translation>
        </message>
        <message>
            <source>No Record Found!</source>
            <translation>Keine Messung gefunden!</translation>
        </message>
        <message>
            <source>The meter did not answer the request for its record count; nothing was downloaded.</source>
            <translation>Das Messgerät hat die Frage nach der Zahl seiner Messungen nicht beantwortet; es wurde nichts heruntergeladen.</translation>
        </message>
        <message>
            <source>Download cancelled: %1 of %2 records stored.</source>
            <translation>Herunterladen abgebrochen: %1 von %2 Messungen gespeichert.</translation>
        </message>
        <message>
            <source>The meter was disconnected during the download: %1 of %2 records were stored.</source>
            <translation>Das Messgerät wurde während des Herunterladens getrennt: %1 von %2 Messungen wurden gespeichert.</translation>
        </message>
        <message>
            <source>These records were not stored: %1.</source>
            <translation>Diese Messungen wurden nicht gespeichert: %1.</translation>
        </message>
        <message>
            <source>These records could not be read from the meter and were not stored: %1.</source>
            <translation>Diese Messungen konnten nicht vom Messgerät gelesen werden und wurden nicht gespeichert: %1.</translation>
        </message>
    </context>
    <context>
        <name>ExportDialog</name>
        <message>
            <source>&amp;Units:</source>
            <translation>&amp;Einheiten:</translation>
        </message>
        <message>
            <source>Units</source>
            <translation>Einheiten</translation>
        </message>
    </context>
    <context>
        <name>ExportError</name>
        <message>
            <source>cannot write %1: %2</source>
            <translation>%1 kann nicht geschrieben werden: %2</translation>
        </message>
        <message>
            <source>it is the record database</source>
            <translation>es ist die Messungsdatenbank</translation>
        </message>
        <message>
            <source>%1 is the record database</source>
            <translation>%1 ist die Messungsdatenbank</translation>
        </message>
        <message>
            <source>no file is named to write to</source>
            <translation>es ist keine Datei zum Schreiben angegeben</translation>
        </message>
        <message>
            <source>it is a folder</source>
            <translation>es ist ein Ordner</translation>
        </message>
        <message>
            <source>it is not a regular file (a device or a pipe), and is never replaced by one</source>
            <translation>es ist keine gewöhnliche Datei (ein Gerät oder eine Pipe) und wird nie durch eine ersetzt</translation>
        </message>
        <message>
            <source>There are no records to export.</source>
            <translation>Es gibt keine Messungen zum Exportieren.</translation>
        </message>
        <message>
            <source>%1 records are more than an Excel 97-2003 (.XLS) file holds (%2); export them as an Excel workbook (.xlsx) or as CSV instead</source>
            <translation>%1 Messungen sind mehr, als eine Excel-97-2003-Datei (.XLS) fasst (%2); exportieren Sie sie stattdessen als Excel-Arbeitsmappe (.xlsx) oder als CSV</translation>
        </message>
        <message>
            <source>An Excel 97-2003 (.XLS) file holds the values as measured; export them as an Excel workbook (.xlsx) or as CSV to have them in %1 units</source>
            <translation>Eine Excel-97-2003-Datei (.XLS) enthält die Werte wie gemessen; exportieren Sie sie als Excel-Arbeitsmappe (.xlsx) oder als CSV, um sie in %1-Einheiten zu erhalten</translation>
        </message>
    </context>
    <context>
        <name>ExportFilters</name>
        <message>
            <source>Excel 97-2003 (*.XLS)</source>
            <translation>Excel-97-2003-Arbeitsmappe (*.XLS)</translation>
        </message>
        <message>
            <source>Excel workbook (*.xlsx)</source>
            <translation>Excel-Arbeitsmappe (*.xlsx)</translation>
        </message>
        <message>
            <source>CSV, UTF-8 (*.csv)</source>
            <translation>CSV-Datei, UTF-8 (*.csv)</translation>
        </message>
    </context>
    <context>
        <name>FileError</name>
        <message>
            <source>cannot write %1: %2</source>
            <translation>%1 kann nicht geschrieben werden: %2</translation>
        </message>
        <message>
            <source>it is larger than %1 bytes</source>
            <translation>sie ist größer als %1 Bytes</translation>
        </message>
        <message>
            <source>cannot read %1: %2</source>
            <translation>%1 kann nicht gelesen werden: %2</translation>
        </message>
        <message>
            <source>it is a folder</source>
            <translation>es ist ein Ordner</translation>
        </message>
        <message>
            <source>it is not a regular file (a device, a pipe or a socket)</source>
            <translation>es ist keine gewöhnliche Datei (ein Gerät, eine Pipe oder ein Socket)</translation>
        </message>
    </context>
    <context>
        <name>HistoryRefusal</name>
        <message>
            <source>There is no download %1.</source>
            <translation>Es gibt keinen Download %1.</translation>
        </message>
        <message>
            <source>Download %1 is of no known meter model (it was imported from an older version or made by another program); its records cannot be decoded again.</source>
            <translation>Download %1 stammt von keinem bekannten Messgerätemodell (er wurde aus einer älteren Version übernommen oder von einem anderen Programm erstellt); seine Messungen können nicht neu dekodiert werden.</translation>
        </message>
    </context>
    <context>
        <name>InstanceClient</name>
        <message>
            <source>RangeDesk is not running</source>
            <translation>RangeDesk läuft nicht</translation>
        </message>
        <message>
            <source>RangeDesk did not answer in time (%1)</source>
            <translation>RangeDesk hat nicht rechtzeitig geantwortet (%1)</translation>
        </message>
    </context>
    <context>
        <name>JobPrompts</name>
        <message>
            <source>New job</source>
            <translation>Neuer Auftrag</translation>
        </message>
        <message>
            <source>Job %1</source>
            <translation>Auftrag %1</translation>
        </message>
    </context>
    <context>
        <name>JobRefusal</name>
        <message>
            <source>there is a job "%1" already</source>
            <translation>es gibt schon einen Auftrag „%1“</translation>
        </message>
        <message>
            <source>there is no job %1</source>
            <translation>es gibt keinen Auftrag %1</translation>
        </message>
        <message>
            <source>there is no download %1</source>
            <translation>es gibt keinen Download %1</translation>
        </message>
        <message>
            <source>there is no reading %1</source>
            <translation>es gibt keinen Messwert %1</translation>
        </message>
        <message>
            <source>there is no record %1 in download %2</source>
            <translation>in Download %2 gibt es keine Messung %1</translation>
        </message>
        <message>
            <source>a client has at most %1 characters; this one has %2</source>
            <translation>ein Kunde hat höchstens %1 Zeichen; dieser hat %2</translation>
        </message>
        <message>
            <source>a address has at most %1 characters; this one has %2</source>
            <translation>eine Adresse hat höchstens %1 Zeichen; diese hat %2</translation>
        </message>
        <message>
            <source>a job's notes has at most %1 characters; this one has %2</source>
            <translation>die Notizen eines Auftrags haben höchstens %1 Zeichen; diese haben %2</translation>
        </message>
        <message>
            <source>a label has at most %1 characters; this one has %2</source>
            <translation>eine Bezeichnung hat höchstens %1 Zeichen; diese hat %2</translation>
        </message>
        <message>
            <source>a note has at most %1 characters; this one has %2</source>
            <translation>eine Notiz hat höchstens %1 Zeichen; diese hat %2</translation>
        </message>
        <message>
            <source>a job needs a name that is not empty or only blanks</source>
            <translation>ein Auftrag braucht einen Namen, der nicht leer ist und nicht nur aus Leerzeichen besteht</translation>
        </message>
        <message>
            <source>a job name has at most %1 characters; this one has %2</source>
            <translation>ein Auftragsname hat höchstens %1 Zeichen; dieser hat %2</translation>
        </message>
        <message>
            <source>a job name may not hold control characters (tabs, line breaks...)</source>
            <translation>ein Auftragsname darf keine Steuerzeichen enthalten (Tabulatoren, Zeilenumbrüche …)</translation>
        </message>
    </context>
    <context>
        <name>MeterLink</name>
        <message>
            <source>A meter was found at %1, but it cannot be opened for reading and writing: this user has no access to its device node.</source>
            <translation>An %1 wurde ein Messgerät gefunden, es lässt sich aber nicht zum Lesen und Schreiben öffnen: dieser Benutzer hat keinen Zugriff auf seinen Geräteknoten.</translation>
        </message>
        <message>
            <source>Install the udev rule 70-rangedesk.rules (see "Letting your user open the meter" in /usr/share/doc/rangedesk/README.md, or man rangedesk), then plug the meter in again.</source>
            <translation>Installieren Sie die udev-Regel 70-rangedesk.rules (siehe „Letting your user open the meter“ in /usr/share/doc/rangedesk/README.md oder man rangedesk) und stecken Sie das Messgerät dann neu ein.</translation>
        </message>
        <message>
            <source>%1  Instructions sent successfully</source>
            <translation>%1  Befehl erfolgreich gesendet</translation>
        </message>
        <message>
            <source>%1  No record</source>
            <translation>%1  Keine Messung</translation>
        </message>
        <message>
            <source>%1  No reply</source>
            <translation>%1  Keine Antwort</translation>
        </message>
        <message>
            <source>%1  Instructions sent failure</source>
            <translation>%1  Befehl konnte nicht gesendet werden</translation>
        </message>
        <message>
            <source>the meter's reply failed its echo check</source>
            <translation>die Antwort des Messgeräts hat die Echo-Prüfung nicht bestanden</translation>
        </message>
        <message>
            <source>the meter's reply failed its checksum check</source>
            <translation>die Antwort des Messgeräts hat die Prüfsummen-Prüfung nicht bestanden</translation>
        </message>
        <message>
            <source>the meter's reply failed its # check</source>
            <translation>die Antwort des Messgeräts hat die #-Prüfung nicht bestanden</translation>
        </message>
        <message>
            <source>the meter's reply failed its length check</source>
            <translation>die Antwort des Messgeräts hat die Längen-Prüfung nicht bestanden</translation>
        </message>
        <message>
            <source>the meter's reply failed its %1 check</source>
            <translation>die Antwort des Messgeräts hat die %1-Prüfung nicht bestanden</translation>
        </message>
        <message>
            <source>the command could not be sent: %1</source>
            <translation>der Befehl konnte nicht gesendet werden: %1</translation>
        </message>
        <message>
            <source>the meter is not connected</source>
            <translation>das Messgerät ist nicht verbunden</translation>
        </message>
        <message>
            <source>another command was waiting for its reply</source>
            <translation>ein anderer Befehl wartete auf seine Antwort</translation>
        </message>
        <message>
            <source>the meter did not answer</source>
            <translation>das Messgerät hat nicht geantwortet</translation>
        </message>
    </context>
    <context>
        <name>ReportError</name>
        <message>
            <source>the report reads the connection %1, not %2</source>
            <translation>der Bericht liest die Verbindung %1, nicht %2</translation>
        </message>
        <message>
            <source>no field %1 in the data</source>
            <translation>kein Feld %1 in den Daten</translation>
        </message>
        <message>
            <source>no field %1 to group by</source>
            <translation>kein Feld %1 zum Gruppieren</translation>
        </message>
        <message>
            <source>The printer cannot be started</source>
            <translation>Der Drucker kann nicht gestartet werden</translation>
        </message>
        <message>
            <source>page %1 landscape with margins of %2 mm at the top and %3 mm at the bottom</source>
            <translation>Seite %1 quer mit Rändern von %2 mm oben und %3 mm unten</translation>
        </message>
        <message>
            <source>page %1 portrait with margins of %2 mm at the top and %3 mm at the bottom</source>
            <translation>Seite %1 hoch mit Rändern von %2 mm oben und %3 mm unten</translation>
        </message>
        <message>
            <source>Report definition %1, %2</source>
            <translation>Berichtsdefinition %1, %2</translation>
        </message>
        <message>
            <source>the margins do not fit on the %1</source>
            <translation>die Ränder passen nicht auf die %1</translation>
        </message>
        <message>
            <source>the %1 leaves no room for the title, the column headings and one row</source>
            <translation>die %1 lässt keinen Platz für den Titel, die Spaltenüberschriften und eine Zeile</translation>
        </message>
        <message>
            <source>Have No Data in Database,Can not to Print!</source>
            <translation>Keine Daten in der Datenbank, Drucken nicht möglich!</translation>
        </message>
        <message>
            <source>Cannot open the report definition %1: %2</source>
            <translation>Die Berichtsdefinition %1 kann nicht geöffnet werden: %2</translation>
        </message>
    </context>
    <context>
        <name>ReportPreview</name>
        <message>
            <source>PDF (*.pdf)</source>
            <translation>PDF (*.pdf)</translation>
        </message>
        <message>
            <source>Save PDF</source>
            <translation>PDF speichern</translation>
        </message>
        <message>
            <source>Could not save the report as %1: %2</source>
            <translation>Das Aufmaß konnte nicht als %1 gespeichert werden: %2</translation>
        </message>
        <message>
            <source>Report of job "%1"</source>
            <translation>Aufmaß des Auftrags „%1“</translation>
        </message>
        <message>
            <source>Save PDF...</source>
            <translation>PDF speichern...</translation>
        </message>
    </context>
    <context>
        <name>ReportSettings</name>
        <message>
            <source>cannot write the settings %1: it cannot be written</source>
            <translation>die Einstellungen %1 können nicht geschrieben werden: die Datei ist nicht beschreibbar</translation>
        </message>
        <message>
            <source>cannot write the settings %1: it is not a settings file</source>
            <translation>die Einstellungen %1 können nicht geschrieben werden: es ist keine Einstellungsdatei</translation>
        </message>
    </context>
    <context>
        <name>Screenshots</name>
        <message>
            <source>Export to Excel</source>
            <translation>Excel-Export</translation>
        </message>
    </context>
    <context>
        <name>StoreError</name>
        <message>
            <source>its folder cannot be written: %1</source>
            <translation>ihr Ordner ist nicht beschreibbar: %1</translation>
        </message>
        <message>
            <source>the folder %1 cannot be made: %2</source>
            <translation>der Ordner %1 kann nicht angelegt werden: %2</translation>
        </message>
        <message>
            <source>HOME is not set to an absolute folder, so there is no folder for it</source>
            <translation>HOME ist nicht auf einen absoluten Ordner gesetzt, daher gibt es keinen Ordner dafür</translation>
        </message>
        <message>
            <source>the template %1 is not a RangeDesk database: %2</source>
            <translation>die Vorlage %1 ist keine RangeDesk-Datenbank: %2</translation>
        </message>
        <message>
            <source>it is a folder</source>
            <translation>es ist ein Ordner</translation>
        </message>
        <message>
            <source>it is not a regular file</source>
            <translation>es ist keine gewöhnliche Datei</translation>
        </message>
        <message>
            <source>file is not a database</source>
            <translation>die Datei ist keine Datenbank</translation>
        </message>
        <message>
            <source>its layout is version %1, this program knows version %2. It is left as it is; install the newer RangeDesk to use it.</source>
            <translation>ihr Aufbau hat Version %1, dieses Programm kennt Version %2. Sie bleibt unverändert; installieren Sie das neuere RangeDesk, um sie zu verwenden.</translation>
        </message>
        <message>
            <source>the record was removed from the database</source>
            <translation>die Messung wurde aus der Datenbank entfernt</translation>
        </message>
        <message>
            <source>its layout is version %1, this program knows version %2</source>
            <translation>ihr Aufbau hat Version %1, dieses Programm kennt Version %2</translation>
        </message>
        <message>
            <source>its layout is version %1, this program knows version %2; install the newer RangeDesk to read its history.</source>
            <translation>ihr Aufbau hat Version %1, dieses Programm kennt Version %2; installieren Sie das neuere RangeDesk, um ihren Verlauf zu lesen.</translation>
        </message>
        <message>
            <source>cannot open %1: %2</source>
            <translation>%1 kann nicht geöffnet werden: %2</translation>
        </message>
        <message>
            <source>cannot read %1: %2</source>
            <translation>%1 kann nicht gelesen werden: %2</translation>
        </message>
        <message>
            <source>cannot write %1: %2</source>
            <translation>%1 kann nicht geschrieben werden: %2</translation>
        </message>
        <message>
            <source>cannot make the user's database %1: %2</source>
            <translation>die Datenbank des Benutzers %1 kann nicht angelegt werden: %2</translation>
        </message>
        <message>
            <source>cannot use %1: %2</source>
            <translation>%1 kann nicht verwendet werden: %2</translation>
        </message>
        <message>
            <source>cannot open: %1</source>
            <translation>kann nicht geöffnet werden: %1</translation>
        </message>
        <message>
            <source>cannot read: %1</source>
            <translation>kann nicht gelesen werden: %1</translation>
        </message>
        <message>
            <source>cannot write: %1</source>
            <translation>kann nicht geschrieben werden: %1</translation>
        </message>
        <message>
            <source>cannot make the user's database: %1</source>
            <translation>die Datenbank des Benutzers kann nicht angelegt werden: %1</translation>
        </message>
        <message>
            <source>cannot use: %1</source>
            <translation>kann nicht verwendet werden: %1</translation>
        </message>
        <message>
            <source>%1 was written by a newer RangeDesk: %2</source>
            <translation>%1 wurde von einem neueren RangeDesk geschrieben: %2</translation>
        </message>
    </context>
    <context>
        <name>TeamConflict</name>
        <message>
            <source>an unknown time</source>
            <translation>einem unbekannten Zeitpunkt</translation>
        </message>
        <message>
            <source>the download of %1</source>
            <translation>dem Download vom %1</translation>
        </message>
        <message>
            <source>a download</source>
            <translation>einem Download</translation>
        </message>
        <message>
            <source>Job "%1"</source>
            <translation>Auftrag „%1“</translation>
        </message>
        <message>
            <source>The job of %1</source>
            <translation>Der Auftrag zu %1</translation>
        </message>
        <message>
            <source>Record %1 of %2</source>
            <translation>Messung %1 von %2</translation>
        </message>
        <message>
            <source>The reading %1 of %2</source>
            <translation>Der Messwert %1 vom %2</translation>
        </message>
        <message>
            <source>%1: changed by %2 at %3; the edit made here was replaced.</source>
            <translation>%1: geändert von %2 am %3; die hier gemachte Änderung wurde ersetzt.</translation>
        </message>
    </context>
    <context>
        <name>TeamError</name>
        <message>
            <source>not a server address</source>
            <translation>keine Serveradresse</translation>
        </message>
        <message>
            <source>the PostgreSQL driver of Qt is not installed (sudo apt install libqt6sql6-psql)</source>
            <translation>der PostgreSQL-Treiber von Qt ist nicht installiert (sudo apt install libqt6sql6-psql)</translation>
        </message>
        <message>
            <source>wrong or missing password</source>
            <translation>falsches oder fehlendes Passwort</translation>
        </message>
        <message>
            <source>unknown host</source>
            <translation>unbekannter Rechner</translation>
        </message>
        <message>
            <source>not reachable</source>
            <translation>nicht erreichbar</translation>
        </message>
        <message>
            <source>TLS refused</source>
            <translation>TLS abgelehnt</translation>
        </message>
        <message>
            <source>not a RangeDesk team server (an administrator runs rangedesk-cli team init)</source>
            <translation>kein RangeDesk-Team-Server (ein Administrator führt rangedesk-cli team init aus)</translation>
        </message>
        <message>
            <source>its schema is newer than this RangeDesk knows; working read-only</source>
            <translation>sein Schema ist neuer, als dieses RangeDesk kennt; nur Lesen</translation>
        </message>
        <message>
            <source>its schema is older than this RangeDesk needs (an administrator runs rangedesk-cli team init to upgrade it)</source>
            <translation>sein Schema ist älter, als dieses RangeDesk braucht (ein Administrator führt rangedesk-cli team init aus, um es anzuheben)</translation>
        </message>
        <message>
            <source>no rights</source>
            <translation>keine Rechte</translation>
        </message>
        <message>
            <source>failed</source>
            <translation>fehlgeschlagen</translation>
        </message>
        <message>
            <source>team server %1: %2</source>
            <translation>Team-Server %1: %2</translation>
        </message>
        <message>
            <source>team server %1: %2 (%3)</source>
            <translation>Team-Server %1: %2 (%3)</translation>
        </message>
        <message>
            <source>database has no rangedesk.schema_version table</source>
            <translation>die Datenbank hat keine Tabelle rangedesk.schema_version</translation>
        </message>
        <message>
            <source>schema %1, this RangeDesk needs %2</source>
            <translation>Schema %1, dieses RangeDesk braucht %2</translation>
        </message>
        <message>
            <source>the role %1 is not a member of %2; an administrator runs: GRANT %2 TO %1</source>
            <translation>die Rolle %1 ist kein Mitglied von %2; ein Administrator führt aus: GRANT %2 TO %1</translation>
        </message>
        <message>
            <source>a schema rangedesk exists without a version table</source>
            <translation>ein Schema rangedesk existiert ohne Versionstabelle</translation>
        </message>
        <message>
            <source>schema %1, this RangeDesk knows %2</source>
            <translation>Schema %1, dieses RangeDesk kennt %2</translation>
        </message>
        <message>
            <source>team server %1: connected, schema version %2</source>
            <translation>Team-Server %1: verbunden, Schemaversion %2</translation>
        </message>
        <message>
            <source>Qt's PostgreSQL driver is not installed, so no team server can be reached. Install it with: sudo apt install libqt6sql6-psql</source>
            <translation>Der PostgreSQL-Treiber von Qt ist nicht installiert, daher ist kein Team-Server erreichbar. Installieren Sie ihn mit: sudo apt install libqt6sql6-psql</translation>
        </message>
    </context>
    <context>
        <name>TeamStatus</name>
        <message>
            <source>Team: up to date</source>
            <translation>Team: aktuell</translation>
        </message>
        <message>
            <source>Team: %1 waiting</source>
            <translation>Team: %1 wartend</translation>
        </message>
        <message>
            <source>Team: offline (%1)</source>
            <translation>Team: offline (%1)</translation>
        </message>
    </context>
    <context>
        <name>Totals</name>
        <message>
            <source>Length</source>
            <translation>Länge</translation>
        </message>
        <message>
            <source>Area</source>
            <translation>Fläche</translation>
        </message>
        <message>
            <source>Volume</source>
            <translation>Volumen</translation>
        </message>
        <message>
            <source>No length, area or volume to total.</source>
            <translation>Keine Länge, Fläche oder Volumen zu summieren.</translation>
        </message>
        <message>
            <source>%1: %2 (records: %3)</source>
            <translation>%1: %2 (Messungen: %3)</translation>
        </message>
        <message>
            <source>%1: %2 (records: %3; in other units, left out: %4)</source>
            <translation>%1: %2 (Messungen: %3; in anderen Einheiten, nicht berücksichtigt: %4)</translation>
        </message>
    </context>
    <context>
        <name>Typing</name>
        <message>
            <source>cannot put "%1" on the clipboard: this process has no graphical session (no QGuiApplication)</source>
            <translation>„%1“ kann nicht in die Zwischenablage gelegt werden: dieser Prozess hat keine grafische Sitzung (keine QGuiApplication)</translation>
        </message>
        <message>
            <source>put "%1" on the clipboard and showed a notification</source>
            <translation>„%1“ in die Zwischenablage gelegt und eine Benachrichtigung gezeigt</translation>
        </message>
        <message>
            <source>put "%1" on the clipboard; %2</source>
            <translation>„%1“ in die Zwischenablage gelegt; %2</translation>
        </message>
        <message>
            <source>notification through %1 failed: %2</source>
            <translation>Benachrichtigung über %1 fehlgeschlagen: %2</translation>
        </message>
        <message>
            <source>%1 failed (%2); %3: %4</source>
            <translation>%1 fehlgeschlagen (%2); %3: %4</translation>
        </message>
        <message>
            <source>the portal did not answer %1 within %2 s</source>
            <translation>das Portal hat %1 nicht innerhalb von %2 s beantwortet</translation>
        </message>
        <message>
            <source>the user declined keyboard control in the portal's dialog</source>
            <translation>der Benutzer hat die Tastatursteuerung im Dialog des Portals abgelehnt</translation>
        </message>
        <message>
            <source>the portal ended %1</source>
            <translation>das Portal hat %1 beendet</translation>
        </message>
        <message>
            <source>the portal started a session without the keyboard</source>
            <translation>das Portal hat eine Sitzung ohne Tastatur gestartet</translation>
        </message>
        <message>
            <source>the portal refused a key: %1</source>
            <translation>das Portal hat eine Taste abgelehnt: %1</translation>
        </message>
        <message>
            <source>cannot connect to the Wayland display "%1": %2</source>
            <translation>keine Verbindung zur Wayland-Anzeige „%1“: %2</translation>
        </message>
        <message>
            <source>the Wayland compositor on "%1" offers no virtual keyboard (zwp_virtual_keyboard_manager_v1) or no seat</source>
            <translation>der Wayland-Compositor auf „%1“ bietet keine virtuelle Tastatur (zwp_virtual_keyboard_manager_v1) oder keinen Seat</translation>
        </message>
        <message>
            <source>cannot make the keymap file (memfd_create): %1</source>
            <translation>die Tastaturbelegungsdatei kann nicht angelegt werden (memfd_create): %1</translation>
        </message>
        <message>
            <source>the Wayland compositor on "%1" refused the virtual keyboard: %2</source>
            <translation>der Wayland-Compositor auf „%1“ hat die virtuelle Tastatur abgelehnt: %2</translation>
        </message>
        <message>
            <source>no keysym for the character U+%1</source>
            <translation>kein Keysym für das Zeichen U+%1</translation>
        </message>
        <message>
            <source>the keyboard map has no key for "%1" and no spare keycode left to lend it</source>
            <translation>die Tastaturbelegung hat keine Taste für „%1“ und keinen freien Keycode mehr, um ihn zu leihen</translation>
        </message>
        <message>
            <source>cannot open the X display "%1"</source>
            <translation>die X-Anzeige „%1“ kann nicht geöffnet werden</translation>
        </message>
        <message>
            <source>the X display "%1" has no XTEST extension</source>
            <translation>die X-Anzeige „%1“ hat keine XTEST-Erweiterung</translation>
        </message>
        <message>
            <source>the X display "%1" has no usable XKB extension</source>
            <translation>die X-Anzeige „%1“ hat keine brauchbare XKB-Erweiterung</translation>
        </message>
        <message>
            <source>cannot read the keyboard map of the X display "%1"</source>
            <translation>die Tastaturbelegung der X-Anzeige „%1“ kann nicht gelesen werden</translation>
        </message>
        <message>
            <source>cannot lend a spare keycode on "%1": %2</source>
            <translation>auf „%1“ kann kein freier Keycode geliehen werden: %2</translation>
        </message>
        <message>
            <source>XTEST on "%1" failed: %2</source>
            <translation>XTEST auf „%1“ fehlgeschlagen: %2</translation>
        </message>
    </context>
    <context>
        <name>TypingTemplate</name>
        <message>
            <source>Typing template "%1": a "}" at position %2 closes no field (write "}}" for a brace)</source>
            <translation>Eingabevorlage „%1“: ein „}“ an Position %2 schließt kein Feld (für eine Klammer „}}“ schreiben)</translation>
        </message>
        <message>
            <source>Typing template "%1": the "{" at position %2 is not closed; the fields are %3</source>
            <translation>Eingabevorlage „%1“: die „{“ an Position %2 ist nicht geschlossen; die Felder sind %3</translation>
        </message>
        <message>
            <source>Typing template "%1": unknown field {%2}; the fields are %3</source>
            <translation>Eingabevorlage „%1“: unbekanntes Feld {%2}; die Felder sind %3</translation>
        </message>
    </context>
    <context>
        <name>UnitChoice</name>
        <message>
            <source>As measured</source>
            <translation>Wie gemessen</translation>
        </message>
        <message>
            <source>Metric</source>
            <translation>Metrisch</translation>
        </message>
        <message>
            <source>Imperial</source>
            <translation>Angloamerikanisch</translation>
        </message>
        <message>
            <source>1 value stayed text (no quantity in it).</source>
            <translation>1 Wert blieb Text (er enthält keine Größe).</translation>
        </message>
        <message>
            <source>%1 values stayed text (no quantity in them).</source>
            <translation>%1 Werte blieben Text (sie enthalten keine Größe).</translation>
        </message>
    </context>
    <context>
        <name>rangedesk::app::HistoryScope</name>
        <message>
            <source>This desk</source>
            <translation>Dieser Arbeitsplatz</translation>
        </message>
        <message>
            <source>Team</source>
            <translation>Team</translation>
        </message>
        <message>
            <source>Downloads of</source>
            <translation>Daten von</translation>
        </message>
        <message>
            <source>Downloads of:</source>
            <translation>Daten von:</translation>
        </message>
        <message>
            <source>No team server is set: Settings &gt; Team server.</source>
            <translation>Kein Team-Server eingerichtet: Einstellungen &gt; Team-Server.</translation>
        </message>
    </context>
    <context>
        <name>rangedesk::app::JobChoice</name>
        <message>
            <source>Job</source>
            <translation>Auftrag</translation>
        </message>
        <message>
            <source>No job</source>
            <translation>Kein Auftrag</translation>
        </message>
        <message>
            <source>New job...</source>
            <translation>Neuer Auftrag...</translation>
        </message>
        <message>
            <source>No job: downloads go into no job</source>
            <translation>Kein Auftrag: Heruntergeladenes gehört zu keinem Auftrag</translation>
        </message>
        <message>
            <source>Downloads go into the job %1</source>
            <translation>Heruntergeladenes gehört zum Auftrag %1</translation>
        </message>
    </context>
    <context>
        <name>rangedesk::app::LiveMeasurement</name>
        <message>
            <source>typing is refused while a download runs; try again when it has ended</source>
            <translation>während des Herunterladens wird nicht getippt; bitte danach erneut versuchen</translation>
        </message>
        <message>
            <source>A reading was not typed: %1</source>
            <translation>Ein Messwert wurde nicht getippt: %1</translation>
        </message>
        <message>
            <source>no meter is connected</source>
            <translation>kein Messgerät angeschlossen</translation>
        </message>
        <message>
            <source>no reading: %1</source>
            <translation>kein Messwert: %1</translation>
        </message>
    </context>
    <context>
        <name>rangedesk::app::RangeDeskApplication</name>
        <message>
            <source>Unknown error</source>
            <translation>Unbekannter Fehler</translation>
        </message>
    </context>
    <context>
        <name>rangedesk::app::RecordGrid</name>
        <message>
            <source>Copy</source>
            <translation>Kopieren</translation>
        </message>
    </context>
    <context>
        <name>rangedesk::app::RecordNavigator</name>
        <message>
            <source>First record</source>
            <translation>Erste Messung</translation>
        </message>
        <message>
            <source>Prior record</source>
            <translation>Vorige Messung</translation>
        </message>
        <message>
            <source>Next record</source>
            <translation>Nächste Messung</translation>
        </message>
        <message>
            <source>Last record</source>
            <translation>Letzte Messung</translation>
        </message>
    </context>
    <context>
        <name>rangedesk::app::StatusBar</name>
        <message>
            <source>Cancel</source>
            <translation>Abbrechen</translation>
        </message>
        <message>
            <source>Record %v of %m</source>
            <translation>Messung %v von %m</translation>
        </message>
        <message>
            <source>Stop the download after the record in flight (Esc)</source>
            <translation>Herunterladen nach der laufenden Messung beenden (Esc)</translation>
        </message>
    </context>
    <context>
        <name>rangedesk::app::TForm1</name>
        <message>
            <source>About</source>
            <translation>Über</translation>
        </message>
        <message>
            <source>Version: %1</source>
            <translation>Programmversion: %1</translation>
        </message>
        <message>
            <source>Build %1</source>
            <translation>Stand %1</translation>
        </message>
        <message>
            <source>Database: %1</source>
            <translation>Datenbank: %1</translation>
        </message>
        <message>
            <source>Exit</source>
            <translation>Beenden</translation>
        </message>
    </context>
    <context>
        <name>rangedesk::app::THistoryForm</name>
        <message>
            <source>Only new</source>
            <translation>Nur neue</translation>
        </message>
        <message>
            <source>Show in main grid</source>
            <translation>Im Hauptfenster zeigen</translation>
        </message>
        <message>
            <source>Export...</source>
            <translation>Exportieren...</translation>
        </message>
        <message>
            <source>Delete</source>
            <translation>Löschen</translation>
        </message>
        <message>
            <source>Assign to job...</source>
            <translation>Einem Auftrag zuordnen...</translation>
        </message>
        <message>
            <source>New job...</source>
            <translation>Neuer Auftrag...</translation>
        </message>
        <message>
            <source>Edit job...</source>
            <translation>Auftrag bearbeiten...</translation>
        </message>
        <message>
            <source>Export job...</source>
            <translation>Auftrag exportieren...</translation>
        </message>
        <message>
            <source>Report...</source>
            <translation>Aufmaß...</translation>
        </message>
        <message>
            <source>RangeDesk - History of downloads</source>
            <translation>RangeDesk - Verlauf</translation>
        </message>
        <message>
            <source>Downloads</source>
            <translation>Heruntergeladene Daten</translation>
        </message>
        <message>
            <source>Every download kept, with its job</source>
            <translation>Alles Heruntergeladene, mit seinem Auftrag</translation>
        </message>
        <message>
            <source>Records of the selected download</source>
            <translation>Messungen des gewählten Downloads</translation>
        </message>
        <message>
            <source>Labels, notes and deductions are edited in place</source>
            <translation>Bezeichnungen, Notizen und Abzüge werden direkt bearbeitet</translation>
        </message>
        <message>
            <source>Readings</source>
            <translation>Messwerte</translation>
        </message>
        <message>
            <source>The readings taken live for the jobs listed</source>
            <translation>Die live gemessenen Werte der aufgeführten Aufträge</translation>
        </message>
        <message>
            <source>Show the downloads of</source>
            <translation>Heruntergeladenes zeigen von</translation>
        </message>
        <message>
            <source>Search</source>
            <translation>Suchen</translation>
        </message>
        <message>
            <source>Search jobs, clients, labels, notes and modes</source>
            <translation>Aufträge, Kunden, Bezeichnungen, Notizen und Modi durchsuchen</translation>
        </message>
        <message>
            <source>Only the records that the previous download from this meter did not have</source>
            <translation>Nur die Messungen, die beim vorigen Herunterladen von diesem Messgerät noch fehlten</translation>
        </message>
        <message>
            <source>Put the selected download into a job, or into none</source>
            <translation>Den gewählten Download einem Auftrag zuordnen oder keinem</translation>
        </message>
        <message>
            <source>Rename the job and give its client, address and notes (the job the list shows, else that of the selected download)</source>
            <translation>Den Auftrag umbenennen und Kunde, Adresse und Notizen angeben (der Auftrag der Liste, sonst der des gewählten Downloads)</translation>
        </message>
        <message>
            <source>Job:</source>
            <translation>Auftrag:</translation>
        </message>
        <message>
            <source>Search:</source>
            <translation>Suchen:</translation>
        </message>
        <message>
            <source>Records</source>
            <translation>Messungen</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Schließen</translation>
        </message>
        <message>
            <source>All jobs</source>
            <translation>Alle Aufträge</translation>
        </message>
        <message>
            <source>No job</source>
            <translation>Kein Auftrag</translation>
        </message>
        <message>
            <source>Readings (%1)</source>
            <translation>Messwerte (%1)</translation>
        </message>
        <message>
            <source>No download selected.</source>
            <translation>Kein Herunterladen ausgewählt.</translation>
        </message>
        <message>
            <source>New records of %1 found by "%2":</source>
            <translation>Neue Messungen von %1, gefunden mit „%2“:</translation>
        </message>
        <message>
            <source>Records of %1 found by "%2":</source>
            <translation>Messungen von %1, gefunden mit „%2“:</translation>
        </message>
        <message>
            <source>New records of %1:</source>
            <translation>Neue Messungen von %1:</translation>
        </message>
        <message>
            <source>Records of %1:</source>
            <translation>Messungen von %1:</translation>
        </message>
        <message>
            <source>Delete download</source>
            <translation>Download löschen</translation>
        </message>
        <message>
            <source>Delete the download of %1 with its %2 records from the history?</source>
            <translation>Den Download vom %1 mit seinen %2 Messungen aus dem Verlauf löschen?</translation>
        </message>
        <message>
            <source>The records in the main grid stay as they are.</source>
            <translation>Die Messungen im Hauptfenster bleiben erhalten.</translation>
        </message>
        <message>
            <source>Assign to job</source>
            <translation>Einem Auftrag zuordnen</translation>
        </message>
        <message>
            <source>%1 goes into:</source>
            <translation>%1 gehört zu:</translation>
        </message>
        <message>
            <source>Report</source>
            <translation>Aufmaß</translation>
        </message>
        <message>
            <source>The job "%1" has no records to report.</source>
            <translation>Der Auftrag „%1“ hat keine Messungen für ein Aufmaß.</translation>
        </message>
    </context>
    <context>
        <name>rangedesk::app::TJobDialog</name>
        <message>
            <source>Job name</source>
            <translation>Auftragsname</translation>
        </message>
        <message>
            <source>Client</source>
            <translation>Kunde</translation>
        </message>
        <message>
            <source>Address</source>
            <translation>Adresse</translation>
        </message>
        <message>
            <source>Notes</source>
            <translation>Notizen</translation>
        </message>
        <message>
            <source>&amp;Name:</source>
            <translation>&amp;Auftragsname:</translation>
        </message>
        <message>
            <source>&amp;Client:</source>
            <translation>&amp;Kunde:</translation>
        </message>
        <message>
            <source>&amp;Address:</source>
            <translation>A&amp;dresse:</translation>
        </message>
        <message>
            <source>N&amp;otes:</source>
            <translation>&amp;Notizen:</translation>
        </message>
    </context>
    <context>
        <name>rangedesk::app::TMainForm</name>
        <message>
            <source>Typing armed</source>
            <translation>Tippen aktiv</translation>
        </message>
        <message>
            <source>The reading was not kept: %1</source>
            <translation>Der Messwert wurde nicht gespeichert: %1</translation>
        </message>
        <message>
            <source>Copy reading</source>
            <translation>Messwert kopieren</translation>
        </message>
        <message>
            <source>Read</source>
            <translation>Messen</translation>
        </message>
        <message>
            <source>Clear</source>
            <translation>Löschen</translation>
        </message>
        <message>
            <source>Export Records</source>
            <translation>Herunterladen</translation>
        </message>
        <message>
            <source>Export to Excel</source>
            <translation>Excel-Export</translation>
        </message>
        <message>
            <source>Print</source>
            <translation>Drucken</translation>
        </message>
        <message>
            <source>About</source>
            <translation>Über</translation>
        </message>
        <message>
            <source>Settings: how readings are typed into other applications</source>
            <translation>Einstellungen: wie Messwerte in andere Anwendungen getippt werden</translation>
        </message>
        <message>
            <source>Type readings into the focused application</source>
            <translation>Messwerte in die aktive Anwendung tippen</translation>
        </message>
        <message>
            <source>History</source>
            <translation>Verlauf</translation>
        </message>
        <message>
            <source>Every download kept, with the meter's own bytes (Ctrl+H)</source>
            <translation>Alles Heruntergeladene, mit den Originaldaten des Messgeräts (Strg+H)</translation>
        </message>
        <message>
            <source>Download shown</source>
            <translation>Angezeigter Download</translation>
        </message>
        <message>
            <source>Deduction</source>
            <translation>Abzug</translation>
        </message>
        <message>
            <source>The record is an opening (a window, a door): it counts negative in totals</source>
            <translation>Die Messung ist eine Öffnung (Fenster, Tür): sie zählt in Summen negativ</translation>
        </message>
        <message>
            <source>Connected OK</source>
            <translation>Verbunden</translation>
        </message>
        <message>
            <source>Not connected</source>
            <translation>Nicht verbunden</translation>
        </message>
        <message>
            <source>Export Data</source>
            <translation>Daten exportieren</translation>
        </message>
        <message>
            <source>Query  Information</source>
            <translation>Rückfrage</translation>
        </message>
        <message>
            <source>%1  already exists!</source>
            <translation>%1  ist bereits vorhanden!</translation>
        </message>
        <message>
            <source>Do you want to replace it?</source>
            <translation>Möchten Sie die Datei ersetzen?</translation>
        </message>
        <message>
            <source>Could not export to %1: %2</source>
            <translation>Export nach %1 nicht möglich: %2</translation>
        </message>
        <message>
            <source>Exported  %1  records total. </source>
            <translation>Insgesamt  %1  Messungen exportiert. </translation>
        </message>
        <message>
            <source>Print Error</source>
            <translation>Druckfehler</translation>
        </message>
        <message>
            <source>Print Preview</source>
            <translation>Druckvorschau</translation>
        </message>
    </context>
    <context>
        <name>rangedesk::app::TSettingsForm</name>
        <message>
            <source>System</source>
            <translation>Systemsprache</translation>
        </message>
        <message>
            <source>Language:</source>
            <translation>Sprache:</translation>
        </message>
        <message>
            <source>Takes effect when RangeDesk starts again.</source>
            <translation>Wirkt beim nächsten Start von RangeDesk.</translation>
        </message>
        <message>
            <source>RangeDesk - Settings</source>
            <translation>RangeDesk - Einstellungen</translation>
        </message>
        <message>
            <source>The value</source>
            <translation>Der Wert</translation>
        </message>
        <message>
            <source>The value and its unit</source>
            <translation>Der Wert mit Einheit</translation>
        </message>
        <message>
            <source>then Tab</source>
            <translation>dann Tabulator</translation>
        </message>
        <message>
            <source>then Enter</source>
            <translation>dann Eingabetaste</translation>
        </message>
        <message>
            <source>then nothing</source>
            <translation>dann nichts</translation>
        </message>
        <message>
            <source>As the language sets it (%1)</source>
            <translation>Wie die Sprache es vorgibt (%1)</translation>
        </message>
        <message>
            <source>Always a point (.)</source>
            <translation>Immer ein Punkt (.)</translation>
        </message>
        <message>
            <source>What is typed</source>
            <translation>Was getippt wird</translation>
        </message>
        <message>
            <source>After it</source>
            <translation>Danach</translation>
        </message>
        <message>
            <source>Decimal separator</source>
            <translation>Dezimaltrennzeichen</translation>
        </message>
        <message>
            <source>Method on this desktop</source>
            <translation>Verfahren auf diesem Desktop</translation>
        </message>
        <message>
            <source>Language</source>
            <translation>Sprache</translation>
        </message>
        <message>
            <source>Typing readings into the focused application</source>
            <translation>Messwerte in die aktive Anwendung tippen</translation>
        </message>
        <message>
            <source>What is typed:</source>
            <translation>Was getippt wird:</translation>
        </message>
        <message>
            <source>After it:</source>
            <translation>Danach:</translation>
        </message>
        <message>
            <source>Decimal separator:</source>
            <translation>Dezimaltrennzeichen:</translation>
        </message>
        <message>
            <source>Method on this desktop:</source>
            <translation>Verfahren auf diesem Desktop:</translation>
        </message>
        <message>
            <source>Phone, e-mail</source>
            <translation>Telefon, E-Mail</translation>
        </message>
        <message>
            <source>Reports for clients</source>
            <translation>Aufmaße für Kunden</translation>
        </message>
        <message>
            <source>Company name:</source>
            <translation>Firmenname:</translation>
        </message>
        <message>
            <source>Contact line:</source>
            <translation>Kontaktzeile:</translation>
        </message>
        <message>
            <source>Company name</source>
            <translation>Firmenname</translation>
        </message>
        <message>
            <source>Contact line</source>
            <translation>Kontaktzeile</translation>
        </message>
        <message>
            <source>Heads every report for a client</source>
            <translation>Steht über jedem Bericht für Kunden</translation>
        </message>
    </context>
    <context>
        <name>rangedesk::app::TTotalsPanel</name>
        <message>
            <source>Totals in</source>
            <translation>Summen in</translation>
        </message>
        <message>
            <source>Totals in:</source>
            <translation>Summen in:</translation>
        </message>
        <message>
            <source>This download:</source>
            <translation>Dieses Herunterladen:</translation>
        </message>
        <message>
            <source>No download selected.</source>
            <translation>Kein Herunterladen ausgewählt.</translation>
        </message>
        <message>
            <source>Job "%1":</source>
            <translation>Auftrag „%1“:</translation>
        </message>
    </context>
    <context>
        <name>rangedesk::app::TeamHistoryPanel</name>
        <message>
            <source>Show in main grid</source>
            <translation>Im Hauptfenster zeigen</translation>
        </message>
        <message>
            <source>Export...</source>
            <translation>Exportieren...</translation>
        </message>
        <message>
            <source>Search job, client, mode, label, note</source>
            <translation>Auftrag, Kunde, Modus, Bezeichnung, Notiz suchen</translation>
        </message>
        <message>
            <source>Search the team's downloads</source>
            <translation>Downloads des Teams durchsuchen</translation>
        </message>
        <message>
            <source>The team's downloads</source>
            <translation>Downloads des Teams</translation>
        </message>
        <message>
            <source>Records of the selected download</source>
            <translation>Messungen des gewählten Downloads</translation>
        </message>
        <message>
            <source>The team's downloads, newest first:</source>
            <translation>Downloads des Teams, neueste zuerst:</translation>
        </message>
        <message>
            <source>The team server cannot be read now: %1</source>
            <translation>Der Team-Server kann gerade nicht gelesen werden: %1</translation>
        </message>
        <message>
            <source>Reading the records...</source>
            <translation>Messungen werden gelesen...</translation>
        </message>
        <message>
            <source>No download selected.</source>
            <translation>Kein Herunterladen ausgewählt.</translation>
        </message>
        <message>
            <source>Records of the download of %1 on %2 by %3:</source>
            <translation>Messungen des Downloads vom %1 an %2 von %3:</translation>
        </message>
    </context>
    <context>
        <name>rangedesk::app::TeamServerSection</name>
        <message>
            <source>Team server</source>
            <translation>Team-Server</translation>
        </message>
        <message>
            <source>Check connection</source>
            <translation>Verbindung prüfen</translation>
        </message>
        <message>
            <source>Disconnect</source>
            <translation>Trennen</translation>
        </message>
        <message>
            <source>postgresql://desk@db.example.com/rangedesk or a service name</source>
            <translation>postgresql://desk@db.example.com/rangedesk oder ein Dienstname</translation>
        </message>
        <message>
            <source>Team server address</source>
            <translation>Adresse des Team-Servers</translation>
        </message>
        <message>
            <source>This desk's name</source>
            <translation>Name dieses Arbeitsplatzes</translation>
        </message>
        <message>
            <source>kept in the desktop's keyring, never in a file</source>
            <translation>im Schlüsselbund des Desktops gespeichert, nie in einer Datei</translation>
        </message>
        <message>
            <source>Team server password</source>
            <translation>Passwort des Team-Servers</translation>
        </message>
        <message>
            <source>Server:</source>
            <translation>Serveradresse:</translation>
        </message>
        <message>
            <source>This desk:</source>
            <translation>Arbeitsplatz:</translation>
        </message>
        <message>
            <source>Password:</source>
            <translation>Passwort:</translation>
        </message>
        <message>
            <source>Type the server's address or service name first.</source>
            <translation>Geben Sie zuerst die Adresse oder den Dienstnamen des Servers ein.</translation>
        </message>
        <message>
            <source>Connecting to %1...</source>
            <translation>Verbindung zu %1 wird hergestellt...</translation>
        </message>
        <message>
            <source>Disconnected from %1; this desk's work stays in its own database.</source>
            <translation>Von %1 getrennt; die Arbeit dieses Arbeitsplatzes bleibt in seiner eigenen Datenbank.</translation>
        </message>
        <message>
            <source>No team server is set.</source>
            <translation>Es ist kein Team-Server eingestellt.</translation>
        </message>
    </context>
    <context>
        <name>rangedesk::app::WindowTeam</name>
        <message>
            <source>Team: the keyring did not keep the password (%1); it is used until RangeDesk ends</source>
            <translation>Team: Der Schlüsselbund hat das Passwort nicht gespeichert (%1); es gilt, bis RangeDesk beendet wird</translation>
        </message>
        <message>
            <source>An edit made on this desk was replaced by a later one of another desk:</source>
            <translation>Eine Änderung an diesem Arbeitsplatz wurde durch eine spätere eines anderen Arbeitsplatzes ersetzt:</translation>
        </message>
        <message>
            <source>%1 edits made on this desk were replaced by later ones of other desks:</source>
            <translation>%1 Änderungen an diesem Arbeitsplatz wurden durch spätere anderer Arbeitsplätze ersetzt:</translation>
        </message>
    </context>
    <context>
        <name>rangedesk::desktop::InstanceService</name>
        <message>
            <source>RangeDesk did not finish the measurement within %1 s</source>
            <translation>RangeDesk hat die Messung nicht innerhalb von %1 s abgeschlossen</translation>
        </message>
        <message>
            <source>RangeDesk is closing</source>
            <translation>RangeDesk wird beendet</translation>
        </message>
    </context>
</TS>
