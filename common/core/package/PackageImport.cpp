#include "core/package/PackageImport.h"

#include "core/crypto/Des.h"
#include "core/db/AdoFunc.h"
#include "core/db/SqlName.h"
#include "core/db/StoredValue.h"
#include "core/db/TableCatalog.h"
#include "core/db/Transaction.h"
#include "core/dbfun/BillNumberIndex.h"
#include "core/dbfun/BillTableDdl.h"
#include "core/files/DurableFile.h"
#include "core/files/PendingFiles.h"
#include "core/globals/ProgramFolder.h"
#include "core/package/PackageFileNames.h"
#include "core/package/PackageFormatError.h"
#include "core/picture/Pic.h"
#include "core/picture/PictureCheck.h"
#include "core/picture/PictureError.h"
#include "core/template/FieldGeometry.h"
#include "core/template/TemplateFiles.h"
#include "core/template/TemplateStore.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <memory>
#include <optional>

namespace {

// A picture the package brings: the file name it takes and its bytes.
struct PackagePicture
{
    QString fileName;
    QByteArray bytes;
};

// A data table the package brings that does not exist here yet.
struct NewTable
{
    QString name;
    bool detail = false;
    QList<TableFieldDef> fields;
};

// Everything the import writes, checked before anything is written.
struct ImportPlan
{
    QString noteName;
    TemplateDocument document;
    std::optional<PackagePicture> picture;
    QSize page = kBlankPageSize; // where the fields must be seen: the picture's size
    std::optional<PackagePicture> icon;
    QList<NewTable> tables;
};

void require(bool sound)
{
    if (!sound)
        throw PackageFormatError();
}

QByteArray hexBytes(QString hex)
{
    hex.remove(QRegularExpression(QStringLiteral("\\s")));
    require(std::all_of(hex.cbegin(), hex.cend(), [](QChar c) {
        return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F') || (c >= u'a' && c <= u'f');
    }));
    return HexTextToBytes(hex.toLatin1());
}

// The picture when the package has one: its name (a plain file name) plus `extension`.
std::optional<PackagePicture> pictureOf(const PackageImage &image, const QString &extension)
{
    if (!image.present)
        return std::nullopt;
    const QByteArray bytes = hexBytes(image.hex);
    if (bytes.isEmpty())
        return std::nullopt;
    require(IsPlainFileName(image.name));
    return PackagePicture{image.name + extension, bytes};
}

void requireTableName(const QString &name)
{
    require(name.isEmpty() || IsValidSqlName(name));
}

QList<NewTable> newTablesOf(const QSqlDatabase &db, const PackageTemplate &package)
{
    QList<NewTable> tables;
    if (!package.hasTables)
        return tables;
    QSet<QString> seen;
    for (const PackageTable &table : package.tables) {
        requireTableName(table.tableName);
        if (table.tableName.isEmpty() || seen.contains(table.tableName.toLower()))
            continue;
        seen.insert(table.tableName.toLower());
        if (IsTableExists(db, table.tableName))
            continue;
        require(!DefinitionFault(table.tableName, table.fields));
        tables.append({table.tableName, table.type.trimmed() != QLatin1String("0"), table.fields});
    }
    return tables;
}

// The page the template's fields stand on: the package's picture, else the picture file the
// template names when it is here already, else the designer's blank page.
QSize pageOf(const ImportPlan &plan)
{
    if (plan.picture) {
        try {
            return CheckTemplatePicture(plan.picture->bytes, plan.picture->fileName).size;
        } catch (const PictureError &refusal) {
            throw PackageFormatError(QStringLiteral("背景图片") + refusal.message());
        }
    }
    const QString named = TemplateFilePath(TemplateFileKind::Picture, plan.document.note.imgFile);
    if (!named.isEmpty() && QFileInfo(named).isFile()) {
        try {
            return CheckTemplatePictureFile(named).size;
        } catch (const PictureError &) {
            // not a picture the designer can show: the blank page
        }
    }
    return kBlankPageSize;
}

// Fields that could never be seen (a size below one pixel, wholly off the page) are brought
// onto the page, so that the user finds and mends them in the designer.
void bringFieldsOntoPage(ImportPlan &plan)
{
    for (TemplateField &field : plan.document.fields)
        if (field.placed)
            field.rect = PictureRect::fromRect(FieldBroughtOntoPage(field.rect.toRect(), plan.page, field.kind));
}

ImportPlan planOf(const QSqlDatabase &db, const PackageTemplate &package)
{
    ImportPlan plan;
    plan.document = package.document;
    plan.noteName = plan.document.note.noteName;
    require(!plan.noteName.trimmed().isEmpty());
    requireTableName(plan.document.note.dataTableName);
    requireTableName(plan.document.note.detailTableName);
    plan.picture = pictureOf(package.picture, QStringLiteral(".jpg"));
    plan.icon = pictureOf(package.icon, QStringLiteral(".bmp"));
    plan.page = pageOf(plan);
    bringFieldsOntoPage(plan);
    plan.tables = newTablesOf(db, package);
    return plan;
}

bool noteExists(const QSqlDatabase &db, const QString &noteName)
{
    return !SqlTableIsEmpty(db, QStringLiteral("select 1 from p_NoteList where NoteName = ?"), {noteName});
}

// Whether the template's category is its kind's default (DefNote, shared by every format of the
// category): a replaced template keeps it, a category that is the default stays so, and a kind
// that has no default category gets this one. Read before the replaced row goes.
int kindDefaultFlag(const QSqlDatabase &db, const TemplateNote &note, const QString &noteName, bool replacing)
{
    const QString kind = note.noteType;
    const QString category = note.noteNameType;
    if (replacing && SelTableIntValue(db, QStringLiteral("select DefNote from p_NoteList where NoteName = ?"), {noteName}) == 1)
        return 1;
    const bool categoryIsDefault = !SqlTableIsEmpty(
        db, QStringLiteral("select 1 from p_NoteList where NoteType = ? and NoteNameType = ? and DefNote = 1 and NoteName <> ?"),
        {kind, category, noteName});
    const bool kindHasDefault = !SqlTableIsEmpty(
        db, QStringLiteral("select 1 from p_NoteList where NoteType = ? and DefNote = 1 and NoteName <> ?"), {kind, noteName});
    return categoryIsDefault || !kindHasDefault ? 1 : 0;
}

// The number the template keeps: its old one when it replaces a template (whose rows go),
// else a new one.
QString templateNumber(const QSqlDatabase &db, const QString &noteName, bool replacing)
{
    if (!replacing)
        return QString::number(GetBillSysNo(db));
    const QString number =
        SelTableStringValue(db, QStringLiteral("select RefNo from p_NoteList where NoteName = ?"), {noteName});
    ExecTmpQuery(db, QStringLiteral("delete from p_NoteList where RefNo = ?"), {number});
    ExecTmpQuery(db, QStringLiteral("delete from p_NoteCntlList where RefNo = ?"), {number});
    return number;
}

// The picture's density, when its header can be read.
void putPictureDensity(TemplateNote &note, const QString &stagedPicture)
{
    try {
        const JpegResolution resolution = GetJPEGRes(stagedPicture);
        note.xDpi = resolution.xDensity;
        note.yDpi = resolution.yDensity;
        note.dpiUnit = resolution.units;
    } catch (const CorvaneError &) {
        // No readable header: the resolution stays unset, as for a picture never measured.
    }
}

// The main-page icon of the category, under the tab of the bill kind (tab 0 when there is none).
void addMainPageIcon(const QSqlDatabase &db, const QString &number, const TemplateNote &note)
{
    const QString category = note.noteNameType;
    const qint64 tab = SelTableIntValue(db, QStringLiteral("select TabNo from s_UiTab where Caption = ?"),
                                        {note.noteType});
    if (SqlTableIsEmpty(db, QStringLiteral("select 1 from s_ui where Caption = ? and TabNo = ?"), {category, tab}))
        ExecTmpQuery(db, QStringLiteral("insert into s_ui (UserId, TabNo, ModId, Caption) values ('admin', ?, ?, ?)"),
                     {tab, number.toLongLong(), category});
}

// The definition rows of a table created from a package, so that it can be edited, filled and
// exported again like any other; a definition already here is left alone.
void saveDefinition(const QSqlDatabase &db, const NewTable &table, const QString &mainTable, const QString &userId)
{
    if (!SqlTableIsEmpty(db, QStringLiteral("select 1 from p_tables where TableName = ?"), {table.name}))
        return;
    const QString number = QString::number(GetBillSysNo(db));
    ExecTmpQuery(db,
                 QStringLiteral("insert into p_tables (RefNo, TableName, MainTableName, revisedate, reviseby, PostedBy) "
                                "values (?, ?, ?, ?, ?, ?)"),
                 {number, table.name, table.detail && !mainTable.isEmpty() ? QVariant(mainTable) : QVariant(),
                  DateToStored(QDate::currentDate()), userId, userId});
    for (int i = 0; i < table.fields.size(); ++i) {
        const TableFieldDef &def = table.fields[i];
        ExecTmpQuery(db,
                     QStringLiteral("insert into p_TableFields (RefNo, seqno, FieldName, FieldType, LEN, smalltype, "
                                    "BigType, CheckItems, Type) values (?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                     {number, i + 1, def.fieldName.trimmed(), def.fieldType.trimmed(), def.len, def.smallType,
                      def.bigType, def.checkItems, def.type});
    }
}

void createTables(const QSqlDatabase &db, const ImportPlan &plan, const QString &userId)
{
    const QString mainTable = plan.document.note.dataTableName;
    for (const NewTable &table : plan.tables) {
        const BillTableResult result = BuildBillTable(db, table.name, false, table.fields);
        if (result.outcome != BillTableOutcome::Done)
            throw CorvaneError(result.error.isEmpty() ? QStringLiteral("创建错误") : result.error);
        saveDefinition(db, table, mainTable, userId);
    }
    EnsureUniqueBillNumbers(db);
}

// A picture placed under a name no file has yet (the package's own name when free), so that
// the rows of the old template keep naming an intact old picture until the commit. The name is
// noted first: after a crash, the next start removes it unless a committed row names it.
class PlacedPicture
{
public:
    PlacedPicture(const QString &folder, const PackagePicture &picture) : m_folder(folder)
    {
        m_name = freeName(picture.fileName);
        if (const QString problem = PendingFiles::note(relative()); !problem.isEmpty())
            throw CorvaneError(problem);
        QDir().mkpath(ProgramFile(folder));
        if (const QString problem = WriteFileDurably(path(), picture.bytes); !problem.isEmpty())
            throw CorvaneError(problem);
        m_placed = true;
    }
    ~PlacedPicture()
    {
        if (m_placed && !m_kept)
            QFile::remove(path());
    }
    PlacedPicture(const PlacedPicture &) = delete;
    PlacedPicture &operator=(const PlacedPicture &) = delete;

