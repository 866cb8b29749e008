#include "TestProgramFolder.h"
#include "ExternalTool.h"
#include "SqliteShell.h"

#include "core/db/AdoFunc.h"
#include "core/errors/CorvaneError.h"
#include "core/globals/PubDm.h"
#include "core/printfun/NoteLookup.h"
#include "core/printfun/ParaSwitch.h"
#include "core/template/EditKindIndex.h"
#include "core/template/PictureSize.h"
#include "core/template/TemplateColumns.h"
#include "core/template/TemplateStore.h"

#include <QSqlQuery>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QtTest>

namespace {
// A field of a template for the Tag tables: its Tag and its stored kind.
struct TagRow
{
    int tag = 0;
    QString storedKind;
};
}
Q_DECLARE_METATYPE(QList<TagRow>)

// Template documents: loading and writing, defaults, numbering, the one default format per
// category, unplaced fields, and the look-ups and switches read from the shipped tables.
class TestTemplateRecords : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestProgramFolder> m_folder;

    // Answers from the sqlite3 shell, independent of the program's own SQL layer.
    QString shell(const QString &sql) { return SqliteShellRows(m_folder->databasePath(), sql).join(QLatin1Char('\n')); }

    // The sizes' cipher as openssl computes it: DES-ECB, the GBK base name of the picture as key
    // (zero-padded to 8 bytes), the text zero-padded to whole blocks.
    QString opensslCipherHex(const QString &text, const QString &imgFile)
    {
        QByteArray gbk = QStringEncoder("GBK")(QFileInfo(imgFile).completeBaseName());
        gbk = gbk.left(8).leftJustified(8, '\0');
        QByteArray plain = text.toLatin1();
        plain = plain.leftJustified((plain.size() + 7) / 8 * 8, '\0');
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("plain")));
        if (!file.open(QIODevice::WriteOnly) || file.write(plain) != plain.size())
            qFatal("cannot write the plain text");
        file.close();
        const ToolRun run = runTool(QStringLiteral("openssl"),
                                    {QStringLiteral("enc"), QStringLiteral("-des-ecb"), QStringLiteral("-nopad"),
                                     QStringLiteral("-provider"), QStringLiteral("legacy"), QStringLiteral("-provider"),
                                     QStringLiteral("default"), QStringLiteral("-K"), QString::fromLatin1(gbk.toHex()),
                                     QStringLiteral("-in"), file.fileName()});
        if (run.exitCode != 0)
            qFatal("openssl failed: %s", run.errors.constData());
        return QString::fromLatin1(run.output.toHex());
    }

    TemplateDocument newTemplate(const QString &name, const QString &category, const QString &kind = QStringLiteral("支票"))
    {
        TemplateDocument document = NewTemplateDocument(CurAdo, QStringLiteral("admin"), QDate(2024, 5, 6));
        document.note.noteName = name;
        document.note.noteNameType = category;
        document.note.noteType = kind;
        document.note.dataTableName = QStringLiteral("银行转帐单");
        return document;
    }

    qint64 addTemplate(const QString &name, const QString &category, const QString &kind = QStringLiteral("支票"))
    {
        TemplateDocument document = newTemplate(name, category, kind);
        SaveTemplate(CurAdo, document);
        return document.note.autoid;
    }

    TemplateDocument loaded(const QString &name)
    {
        const std::optional<TemplateDocument> document = LoadTemplate(CurAdo, name);
        if (!document)
            qFatal("no template %s", qPrintable(name));
        return *document;
    }

    static QStringList captionsOf(const QList<TemplateField> &fields)
    {
        QStringList captions;
        for (const TemplateField &field : fields)
            captions << field.caption;
        return captions;
    }

    // Every column of every row of the table as the sqlite3 shell quotes it (NULL, text and
    // numbers told apart), in autoid order.
    QString quotedRows(const QString &table)
    {
        QStringList columns;
        for (const QString &column : SqliteShellColumns(m_folder->databasePath(), table))
            columns << QStringLiteral("quote(\"%1\")").arg(column.section(QLatin1Char(' '), 0, 0));
        return shell(QStringLiteral("select %1 from %2 order by autoid").arg(columns.join(QLatin1Char(',')), table));
    }

    QString refNoOf(const QString &name)
    {
        return SelTableStringValue(CurAdo, QStringLiteral("select RefNo from p_NoteList where NoteName = ?"), {name});
    }

