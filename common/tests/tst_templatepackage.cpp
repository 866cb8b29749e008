#include "BuiltFolders.h"
#include "TestProgramFolder.h"
#include "MessageScript.h"
#include "ExternalTool.h"
#include "SqliteShell.h"
#include "helpers/TestFiles.h"

#include "core/archive/PasswordArchive.h"
#include "core/db/AdoFunc.h"
#include "core/db/Transaction.h"
#include "core/dbfun/BillTableDdl.h"
#include "core/globals/PubDm.h"
#include "core/package/PackageFile.h"
#include "core/package/PackageFormatError.h"
#include "core/package/StagedFile.h"
#include "core/template/TemplateStore.h"
#include "core/text/GbkCodec.h"
#include "gui/desktop/DesktopOpener.h"
#include "gui/dialogs/FileDialogSeam.h"
#include "gui/package/ExportPrintNoteStyle.h"
#include "gui/package/GetPrintNoteFromFile.h"

#include <QBuffer>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

// Markup characters, quotes, a placeholder's own text, a separator and a character GBK has no
// form for: all must come back as they were.
const QString kNoteName = QStringLiteral("工行\"支票\" & <转账> 'A' **x偏移** 😀/1");
const QString kEntryName = QStringLiteral("工行\"支票\" & <转账> 'A' **x偏移** __1.xml");
const QString kCategory = QStringLiteral("工行支票");
const QString kMainTable = QStringLiteral("测试表");
const QString kDetailTable = QStringLiteral("测试表明细");
const QString kPicture = QStringLiteral("票样&1");
const QString kIcon = QStringLiteral("图标 1");

// Columns of a template's fields as the sqlite3 shell reads them, in print order.
const QString kFieldColumns = QStringLiteral(
    "Tag,ParentId,CtlCName,DbFieldName,FieldEditType,quote(Ctlx),CtlY,CtlW,CtlH,CtlFontName,xAlign,yAlign,"
    "NeedShow,NeedPrint,CaptionVisible,MultiLine,SumField,InitType,DropDownName,DropDownLevel,DropRelComp,"
    "PickListName,pickSetFields,CheckRaidioCols,DigitalCount,FitParam,hex(CtlType),GridTitleH,GridLineNum,"
    "hex(GridCal),readOnly,bEditDisplay");

QByteArray bitmap()
{
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

// The package's entries as Python's zipfile reads them with `password`: GBK names (no UTF-8
// flag), the XML decoded strictly as GBK and parsed by Python's own XML reader.
const char *pythonPackageReader = R"(
import json, re, sys, zipfile
import xml.etree.ElementTree as ET
z = zipfile.ZipFile(sys.argv[1])
entries = z.infolist()
info = entries[0]
name = info.filename if info.flag_bits & 0x800 else info.filename.encode('cp437').decode('gbk')
text = z.read(info, pwd=sys.argv[2].encode()).decode('gbk')
root = ET.fromstring(re.sub(r'^<\?xml[^>]*\?>', '', text))
print(json.dumps({'count': len(entries), 'utf8': bool(info.flag_bits & 0x800), 'name': name,
                  'declaration': text.splitlines()[0], 'NoteName': root.findtext('NoteName'),
                  'GridCal': root.find('Components')[1].findtext('GridCal'),
                  'tables': [t.findtext('TableName') + ':' + t.findtext('Type') for t in root.find('Tables')]}))
)";

