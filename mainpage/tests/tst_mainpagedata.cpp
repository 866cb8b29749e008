#include "SqliteShell.h"
#include "TestProgramFolder.h"

#include "core/db/AdoFunc.h"
#include "core/errors/CorvaneError.h"
#include "core/globals/PubDm.h"
#include "data/CategoryChanges.h"
#include "data/IconChange.h"
#include "data/NoteSearch.h"
#include "data/PictureFit.h"
#include "data/UiIcons.h"
#include "data/UiTabs.h"
#include "data/UiUser.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QtTest>

namespace {

void addFormat(const QString &refNo, const QString &name, const QString &category, const QString &kind,
               const QString &isDefault = QStringLiteral("是"), int defNote = 0)
{
    ExecTmpQuery(CurAdo,
                 QStringLiteral("insert into p_NoteList (RefNo, NoteName, NoteNameType, NoteType, \"default\", DefNote)"
                                " values (?, ?, ?, ?, ?, ?)"),
                 {refNo, name, category, kind, isDefault, defNote});
}

void addIcon(int tabNo, qint64 modId, const QString &caption)
{
    ExecTmpQuery(CurAdo, QStringLiteral("insert into s_ui (UserId, TabNo, ModId, Caption) values ('admin', ?, ?, ?)"),
                 {tabNo, modId, caption});
}

QStringList captionsOf(int tabNo)
{
    QStringList captions;
    for (const UiIcon &icon : TabIcons(CurAdo, tabNo))
        captions.append(icon.caption);
    return captions;
}

void writePicture(const QString &path, const QSize &size, const char *format)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    QVERIFY(picture.save(path, format));
}

} // namespace

// What the main page reads and writes: tabs, icons with their captions and pictures, the
// category changes, the bill search, the last tab and the icon change.
class TestMainPageData : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestProgramFolder> m_folder;

    QString stored(const QString &sql) { return SqliteShellRows(m_folder->databasePath(), sql).join(QLatin1Char('\n')); }

