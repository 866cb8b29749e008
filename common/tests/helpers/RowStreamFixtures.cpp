#include "helpers/RowStreamFixtures.h"

namespace {
const char *longVariedScript = R"(
import datetime, sys, openpyxl
path, rows = sys.argv[1], int(sys.argv[2])
book = openpyxl.Workbook()
sheet = book.active
sheet.title = 'S'
lines = []
for r in range(rows):
    values = []
    for c in range(10):
        n = r * 10 + c
        if c == 3:
            values.append(n * 1.25)
        elif c == 7:
            values.append(datetime.date(2020, 1, 1) + datetime.timedelta(days=n % 900))
        else:
            values.append(('账' * (n % 97 + 1)) + str(n))
    sheet.append(values)
    texts = [v.isoformat() if isinstance(v, datetime.date) else (repr(v) if isinstance(v, float) else v) for v in values]
    lines.append('%d:' % r + '|'.join('%d=%s' % (c, t) for c, t in enumerate(texts)))
book.save(path)
print('\n'.join(lines))
)";

const char *handWrittenScript = R"(
import sys, zipfile
path, sheet_data = sys.argv[1], sys.argv[2]
ns = 'http://schemas.openxmlformats.org/spreadsheetml/2006/main'
rel = 'http://schemas.openxmlformats.org/officeDocument/2006/relationships'
parts = {
'[Content_Types].xml': '<?xml version="1.0"?><Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types"/>',
'_rels/.rels': '<?xml version="1.0"?><Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">'
  '<Relationship Id="r1" Type="' + rel + '/officeDocument" Target="xl/workbook.xml"/></Relationships>',
'xl/_rels/workbook.xml.rels': '<?xml version="1.0"?><Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">'
  '<Relationship Id="s" Type="' + rel + '/sharedStrings" Target="sharedStrings.xml"/>'
  '<Relationship Id="w" Type="' + rel + '/worksheet" Target="worksheets/sheet1.xml"/></Relationships>',
'xl/workbook.xml': '<?xml version="1.0"?><workbook xmlns="' + ns + '" xmlns:r="' + rel + '">'
  '<sheets><sheet name="S" sheetId="1" r:id="w"/></sheets></workbook>',
'xl/sharedStrings.xml': '<?xml version="1.0"?><sst xmlns="' + ns + '">'
  '<si><t>甲</t></si>'
  '<si><r><t>富</t></r><r><rPr><b/></rPr><t xml:space="preserve"> 文本</t></r><rPh sb="0" eb="1"><t>ふ</t></rPh></si>'
  '<si><t xml:space="preserve">  空格  </t></si></sst>',
'xl/worksheets/sheet1.xml': '<?xml version="1.0"?><worksheet xmlns="' + ns + '"><sheetData>' + sheet_data
  + '</sheetData></worksheet>',
}
with zipfile.ZipFile(path, 'w', zipfile.ZIP_DEFLATED) as z:
    for name, text in parts.items():
        z.writestr(name, text)
)";
} // namespace

ToolRun MakeLongVariedSheet(const QString &path, int rows)
{
    return runPython(QString::fromUtf8(longVariedScript), {path, QString::number(rows)});
}

ToolRun MakeHandWrittenSheet(const QString &path, const QString &sheetXml)
{
    return runPython(QString::fromUtf8(handWrittenScript), {path, sheetXml});
}
