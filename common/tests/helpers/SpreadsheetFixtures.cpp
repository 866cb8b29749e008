#include "helpers/SpreadsheetFixtures.h"

namespace {
// The same sheet written by xlwt (.xls) and openpyxl (.xlsx), with a gap after row 2, plus a
// sheet with the header only and an empty one.
const char *typedSheetScript = R"(
import datetime, os, sys, openpyxl, xlwt
folder = sys.argv[1]
header = ['名称', '金额', '账号', '日期', '时间', '是否', '备注']
values = ['00123', 1234567.89, 6222021234567890, datetime.date(2024, 3, 5),
          datetime.datetime(2024, 3, 5, 13, 45, 30), True, '第一行\n第二行']

book = openpyxl.Workbook()
sheet = book.active
sheet.title = '单据'
sheet.append(header)
sheet.append(values)
sheet['A5'] = '隔行'
sheet['H5'] = '#DIV/0!'
book.create_sheet('只有表头').append(['甲', '乙'])
book.create_sheet('Empty')
book.save(os.path.join(folder, 'typed.xlsx'))

book = xlwt.Workbook(encoding='utf-8')
sheet = book.add_sheet('单据')
formats = {3: xlwt.easyxf(num_format_str='yyyy-mm-dd'), 4: xlwt.easyxf(num_format_str='yyyy-mm-dd hh:mm:ss')}
for column, (label, value) in enumerate(zip(header, values)):
    sheet.write(0, column, label)
    if column in formats:
        sheet.write(1, column, value, formats[column])
    else:
        sheet.write(1, column, value)
sheet.write(4, 0, '隔行')
short = book.add_sheet('只有表头')
short.write(0, 0, '甲')
short.write(0, 1, '乙')
book.add_sheet('Empty')
book.save(os.path.join(folder, 'typed.xls'))
)";

// A package written by hand: the workbook part found only through the relationships, 1904
// dates, custom and built-in number formats, inline strings, rich text with a phonetic run,
// escaped characters, cached formula values, cells and rows without a reference.
const char *handWrittenPackageScript = R"(
import sys, zipfile
parts = {
'[Content_Types].xml': '<?xml version="1.0"?><Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types"/>',
'_rels/.rels': '<?xml version="1.0"?><Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">'
  '<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="book/main.xml"/>'
  '</Relationships>',
'book/_rels/main.xml.rels': '<?xml version="1.0"?><Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">'
  '<Relationship Id="s" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/sharedStrings" Target="strings.xml"/>'
  '<Relationship Id="y" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles" Target="/book/styles.xml"/>'
  '<Relationship Id="w2" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet" Target="sheets/b.xml"/>'
  '<Relationship Id="w1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet" Target="sheets/a.xml"/>'
  '</Relationships>',
'book/main.xml': '<?xml version="1.0"?><workbook xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"'
  ' xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships"><workbookPr date1904="1"/>'
  '<sheets><sheet name="第一" sheetId="7" r:id="w1"/><sheet name="Zweite" sheetId="3" r:id="w2"/></sheets></workbook>',
'book/strings.xml': '<?xml version="1.0"?><sst xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">'
  '<si><t>plain</t></si>'
  '<si><r><t>富</t></r><r><rPr><b/></rPr><t xml:space="preserve"> 文本</t></r><rPh sb="0" eb="1"><t>ふ</t></rPh></si>'
  '<si><t>line_x000D_\nnext_x005F_x0041_</t></si></sst>',
'book/styles.xml': '<?xml version="1.0"?><styleSheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">'
  '<numFmts><numFmt numFmtId="164" formatCode="yyyy&quot;年&quot;m&quot;月&quot;d&quot;日&quot;"/>'
  '<numFmt numFmtId="165" formatCode="0.00&quot;d&quot;"/><numFmt numFmtId="166" formatCode="[Red]0.00;[Blue]-0.00"/>'
  '<numFmt numFmtId="167" formatCode="h:mm"/></numFmts>'
  '<cellStyleXfs><xf numFmtId="14"/></cellStyleXfs>'
  '<cellXfs><xf numFmtId="0"/><xf numFmtId="164"/><xf numFmtId="165"/><xf numFmtId="166"/><xf numFmtId="167"/>'
  '<xf numFmtId="14"/><xf numFmtId="31"/></cellXfs></styleSheet>',
'book/sheets/a.xml': '<?xml version="1.0"?><worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><sheetData>'
  '<row r="1"><c r="A1" t="s"><v>0</v></c><c r="B1" t="s"><v>1</v></c><c t="inlineStr"><is><r><t>in</t></r><r><t>line</t></r></is></c></row>'
  '<row r="3"><c r="A3" t="str"><f>A1&amp;"x"</f><v>plainx</v></c><c r="B3"><f>1+1</f><v>2</v></c>'
  '<c r="C3" t="b"><v>0</v></c><c r="D3" t="e"><v>#N/A</v></c><c r="E3" t="s"><v>2</v></c></row>'
  '<row><c s="1"><v>0</v></c><c s="2"><v>5</v></c><c s="3"><v>-1.5</v></c><c s="4"><v>0.75</v></c>'
  '<c s="5"><v>43529</v></c><c s="6"><v>1</v></c><c r="G4" s="1"><f>NOW()</f></c><c r="H4" s="3"/></row>'
  '</sheetData></worksheet>',
'book/sheets/b.xml': '<?xml version="1.0"?><worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><sheetData>'
  '<row r="2"><c r="C2"><v>1E+15</v></c></row></sheetData></worksheet>',
}
with zipfile.ZipFile(sys.argv[1], 'w', zipfile.ZIP_DEFLATED) as z:
    for name, text in parts.items():
        z.writestr(name, text)
)";