    const QString &name() const { return m_name; }
    QString path() const { return ProgramFile(relative()); }
    void keep() { m_kept = true; }

private:
    QString relative() const { return m_folder + QLatin1Char('/') + m_name; }
    QString freeName(const QString &wanted) const
    {
        const QFileInfo info(wanted);
        const QString suffix = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
        QString name = wanted;
        for (int n = 1; QFileInfo::exists(ProgramFile(m_folder + QLatin1Char('/') + name)); ++n)
            name = info.completeBaseName() + QLatin1Char('-') + QString::number(n) + suffix;
        return name;
    }

    QString m_folder;
    QString m_name;
    bool m_placed = false;
    bool m_kept = false;
};

std::unique_ptr<PlacedPicture> place(const QString &folder, const std::optional<PackagePicture> &picture, bool replace)
{
    if (!picture)
        return nullptr;
    if (!replace && QFileInfo::exists(ProgramFile(folder + QLatin1Char('/') + picture->fileName)))
        return nullptr;
    return std::make_unique<PlacedPicture>(folder, *picture);
}

// The pictures of the template being replaced, which no row may name once the new one is in.
QStringList oldPictures(const QSqlDatabase &db, const QString &noteName)
{
    QStringList names;
    const QString image = SelTableStringValue(db, QStringLiteral("select ImgFile from p_NoteList where NoteName = ?"), {noteName});
    const QString icon = SelTableStringValue(db, QStringLiteral("select smallpic from p_NoteList where NoteName = ?"), {noteName});
    if (!image.isEmpty() && IsPlainFileName(image))
        names.append(QStringLiteral("images/") + image);
    if (!icon.isEmpty() && IsPlainFileName(icon))
        names.append(QStringLiteral("icons/") + icon);
    return names;
}

} // namespace