QStringList folderListing(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace

// Template packages: export, the archive as other tools read it, import into a fresh program
// folder, refusal of crafted packages and all-or-nothing imports.
class TestTemplatePackage : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_store; // packages outlive the program folders
    std::unique_ptr<TestProgramFolder> m_folder;

    QString stored(const QString &name) const { return m_store.filePath(name); }
    QString shell(const QString &sql) const
    {
        return SqliteShellRows(m_folder->databasePath(), sql).join(QLatin1Char('\n'));
    }

    // A fresh program folder with the shipped text templates.
    void freshFolder()
    {
        m_folder.reset();
        m_folder = std::make_unique<TestProgramFolder>();
        const QDir shipped(BuiltProgramFolder() + QStringLiteral("/xml"));
        for (const QString &name : shipped.entryList(QDir::Files))
            QVERIFY(QFile::copy(shipped.filePath(name), m_folder->file(QStringLiteral("xml/") + name)));
        m_folder->openDatabase();
        m_folder->removeShippedFormats();
        sCurUserId = QStringLiteral("tester");
    }

    void defineTable(const QString &refNo, const QString &table, const QList<QStringList> &fields)
    {
        ExecTmpQuery(CurAdo, QStringLiteral("insert into p_tables (RefNo, TableName) values (?, ?)"), {refNo, table});
        int seq = 0;
        for (const QStringList &f : fields) {
            ExecTmpQuery(CurAdo,
                         QStringLiteral("insert into p_TableFields (RefNo, seqno, FieldName, FieldType, LEN, "
                                        "smalltype, BigType, CheckItems, Type) values (?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                         {refNo, ++seq, f[0], f[1], f[2].toInt(), f[3], f[4], f[5], f[6].toInt()});
        }
        QCOMPARE(int(BuildBillTable(CurAdo, table, false).outcome), int(BillTableOutcome::Done));
    }

    static TemplateField &field(TemplateDocument &document, int tag, const QString &kind, const QString &column)
    {
        TemplateField &row = document.addField(EditKindIndex(GetEditType(kind)));
        row.tag = tag;
        row.caption = column + QStringLiteral(" & <标题>");
        row.dbFieldName = column;
        row.placed = true;
        row.rect = PictureRect::fromRect(QRect(10 + tag % 100, 20, 120, 24));
        for (std::optional<int> *count : {&row.checkRadioCols, &row.digitalCount, &row.fitParam, &row.gridTitleH, &row.gridLineNum})
            *count = count->value_or(0);
        return row;
    }

    static void addTemplate(const QString &name, const QString &category)
    {
        TemplateDocument document = NewTemplateDocument(CurAdo, QStringLiteral("x"), QDate(2024, 1, 1));
        document.note.noteName = name;
        document.note.noteNameType = category;
        SaveTemplate(CurAdo, document);
    }

    // A template with two data tables, a picture, an icon and fields of several kinds.
    void makeTemplate(const QString &name)
    {
        defineTable(QStringLiteral("901"), kMainTable,
                    {{QStringLiteral("金额"), QStringLiteral("金额"), QStringLiteral("0"), QStringLiteral("小写拆分"),
                      QStringLiteral("合并+拆分"), QString(), QStringLiteral("0")},
                     {QStringLiteral("付款日期"), QStringLiteral("日期"), QStringLiteral("0"), QString(),
                      QStringLiteral("大写合并"), QString(), QStringLiteral("0")},
                     {QStringLiteral("性别"), QStringLiteral("复选框"), QStringLiteral("2"), QString(), QString(),
                      QStringLiteral("男 ; 女"), QStringLiteral("1")},
                     {QStringLiteral("名称&<x>"), QStringLiteral("字符型"), QStringLiteral("40"), QString(),
                      QString(), QString(), QStringLiteral("0")}});
        defineTable(QStringLiteral("902"), kDetailTable,
                    {{QStringLiteral("数量"), QStringLiteral("整数"), QStringLiteral("0"), QString(), QString(),
                      QString(), QStringLiteral("0")}});
        writeFile(m_folder->file(QStringLiteral("images/") + kPicture + QStringLiteral(".jpg")), JfifJpeg(64, 40, 200, 100));
        writeFile(m_folder->file(QStringLiteral("icons/") + kIcon + QStringLiteral(".bmp")), bitmap());

        TemplateDocument document = NewTemplateDocument(CurAdo, QStringLiteral("maker"), QDate(2024, 3, 9));
        TemplateNote &note = document.note;
        note.noteName = name;
        note.noteNameType = kCategory;
        note.noteType = QStringLiteral("支票");
        note.dataTableName = kMainTable;
        note.detailTableName = kDetailTable;
        note.xMove = Millimetres(1.5);
        note.yMove = Millimetres(-2.25);
        note.imgFile = kPicture + QStringLiteral(".jpg");
        note.imgEnc = 0;
        note.tWidth = QStringLiteral("a1b2c3");
        note.tHeight = QStringLiteral("d4e5f6");
        note.smallpic = kIcon + QStringLiteral(".bmp");
        note.area = QStringLiteral("广东");
        note.bankName = QStringLiteral("工商银行");

        field(document, 1000, QStringLiteral("小写金额"), QStringLiteral("金额"));
        TemplateField &grid = field(document, 500, QStringLiteral("表格"), kDetailTable);
        grid.gridLineNum = 3;
        grid.gridTitleH = 18;
        grid.gridCal = QStringLiteral("金额 =单价 *数量\r\n\t<下一行>");
        TemplateField &column = field(document, 1001, QStringLiteral("编辑器"), QStringLiteral("数量"));
        column.parentId = 500;
        column.sumField = QStringLiteral("是");
        TemplateField &unplaced = field(document, 1002, QStringLiteral("等距字符串"), QStringLiteral("名称&<x>"));
        unplaced.placed = false;
        unplaced.textForm = QStringLiteral("  %s  ");
        unplaced.readOnly = 1;
        SaveTemplate(CurAdo, document);
    }

    QString fieldRows(const QString &name) const
    {
        return shell(QStringLiteral("select %1 from p_NoteCntlList where RefNo = (select RefNo from p_NoteList "
                                    "where NoteName = '%2') order by autoid")
                         .arg(kFieldColumns, QString(name).replace('\'', QLatin1String("''"))));
    }

    QString definitionRows(const QString &table) const
    {
        return shell(QStringLiteral("select b.seqno, b.FieldName, b.FieldType, b.LEN, b.smalltype, b.BigType, "
                                    "b.CheckItems, b.Type from p_tables a join p_TableFields b on a.RefNo = b.RefNo "
                                    "where a.TableName = '%1' order by b.seqno")
                         .arg(table));
    }

    // The state an import must leave alone when it fails: every row of the tables it writes,
    // the schema, the counter and the picture folders.
    QString snapshot() const
    {
        return shell(QStringLiteral("select * from p_NoteList; select * from p_NoteCntlList; select * from p_tables; "
                                    "select * from p_TableFields; select * from s_ui; select * from Bs_SysSet; "
                                    "select name, sql from sqlite_master order by name"))
            + folderListing(m_folder->file(QStringLiteral("images"))).join(QLatin1Char(','))
            + folderListing(m_folder->file(QStringLiteral("icons"))).join(QLatin1Char(','))
            + folderListing(m_folder->path()).join(QLatin1Char(','));
    }

    // A package of the template made in a fresh source folder, kept outside any program folder.
    QString exportedPackage(const QString &name, const QString &file)
    {
        freshFolder();
        makeTemplate(name);
        const QString package = stored(file);
        const ArchiveResult written = GetXmlFileByNote(CurAdo, name, package, PackagePassword());
        if (!written)
            qWarning() << written.reason;
        return written ? package : QString();
    }

    QString importFile(const QString &file)
    {
        return InputPackageFile(CurAdo, file, {QStringLiteral("tester"), [](const QString &) { return true; }}).noteName;
    }

    // The package XML with one text replaced, as a package zipped by the zip tool.
    QString craftedPackage(const QString &package, const QString &from, const QString &to)
    {
        QTemporaryDir work;
        const ArchiveResult unzipped = UnZipFiles(package, work.path(), PackagePassword());
        if (!unzipped)
            return {};
        const QString xmlPath = QDir(work.path()).filePath(unzipped.names.first());
        QString xml = fromGbk(readFile(xmlPath));
        if (!xml.contains(from))
            return {};
        writeFile(QDir(work.path()).filePath(QStringLiteral("crafted.xml")), toGbk(xml.replace(from, to)));
        const QString crafted = stored(QStringLiteral("crafted.pnt"));
        QFile::remove(crafted);
        const ToolRun zip = runTool(QStringLiteral("zip"), {QStringLiteral("-q"), QStringLiteral("-P"), PackagePassword(),
                                                            crafted, QStringLiteral("crafted.xml")},
                                    work.path());
        return zip.exitCode == 0 ? crafted : QString();
    }

private Q_SLOTS:
    void init() { QVERIFY(m_store.isValid()); }
    void cleanup()
    {
        MessageSeam::setHandler({});
        FileDialogSeam::setHandler({});
        DesktopOpener::setHandler({});
        m_folder.reset();
    }

    void packageOpensWithOtherTools()
    {
        const QString package = exportedPackage(kNoteName, QStringLiteral("one.pnt"));
        QVERIFY(!package.isEmpty());
        QCOMPARE(runTool(QStringLiteral("unzip"), {QStringLiteral("-tqq"), QStringLiteral("-P"), PackagePassword(), package})
                     .exitCode,
                 0);
        QVERIFY(runTool(QStringLiteral("unzip"), {QStringLiteral("-tqq"), QStringLiteral("-P"), QStringLiteral("wrong"), package})
                    .exitCode
                != 0);

        const ToolRun run = runPython(pythonPackageReader, {package, PackagePassword()});
        QVERIFY2(run.exitCode == 0, run.errors.constData());
        const QJsonObject seen = QJsonDocument::fromJson(run.output).object();
        QCOMPARE(seen.value("count").toInt(), 1);
        QCOMPARE(seen.value("utf8").toBool(), false);
        QCOMPARE(seen.value("name").toString(), kEntryName);
        QCOMPARE(seen.value("declaration").toString(), QStringLiteral("<?xml version=\"1.0\" encoding=\"GBK\"?>"));
        QCOMPARE(seen.value("NoteName").toString(), kNoteName);
        QCOMPARE(seen.value("GridCal").toString(), QStringLiteral("金额 =单价 *数量\r\n\t<下一行>"));
        QCOMPARE(seen.value("tables").toVariant().toStringList(),
                 QStringList({kMainTable + QStringLiteral(":0"), kDetailTable + QStringLiteral(":1")}));
    }

    void emptyPasswordUsesTheKey()
    {
        exportedPackage(QStringLiteral("无密码"), QStringLiteral("unused.pnt"));
        const QString package = stored(QStringLiteral("key.pnt"));
        QVERIFY(GetXmlFileByNote(CurAdo, QStringLiteral("无密码"), package, QString()));
        const ToolRun run = runPython(pythonPackageReader, {package, EmptyPasswordKey()});
        QVERIFY2(run.exitCode == 0, run.errors.constData());
        QCOMPARE(QJsonDocument::fromJson(run.output).object().value("NoteName").toString(), QStringLiteral("无密码"));
        QCOMPARE(EmptyPasswordKey().size(), 10);

        // What the bulk export writes imports again.
        freshFolder();
        QCOMPARE(importFile(package), QStringLiteral("无密码"));
        QCOMPARE(shell(QStringLiteral("select count(*) from p_NoteCntlList")), QStringLiteral("4"));
    }

    // DefNote marks the kind's default category: a re-import over a format keeps it, an import
    // into a kind without a default makes it the default, and one into a kind that has another
    // default leaves that alone.
    void importKeepsTheKindsDefault()
    {
        const QString package = exportedPackage(QStringLiteral("乙"), QStringLiteral("d.pnt"));
        const QString kind = shell(QStringLiteral("select NoteType from p_NoteList where NoteName = '乙'"));
        const auto defNote = [this] { return shell(QStringLiteral("select \"default\", DefNote from p_NoteList where NoteName = '乙'")); };

        freshFolder();
        ExecTmpQuery(CurAdo, QStringLiteral("delete from p_NoteList where NoteType = ?"), {kind});
        QCOMPARE(importFile(package), QStringLiteral("乙"));
        QCOMPARE(defNote(), QStringLiteral("是|1"));
        QCOMPARE(importFile(package), QStringLiteral("乙"));
        QCOMPARE(defNote(), QStringLiteral("是|1"));

        freshFolder();
        ExecTmpQuery(CurAdo, QStringLiteral("delete from p_NoteList where NoteType = ?"), {kind});
        TemplateDocument other = NewTemplateDocument(CurAdo, QStringLiteral("x"), QDate(2024, 1, 1));
        other.note.noteName = QStringLiteral("丁");
        other.note.noteNameType = QStringLiteral("别的分类");
        other.note.noteType = kind;
        other.note.defNote = 1;
        SaveTemplate(CurAdo, other);
        QCOMPARE(importFile(package), QStringLiteral("乙"));
        QCOMPARE(defNote(), QStringLiteral("是|0"));
        QCOMPARE(shell(QStringLiteral("select DefNote from p_NoteList where NoteName = '丁'")), QStringLiteral("1"));
    }

    void exportReplacesAnOldFileWhole()
    {
        exportedPackage(QStringLiteral("甲"), QStringLiteral("unused.pnt"));
        const QString package = stored(QStringLiteral("old.pnt"));
        writeFile(stored(QStringLiteral("other.txt")), "other");
        QVERIFY(ZipFileLists({stored(QStringLiteral("other.txt"))}, package, PackagePassword()));
        QVERIFY(GetXmlFileByNote(CurAdo, QStringLiteral("甲"), package, PackagePassword()));
        const ToolRun run = runPython(pythonPackageReader, {package, PackagePassword()});
        QCOMPARE(QJsonDocument::fromJson(run.output).object().value("count").toInt(), 1);

        QVERIFY(!GetXmlFileByNote(CurAdo, QStringLiteral("没有这个"), package, PackagePassword()));
        QCOMPARE(runPython(pythonPackageReader, {package, PackagePassword()}).output, run.output);
    }

    void roundTripIntoAFreshFolder()
    {
        const QString package = exportedPackage(kNoteName, QStringLiteral("trip.pnt"));
        QVERIFY(!package.isEmpty());
        const QString sourceFields = fieldRows(kNoteName);
        const QStringList sourceColumns = SqliteShellColumns(m_folder->databasePath(), kMainTable);
        const QString sourceDefinition = definitionRows(kMainTable);
        const QString sourceNote = shell(QStringLiteral("select NoteName, NoteNameType, NoteType, DataTablename, "
                                                        "DetailTableName, Xmove, Ymove, tWidth, tHeight, ImgFile, ImgEnc, "
                                                        "smallpic, Area, BankName, ReviseBy, ReviseDate from p_NoteList"));
        const QByteArray picture = readFile(m_folder->file(QStringLiteral("images/") + kPicture + QStringLiteral(".jpg")));
        const QByteArray icon = readFile(m_folder->file(QStringLiteral("icons/") + kIcon + QStringLiteral(".bmp")));
        const QString firstXml = QString::fromUtf8(runPython(pythonPackageReader, {package, PackagePassword()}).output);

        freshFolder();
        QVERIFY(!IsTableExistsInShell());
        QCOMPARE(importFile(package), kNoteName);

        QCOMPARE(shell(QStringLiteral("select NoteName, NoteNameType, NoteType, DataTablename, DetailTableName, Xmove, "
                                      "Ymove, tWidth, tHeight, ImgFile, ImgEnc, smallpic, Area, BankName, ReviseBy, "
                                      "ReviseDate from p_NoteList")),
                     sourceNote);
        QCOMPARE(shell(QStringLiteral("select \"default\", xDpi, yDpi, DpiUnit from p_NoteList")),
                 QStringLiteral("是|200|100|1"));
        QCOMPARE(fieldRows(kNoteName), sourceFields);
        QCOMPARE(readFile(m_folder->file(QStringLiteral("images/") + kPicture + QStringLiteral(".jpg"))), picture);
        QCOMPARE(readFile(m_folder->file(QStringLiteral("icons/") + kIcon + QStringLiteral(".bmp"))), icon);
        QCOMPARE(SqliteShellColumns(m_folder->databasePath(), kMainTable), sourceColumns);
        QVERIFY(SqliteShellColumns(m_folder->databasePath(), kMainTable).contains(QStringLiteral("性别_女 VARCHAR(1)")));
        QCOMPARE(definitionRows(kMainTable), sourceDefinition);
        QCOMPARE(shell(QStringLiteral("select MainTableName from p_tables where TableName = '%1'").arg(kDetailTable)),
                 kMainTable);
        QCOMPARE(shell(QStringLiteral("select UserId, TabNo, ModId = (select RefNo from p_NoteList), Caption from s_ui")),
                 QStringLiteral("admin|1|1|") + kCategory);

        // Exported again, the package says the same.
        const QString again = stored(QStringLiteral("again.pnt"));
        QVERIFY(GetXmlFileByNote(CurAdo, kNoteName, again, PackagePassword()));
        QCOMPARE(QString::fromUtf8(runPython(pythonPackageReader, {again, PackagePassword()}).output), firstXml);
    }

    void replacingAsksAndKeepsTheNumber()
    {
        const QString package = exportedPackage(QStringLiteral("乙"), QStringLiteral("b.pnt"));
        freshFolder();
        // Another default format of the category is already here.
        addTemplate(QStringLiteral("丙"), kCategory);

        MessageScript script;
        QCOMPARE(GetPrintNoteFromFile(CurAdo, package), QStringLiteral("乙"));
        QVERIFY(script.shown().isEmpty());
        QCOMPARE(shell(QStringLiteral("select \"default\" from p_NoteList where NoteName = '乙'")), QStringLiteral("否"));
        const QString number = shell(QStringLiteral("select RefNo from p_NoteList where NoteName = '乙'"));
        ExecTmpQuery(CurAdo, QStringLiteral("update p_NoteCntlList set CtlCName = 'changed'"));
        ExecTmpQuery(CurAdo, QStringLiteral("insert into \"测试表\" (NoteName) values ('kept')"));
        const QString before = snapshot();

        script.answer(QMessageBox::No);
        QCOMPARE(GetPrintNoteFromFile(CurAdo, package), QString());
        QCOMPARE(script.shown().size(), 1);
        QCOMPARE(script.shown().first().title, QStringLiteral("询问"));
        QCOMPARE(script.shown().first().text, QStringLiteral("该单据已经存在，要覆盖吗？"));
        QCOMPARE(script.shown().first().icon, QMessageBox::Question);
        QCOMPARE(snapshot(), before);

        script.answer(QMessageBox::Yes);
        QCOMPARE(GetPrintNoteFromFile(CurAdo, package), QStringLiteral("乙"));
        QCOMPARE(shell(QStringLiteral("select RefNo from p_NoteList where NoteName = '乙'")), number);
        QCOMPARE(shell(QStringLiteral("select count(*), sum(CtlCName = 'changed') from p_NoteCntlList")),
                 QStringLiteral("4|0"));
        QCOMPARE(shell(QStringLiteral("select count(*) from s_ui")), QStringLiteral("1"));
        QCOMPARE(shell(QStringLiteral("select count(*) from p_tables where TableName = '测试表'")), QStringLiteral("1"));
        QCOMPARE(shell(QStringLiteral("select NoteName from \"测试表\"")), QStringLiteral("kept"));
    }

    void craftedPackageIsRefused_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        const QString picture = QStringLiteral("<imgName>票样&amp;1</imgName>");
        const QString icon = QStringLiteral("<img2Name>") + kIcon + QStringLiteral("</img2Name>");
        QTest::newRow("picture leaves images") << picture << QStringLiteral("<imgName>../../evil</imgName>");
        QTest::newRow("picture in a sub-folder") << picture << QStringLiteral("<imgName>sub/evil</imgName>");
        QTest::newRow("icon is a backslash path") << icon << QStringLiteral("<img2Name>..\\..\\evil</img2Name>");
        QTest::newRow("icon is ..") << icon << QStringLiteral("<img2Name>..</img2Name>");
        QTest::newRow("table name with a quote")
            << QStringLiteral("<TableName>测试表明细</TableName>")
            << QStringLiteral("<TableName>x\"; drop table p_NoteList; --</TableName>");
        QTest::newRow("column name with a quote")
            << QStringLiteral("<FieldName>数量</FieldName>") << QStringLiteral("<FieldName>数'量</FieldName>");
        QTest::newRow("unknown field type") << QStringLiteral("<FieldType>整数</FieldType>")
                                            << QStringLiteral("<FieldType>blob</FieldType>");
        QTest::newRow("main table with a bracket")
            << QStringLiteral("<DataTableName>测试表</DataTableName>")
            << QStringLiteral("<DataTableName>测试表]</DataTableName>");
        QTest::newRow("picture is no hex") << QStringLiteral("<imgfile>FFD8") << QStringLiteral("<imgfile>ZZD8");
        QTest::newRow("position is no number") << QStringLiteral("<Ctlx>10</Ctlx>") << QStringLiteral("<Ctlx>ten</Ctlx>");
        QTest::newRow("no template name") << QStringLiteral("<NoteName>丁</NoteName>")
                                          << QStringLiteral("<NoteName> </NoteName>");
        QTest::newRow("no package document") << QStringLiteral("<PrintNote>") << QStringLiteral("<Other>");
    }

    void craftedPackageIsRefused()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        const QString package = exportedPackage(QStringLiteral("丁"), QStringLiteral("d.pnt"));
        freshFolder();
        const QString crafted = craftedPackage(package, from, to);
        QVERIFY(!crafted.isEmpty());
        const QString before = snapshot();
        QVERIFY_THROWS_EXCEPTION(PackageFormatError, importFile(crafted));
        QCOMPARE(snapshot(), before);
        for (const QString &evil : {QStringLiteral("../evil.jpg"), QStringLiteral("../evil.bmp")})
            QVERIFY(!QFileInfo::exists(m_folder->file(evil)));
    }

    // Fields that could never be seen are brought onto the 64 x 40 page of the picture (a size
    // it cannot have becomes the kind's new-field size: 180 x 22 for the amount field 1000); a
    // picture that is no usable JPEG refuses the whole package, saying why, with nothing changed.
    void packageGeometryAndPicture_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("geometry");  // of field 1000 after the import; empty: refused
        QTest::addColumn<QString>("refusal");
        const QString imported = QString();
        QTest::newRow("as exported") << QStringLiteral("<NoteName>") << QStringLiteral("<NoteName>")
                                     << QStringLiteral("10|20|120|24") << imported;
        QTest::newRow("x 99999") << QStringLiteral("<Ctlx>10</Ctlx>") << QStringLiteral("<Ctlx>99999</Ctlx>")
                                 << QStringLiteral("0|20|120|24") << imported;
        QTest::newRow("x -500") << QStringLiteral("<Ctlx>10</Ctlx>") << QStringLiteral("<Ctlx>-500</Ctlx>")
                                << QStringLiteral("0|20|120|24") << imported;
        QTest::newRow("y past the page") << QStringLiteral("<CtlY>20</CtlY>") << QStringLiteral("<CtlY>40</CtlY>")
                                         << QStringLiteral("10|16|120|24") << imported;
        QTest::newRow("width -50") << QStringLiteral("<CtlW>120</CtlW>") << QStringLiteral("<CtlW>-50</CtlW>")
                                   << QStringLiteral("10|20|180|24") << imported;
        QTest::newRow("height 0") << QStringLiteral("<CtlH>24</CtlH>") << QStringLiteral("<CtlH>0</CtlH>")
                                  << QStringLiteral("10|20|120|22") << imported;
        QTest::newRow("picture is hex of no JPEG") << QStringLiteral("<imgfile>FFD8") << QStringLiteral("<imgfile>8950")
                                                   << QString() << QStringLiteral("文件格式错误！背景图片票样&1.jpg不是有效的JPEG图片");
        // The frame header of the 64 x 40 picture at 200 x 100 dpi: FF C0, length 17, precision 8, 40, 64.
        QTest::newRow("header claims 60000 x 60000") << QStringLiteral("FFC0001108002800400")
                                                     << QStringLiteral("FFC0001108EA60EA600")
                                                     << QString() << QStringLiteral("超过了2000毫米");
    }
    void packageGeometryAndPicture()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QString, geometry);
        QFETCH(QString, refusal);
        const QString package = exportedPackage(QStringLiteral("戊"), QStringLiteral("e.pnt"));
        freshFolder();
        const QString crafted = craftedPackage(package, from, to);
        QVERIFY(!crafted.isEmpty());
        const QString before = snapshot();
        const QStringList imagesBefore = folderListing(m_folder->file(QStringLiteral("images")));
        if (geometry.isEmpty()) {
            try {
                importFile(crafted);
                QFAIL("imported");
            } catch (const PackageFormatError &error) {
                QVERIFY2(error.message().contains(refusal), qPrintable(error.message()));
            }
            QCOMPARE(snapshot(), before);
            return;
        }
        QCOMPARE(importFile(crafted), QStringLiteral("戊"));
        QCOMPARE(shell(QStringLiteral("select Ctlx, CtlY, CtlW, CtlH from p_NoteCntlList where Tag = 1000")), geometry);
        QStringList images = imagesBefore + QStringList{kPicture + QStringLiteral(".jpg")};
        images.sort();
        QCOMPARE(folderListing(m_folder->file(QStringLiteral("images"))), images);
    }

    void failureHalfWayLeavesNothing_data()
    {
        QTest::addColumn<bool>("replacing");
        QTest::newRow("new template") << false;
        QTest::newRow("replacing a template") << true;
    }

    void failureHalfWayLeavesNothing()
    {
        QFETCH(bool, replacing);
        const QString package = exportedPackage(QStringLiteral("戊"), QStringLiteral("e.pnt"));
        freshFolder();
        const QString picture = m_folder->file(QStringLiteral("images/") + kPicture + QStringLiteral(".jpg"));
        if (replacing) {
            QCOMPARE(importFile(package), QStringLiteral("戊"));
            ExecTmpQuery(CurAdo, QStringLiteral("drop table \"测试表明细\""));
            ExecTmpQuery(CurAdo, QStringLiteral("delete from p_tables where TableName = '测试表明细'"));
            writeFile(picture, "the picture before");
        }
        ExecTmpQuery(CurAdo, QStringLiteral("create trigger refuse before insert on p_NoteCntlList when NEW.Tag = 1001 "
                                            "begin select raise(abort, 'refused'); end"));
        const QString before = snapshot();

        const PackageFileImport result =
            InputPackageFile(CurAdo, package, {QStringLiteral("tester"), [](const QString &) { return true; }});
        QCOMPARE(result.noteName, QString());
        QVERIFY(result.failure.contains(QStringLiteral("refused")));
        QCOMPARE(snapshot(), before);
        if (replacing)
            QCOMPARE(readFile(picture), QByteArray("the picture before"));
        else
            QVERIFY(!QFileInfo::exists(picture));
    }

    // Pictures move in with the import's transaction: kept on commit, put back on rollback.
    void stagedFilesFollowTheTransaction_data()
    {
        QTest::addColumn<bool>("commit");
        QTest::addColumn<bool>("existed");
        QTest::newRow("commit, replacing") << true << true;
        QTest::newRow("commit, new") << true << false;
        QTest::newRow("rollback, replacing") << false << true;
        QTest::newRow("rollback, new") << false << false;
    }

    void stagedFilesFollowTheTransaction()
    {
        QFETCH(bool, commit);
        QFETCH(bool, existed);
        freshFolder();
        const QString target = m_folder->file(QStringLiteral("images/p.jpg"));
        if (existed)
            writeFile(target, "old");
        {
            StagedFile file(target);
            file.write("new");
            QCOMPARE(readFile(target), existed ? QByteArray("old") : QByteArray());
            Transaction transaction(CurAdo);
            ExecTmpQuery(CurAdo, QStringLiteral("delete from p_NoteList"));
            transaction.onRollback([&file] { file.undo(); });
            transaction.onCommit([&file] { file.keep(); });
            file.install();
            QCOMPARE(readFile(target), QByteArray("new"));
            if (commit)
                transaction.commit();
        }
        const QByteArray expected = commit ? QByteArray("new") : existed ? QByteArray("old") : QByteArray();
        QCOMPARE(readFile(target), expected);
        QCOMPARE(QFileInfo::exists(target), commit || existed);
        QCOMPARE(folderListing(m_folder->file(QStringLiteral("images"))),
                 commit || existed ? QStringList(QStringLiteral("p.jpg")) : QStringList());
    }

    void bundleOfPackages()
    {
        exportedPackage(QStringLiteral("己"), QStringLiteral("unused.pnt"));
        addTemplate(QStringLiteral("庚"), QStringLiteral("其他"));
        const QString first = ExportPrintNoteStyle(CurAdo, nullptr, QStringLiteral("己"), PackagePassword(), true);
        const QString other = ExportPrintNoteStyle(CurAdo, nullptr, QStringLiteral("庚"), PackagePassword(), true);
        QCOMPARE(first, m_folder->file(QStringLiteral("upload/己.pnt")));
        const QString bundle = stored(QStringLiteral("多个单据.zip"));
        QVERIFY(ZipFileLists({first, other}, bundle, QString()));

        freshFolder();
        MessageScript script;
        QCOMPARE(GetPrintNoteFromFile(CurAdo, bundle), QString());
        QCOMPARE(script.texts(), QStringList(QStringLiteral("成功导入2个单据:\r己\r庚")));
        QCOMPARE(shell(QStringLiteral("select NoteName from p_NoteList order by RefNo")), QStringLiteral("己\n庚"));
        QVERIFY(QFileInfo::exists(m_folder->file(QStringLiteral("download/己.pnt"))));

        // The same bundle again, both declined.
        script.clear();
        script.answer(QMessageBox::No);
        script.answer(QMessageBox::No);
        GetPrintNoteFromFile(CurAdo, bundle);
        QCOMPARE(script.lastText(), QStringLiteral("没有需要导入的单据"));

        // Not an archive at all: nothing, no message.
        script.clear();
        writeFile(stored(QStringLiteral("broken.zip")), "no archive");
        QCOMPARE(GetPrintNoteFromFile(CurAdo, stored(QStringLiteral("broken.zip"))), QString());
        QVERIFY(script.shown().isEmpty());
    }

    void exportThroughTheDialog()
    {
        exportedPackage(QStringLiteral("辛/1"), QStringLiteral("unused.pnt"));
        QList<FileDialogRequest> asked;
        QString answer = stored(QStringLiteral("chosen.pnt"));
        FileDialogSeam::setHandler([&](const FileDialogRequest &r) {
            asked.append(r);
            return answer;
        });
        QList<QUrl> opened;
        DesktopOpener::setHandler([&](const QUrl &url) {
            opened.append(url);
            return true;
        });
        MessageScript script;
        QCOMPARE(ExportPrintNoteStyle(CurAdo, nullptr, QStringLiteral("辛/1"), PackagePassword(), false), answer);
        QCOMPARE(asked.size(), 1);
        QCOMPARE(asked.first().kind, FileDialogRequest::Save);
        QCOMPARE(asked.first().fileName, QStringLiteral("辛_1"));
        QCOMPARE(asked.first().title, QStringLiteral("输入保存的文件名"));
        QCOMPARE(asked.first().folder, m_folder->file(QStringLiteral("upload")));
        QCOMPARE(script.texts(), QStringList(QStringLiteral("生成成功!")));
        QCOMPARE(opened, QList<QUrl>({QUrl::fromLocalFile(m_store.path())}));

        script.clear();
        QCOMPARE(ExportPrintNoteStyle(CurAdo, nullptr, QStringLiteral("没有"), PackagePassword(), false), QString());
        QCOMPARE(script.texts(), QStringList(QStringLiteral("生成失败!")));

        answer.clear(); // cancelled
        script.clear();
        QCOMPARE(ExportPrintNoteStyle(CurAdo, nullptr, QStringLiteral("辛/1"), PackagePassword(), false), QString());
        QVERIFY(script.shown().isEmpty());
    }

private:
    bool IsTableExistsInShell() const
    {
        return !SqliteShellColumns(m_folder->databasePath(), kMainTable).isEmpty();
    }
};

QTEST_MAIN(TestTemplatePackage)
#include "tst_templatepackage.moc"
