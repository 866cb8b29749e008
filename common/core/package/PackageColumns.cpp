#include "core/package/PackageColumns.h"

#include "core/package/PackageFormatError.h"

namespace {
using K = PackageValueKind;
}

const QList<PackageColumn> &TemplateRowColumns()
{
    static const QList<PackageColumn> columns = {
        {QStringLiteral("**打印详细名称**"), QStringLiteral("NoteName"), QStringLiteral("NoteName"), K::Text},
        {QStringLiteral("**打印单据分类名称**"), QStringLiteral("NoteNameType"), QStringLiteral("NoteNameType"), K::Text},
        {QStringLiteral("**单据分类**"), QStringLiteral("NoteType"), QStringLiteral("NoteType"), K::Text},
        {QStringLiteral("**主数据表**"), QStringLiteral("DataTableName"), QStringLiteral("DataTablename"), K::Text},
        {QStringLiteral("**从数据表**"), QStringLiteral("DetailTableName"), QStringLiteral("DetailTableName"), K::Text},
        {QStringLiteral("**x偏移**"), QStringLiteral("Xmove"), QStringLiteral("Xmove"), K::Number},
        {QStringLiteral("**y偏移**"), QStringLiteral("Ymove"), QStringLiteral("Ymove"), K::Number},
        // Enciphered with the picture's name as key, which the import keeps: copied as they are.
        {QStringLiteral("**高度**"), QStringLiteral("tHeight"), QStringLiteral("tHeight"), K::Text},
        {QStringLiteral("**宽度**"), QStringLiteral("tWidth"), QStringLiteral("tWidth"), K::Text},
        {QStringLiteral("**类型**"), QString(), QStringLiteral("Type"), K::Text},
        {QStringLiteral("**是否在界面显示**"), QString(), QStringLiteral("ShowInUi"), K::Text},
        {QStringLiteral("**菜单显示**"), QString(), QStringLiteral("ShowInMenu"), K::Text},
        {QStringLiteral("**打印机名称**"), QString(), QStringLiteral("PrinterName"), K::Text},
        {QStringLiteral("**制作人**"), QStringLiteral("ReviseBy"), QStringLiteral("ReviseBy"), K::Text},
        {QStringLiteral("**日期**"), QStringLiteral("ReviseDate"), QStringLiteral("ReviseDate"), K::Text},
        {QStringLiteral("**版本**"), QString(), QStringLiteral("Version"), K::Text},
        {QStringLiteral("**图像格式**"), QStringLiteral("ImgEnc"), QStringLiteral("ImgEnc"), K::TrimmedInteger},
        {QStringLiteral("**地区**"), QStringLiteral("Area"), QStringLiteral("Area"), K::Text},
        {QStringLiteral("**银行名称**"), QStringLiteral("BankName"), QStringLiteral("BankName"), K::Text},
        {QStringLiteral("**挡板位置**"), QString(), QStringLiteral("xPanelPos"), K::Integer},
        {QStringLiteral("**转换率1**"), QString(), QStringLiteral("ConvertRate1"), K::Text},
        {QStringLiteral("**转换率2**"), QString(), QStringLiteral("ConvertRate2"), K::Text},
    };
    return columns;
}