private Q_SLOTS:
    void init()
    {
        m_folder = std::make_unique<TestProgramFolder>();
        m_folder->openDatabase();
        m_folder->removeShippedFormats();
    }
    void cleanup() { m_folder.reset(); }

    void newTemplateRow()
    {
        const qint64 autoid = addTemplate(QStringLiteral("工行支票"), QStringLiteral("支票"));
        QCOMPARE(shell(QStringLiteral("select RefNo, ReviseBy, ReviseDate, \"default\", Xmove, Ymove, typeof(Xmove) "
                                      "from p_NoteList where autoid = %1").arg(autoid)),
                 QStringLiteral("10001|admin|2024-05-06|是|0.0|0.0|real"));
        addTemplate(QStringLiteral("农行支票"), QStringLiteral("农行"));
        QCOMPARE(refNoOf(QStringLiteral("农行支票")), QStringLiteral("10002"));
    }

    void oneDefaultPerCategory()
    {
        // Two categories with two formats each, every row asking to be the default.
        addTemplate(QStringLiteral("A1"), QStringLiteral("甲"));
        addTemplate(QStringLiteral("A2"), QStringLiteral("甲"));
        addTemplate(QStringLiteral("B1"), QStringLiteral("乙"));
        addTemplate(QStringLiteral("B2"), QStringLiteral("乙"));
        QCOMPARE(shell(QStringLiteral("select NoteName || '=' || \"default\" from p_NoteList order by NoteName")),
                 QStringLiteral("A1=是\nA2=否\nB1=是\nB2=否"));
        // Saving the default again keeps it; any other name in its category is refused.
        QCOMPARE(DefaultFlagFor(CurAdo, QStringLiteral("甲"), QStringLiteral("A1")), QStringLiteral("是"));
        QCOMPARE(DefaultFlagFor(CurAdo, QStringLiteral("甲"), QStringLiteral("A2")), QStringLiteral("否"));
        QCOMPARE(DefaultFlagFor(CurAdo, QStringLiteral("丙"), QStringLiteral("C1")), QStringLiteral("是"));
        // Categories compare without regard to letter case.
        addTemplate(QStringLiteral("X1"), QStringLiteral("Bank"));
        addTemplate(QStringLiteral("X2"), QStringLiteral("BANK"));
        QCOMPARE(shell(QStringLiteral("select count(*) from p_NoteList where \"default\" = '是' "
                                      "group by NoteNameType collate nocase")),
                 QStringLiteral("1\n1\n1"));
    }

    void formatLookups()
    {
        const QString name = QStringLiteral("O'Neil 支票");
        addTemplate(name, QStringLiteral("工行"), QStringLiteral("支票"));
        addTemplate(QStringLiteral("工行二"), QStringLiteral("工行"), QStringLiteral("支票"));
        addTemplate(QStringLiteral("农行"), QStringLiteral("农行"), QStringLiteral("支票"));
        QCOMPARE(NoteTypeName(CurAdo, name), QStringLiteral("工行"));
        QCOMPARE(NoteBaseType(CurAdo, name), QStringLiteral("支票"));
        QVERIFY(IsNoteNameExists(CurAdo, name));
        QVERIFY(IsNoteNameExists(CurAdo, QStringLiteral("o'neil 支票")));
        QVERIFY(!IsNoteNameExists(CurAdo, QStringLiteral("没有")));
        QCOMPARE(NoteTypeName(CurAdo, QStringLiteral("没有")), QString());

        // No category chosen yet for the kind.
        QCOMPARE(GetDefaultNOte(CurAdo, QStringLiteral("支票")), QString());
        QCOMPARE(GetDefaultNoteName(CurAdo, QStringLiteral("支票")), QString());
        // The main page chooses 工行 as the kind's category.
        ExecTmpQuery(CurAdo, QStringLiteral("update p_NoteList set DefNote = case when NoteNameType = ? then 1 else 0 end"),
                     {QStringLiteral("工行")});
        QCOMPARE(GetDefaultNoteName(CurAdo, QStringLiteral("支票")), name);
        QCOMPARE(NoteTypeName(CurAdo, GetDefaultNOte(CurAdo, QStringLiteral("支票"))), QStringLiteral("工行"));
        QCOMPARE(GetDefaultNoteName(CurAdo, QStringLiteral("进账单")), QString());
    }

    void switches()
    {
        QVERIFY(!CheckCheckNoWhenPrint(CurAdo));
        QVERIFY(!AlwaysSelectPrinter(CurAdo));
        QVERIFY(EnterSysNeedLogin(CurAdo));
        QVERIFY(!ParaSwitchIsOn(CurAdo, QStringLiteral("打印时是否自动保存")));
        ExecTmpQuery(CurAdo, QStringLiteral("update bs_ParaList set ParaValue = ' 是 ' where ParaName = ?"),
                     {QStringLiteral("打印支票时是否验证支票号码")});
        QVERIFY(CheckCheckNoWhenPrint(CurAdo));
        ExecTmpQuery(CurAdo, QStringLiteral("update bs_ParaList set ParaValue = 'yes' where ParaName = ?"),
                     {QStringLiteral("打印支票时是否验证支票号码")});
        QVERIFY(!CheckCheckNoWhenPrint(CurAdo));
        ExecTmpQuery(CurAdo, QStringLiteral("delete from bs_ParaList where ParaName = ?"), {QStringLiteral("是否登录")});
        QVERIFY(!EnterSysNeedLogin(CurAdo));
        QCOMPARE(shell(QStringLiteral("select count(*) from bs_ParaList where Type = 1")), QStringLiteral("3"));
    }

    void unplacedFieldIsStoredAsNullAndNeverRead()
    {
        TemplateDocument document = newTemplate(QStringLiteral("工行支票"), QStringLiteral("支票"));
        auto field = [&](const QString &caption, std::optional<int> x, int parent = 0) {
            TemplateField &added = document.addField(ekEditor);
            added.caption = caption;
            added.dbFieldName = caption;
            added.placed = x.has_value();
            added.rect.x = PicturePixels(x.value_or(0));
            added.parentId = parent;
        };
        field(QStringLiteral("金额"), 300);
        field(QStringLiteral("用途"), std::nullopt);
        field(QStringLiteral("日期"), 20);
        field(QStringLiteral("收款人"), 40);
        field(QStringLiteral("数量"), 10, 500);
        SaveTemplate(CurAdo, document);
        // Older writers left blank positions; the table stores them as NULL.
        ExecTmpQuery(CurAdo, QStringLiteral("update p_NoteCntlList set Ctlx = '' where CtlCName = ?"), {QStringLiteral("收款人")});
        ExecTmpQuery(CurAdo, QStringLiteral("insert into p_NoteCntlList (RefNo, Tag, CtlCName, Ctlx, ParentId) values (?, 1009, ?, '  ', 0)"),
                     {document.note.refNo, QStringLiteral("空白")});

        QCOMPARE(shell(QStringLiteral("select CtlCName || ':' || typeof(Ctlx) from p_NoteCntlList order by autoid")),
                 QStringLiteral("金额:integer\n用途:null\n日期:integer\n收款人:null\n数量:integer\n空白:null"));

        const TemplateDocument read = loaded(QStringLiteral("工行支票"));
        QCOMPARE(captionsOf(read.placedFields(0)), (QStringList{QStringLiteral("日期"), QStringLiteral("金额")}));
        QCOMPARE(captionsOf(read.placedFields(500)), QStringList{QStringLiteral("数量")});
    }

    void printedGridColumns()
    {
        TemplateDocument document = newTemplate(QStringLiteral("送货单"), QStringLiteral("送货"));
        const QList<std::tuple<QString, std::optional<int>, bool>> columns = {
            {QStringLiteral("品名"), 200, true},
            {QStringLiteral("规格"), 100, false},
            {QStringLiteral("数量"), std::nullopt, true},
            {QStringLiteral("单价"), 50, true},
        };
        for (const auto &[caption, x, printed] : columns) {
            TemplateField &column = document.addField(ekEditor);
            column.caption = caption;
            column.placed = x.has_value();
            column.rect.x = PicturePixels(x.value_or(0));
            column.needPrint = printed;
            column.parentId = 500;
        }
        SaveTemplate(CurAdo, document);
        QCOMPARE(captionsOf(loaded(QStringLiteral("送货单")).printedColumns(500)),
                 (QStringList{QStringLiteral("品名"), QStringLiteral("单价")}));
    }

    // Column names come from the document's own tables, never from callers' text.
    void unknownColumnIsRefused()
    {
        QVERIFY_THROWS_EXCEPTION(CorvaneError, FieldColumn(QStringLiteral("Ctlx) values (1); drop table p_NoteList; --")));
        QVERIFY_THROWS_EXCEPTION(CorvaneError, NoteColumn(QStringLiteral("autoid")));
        QCOMPARE(FieldColumn(QStringLiteral("ctlx")).name, QStringLiteral("Ctlx"));
        TemplateDocument document = newTemplate(QStringLiteral("x'); drop table p_NoteCntlList; --"), QStringLiteral("\"甲\""));
        document.addField(ekEditor).caption = QStringLiteral("a\"); drop table p_NoteList; --");
        SaveTemplate(CurAdo, document);
        QCOMPARE(shell(QStringLiteral("select a.NoteName || '|' || a.NoteNameType || '|' || b.CtlCName from p_NoteList a "
                                      "join p_NoteCntlList b on a.RefNo = b.RefNo")),
                 QStringLiteral("x'); drop table p_NoteCntlList; --|\"甲\"|a\"); drop table p_NoteList; --"));
    }

    // The shipped cheque read into a document and written back, in place and as the only
    // template, gives every column of every row exactly as it was.
    // Every shipped format goes through the loader and the writer unchanged.
    void shippedFormatsRoundTrip()
    {
        m_folder.reset();
        m_folder = std::make_unique<TestProgramFolder>();
        m_folder->openDatabase();
        const QString notes = quotedRows(QStringLiteral("p_NoteList"));
        const QString fields = quotedRows(QStringLiteral("p_NoteCntlList"));
        QVERIFY(notes.contains(QStringLiteral("'支票'")));

        TemplateDocument cheque = loaded(QStringLiteral("支票"));
        QCOMPARE(cheque.fields.size(), 15);
        QCOMPARE(cheque.fields.at(12).kind, ekAmount);
        QCOMPARE(cheque.fields.at(12).rect, (PictureRect{PicturePixels(641), PicturePixels(141), PicturePixels(249), PicturePixels(33)}));
        QCOMPARE(cheque.fields.at(12).font->pointSize, 12);
        QCOMPARE(cheque.fields.at(0).fitParam, std::nullopt);
        QCOMPARE(cheque.note.xMove, Millimetres(0));

        QList<TemplateDocument> shipped;
        for (const QString &name : SqliteShellRows(m_folder->databasePath(), QStringLiteral("select NoteName from p_NoteList order by autoid")))
            shipped.append(loaded(name));
        QCOMPARE(shipped.size(), 8);
        for (TemplateDocument document : shipped)
            SaveTemplate(CurAdo, document);
        QCOMPARE(quotedRows(QStringLiteral("p_NoteList")), notes);
        QCOMPARE(quotedRows(QStringLiteral("p_NoteCntlList")), fields);

        ExecTmpQuery(CurAdo, QStringLiteral("delete from p_NoteCntlList"));
        ExecTmpQuery(CurAdo, QStringLiteral("delete from p_NoteList"));
        for (TemplateDocument document : shipped)
            SaveTemplate(CurAdo, document);
        QCOMPARE(quotedRows(QStringLiteral("p_NoteList")), notes);
        QCOMPARE(quotedRows(QStringLiteral("p_NoteCntlList")), fields);
        QCOMPARE(loaded(QStringLiteral("支票")), cheque);
    }

    void writerDecidesTheDefault()
    {
        addTemplate(QStringLiteral("A1"), QStringLiteral("甲"));
        TemplateDocument second = newTemplate(QStringLiteral("A2"), QStringLiteral("甲"));
        QVERIFY(second.note.isDefault);
        SaveTemplate(CurAdo, second);
        QVERIFY(!second.note.isDefault);
        // Moved into a category of its own, it becomes that category's default.
        second.note.noteNameType = QStringLiteral("乙");
        SaveTemplate(CurAdo, second);
        QCOMPARE(shell(QStringLiteral("select NoteName || '=' || \"default\" from p_NoteList order by NoteName")),
                 QStringLiteral("A1=是\nA2=是"));
        QCOMPARE(shell(QStringLiteral("select count(*) from p_NoteList")), QStringLiteral("2"));
    }

    void newFieldDefaults_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("dataTable");
        QTest::addColumn<QString>("expected");
        const QString plain = QStringLiteral("%1|居左|居中|是|是|1|0|黑体;10;;;;|否|0|||");
        QTest::newRow("text display") << EditKindName(ekTextDisplay) << "送货单" << plain.arg("文本显示");
        QTest::newRow("amount") << EditKindName(ekAmount) << "送货单"
                                << QStringLiteral("小写金额|居中|居中|是|是|1|0|黑体;10;;;;|否|0|金额|11|2");
        QTest::newRow("spaced string, bank transfer") << EditKindName(ekSpacedString) << "银行转帐单"
                                                      << QStringLiteral("等距字符串|居中|居中|是|是|1|0|黑体;10;;;;|否|0|支付密码|16|0");
        QTest::newRow("spaced string, waybill") << EditKindName(ekSpacedString) << "快递单"
                                                << QStringLiteral("等距字符串|居中|居中|是|是|1|0|黑体;10;;;;|否|0||6|0");
        QTest::newRow("spaced string, other table") << EditKindName(ekSpacedString) << "送货单"
                                                    << QStringLiteral("等距字符串|居中|居中|是|是|1|0|黑体;10;;;;|否|0|||");
    }
    void newFieldDefaults()
    {
        QFETCH(QString, kind);
        QFETCH(QString, dataTable);
        QFETCH(QString, expected);
        TemplateDocument document = newTemplate(QStringLiteral("新格式"), QStringLiteral("新"));
        document.note.dataTableName = dataTable;
        QCOMPARE(document.addField(EditKindIndex(GetEditType(kind))).tag, 1000);
        SaveTemplate(CurAdo, document);
        QCOMPARE(shell(QStringLiteral("select FieldEditType, xAlign, yAlign, NeedPrint, NeedShow, DropDownLevel, "
                                      "InitType, CtlFontName, MultiLine, ParentId, DbFieldName, DigitalCount, FitParam "
                                      "from p_NoteCntlList")),
                 expected);
    }

    void kindChange_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("column");
        QTest::addColumn<QVariant>("value");
        QTest::newRow("amount") << int(ekAmount) << "DigitalCount" << QVariant(11);
        QTest::newRow("check group") << int(ekCheckGroup) << "NeedPrint" << QVariant(QStringLiteral("否"));
        QTest::newRow("plain text") << int(ekPlainText) << "xAlign" << QVariant(QStringLiteral("居右"));
    }
    void kindChange()
    {
        QFETCH(int, kind);
        QFETCH(QString, column);
        QFETCH(QVariant, value);
        TemplateDocument document = newTemplate(QStringLiteral("新格式"), QStringLiteral("新"));
        TemplateField &field = document.addField(ekTextDisplay);
        field.changeKind(EditKindIndex(kind));
        QCOMPARE(FieldColumn(QStringLiteral("FieldEditType")).stored(field).toString(), EditKindName(EditKindIndex(kind)));
        QCOMPARE(FieldColumn(column).stored(field), value);
    }

    void tags_data()
    {
        QTest::addColumn<QList<TagRow>>("rows");
        QTest::addColumn<int>("field");
        QTest::addColumn<int>("grid");
        const QString grid = EditKindName(ekGrid);
        const QString edit = EditKindName(ekEditor);
        QTest::newRow("empty template") << QList<TagRow>{} << 1000 << 500;
        QTest::newRow("fields only") << QList<TagRow>{{1000, edit}, {1003, edit}, {1001, edit}} << 1004 << 500;
        QTest::newRow("first grid; its columns continue the field numbers")
            << QList<TagRow>{{1000, edit}, {500, grid}, {1001, edit}} << 1002 << 501;
        QTest::newRow("grids only") << QList<TagRow>{{500, grid}, {502, grid}} << 1000 << 503;
        QTest::newRow("kind with blanks still a grid") << QList<TagRow>{{510, grid + ' '}} << 1000 << 511;
    }
    // Tags through the document as stored and loaded again: the next free number of each
    // group, and the numbers new fields take.
    void tags()
    {
        QFETCH(QList<TagRow>, rows);
        QFETCH(int, field);
        QFETCH(int, grid);
        TemplateDocument document = newTemplate(QStringLiteral("工行支票"), QStringLiteral("支票"));
        SaveTemplate(CurAdo, document);
        for (const TagRow &row : rows)
            ExecTmpQuery(CurAdo, QStringLiteral("insert into p_NoteCntlList (RefNo, Tag, FieldEditType) values (?, ?, ?)"),
                         {document.note.refNo, row.tag, row.storedKind});
        document = loaded(QStringLiteral("工行支票"));
        QCOMPARE(document.nextTag(false), field);
        QCOMPARE(document.nextTag(true), grid);
        QCOMPARE(document.addField(ekAmount).tag, field);
        QCOMPARE(document.addField(ekGrid).tag, grid);
        QCOMPARE(document.addField(ekEditor).tag, field + 1);
    }

    void editKinds()
    {
        QCOMPARE(GetEditType(QStringLiteral("编辑器")), 0);
        QCOMPARE(GetEditType(QStringLiteral("表格")), 8);
        QCOMPARE(GetEditType(QStringLiteral("多项勾选2")), 13);
        QCOMPARE(GetEditType(QStringLiteral("表格 ")), -1);
        QCOMPARE(GetEditType(QStringLiteral("多项勾选_多个")), -1);
        QCOMPARE(EditKindOfStored(QStringLiteral(" 表格 ")), ekGrid);
        QCOMPARE(EditKindOfStored(QStringLiteral("多项勾选_多个")), ekMultiTick2);
        QCOMPARE(EditKindOfStored(QStringLiteral("按钮")), ekNone);
        // A kind that names none is kept as it was stored.
        TemplateField field;
        FieldColumn(QStringLiteral("FieldEditType")).load(field, QStringLiteral("按钮 "));
        QCOMPARE(field.kindText(), QStringLiteral("按钮 "));
    }

    void pictureInches_data()
    {
        QTest::addColumn<int>("pixels");
        QTest::addColumn<int>("density");
        QTest::addColumn<int>("unit");
        QTest::addColumn<QString>("inches");
        QTest::newRow("72 dpi") << 1700 << 72 << int(DotsPerInch) << "23.611111";
        QTest::newRow("96 dpi") << 800 << 96 << int(DotsPerInch) << "8.333333";
        QTest::newRow("300 dpi") << 2550 << 300 << int(DotsPerInch) << "8.500000";
        QTest::newRow("118 dots per cm") << 1000 << 118 << int(DotsPerCentimetre) << "3.336447";
        QTest::newRow("no unit reads as per inch") << 600 << 200 << int(DensityNoUnit) << "3.000000";
        QTest::newRow("no density") << 600 << 0 << int(DotsPerInch) << QString();
    }
    void pictureInches()
    {
        QFETCH(int, pixels);
        QFETCH(int, density);
        QFETCH(int, unit);
        QFETCH(QString, inches);
        const std::optional<double> value = PictureInches(pixels, density, unit);
        QCOMPARE(value ? InchesText(*value) : QString(), inches);
    }

    void pictureImportWritesEncipheredSizes_data()
    {
        QTest::addColumn<QString>("imgFile");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("units");
        QTest::addColumn<int>("xDensity");
        QTest::addColumn<int>("yDensity");
        QTest::addColumn<QString>("width");
        QTest::addColumn<QString>("height");
        QTest::newRow("72 dpi") << "p1.jpg" << QSize(1700, 600) << 1 << 72 << 72 << "23.611111" << "8.333333";
        QTest::newRow("96 dpi, GBK name") << "工行支票.jpg" << QSize(800, 400) << 1 << 96 << 96 << "8.333333"
                                          << "4.166667";
        // The height follows the vertical density.
        QTest::newRow("300 x 150 dpi, long name") << "cheque.2024.jpg" << QSize(2550, 900) << 1 << 300 << 150
                                                  << "8.500000" << "6.000000";
        QTest::newRow("dots per centimetre") << "slip.jpg" << QSize(1000, 500) << 2 << 118 << 118 << "3.336447"
                                             << "1.668224";
        QTest::newRow("no density") << "bare.jpg" << QSize(1000, 500) << 0 << 0 << 0 << QString() << QString();
        QTest::newRow("no vertical density") << "half.jpg" << QSize(1000, 500) << 1 << 96 << 0 << QString()
                                             << QString();
    }
    void pictureImportWritesEncipheredSizes()
    {
        QFETCH(QString, imgFile);
        QFETCH(QSize, size);
        QFETCH(int, units);
        QFETCH(int, xDensity);
        QFETCH(int, yDensity);
        QFETCH(QString, width);
        QFETCH(QString, height);
        JpegResolution resolution;
        resolution.units = units;
        resolution.xDensity = xDensity;
        resolution.yDensity = yDensity;
        resolution.form = 1;
        TemplateNote note;
        note.convertRate1 = QStringLiteral("1.5");
        note.tWidth = QStringLiteral("before");
        note.tHeight = QStringLiteral("before");
        ApplyPictureImport(note, imgFile, resolution, size);
        QCOMPARE(note.imgFile, imgFile);
        QCOMPARE(note.xDpi, xDensity);
        QCOMPARE(note.yDpi, yDensity);
        QCOMPARE(note.dpiUnit, units);
        QCOMPARE(note.imgEnc, 1);
        QVERIFY(note.convertRate1.isNull());
        QVERIFY(note.convertRate2.isNull());
        if (width.isEmpty()) {
            QCOMPARE(note.tWidth, QStringLiteral("before"));
            QCOMPARE(note.tHeight, QStringLiteral("before"));
            return;
        }
        const QString tWidth = note.tWidth;
        const QString tHeight = note.tHeight;
        QCOMPARE(tWidth, opensslCipherHex(width, imgFile));
        QCOMPARE(tHeight, opensslCipherHex(height, imgFile));
        QCOMPARE(InchesText(StoredPictureInches(tWidth, imgFile)), width);
        QCOMPARE(InchesText(StoredPictureInches(tHeight, imgFile)), height);
    }

    void storedSizeThatIsNoNumberFails()
    {
        QVERIFY_THROWS_EXCEPTION(CorvaneError, StoredPictureInches(opensslCipherHex(QStringLiteral("abc"), QStringLiteral("p.jpg")),
                                                                   QStringLiteral("p.jpg")));
    }
};

QTEST_GUILESS_MAIN(TestTemplateRecords)
#include "tst_templaterecords.moc"
