#include "FormatSql.h"

#include <QStringList>

namespace {

QString text(const QString &value)
{
    QString quoted = value;
    quoted.replace(QLatin1Char('\''), QLatin1String("''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

QString textOrNull(const QString &value)
{
    return value.isEmpty() ? QStringLiteral("NULL") : text(value);
}

QString yesNo(bool value)
{
    return text(value ? QStringLiteral("是") : QStringLiteral("否"));
}

QString number(const std::optional<int> &value)
{
    return value ? QString::number(*value) : QStringLiteral("NULL");
}

// Grids take tags from 500, every other field (grid columns too) from 1000, in sheet order.
QList<int> tagsOf(const FormSheet &sheet)
{
    QList<int> tags;
    int grids = 500, others = 1000;
    for (const SheetField &field : sheet.fields)
        tags.append(field.editKind == QStringLiteral("表格") ? grids++ : others++);
    return tags;
}

QString fieldRow(const FormSheet &sheet, const SheetField &field, int tag, int parent)
{
    const bool cells = field.editKind == QStringLiteral("小写金额") || field.editKind == QStringLiteral("等距字符串");
    const bool grid = field.editKind == QStringLiteral("表格");
    return QStringList{text(sheet.refNo),
                       QString::number(tag),
                       QString::number(parent),
                       text(field.caption),
                       textOrNull(field.column),
                       text(field.editKind),
                       QString::number(field.rect.x()),
                       QString::number(field.rect.y()),
                       QString::number(field.rect.width()),
                       QString::number(field.rect.height()),
                       text(field.font),
                       text(field.xAlign),
                       text(QStringLiteral("居中")),
                       yesNo(field.shown),
                       yesNo(field.printed),
                       yesNo(false),
                       yesNo(field.placeNames),
                       textOrNull(field.sumField),
                       QStringLiteral("0"),
                       textOrNull(field.dropDown),
                       QStringLiteral("1"),
                       textOrNull(field.dropRelated),
                       textOrNull(field.pickList),
                       textOrNull(field.pickTargets),
                       cells ? QString::number(field.digits) : QStringLiteral("NULL"),
                       cells ? QString::number(field.decimals) : QStringLiteral("NULL"),
                       grid ? QString::number(field.gridTitleHeight) : QStringLiteral("NULL"),
                       grid ? QString::number(field.gridLines) : QStringLiteral("NULL"),
                       textOrNull(field.gridFormula)}
        .join(QStringLiteral(", "));
}

} // namespace

QString FormatSql(const QList<FormSheet> &sheets, const QList<TemplateNote> &pictureColumns)
{
    QString sql = QStringLiteral(
        "-- Made at build time by the form generator (data/forms): do not edit, change the generator.\n"
        "-- The default format of every built-in bill kind, its fields on its picture's boxes, and\n"
        "-- its icon on the kind's tab and on 常用单据.\n");
    for (int i = 0; i < sheets.size(); ++i) {
        const FormSheet &sheet = sheets.at(i);
        const TemplateNote &picture = pictureColumns.at(i);
        sql += QStringLiteral(
                   "\nINSERT INTO p_NoteList (RefNo, NoteName, NoteNameType, NoteType, DataTablename, DetailTableName,"
                   " \"default\", DefNote, Xmove, Ymove, xDpi, yDpi, DpiUnit, ImgFile, ImgEnc, tWidth, tHeight, ConvertRate1,"
                   " ConvertRate2, smallpic, ZoomFactor, xPanelPos, ReviseBy, ReviseDate, ShowInUi, ShowInMenu) VALUES\n  (")
            + QStringList{text(sheet.refNo), text(sheet.kind), text(sheet.kind), text(sheet.kind), text(sheet.dataTable),
                          text(sheet.detailTable), text(QStringLiteral("是")), QStringLiteral("1"), QStringLiteral("0"),
                          QStringLiteral("0"), number(picture.xDpi),
                          number(picture.yDpi), number(picture.dpiUnit),
                          text(sheet.imageFile), number(picture.imgEnc),
                          text(picture.tWidth),
                          text(picture.tHeight), text(QString()), text(QString()),
                          text(sheet.iconFile), QStringLiteral("1"), QStringLiteral("0"), text(QStringLiteral("admin")),
                          text(QStringLiteral("2024-01-01")), text(QStringLiteral("是")), text(QStringLiteral("是"))}
                  .join(QStringLiteral(", "))
            + QStringLiteral(");\n");

        const QList<int> tags = tagsOf(sheet);
        QStringList rows;
        for (int f = 0; f < sheet.fields.size(); ++f) {
            const SheetField &field = sheet.fields.at(f);
            rows.append(QStringLiteral("  (") + fieldRow(sheet, field, tags.at(f), field.grid < 0 ? 0 : tags.at(field.grid))
                        + QLatin1Char(')'));
        }
        sql += QStringLiteral(
                   "INSERT INTO p_NoteCntlList (RefNo, Tag, ParentId, CtlCName, DbFieldName, FieldEditType, Ctlx, CtlY, CtlW,"
                   " CtlH, CtlFontName, xAlign, yAlign, NeedShow, NeedPrint, CaptionVisible, MultiLine, SumField, InitType,"
                   " DropDownName, DropDownLevel, DropRelComp, PickListName, pickSetFields, DigitalCount, FitParam,"
                   " GridTitleH, GridLineNum, GridCal) VALUES\n")
            + rows.join(QStringLiteral(",\n")) + QStringLiteral(";\n");

        sql += QStringLiteral("INSERT INTO s_ui (UserId, TabNo, ModId, MenuType, Caption, xPos, yPos)\n"
                              "  SELECT 'admin', TabNo, %1, (SELECT MenuType FROM Bs_SysSet), %2, 0, 0 FROM s_uiTab\n"
                              "  WHERE Caption IN (%2, '常用单据');\n")
                   .arg(sheet.refNo, text(sheet.kind));
    }
    return sql;
}