const QList<PackageColumn> &FieldRowColumns()
{
    static const QList<PackageColumn> columns = {
        {QStringLiteral("**控件名称**"), QStringLiteral("CtrlName"), QStringLiteral("CtlCName"), K::Text},
        {QStringLiteral("**X位置**"), QStringLiteral("Ctlx"), QStringLiteral("Ctlx"), K::Integer},
        {QStringLiteral("**Y位置**"), QStringLiteral("CtlY"), QStringLiteral("CtlY"), K::Integer},
        {QStringLiteral("**宽度**"), QStringLiteral("CtlW"), QStringLiteral("CtlW"), K::Integer},
        {QStringLiteral("**高度**"), QStringLiteral("CtlH"), QStringLiteral("CtlH"), K::Integer},
        {QStringLiteral("**字体**"), QStringLiteral("CtlFontName"), QStringLiteral("CtlFontName"), K::Text},
        {QStringLiteral("**字段名**"), QStringLiteral("dbFieldName"), QStringLiteral("DbFieldName"), K::Text},
        {QStringLiteral("**只读**"), QStringLiteral("readOnly"), QStringLiteral("readOnly"), K::Integer},
        {QStringLiteral("**编辑显示**"), QStringLiteral("bEditDisplay"), QStringLiteral("bEditDisplay"), K::Integer},
        {QStringLiteral("**编辑类型**"), QStringLiteral("fieldEditType"), QStringLiteral("FieldEditType"), K::Text},
        {QStringLiteral("**选择器名称**"), QStringLiteral("pickListName"), QStringLiteral("PickListName"), K::Text},
        {QStringLiteral("**选择器字段**"), QStringLiteral("pickSetFields"), QStringLiteral("pickSetFields"), K::Text},
        {QStringLiteral("**下拉级数**"), QStringLiteral("DropDownLevel"), QStringLiteral("DropDownLevel"), K::Integer},
        {QStringLiteral("**下拉名称**"), QStringLiteral("DropDownName"), QStringLiteral("DropDownName"), K::Text},
        {QStringLiteral("**下拉相关字段**"), QStringLiteral("DropRelComp"), QStringLiteral("DropRelComp"), K::Text},
        {QStringLiteral("**初始化类型**"), QStringLiteral("InitType"), QStringLiteral("InitType"), K::Integer},
        {QStringLiteral("**是否显示**"), QStringLiteral("NeedShow"), QStringLiteral("NeedShow"), K::Text},
        {QStringLiteral("**是否打印**"), QStringLiteral("NeedPrint"), QStringLiteral("NeedPrint"), K::Text},
        {QStringLiteral("**控件标识**"), QStringLiteral("Tag"), QStringLiteral("Tag"), K::Integer},
        {QStringLiteral("**横向对齐方式**"), QStringLiteral("xAlign"), QStringLiteral("xAlign"), K::Text},
        {QStringLiteral("**纵向对齐方式**"), QStringLiteral("yAlign"), QStringLiteral("yAlign"), K::Text},
        {QStringLiteral("**标题是否可见**"), QStringLiteral("CaptionVisible"), QStringLiteral("CaptionVisible"), K::Text},
        {QStringLiteral("**复选框列数**"), QStringLiteral("CheckRaidioCols"), QStringLiteral("CheckRaidioCols"), K::TrimmedInteger},
        {QStringLiteral("**是否多行**"), QStringLiteral("MultiLine"), QStringLiteral("MultiLine"), K::Text},
        {QStringLiteral("**表格计算器**"), QStringLiteral("GridCal"), QStringLiteral("GridCal"), K::Text},
        {QStringLiteral("**父节点**"), QStringLiteral("ParentID"), QStringLiteral("ParentId"), K::Integer},
        {QStringLiteral("**累加字段**"), QStringLiteral("SumField"), QStringLiteral("SumField"), K::Text},
        {QStringLiteral("**字串长度**"), QStringLiteral("DigitalCount"), QStringLiteral("DigitalCount"), K::TrimmedInteger},
        {QStringLiteral("**小数点位数**"), QStringLiteral("FitParam"), QStringLiteral("FitParam"), K::TrimmedInteger},
        {QStringLiteral("**字串打印格式**"), QStringLiteral("CtlType"), QStringLiteral("CtlType"), K::Text},
        {QStringLiteral("**表格标题高度**"), QStringLiteral("GridTitleH"), QStringLiteral("GridTitleH"), K::TrimmedInteger},
        {QStringLiteral("**表格行数**"), QStringLiteral("GridLineNum"), QStringLiteral("GridLineNum"), K::TrimmedInteger},
    };
    return columns;
}

QVariant PackageValue(const QString &text, PackageValueKind kind)
{
    const QString trimmed = text.trimmed();
    bool ok = true;
    QVariant value;
    switch (kind) {
    case K::Text:
        return text.isEmpty() ? QVariant() : QVariant(text);
    case K::Number:
        if (trimmed.isEmpty())
            return {};
        value = trimmed.toDouble(&ok);
        break;
    case K::Integer:
        if (trimmed.isEmpty())
            return {};
        value = trimmed.toLongLong(&ok);
        break;
    case K::TrimmedInteger:
        value = trimmed.isEmpty() ? 0 : trimmed.toLongLong(&ok);
        break;
    }
    if (!ok)
        throw PackageFormatError();
    return value;
}
