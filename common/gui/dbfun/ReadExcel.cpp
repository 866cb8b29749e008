#include "gui/dbfun/ReadExcel.h"

#include "core/import/BillSheetImport.h"
#include "core/import/SheetImportError.h"
#include "core/spreadsheet/SpreadsheetError.h"
#include "gui/dialogs/MessageBoxes.h"

int ReadExcel(const QSqlDatabase &db, const QString &kind, const QString &table, const QString &fileName,
              qint64 &firstNumber, const QHash<QString, QString> &columnOfTitle, const QStringList &keptColumns)
{
    try {
        const BillSheetImport imported = ImportBillSheet(db, kind, table, fileName, columnOfTitle, keptColumns);
        firstNumber = imported.firstNumber;
        return imported.rows;
    } catch (const SpreadsheetError &) {
        return -1;
    } catch (const SheetImportError &error) {
        ShowMsgWarn(error.message());
        return error.reason() == SheetImportError::Reason::NoDefaultFormat ? 0 : -1;
    }
}
