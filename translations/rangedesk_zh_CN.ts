<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
    <context>
        <name>AccessibleNames</name>
        <message>
            <source>Read</source>
            <translation>测量</translation>
        </message>
        <message>
            <source>Takes one reading from the meter</source>
            <translation>从测距仪读取一个读数</translation>
        </message>
        <message>
            <source>Clear</source>
            <translation>清除</translation>
        </message>
        <message>
            <source>Clears the reading on the meter</source>
            <translation>清除测距仪上的读数</translation>
        </message>
        <message>
            <source>Export Records</source>
            <translation>下载记录</translation>
        </message>
        <message>
            <source>Downloads the records stored in the meter into the grid</source>
            <translation>将测距仪中存储的记录下载到表格</translation>
        </message>
        <message>
            <source>Export to Excel</source>
            <translation>导出到 Excel</translation>
        </message>
        <message>
            <source>Saves the records of the grid as an XLS, XLSX or CSV file</source>
            <translation>将表格中的记录保存为 XLS、XLSX 或 CSV 文件</translation>
        </message>
        <message>
            <source>Print</source>
            <translation>打印</translation>
        </message>
        <message>
            <source>Prints the records of the grid</source>
            <translation>打印表格中的记录</translation>
        </message>
        <message>
            <source>About</source>
            <translation>关于</translation>
        </message>
        <message>
            <source>The version and the meters RangeDesk knows</source>
            <translation>版本以及 RangeDesk 支持的测距仪</translation>
        </message>
        <message>
            <source>History</source>
            <translation>历史</translation>
        </message>
        <message>
            <source>Every download kept, with the meter's own bytes</source>
            <translation>保留的每次下载，含测距仪的原始字节</translation>
        </message>
        <message>
            <source>Settings</source>
            <translation>设置</translation>
        </message>
        <message>
            <source>How readings are typed into other applications, and the language</source>
            <translation>读数如何输入到其他应用程序，以及界面语言</translation>
        </message>
        <message>
            <source>Type readings into the focused application</source>
            <translation>将读数输入到当前应用程序</translation>
        </message>
        <message>
            <source>While on, every reading is typed where the keyboard focus is</source>
            <translation>开启后，每个读数都会输入到键盘焦点所在处</translation>
        </message>
        <message>
            <source>Reading display, first line</source>
            <translation>读数显示，第一行</translation>
        </message>
        <message>
            <source>Reading display, second line</source>
            <translation>读数显示，第二行</translation>
        </message>
        <message>
            <source>Reading display, third line</source>
            <translation>读数显示，第三行</translation>
        </message>
        <message>
            <source>Newest reading</source>
            <translation>最新读数</translation>
        </message>
        <message>
            <source>Meter</source>
            <translation>测距仪</translation>
        </message>
        <message>
            <source>The picture of the meter plugged in</source>
            <translation>已连接测距仪的图片</translation>
        </message>
        <message>
            <source>Records</source>
            <translation>记录</translation>
        </message>
        <message>
            <source>The records downloaded from the meter</source>
            <translation>从测距仪下载的记录</translation>
        </message>
        <message>
            <source>Record navigator</source>
            <translation>记录导航</translation>
        </message>
        <message>
            <source>First record</source>
            <translation>第一条记录</translation>
        </message>
        <message>
            <source>Prior record</source>
            <translation>上一条记录</translation>
        </message>
        <message>
            <source>Next record</source>
            <translation>下一条记录</translation>
        </message>
        <message>
            <source>Last record</source>
            <translation>最后一条记录</translation>
        </message>
        <message>
            <source>Status</source>
            <translation>状态</translation>
        </message>
    </context>
    <context>
        <name>CliDownload</name>
        <message>
            <source>%1 of %2 records stored.</source>
            <translation>已保存 %1 条记录（共 %2 条）。</translation>
        </message>
        <message>
            <source>%1 of %2 records stored; missing: %3.</source>
            <translation>已保存 %1 条记录（共 %2 条）；缺少：%3。</translation>
        </message>
        <message>
            <source>download stopped: %1</source>
            <translation>下载已中止：%1</translation>
        </message>
        <message>
            <source>Job "%1" created; the download is in it.</source>
            <translation>已创建项目“%1”，本次下载已归入其中。</translation>
        </message>
        <message>
            <source>The download is in job "%1".</source>
            <translation>本次下载已归入项目“%1”。</translation>
        </message>
    </context>
    <context>
        <name>CliFiles</name>
        <message>
            <source>--units %1 needs an .xlsx or .csv file: an .XLS file holds the values as measured</source>
            <translation>--units %1 需要 .xlsx 或 .csv 文件：.XLS 文件只保存测量时的原始值</translation>
        </message>
        <message>
            <source>Exported %1 records in %2 units; %3 values stayed text (no quantity in them)</source>
            <translation>已按 %2 单位导出 %1 条记录；%3 个值保持为文本（其中没有数量）</translation>
        </message>
        <message>
            <source>Exported %1 records to %2 in %3 units; %4 values stayed text (no quantity in them)</source>
            <translation>已按 %3 单位将 %1 条记录导出到 %2；%4 个值保持为文本（其中没有数量）</translation>
        </message>
        <message>
            <source>Exported %1 records to %2</source>
            <translation>已将 %1 条记录导出到 %2</translation>
        </message>
        <message>
            <source>cannot read standard input: it is a folder</source>
            <translation>无法读取标准输入：它是一个文件夹</translation>
        </message>
        <message>
            <source>line %1: not hexadecimal bytes</source>
            <translation>第 %1 行：不是十六进制字节</translation>
        </message>
        <message>
            <source>line %1: %2 bytes, the layout needs %3</source>
            <translation>第 %1 行：%2 个字节，该格式需要 %3 个</translation>
        </message>
        <message>
            <source>cannot read standard input</source>
            <translation>无法读取标准输入</translation>
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
退出状态：
  0    完成
  1    用法错误：未知的命令或选项，缺少值
  2    未找到测距仪
  3    找到了测距仪但无法打开（缺少 udev 规则）
  4    下载不完整：缺少记录、测距仪被拔出、没有应答
  5    数据库或文件错误，或数据库拒绝的修改：项目名称为空、超过 200 个字符或含有控制字符，
       名称与其他项目重复，标签或备注超过 2,000 个字符，项目、下载或记录不存在
  6    团队服务器：无法连接、被拒绝，或仍有数据等待推送
  130  已中断（Ctrl+C）
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
全局选项：
  --device /dev/hidrawN   接有多台测距仪时使用这一台（默认：最后找到的一台）
  --simulate MODEL[:RECORDS[:LATENCY_MS]]
                          使用模拟测距仪代替硬件，例如 3:50:2
  --quiet                 不在标准错误输出上显示进度
  --help                  本帮助；  --version：版本和正在使用的数据库
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
            <translation>用法：rangedesk-cli devices [--json]

列出找到的每台测距仪：型号、厂商:产品、设备节点，以及当前用户能否打开它。
无法打开的测距仪会附上可直接复制的解决办法。
  --json   由 {"model", "vendor", "product", "node", "access"} 组成的数组

示例：
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
            <translation>用法：rangedesk-cli read [--json]

像“读取”按钮一样，按下测距仪的读取键并在 300 毫秒后取回读数，以米为单位输出，
例如 "1.234 m"。
  --json   {"distance_m": 1.234, "text": "1.234 m"}

示例：
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
            <translation>用法：rangedesk-cli download [--db FILE] [--csv FILE|-] [--no-db] [--job NAME]
                              [--json]

像 Export Records 一样下载测距仪中保存的全部记录，存入程序的数据库（替换其中的
LoadData 表）；使用 --csv 时还写成 CSV（RFC 4180、UTF-8、CRLF；写入文件时带字节
顺序标记，写到标准输出时不带）。进度显示在标准错误输出上，最后以一行摘要结束。
Ctrl+C 取消下载：已保存的行会保留。
  --db FILE    使用此数据库而不是程序的数据库
  --csv FILE   同时将记录写成 CSV；- 表示标准输出
  --no-db      只写 CSV，不动数据库
  --job NAME   下载归入此项目；若没有该名称的项目（不分大小写）则新建，摘要会说明
  --json       在标准输出上输出摘要：{"download", "asked", "stored", "new",
               "outcome", "job", "job_created"}

示例：
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
            <translation>用法：rangedesk-cli export [--db FILE] [--format xls|xlsx|csv]
                            [--units as-measured|metric|imperial] FILE

像 Export to Excel 一样，将数据库的 LoadData 表写入 FILE。格式由扩展名（.xls、.xlsx、
.csv）决定，除非 --format 另有指定。FILE 只在写完后才被替换，且绝不会是数据库本身；
- 表示写到标准输出（除非 --format 另有指定，否则为 CSV）。
  --units WORD  as-measured（默认）：每个值都按测距仪写出的原样。
                metric 或 imperial：每个长度、面积和体积都换算为 m、m2、m3 或
                ft、ft2、ft3（角度仍为度，坡度仍为百分比）。在 .xlsx 文件中，每个值都是
                该单位下的数字并带有该单位的格式，记录行之后按种类附有合计区（使用公式，
                修改后表格仍能正确相加）。在 CSV 文件中，DIST1、DIST2、DIST3 和 RESULT
                各占两列：全精度的数字和 "DIST1 unit"。没有数量的栏位保持为文本；导出时会
                说明有多少个。.XLS 文件始终按测量原样。

示例：
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
            <translation>用法：rangedesk-cli decode --model N

从标准输入读取截获的记录应答，每行一条，以十六进制字节表示（允许空格），并为每条
输出十个以制表符分隔的文本：模式、单位，然后是 DIST1、DIST2、DIST3 和 RESULT 的值
和后缀，与型号 N（1 到 4）的测距仪给出的相同。

示例：
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
            <translation>用法：rangedesk-cli history [--json] [--search TEXT] [--db FILE]
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

