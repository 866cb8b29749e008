#include "bills/company/CompanyEntryRules.h"

#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "gui/dialogs/MessageBoxes.h"

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
