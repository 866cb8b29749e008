#include "bills/pickers/PickData.h"

#include "bills/pickers/TPickDataForm.h"

namespace {

// Searching covers the columns the picker shows.
QString pickShown(const QSqlDatabase &db, QWidget *owner, const Picker &picker)
{
    QStringList shown;
    for (const PickColumn &column : PickColumnsOfSpec(picker.columnSpec))
        shown.append(column.field);
    return PickDataToControl(db, owner, picker, shown);
}

} // namespace

QString PickDataToControl(const QSqlDatabase &db, QWidget *owner, const Picker &picker, const QStringList &searchFields)
{
    TPickDataForm form(owner);
    form.openPicker(db, picker, searchFields);
    form.exec();
    return form.chosenValues();
}

QString GetPickData(const QSqlDatabase &db, QWidget *owner, int number)
{
    const std::optional<Picker> picker = PickerOfNumber(number);
    return picker ? pickShown(db, owner, *picker) : QString();
}

QString PickCustBank(const QSqlDatabase &db, QWidget *owner, const QString &condition)
{
    return pickShown(db, owner, CustBankPicker(condition));
}

QString PickCustName_Chd(const QSqlDatabase &db, QWidget *owner)
{
    return GetPickData(db, owner, 5);
}

QString PickCustName_Kd(const QSqlDatabase &db, QWidget *owner)
{
    return pickShown(db, owner, CustNameKdPicker());
}

QString PickCustName_Chd2(const QSqlDatabase &db, QWidget *owner)
{
    return pickShown(db, owner, CustNameChd2Picker());
}

QString PickCompName_bank(const QSqlDatabase &db, QWidget *owner)
{
    return pickShown(db, owner, CompNameBankPicker());
}

QString PickSelfBank(const QSqlDatabase &db, QWidget *owner)
{
    return pickShown(db, owner, SelfBankPicker());
}

QString PickProductPartNo(const QSqlDatabase &db, QWidget *owner)
{
    return pickShown(db, owner, ProductPicker(QStringLiteral("PartNo")));
}

QString PickProductPartName(const QSqlDatabase &db, QWidget *owner)
{
    return pickShown(db, owner, ProductPicker(QStringLiteral("PartName")));
}

QString PickProductPartSpec(const QSqlDatabase &db, QWidget *owner)
{
    return pickShown(db, owner, ProductPicker(QStringLiteral("PartSpec")));
}
