// The history query's imports: a spreadsheet into the shown kind, a shop's orders into waybills.
#include "bills/history/HistoryKind.h"
#include "bills/history/ShopOrderImport.h"
#include "bills/history/TDbQueryForm.h"
#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/errors/CorvaneError.h"
#include "core/globals/PubDm.h"
#include "core/import/SheetImportError.h"
#include "gui/dbfun/ReadExcel.h"
#include "gui/dialogs/FileDialogs.h"
#include "gui/dialogs/MessageBoxes.h"
#include "gui/dialogs/MessageSeam.h"
#include "gui/progress/TProcStepForm.h"

#include <QDate>

#include <algorithm>

namespace {

void tellInBoxCaptioned(const QString &text)
{
    MessageSeam::ask({QMessageBox::Information, QStringLiteral("提示"), text, QMessageBox::Ok, QMessageBox::Ok});
}

}  // namespace

void TDbQueryForm::showBills(const QList<qint64> &refNos)
{
    if (refNos.isEmpty())
        return;
    // An import draws its numbers in one transaction: they follow one another.
    const auto [first, last] = std::minmax_element(refNos.cbegin(), refNos.cend());
    openQuery(m_table, m_kindWord, m_detailTable,
              {QStringLiteral("cast(a.RefNo as integer) between ? and ?"), {*first, *last}});
}

void TDbQueryForm::importSheet()
{
    if (m_kind == kStockHistoryKind || m_table.isEmpty())
        return;
    const QString file = GetOpenFileName(QString(), QStringLiteral("XLS"), QStringLiteral("选择导入的文件"),
                                         QStringLiteral("Excel文件|*.xls;*.XLS;*.xlsx;*.XLSX"));
    if (file.isEmpty())
        return;
    // A sheet this list exported is headed by the titles it shows: they read back as their columns.
    QHash<QString, QString> columnOfTitle;
    for (const DataField *field : m_rows->fields())
        if (field->hasDisplayLabel())
            columnOfTitle.insert(field->displayLabel(), field->name());
    qint64 first = 0;
    const int imported = ReadExcel(CurAdo, m_kindWord, m_table, file, first, columnOfTitle);
    if (imported < 0) {
        ShowMsgWarn(QStringLiteral("读数据失败"));
        return;
    }
    if (imported == 0)
        return;
    ShowMsgHint(QStringLiteral("共读入%1条数据").arg(imported));
    QList<qint64> refNos;
    for (int i = 0; i < imported; ++i)
        refNos.append(first + i);
    showBills(refNos);
}

void TDbQueryForm::importShopOrders()
{
    const QString path = GetOpenFileName(QString(), QStringLiteral("csv"), QStringLiteral("选择导入的文件"),
                                         QStringLiteral("订单文件|*.csv;*.CSV"));
    if (path.isEmpty())
        return;
    ShopOrderImport result;
    try {
        const ShopOrderFile orders = ReadShopOrderFile(path);
        if (orders.header.isEmpty() || orders.orders.isEmpty())
            return;
        TProcStepForm progress(this);
        progress.SetMax(int(orders.orders.size()) + 1);
        progress.StartShow();
        try {
            result = ImportShopOrders(CurAdo, orders, QDate::currentDate(), [&progress](int order, int count) {
                progress.IncStep(QStringLiteral("读入：%1/%2").arg(order).arg(count));
            });
        } catch (...) {
            progress.EndShow();
            throw;
        }
        progress.EndShow();
    } catch (const SheetImportError &error) {
        if (error.reason() == SheetImportError::Reason::NoDefaultFormat)
            tellInBoxCaptioned(error.message());
        else
            ShowMsgWarn(error.message());
        return;
    } catch (const CorvaneError &error) {
        ShowMsgWarn(error.message());
        return;
    }
    if (result.refNos.isEmpty())
        return;
    ShowMsgHint(QStringLiteral("共读入%1条数据！").arg(result.ordersRead));
    tellInBoxCaptioned(QStringLiteral("导入%1条数据").arg(result.refNos.size()));
    m_kindWord = QStringLiteral("快递单");
    showBills(result.refNos);
}
