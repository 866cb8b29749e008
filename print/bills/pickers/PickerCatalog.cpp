#include "bills/pickers/PickerCatalog.h"

namespace {

const QString kCompanyTable = QStringLiteral("bs_compList");
const QString kProductTable = QStringLiteral("Bs_ProdList");
const QString kOwn = QStringLiteral("bself=1");
const QString kPartner = QStringLiteral("bself=0");

const QString kBankSpec =
    QStringLiteral("compname,compbankname,compbankcount,province,city,bankno;公司名称,开户银行,银行账户,省,市,行号");
const QString kUnitSpec = QStringLiteral(
    "compname,compaddr,contact,telephone,phone,mailNO,province,city,area;公司名称,地址,联系人,手机,电话,邮编,省,市,区");
const QString kContactSpec = QStringLiteral("compname,compaddr,contact,telephone;公司名称,地址,联系人,电话");
const QString kProductSpec = QStringLiteral("Partno,PartName,PartSpec,Unit,Price;货号,品名,规格,单位,价格");

// Account number before bank name.
const QStringList kBankReturn = {QStringLiteral("compname"), QStringLiteral("compbankcount"),
                                 QStringLiteral("compbankname"), QStringLiteral("province"),
                                 QStringLiteral("city"), QStringLiteral("bankno")};
const QStringList kUnitReturn = {QStringLiteral("compname"), QStringLiteral("compaddr"), QStringLiteral("contact"),
                                 QStringLiteral("telephone"), QStringLiteral("phone"), QStringLiteral("mailNO"),
                                 QStringLiteral("province"), QStringLiteral("city"), QStringLiteral("area")};

Picker unitPicker(const QString &condition)
{
    return {QStringLiteral("选择单位资料"), kCompanyTable, condition, kUnitSpec, kUnitReturn};
}

QStringList splitList(const QString &list)
{
    return list.isEmpty() ? QStringList() : list.split(QLatin1Char(','));
}

} // namespace

QList<PickColumn> PickColumnsOfSpec(const QString &columnSpec)
{
    const QString fields = columnSpec.section(QLatin1Char(';'), 0, 0);
    const QStringList titles = splitList(columnSpec.section(QLatin1Char(';'), 1, 1));
    QList<PickColumn> columns;
    const QStringList names = splitList(fields);
    for (qsizetype i = 0; i < names.size(); ++i)
        columns.append({names.at(i).trimmed(), titles.value(i).trimmed()});
    return columns;
}

Picker CustBankPicker(const QString &condition)
{
    return {QStringLiteral("选择银行账户资料"), kCompanyTable, condition, kBankSpec, kBankReturn};
}

std::optional<Picker> PickerOfNumber(int number)
{
    switch (number) {
    case 1:
        return CustBankPicker(QString());
    case 2:
        return Picker{QStringLiteral("选择公司资料"), kCompanyTable, QString(), kContactSpec,
                      {QStringLiteral("compname"), QStringLiteral("compaddr"), QStringLiteral("contact"),
                       QStringLiteral("telephone")}};
    case 3:
        return Picker{QStringLiteral("选择产品"), kProductTable, QString(), kProductSpec,
                      {QStringLiteral("Partno"), QStringLiteral("PartName"), QStringLiteral("PartSpec"),
                       QStringLiteral("Unit"), QStringLiteral("Price")}};
    case 4:
        return CustBankPicker(kPartner);
    case 5:
        // The entry's autoid last: a delivery note keeps it as 客户编号 for its waybill.
        return Picker{QStringLiteral("选择收货单位"), kCompanyTable, kPartner, kContactSpec,
                      {QStringLiteral("compname"), QStringLiteral("compaddr"), QStringLiteral("telephone"),
                       QStringLiteral("autoid")}};
    case 6:
        return unitPicker(QString());
    case 7:
        return unitPicker(kOwn);
    case 8:
        return unitPicker(kPartner);
    case 9:
        return Picker{QStringLiteral("选择出票账户"), kCompanyTable, kOwn,
                      QStringLiteral("compname,compbankname,compbankcount,bankno;公司名称,开户银行,银行账户,行号"),
                      {QStringLiteral("compname"), QStringLiteral("compbankcount"), QStringLiteral("compbankname"),
                       QStringLiteral("bankno")}};
    case 10:
        return CustBankPicker(kOwn);
    case 11:
        return Picker{QStringLiteral("选择客户资料"), kCompanyTable, kPartner,
                      QStringLiteral("compname,Compid,compbankname,compaddr;公司名称,税号,开户行,地址"),
                      {QStringLiteral("compname"), QStringLiteral("Compid"), QStringLiteral("compbankname"),
                       QStringLiteral("compaddr")}};
    default:
        return std::nullopt;
    }
}

Picker CustNameKdPicker()
{
    return {QStringLiteral("选择收件单位"), kCompanyTable, kPartner, kContactSpec, {QStringLiteral("compname")}};
}

Picker CustNameChd2Picker()
{
    return {QStringLiteral("选择收货单位"), kCompanyTable, kPartner, kContactSpec, {QStringLiteral("compname")}};
}

Picker CompNameBankPicker()
{
    return {QStringLiteral("选择单位"), kCompanyTable, QString(),
            QStringLiteral("compname,compbankname,compbankcount,province,city;公司名称,开户银行,银行账户,省,市"),
            {QStringLiteral("compname")}};
}

Picker SelfBankPicker()
{
    return {QStringLiteral("选择出票账户"), kCompanyTable, kOwn,
            QStringLiteral("compname,compbankname,compbankcount;公司名称,开户银行,银行账户"),
            {QStringLiteral("compbankname")}};
}

Picker ProductPicker(const QString &returnField)
{
    return {QStringLiteral("选择产品"), kProductTable, QString(), kProductSpec, {returnField}};
}
