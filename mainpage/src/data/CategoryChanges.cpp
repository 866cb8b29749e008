#include "data/CategoryChanges.h"

#include "core/db/AdoFunc.h"
#include "core/db/SqlName.h"
#include "core/db/TableCatalog.h"
#include "core/db/Transaction.h"
#include "core/errors/CorvaneError.h"
#include "core/template/TemplateFiles.h"
#include "data/TemplateFacts.h"

#include <QFileInfo>

namespace {

QString refNoText(qint64 refNo)
{
    return QString::number(refNo);
}

// The formats that go with the icon: its category, or the format alone when it has none (an
// empty category must not match every other format without one).
QStringList categoryRefNos(const QSqlDatabase &db, qint64 refNo)
{
    const QString category =
        SelTableStringValue(db, QStringLiteral("select NoteNameType from p_NoteList where RefNo = ?"), {refNoText(refNo)});
    if (category.trimmed().isEmpty())
        return {refNoText(refNo)};
    QStringList refNos;
    SqlAddPickList(db, QStringLiteral("select RefNo from p_NoteList where NoteNameType = ?"), refNos, {category});
    return refNos;
}

void deleteFormats(const QSqlDatabase &db, const QStringList &refNos)
{
    for (const QString &refNo : refNos) {
        ExecTmpQuery(db, QStringLiteral("delete from p_NoteList where RefNo = ?"), {refNo});
        ExecTmpQuery(db, QStringLiteral("delete from s_ui where ModId = ?"), {refNo.toLongLong()});
    }
    ExecTmpQuery(db, QStringLiteral("delete from p_NoteCntlList where RefNo not in (select RefNo from p_NoteList)"));
}

} // namespace

void MarkDefaultCategory(const QSqlDatabase &db, qint64 refNo)
{
    QSqlQuery query = RunStatement(db, QStringLiteral("select NoteType, NoteNameType from p_NoteList where RefNo = ?"),
                                   {refNoText(refNo)});
    if (!query.next())
        return;
    const QVariant kind = query.value(0);
    const QVariant category = query.value(1);
    Transaction tx(db);
    ExecTmpQuery(db, QStringLiteral("update p_NoteList set DefNote = 0 where NoteType = ?"), {kind});
    ExecTmpQuery(db, QStringLiteral("update p_NoteList set DefNote = 1 where NoteType = ? and NoteNameType = ?"), {kind, category});
    tx.commit();
}

CategoryDeletion CategoryDeletionOf(const QSqlDatabase &db, qint64 refNo)
{
    CategoryDeletion deletion;
    deletion.category =
        SelTableStringValue(db, QStringLiteral("select NoteNameType from p_NoteList where RefNo = ?"), {refNoText(refNo)});
    for (const QString &format : categoryRefNos(db, refNo)) {
        QSqlQuery row = RunStatement(db, QStringLiteral("select NoteName, DataTablename from p_NoteList where RefNo = ?"), {format});
        if (!row.next())
            continue;
        const QString name = row.value(0).toString();
        const QString table = row.value(1).toString().trimmed();
        deletion.formats.append(name);
        if (IsValidSqlName(table) && IsTableExists(db, table))
            deletion.bills += SelTableIntValue(
                db, QStringLiteral("select count(*) from %1 where NoteName = ?").arg(SqlName(table)), {name});
    }
    return deletion;
}

QString DeleteIconQuestion(const QSqlDatabase &db, int tabNo, qint64 refNo)
{
    if (tabNo == 0 || !TemplateExists(db, refNo))
        return QStringLiteral("确认删除单据？");
    const CategoryDeletion deletion = CategoryDeletionOf(db, refNo);
    QString text = QStringLiteral("确认删除单据“%1”？\n\n将同时删除它的%2个单据格式（%3）及其字段和底图。")
                       .arg(deletion.category.trimmed().isEmpty() ? deletion.formats.value(0) : deletion.category)
                       .arg(deletion.formats.size())
                       .arg(deletion.formats.join(QStringLiteral("、")));
    if (deletion.bills > 0)
        text += QStringLiteral("\n用这些格式填写的%1张单据不会删除，仍可在数据查询中查看。").arg(deletion.bills);
    return text;
}

bool DeleteUiIcon(const QSqlDatabase &db, int tabNo, qint64 rowId, qint64 refNo)
{
    const QString picture = tabNo == 0 ? QString() : TemplatePictureFile(db, refNo);
    try {
        Transaction tx(db);
        ExecTmpQuery(db, QStringLiteral("delete from s_ui where rowid = ?"), {rowId});
        if (tabNo != 0 && TemplateExists(db, refNo))
            deleteFormats(db, categoryRefNos(db, refNo));
        tx.commit();
    } catch (const DatabaseError &) {
        return false;
    }
    if (!picture.isEmpty())
        RemoveTemplateFileWhenUnused(db, TemplateFileKind::Picture, QFileInfo(picture).fileName());
    return true;
}