每次下载都连同测距仪发送的字节保存在数据库中。不带操作时，按从新到旧列出下载：ID、
日期和时间、测距仪（模拟的显示为 "simulated model 3"）、项目、已保存/请求的记录数、
自该测距仪上次下载以来的新记录数，以及结果。
  --search TEXT 只列出其项目、客户，或某条记录的模式、标签或备注中含有 TEXT 的下载
                （不分大小写和字体），并附上匹配的记录（--json：下载的列表，每个带
                "records"）
  show ID       下载中的记录及其标签和备注；--json：下载的字段和 "records"，每条带
                RecNo、MODE、UNIT、DIST1、DIST2、DIST3、RESULT、label、note 和
                deduction；--raw：保存的应答字节，每行一条记录，可供 decode 读取；
                --csv：七列 CSV
  export ID F   像 export 一样写入文件；.xlsx 和 .csv 文件在七列之后有 Label 和 Note
                （使用 --units metric|imperial 时还有 Deduction），.XLS 文件只有七列
  totals ID     按种类（长度、面积、体积）求 RESULT 值的合计，扣减已减去，并给出各含
                多少条记录。不同种类绝不相加；按测量原样（默认）时，每个种类只合计以其
                最常用单位记录的值，并列出被略去的记录。--json：由 {"kind", "unit",
                "value", "records"} 组成的列表，按测量原样时另有 "left_out"
                （{"download", "recno"}）
  assign ID JOB 将下载归入项目（见 job create）
  label, note   记录的标签或备注；空的 TEXT 会将其删除（最多 2,000 个字符）。以 "-"
                开头的 TEXT 前面要加 --
  deduct        on：该记录是扣减（窗、门），在每个合计中按负值计算；off：恢复正常计算
  --only-new    只显示或导出该测距仪以前的下载中没有的记录
  load ID       将其载入 LoadData，像表格中显示的那样
  delete ID     从历史中删除该下载
  redecode ID   用本版本的解码器重新解码保存的字节，并说明有多少条记录发生了变化
  --team        团队服务器上的团队下载，附有进行下载的工作站和用户及其项目；--json 给出
                history --json 的键（ID 为下载的 UUID），另加 "desk"、"user" 和 "job"

示例：
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
            <translation>用法：rangedesk-cli job [--json] [--db FILE]
       rangedesk-cli job create NAME [--client TEXT] [--address TEXT] [--note TEXT]
       rangedesk-cli job rename OLD NEW
       rangedesk-cli job show NAME [--json]
       rangedesk-cli job export NAME FILE [--format xlsx|csv] [--units WORD]
       rangedesk-cli job totals NAME [--units WORD] [--json]
       rangedesk-cli job report NAME --pdf FILE [--units WORD]

项目记录测量是在哪里、为谁进行的；下载可归入项目（download --job、history assign）。
不带操作时，按从新到旧列出项目；--json 给出由 {"name", "client", "address", "notes",
"created", "downloads", "records"} 组成的列表。NAME 不分大小写查找。项目名称为 1 到 200
个字符，不含控制字符，且任何两个项目的名称（不分大小写）都不能相同；客户、地址和备注
最多 2,000 个字符。
  create NAME    新建项目，可带客户、地址和备注
  rename OLD NEW 为项目改名
  show NAME      项目及其下载；--json：项目的字段和 "downloads"，每个下载带其字段以及
                 每条记录的标签和备注
  export NAME F  项目所有下载中的每条记录，最早的下载在前，Download（其日期和时间）在
                 最前，七列之后是 Label 和 Note（默认 .xlsx，也可 .csv；--units 见 export）
  totals NAME    项目所有记录按种类的合计（见 history totals）
  report NAME    给客户的 PDF 报告：公司和联系方式一行（见 config）、项目名称、客户和
                 地址、日期；每次下载的记录带标签、模式、按 --units 换算的值，并标出扣减；
                 合计；"Page i of n"。版式为 lib/Report.rav；用户数据文件夹中的 Report.rav
                 优先。没有记录的项目不生成文件。

示例：
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
            <translation>用法：rangedesk-cli config
       rangedesk-cli config company TEXT
       rangedesk-cli config contact TEXT

每份客户报告（job report）页首的内容，保存在用户的配置中
（~/.config/RangeDesk/RangeDesk.conf，键 report/company 和 report/contact）。不带操作时
显示两者；空的 TEXT 会删除对应的一项。

示例：
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
            <translation>用法：rangedesk-cli team init SERVER
       rangedesk-cli team connect SERVER [--desk NAME]
       rangedesk-cli team disconnect
       rangedesk-cli team status [--json] [--db FILE]
       rangedesk-cli team push [--db FILE]

团队服务器是一个 PostgreSQL 数据库，每个工作站都把自己的下载、项目、标签、备注、扣减和
读数推送到那里。每个工作站继续使用自己的数据库；下载从不等待服务器。SERVER 可以是
libpq URL（postgresql://user@host:port/db?sslmode=verify-full，Unix 套接字用
host=/path）、关键字列表（host=... dbname=...）或 pg_service.conf 中的服务
（service=NAME）。密码来自 libpq 自己的来源（~/.pgpass、服务文件、PGPASSWORD）或桌面的
密钥环，绝不来自命令行或设置。
  init SERVER     由管理员执行一次：创建角色 rangedesk_desk 和 rangedesk_admin、架构及其
                  版本表；升级较旧的架构
  connect SERVER  本工作站从现在起推送到 SERVER（保存在用户设置中）并检查连接；
                  --desk NAME 为工作站命名（默认：主机名）
  disconnect      本工作站停止推送；其工作仍保留在自己的数据库中
  status          是否可连接、架构版本、等待中的更改、上次推送，以及本工作站和服务器上的
                  数量（--json 供脚本使用）
  push            立即推送等待中的内容并显示进度；只有在没有任何等待时退出状态才为 0

示例：
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
            <translation>用法：rangedesk-cli print --pdf FILE [--db FILE]

像“打印”按钮一样，通过报表定义 Vermo.rav 将数据库中的记录打印到 PDF 文件，不弹出任何
对话框。

示例：
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
            <translation>用法：rangedesk-cli [全局选项] 命令 [选项]

在终端中使用激光测距仪及其记录。

命令：
  devices    列出找到的测距仪
  read       读取一个读数
  download   下载测距仪中保存的全部记录
  export     将记录写入 .xls、.xlsx 或 .csv
  decode     解码截获的记录应答
  print      将记录打印到 PDF 文件
  measure    测量一次，使用 --type 时输入到有焦点的应用程序中
  history    保存的每次下载：列出、搜索、显示、导出、合计、标签、备注、扣减、归入项目、
             载入、删除、重新解码
  job        项目：列出、新建、改名、显示、导出、合计、报告
  config     客户报告中的公司和联系方式一行
  team       团队服务器：init、connect、disconnect、status、push

