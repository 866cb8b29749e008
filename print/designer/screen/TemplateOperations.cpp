#include "designer/screen/TemplateOperations.h"

#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/db/AdoFunc.h"
#include "core/db/SqlName.h"
#include "core/db/TableCatalog.h"
#include "core/db/Transaction.h"
#include "core/errors/CorvaneError.h"
#include "core/template/TemplateDocument.h"
#include "core/template/TemplateStore.h"
#include "core/template/TemplateFiles.h"


namespace {

const QString kNameEmpty = QStringLiteral("单据名称不能为空");
const QString kNameTaken = QStringLiteral("单据名称已经存在");

bool sameCategory(const QString &a, const QString &b)
{
    return a.trimmed().compare(b.trimmed(), Qt::CaseInsensitive) == 0;
}

} // namespace

QStringList TemplateOperations::kinds() const
{
    QStringList kinds;
    SqlAddPickList(m_db, QStringLiteral("select PrintName from s_PrintType order by id"), kinds);
    return kinds;
}

bool TemplateOperations::nameExists(const QString &name) const
{
    return !SqlTableIsEmpty(m_db, QStringLiteral("select 1 from p_NoteList where NoteName = ?"), {name.trimmed()});
}

QString TemplateOperations::nameFault(NoteNameMode mode, const QString &name, const QString &refNo) const
{
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty())
        return kNameEmpty;
    switch (mode) {
    case NoteNameMode::New:
        return nameExists(trimmed) ? kNameTaken : QString();
    case NoteNameMode::Rename:
        return SqlTableIsEmpty(m_db, QStringLiteral("select 1 from p_NoteList where NoteName = ? and RefNo <> ?"),
                               {trimmed, refNo})
            ? QString()
            : kNameTaken;
    case NoteNameMode::Copy:
        break;  // the caller refuses a taken name with its own text
    }
    return {};
}

QString TemplateOperations::nameOfRefNo(qint64 refNo) const
{
    if (refNo == 0)
        return {};
    return SelTableStringValue(m_db, QStringLiteral("select NoteName from p_NoteList where RefNo = ?"),
                               {QString::number(refNo)});
}

QString TemplateOperations::refNoOf(const QString &name) const
{
    return SelTableStringValue(m_db, QStringLiteral("select RefNo from p_NoteList where NoteName = ?"), {name});
}

QStringList TemplateOperations::formatsOfSameCategory(const QString &name) const
{
    QStringList names;
    SqlAddPickList(m_db,
                   QStringLiteral("select NoteName from p_NoteList where NoteNameType ="
                                  " (select NoteNameType from p_NoteList where NoteName = ?) order by autoid"),
                   names, {name});
    return names;
}

QStringList TemplateOperations::dataTables() const
{
    QStringList tables;
    SqlAddPickList(m_db, QStringLiteral("select TableName from p_tables order by autoid"), tables);
    return tables;
}

QString TemplateOperations::mainTableOfKind(const QString &kind) const
{
    return SelTableStringValue(m_db, QStringLiteral("select MainTableName from s_PrintType where PrintName = ?"), {kind});
}

QString TemplateOperations::newTemplate(const NoteNameChoice &choice, const QString &userId, const QDate &today) const
{
    Transaction tx(m_db);
    TemplateDocument document = NewTemplateDocument(m_db, userId, today);
    document.note.noteName = choice.name;
    document.note.noteNameType = choice.category;
    document.note.noteType = choice.kind;
    document.note.dataTableName = mainTableOfKind(choice.kind);
    SaveTemplate(m_db, document);
    tx.commit();
    return document.note.refNo;
}

