#include "ExternalTool.h"
#include "SqliteShell.h"
#include "TemporaryHome.h"
#include "helpers/HistoryQueryFixture.h"
#include "helpers/ModalDialogs.h"

#include "bills/history/HistoryKind.h"
#include "bills/history/TDbQueryForm.h"
#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/db/AdoFunc.h"
#include "core/globals/PubDm.h"
#include "core/grid/GridLayout.h"
#include "gui/desktop/DesktopOpener.h"
#include "gui/dialogs/FileDialogSeam.h"
#include "gui/grid/DataGrid.h"
#include "gui/grid/GridFooter.h"
#include "gui/grid/TGridDispForm.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QtTest>

namespace {

// Per kind: the column a clerk sorts by (one the other kinds mostly lack). The three rows of
// each kind hold 20, 30, 10 there in the order they were saved: sorted up they come 3, 1, 2,
// neither the order they were saved in nor the list's own.
const QList<QString> kSortColumns = {
    QStringLiteral("金额"),     QStringLiteral("金额"),   QStringLiteral("金额"),   QStringLiteral("金额"),
    QStringLiteral("件数"),     QStringLiteral("合计金额"), QStringLiteral("c.数量"), QStringLiteral("合计金额"),
    QStringLiteral("c.数量"),   QStringLiteral("数量"),   QStringLiteral("金额"),
};
const QList<int> kSortValues = {20, 30, 10};

void insertRows()
{
    for (const QString &kind : {QStringLiteral("支票"), QStringLiteral("进账单"), QStringLiteral("电汇单"), QStringLiteral("托收凭证")})
        for (const int value : kSortValues)
            ExecTmpQuery(CurAdo, QStringLiteral("insert into 银行转帐单 (NoteName, NoteTypeName, Refno, 金额, 收款人名称) values (?, ?, ?, ?, ?)"),
                         {kind, kind, QStringLiteral("%1%2").arg(kind).arg(value), value, QStringLiteral("华东机电")});
    for (const int value : kSortValues) {
        ExecTmpQuery(CurAdo, QStringLiteral("insert into 现金缴款单 (NoteName, NoteTypeName, Refno, 金额) values ('现金缴款单', '现金缴款单', ?, ?)"),
                     {QStringLiteral("X%1").arg(value), value});
        ExecTmpQuery(CurAdo, QStringLiteral("insert into 快递单 (NoteName, NoteTypeName, Refno, 件数, 寄件人联系人) values ('快递单', '快递单', ?, ?, '张三')"),
                     {QStringLiteral("K%1").arg(value), value});
        ExecTmpQuery(CurAdo, QStringLiteral("insert into 出货单 (NoteName, NoteTypeName, Refno, 合计金额, 收货单位) values ('送货单', '送货单', ?, ?, '南方五金')"),
                     {QStringLiteral("C%1").arg(value), value});
        ExecTmpQuery(CurAdo, QStringLiteral("insert into 出货单明细 (NoteName, NoteTypeName, Refno, 产品编号, 数量) values ('送货单', '送货单', ?, 'P1', ?)"),
                     {QStringLiteral("C%1").arg(value), value});
        ExecTmpQuery(CurAdo, QStringLiteral("insert into 进仓单 (NoteName, NoteTypeName, Refno, 合计金额, 供货单位) values ('进仓单', '进仓单', ?, ?, '北方物流')"),
                     {QStringLiteral("J%1").arg(value), value});
        ExecTmpQuery(CurAdo, QStringLiteral("insert into 进仓单明细 (NoteName, NoteTypeName, Refno, 产品编号, 数量) values ('进仓单', '进仓单', ?, 'P1', ?)"),
                     {QStringLiteral("J%1").arg(value), value});
        ExecTmpQuery(CurAdo, QStringLiteral("insert into 商品库存 (产品编号, 仓库, 数量) values (?, '一号库', ?)"),
                     {QStringLiteral("P%1").arg(value), value});
    }
}

// The first column of the list (id, or autoid of the stock) as the grid shows it, top down.
QStringList shownIds(const DataGrid *grid)
{
    QStringList ids;
    const QAbstractItemModel *model = grid->model();
    for (int row = 0; row < model->rowCount(); ++row)
        ids.append(model->data(model->index(row, 0)).toString());
    return ids;
}

// The ids of the kind's rows in the list's own order: newest bill first; the stock as stored.
QStringList ownOrder(const QString &databasePath, int kind)
{
    const HistoryKind &history = HistoryKinds().at(kind);
    if (kind == kStockHistoryKind)
        return SqliteShellRows(databasePath, QStringLiteral("select autoid from 商品库存 order by autoid"));
    const QString table = SqliteShellRows(databasePath, QStringLiteral("select MainTableName from s_PrintType where PrintName = '%1'").arg(history.word)).value(0);
    return SqliteShellRows(databasePath, QStringLiteral("select id from \"%1\" where NoteName = '%2' order by id desc").arg(table, history.word));
}

void clickTitle(DataGrid *grid, int column)
{
    grid->scrollTo(grid->model()->index(0, column));
    QHeaderView *header = grid->horizontalHeader();
    const QPoint at(header->sectionViewportPosition(column) + header->sectionSize(column) / 2, header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
}

QStringList visibleColumns(const DataGrid *grid)
{
    QStringList shown;
    const QHeaderView *header = grid->horizontalHeader();
    for (int visual = 0; visual < header->count(); ++visual) {
        const int column = header->logicalIndex(visual);
        if (grid->isColumnVisible(column))
            shown.append(grid->fieldOfColumn(column)->name());
    }
    return shown;
}

// What a clerk sees of a table: every column but those derived from a field ("金额_金额大写",
// "付款日期_小写年", "支付密码_1"…), read from the database itself.
QStringList ownColumnsOf(const QString &databasePath, const QString &table, const QString &prefix = {})
{
    const QStringList all = SqliteShellRows(databasePath, QStringLiteral("select name from pragma_table_info('%1')").arg(table));
    QStringList own;
    for (const QString &column : all) {
        const bool derived = std::any_of(all.cbegin(), all.cend(), [&](const QString &field) {
            return field != column && column.startsWith(field + QLatin1Char('_'));
        });
        if (!derived)
            own.append(prefix + column);
    }
    return own;
}

QStringList defaultColumnsOf(const QString &databasePath, int kind)
{
    static const QHash<int, QPair<QString, QString>> tables = {
        {0, {"银行转帐单", ""}}, {1, {"银行转帐单", ""}}, {2, {"银行转帐单", ""}}, {3, {"现金缴款单", ""}},
        {4, {"快递单", ""}},     {5, {"出货单", ""}},     {6, {"出货单", "出货单明细"}}, {7, {"进仓单", ""}},
        {8, {"进仓单", "进仓单明细"}}, {9, {"商品库存", ""}}, {10, {"银行转帐单", ""}}};
    const auto &[table, detail] = tables.value(kind);
    QStringList columns = ownColumnsOf(databasePath, table);
    if (!detail.isEmpty())
        columns += ownColumnsOf(databasePath, detail, QStringLiteral("c."));
    return columns;
}

void triggerMenu(DataGrid *grid, const QString &text)
{
    for (QAction *action : grid->popupMenu()->actions())
        if (action->text() == text)
            action->trigger();
}

// Unticks the named columns in "设置表格显示" and accepts it, as the clerk does.
void untickColumns(DataGrid *grid, const QStringList &titles)
{
    ModalWatch<TGridDispForm> watch([&](TGridDispForm *form) {
        auto *list = form->findChild<QListWidget *>();
        for (int row = 0; row < list->count(); ++row)
            if (titles.contains(list->item(row)->text()))
                list->item(row)->setCheckState(Qt::Unchecked);
        form->findChild<QPushButton *>(QStringLiteral("OkButton"))->click();
    });
    triggerMenu(grid, QStringLiteral("设置表格显示"));
    QCOMPARE(watch.seen(), 1);
}

} // namespace

// The history query keeps each kind to itself: its sort, its columns.
class TestHistoryKinds : public QObject
{
    Q_OBJECT

private:
    TemporaryHome m_home;
    std::unique_ptr<HistoryQueryFixture> m_screen;

