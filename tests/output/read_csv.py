#!/usr/bin/python3
"""Reads a CSV file with Python's csv module and prints, as JSON, whether it starts with a
byte-order mark, whether every line ends in CRLF, and its rows. argv: FILE DELIMITER."""
import csv, json, sys

raw = open(sys.argv[1], 'rb').read()
body = raw[3:] if raw.startswith(b'\xef\xbb\xbf') else raw
lines = body.split(b'\n')
with open(sys.argv[1], newline='', encoding='utf-8-sig') as f:
    rows = list(csv.reader(f, delimiter=sys.argv[2], strict=True))
print(json.dumps({  # records end in CRLF; a line break inside a quoted field stays LF
    "bom": raw.startswith(b'\xef\xbb\xbf'),
    "crlf": body.endswith(b'\r\n') and body.count(b'\r\n') == len(rows),
    "rows": rows,
}, ensure_ascii=False))
