#!/usr/bin/python3
"""Reads the totals block of an exported workbook as openpyxl sees it, as JSON: {"length":
[records, value], ...} from the cached values. With a second argument, also saves a copy there
that keeps the formulas but drops every cached value, so a reader has to compute them."""
import json, sys
import openpyxl

book = openpyxl.load_workbook(sys.argv[1], data_only=True)
rows = list(book.worksheets[0].iter_rows(values_only=True))
result = rows[0].index("RESULT")
totals = {}
for row in rows:
    if isinstance(row[0], str) and row[0].startswith("Total "):
        totals[row[0][len("Total "):]] = [row[1], row[result]]
if len(sys.argv) > 2:
    openpyxl.load_workbook(sys.argv[1]).save(sys.argv[2])
print(json.dumps(totals))
