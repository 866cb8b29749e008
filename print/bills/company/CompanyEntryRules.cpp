#include "bills/company/CompanyEntryRules.h"

#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/db/AdoFunc.h"
#include "gui/dialogs/MessageBoxes.h"

namespace {

struct DefaultMark
{
    const char *column;
    const char16_t *name;
};

// The editor's words for the marks.
constexpr DefaultMark kDefaultMarks[] = {{"isDefault", u"默认开户行"}, {"kdDefault", u"默认寄件地址"}};

qint64 ownEntriesMarked(const QSqlDatabase &db, const QString &column, const QString &condition = QString(),
                        const QVariantList &params = {})
{
    return SelTableIntValue(db,
                            QStringLiteral("select count(*) from bs_complist where bSelf = 1 and %1 = 1%2").arg(column, condition),
                            params);
}

} // namespace

QString CompanyListSql()
{
    return QStringLiteral("select * from bs_complist where autoid >= ? order by autoid ");
}

QString CompanyEntrySql()
{
    return QStringLiteral("select * from bs_complist where autoid = ?");
}

void SetCompanyEntryRules(DataSet &entries)
{
    entries.setOnNewRecord([](DataSet &set) {
        set.fieldByName(QStringLiteral("bSelf"))->setValue(0);
        set.fieldByName(QStringLiteral("isDefault"))->setValue(false);
        set.fieldByName(QStringLiteral("kdDefault"))->setValue(false);
    });
    entries.setBeforePost([](DataSet &set) {
        if (!set.fieldByName(QStringLiteral("compname"))->asString().trimmed().isEmpty())
            return true;
        ShowMsgHint(QStringLiteral("单位全称不能为空"));
        return false;
    });
}

QStringList DefaultMarksInBook(const QSqlDatabase &db)
{
    QStringList marks;
    for (const DefaultMark &mark : kDefaultMarks)
        if (ownEntriesMarked(db, QLatin1String(mark.column)) > 0)
            marks.append(QLatin1String(mark.column));
    return marks;
}

QString DefaultsLostByDeleting(const QSqlDatabase &db, const QList<qint64> &autoids)
{
    QStringList lost;
    for (const DefaultMark &mark : kDefaultMarks) {
        const QString column = QLatin1String(mark.column);
        qint64 deleted = 0;
        for (qint64 autoid : autoids)
            deleted += ownEntriesMarked(db, column, QStringLiteral(" and autoid = ?"), {autoid});
        if (deleted > 0 && deleted == ownEntriesMarked(db, column))
            lost.append(QString::fromUtf16(mark.name));
    }
    if (lost.isEmpty())
        return {};
    return QStringLiteral("删除后将没有%1。").arg(lost.join(QStringLiteral("和")));
}