private Q_SLOTS:
    void init()
    {
        m_folder = std::make_unique<TestProgramFolder>();
        m_folder->openDatabase();
        m_folder->removeShippedFormats();
        sCurUserId = QStringLiteral("admin");
        // Three formats of one cheque category (the kind's default), one other cheque category,
        // one waybill.
        addFormat(QStringLiteral("10001"), QStringLiteral("工行转账"), QStringLiteral("工行支票"), QStringLiteral("支票"), QStringLiteral("是"), 1);
        addFormat(QStringLiteral("10002"), QStringLiteral("工行现金"), QStringLiteral("工行支票"), QStringLiteral("支票"), QStringLiteral("否"), 1);
        addFormat(QStringLiteral("10003"), QStringLiteral("工行旧版"), QStringLiteral("工行支票"), QStringLiteral("支票"), QStringLiteral("否"), 1);
        addFormat(QStringLiteral("10004"), QStringLiteral("建行转账"), QStringLiteral("建行支票"), QStringLiteral("支票"));
        addFormat(QStringLiteral("10005"), QStringLiteral("顺丰速运"), QStringLiteral("顺丰快递单"), QStringLiteral("快递单"), QStringLiteral("否"));
        addIcon(1, 10001, QStringLiteral("工行支票"));
        addIcon(1, 10004, QStringLiteral("建行支票"));
        addIcon(6, 10005, QStringLiteral("顺丰快递单"));
    }
    void cleanup() { m_folder.reset(); }

    void captions_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<qint64>("formats");
        QTest::addColumn<bool>("isDefault");
        QTest::addColumn<QString>("shown");
        QTest::newRow("one format") << "建行支票" << qint64(1) << false << "建行支票";
        QTest::newRow("three formats, the default category") << "工行支票" << qint64(3) << true << "工行支票(3)\n(默认单据)";
        QTest::newRow("marker stored already") << " 工行支票\r\n(默认单据) " << qint64(3) << true << "工行支票(3)\n(默认单据)";
        QTest::newRow("marker stored, no longer default") << "工行支票\r\n(默认单据)" << qint64(1) << false << "工行支票";
    }
    void captions()
    {
        QFETCH(QString, stored);
        QFETCH(qint64, formats);
        QFETCH(bool, isDefault);
        QFETCH(QString, shown);
        QCOMPARE(ShownIconCaption(BareIconCaption(stored), formats, isDefault), shown);
    }

    void tabIconsShowCountsDefaultsAndSkipMissingFormats()
    {
        addIcon(1, 99999, QStringLiteral("已删除的单据"));
        QCOMPARE(captionsOf(1), QStringList({QStringLiteral("工行支票(3)\n(默认单据)"), QStringLiteral("建行支票")}));
        QCOMPARE(TabIcons(CurAdo, 1).constFirst().bareCaption, QStringLiteral("工行支票"));
    }

    void iconPictures()
    {
        const QString fallback = m_folder->file(QStringLiteral("icons/default.bmp"));
        // No picture at all: the page draws its own.
        QCOMPARE(TabIcons(CurAdo, 6).constFirst().iconFile, QString());
        writePicture(fallback, QSize(50, 50), "BMP");
        QCOMPARE(TabIcons(CurAdo, 6).constFirst().iconFile, fallback);
        // The category's picture, also for a format of it that names none; a missing file or a
        // name reaching outside the folder falls back.
        writePicture(m_folder->file(QStringLiteral("icons/gh.bmp")), QSize(32, 32), "BMP");
        ExecTmpQuery(CurAdo, QStringLiteral("update p_NoteList set smallpic = 'gh.bmp' where RefNo = '10002'"));
        ExecTmpQuery(CurAdo, QStringLiteral("update p_NoteList set smallpic = 'missing.bmp' where RefNo = '10004'"));
        ExecTmpQuery(CurAdo, QStringLiteral("update p_NoteList set smallpic = '../data/data.db' where RefNo = '10005'"));
        const QList<UiIcon> cheques = TabIcons(CurAdo, 1);
        QCOMPARE(cheques.at(0).iconFile, m_folder->file(QStringLiteral("icons/gh.bmp")));
        QCOMPARE(cheques.at(1).iconFile, fallback);
        QCOMPARE(TabIcons(CurAdo, 6).constFirst().iconFile, fallback);
        QCOMPARE(IconSizedPicture(QImage(m_folder->file(QStringLiteral("icons/gh.bmp")))).size(), QSize(50, 50));
    }

    void tabsAndTheSearchTab()
    {
        QStringList captions;
        for (const UiTab &tab : VisibleUiTabs(CurAdo))
            captions.append(tab.caption);
        QCOMPARE(captions.join(QLatin1Char('\n')), stored(QStringLiteral("select Caption from s_uiTab where Visible <> 0 order by SeqNo")));
        QCOMPARE(SearchResultTabNo(CurAdo), 9);
        // A hidden last tab keeps its icons: the search takes the number above it.
        ExecTmpQuery(CurAdo, QStringLiteral("update s_uiTab set Visible = 0 where TabNo = 8"));
        addIcon(8, 10005, QStringLiteral("顺丰快递单"));
        QCOMPARE(SearchResultTabNo(CurAdo), 9);
        NoteQuery everything;
        OpenNoteQuery(CurAdo, everything);
        QCOMPARE(stored(QStringLiteral("select count(*) from s_ui where TabNo = 8")), QStringLiteral("1"));
        ExecTmpQuery(CurAdo, QStringLiteral("delete from s_uiTab"));
        QCOMPARE(SearchResultTabNo(CurAdo), 1);
    }

    void search_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("onlyOne");
        QTest::addColumn<QString>("found");
        QTest::newRow("everything, one format per category") << "" << "" << true << "10001|工行支票\n10004|建行支票";
        QTest::newRow("every format") << "" << "" << false << "10001|工行支票\n10002|工行支票\n10003|工行支票\n10004|建行支票\n10005|顺丰快递单";
        QTest::newRow("part of the name") << "" << "转账" << false << "10001|工行支票\n10004|建行支票";
        QTest::newRow("kind") << "快递单" << "" << false << "10005|顺丰快递单";
        QTest::newRow("wildcard typed is a character") << "" << "%" << false << "";
        QTest::newRow("quote typed") << "" << "工行'" << false << "";
    }
    void search()
    {
        QFETCH(QString, kind);
        QFETCH(QString, name);
        QFETCH(bool, onlyOne);
        QFETCH(QString, found);
        addIcon(9, 10005, QStringLiteral("上次查询"));
        NoteQuery query;
        query.noteType = kind;
        query.noteName = name;
        query.onlyOne = onlyOne;
        QCOMPARE(OpenNoteQuery(CurAdo, query), 9);
        QCOMPARE(stored(QStringLiteral("select ModId, Caption from s_ui where TabNo = 9 order by ModId")), found);
        QCOMPARE(stored(QStringLiteral("select count(*) from s_ui where TabNo <> 9")), QStringLiteral("3"));
    }

    void searchByAreaAndBank()
    {
        ExecTmpQuery(CurAdo, QStringLiteral("update p_NoteList set Area = '广东', BankName = '工商银行' where RefNo = '10001'"));
        NoteQuery query;
        query.area = QStringLiteral("广东");
        query.bank = QStringLiteral("工商银行");
        OpenNoteQuery(CurAdo, query);
        QCOMPARE(stored(QStringLiteral("select ModId from s_ui where TabNo = 9")), QStringLiteral("10001"));
    }

    void favouritesAreAddedOnce()
    {
        UiIconRow row;
        row.modId = 10004;
        row.menuType = 1;
        row.caption = QStringLiteral("建行支票");
        row.position = QPoint(10, 20);
        QVERIFY(InsertToUiList(CurAdo, row));
        QVERIFY(!InsertToUiList(CurAdo, row));
        // A row another writer made for the tab counts too.
        row.tabNo = 1;
        QVERIFY(!InsertToUiList(CurAdo, row));
        QCOMPARE(stored(QStringLiteral("select UserId, TabNo, ModId, MenuType, Caption, xPos, yPos from s_ui where TabNo = 0")),
                 QStringLiteral("admin|0|10004|1|建行支票|10|20"));
    }

    void markingTheDefaultCategory()
    {
        MarkDefaultCategory(CurAdo, 10004);
        QCOMPARE(stored(QStringLiteral("select RefNo, DefNote from p_NoteList order by RefNo")),
                 QStringLiteral("10001|0\n10002|0\n10003|0\n10004|1\n10005|0"));
        MarkDefaultCategory(CurAdo, 10002);
        QCOMPARE(stored(QStringLiteral("select RefNo, DefNote from p_NoteList order by RefNo")),
                 QStringLiteral("10001|1\n10002|1\n10003|1\n10004|0\n10005|0"));
    }

    void deletingOnFavouritesKeepsTheFormats()
    {
        addIcon(0, 10001, QStringLiteral("工行支票"));
        const qint64 rowId = TabIcons(CurAdo, 0).constFirst().rowId;
        QVERIFY(DeleteUiIcon(CurAdo, 0, rowId, 10001));
        QCOMPARE(stored(QStringLiteral("select count(*) from s_ui where TabNo = 0")), QStringLiteral("0"));
        QCOMPARE(stored(QStringLiteral("select count(*) from p_NoteList")), QStringLiteral("5"));
    }

    void deletingOnATabRemovesTheCategory()
    {
        ExecTmpQuery(CurAdo, QStringLiteral("insert into p_NoteCntlList (RefNo, Tag) values ('10001', 1000), ('10002', 1000), ('10004', 1000)"));
        ExecTmpQuery(CurAdo, QStringLiteral("update p_NoteList set ImgFile = 'gh.jpg' where RefNo in ('10001', '10004')"));
        addIcon(0, 10002, QStringLiteral("工行支票"));
        writePicture(m_folder->file(QStringLiteral("images/gh.jpg")), QSize(40, 20), "JPEG");
        const qint64 rowId = TabIcons(CurAdo, 1).constFirst().rowId;
        QVERIFY(DeleteUiIcon(CurAdo, 1, rowId, 10001));
        QCOMPARE(stored(QStringLiteral("select RefNo from p_NoteList order by RefNo")), QStringLiteral("10004\n10005"));
        QCOMPARE(stored(QStringLiteral("select RefNo from p_NoteCntlList")), QStringLiteral("10004"));
        QCOMPARE(stored(QStringLiteral("select ModId from s_ui order by ModId")), QStringLiteral("10004\n10005"));
        // Another format still uses the picture.
        QVERIFY(QFile::exists(m_folder->file(QStringLiteral("images/gh.jpg"))));

        const qint64 other = TabIcons(CurAdo, 1).constFirst().rowId;
        QVERIFY(DeleteUiIcon(CurAdo, 1, other, 10004));
        QVERIFY(!QFile::exists(m_folder->file(QStringLiteral("images/gh.jpg"))));
    }

    void deletingAFormatWithoutCategoryTakesOnlyIt()
    {
        addFormat(QStringLiteral("10006"), QStringLiteral("无类别甲"), QString(), QStringLiteral("支票"));
        addFormat(QStringLiteral("10007"), QStringLiteral("无类别乙"), QString(), QStringLiteral("支票"));
        addIcon(1, 10006, QStringLiteral("无类别甲"));
        const qint64 rowId = SelTableIntValue(CurAdo, QStringLiteral("select rowid from s_ui where ModId = 10006"));
        QVERIFY(DeleteUiIcon(CurAdo, 1, rowId, 10006));
        QCOMPARE(stored(QStringLiteral("select NoteName from p_NoteList where coalesce(NoteNameType, '') = ''")), QStringLiteral("无类别乙"));
    }

    void aFailingDeleteChangesNothing()
    {
        ExecTmpQuery(CurAdo, QStringLiteral("create trigger refuse before delete on p_NoteCntlList begin select raise(abort, 'refused'); end"));
        ExecTmpQuery(CurAdo, QStringLiteral("insert into p_NoteCntlList (RefNo, Tag) values ('10001', 1000)"));
        const qint64 rowId = TabIcons(CurAdo, 1).constFirst().rowId;
        QVERIFY(!DeleteUiIcon(CurAdo, 1, rowId, 10001));
        QCOMPARE(stored(QStringLiteral("select count(*) from p_NoteList")), QStringLiteral("5"));
        QCOMPARE(stored(QStringLiteral("select count(*) from s_ui")), QStringLiteral("3"));
    }

    void lastTabOfTheLoggedInUser()
    {
        ExecTmpQuery(CurAdo, QStringLiteral("insert into Bs_User (UserId, LastTab) values ('cashier', 4)"));
        sCurUserId = QStringLiteral("Cashier");
        QCOMPARE(ReadLastTab(CurAdo), 4);
        WriteLastTab(CurAdo, 6);
        QCOMPARE(stored(QStringLiteral("select UserId, LastTab from Bs_User order by autoid")), QStringLiteral("admin|0\ncashier|6"));
        sCurUserId.clear();
        QCOMPARE(ReadLastTab(CurAdo), 0);
    }

    void iconChange()
    {
        const QString outside = QDir(m_folder->path()).filePath(QStringLiteral("tmp/my icon.png"));
        writePicture(outside, QSize(64, 40), "PNG");
        const QImage icon = ChangeTemplateIcon(CurAdo, 10004, outside);
        QCOMPARE(icon.size(), QSize(50, 50));
        QVERIFY(QFile::exists(m_folder->file(QStringLiteral("icons/my icon.png"))));
        QCOMPARE(stored(QStringLiteral("select smallpic from p_NoteList where RefNo = '10004'")), QStringLiteral("my icon.png"));
        QCOMPARE(stored(QStringLiteral("select MenuId, length(DefIcon) > 0, substr(hex(DefIcon), 1, 4) from s_MenuIcon")),
                 QStringLiteral("10004|1|424D"));

        // The same file twice, picked inside the folder: not copied onto itself, one row kept.
        const QString inside = m_folder->file(QStringLiteral("icons/my icon.png"));
        ChangeTemplateIcon(CurAdo, 10004, inside);
        QVERIFY(QImage(inside).size() == QSize(64, 40));
        QCOMPARE(stored(QStringLiteral("select count(*) from s_MenuIcon")), QStringLiteral("1"));
        QCOMPARE(TabIcons(CurAdo, 1).at(1).iconFile, inside);

        QFile notAPicture(m_folder->file(QStringLiteral("tmp/text.bmp")));
        QVERIFY(notAPicture.open(QIODevice::WriteOnly));
        notAPicture.write("not a picture");
        notAPicture.close();
        QVERIFY_THROWS_EXCEPTION(CorvaneError, ChangeTemplateIcon(CurAdo, 10001, notAPicture.fileName()));
        QCOMPARE(stored(QStringLiteral("select coalesce(smallpic, '') from p_NoteList where RefNo = '10001'")), QString());
    }

    void pictureFit_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QSize>("panel");
        QTest::addColumn<QRect>("fitted");
        QTest::newRow("wide picture") << QSize(800, 400) << QSize(600, 107) << QRect(193, 0, 214, 107);
        QTest::newRow("half pixel to even") << QSize(3, 2) << QSize(100, 5) << QRect(46, 0, 8, 5);
        QTest::newRow("wider than the panel") << QSize(2000, 100) << QSize(300, 20) << QRect(-50, 0, 400, 20);
        QTest::newRow("no picture") << QSize() << QSize(300, 20) << QRect();
    }
    void pictureFit()
    {
        QFETCH(QSize, picture);
        QFETCH(QSize, panel);
        QFETCH(QRect, fitted);
        QCOMPARE(FitPictureToPanel(picture, panel), fitted);
    }
};

QTEST_MAIN(TestMainPageData)
#include "tst_mainpagedata.moc"