    QStringList errorsShown() const
    {
        QStringList texts = m_screen->messages.texts();
        texts.removeAll(QStringLiteral("数据导出完毕！"));
        return texts;
    }

private Q_SLOTS:
    void init()
    {
        m_screen = std::make_unique<HistoryQueryFixture>(HistoryQueryFixture::Formats::Shipped);
        insertRows();
    }
    void cleanup()
    {
        FileDialogSeam::setHandler({});
        DesktopOpener::setHandler({});
        m_screen.reset();
    }

    void sortNeverOutlivesItsKind_data()
    {
        QTest::addColumn<int>("sorted");
        for (int kind = 0; kind < HistoryKinds().size(); ++kind)
            QTest::newRow(qPrintable(HistoryKinds().at(kind).caption)) << kind;
    }

    // Sorted by a title, then every other kind in turn: each lists in its own order without a
    // word, no marker left, and the exported sheet has the rows as the screen shows them.
    void sortNeverOutlivesItsKind()
    {
        QFETCH(int, sorted);
        QVERIFY(!QFile::exists(m_screen->folder.file(QStringLiteral("GridDisp.ini"))));
        QStringList exported;
        FileDialogSeam::setHandler([&](const FileDialogRequest &) {
            exported.append(m_screen->folder.file(QStringLiteral("tmp/list%1.xlsx").arg(exported.size())));
            return exported.last();
        });
        DesktopOpener::setHandler([](const QUrl &) { return true; });
        auto form = m_screen->shownForm();
        DataGrid *grid = form->grid();
        auto *exportButton = form->findChild<QPushButton *>(QStringLiteral("ExportButton"));
        QList<QStringList> screens;

        form->findChild<QPushButton *>(QStringLiteral("KindButton%1").arg(sorted))->click();
        const QStringList own = ownOrder(m_screen->folder.databasePath(), sorted);
        QCOMPARE(own.size(), 3);
        QCOMPARE(shownIds(grid), own);
        const int column = grid->columnOfField(kSortColumns.at(sorted));
        QVERIFY(column >= 0);
        clickTitle(grid, column);
        QCOMPARE(grid->sortMarkers().size(), 1);
        // Up by the values 20, 30, 10: the third saved, the first, the second.
        const QStringList saved = sorted == kStockHistoryKind ? own : QStringList{own.at(2), own.at(1), own.at(0)};
        QCOMPARE(shownIds(grid), (QStringList{saved.at(2), saved.at(0), saved.at(1)}));
        exportButton->click();
        screens.append(shownIds(grid));

        for (int kind = 0; kind < HistoryKinds().size(); ++kind) {
            if (kind == sorted)
                continue;
            form->findChild<QPushButton *>(QStringLiteral("KindButton%1").arg(kind))->click();
            const QString where = HistoryKinds().at(kind).caption;
            QVERIFY2(errorsShown().isEmpty(), qPrintable(where + QLatin1Char(':') + errorsShown().join(QLatin1Char('\n'))));
            QVERIFY2(grid->sortMarkers().isEmpty(), qPrintable(where));
            QVERIFY2(form->dataSet()->sort().isEmpty(), qPrintable(where));
            QCOMPARE(shownIds(grid), ownOrder(m_screen->folder.databasePath(), kind));
            exportButton->click();
            screens.append(shownIds(grid));
        }
        // Back to the kind first sorted: its own order again.
        form->findChild<QPushButton *>(QStringLiteral("KindButton%1").arg(sorted))->click();
        QVERIFY(grid->sortMarkers().isEmpty());
        QCOMPARE(shownIds(grid), own);

        QCOMPARE(exported.size(), HistoryKinds().size());
        const ToolRun python = runPython(QStringLiteral("import openpyxl, sys\n"
                                                         "for path in sys.argv[1:]:\n"
                                                         "    rows = list(openpyxl.load_workbook(path).active.values)[1:]\n"
                                                         "    print(' '.join(str(row[0]) for row in rows))\n"),
                                          exported);
        QVERIFY2(python.exitCode == 0, python.errors.constData());
        QStringList onScreen;
        for (const QStringList &ids : std::as_const(screens))
            onScreen.append(ids.join(QLatin1Char(' ')));
        QCOMPARE(QString::fromUtf8(python.output).split(QLatin1Char('\n'), Qt::SkipEmptyParts), onScreen);
    }

