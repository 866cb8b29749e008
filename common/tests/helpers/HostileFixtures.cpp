#include "helpers/HostileFixtures.h"

namespace {

// A zip whose one entry of `megabytes` zeros packs into a few hundred kilobytes.
const char *pythonZipBomb = R"(
import sys, zipfile
with zipfile.ZipFile(sys.argv[1], 'w', zipfile.ZIP_DEFLATED) as z:
    with z.open('data.db', 'w') as entry:
        block = bytes(1 << 20)
        for _ in range(int(sys.argv[2])):
            entry.write(block)
)";

// One value per row in the last column Excel has (XFD), or beyond the last row.
const char *pythonFarCells = R"(
import sys, zipfile
rows, column, first = int(sys.argv[2]), sys.argv[3], int(sys.argv[4])
cells = ''.join('<row r="%d"><c r="%s%d" t="inlineStr"><is><t>v%d</t></is></c></row>' % (first + i, column, first + i, i)
                for i in range(rows))
sheet = ('<?xml version="1.0" encoding="UTF-8"?><worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">'
         '<sheetData>%s</sheetData></worksheet>' % cells)
with zipfile.ZipFile(sys.argv[1], 'w', zipfile.ZIP_DEFLATED) as z:
    z.writestr('[Content_Types].xml', '<?xml version="1.0"?><Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">'
               '<Override PartName="/xl/workbook.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml"/></Types>')
    z.writestr('_rels/.rels', '<?xml version="1.0"?><Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">'
               '<Relationship Id="r1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="xl/workbook.xml"/></Relationships>')
    z.writestr('xl/workbook.xml', '<?xml version="1.0"?><workbook xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" '
               'xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships"><sheets><sheet name="S" sheetId="1" r:id="rId1"/></sheets></workbook>')
    z.writestr('xl/_rels/workbook.xml.rels', '<?xml version="1.0"?><Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">'
               '<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet" Target="worksheets/sheet1.xml"/></Relationships>')
    z.writestr('xl/worksheets/sheet1.xml', sheet)
)";

} // namespace

ToolRun MakeZipBomb(const QString &path, int megabytes)
{
    return runPython(QString::fromUtf8(pythonZipBomb), {path, QString::number(megabytes)});
}

ToolRun MakeFarCellSheet(const QString &path, int rows, const QString &column, int firstRow)
{
    return runPython(QString::fromUtf8(pythonFarCells), {path, QString::number(rows), column, QString::number(firstRow)});
}