bool TemplateOperations::rename(const QString &refNo, const NoteNameChoice &choice) const
{
    try {
        Transaction tx(m_db);
        const QString oldCategory =
            SelTableStringValue(m_db, QStringLiteral("select NoteNameType from p_NoteList where RefNo = ?"), {refNo});
        ExecTmpQuery(m_db,
                     QStringLiteral("update p_NoteList set NoteName = ?, NoteNameType = ?, NoteType = ?, DataTablename = ?"
                                    " where RefNo = ?"),
                     {choice.name, choice.category, choice.kind, mainTableOfKind(choice.kind), refNo});
        if (!sameCategory(oldCategory, choice.category)) {
            const qint64 tab = iconTab(refNo, choice.kind);
            settleUiEntries(refNo, oldCategory, &choice.category);
            // The new category shows on the main page at once, as after a copy.
            addCategoryIcon(tab, refNo, choice.category);
            // A category keeps one default format: the moved one is it only where none was. A
            // kind keeps one default category: the moved one takes its new category's standing.
            const qint64 defNote = SelTableIntValue(
                m_db, QStringLiteral("select coalesce(max(DefNote), 0) from p_NoteList where NoteNameType = ? and NoteType = ?"
                                     " and RefNo <> ?"),
                {choice.category, choice.kind, refNo});
            ExecTmpQuery(m_db, QStringLiteral("update p_NoteList set \"default\" = ?, DefNote = ? where RefNo = ?"),
                         {DefaultFlagFor(m_db, choice.category, choice.name), defNote, refNo});
        }
        tx.commit();
        return true;
    } catch (const CorvaneError &) {
        return false;
    }
}

qint64 TemplateOperations::copyNote(const QString &sourceName, const NoteNameChoice &choice) const
{
    try {
        Transaction tx(m_db);
        std::optional<TemplateDocument> copy = LoadTemplate(m_db, sourceName);
        if (!copy)
            return 0;
        const QString sourceRefNo = copy->note.refNo;
        const bool otherCategory = !sameCategory(copy->note.noteNameType, choice.category);
        const QString refNo = QString::number(GetBillSysNo(m_db));
        // A kind has one default category: the copy joins its category's standing.
        const qint64 defNote = SelTableIntValue(
            m_db, QStringLiteral("select coalesce(max(DefNote), 0) from p_NoteList where NoteNameType = ?"), {choice.category});
        copy->forgetStoredIds();
        copy->note.refNo = refNo;
        copy->note.noteName = choice.name;
        copy->note.noteNameType = choice.category;
        copy->note.noteType = choice.kind;
        copy->note.defNote = int(defNote);
        SaveTemplate(m_db, *copy);  // decides the copy's default flag

        if (otherCategory)
            addCategoryIcon(iconTab(sourceRefNo, choice.kind), refNo, choice.category);
        tx.commit();
        return SelTableIntValue(m_db, QStringLiteral("select autoid from p_NoteList where NoteName = ?"), {choice.name});
    } catch (const CorvaneError &) {
        return 0;
    }
}

void TemplateOperations::save(DataSet &header, const std::function<void()> &writeFields) const
{
    Transaction tx(m_db);
    if (!header.isEditing())
        header.edit();
    header.fieldByName(QStringLiteral("default"))
        ->setValue(DefaultFlagFor(m_db, header.fieldByName(QStringLiteral("NoteNameType"))->asString(),
                                  header.fieldByName(QStringLiteral("NoteName"))->asString()));
    if (!header.post())
        throw CorvaneError(QStringLiteral("单据格式没有保存"));
    writeFields();
    saveUiEntry(header.fieldByName(QStringLiteral("RefNo"))->asString());
    tx.commit();
}

void TemplateOperations::saveUiEntry(const QString &refNo) const
{
    QSqlQuery query = RunStatement(m_db, QStringLiteral("select NoteType, NoteNameType from p_NoteList where RefNo = ?"), {refNo});
    if (!query.next())
        return;
    const QString kind = query.value(0).toString();
    const QString category = query.value(1).toString();
    query.finish();
    const qint64 tab = SelTableIntValue(m_db, QStringLiteral("select TabNo from s_uiTab where Caption = ?"), {kind});
    const bool categoryShown =
        !SqlTableIsEmpty(m_db, QStringLiteral("select 1 from s_ui where TabNo = ? and Caption = ?"), {tab, category});
    const bool ownIcon =
        !SqlTableIsEmpty(m_db, QStringLiteral("select 1 from s_ui where ModId = ? and TabNo <> 0"), {refNo.toLongLong()});
    if (!categoryShown && !ownIcon)
        ExecTmpQuery(m_db,
                     QStringLiteral("insert into s_ui (UserId, TabNo, ModId, MenuType, Caption) values ('1111', ?, ?, 0, ?)"),
                     {tab, refNo.toLongLong(), category});
}

