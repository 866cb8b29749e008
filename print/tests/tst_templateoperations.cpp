#include "SqliteShell.h"
#include "TestProgramFolder.h"

#include "core/db/AdoFunc.h"
#include "core/globals/PubDm.h"
#include "core/template/PictureSize.h"
#include "core/template/TemplateStore.h"
#include "designer/screen/TemplateFileImport.h"
#include "designer/screen/TemplateOperations.h"
#include "helpers/TemplateRows.h"

#include <QFile>
#include <QProcess>
#include <QtTest>

using namespace TemplateRows;

namespace {

// openssl's single DES (ECB, no padding) of zero-padded text: the oracle for stored sizes.
QString OpenSslDesHex(const QByteArray &plain, const QByteArray &key)
{
    QByteArray input = plain;
    input.append((8 - input.size() % 8) % 8, '\0');
    QByteArray paddedKey = key.left(8);
    paddedKey.append(8 - paddedKey.size(), '\0');
    QProcess openssl;
    openssl.start("openssl", {"enc", "-des-ecb", "-nopad", "-K", QString::fromLatin1(paddedKey.toHex()), "-provider",
                              "legacy", "-provider", "default"});
    openssl.write(input);
    openssl.closeWriteChannel();
    openssl.waitForFinished();
    return QString::fromLatin1(openssl.readAllStandardOutput().toHex());
}

} // namespace

// The designer's template operations on the database and the picture folder, without the screen.
class TestTemplateOperations : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestProgramFolder> m_folder;

    QStringList rows(const QString &sql) { return SqliteShellRows(m_folder->databasePath(), sql); }
    TemplateOperations operations() const { return TemplateOperations(CurAdo); }