QString ImportPackage(const QSqlDatabase &db, const PackageTemplate &package, const PackageImportOptions &options)
{
    ImportPlan plan = planOf(db, package);
    const bool replacing = noteExists(db, plan.noteName);
    if (replacing && !(options.confirmReplace && options.confirmReplace(plan.noteName)))
        return {};

    const QStringList replaced = replacing ? oldPictures(db, plan.noteName) : QStringList();
    for (const QString &old : replaced)
        if (const QString problem = PendingFiles::note(old); !problem.isEmpty())
            throw CorvaneError(problem);
    const std::unique_ptr<PlacedPicture> picture = place(QStringLiteral("images"), plan.picture, true);
    const std::unique_ptr<PlacedPicture> icon = place(QStringLiteral("icons"), plan.icon, false);

    Transaction transaction(db);
    TemplateDocument document = plan.document;
    TemplateNote &note = document.note;
    note.defNote = kindDefaultFlag(db, note, plan.noteName, replacing);
    const QString number = templateNumber(db, plan.noteName, replacing);
    note.refNo = number;
    if (picture) {
        note.imgFile = picture->name();
        putPictureDensity(note, picture->path());
    }
    if (plan.icon) // an icon already there is used as it is
        note.smallpic = icon ? icon->name() : plan.icon->fileName;
    SaveTemplate(db, document);
    addMainPageIcon(db, number, note);
    createTables(db, plan, options.userId);
    transaction.commit();
    for (PlacedPicture *placed : {picture.get(), icon.get()})
        if (placed)
            placed->keep();
    // The replaced pictures go once nothing names them; what a crash leaves, the next start removes.
    for (const QString &old : replaced)
        if (!PendingFiles::isNamed(db, old))
            QFile::remove(ProgramFile(old));
    PendingFiles::settle(db);
    return plan.noteName;
}
