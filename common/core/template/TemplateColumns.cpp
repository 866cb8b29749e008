#include "core/template/TemplateColumns.h"

#include "core/errors/CorvaneError.h"

namespace {

const QString kYes = QStringLiteral("是");
const QString kNo = QStringLiteral("否");

// NULL stays a null QString; any stored text, the empty one too, is not null.
QString textOf(const QVariant &value)
{
    if (value.isNull())
        return {};
    const QString text = value.toString();
    return text.isNull() ? QStringLiteral("") : text;
}

QVariant storedText(const QString &text)
{
    return text.isNull() ? QVariant() : QVariant(text);
}

// A blank text counts as missing, as the bill form always read it.
std::optional<int> numberOf(const QVariant &value)
{
    if (value.isNull() || (value.typeId() == QMetaType::QString && value.toString().trimmed().isEmpty()))
        return std::nullopt;
    return value.toInt();
}

QVariant storedNumber(const std::optional<int> &number)
{
    return number ? QVariant(*number) : QVariant();
}

template <typename Row>
TemplateColumn<Row> text(const char *name, QString Row::*member)
{
    return {QString::fromUtf8(name), [member](const Row &row) { return storedText(row.*member); },
            [member](Row &row, const QVariant &value) { row.*member = textOf(value); }};
}

template <typename Row>
TemplateColumn<Row> number(const char *name, std::optional<int> Row::*member)
{
    return {QString::fromUtf8(name), [member](const Row &row) { return storedNumber(row.*member); },
            [member](Row &row, const QVariant &value) { row.*member = numberOf(value); }};
}

template <typename Row>
TemplateColumn<Row> whole(const char *name, int Row::*member)
{
    return {QString::fromUtf8(name), [member](const Row &row) { return QVariant(row.*member); },
            [member](Row &row, const QVariant &value) { row.*member = value.toInt(); }};
}

// 是 / 否; anything but 是 (blanks ignored) is no.
template <typename Row>
TemplateColumn<Row> yesNo(const char *name, bool Row::*member)
{
    return {QString::fromUtf8(name), [member](const Row &row) { return QVariant(row.*member ? kYes : kNo); },
            [member](Row &row, const QVariant &value) { row.*member = value.toString().trimmed() == kYes; }};
}

TemplateColumn<TemplateNote> millimetres(const char *name, Millimetres TemplateNote::*member)
{
    return {QString::fromUtf8(name), [member](const TemplateNote &row) { return QVariant((row.*member).value); },
            [member](TemplateNote &row, const QVariant &value) { row.*member = Millimetres(value.toDouble()); }};
}

TemplateColumn<TemplateField> pixels(const char *name, PicturePixels PictureRect::*member)
{
    return {QString::fromUtf8(name), [member](const TemplateField &row) { return QVariant((row.rect.*member).value); },
            [member](TemplateField &row, const QVariant &value) { row.rect.*member = PicturePixels(value.toInt()); }};
}

template <typename Row>
const TemplateColumn<Row> &columnNamed(const QList<TemplateColumn<Row>> &columns, const QString &name)
{
    for (const TemplateColumn<Row> &column : columns) {
        if (column.name.compare(name, Qt::CaseInsensitive) == 0)
            return column;
    }
    throw CorvaneError(QStringLiteral("模板没有字段 %1").arg(name));
}

} // namespace