    void freshFolderShowsEachKindsDefaults_data()
    {
        QTest::addColumn<QList<int>>("kinds");
        QList<int> forward;
        for (int kind = 0; kind < HistoryKinds().size(); ++kind)
            forward.append(kind);
        QList<int> backward(forward.crbegin(), forward.crend());
        QTest::newRow("in button order") << forward;
        QTest::newRow("backwards") << backward;
        QTest::newRow("cheque, waybill, delivery, cheque") << QList<int>{0, 4, 5, 6, 0, 5};
    }

    // No GridDisp.ini: whatever came before, each kind shows every column of its own (the
    // derived ones wait in the column chooser) and its sums can be seen.
    void freshFolderShowsEachKindsDefaults()
    {
        QFETCH(QList<int>, kinds);
        QVERIFY(!QFile::exists(m_screen->folder.file(QStringLiteral("GridDisp.ini"))));
        auto form = m_screen->shownForm();
        DataGrid *grid = form->grid();
        for (const int kind : std::as_const(kinds)) {
            form->findChild<QPushButton *>(QStringLiteral("KindButton%1").arg(kind))->click();
            const QString where = HistoryKinds().at(kind).caption;
            QCOMPARE(visibleColumns(grid), defaultColumnsOf(m_screen->folder.databasePath(), kind));
            for (const QString &sum : {QStringLiteral("金额"), QStringLiteral("合计金额")}) {
                const int column = grid->columnOfField(sum);
                if (column < 0)
                    continue;
                QVERIFY2(grid->isColumnVisible(column), qPrintable(where));
                QVERIFY2(!grid->footer()->cellRect(column).isEmpty(), qPrintable(where));
                QCOMPARE(grid->footer()->textOf(column), QStringLiteral("60.00"));
            }
        }
        QVERIFY(errorsShown().isEmpty());
        QVERIFY(!QFile::exists(m_screen->folder.file(QStringLiteral("GridDisp.ini"))));
    }