private slots:
    void init()
    {
        m_folder = std::make_unique<TestProgramFolder>();
        m_folder->openDatabase();
        m_folder->removeShippedFormats();
        ExecTmpQuery(CurAdo, QStringLiteral("delete from s_ui"));
        // Two cheque formats of one category (A the default, with its icon) and a deposit slip.
        addTemplate("11", "工行支票", "工商银行支票", "支票", "是", "icbc.jpg", 1);
        addTemplate("12", "工行支票二", "工商银行支票", "支票", "否", "icbc.jpg", 1);
        addTemplate("13", "建行进账单", "建行进账单", "进账单", "是", "ccb.jpg");
        addField("11", 1000, "金额", 100, 50);
        addField("11", 1001, "收款人", 100, 80);
        addIcon(1, "11", "工商银行支票");
        addIcon(0, "11", "工商银行支票");
        addIcon(2, "13", "建行进账单");
        writeFile(m_folder->file("images/icbc.jpg"), jfifPicture(40, 20, 1, 96, 96));
        writeFile(m_folder->file("images/ccb.jpg"), jfifPicture(40, 20, 1, 96, 96));
    }
    void cleanup() { m_folder.reset(); }

    void nameDialogRules_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("refNo");
        QTest::addColumn<QString>("fault");
        const QString empty = QStringLiteral("单据名称不能为空");
        const QString taken = QStringLiteral("单据名称已经存在");
        QTest::newRow("new, blank") << 0 << "  " << "" << empty;
        QTest::newRow("new, taken") << 0 << "工行支票" << "" << taken;
        QTest::newRow("new, taken with blanks") << 0 << " 工行支票 " << "" << taken;
        QTest::newRow("new, other letter case") << 0 << "Ab" << "" << QString();
        QTest::newRow("new, free with quote") << 0 << "O'Brien;支票" << "" << QString();
        QTest::newRow("rename, own name") << 1 << "工行支票" << "11" << QString();
        QTest::newRow("rename, another's") << 1 << "工行支票二" << "11" << taken;
        QTest::newRow("rename, blank") << 1 << "" << "11" << empty;
        QTest::newRow("copy, taken: the caller refuses") << 2 << "工行支票" << "" << QString();
        QTest::newRow("copy, blank") << 2 << " " << "" << empty;
    }
    void nameDialogRules()
    {
        QFETCH(int, mode);
        QFETCH(QString, name);
        QFETCH(QString, refNo);
        QFETCH(QString, fault);
        QCOMPARE(operations().nameFault(NoteNameMode(mode), name, refNo), fault);
    }

    void newTemplateIsPostedAtOnce()
    {
        sCurUserId = QStringLiteral("admin");
        const QString refNo =
            operations().newTemplate({"O'Brien;样式", "工商银行支票", "支票"}, "admin", QDate(2026, 12, 10));
        // Another default stands in the category: the new row is corrected at once.
        QCOMPARE(rows("select RefNo, NoteNameType, NoteType, DataTablename, \"default\", Xmove, ReviseBy, ReviseDate"
                      " from p_NoteList where NoteName = 'O''Brien;样式'"),
                 QStringList{refNo + "|工商银行支票|支票|银行转帐单|否|0.0|admin|2026-12-10"});
    }

    void copyNote_data()
    {
        QTest::addColumn<QString>("category");
        QTest::addColumn<QString>("isDefault");
        QTest::addColumn<int>("defNote");
        QTest::addColumn<QStringList>("icons");  // s_ui rows naming the copy
        QTest::addColumn<QString>("categoryIcons");  // icons of the category outside the favourites
        QTest::newRow("same category") << "工商银行支票" << "否" << 1 << QStringList() << "1";
        QTest::newRow("new category") << "农行支票" << "是" << 0 << QStringList{"1|农行支票|admin"} << "1";
        // The deposit slip's category has its default already, and its icon on another tab: the
        // copy's icon goes on the source's tab.
        QTest::newRow("category with a default") << "建行进账单" << "否" << 0 << QStringList{"1|建行进账单|admin"} << "2";
    }
    void copyNote()
    {
        QFETCH(QString, category);
        QFETCH(QString, isDefault);
        QFETCH(int, defNote);
        QFETCH(QStringList, icons);
        QFETCH(QString, categoryIcons);
        const qint64 autoid = operations().copyNote("工行支票", {"工行支票_2", category, "支票"});
        QVERIFY(autoid > 0);
        const QString refNo = rows("select RefNo from p_NoteList where NoteName = '工行支票_2'").value(0);
        QCOMPARE(rows(QStringLiteral("select autoid, NoteNameType, \"default\", DefNote, ImgFile from p_NoteList where RefNo = '%1'").arg(refNo)),
                 QStringList{QStringLiteral("%1|%2|%3|%4|icbc.jpg").arg(autoid).arg(category, isDefault).arg(defNote)});
        QCOMPARE(rows(QStringLiteral("select Tag, CtlCName, Ctlx from p_NoteCntlList where RefNo = '%1' order by Tag").arg(refNo)),
                 (QStringList{"1000|金额|100", "1001|收款人|100"}));
        QCOMPARE(rows(QStringLiteral("select TabNo, Caption, UserId from s_ui where ModId = %1").arg(refNo)), icons);
        // The kind keeps one default category.
        QCOMPARE(rows("select count(distinct NoteNameType) from p_NoteList where NoteType = '支票' and DefNote = 1"),
                 QStringList{"1"});
        // Saving the copy adds no second icon for its category.
        operations().saveUiEntry(refNo);
        operations().saveUiEntry(refNo);
        QCOMPARE(rows(QStringLiteral("select count(*) from s_ui where Caption = '%1' and TabNo <> 0").arg(category)),
                 QStringList{categoryIcons});
    }

    void copyOfMissingTemplateChangesNothing()
    {
        const QStringList before = rows("select count(*) from p_NoteList");
        QCOMPARE(operations().copyNote("没有这个", {"新", "新", "支票"}), 0);
        QCOMPARE(rows("select count(*) from p_NoteList"), before);
    }

    void saveUiEntryOncePerCategory()
    {
        operations().newTemplate({"农行支票", "农行支票", "支票"}, "admin", QDate(2026, 12, 10));
        const QString refNo = operations().refNoOf("农行支票");
        operations().saveUiEntry(refNo);
        operations().saveUiEntry(refNo);
        QCOMPARE(rows("select UserId, TabNo, ModId, MenuType, Caption from s_ui where Caption = '农行支票'"),
                 QStringList{"1111|1|" + refNo + "|0|农行支票"});
    }

    void renameCarriesTheCategoryToTheIcon()
    {
        // The deposit slip is alone in its category: its icon follows the new category.
        QVERIFY(operations().rename("13", {"建行进账单'新", "建行'进账;单", "进账单"}));
        QCOMPARE(rows("select NoteName, NoteNameType, DataTablename from p_NoteList where RefNo = '13'"),
                 QStringList{"建行进账单'新|建行'进账;单|银行转帐单"});
        QCOMPARE(rows("select TabNo, Caption from s_ui where ModId = 13"), QStringList{"2|建行'进账;单"});
        operations().saveUiEntry("13");
        QCOMPARE(rows("select count(*) from s_ui"), QStringList{"3"});
    }

    void renameOutOfACategoryLeavesItsIcon()
    {
        // 11 carries the category's icons; its sister format takes them over.
        QVERIFY(operations().rename("11", {"工行支票", "新分类", "支票"}));
        QCOMPARE(rows("select TabNo, ModId, Caption from s_ui where Caption = '工商银行支票' order by TabNo"),
                 (QStringList{"0|12|工商银行支票", "1|12|工商银行支票"}));
        // The new category has its icon on the tab at once, captioned with the category.
        QCOMPARE(rows("select TabNo, Caption from s_ui where ModId = 11"), QStringList{"1|新分类"});
        operations().saveUiEntry("11");
        QCOMPARE(rows("select TabNo, Caption from s_ui where ModId = 11"), QStringList{"1|新分类"});
    }

    // A category keeps one default format: a default moved into a category that has one is
    // no longer its default; into a category without one it stays the default.
    void renameIntoACategoryKeepsOneDefault_data()
    {
        QTest::addColumn<QString>("refNo");
        QTest::addColumn<QString>("category");
        QTest::addColumn<QStringList>("defaults");  // NoteName=default, by RefNo
        QTest::newRow("into a category with a default")
            << "13" << "工商银行支票" << QStringList{"工行支票=是", "工行支票二=否", "建行进账单=否"};
        QTest::newRow("into a new category") << "11" << "新分类" << QStringList{"工行支票=是", "工行支票二=否", "建行进账单=是"};
        QTest::newRow("a format that was no default") << "12" << "新分类" << QStringList{"工行支票=是", "工行支票二=是", "建行进账单=是"};
    }
    void renameIntoACategoryKeepsOneDefault()
    {
        QFETCH(QString, refNo);
        QFETCH(QString, category);
        QFETCH(QStringList, defaults);
        const QString name = rows(QStringLiteral("select NoteName from p_NoteList where RefNo = '%1'").arg(refNo)).value(0);
        const QString kind = rows(QStringLiteral("select NoteType from p_NoteList where RefNo = '%1'").arg(refNo)).value(0);
        QVERIFY(operations().rename(refNo, {name, category, kind}));
        QCOMPARE(rows("select NoteName || '=' || \"default\" from p_NoteList order by RefNo"), defaults);
    }

    // A kind keeps one default category (DefNote on each of its formats): a format moved to
    // another category takes that category's mark, so that no second default of the kind
    // comes up, not even when the formats are saved again.
    void renameTakesTheCategorysDefNote_data()
    {
        QTest::addColumn<QString>("refNo");
        QTest::addColumn<QString>("category");
        QTest::addColumn<QString>("moved");  // default|DefNote of the moved format
        QTest::newRow("the kind's default into another category") << "11" << "农行支票" << "否|0";
        QTest::newRow("the kind's default into a new category") << "11" << "新分类" << "是|0";
        QTest::newRow("a sister format into a new category") << "12" << "新分类" << "是|0";
        QTest::newRow("into the kind's default category") << "14" << "工商银行支票" << "否|1";
    }
    void renameTakesTheCategorysDefNote()
    {
        QFETCH(QString, refNo);
        QFETCH(QString, category);
        QFETCH(QString, moved);
        addTemplate("14", "农行支票", "农行支票", "支票", "是", "icbc.jpg", 0);
        const QString name = rows(QStringLiteral("select NoteName from p_NoteList where RefNo = '%1'").arg(refNo)).value(0);
        QVERIFY(operations().rename(refNo, {name, category, "支票"}));
        QCOMPARE(rows(QStringLiteral("select \"default\" || '|' || DefNote from p_NoteList where RefNo = '%1'").arg(refNo)),
                 QStringList{moved});
        const QString defaults = "select count(distinct NoteNameType) from p_NoteList where NoteType = '支票' and DefNote = 1";
        const QString defaultFormats = "select count(*) from p_NoteList where NoteType = '支票' and DefNote = 1 and \"default\" = '是'";
        QCOMPARE(rows(defaults), QStringList{"1"});
        // The designer's save of every format (the sister left behind becomes its category's default).
        for (const QString &format : rows("select NoteName from p_NoteList where NoteType = '支票' order by RefNo")) {
            std::optional<TemplateDocument> document = LoadTemplate(CurAdo, format);
            QVERIFY(document);
            SaveTemplate(CurAdo, *document);
        }
        QCOMPARE(rows(defaults), QStringList{"1"});
        QVERIFY2(rows(defaultFormats).value(0).toInt() <= 1, qPrintable(rows("select NoteName, \"default\", DefNote from p_NoteList").join(' ')));
    }

    void deleteTemplate_data()
    {
        QTest::addColumn<QString>("refNo");
        QTest::addColumn<QStringList>("icons");   // TabNo|ModId|Caption left
        QTest::addColumn<bool>("pictureKept");
        QTest::newRow("icon re-pointed, shared picture kept")
            << "11" << QStringList{"0|12|工商银行支票", "1|12|工商银行支票", "2|13|建行进账单"} << true;
        QTest::newRow("last of its category: icon and picture gone")
            << "13" << QStringList{"0|11|工商银行支票", "1|11|工商银行支票"} << false;
    }
    void deleteTemplate()
    {
        QFETCH(QString, refNo);
        QFETCH(QStringList, icons);
        QFETCH(bool, pictureKept);
        const QString picture = rows(QStringLiteral("select ImgFile from p_NoteList where RefNo = '%1'").arg(refNo)).value(0);
        QVERIFY(operations().deleteTemplate(refNo));
        QCOMPARE(rows(QStringLiteral("select count(*) from p_NoteList where RefNo = '%1'").arg(refNo)), QStringList{"0"});
        QCOMPARE(rows(QStringLiteral("select count(*) from p_NoteCntlList where RefNo = '%1'").arg(refNo)), QStringList{"0"});
        QCOMPARE(rows("select TabNo, ModId, Caption from s_ui order by TabNo, ModId"), icons);
        QCOMPARE(QFile::exists(m_folder->file("images/" + picture)), pictureKept);
    }

    void deleteNeverLeavesThePictureFolder()
    {
        writeFile(m_folder->file("outside.jpg"), "keep");
        ExecTmpQuery(CurAdo, QStringLiteral("update p_NoteList set ImgFile = '../outside.jpg' where RefNo = '13'"));
        QVERIFY(operations().deleteTemplate("13"));
        QVERIFY(QFile::exists(m_folder->file("outside.jpg")));
    }

    void pictureImportTarget_data()
    {
        QTest::addColumn<QString>("chosenName");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<bool>("copy");
        const QByteArray other = jfifPicture(30, 30, 1, 72, 72);
        // icbc.jpg is named by two other templates than 13.
        QTest::newRow("new name") << "scan.jpg" << other << "scan.jpg" << true;
        QTest::newRow("used by others, other bytes") << "icbc.jpg" << other << "icbc_2.jpg" << true;
        QTest::newRow("used by others, same bytes") << "icbc.jpg" << jfifPicture(40, 20, 1, 96, 96) << "icbc.jpg" << false;
        QTest::newRow("own picture replaced") << "ccb.jpg" << other << "ccb.jpg" << true;
    }
    void pictureImportTarget()
    {
        QFETCH(QString, chosenName);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, fileName);
        QFETCH(bool, copy);
        const QString chosen = m_folder->file("scans/" + chosenName);
        writeFile(chosen, bytes);
        const QByteArray icbcBefore = [&] {
            QFile f(m_folder->file("images/icbc.jpg"));
            f.open(QIODevice::ReadOnly);
            return f.readAll();
        }();
        const TemplateFileImport plan = PlanTemplateFileImport(CurAdo, TemplateFileKind::Picture, chosen, "13");
        QCOMPARE(plan.fileName, fileName);
        QCOMPARE(plan.copy, copy);
        CarryOutFileImport(plan);
        QFile target(m_folder->file("images/" + fileName));
        QVERIFY(target.open(QIODevice::ReadOnly));
        QCOMPARE(target.readAll(), bytes);
        QFile icbc(m_folder->file("images/icbc.jpg"));
        QVERIFY(icbc.open(QIODevice::ReadOnly));
        QCOMPARE(icbc.readAll(), icbcBefore);  // another template's picture is never replaced
    }

    void pictureChosenInItsOwnFolderIsNotCopied()
    {
        const QString inPlace = m_folder->file("images/ccb.jpg");
        const TemplateFileImport plan = PlanTemplateFileImport(CurAdo, TemplateFileKind::Picture, inPlace, "11");
        QCOMPARE(plan.copy, false);
        CarryOutFileImport(plan);
        QVERIFY(QFileInfo(inPlace).size() > 0);
    }

    void importedPictureColumns_data()
    {
        QTest::addColumn<int>("units");
        QTest::addColumn<int>("xDensity");
        QTest::addColumn<int>("yDensity");
        QTest::addColumn<QString>("width");   // inches as stored before enciphering, empty: none
        QTest::addColumn<QString>("height");
        QTest::newRow("dots per inch") << 1 << 100 << 50 << "8.000000" << "8.000000";
        QTest::newRow("dots per centimetre") << 2 << 40 << 40 << "7.874016" << "3.937008";
        QTest::newRow("no unit read as inches") << 0 << 200 << 200 << "4.000000" << "2.000000";
        QTest::newRow("no density") << 1 << 0 << 0 << "" << "";
    }
    void importedPictureColumns()
    {
        QFETCH(int, units);
        QFETCH(int, xDensity);
        QFETCH(int, yDensity);
        QFETCH(QString, width);
        QFETCH(QString, height);
        writeFile(m_folder->file("images/form.jpg"), jfifPicture(800, 400, quint8(units), quint16(xDensity), quint16(yDensity)));
        const QVariantMap columns = ImportedPictureColumns("form.jpg", CheckTemplatePictureFile(m_folder->file("images/form.jpg")));
        QCOMPARE(columns.value("ImgFile").toString(), QStringLiteral("form.jpg"));
        QCOMPARE(columns.value("xDpi").toInt(), xDensity);
        QCOMPARE(columns.value("yDpi").toInt(), yDensity);
        QCOMPARE(columns.value("DpiUnit").toInt(), units);
        QCOMPARE(columns.value("ImgEnc").toInt(), 0);
        QCOMPARE(columns.value("ConvertRate1").toString(), QString());
        const QString key = "form";
        QCOMPARE(columns.value("tWidth").toString(), width.isEmpty() ? QString() : OpenSslDesHex(width.toLatin1(), key.toLatin1()));
        QCOMPARE(columns.value("tHeight").toString(), height.isEmpty() ? QString() : OpenSslDesHex(height.toLatin1(), key.toLatin1()));
    }
};

QTEST_MAIN(TestTemplateOperations)
#include "tst_templateoperations.moc"