"rangedesk-cli 命令 --help" 显示某个命令的选项和示例。
</translation>
        </message>
    </context>
    <context>
        <name>CliHistory</name>
        <message>
            <source>No download is kept yet.</source>
            <translation>尚未保存任何下载。</translation>
        </message>
        <message>
            <source>No download matches "%1".</source>
            <translation>没有与“%1”匹配的下载。</translation>
        </message>
        <message>
            <source>download %1 holds no bytes of the meter (it was imported from an older version)</source>
            <translation>下载 %1 不含测距仪的原始字节（它是从旧版本导入的）</translation>
        </message>
        <message>
            <source>download %1 holds no bytes of the meter (it was kept without them)</source>
            <translation>下载 %1 不含测距仪的原始字节（保存时未包含它们）</translation>
        </message>
        <message>
            <source>%1 replies of a model %2 meter: rangedesk-cli decode --model %2 reads them.</source>
            <translation>%1 条型号 %2 测距仪的应答：rangedesk-cli decode --model %2 可读取它们。</translation>
        </message>
        <message>
            <source>the new ones of download %1 (%2)</source>
            <translation>下载 %1 中的新记录（%2）</translation>
        </message>
        <message>
            <source>download %1 (%2)</source>
            <translation>下载 %1（%2）</translation>
        </message>
        <message>
            <source>there is no download %1 in %2</source>
            <translation>%2 中没有下载 %1</translation>
        </message>
        <message>
            <source>Download %1 (%2 records) is in LoadData now.</source>
            <translation>下载 %1（%2 条记录）现已载入 LoadData。</translation>
        </message>
        <message>
            <source>Download %1 deleted.</source>
            <translation>已删除下载 %1。</translation>
        </message>
        <message>
            <source>Download %1: %2 of %3 records changed.</source>
            <translation>下载 %1：%3 条记录中有 %2 条已更改。</translation>
        </message>
        <message>
            <source>Download %1 is in job "%2" now.</source>
            <translation>下载 %1 现已归入项目“%2”。</translation>
        </message>
        <message>
            <source>Record %1 of download %2 has no label now.</source>
            <translation>下载 %2 的记录 %1 现在没有标签。</translation>
        </message>
        <message>
            <source>Record %1 of download %2 is labelled "%3".</source>
            <translation>下载 %2 的记录 %1 的标签为“%3”。</translation>
        </message>
        <message>
            <source>Record %1 of download %2 has no note now.</source>
            <translation>下载 %2 的记录 %1 现在没有备注。</translation>
        </message>
        <message>
            <source>Record %1 of download %2 has a note now.</source>
            <translation>下载 %2 的记录 %1 现在有备注。</translation>
        </message>
        <message>
            <source>Record %1 of download %2 is a deduction now: it counts negative in the totals.</source>
            <translation>下载 %2 的记录 %1 现为扣减：在合计中按负值计算。</translation>
        </message>
        <message>
            <source>Record %1 of download %2 is no deduction now.</source>
            <translation>下载 %2 的记录 %1 现在不再是扣减。</translation>
        </message>
    </context>
    <context>
        <name>CliJob</name>
        <message>
            <source>Job:	%1</source>
            <translation>项目：	%1</translation>
        </message>
        <message>
            <source>Client:	%1</source>
            <translation>客户：	%1</translation>
        </message>
        <message>
            <source>Address:	%1</source>
            <translation>地址：	%1</translation>
        </message>
        <message>
            <source>Notes:	%1</source>
            <translation>备注：	%1</translation>
        </message>
        <message>
            <source>Created:	%1</source>
            <translation>创建时间：	%1</translation>
        </message>
        <message>
            <source>Downloads:	%1 (%2 records)</source>
            <translation>下载：	%1（%2 条记录）</translation>
        </message>
        <message>
            <source>There is no job yet (rangedesk-cli job create NAME makes one).</source>
            <translation>还没有项目（rangedesk-cli job create NAME 可创建一个）。</translation>
        </message>
        <message>
            <source>Job "%1" created.</source>
            <translation>已创建项目“%1”。</translation>
        </message>
        <message>
            <source>Job "%1" is called "%2" now.</source>
            <translation>项目“%1”现已改名为“%2”。</translation>
        </message>
        <message>
            <source>job export writes .xlsx or .csv files; an .XLS file has no room for the download, the label and the note</source>
            <translation>job export 只写入 .xlsx 或 .csv 文件；.XLS 文件无法容纳下载、标签和备注</translation>
        </message>
        <message>
            <source>job "%1"</source>
            <translation>项目“%1”</translation>
        </message>
        <message>
            <source>Job %1</source>
            <translation>项目 %1</translation>
        </message>
        <message>
            <source>job "%1" has no records to report; no file was written</source>
            <translation>项目“%1”没有可写入报告的记录；未写入任何文件</translation>
        </message>
        <message>
            <source>Report of job "%1" (%2 records) written to %3</source>
            <translation>项目“%1”的报告（%2 条记录）已写入 %3</translation>
        </message>
        <message>
            <source>there is no job "%1" in %2</source>
            <translation>%2 中没有项目“%1”</translation>
        </message>
    </context>
    <context>
        <name>CliMain</name>
        <message>
            <source>%1 (rangedesk-cli --help tells more)</source>
            <translation>%1（rangedesk-cli --help 可查看更多说明）</translation>
        </message>
    </context>
    <context>
        <name>CliMeasure</name>
        <message>
            <source>--template is for a measure without the window; the window types with the template of its Settings</source>
            <translation>--template 仅用于不经窗口的测量；窗口按其设置中的模板输入</translation>
        </message>
        <message>
            <source>the running RangeDesk says: %1</source>
            <translation>正在运行的 RangeDesk 报告：%1</translation>
        </message>
        <message>
            <source>measured by the running RangeDesk window</source>
            <translation>由正在运行的 RangeDesk 窗口测量</translation>
        </message>
        <message>
            <source>typing method: %1; %2</source>
            <translation>输入方式：%1；%2</translation>
        </message>
        <message>
            <source>No reading is kept yet.</source>
            <translation>尚未保存任何读数。</translation>
        </message>
    </context>
    <context>
        <name>CliMeter</name>
        <message>
            <source>no meter found</source>
            <translation>未找到测距仪</translation>
        </message>
        <message>
            <source>no meter found at %1</source>
            <translation>在 %1 未找到测距仪</translation>
        </message>
        <message>
            <source>no meter found at %1; meters found: %2</source>
            <translation>在 %1 未找到测距仪；已找到的测距仪：%2</translation>
        </message>
        <message>
            <source>model %1  %2:%3  %4  can be opened</source>
            <translation>型号 %1  %2:%3  %4  可以打开</translation>
        </message>
        <message>
            <source>model %1  %2:%3  %4  cannot be opened</source>
            <translation>型号 %1  %2:%3  %4  无法打开</translation>
        </message>
        <message>
            <source>no reading from %1: %2</source>
            <translation>未能从 %1 获得读数：%2</translation>
        </message>
        <message>
            <source>the meter did not answer</source>
            <translation>测距仪没有应答</translation>
        </message>
        <message>
            <source>the reading was not kept: %1</source>
            <translation>读数未能保存：%1</translation>
        </message>
    </context>
    <context>
        <name>CliOptions</name>
        <message>
            <source>%1 takes a whole number from %2 to %3, not "%4"</source>
            <translation>%1 需要 %2 到 %3 之间的整数，而不是“%4”</translation>
        </message>
        <message>
            <source>%1 needs a file name, not an empty text</source>
            <translation>%1 需要文件名，不能为空</translation>
        </message>
        <message>
            <source>--simulate takes MODEL[:RECORDS[:LATENCY_MS]], e.g. 3:50:2, not "%1"</source>
            <translation>--simulate 需要 MODEL[:RECORDS[:LATENCY_MS]]，例如 3:50:2，而不是“%1”</translation>
        </message>
        <message>
            <source>--format takes xls, xlsx or csv, not "%1"</source>
            <translation>--format 需要 xls、xlsx 或 csv，而不是“%1”</translation>
        </message>
        <message>
            <source>--then takes tab, enter or none, not "%1"</source>
            <translation>--then 需要 tab、enter 或 none，而不是“%1”</translation>
        </message>
        <message>
            <source>--template: %1</source>
            <translation>--template：%1</translation>
        </message>
        <message>
            <source>--search needs a text to look for, not an empty one</source>
            <translation>--search 需要要查找的文本，不能为空</translation>
        </message>
        <message>
            <source>--units takes as-measured, metric or imperial, not "%1"</source>
            <translation>--units 需要 as-measured、metric 或 imperial，而不是“%1”</translation>
        </message>
        <message>
            <source>--desk needs a name, not an empty text</source>
            <translation>--desk 需要名称，不能为空</translation>
        </message>
        <message>
            <source>no command given</source>
            <translation>未指定命令</translation>
        </message>
        <message>
            <source>unknown command "%1"</source>
            <translation>未知命令“%1”</translation>
        </message>
        <message>
            <source>%1 has no action "%2" (%3)</source>
            <translation>%1 没有操作“%2”（%3）</translation>
        </message>
        <message>
            <source>%1 takes no option %2</source>
            <translation>%1 不接受选项 %2</translation>
        </message>
        <message>
            <source>a download ID</source>
            <translation>一个下载 ID</translation>
        </message>
        <message>
            <source>a server (URL or service=NAME)</source>
            <translation>一个服务器（URL 或 service=NAME）</translation>
        </message>
        <message>
            <source>a job's NAME</source>
            <translation>项目的名称 NAME</translation>
        </message>
        <message>
            <source>a record number</source>
            <translation>一个记录编号</translation>
        </message>
        <message>
            <source>a TEXT</source>
            <translation>一段文本 TEXT</translation>
        </message>
        <message>
            <source>on or off</source>
            <translation>on 或 off</translation>
        </message>
        <message>
            <source>one FILE</source>
            <translation>一个文件 FILE</translation>
        </message>
        <message>
            <source>a FILE</source>
            <translation>一个文件 FILE</translation>
        </message>
        <message>
            <source>%1 and %2</source>
            <translation>%1和%2</translation>
        </message>
        <message>
            <source>%1 takes no arguments</source>
            <translation>%1 不接受参数</translation>
        </message>
        <message>
            <source>%1 needs %2</source>
            <translation>%1 需要%2</translation>
        </message>
        <message>
            <source>%1, not "%2"</source>
            <translation>%1，而不是“%2”</translation>
        </message>
        <message>
            <source>%1 takes on or off, not "%2"</source>
            <translation>%1 需要 on 或 off，而不是“%2”</translation>
        </message>
        <message>
            <source>%1 needs a server, not an empty text</source>
            <translation>%1 需要服务器，不能为空</translation>
        </message>
        <message>
            <source>decode needs --model N (1 to 4)</source>
            <translation>decode 需要 --model N（1 到 4）</translation>
        </message>
        <message>
            <source>print needs --pdf FILE</source>
            <translation>print 需要 --pdf FILE</translation>
        </message>
        <message>
            <source>job report needs --pdf FILE</source>
            <translation>job report 需要 --pdf FILE</translation>
        </message>
        <message>
            <source>download --job needs the database; it cannot go with --no-db</source>
            <translation>download --job 需要数据库，不能与 --no-db 同时使用</translation>
        </message>
        <message>
            <source>download --json and --csv - would both write to standard output</source>
            <translation>download --json 和 --csv - 会同时写入标准输出</translation>
        </message>
        <message>
            <source>history show takes one of --raw, --json and --csv</source>
            <translation>history show 只能使用 --raw、--json 和 --csv 中的一个</translation>
        </message>
        <message>
            <source>download --no-db needs --csv FILE (or - for standard output)</source>
            <translation>download --no-db 需要 --csv FILE（或用 - 表示标准输出）</translation>
        </message>
        <message>
            <source>download takes --db or --no-db, not both</source>
            <translation>download 只能使用 --db 或 --no-db 之一，不能同时使用</translation>
        </message>
        <message>
            <source>%1 needs a value</source>
            <translation>%1 需要一个值</translation>
        </message>
        <message>
            <source>%1 takes no value</source>
            <translation>%1 不接受值</translation>
        </message>
        <message>
            <source>unknown option %1</source>
            <translation>未知选项 %1</translation>
        </message>
        <message>
            <source>%1 needs an action (%2)</source>
            <translation>%1 需要一个操作（%2）</translation>
        </message>
    </context>
    <context>
        <name>CliOutput</name>
        <message>
            <source>cannot write standard output: %1</source>
            <translation>无法写入标准输出：%1</translation>
        </message>
    </context>
    <context>
        <name>CliProgress</name>
        <message>
            <source> Record %1 of %2</source>
            <translation> 记录 %1 / %2</translation>
        </message>
        <message>
            <source>  %1/s  %2:%3 left</source>
            <translation>  %1/秒  剩余 %2:%3</translation>
        </message>
        <message>
            <source>Record %1 of %2</source>
            <translation>%2的记录 %1</translation>
        </message>
    </context>
    <context>
        <name>CliTeam</name>
        <message>
            <source>"%1" is not a server address: %2</source>
            <translation>“%1”不是服务器地址：%2</translation>
        </message>
        <message>
            <source>no team server is set (rangedesk-cli team connect URL sets one)</source>
            <translation>未设置团队服务器（rangedesk-cli team connect URL 可设置）</translation>
        </message>
        <message>
            <source>Team server %1: schema version %2, nothing to upgrade.</source>
            <translation>团队服务器 %1：架构版本 %2，无需升级。</translation>
        </message>
        <message>
            <source>Team server %1: schema version %2 created.</source>
            <translation>团队服务器 %1：已创建架构版本 %2。</translation>
        </message>
        <message>
            <source>Team server %1: schema version %2 (upgraded from %3).</source>
            <translation>团队服务器 %1：架构版本 %2（由 %3 升级）。</translation>
        </message>
        <message>
            <source>Roles %1 (desks) and %2 (administrators) made. Give each desk's login role the first, e.g.:
  CREATE ROLE desk_north LOGIN PASSWORD '...' IN ROLE %1;</source>
            <translation>已创建角色 %1（工作站）和 %2（管理员）。请将前者授予每个工作站的登录角色，例如：
  CREATE ROLE desk_north LOGIN PASSWORD '...' IN ROLE %1;</translation>
        </message>
        <message>
            <source>Team server set: %1, this desk is "%2".</source>
            <translation>已设置团队服务器：%1，本工作站名为“%2”。</translation>
        </message>
        <message>
            <source>Team server %1 answers: schema version %2.</source>
            <translation>团队服务器 %1 已应答：架构版本 %2。</translation>
        </message>
        <message>
            <source>The setting is kept: this desk pushes once the server can be used.</source>
            <translation>设置已保留：服务器可用后本工作站就会推送。</translation>
        </message>
        <message>
            <source>No team server is set.</source>
            <translation>未设置团队服务器。</translation>
        </message>
        <message>
            <source>Team server %1 forgotten; this desk's work stays in its own database.</source>
            <translation>已忘记团队服务器 %1；本工作站的工作仍保留在自己的数据库中。</translation>
        </message>
        <message>
            <source>Server:	%1</source>
            <translation>服务器：	%1</translation>
        </message>
        <message>
            <source>Desk:	%1</source>
            <translation>工作站：	%1</translation>
        </message>
        <message>
            <source>Reachable:	yes</source>
            <translation>可连接：	是</translation>
        </message>
        <message>
            <source>Reachable:	no (%1)</source>
            <translation>可连接：	否（%1）</translation>
        </message>
        <message>
            <source>Schema version:	%1 (this RangeDesk knows %2), read-only</source>
            <translation>架构版本：	%1（本 RangeDesk 认识 %2），只读</translation>
        </message>
        <message>
            <source>Schema version:	%1 (this RangeDesk knows %2)</source>
            <translation>架构版本：	%1（本 RangeDesk 认识 %2）</translation>
        </message>
        <message>
            <source>On the server:	%1 downloads, %2 records; from this desk %3 downloads, %4 records</source>
            <translation>服务器上：	%1 次下载，%2 条记录；来自本工作站 %3 次下载，%4 条记录</translation>
        </message>
        <message>
            <source>On this desk:	%1 downloads, %2 records, %3 jobs, %4 readings</source>
            <translation>本工作站：	%1 次下载，%2 条记录，%3 个项目，%4 个读数</translation>
        </message>
        <message>
            <source>Waiting:	%1</source>
            <translation>等待中：	%1</translation>
        </message>
        <message>
            <source>Last push:	never</source>
            <translation>上次推送：	从未</translation>
        </message>
        <message>
            <source>Last push:	%1</source>
            <translation>上次推送：	%1</translation>
        </message>
        <message>
            <source>Waiting:	unknown (%1)</source>
            <translation>等待中：	未知（%1）</translation>
        </message>
        <message>
            <source>Pushed %1 of %2 changes (%3 records)</source>
            <translation>已推送 %1 项更改（共 %2 项，%3 条记录）</translation>
        </message>
        <message>
            <source>%1 changes still wait; the next push goes on from there.</source>
            <translation>仍有 %1 项更改等待；下次推送会从那里继续。</translation>
        </message>
        <message>
            <source>%1 changes still wait; push again once the download has ended.</source>
            <translation>仍有 %1 项更改等待；请在下载结束后再次推送。</translation>
        </message>
        <message>
            <source>Team server %1: %2 changes pushed (%3 records), %4 edits of other desks taken over, %5 waiting.</source>
            <translation>团队服务器 %1：已推送 %2 项更改（%3 条记录），已接收其他工作站的 %4 项修改，%5 项等待中。</translation>
        </message>
        <message>
            <source>The team server holds no download yet.</source>
            <translation>团队服务器上还没有下载。</translation>
        </message>
        <message>
            <source>No team download matches "%1".</source>
            <translation>没有与“%1”匹配的团队下载。</translation>
        </message>
    </context>
    <context>
        <name>CliTotals</name>
        <message>
            <source>%1 record</source>
            <translation>%1 条记录</translation>
        </message>
        <message>
            <source>%1 records</source>
            <translation>%1 条记录</translation>
        </message>
        <message>
            <source>Exported 1 record of %1</source>
            <translation>已导出%1的 1 条记录</translation>
        </message>
        <message>
            <source>Exported %1 records of %2</source>
            <translation>已导出%2的 %1 条记录</translation>
        </message>
        <message>
            <source>%1 to %2</source>
            <translation>%1，导出到 %2</translation>
        </message>
        <message>
            <source>%1 in %2 units; 1 value stayed text (no quantity in them)</source>
            <translation>%1，使用 %2 单位；1 个值保持为文本（其中没有数量）</translation>
        </message>
        <message>
            <source>%1 in %2 units; %3 values stayed text (no quantity in them)</source>
            <translation>%1，使用 %2 单位；%3 个值保持为文本（其中没有数量）</translation>
        </message>
        <message>
            <source>No length, area or volume to total.</source>
            <translation>没有可合计的长度、面积或体积。</translation>
        </message>
        <message>
            <source>	left out, written in other units: record %1</source>
            <translation>	已略去（以其他单位记录）：记录 %1</translation>
        </message>
        <message>
            <source>	left out, written in other units: records %1</source>
            <translation>	已略去（以其他单位记录）：记录 %1</translation>
        </message>
    </context>
    <context>
        <name>ColumnTitles</name>
        <message>
            <source>Date and time</source>
            <translation>日期时间</translation>
        </message>
        <message>
            <source>Job</source>
            <translation>项目</translation>
        </message>
        <message>
            <source>Meter</source>
            <translation>测距仪</translation>
        </message>
        <message>
            <source>Records</source>
            <translation>记录</translation>
        </message>
        <message>
            <source>New</source>
            <translation>新</translation>
        </message>
        <message>
            <source>Outcome</source>
            <translation>结果</translation>
        </message>
        <message>
            <source>Label</source>
            <translation>标签</translation>
        </message>
        <message>
            <source>Note</source>
            <translation>备注</translation>
        </message>
        <message>
            <source>Deduction</source>
            <translation>扣减</translation>
        </message>
        <message>
            <source>Deduction: counts negative in totals</source>
            <translation>扣减：在合计中按负值计算</translation>
        </message>
        <message>
            <source>Taken</source>
            <translation>测量时间</translation>
        </message>
        <message>
            <source>Reading</source>
            <translation>读数</translation>
        </message>
    </context>
    <context>
        <name>Demo</name>
        <message>
            <source>%1 (simulated meter)</source>
            <translation>%1（模拟测距仪）</translation>
        </message>
    </context>
    <context>
        <name>DownloadSummary</name>
        <message>
            <source>%1 of %2 records were stored.</source>
            <translation>已保存 %1 条记录（共 %2 条）。</translation>
        </message>
        <message>
            <source>The meter holds %1 records. Records 1 to 999 were downloaded; the records above 999 were not downloaded.</source>
            <translation>测距仪中有 %1 条记录。已下载第 1 到 999 条；999 以后的记录未下载。</translation>
        </message>
        <message>
            <source>No Record Found!</source>
            <translation>未找到记录！</translation>
        </message>
        <message>
            <source>The meter did not answer the request for its record count; nothing was downloaded.</source>
            <translation>测距仪没有应答记录数量的请求；未下载任何内容。</translation>
        </message>
        <message>
            <source>Download cancelled: %1 of %2 records stored.</source>
            <translation>下载已取消：已保存 %1 条记录（共 %2 条）。</translation>
        </message>
        <message>
            <source>The meter was disconnected during the download: %1 of %2 records were stored.</source>
            <translation>下载期间测距仪被断开：已保存 %1 条记录（共 %2 条）。</translation>
        </message>
        <message>
            <source>These records were not stored: %1.</source>
            <translation>以下记录未保存：%1。</translation>
        </message>
        <message>
            <source>These records could not be read from the meter and were not stored: %1.</source>
            <translation>以下记录无法从测距仪读取，未保存：%1。</translation>
        </message>
    </context>
    <context>
        <name>ExportDialog</name>
        <message>
            <source>&amp;Units:</source>
            <translation>单位(&amp;U):</translation>
        </message>
        <message>
            <source>Units</source>
            <translation>单位</translation>
        </message>
    </context>
    <context>
        <name>ExportError</name>
        <message>
            <source>cannot write %1: %2</source>
            <translation>无法写入 %1：%2</translation>
        </message>
        <message>
            <source>it is the record database</source>
            <translation>它是记录数据库</translation>
        </message>
        <message>
            <source>%1 is the record database</source>
            <translation>%1 是记录数据库</translation>
        </message>
        <message>
            <source>no file is named to write to</source>
            <translation>未指定要写入的文件</translation>
        </message>
        <message>
            <source>it is a folder</source>
            <translation>它是一个文件夹</translation>
        </message>
        <message>
            <source>it is not a regular file (a device or a pipe), and is never replaced by one</source>
            <translation>它不是普通文件（而是设备或管道），绝不会被文件替换</translation>
        </message>
        <message>
            <source>There are no records to export.</source>
            <translation>没有可导出的记录。</translation>
        </message>
        <message>
            <source>%1 records are more than an Excel 97-2003 (.XLS) file holds (%2); export them as an Excel workbook (.xlsx) or as CSV instead</source>
            <translation>%1 条记录超过了 Excel 97-2003（.XLS）文件的容量（%2）；请改为导出为 Excel 工作簿（.xlsx）或 CSV</translation>
        </message>
        <message>
            <source>An Excel 97-2003 (.XLS) file holds the values as measured; export them as an Excel workbook (.xlsx) or as CSV to have them in %1 units</source>
            <translation>Excel 97-2003（.XLS）文件只保存测量时的原始值；要得到 %1 单位的值，请导出为 Excel 工作簿（.xlsx）或 CSV</translation>
        </message>
    </context>
    <context>
        <name>ExportFilters</name>
        <message>
            <source>Excel 97-2003 (*.XLS)</source>
            <translation>Excel 97-2003 工作簿 (*.XLS)</translation>
        </message>
        <message>
            <source>Excel workbook (*.xlsx)</source>
            <translation>Excel 工作簿 (*.xlsx)</translation>
        </message>
        <message>
            <source>CSV, UTF-8 (*.csv)</source>
            <translation>CSV 文件，UTF-8 (*.csv)</translation>
        </message>
    </context>
    <context>
        <name>FileError</name>
        <message>
            <source>cannot write %1: %2</source>
            <translation>无法写入 %1：%2</translation>
        </message>
        <message>
            <source>it is larger than %1 bytes</source>
            <translation>它大于 %1 字节</translation>
        </message>
        <message>
            <source>cannot read %1: %2</source>
            <translation>无法读取 %1：%2</translation>
        </message>
        <message>
            <source>it is a folder</source>
            <translation>它是一个文件夹</translation>
        </message>
        <message>
            <source>it is not a regular file (a device, a pipe or a socket)</source>
            <translation>它不是普通文件（而是设备、管道或套接字）</translation>
        </message>
    </context>
    <context>
        <name>HistoryRefusal</name>
        <message>
            <source>There is no download %1.</source>
            <translation>没有下载 %1。</translation>
        </message>
        <message>
            <source>Download %1 is of no known meter model (it was imported from an older version or made by another program); its records cannot be decoded again.</source>
            <translation>下载 %1 不属于任何已知的测距仪型号（它是从旧版本导入的或由其他程序生成的）；其记录无法重新解码。</translation>
        </message>
    </context>
    <context>
        <name>InstanceClient</name>
        <message>
            <source>RangeDesk is not running</source>
            <translation>RangeDesk 没有运行</translation>
        </message>
        <message>
            <source>RangeDesk did not answer in time (%1)</source>
            <translation>RangeDesk 未及时应答（%1）</translation>
        </message>
    </context>
    <context>
        <name>JobPrompts</name>
        <message>
            <source>New job</source>
            <translation>新建项目</translation>
        </message>
        <message>
            <source>Job %1</source>
            <translation>项目 %1</translation>
        </message>
    </context>
    <context>
        <name>JobRefusal</name>
        <message>
            <source>there is a job "%1" already</source>
            <translation>已有项目“%1”</translation>
        </message>
        <message>
            <source>there is no job %1</source>
            <translation>没有项目 %1</translation>
        </message>
        <message>
            <source>there is no download %1</source>
            <translation>没有下载 %1</translation>
        </message>
        <message>
            <source>there is no reading %1</source>
            <translation>没有读数 %1</translation>
        </message>
        <message>
            <source>there is no record %1 in download %2</source>
            <translation>下载 %2 中没有记录 %1</translation>
        </message>
        <message>
            <source>a client has at most %1 characters; this one has %2</source>
            <translation>客户最多 %1 个字符；此处有 %2 个</translation>
        </message>
        <message>
            <source>a address has at most %1 characters; this one has %2</source>
            <translation>地址最多 %1 个字符；此处有 %2 个</translation>
        </message>
        <message>
            <source>a job's notes has at most %1 characters; this one has %2</source>
            <translation>项目备注最多 %1 个字符；此处有 %2 个</translation>
        </message>
        <message>
            <source>a label has at most %1 characters; this one has %2</source>
            <translation>标签最多 %1 个字符；此处有 %2 个</translation>
        </message>
        <message>
            <source>a note has at most %1 characters; this one has %2</source>
            <translation>备注最多 %1 个字符；此处有 %2 个</translation>
        </message>
        <message>
            <source>a job needs a name that is not empty or only blanks</source>
            <translation>项目需要一个非空且不只含空白的名称</translation>
        </message>
        <message>
            <source>a job name has at most %1 characters; this one has %2</source>
            <translation>项目名称最多 %1 个字符；此名称有 %2 个</translation>
        </message>
        <message>
            <source>a job name may not hold control characters (tabs, line breaks...)</source>
            <translation>项目名称不能包含控制字符（制表符、换行符等）</translation>
        </message>
    </context>
    <context>
        <name>MeterLink</name>
        <message>
            <source>A meter was found at %1, but it cannot be opened for reading and writing: this user has no access to its device node.</source>
            <translation>在 %1 找到了测距仪，但无法以读写方式打开：当前用户无权访问其设备节点。</translation>
        </message>
        <message>
            <source>Install the udev rule 70-rangedesk.rules (see "Letting your user open the meter" in /usr/share/doc/rangedesk/README.md, or man rangedesk), then plug the meter in again.</source>
            <translation>请安装 udev 规则 70-rangedesk.rules（见 /usr/share/doc/rangedesk/README.md 中的“Letting your user open the meter”，或 man rangedesk），然后重新插入测距仪。</translation>
        </message>
        <message>
            <source>%1  Instructions sent successfully</source>
            <translation>%1  指令发送成功</translation>
        </message>
        <message>
            <source>%1  No record</source>
            <translation>%1  没有记录</translation>
        </message>
        <message>
            <source>%1  No reply</source>
            <translation>%1  没有应答</translation>
        </message>
        <message>
            <source>%1  Instructions sent failure</source>
            <translation>%1  指令发送失败</translation>
        </message>
        <message>
            <source>the meter's reply failed its echo check</source>
            <translation>测距仪的应答未通过回显校验</translation>
        </message>
        <message>
            <source>the meter's reply failed its checksum check</source>
            <translation>测距仪的应答未通过校验和校验</translation>
        </message>
        <message>
            <source>the meter's reply failed its # check</source>
            <translation>测距仪的应答未通过 # 校验</translation>
        </message>
        <message>
            <source>the meter's reply failed its length check</source>
            <translation>测距仪的应答未通过长度校验</translation>
        </message>
        <message>
            <source>the meter's reply failed its %1 check</source>
            <translation>测距仪的应答未通过 %1 校验</translation>
        </message>
        <message>
            <source>the command could not be sent: %1</source>
            <translation>无法发送指令：%1</translation>
        </message>
        <message>
            <source>the meter is not connected</source>
            <translation>测距仪未连接</translation>
        </message>
        <message>
            <source>another command was waiting for its reply</source>
            <translation>另一条指令正在等待应答</translation>
        </message>
        <message>
            <source>the meter did not answer</source>
            <translation>测距仪没有应答</translation>
        </message>
    </context>
    <context>
        <name>ReportError</name>
        <message>
            <source>the report reads the connection %1, not %2</source>
            <translation>报表读取的连接是 %1，而不是 %2</translation>
        </message>
        <message>
            <source>no field %1 in the data</source>
            <translation>数据中没有字段 %1</translation>
        </message>
        <message>
            <source>no field %1 to group by</source>
            <translation>没有可用于分组的字段 %1</translation>
        </message>
        <message>
            <source>The printer cannot be started</source>
            <translation>无法启动打印机</translation>
        </message>
        <message>
            <source>page %1 landscape with margins of %2 mm at the top and %3 mm at the bottom</source>
            <translation>%1 横向页面，上边距 %2 毫米，下边距 %3 毫米</translation>
        </message>
        <message>
            <source>page %1 portrait with margins of %2 mm at the top and %3 mm at the bottom</source>
            <translation>%1 纵向页面，上边距 %2 毫米，下边距 %3 毫米</translation>
        </message>
        <message>
            <source>Report definition %1, %2</source>
            <translation>报表定义 %1：%2</translation>
        </message>
        <message>
            <source>the margins do not fit on the %1</source>
            <translation>边距放不进%1</translation>
        </message>
        <message>
            <source>the %1 leaves no room for the title, the column headings and one row</source>
            <translation>%1没有空间容纳标题、列标题和一行内容</translation>
        </message>
        <message>
            <source>Have No Data in Database,Can not to Print!</source>
            <translation>数据库中没有数据，无法打印！</translation>
        </message>
        <message>
            <source>Cannot open the report definition %1: %2</source>
            <translation>无法打开报表定义 %1：%2</translation>
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
            <translation>保存 PDF</translation>
        </message>
        <message>
            <source>Could not save the report as %1: %2</source>
            <translation>无法将报告保存为 %1：%2</translation>
        </message>
        <message>
            <source>Report of job "%1"</source>
            <translation>项目“%1”的报告</translation>
        </message>
        <message>
            <source>Save PDF...</source>
            <translation>保存 PDF...</translation>
        </message>
    </context>
    <context>
        <name>ReportSettings</name>
        <message>
            <source>cannot write the settings %1: it cannot be written</source>
            <translation>无法写入设置 %1：该文件不可写</translation>
        </message>
        <message>
            <source>cannot write the settings %1: it is not a settings file</source>
            <translation>无法写入设置 %1：它不是设置文件</translation>
        </message>
    </context>
    <context>
        <name>Screenshots</name>
        <message>
            <source>Export to Excel</source>
            <translation>导出到 Excel</translation>
        </message>
    </context>
    <context>
        <name>StoreError</name>
        <message>
            <source>its folder cannot be written: %1</source>
            <translation>其所在文件夹不可写：%1</translation>
        </message>
        <message>
            <source>the folder %1 cannot be made: %2</source>
            <translation>无法创建文件夹 %1：%2</translation>
        </message>
        <message>
            <source>HOME is not set to an absolute folder, so there is no folder for it</source>
            <translation>HOME 没有设为绝对路径的文件夹，因此没有存放它的文件夹</translation>
        </message>
        <message>
            <source>the template %1 is not a RangeDesk database: %2</source>
            <translation>模板 %1 不是 RangeDesk 数据库：%2</translation>
        </message>
        <message>
            <source>it is a folder</source>
            <translation>它是一个文件夹</translation>
        </message>
        <message>
            <source>it is not a regular file</source>
            <translation>它不是普通文件</translation>
        </message>
        <message>
            <source>file is not a database</source>
            <translation>该文件不是数据库</translation>
        </message>
        <message>
            <source>its layout is version %1, this program knows version %2. It is left as it is; install the newer RangeDesk to use it.</source>
            <translation>其结构为版本 %1，本程序只认识版本 %2。文件保持不变；请安装较新的 RangeDesk 来使用它。</translation>
        </message>
        <message>
            <source>the record was removed from the database</source>
            <translation>该记录已从数据库中删除</translation>
        </message>
        <message>
            <source>its layout is version %1, this program knows version %2</source>
            <translation>其结构为版本 %1，本程序只认识版本 %2</translation>
        </message>
        <message>
            <source>its layout is version %1, this program knows version %2; install the newer RangeDesk to read its history.</source>
            <translation>其结构为版本 %1，本程序只认识版本 %2；请安装较新的 RangeDesk 来读取其历史。</translation>
        </message>
        <message>
            <source>cannot open %1: %2</source>
            <translation>无法打开 %1：%2</translation>
        </message>
        <message>
            <source>cannot read %1: %2</source>
            <translation>无法读取 %1：%2</translation>
        </message>
        <message>
            <source>cannot write %1: %2</source>
            <translation>无法写入 %1：%2</translation>
        </message>
        <message>
            <source>cannot make the user's database %1: %2</source>
            <translation>无法创建用户的数据库 %1：%2</translation>
        </message>
        <message>
            <source>cannot use %1: %2</source>
            <translation>无法使用 %1：%2</translation>
        </message>
        <message>
            <source>cannot open: %1</source>
            <translation>无法打开：%1</translation>
        </message>
        <message>
            <source>cannot read: %1</source>
            <translation>无法读取：%1</translation>
        </message>
        <message>
            <source>cannot write: %1</source>
            <translation>无法写入：%1</translation>
        </message>
        <message>
            <source>cannot make the user's database: %1</source>
            <translation>无法创建用户的数据库：%1</translation>
        </message>
        <message>
            <source>cannot use: %1</source>
            <translation>无法使用：%1</translation>
        </message>
        <message>
            <source>%1 was written by a newer RangeDesk: %2</source>
            <translation>%1 由较新版本的 RangeDesk 写入：%2</translation>
        </message>
    </context>
    <context>
        <name>TeamConflict</name>
        <message>
            <source>an unknown time</source>
            <translation>未知时间</translation>
        </message>
        <message>
            <source>the download of %1</source>
            <translation>%1 的下载</translation>
        </message>
        <message>
            <source>a download</source>
            <translation>某次下载</translation>
        </message>
        <message>
            <source>Job "%1"</source>
            <translation>项目“%1”</translation>
        </message>
        <message>
            <source>The job of %1</source>
            <translation>%1的项目</translation>
        </message>
        <message>
            <source>Record %1 of %2</source>
            <translation>%2的记录 %1</translation>
        </message>
        <message>
            <source>The reading %1 of %2</source>
            <translation>%2 的读数 %1</translation>
        </message>
        <message>
            <source>%1: changed by %2 at %3; the edit made here was replaced.</source>
            <translation>%1：已由 %2 于 %3 修改；此处所做的修改已被替换。</translation>
        </message>
    </context>
    <context>
        <name>TeamError</name>
        <message>
            <source>not a server address</source>
            <translation>不是服务器地址</translation>
        </message>
        <message>
            <source>the PostgreSQL driver of Qt is not installed (sudo apt install libqt6sql6-psql)</source>
            <translation>未安装 Qt 的 PostgreSQL 驱动（sudo apt install libqt6sql6-psql）</translation>
        </message>
        <message>
            <source>wrong or missing password</source>
            <translation>密码错误或缺失</translation>
        </message>
        <message>
            <source>unknown host</source>
            <translation>未知主机</translation>
        </message>
        <message>
            <source>not reachable</source>
            <translation>无法连接</translation>
        </message>
        <message>
            <source>TLS refused</source>
            <translation>TLS 被拒绝</translation>
        </message>
        <message>
            <source>not a RangeDesk team server (an administrator runs rangedesk-cli team init)</source>
            <translation>不是 RangeDesk 团队服务器（需由管理员运行 rangedesk-cli team init）</translation>
        </message>
        <message>
            <source>its schema is newer than this RangeDesk knows; working read-only</source>
            <translation>其架构比本 RangeDesk 认识的更新；以只读方式工作</translation>
        </message>
        <message>
            <source>its schema is older than this RangeDesk needs (an administrator runs rangedesk-cli team init to upgrade it)</source>
            <translation>其架构比本 RangeDesk 所需的更旧（需由管理员运行 rangedesk-cli team init 进行升级）</translation>
        </message>
        <message>
            <source>no rights</source>
            <translation>没有权限</translation>
        </message>
        <message>
            <source>failed</source>
            <translation>失败</translation>
        </message>
        <message>
            <source>team server %1: %2</source>
            <translation>团队服务器 %1：%2</translation>
        </message>
        <message>
            <source>team server %1: %2 (%3)</source>
            <translation>团队服务器 %1：%2（%3）</translation>
        </message>
        <message>
            <source>database has no rangedesk.schema_version table</source>
            <translation>数据库中没有 rangedesk.schema_version 表</translation>
        </message>
        <message>
            <source>schema %1, this RangeDesk needs %2</source>
            <translation>架构 %1，本 RangeDesk 需要 %2</translation>
        </message>
        <message>
            <source>the role %1 is not a member of %2; an administrator runs: GRANT %2 TO %1</source>
            <translation>角色 %1 不是 %2 的成员；需由管理员运行：GRANT %2 TO %1</translation>
        </message>
        <message>
            <source>a schema rangedesk exists without a version table</source>
            <translation>存在 rangedesk 架构但没有版本表</translation>
        </message>
        <message>
            <source>schema %1, this RangeDesk knows %2</source>
            <translation>架构 %1，本 RangeDesk 认识 %2</translation>
        </message>
        <message>
            <source>team server %1: connected, schema version %2</source>
            <translation>团队服务器 %1：已连接，架构版本 %2</translation>
        </message>
        <message>
            <source>Qt's PostgreSQL driver is not installed, so no team server can be reached. Install it with: sudo apt install libqt6sql6-psql</source>
            <translation>未安装 Qt 的 PostgreSQL 驱动，因此无法连接任何团队服务器。请用以下命令安装：sudo apt install libqt6sql6-psql</translation>
        </message>
    </context>
    <context>
        <name>TeamStatus</name>
        <message>
            <source>Team: up to date</source>
            <translation>团队：已同步</translation>
        </message>
        <message>
            <source>Team: %1 waiting</source>
            <translation>团队：%1 项等待中</translation>
        </message>
        <message>
            <source>Team: offline (%1)</source>
            <translation>团队：离线（%1）</translation>
        </message>
    </context>
    <context>
        <name>Totals</name>
        <message>
            <source>Length</source>
            <translation>长度</translation>
        </message>
        <message>
            <source>Area</source>
            <translation>面积</translation>
        </message>
        <message>
            <source>Volume</source>
            <translation>体积</translation>
        </message>
        <message>
            <source>No length, area or volume to total.</source>
            <translation>没有可合计的长度、面积或体积。</translation>
        </message>
        <message>
            <source>%1: %2 (records: %3)</source>
            <translation>%1：%2（记录：%3）</translation>
        </message>
        <message>
            <source>%1: %2 (records: %3; in other units, left out: %4)</source>
            <translation>%1：%2（记录：%3；其他单位，未计入：%4）</translation>
        </message>
    </context>
    <context>
        <name>Typing</name>
        <message>
            <source>cannot put "%1" on the clipboard: this process has no graphical session (no QGuiApplication)</source>
            <translation>无法将“%1”放到剪贴板：此进程没有图形会话（没有 QGuiApplication）</translation>
        </message>
        <message>
            <source>put "%1" on the clipboard and showed a notification</source>
            <translation>已将“%1”放到剪贴板并显示了通知</translation>
        </message>
        <message>
            <source>put "%1" on the clipboard; %2</source>
            <translation>已将“%1”放到剪贴板；%2</translation>
        </message>
        <message>
            <source>notification through %1 failed: %2</source>
            <translation>通过 %1 发送通知失败：%2</translation>
        </message>
        <message>
            <source>%1 failed (%2); %3: %4</source>
            <translation>%1 失败（%2）；%3：%4</translation>
        </message>
        <message>
            <source>the portal did not answer %1 within %2 s</source>
            <translation>门户未在 %2 秒内应答 %1</translation>
        </message>
        <message>
            <source>the user declined keyboard control in the portal's dialog</source>
            <translation>用户在门户对话框中拒绝了键盘控制</translation>
        </message>
        <message>
            <source>the portal ended %1</source>
            <translation>门户结束了 %1</translation>
        </message>
        <message>
            <source>the portal started a session without the keyboard</source>
            <translation>门户启动的会话不含键盘</translation>
        </message>
        <message>
            <source>the portal refused a key: %1</source>
            <translation>门户拒绝了一个按键：%1</translation>
        </message>
        <message>
            <source>cannot connect to the Wayland display "%1": %2</source>
            <translation>无法连接到 Wayland 显示“%1”：%2</translation>
        </message>
        <message>
            <source>the Wayland compositor on "%1" offers no virtual keyboard (zwp_virtual_keyboard_manager_v1) or no seat</source>
            <translation>“%1”上的 Wayland 合成器不提供虚拟键盘（zwp_virtual_keyboard_manager_v1）或没有 seat</translation>
        </message>
        <message>
            <source>cannot make the keymap file (memfd_create): %1</source>
            <translation>无法创建键盘映射文件（memfd_create）：%1</translation>
        </message>
        <message>
            <source>the Wayland compositor on "%1" refused the virtual keyboard: %2</source>
            <translation>“%1”上的 Wayland 合成器拒绝了虚拟键盘：%2</translation>
        </message>
        <message>
            <source>no keysym for the character U+%1</source>
            <translation>字符 U+%1 没有对应的 keysym</translation>
        </message>
        <message>
            <source>the keyboard map has no key for "%1" and no spare keycode left to lend it</source>
            <translation>键盘映射中没有“%1”对应的键，也没有可借用的空闲键码</translation>
        </message>
        <message>
            <source>cannot open the X display "%1"</source>
            <translation>无法打开 X 显示“%1”</translation>
        </message>
        <message>
            <source>the X display "%1" has no XTEST extension</source>
            <translation>X 显示“%1”没有 XTEST 扩展</translation>
        </message>
        <message>
            <source>the X display "%1" has no usable XKB extension</source>
            <translation>X 显示“%1”没有可用的 XKB 扩展</translation>
        </message>
        <message>
            <source>cannot read the keyboard map of the X display "%1"</source>
            <translation>无法读取 X 显示“%1”的键盘映射</translation>
        </message>
        <message>
            <source>cannot lend a spare keycode on "%1": %2</source>
            <translation>无法在“%1”上借用空闲键码：%2</translation>
        </message>
        <message>
            <source>XTEST on "%1" failed: %2</source>
            <translation>“%1”上的 XTEST 失败：%2</translation>
        </message>
    </context>
    <context>
        <name>TypingTemplate</name>
        <message>
            <source>Typing template "%1": a "}" at position %2 closes no field (write "}}" for a brace)</source>
            <translation>输入模板“%1”：位置 %2 的“}”没有对应的字段（要输入括号请写“}}”）</translation>
        </message>
        <message>
            <source>Typing template "%1": the "{" at position %2 is not closed; the fields are %3</source>
            <translation>输入模板“%1”：位置 %2 的“{”没有闭合；可用字段为 %3</translation>
        </message>
        <message>
            <source>Typing template "%1": unknown field {%2}; the fields are %3</source>
            <translation>输入模板“%1”：未知字段 {%2}；可用字段为 %3</translation>
        </message>
    </context>
    <context>
        <name>UnitChoice</name>
        <message>
            <source>As measured</source>
            <translation>按测量单位</translation>
        </message>
        <message>
            <source>Metric</source>
            <translation>公制</translation>
        </message>
        <message>
            <source>Imperial</source>
            <translation>英制</translation>
        </message>
        <message>
            <source>1 value stayed text (no quantity in it).</source>
            <translation>1 个值保留为文本（其中没有数量）。</translation>
        </message>
        <message>
            <source>%1 values stayed text (no quantity in them).</source>
            <translation>%1 个值保留为文本（其中没有数量）。</translation>
        </message>
    </context>
    <context>
        <name>rangedesk::app::HistoryScope</name>
        <message>
            <source>This desk</source>
            <translation>本工作站</translation>
        </message>
        <message>
            <source>Team</source>
            <translation>团队</translation>
        </message>
        <message>
            <source>Downloads of</source>
            <translation>下载来源</translation>
        </message>
        <message>
            <source>Downloads of:</source>
            <translation>下载来源：</translation>
        </message>
        <message>
            <source>No team server is set: Settings &gt; Team server.</source>
            <translation>未设置团队服务器：设置 &gt; 团队服务器。</translation>
        </message>
    </context>
    <context>
        <name>rangedesk::app::JobChoice</name>
        <message>
            <source>Job</source>
            <translation>项目</translation>
        </message>
        <message>
            <source>No job</source>
            <translation>无项目</translation>
        </message>
        <message>
            <source>New job...</source>
            <translation>新建项目...</translation>
        </message>
        <message>
            <source>No job: downloads go into no job</source>
            <translation>无项目：下载不归入任何项目</translation>
        </message>
        <message>
            <source>Downloads go into the job %1</source>
            <translation>下载归入项目 %1</translation>
        </message>
    </context>
    <context>
        <name>rangedesk::app::LiveMeasurement</name>
        <message>
            <source>typing is refused while a download runs; try again when it has ended</source>
            <translation>下载期间拒绝输入；请在下载结束后重试</translation>
        </message>
        <message>
            <source>A reading was not typed: %1</source>
            <translation>读数未输入：%1</translation>
        </message>
        <message>
            <source>no meter is connected</source>
            <translation>未连接测距仪</translation>
        </message>
        <message>
            <source>no reading: %1</source>
            <translation>无读数：%1</translation>
        </message>
    </context>
    <context>
        <name>rangedesk::app::RangeDeskApplication</name>
        <message>
            <source>Unknown error</source>
            <translation>未知错误</translation>
        </message>
    </context>
    <context>
        <name>rangedesk::app::RecordGrid</name>
        <message>
            <source>Copy</source>
            <translation>复制</translation>
        </message>
    </context>
    <context>
        <name>rangedesk::app::RecordNavigator</name>
        <message>
            <source>First record</source>
            <translation>第一条记录</translation>
        </message>
        <message>
            <source>Prior record</source>
            <translation>上一条记录</translation>
        </message>
        <message>
            <source>Next record</source>
            <translation>下一条记录</translation>
        </message>
        <message>
            <source>Last record</source>
            <translation>最后一条记录</translation>
        </message>
    </context>
    <context>
        <name>rangedesk::app::StatusBar</name>
        <message>
            <source>Cancel</source>
            <translation>取消</translation>
        </message>
        <message>
            <source>Record %v of %m</source>
            <translation>第 %v 条，共 %m 条</translation>
        </message>
        <message>
            <source>Stop the download after the record in flight (Esc)</source>
            <translation>在当前记录之后停止下载 (Esc)</translation>
        </message>
    </context>
    <context>
        <name>rangedesk::app::TForm1</name>
        <message>
            <source>About</source>
            <translation>关于</translation>
        </message>
        <message>
            <source>Version: %1</source>
            <translation>版本：%1</translation>
        </message>
        <message>
            <source>Build %1</source>
            <translation>内部版本 %1</translation>
        </message>
        <message>
            <source>Database: %1</source>
            <translation>数据库：%1</translation>
        </message>
        <message>
            <source>Exit</source>
            <translation>退出</translation>
        </message>
    </context>
    <context>
        <name>rangedesk::app::THistoryForm</name>
        <message>
            <source>Only new</source>
            <translation>仅新记录</translation>
        </message>
        <message>
            <source>Show in main grid</source>
            <translation>在主表格中显示</translation>
        </message>
        <message>
            <source>Export...</source>
            <translation>导出...</translation>
        </message>
        <message>
            <source>Delete</source>
            <translation>删除</translation>
        </message>
        <message>
            <source>Assign to job...</source>
            <translation>归入项目...</translation>
        </message>
        <message>
            <source>New job...</source>
            <translation>新建项目...</translation>
        </message>
        <message>
            <source>Edit job...</source>
            <translation>编辑项目...</translation>
        </message>
        <message>
            <source>Export job...</source>
            <translation>导出项目...</translation>
        </message>
        <message>
            <source>Report...</source>
            <translation>报告...</translation>
        </message>
        <message>
            <source>RangeDesk - History of downloads</source>
            <translation>RangeDesk - 下载历史</translation>
        </message>
        <message>
            <source>Downloads</source>
            <translation>下载记录</translation>
        </message>
        <message>
            <source>Every download kept, with its job</source>
            <translation>保留的每次下载及其项目</translation>
        </message>
        <message>
            <source>Records of the selected download</source>
            <translation>所选下载的记录</translation>
        </message>
        <message>
            <source>Labels, notes and deductions are edited in place</source>
            <translation>标签、备注和扣减可直接编辑</translation>
        </message>
        <message>
            <source>Readings</source>
            <translation>读数</translation>
        </message>
        <message>
            <source>The readings taken live for the jobs listed</source>
            <translation>所列项目的实时读数</translation>
        </message>
        <message>
            <source>Show the downloads of</source>
            <translation>显示以下项目的下载</translation>
        </message>
        <message>
            <source>Search</source>
            <translation>搜索</translation>
        </message>
        <message>
            <source>Search jobs, clients, labels, notes and modes</source>
            <translation>搜索项目、客户、标签、备注和模式</translation>
        </message>
        <message>
            <source>Only the records that the previous download from this meter did not have</source>
            <translation>仅显示此测距仪上次下载中没有的记录</translation>
        </message>
        <message>
            <source>Put the selected download into a job, or into none</source>
            <translation>将所选下载归入某个项目或不归入项目</translation>
        </message>
        <message>
            <source>Rename the job and give its client, address and notes (the job the list shows, else that of the selected download)</source>
            <translation>重命名项目并填写客户、地址和备注（列表所示的项目，否则为所选下载的项目）</translation>
        </message>
        <message>
            <source>Job:</source>
            <translation>项目：</translation>
        </message>
        <message>
            <source>Search:</source>
            <translation>搜索：</translation>
        </message>
        <message>
            <source>Records</source>
            <translation>记录</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>关闭</translation>
        </message>
        <message>
            <source>All jobs</source>
            <translation>所有项目</translation>
        </message>
        <message>
            <source>No job</source>
            <translation>无项目</translation>
        </message>
        <message>
            <source>Readings (%1)</source>
            <translation>读数 (%1)</translation>
        </message>
        <message>
            <source>No download selected.</source>
            <translation>未选择下载。</translation>
        </message>
        <message>
            <source>New records of %1 found by "%2":</source>
            <translation>%1 中按“%2”找到的新记录：</translation>
        </message>
        <message>
            <source>Records of %1 found by "%2":</source>
            <translation>%1 中按“%2”找到的记录：</translation>
        </message>
        <message>
            <source>New records of %1:</source>
            <translation>%1 的新记录：</translation>
        </message>
        <message>
            <source>Records of %1:</source>
            <translation>%1 的记录：</translation>
        </message>
        <message>
            <source>Delete download</source>
            <translation>删除下载</translation>
        </message>
        <message>
            <source>Delete the download of %1 with its %2 records from the history?</source>
            <translation>从历史中删除 %1 的下载及其 %2 条记录？</translation>
        </message>
        <message>
            <source>The records in the main grid stay as they are.</source>
            <translation>主表格中的记录保持不变。</translation>
        </message>
        <message>
            <source>Assign to job</source>
            <translation>归入项目</translation>
        </message>
        <message>
            <source>%1 goes into:</source>
            <translation>%1 归入：</translation>
        </message>
        <message>
            <source>Report</source>
            <translation>报告</translation>
        </message>
        <message>
            <source>The job "%1" has no records to report.</source>
            <translation>项目“%1”没有可报告的记录。</translation>
        </message>
    </context>
    <context>
        <name>rangedesk::app::TJobDialog</name>
        <message>
            <source>Job name</source>
            <translation>项目名称</translation>
        </message>
        <message>
            <source>Client</source>
            <translation>客户</translation>
        </message>
        <message>
            <source>Address</source>
            <translation>地址</translation>
        </message>
        <message>
            <source>Notes</source>
            <translation>备注</translation>
        </message>
        <message>
            <source>&amp;Name:</source>
            <translation>名称(&amp;N)：</translation>
        </message>
        <message>
            <source>&amp;Client:</source>
            <translation>客户(&amp;C)：</translation>
        </message>
        <message>
            <source>&amp;Address:</source>
            <translation>地址(&amp;A)：</translation>
        </message>
        <message>
            <source>N&amp;otes:</source>
            <translation>备注(&amp;O)：</translation>
        </message>
    </context>
    <context>
        <name>rangedesk::app::TMainForm</name>
        <message>
            <source>Typing armed</source>
            <translation>输入已启用</translation>
        </message>
        <message>
            <source>The reading was not kept: %1</source>
            <translation>读数未保存：%1</translation>
        </message>
        <message>
            <source>Copy reading</source>
            <translation>复制读数</translation>
        </message>
        <message>
            <source>Read</source>
            <translation>测量</translation>
        </message>
        <message>
            <source>Clear</source>
            <translation>清除</translation>
        </message>
        <message>
            <source>Export Records</source>
            <translation>下载记录</translation>
        </message>
        <message>
            <source>Export to Excel</source>
            <translation>导出到 Excel</translation>
        </message>
        <message>
            <source>Print</source>
            <translation>打印</translation>
        </message>
        <message>
            <source>About</source>
            <translation>关于</translation>
        </message>
        <message>
            <source>Settings: how readings are typed into other applications</source>
            <translation>设置：如何将读数输入到其他应用程序</translation>
        </message>
        <message>
            <source>Type readings into the focused application</source>
            <translation>将读数输入到当前应用程序</translation>
        </message>
        <message>
            <source>History</source>
            <translation>历史</translation>
        </message>
        <message>
            <source>Every download kept, with the meter's own bytes (Ctrl+H)</source>
            <translation>保留的每次下载，含测距仪的原始字节 (Ctrl+H)</translation>
        </message>
        <message>
            <source>Download shown</source>
            <translation>显示的下载</translation>
        </message>
        <message>
            <source>Deduction</source>
            <translation>扣减</translation>
        </message>
        <message>
            <source>The record is an opening (a window, a door): it counts negative in totals</source>
            <translation>该记录为开口（窗、门）：在合计中按负值计算</translation>
        </message>
        <message>
            <source>Connected OK</source>
            <translation>已连接</translation>
        </message>
        <message>
            <source>Not connected</source>
            <translation>未连接</translation>
        </message>
        <message>
            <source>Export Data</source>
            <translation>导出数据</translation>
        </message>
        <message>
            <source>Query  Information</source>
            <translation>询问</translation>
        </message>
        <message>
            <source>%1  already exists!</source>
            <translation>%1  已存在！</translation>
        </message>
        <message>
            <source>Do you want to replace it?</source>
            <translation>是否替换该文件？</translation>
        </message>
        <message>
            <source>Could not export to %1: %2</source>
            <translation>无法导出到 %1：%2</translation>
        </message>
        <message>
            <source>Exported  %1  records total. </source>
            <translation>共导出  %1  条记录。</translation>
        </message>
        <message>
            <source>Print Error</source>
            <translation>打印错误</translation>
        </message>
        <message>
            <source>Print Preview</source>
            <translation>打印预览</translation>
        </message>
    </context>
    <context>
        <name>rangedesk::app::TSettingsForm</name>
        <message>
            <source>System</source>
            <translation>跟随系统</translation>
        </message>
        <message>
            <source>Language:</source>
            <translation>语言：</translation>
        </message>
        <message>
            <source>Takes effect when RangeDesk starts again.</source>
            <translation>重新启动 RangeDesk 后生效。</translation>
        </message>
        <message>
            <source>RangeDesk - Settings</source>
            <translation>RangeDesk - 设置</translation>
        </message>
        <message>
            <source>The value</source>
            <translation>数值</translation>
        </message>
        <message>
            <source>The value and its unit</source>
            <translation>数值和单位</translation>
        </message>
        <message>
            <source>then Tab</source>
            <translation>然后按 Tab</translation>
        </message>
        <message>
            <source>then Enter</source>
            <translation>然后按 Enter</translation>
        </message>
        <message>
            <source>then nothing</source>
            <translation>然后不按键</translation>
        </message>
        <message>
            <source>As the language sets it (%1)</source>
            <translation>按语言设置 (%1)</translation>
        </message>
        <message>
            <source>Always a point (.)</source>
            <translation>始终为小数点 (.)</translation>
        </message>
        <message>
            <source>What is typed</source>
            <translation>输入内容</translation>
        </message>
        <message>
            <source>After it</source>
            <translation>之后</translation>
        </message>
        <message>
            <source>Decimal separator</source>
            <translation>小数分隔符</translation>
        </message>
        <message>
            <source>Method on this desktop</source>
            <translation>本桌面的输入方式</translation>
        </message>
        <message>
            <source>Language</source>
            <translation>语言</translation>
        </message>
        <message>
            <source>Typing readings into the focused application</source>
            <translation>将读数输入到当前应用程序</translation>
        </message>
        <message>
            <source>What is typed:</source>
            <translation>输入内容：</translation>
        </message>
        <message>
            <source>After it:</source>
            <translation>之后：</translation>
        </message>
        <message>
            <source>Decimal separator:</source>
            <translation>小数分隔符：</translation>
        </message>
        <message>
            <source>Method on this desktop:</source>
            <translation>本桌面的输入方式：</translation>
        </message>
        <message>
            <source>Phone, e-mail</source>
            <translation>电话、电子邮件</translation>
        </message>
        <message>
            <source>Reports for clients</source>
            <translation>客户报告</translation>
        </message>
        <message>
            <source>Company name:</source>
            <translation>公司名称：</translation>
        </message>
        <message>
            <source>Contact line:</source>
            <translation>联系方式：</translation>
        </message>
        <message>
            <source>Company name</source>
            <translation>公司名称</translation>
        </message>
        <message>
            <source>Contact line</source>
            <translation>联系方式</translation>
        </message>
        <message>
            <source>Heads every report for a client</source>
            <translation>显示在每份客户报告的页眉</translation>
        </message>
    </context>
    <context>
        <name>rangedesk::app::TTotalsPanel</name>
        <message>
            <source>Totals in</source>
            <translation>合计单位</translation>
        </message>
        <message>
            <source>Totals in:</source>
            <translation>合计单位：</translation>
        </message>
        <message>
            <source>This download:</source>
            <translation>本次下载：</translation>
        </message>
        <message>
            <source>No download selected.</source>
            <translation>未选择下载。</translation>
        </message>
        <message>
            <source>Job "%1":</source>
            <translation>项目“%1”：</translation>
        </message>
    </context>
    <context>
        <name>rangedesk::app::TeamHistoryPanel</name>
        <message>
            <source>Show in main grid</source>
            <translation>在主表格中显示</translation>
        </message>
        <message>
            <source>Export...</source>
            <translation>导出...</translation>
        </message>
        <message>
            <source>Search job, client, mode, label, note</source>
            <translation>搜索项目、客户、模式、标签、备注</translation>
        </message>
        <message>
            <source>Search the team's downloads</source>
            <translation>搜索团队的下载</translation>
        </message>
        <message>
            <source>The team's downloads</source>
            <translation>团队的下载</translation>
        </message>
        <message>
            <source>Records of the selected download</source>
            <translation>所选下载的记录</translation>
        </message>
        <message>
            <source>The team's downloads, newest first:</source>
            <translation>团队的下载（最新的在前）：</translation>
        </message>
        <message>
            <source>The team server cannot be read now: %1</source>
            <translation>目前无法读取团队服务器：%1</translation>
        </message>
        <message>
            <source>Reading the records...</source>
            <translation>正在读取记录...</translation>
        </message>
        <message>
            <source>No download selected.</source>
            <translation>未选择下载。</translation>
        </message>
        <message>
            <source>Records of the download of %1 on %2 by %3:</source>
            <translation>%3 于 %1 在 %2 下载的记录：</translation>
        </message>
    </context>
    <context>
        <name>rangedesk::app::TeamServerSection</name>
        <message>
            <source>Team server</source>
            <translation>团队服务器</translation>
        </message>
        <message>
            <source>Check connection</source>
            <translation>检查连接</translation>
        </message>
        <message>
            <source>Disconnect</source>
            <translation>断开</translation>
        </message>
        <message>
            <source>postgresql://desk@db.example.com/rangedesk or a service name</source>
            <translation>postgresql://desk@db.example.com/rangedesk 或服务名称</translation>
        </message>
        <message>
            <source>Team server address</source>
            <translation>团队服务器地址</translation>
        </message>
        <message>
            <source>This desk's name</source>
            <translation>本工作站名称</translation>
        </message>
        <message>
            <source>kept in the desktop's keyring, never in a file</source>
            <translation>保存在桌面密钥环中，从不写入文件</translation>
        </message>
        <message>
            <source>Team server password</source>
            <translation>团队服务器密码</translation>
        </message>
        <message>
            <source>Server:</source>
            <translation>服务器：</translation>
        </message>
        <message>
            <source>This desk:</source>
            <translation>本工作站：</translation>
        </message>
        <message>
            <source>Password:</source>
            <translation>密码：</translation>
        </message>
        <message>
            <source>Type the server's address or service name first.</source>
            <translation>请先输入服务器地址或服务名称。</translation>
        </message>
        <message>
            <source>Connecting to %1...</source>
            <translation>正在连接 %1...</translation>
        </message>
        <message>
            <source>Disconnected from %1; this desk's work stays in its own database.</source>
            <translation>已断开与 %1 的连接；本工作站的数据仍保留在本地数据库中。</translation>
        </message>
        <message>
            <source>No team server is set.</source>
            <translation>未设置团队服务器。</translation>
        </message>
    </context>
    <context>
        <name>rangedesk::app::WindowTeam</name>
        <message>
            <source>Team: the keyring did not keep the password (%1); it is used until RangeDesk ends</source>
            <translation>团队：密钥环未能保存密码（%1）；在 RangeDesk 退出前仍使用该密码</translation>
        </message>
        <message>
            <source>An edit made on this desk was replaced by a later one of another desk:</source>
            <translation>本工作站的一处修改已被其他工作站更晚的修改取代：</translation>
        </message>
        <message>
            <source>%1 edits made on this desk were replaced by later ones of other desks:</source>
            <translation>本工作站的 %1 处修改已被其他工作站更晚的修改取代：</translation>
        </message>
    </context>
    <context>
        <name>rangedesk::desktop::InstanceService</name>
        <message>
            <source>RangeDesk did not finish the measurement within %1 s</source>
            <translation>RangeDesk 未在 %1 秒内完成测量</translation>
        </message>
        <message>
            <source>RangeDesk is closing</source>
            <translation>RangeDesk 正在关闭</translation>
        </message>
    </context>
</TS>
