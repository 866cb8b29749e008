#include "FaultScenario.h"
#include "FolderChecks.h"

#include "backup/DatabaseBackup.h"
#include "bills/history/ShopOrderImport.h"
#include "designer/model/DesignFieldRows.h"
#include "designer/screen/TemplateOperations.h"
#include "backup/DatabaseRestore.h"
#include "purge/PurgeData.h"

#include "core/archive/PasswordArchive.h"
#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/db/AdoFunc.h"
#include "core/db/MainDatabase.h"
#include "core/errors/CorvaneError.h"
#include "core/globals/PubDm.h"
#include "core/import/BillSheetImport.h"
#include "core/package/PackageFile.h"
#include "core/spreadsheet/SheetCell.h"
#include "core/spreadsheet/SpreadsheetFile.h"
#include "core/spreadsheet/XlsxSheetWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>
#include <QStringDecoder>
#include <QTemporaryDir>

namespace {

const QString kBackupPassword = QStringLiteral("vorp");
const QString kUnflushed = QStringLiteral("已写入，但未能确认保存到磁盘");

QString file(const QString &relative)
{
    return QDir(QString::fromUtf8(qgetenv("QUILLET_HOME"))).filePath(relative);
}

QByteArray bytesOf(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        throw CorvaneError(QStringLiteral("cannot write ") + path);
}

qint64 count(const QString &sql)
{
    return SelTableIntValue(CurAdo, sql);
}

void exec(const QString &sql, const QVariantList &params = {})
{
    ExecTmpQuery(CurAdo, sql, params);
}

QString reportOf(bool ok, const QString &reason)
{
    return ok ? QStringLiteral("ok") : QStringLiteral("failed: ") + reason;
}

// The outcome must match the report: success means the new state, failure the old one.
QString honest(const QString &reported, bool isNew, bool isOld)
{
    if (!isNew && !isOld)
        return QStringLiteral("neither the old nor the complete new state");
    if (reported.startsWith(QLatin1String("ok")) && !isNew)
        return QStringLiteral("reported success, but the work is not there");
    if (reported.startsWith(QLatin1String("failed")) && !isOld)
        return QStringLiteral("reported failure, but the work was done (") + reported + QLatin1Char(')');
    return {};
}

// As above for work that writes a new file by a rename: a failed flush of the folder comes after
// the new file took its place, so a failure saying so must find the new file whole.
QString honestWhenRenamed(const QString &reported, bool isNew, bool isOld)
{
    if (reported.contains(kUnflushed))
        return isNew ? QString() : QStringLiteral("said written but unconfirmed, and the new file is not there");
    return honest(reported, isNew, isOld);
}

// Exports go to a folder of the user's, which no start of the program cleans: only the next
// export into it may take away what an interrupted one left there.
const QString kExportFolder = QStringLiteral("exports");

QString exported(const QString &name)
{
    return file(kExportFolder + QLatin1Char('/') + name);
}

// The next export into the folder, after the start: it must succeed.
QString laterExport(const std::function<bool()> &exportOnce)
{
    return exportOnce() ? QString() : QStringLiteral("the next export into the folder failed");
}

// The designer's template: the shipped cheque; its first field and its horizontal offset change.
const QString kDesignRefNo = QStringLiteral("1001");

int firstFieldTag()
{
    return int(SelTableIntValue(CurAdo, QStringLiteral("select min(Tag) from p_NoteCntlList where RefNo = ?"), {kDesignRefNo}));
}

// Three shop orders, T1..T3, as a shop writes its order list.
const QByteArray kShopOrders = QByteArray("订单编号,收货人姓名,收货地址,联系电话,宝贝标题\r\n"
                                          "T1,张三,北京市1号,010-1,货品一\r\n"
                                          "T2,李四,上海市2号,021-2,货品二\r\n"
                                          "T3,王五,广州市3号,020-3,货品三\r\n");

// Three rows "<word>1".."<word>3" under one header, as the grid export writes them.
SheetWriteResult writeExportRows(const QString &path, const QString &word)
{
    QList<QList<SheetCell>> rows;
    for (int i = 1; i <= 3; ++i)
        rows.append({SheetCell::text(word + QString::number(i)), SheetCell::number(i * 100)});
    return WriteXlsxSheet(path, {QStringLiteral("名称"), QStringLiteral("金额")}, rows);
}

bool exportHolds(const QString &path, const QString &word)
{
    try {
        const SheetData sheet = SpreadsheetFile(path).sheet(QStringLiteral("Sheet1"));
        return sheet.rowCount() == 4 && sheet.cell(3, 0).toText() == word + QLatin1Char('3')
               && sheet.cell(3, 1).numberValue() == 300;
    } catch (const std::exception &) {
        return false;
    }
}

// The archive holds an intact database with (or without) the marked goods row.
bool archiveHasDatabase(const QString &archive, bool marked)
{
    QTemporaryDir out;
    if (!UnZipFiles(archive, out.path(), kBackupPassword))
        return false;
    const QString db = QDir(out.path()).filePath(QStringLiteral("data.db"));
    const QString name = QStringLiteral("archive-check");
    bool found = false;
    {
        QSqlDatabase side = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        if (OpenDatabaseFile(side, db, DatabaseAccess::ReadOnly)) {
            QSqlQuery q(side);
            found = q.exec(QStringLiteral("select count(*) from Bs_ProdList where PartNo = 'MARK'")) && q.next()
                && (q.value(0).toInt() == 1) == marked;
        }
        side.close();
    }
    QSqlDatabase::removeDatabase(name);
    return found;
}

bool packageSays(const QString &package, const QString &text)
{
    QTemporaryDir out;
    const ArchiveResult unzipped = UnZipFiles(package, out.path(), PackagePassword());
    if (!unzipped || unzipped.names.size() != 1)
        return false;
    const QByteArray xml = bytesOf(QDir(out.path()).filePath(unzipped.names.first()));
    QStringDecoder gbk("GBK");
    const QString decoded = gbk(xml);
    return decoded.contains(text);
}

void seedBills()
{
    for (const QString &customer : {QStringLiteral("甲公司"), QStringLiteral("乙公司")})
        if (const QString fault = SaveShipmentBill(customer, 2); !fault.isEmpty())
            throw CorvaneError(fault);
    exec(QStringLiteral("insert into 收据 (Refno, NoteName, Flag) values ('900001', '收据', -1)"));
}

QList<FaultScenario> makeScenarios()
{
    QList<FaultScenario> list;

    list.append({QStringLiteral("billsave"), [](const QString &, const QString &) {},
                 [] {
                     int saved = 0;
                     QString why;
                     for (const QString &customer : {QStringLiteral("账单一"), QStringLiteral("账单二")}) {
                         const QString fault = SaveShipmentBill(customer, 3);
                         if (fault.contains(QLatin1String("LOST")))
                             return fault;
                         if (fault.isEmpty())
                             ++saved;
                         else
                             why = fault;
                     }
                     return (saved == 2 ? QStringLiteral("ok") : why) + QStringLiteral(" saved=%1").arg(saved);
                 },
                 [](const QString &, const QString &reported) -> QString {
                     const qint64 bills = count(QStringLiteral("select count(*) from 出货单 where 收货单位 like '账单%'"));
                     if (count(QStringLiteral("select count(*) from 出货单明细 d join 出货单 h on h.Refno = d.Refno "
                                              "where h.收货单位 like '账单%'"))
                         != 3 * bills)
                         return QStringLiteral("a bill without all its lines");
                     if (!reported.isEmpty() && !reported.endsWith(QStringLiteral("saved=%1").arg(bills)))
                         return QStringLiteral("%1 bills stored, the save said %2").arg(bills).arg(reported);
                     return {};
                 },
                 {}});

    list.append({QStringLiteral("sheetimport"),
                 [](const QString &folder, const QString &) {
                     QList<QList<SheetCell>> rows;
                     for (int i = 1; i <= 3; ++i)
                         rows.append({SheetCell::text(QStringLiteral("导入%1").arg(i)), SheetCell::amount(i * 12345),
                                      SheetCell::date(QDate(2024, 3, i))});
                     const SheetWriteResult written =
                         WriteXlsxSheet(QDir(folder).filePath(QStringLiteral("upload/rows.xlsx")),
                                        {QStringLiteral("收货单位"), QStringLiteral("合计金额"), QStringLiteral("出货日期")}, rows);
                     if (!written.ok)
                         throw CorvaneError(QStringLiteral("cannot write the sheet"));
                 },
                 [] {
                     try {
                         ImportBillSheet(CurAdo, QString(), QStringLiteral("出货单"), file(QStringLiteral("upload/rows.xlsx")));
                         return QStringLiteral("ok");
                     } catch (const std::exception &e) {
                         return QStringLiteral("failed: ") + QString::fromUtf8(e.what());
                     }
                 },
                 [](const QString &, const QString &reported) {
                     const qint64 rows = count(QStringLiteral("select count(*) from 出货单 where 收货单位 like '导入%'"));
                     return honest(reported, rows == 3, rows == 0);
                 },
                 {}});

    list.append({QStringLiteral("purge"), [](const QString &, const QString &) { seedBills(); },
                 [] {
                     try {
                         PurgeData(CurAdo, true);
                         return QStringLiteral("ok");
                     } catch (const std::exception &e) {
                         return QStringLiteral("failed: ") + QString::fromUtf8(e.what());
                     }
                 },
                 [](const QString &, const QString &reported) {
                     // The later save of the check adds one bill after this runs.
                     const qint64 bills = count(QStringLiteral("select count(*) from 出货单"));
                     const qint64 lines = count(QStringLiteral("select count(*) from 出货单明细"));
                     if (bills * 2 != lines)
                         return QStringLiteral("bills without all their lines");
                     const qint64 receipts = count(QStringLiteral("select count(*) from 收据"));
                     return honest(reported, bills == 0 && lines == 0 && receipts == 0,
                                   bills == 2 && lines == 4 && receipts == 1);
                 },
                 {}});

    list.append({QStringLiteral("backup"),
                 [](const QString &folder, const QString &refs) {
                     const QString archive = QDir(folder).filePath(QStringLiteral("backup/old.bak"));
                     const ArchiveResult old = BackupDatabase(MainDatabaseFile(), archive);
                     if (!old)
                         throw CorvaneError(old.reason);
                     QFile::copy(archive, QDir(refs).filePath(QStringLiteral("old.bak")));
                     exec(QStringLiteral("insert into Bs_ProdList (PartNo, PartName, Unit) values ('MARK', '标记', '个')"));
                 },
                 [] {
                     const ArchiveResult result = BackupDatabase(MainDatabaseFile(), file(QStringLiteral("backup/old.bak")));
                     return reportOf(result.ok, result.reason);
                 },
                 [](const QString &refs, const QString &reported) {
                     const QString archive = file(QStringLiteral("backup/old.bak"));
                     const bool old = bytesOf(archive) == bytesOf(QDir(refs).filePath(QStringLiteral("old.bak")));
                     return honestWhenRenamed(reported, !old && archiveHasDatabase(archive, true), old);
                 },
                 {}});

    list.append({QStringLiteral("restore"),
                 [](const QString &folder, const QString &) {
                     exec(QStringLiteral("insert into Bs_ProdList (PartNo, PartName, Unit) values ('MARK', '标记', '个')"));
                     const ArchiveResult made =
                         BackupDatabase(MainDatabaseFile(), QDir(folder).filePath(QStringLiteral("backup/marked.bak")));
                     if (!made)
                         throw CorvaneError(made.reason);
                     exec(QStringLiteral("delete from Bs_ProdList where PartNo = 'MARK'"));
                     QFile::setPermissions(MainDatabaseFile(), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
                 },
                 [] {
                     const RestoreResult result = RestoreDatabase(file(QStringLiteral("backup/marked.bak")), CurAdo);
                     return reportOf(result.outcome == RestoreResult::Restored, result.reason);
                 },
                 [](const QString &, const QString &reported) -> QString {
                     if (QFileInfo(MainDatabaseFile()).permissions() != (QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup
                                                                         | QFile::ReadUser | QFile::WriteUser))
                         return QStringLiteral("the database file lost its mode");
                     const qint64 marked = count(QStringLiteral("select count(*) from Bs_ProdList where PartNo = 'MARK'"));
                     return honest(reported, marked == 1, marked == 0);
                 },
                 {}});

    list.append({QStringLiteral("pkgimport"),
                 [](const QString &folder, const QString &refs) {
                     const QString package = QDir(folder).filePath(QStringLiteral("download/cheque.pnt"));
                     const ArchiveResult made = GetXmlFileByNote(CurAdo, QStringLiteral("支票"), package, PackagePassword());
                     if (!made)
                         throw CorvaneError(made.reason);
                     const QString picture = QDir(folder).filePath(QStringLiteral("images/cheque.jpg"));
                     QFile::copy(picture, QDir(refs).filePath(QStringLiteral("new.jpg")));
                     // Here the template is older: other captions and another picture.
                     exec(QStringLiteral("update p_NoteCntlList set CtlCName = CtlCName || '旧' where RefNo = '1001'"));
                     writeBytes(picture, bytesOf(picture) + QByteArray("OLD PICTURE"));
                 },
                 [] {
                     try {
                         const PackageFileImport result = InputPackageFile(
                             CurAdo, file(QStringLiteral("download/cheque.pnt")),
                             {QStringLiteral("admin"), [](const QString &) { return true; }});
                         return reportOf(!result.noteName.isEmpty(), result.failure);
                     } catch (const std::exception &e) {
                         return QStringLiteral("failed: ") + QString::fromUtf8(e.what());
                     }
                 },
                 [](const QString &refs, const QString &reported) -> QString {
                     // The package is good: a full disk or a failed write is no bad file.
                     if (reported.contains(QStringLiteral("文件格式错误")))
                         return QStringLiteral("a good package was refused as a bad file: ") + reported;
                     if (count(QStringLiteral("select count(*) from p_NoteList where NoteName = '支票'")) != 1)
                         return QStringLiteral("the template is not there once");
                     const QString refNo = SelTableStringValue(CurAdo, QStringLiteral("select RefNo from p_NoteList where NoteName = '支票'"));
                     const qint64 fields = count(QStringLiteral("select count(*) from p_NoteCntlList where RefNo = '%1'").arg(refNo));
                     const qint64 oldFields = count(
                         QStringLiteral("select count(*) from p_NoteCntlList where RefNo = '%1' and CtlCName like '%旧'").arg(refNo));
                     const QString picture = file(QStringLiteral("images/")
                                                  + SelTableStringValue(CurAdo, QStringLiteral("select ImgFile from p_NoteList where NoteName = '支票'")));
                     const QByteArray bytes = bytesOf(picture);
                     const QByteArray fresh = bytesOf(QDir(refs).filePath(QStringLiteral("new.jpg")));
                     if (bytes.isEmpty())
                         return QStringLiteral("the template's picture is missing");
                     const bool isNew = fields == 15 && oldFields == 0 && bytes == fresh;
                     const bool isOld = fields == 15 && oldFields == 15 && bytes == fresh + QByteArray("OLD PICTURE");
                     return honest(reported, isNew, isOld);
                 },
                 {}});

    list.append({QStringLiteral("pkgexport"),
                 [](const QString &folder, const QString &refs) {
                     QDir(folder).mkpath(kExportFolder);
                     const QString package = QDir(folder).filePath(kExportFolder + QStringLiteral("/cheque.pnt"));
                     const ArchiveResult made = GetXmlFileByNote(CurAdo, QStringLiteral("支票"), package, PackagePassword());
                     if (!made)
                         throw CorvaneError(made.reason);
                     QFile::copy(package, QDir(refs).filePath(QStringLiteral("old.pnt")));
                     exec(QStringLiteral("update p_NoteCntlList set CtlCName = CtlCName || '新' where RefNo = '1001'"));
                 },
                 [] {
                     const ArchiveResult result =
                         GetXmlFileByNote(CurAdo, QStringLiteral("支票"), exported(QStringLiteral("cheque.pnt")), PackagePassword());
                     return reportOf(result.ok, result.reason);
                 },
                 [](const QString &refs, const QString &reported) {
                     const QString package = exported(QStringLiteral("cheque.pnt"));
                     const bool old = bytesOf(package) == bytesOf(QDir(refs).filePath(QStringLiteral("old.pnt")));
                     if (QString fault = honestWhenRenamed(reported, !old && packageSays(package, QStringLiteral("新")), old);
                         !fault.isEmpty())
                         return fault;
                     return laterExport([] {
                         return bool(GetXmlFileByNote(CurAdo, QStringLiteral("支票"), exported(QStringLiteral("later.pnt")),
                                                      PackagePassword()));
                     });
                 },
                 {QStringLiteral("exports/later.pnt")}});
    list.append({QStringLiteral("sheetexport"),
                 [](const QString &folder, const QString &refs) {
                     QDir(folder).mkpath(kExportFolder);
                     const QString sheet = QDir(folder).filePath(kExportFolder + QStringLiteral("/rows.xlsx"));
                     if (!writeExportRows(sheet, QStringLiteral("旧")))
                         throw CorvaneError(QStringLiteral("cannot write the sheet"));
                     QFile::copy(sheet, QDir(refs).filePath(QStringLiteral("old.xlsx")));
                 },
                 [] {
                     const SheetWriteResult written = writeExportRows(exported(QStringLiteral("rows.xlsx")), QStringLiteral("新"));
                     return reportOf(written.ok, written.reason);
                 },
                 [](const QString &refs, const QString &reported) {
                     const QString sheet = exported(QStringLiteral("rows.xlsx"));
                     const bool old = bytesOf(sheet) == bytesOf(QDir(refs).filePath(QStringLiteral("old.xlsx")));
                     if (QString fault = honestWhenRenamed(reported, !old && exportHolds(sheet, QStringLiteral("新")), old);
                         !fault.isEmpty())
                         return fault;
                     return laterExport([] { return bool(writeExportRows(exported(QStringLiteral("later.xlsx")), QStringLiteral("后"))); });
                 },
                 {QStringLiteral("exports/later.xlsx")}});

    list.append({QStringLiteral("designsave"),
                 [](const QString &, const QString &) {
                     exec(QStringLiteral("update p_NoteList set Xmove = 0 where RefNo = ?"), {kDesignRefNo});
                     exec(QStringLiteral("update p_NoteCntlList set Ctlx = 100 where RefNo = ? and Tag = ?"),
                          {kDesignRefNo, firstFieldTag()});
                 },
                 [] {
                     // As the designer's 保存 does: the template's row and the page's fields.
                     DataSet header;
                     header.setSql(QStringLiteral("select * from p_NoteList where RefNo = '%1'").arg(kDesignRefNo));
                     DesignFieldRows rows;
                     const int tag = firstFieldTag();
                     try {
                         header.open();
                         if (!rows.open(kDesignRefNo))
                             return QStringLiteral("failed before the save: no template");
                         rows.setValues(tag, {{QStringLiteral("Ctlx"), 321}});
                         header.edit();
                         header.fieldByName(QStringLiteral("Xmove"))->setValue(7);
                     } catch (const std::exception &e) {
                         return QStringLiteral("failed before the save: ") + QString::fromUtf8(e.what());
                     }
                     try {
                         TemplateOperations(CurAdo).save(header, [&rows] { rows.write(); });
                     } catch (const std::exception &e) {
                         // What was typed stays: the row in edit with its offset, the fields unsaved.
                         const bool kept = header.isEditing() && header.fieldByName(QStringLiteral("Xmove"))->asInteger() == 7
                             && rows.hasUnsavedChanges() && rows.integer(tag, QStringLiteral("Ctlx")) == 321;
                         return (kept ? QStringLiteral("failed: ") : QStringLiteral("LOST what was typed: ")) + QString::fromUtf8(e.what());
                     }
                     return rows.hasUnsavedChanges() ? QStringLiteral("failed: saved, but the fields count as unsaved") : QStringLiteral("ok");
                 },
                 [](const QString &, const QString &reported) {
                     const qint64 offset = count(QStringLiteral("select Xmove from p_NoteList where RefNo = '%1'").arg(kDesignRefNo));
                     const qint64 x = SelTableIntValue(CurAdo, QStringLiteral("select Ctlx from p_NoteCntlList where RefNo = ? and Tag = ?"),
                                                       {kDesignRefNo, firstFieldTag()});
                     const qint64 fields = count(QStringLiteral("select count(*) from p_NoteCntlList where RefNo = '%1'").arg(kDesignRefNo));
                     return honest(reported, offset == 7 && x == 321 && fields == 15, offset == 0 && x == 100 && fields == 15);
                 },
                 {}});

    list.append({QStringLiteral("shopimport"),
                 [](const QString &folder, const QString &) {
                     writeBytes(QDir(folder).filePath(QStringLiteral("upload/orders.csv")), kShopOrders);
                     exec(QStringLiteral("insert into bs_complist (bSelf, compname, contact, compaddr, phone, kdDefault)"
                                         " values (1, '本公司', '发货员', '深圳市1号', '0755-1', 1)"));
                 },
                 [] {
                     try {
                         const ShopOrderImport made =
                             ImportShopOrders(CurAdo, ReadShopOrderFile(file(QStringLiteral("upload/orders.csv"))), QDate(2024, 5, 1));
                         return made.refNos.size() == 3 ? QStringLiteral("ok")
                                                        : QStringLiteral("failed: %1 waybills made").arg(made.refNos.size());
                     } catch (const std::exception &e) {
                         return QStringLiteral("failed: ") + QString::fromUtf8(e.what());
                     }
                 },
                 [](const QString &, const QString &reported) {
                     const qint64 made = count(QStringLiteral("select count(*) from 快递单 where 淘宝订单号 in ('T1', 'T2', 'T3')"));
                     return honest(reported, made == 3, made == 0);
                 },
                 {}});
    return list;
}

} // namespace

const QList<FaultScenario> &FaultScenarios()
{
    static const QList<FaultScenario> scenarios = makeScenarios();
    return scenarios;
}

const FaultScenario *FindFaultScenario(const QString &name)
{
    for (const FaultScenario &scenario : FaultScenarios())
        if (scenario.name == name)
            return &scenario;
    return nullptr;
}
