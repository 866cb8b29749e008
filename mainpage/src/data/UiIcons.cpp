#include "data/UiIcons.h"

#include "core/db/AdoFunc.h"
#include "core/globals/ProgramFolder.h"
#include "data/UiUser.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace {

struct FormatFacts
{
    bool exists = false;
    bool isDefault = false;
    qint64 formatCount = 0;
    QString category;
    QString iconName;
};

// The icon is the format's own picture, else the first one its category names.
FormatFacts formatFacts(const QSqlDatabase &db, qint64 modId)
{
    const QString refNo = QString::number(modId);
    QSqlQuery query = RunStatement(
        db,
        QStringLiteral("select a.DefNote, a.NoteNameType,"
                       " (select count(*) from p_NoteList b where b.NoteNameType = a.NoteNameType),"
                       " coalesce(nullif(trim(a.smallpic), ''),"
                       "  (select trim(c.smallpic) from p_NoteList c where c.NoteNameType = a.NoteNameType"
                       "   and trim(c.smallpic) <> '' order by c.autoid limit 1))"
                       " from p_NoteList a where a.RefNo = ?"),
        {refNo});
    FormatFacts facts;
    if (!query.next())
        return facts;
    facts.exists = true;
    facts.isDefault = query.value(0).toLongLong() == 1;
    facts.category = query.value(1).toString().trimmed();
    facts.formatCount = query.value(2).toLongLong();
    facts.iconName = QFileInfo(query.value(3).toString()).fileName();
    return facts;
}

QString iconFileFor(const QString &iconName)
{
    if (!iconName.isEmpty()) {
        const QString file = ProgramFile(QStringLiteral("icons/") + iconName);
        if (QFileInfo(file).isFile())
            return file;
    }
    const QString fallback = ProgramFile(QStringLiteral("icons/default.bmp"));
    return QFileInfo(fallback).isFile() ? fallback : QString();
}

} // namespace

QString DefaultFormatMarker()
{
    return QStringLiteral("(默认单据)");
}

QString BareIconCaption(const QString &storedCaption)
{
    QString caption = storedCaption.trimmed();
    static const QRegularExpression marker(QStringLiteral("\\s*\\(默认单据\\)"));
    caption.remove(marker);
    return caption.trimmed();
}

QString ShownIconCaption(const QString &bareCaption, qint64 formatCount, bool isDefault)
{
    QString caption = bareCaption;
    if (formatCount > 1)
        caption += QStringLiteral("(%1)").arg(formatCount);
    if (isDefault)
        caption += QLatin1Char('\n') + DefaultFormatMarker();
    return caption;
}

QList<UiIcon> TabIcons(const QSqlDatabase &db, int tabNo)
{
    QSqlQuery query = RunStatement(db, QStringLiteral("select rowid, ModId, Caption from s_ui where TabNo = ? order by Caption, rowid"),
                                   {tabNo});
    QList<UiIcon> icons;
    while (query.next()) {
        UiIcon icon;
        icon.rowId = query.value(0).toLongLong();
        icon.modId = query.value(1).toLongLong();
        const FormatFacts facts = formatFacts(db, icon.modId);
        if (!facts.exists)
            continue;
        icon.bareCaption = BareIconCaption(query.value(2).toString());
        if (icon.bareCaption.isEmpty())
            icon.bareCaption = facts.category;
        icon.isDefault = facts.isDefault;
        icon.formatCount = facts.formatCount;
        icon.caption = ShownIconCaption(icon.bareCaption, facts.formatCount, facts.isDefault);
        icon.iconFile = iconFileFor(facts.iconName);
        icons.append(icon);
    }
    return icons;
}

bool InsertToUiList(const QSqlDatabase &db, const UiIconRow &row)
{
    // Readers never filter by user or menu type, so the same format twice on a tab would show
    // twice whoever wrote the first row.
    if (!SqlTableIsEmpty(db, QStringLiteral("select 1 from s_ui where TabNo = ? and ModId = ?"), {row.tabNo, row.modId}))
        return false;
    ExecTmpQuery(db,
                 QStringLiteral("insert into s_ui (UserId, TabNo, ModId, MenuType, Caption, xPos, yPos)"
                                " values (?, ?, ?, ?, ?, ?, ?)"),
                 {UiRowUser(), row.tabNo, row.modId, row.menuType, row.caption, row.position.x(), row.position.y()});
    return true;
}

void SetIconCaption(const QSqlDatabase &db, qint64 rowId, const QString &caption)
{
    ExecTmpQuery(db, QStringLiteral("update s_ui set Caption = ? where rowid = ?"), {caption, rowId});
}
