#include "data/NoteSearch.h"

#include "core/db/AdoFunc.h"
#include "core/db/Transaction.h"
#include "data/UiTabs.h"

#include <QStringList>

namespace {

// The typed name matches as it stands: its own % and _ are no wildcards.
QString likeContaining(const QString &text)
{
    QString escaped = text;
    escaped.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    escaped.replace(QLatin1Char('%'), QLatin1String("\\%"));
    escaped.replace(QLatin1Char('_'), QLatin1String("\\_"));
    return QLatin1Char('%') + escaped + QLatin1Char('%');
}

} // namespace

int OpenNoteQuery(const QSqlDatabase &db, const NoteQuery &query)
{
    QStringList conditions{QStringLiteral("(1=1)")};
    QVariantList params;
    const auto narrow = [&](const QString &value, const QString &condition, const QVariant &param) {
        if (value.isEmpty())
            return;
        conditions.append(condition);
        params.append(param);
    };
    narrow(query.noteName, QStringLiteral("(NoteName like ? escape '\\')"), likeContaining(query.noteName));
    narrow(query.noteType, QStringLiteral("(NoteType = ?)"), query.noteType);
    narrow(query.area, QStringLiteral("(Area = ?)"), query.area);
    narrow(query.bank, QStringLiteral("(BankName = ?)"), query.bank);
    if (query.onlyOne)
        conditions.append(QStringLiteral("(\"default\" = '是')"));

    const int tabNo = SearchResultTabNo(db);
    Transaction tx(db);
    ExecTmpQuery(db, QStringLiteral("delete from s_ui where TabNo = ?"), {tabNo});
    ExecTmpQuery(db,
                 QStringLiteral("insert into s_ui (TabNo, ModId, Caption) select ?, cast(RefNo as integer), NoteNameType"
                                " from p_NoteList where %1 order by autoid")
                     .arg(conditions.join(QLatin1String(" and "))),
                 QVariantList{tabNo} + params);
    tx.commit();
    return tabNo;
}