qint64 TemplateOperations::billsMadeWith(const QString &refNo) const
{
    QSqlQuery query = RunStatement(
        m_db,
        QStringLiteral("select a.NoteName, a.DataTablename, b.MainTableName from p_NoteList a"
                       " left join s_PrintType b on b.PrintName = a.NoteType where a.RefNo = ?"),
        {refNo});
    if (!query.next())
        return 0;
    const QString name = query.value(0).toString();
    QStringList tables;
    for (const int column : {1, 2}) {
        const QString table = query.value(column).toString().trimmed();
        if (!table.isEmpty() && !tables.contains(table, Qt::CaseInsensitive))
            tables.append(table);
    }
    query.finish();
    qint64 bills = 0;
    for (const QString &table : tables)
        if (IsValidSqlName(table) && IsTableExists(m_db, table) && IsTableFieldsExists(m_db, table, QStringLiteral("NoteName")))
            bills += SelTableIntValue(m_db, QStringLiteral("select count(*) from %1 where NoteName = ?").arg(SqlName(table)), {name});
    return bills;
}

bool TemplateOperations::deleteTemplate(const QString &refNo) const
{
    QString picture;
    try {
        Transaction tx(m_db);
        QSqlQuery query =
            RunStatement(m_db, QStringLiteral("select ImgFile, NoteNameType from p_NoteList where RefNo = ?"), {refNo});
        if (!query.next())
            return false;
        picture = query.value(0).toString().trimmed();
        const QString category = query.value(1).toString();
        query.finish();
        ExecTmpQuery(m_db, QStringLiteral("delete from p_NoteCntlList where RefNo = ?"), {refNo});
        ExecTmpQuery(m_db, QStringLiteral("delete from p_NoteList where RefNo = ?"), {refNo});
        settleUiEntries(refNo, category, nullptr);
        tx.commit();
    } catch (const CorvaneError &) {
        return false;
    }
    RemoveTemplateFileWhenUnused(m_db, TemplateFileKind::Picture, picture, refNo);
    return true;
}

// The tab of a template's category icon: its own tab (not the favourites), else its kind's.
qint64 TemplateOperations::iconTab(const QString &refNo, const QString &kind) const
{
    QSqlQuery tabs = RunStatement(m_db, QStringLiteral("select TabNo from s_ui where ModId = ? order by TabNo = 0, rowid limit 1"),
                                  {refNo.toLongLong()});
    if (tabs.next() && tabs.value(0).toLongLong() != 0)
        return tabs.value(0).toLongLong();
    tabs.finish();
    return SelTableIntValue(m_db, QStringLiteral("select TabNo from s_uiTab where Caption = ?"), {kind});
}

// One icon per category on a tab, captioned with the category (the main page counts the
// category's formats under it, and a save looks for it by that caption).
void TemplateOperations::addCategoryIcon(qint64 tab, const QString &refNo, const QString &category) const
{
    if (SqlTableIsEmpty(m_db, QStringLiteral("select 1 from s_ui where TabNo = ? and Caption = ?"), {tab, category}))
        ExecTmpQuery(m_db, QStringLiteral("insert into s_ui (UserId, TabNo, ModId, Caption) values ('admin', ?, ?, ?)"),
                     {tab, refNo.toLongLong(), category});
}

// The icons of a template that leaves its category (renamed into another, or deleted): while
// the category keeps a format, its icons open that one; otherwise they follow the template into
// its new category, unless that category has its icon on the tab already.
void TemplateOperations::settleUiEntries(const QString &refNo, const QString &oldCategory, const QString *newCategory) const
{
    const qint64 modId = refNo.toLongLong();
    QSqlQuery remaining = RunStatement(
        m_db,
        QStringLiteral("select RefNo from p_NoteList where NoteNameType = ? and RefNo <> ?"
                       " order by \"default\" = '是' desc, DefNote desc, autoid limit 1"),
        {oldCategory, refNo});
    if (remaining.next() && !oldCategory.trimmed().isEmpty()) {
        const qint64 other = remaining.value(0).toLongLong();
        remaining.finish();
        ExecTmpQuery(m_db, QStringLiteral("update s_ui set ModId = ? where ModId = ?"), {other, modId});
        return;
    }
    remaining.finish();
    if (!newCategory) {
        ExecTmpQuery(m_db, QStringLiteral("delete from s_ui where ModId = ?"), {modId});
        return;
    }
    ExecTmpQuery(m_db,
                 QStringLiteral("delete from s_ui where ModId = ? and TabNo in"
                                " (select TabNo from s_ui where Caption = ? and ModId <> ?)"),
                 {modId, *newCategory, modId});
    ExecTmpQuery(m_db, QStringLiteral("update s_ui set Caption = ? where ModId = ?"), {*newCategory, modId});
}