    // A choice of columns is the kind's own: kept while the screen is open, saved and restored
    // under the kind's section, never passed to another kind (not even one on the same table).
    void columnChoiceIsEachKindsOwn()
    {
        const QString iniPath = m_screen->folder.file(QStringLiteral("GridDisp.ini"));
        QVERIFY(!QFile::exists(iniPath));
        const QString database = m_screen->folder.databasePath();
        {
            auto form = m_screen->shownForm();
            DataGrid *grid = form->grid();
            const auto kindButton = [&](int kind) { return form->findChild<QPushButton *>(QStringLiteral("KindButton%1").arg(kind)); };
            untickColumns(grid, {QStringLiteral("收款人名称"), QStringLiteral("金额")});
            QStringList cheque = defaultColumnsOf(database, 0);
            cheque.removeAll(QStringLiteral("收款人名称"));
            cheque.removeAll(QStringLiteral("金额"));
            QCOMPARE(visibleColumns(grid), cheque);
            // The count moves with the first two columns shown; nothing sums a hidden column.
            QCOMPARE(grid->footer()->textOf(grid->columnOfField(QStringLiteral("id"))), QStringLiteral("记录数"));

            kindButton(1)->click();
            QCOMPARE(visibleColumns(grid), defaultColumnsOf(database, 1));
            kindButton(4)->click();
            untickColumns(grid, {QStringLiteral("件数")});
            kindButton(0)->click();
            QCOMPARE(visibleColumns(grid), cheque);
            triggerMenu(grid, QStringLiteral("保存显示设置"));
            kindButton(2)->click();
            QCOMPARE(visibleColumns(grid), defaultColumnsOf(database, 2));
            kindButton(4)->click();
            QVERIFY(!visibleColumns(grid).contains(QStringLiteral("件数")));
        }

        // Only the cheque's choice was saved, under its own section.
        const ToolRun python = runPython(QStringLiteral("import configparser, sys\n"
                                                         "ini = configparser.ConfigParser(interpolation=None)\n"
                                                         "ini.optionxform = str\n"
                                                         "ini.read(sys.argv[1], encoding='utf-8')\n"
                                                         "for section in ini.sections():\n"
                                                         "    hidden = [v.split(';', 2)[2] for k, v in ini[section].items()\n"
                                                         "              if k.startswith('Column') and k != 'ColumnCount' and v.split(';')[1] == '0']\n"
                                                         "    print(section, ' '.join(c for c in hidden if '_' not in c))\n"),
                                          {iniPath});
        QVERIFY2(python.exitCode == 0, python.errors.constData());
        QCOMPARE(QString::fromUtf8(python.output).trimmed(), QStringLiteral("TDbQueryForm银行转帐单支票 金额 收款人名称"));

        // A new screen restores it for the cheque only.
        auto form = m_screen->shownForm();
        DataGrid *grid = form->grid();
        QStringList cheque = defaultColumnsOf(database, 0);
        cheque.removeAll(QStringLiteral("收款人名称"));
        cheque.removeAll(QStringLiteral("金额"));
        QCOMPARE(visibleColumns(grid), cheque);
        for (const int kind : {1, 10, 4, 3}) {
            form->findChild<QPushButton *>(QStringLiteral("KindButton%1").arg(kind))->click();
            QCOMPARE(visibleColumns(grid), defaultColumnsOf(database, kind));
        }
        QVERIFY(errorsShown().isEmpty());
    }

    // 保存显示设置 that cannot write the layout file says so.
    void unsavedLayoutIsSaid()
    {
        QVERIFY(QDir().mkpath(m_screen->folder.file(QStringLiteral("GridDisp.ini"))));
        auto form = m_screen->shownForm();
        QVERIFY(errorsShown().isEmpty());
        triggerMenu(form->grid(), QStringLiteral("保存显示设置"));
        QCOMPARE(m_screen->messages.texts().size(), 1);
        QVERIFY2(m_screen->messages.lastText().startsWith(QStringLiteral("保存显示设置失败")), qPrintable(m_screen->messages.lastText()));
    }
};

QTEST_MAIN(TestHistoryKinds)
#include "tst_historykinds.moc"