const QList<TemplateColumn<TemplateNote>> &NoteColumns()
{
    using N = TemplateNote;
    static const QList<TemplateColumn<N>> columns = {
        text("RefNo", &N::refNo),
        text("NoteName", &N::noteName),
        text("NoteNameType", &N::noteNameType),
        text("NoteType", &N::noteType),
        text("DataTablename", &N::dataTableName),
        text("DetailTableName", &N::detailTableName),
        yesNo("default", &N::isDefault),
        number("DefNote", &N::defNote),
        millimetres("Xmove", &N::xMove),
        millimetres("Ymove", &N::yMove),
        number("xDpi", &N::xDpi),
        number("yDpi", &N::yDpi),
        number("DpiUnit", &N::dpiUnit),
        text("ImgFile", &N::imgFile),
        number("ImgEnc", &N::imgEnc),
        text("tWidth", &N::tWidth),
        text("tHeight", &N::tHeight),
        text("ConvertRate1", &N::convertRate1),
        text("ConvertRate2", &N::convertRate2),
        text("smallpic", &N::smallpic),
        {QStringLiteral("ZoomFactor"),
         [](const N &row) { return row.zoomFactor ? QVariant(*row.zoomFactor) : QVariant(); },
         [](N &row, const QVariant &value) {
             row.zoomFactor = value.isNull() ? std::nullopt : std::optional<double>(value.toDouble());
         }},
        number("xPanelPos", &N::xPanelPos),
        text("ReviseBy", &N::reviseBy),
        text("ReviseDate", &N::reviseDate),
        text("Area", &N::area),
        text("BankName", &N::bankName),
        text("Version", &N::version),
        text("Type", &N::type),
        text("ShowInUi", &N::showInUi),
        text("ShowInMenu", &N::showInMenu),
        text("PrinterName", &N::printerName),
    };
    return columns;
}

const QList<TemplateColumn<TemplateField>> &FieldColumns()
{
    using F = TemplateField;
    static const QList<TemplateColumn<F>> columns = {
        text("RefNo", &F::refNo),
        whole("Tag", &F::tag),
        whole("ParentId", &F::parentId),
        text("CtlCName", &F::caption),
        text("DbFieldName", &F::dbFieldName),
        {QStringLiteral("FieldEditType"), [](const F &row) { return storedText(row.kindText()); },
         [](F &row, const QVariant &value) {
             const QString stored = textOf(value);
             row.kind = EditKindOfStored(stored);
             row.unknownKind = row.kind == ekNone ? stored : QString();
         }},
        // A field whose Ctlx is NULL (or blank, as older writers left it) is not placed.
        {QStringLiteral("Ctlx"), [](const F &row) { return row.placed ? QVariant(row.rect.x.value) : QVariant(); },
         [](F &row, const QVariant &value) {
             row.placed = !value.isNull() && !value.toString().trimmed().isEmpty();
             row.rect.x = PicturePixels(row.placed ? value.toInt() : 0);
         }},
        pixels("CtlY", &PictureRect::y),
        pixels("CtlW", &PictureRect::width),
        pixels("CtlH", &PictureRect::height),
        {QStringLiteral("CtlFontName"), [](const F &row) { return row.font ? QVariant(row.font->text()) : QVariant(); },
         [](F &row, const QVariant &value) { row.font = FieldFont::decode(textOf(value)); }},
        text("xAlign", &F::xAlign),
        text("yAlign", &F::yAlign),
        yesNo("NeedShow", &F::needShow),
        yesNo("NeedPrint", &F::needPrint),
        yesNo("CaptionVisible", &F::captionVisible),
        yesNo("MultiLine", &F::multiLine),
        text("SumField", &F::sumField),
        number("InitType", &F::initType),
        text("DropDownName", &F::dropDownName),
        number("DropDownLevel", &F::dropDownLevel),
        text("DropRelComp", &F::dropRelComp),
        text("PickListName", &F::pickListName),
        text("pickSetFields", &F::pickSetFields),
        number("CheckRaidioCols", &F::checkRadioCols),
        number("DigitalCount", &F::digitalCount),
        number("FitParam", &F::fitParam),
        text("CtlType", &F::textForm),
        number("GridTitleH", &F::gridTitleH),
        number("GridLineNum", &F::gridLineNum),
        text("GridCal", &F::gridCal),
        number("readOnly", &F::readOnly),
        number("bEditDisplay", &F::bEditDisplay),
    };
    return columns;
}

const TemplateColumn<TemplateNote> &NoteColumn(const QString &name)
{
    return columnNamed(NoteColumns(), name);
}

const TemplateColumn<TemplateField> &FieldColumn(const QString &name)
{
    return columnNamed(FieldColumns(), name);
}
