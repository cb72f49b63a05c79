#!/usr/bin/python3
"""Prints an .xlsx workbook as an independent reader sees it, as JSON: the sheet names, the
title, the frozen cell, whether the header is bold, and every cell's value, type and format."""
import json, sys
import openpyxl

book = openpyxl.load_workbook(sys.argv[1])
sheet = book.worksheets[0]
cells = []
for row in sheet.iter_rows():
    cells.append([{"value": c.value, "type": type(c.value).__name__, "format": c.number_format}
                  for c in row])
print(json.dumps({
    "sheets": book.sheetnames,
    "title": book.properties.title,
    "created": book.properties.created is not None,
    "frozen": sheet.freeze_panes,
    "header_bold": all(c.font.b for c in sheet[1]),
    "widths": [sheet.column_dimensions[chr(65 + i)].width for i in range(sheet.max_column)],
    "cells": cells,
}, ensure_ascii=False))
