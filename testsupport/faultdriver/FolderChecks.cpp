#include "FolderChecks.h"

#include "bills/form/BillSave.h"

#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/db/AdoFunc.h"
#include "core/db/MainDatabase.h"
#include "core/db/SqlName.h"
#include "core/db/TableCatalog.h"
#include "core/errors/CorvaneError.h"
#include "core/files/Leftovers.h"
#include "core/files/PendingFiles.h"
#include "core/globals/PubDm.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QSqlQuery>

namespace {

const QString kConnection = QStringLiteral("fault-driver");

QStringList column(const QString &sql)
{
    QStringList values;
    QSqlQuery query(CurAdo);
    if (!query.exec(sql))
        throw CorvaneError(QStringLiteral("语句失败：") + sql);
    while (query.next())
        values.append(query.value(0).toString());
    return values;
}

QString databaseFaults()
{
    const QStringList integrity = column(QStringLiteral("PRAGMA integrity_check"));
    if (integrity != QStringList{QStringLiteral("ok")})
        return QStringLiteral("integrity_check: ") + integrity.join(QLatin1Char(' '));
    // Every detail table with its header table (p_tables names the header of a detail); the
    // scenarios check that their own bills have all their lines (imported bills have none).
    QSqlQuery pairs(CurAdo);
    pairs.exec(QStringLiteral("select TableName, coalesce(MainTableName, '') from p_tables"));
    while (pairs.next()) {
        const QString table = pairs.value(0).toString();
        const QString header = pairs.value(1).toString();
        if (!IsTableExists(CurAdo, table))
            continue;
        if (header.isEmpty()) {
            if (!column(QStringLiteral("select Refno from %1 group by Refno having count(*) > 1").arg(SqlName(table))).isEmpty())
                return QStringLiteral("two bills with one number in ") + table;
            continue;
        }
        if (!IsTableExists(CurAdo, header))
            continue;
        if (!column(QStringLiteral("select d.id from %1 d where not exists (select 1 from %2 h where h.Refno = d.Refno)")
                        .arg(SqlName(table), SqlName(header)))
                 .isEmpty())
            return QStringLiteral("detail rows without their header in ") + table;
    }
    return {};
}

QStringList readLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QString strayFiles(const FaultScenario &scenario, const QString &folder, const QString &refs)
{
    const QStringList before = readLines(QDir(refs).filePath(QStringLiteral("files.txt")));
    QStringList stray;
    for (const QString &file : FilesBelow(folder)) {
        if (before.contains(file) || scenario.mayCreate.contains(file))
            continue;
        if ((file.startsWith(QLatin1String("images/")) || file.startsWith(QLatin1String("icons/")))
            && PendingFiles::isNamed(CurAdo, file))
            continue;
        stray.append(file);
    }
    return stray.isEmpty() ? QString() : QStringLiteral("stray files: ") + stray.join(QLatin1Char(' '));
}

} // namespace

void OpenProgramDatabase(bool asAtStart)
{
    if (asAtStart)
        ResolveInterruptedRestore();
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), kConnection);
    if (!OpenDatabaseFile(db, MainDatabaseFile()))
        throw CorvaneError(QStringLiteral("the database cannot be opened"));
    CurAdo = db;
    if (asAtStart)
        RemoveLeftovers(db);
}

void CloseProgramDatabase()
{
    if (!CurAdo.isValid())
        return;
    CurAdo.close();
    CurAdo = QSqlDatabase();
    QSqlDatabase::removeDatabase(kConnection);
}

QStringList FilesBelow(const QString &folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    const QDir root(folder);
    while (it.hasNext())
        files.append(root.relativeFilePath(it.next()));
    files.sort();
    return files;
}

QString SaveShipmentBill(const QString &customer, int lines)
{
    DataSet header;
    header.setSql(QStringLiteral("select * from 出货单 where id = -1"));
    DataSet detail;
    detail.setSql(QStringLiteral("select * from 出货单明细 where id = -1"));
    detail.setCachedUpdates(true);
    try {
        header.open();
        detail.open();
        header.append();
        const QString refNo = QString::number(GetBillSysNo(CurAdo));
        header.fieldByName(QStringLiteral("RefNo"))->setValue(refNo);
        header.fieldByName(QStringLiteral("NoteName"))->setValue(QStringLiteral("送货单"));
        header.fieldByName(QStringLiteral("Flag"))->setValue(-1);
        header.fieldByName(QStringLiteral("收货单位"))->setValue(customer);
        for (int i = 1; i <= lines; ++i) {
            detail.append();
            detail.fieldByName(QStringLiteral("Refno"))->setValue(refNo);
            detail.fieldByName(QStringLiteral("产品编号"))->setValue(QStringLiteral("P%1").arg(i));
            detail.fieldByName(QStringLiteral("数量"))->setValue(i);
            detail.post();
        }
    } catch (const std::exception &e) {
        return QStringLiteral("failed before the save: ") + QString::fromUtf8(e.what());
    }
    try {
        if (!SaveBill(CurAdo, header, {&detail}))
            return QStringLiteral("refused");
    } catch (const std::exception &e) {
        // Nothing the user typed may be lost: the bill stays in edit, its lines pending.
        const bool kept = header.isEditing() && header.fieldByName(QStringLiteral("收货单位"))->asString() == customer
            && detail.hasPendingUpdates() && detail.recordCount() == lines;
        return (kept ? QStringLiteral("failed: ") : QStringLiteral("LOST what was typed: ")) + QString::fromUtf8(e.what());
    }
    return {};
}

QString CheckFolder(const FaultScenario &scenario, const QString &folder, const QString &refs, const QString &reported)
{
    if (reported.contains(QLatin1String("LOST")))
        return reported;
    try {
        OpenProgramDatabase(true);
    } catch (const std::exception &e) {
        return QString::fromUtf8(e.what());
    }
    if (QString fault = databaseFaults(); !fault.isEmpty())
        return fault;
    if (QString fault = scenario.check(refs, reported); !fault.isEmpty())
        return fault;
    if (QString fault = strayFiles(scenario, folder, refs); !fault.isEmpty())
        return fault;
    if (QString fault = SaveShipmentBill(QStringLiteral("后来的单据"), 1); !fault.isEmpty())
        return QStringLiteral("a later save failed: ") + fault;
    return databaseFaults();
}
