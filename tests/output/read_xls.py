# Prints every cell of a spreadsheet file as "row<TAB>col<TAB>value", as a real reader sees it.
import sys
import xlrd

book = xlrd.open_workbook(sys.argv[1])
sheet = book.sheet_by_index(0)
out = []
for r in range(sheet.nrows):
    for c in range(sheet.ncols):
        cell = sheet.cell(r, c)
        if cell.ctype != xlrd.XL_CELL_EMPTY:
            out.append('%d\t%d\t%s' % (r, c, cell.value))
sys.stdout.buffer.write(('\n'.join(out) + '\n').encode('utf-8'))