const char *openpyxlReaderScript = R"(
import datetime, json, sys, openpyxl
book = openpyxl.load_workbook(sys.argv[1])
sheet = book.worksheets[0]
def cell(c):
    value = c.value
    if isinstance(value, (datetime.datetime, datetime.date, datetime.time)):
        value = value.isoformat()
    return {'value': value, 'type': c.data_type, 'format': c.number_format, 'wrap': bool(c.alignment.wrap_text)}
print(json.dumps({'sheets': book.sheetnames, 'maxRow': sheet.max_row,
                  'rows': [[cell(c) for c in row] for row in sheet.iter_rows()]}))
)";

// One sheet from JSON rows: strings, numbers, null for an empty cell, {"date": "yyyy-mm-dd"}.
// xlwt for a path ending in .xls, openpyxl otherwise.
const char *sheetFromRowsScript = R"(
import datetime, json, sys
path, name, rows = sys.argv[1], sys.argv[2], json.loads(sys.argv[3])
def value(v):
    if isinstance(v, dict):
        return datetime.date.fromisoformat(v['date'])
    return v
if path.endswith('.xls'):
    import xlwt
    book = xlwt.Workbook(encoding='utf-8')
    sheet = book.add_sheet(name)
    dates = xlwt.easyxf(num_format_str='yyyy-mm-dd')
    for r, row in enumerate(rows):
        for c, v in enumerate(row):
            if v is None:
                continue
            v = value(v)
            if isinstance(v, datetime.date):
                sheet.write(r, c, v, dates)
            else:
                sheet.write(r, c, v)
    book.save(path)
else:
    import openpyxl
    book = openpyxl.Workbook()
    sheet = book.active
    sheet.title = name
    for r, row in enumerate(rows):
        for c, v in enumerate(row):
            if v is not None:
                sheet.cell(row=r + 1, column=c + 1, value=value(v))
    book.save(path)
)";
} // namespace

ToolRun MakeSheetFromRows(const QString &path, const QString &sheetName, const QString &rowsJson)
{
    return runPython(QString::fromUtf8(sheetFromRowsScript), {path, sheetName, rowsJson});
}

ToolRun MakeTypedSheetFixtures(const QString &folder)
{
    return runPython(QString::fromUtf8(typedSheetScript), {folder});
}

ToolRun MakeHandWrittenPackage(const QString &path)
{
    return runPython(QString::fromUtf8(handWrittenPackageScript), {path});
}

ToolRun ReadXlsxWithOpenpyxl(const QString &path)
{
    return runPython(QString::fromUtf8(openpyxlReaderScript), {path});
}
