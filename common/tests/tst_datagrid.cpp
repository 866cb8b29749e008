#include "TestProgramFolder.h"

#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/db/AdoFunc.h"
#include "core/globals/PubDm.h"
#include "core/grid/GridLayout.h"
#include "gui/dbfun/DbGridColumns.h"
#include "gui/grid/DataGrid.h"
#include "gui/grid/GridFooter.h"
#include "gui/grid/GridRoutines.h"
#include "gui/grid/TGridDispForm.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QHeaderView>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

Q_DECLARE_METATYPE(QList<SortMarker>)

// The data grid over a real data set, shown headless.
class TestDataGrid : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestProgramFolder> m_folder;
    std::unique_ptr<DataSet> m_set;
    std::unique_ptr<DataGrid> m_grid;

    int column(const QString &field) const { return m_grid->columnOfField(field); }
    QString current() const { return m_set->fieldByName(QStringLiteral("name"))->asString(); }
    QStringList names() const
    {
        QStringList result;
        for (int row = 0; row < m_set->recordCount(); ++row)
            result.append(m_set->value(row, m_set->fieldByName(QStringLiteral("name"))).toString());
        return result;
    }

    // Answers the next modal dialog with the given action, once it shows.
    static void whenDialogShows(std::function<void(TGridDispForm *)> act)
    {
        QTimer::singleShot(0, [act] {
            auto *form = qobject_cast<TGridDispForm *>(QApplication::activeModalWidget());
            QVERIFY(form);
            act(form);
        });
    }

private Q_SLOTS:
    void init()
    {
        m_folder = std::make_unique<TestProgramFolder>();
        m_folder->openDatabase();
        ExecTmpQuery(CurAdo, QStringLiteral("create table g (id integer primary key autoincrement, name varchar(20), "
                                            "DESCR varchar(20), amount money, qty int, picture blob)"));
        ExecTmpQuery(CurAdo, QStringLiteral("insert into g (name, DESCR, amount, qty) values "
                                            "('b', 'x', 0.1, 3), ('a', 'y', 0.2, 4), ('c', 'x', 0.05, 5)"));
        m_set = std::make_unique<DataSet>();
        m_set->setSql(QStringLiteral("select * from g order by id"));
        m_grid = std::make_unique<DataGrid>();
        m_grid->setDataSet(m_set.get());
        m_grid->resize(600, 300);
        m_grid->show();
        m_set->open();
    }
    void cleanup()
    {
        m_grid.reset();
        m_set.reset();
        m_folder.reset();
    }

    void restoredMarkersFollowTheSortText_data()
    {
        QTest::addColumn<QString>("sortText");
        QTest::addColumn<QList<SortMarker>>("markers");
        QTest::addColumn<QString>("roundTrip");
        const auto m = [](const char16_t *field, bool descending) { return SortMarker{QString::fromUtf16(field), descending}; };
        QTest::newRow("DESC field word, then bare field")
            << QStringLiteral(" name DESC , qty") << QList<SortMarker>{m(u"name", true), m(u"qty", false)}
            << QStringLiteral("name DESC,qty ASC");
        QTest::newRow("field named DESCR is ascending")
            << QStringLiteral("DESCR,amount desc") << QList<SortMarker>{m(u"DESCR", false), m(u"amount", true)}
            << QStringLiteral("DESCR ASC,amount DESC");
        QTest::newRow("letter case and brackets") << QStringLiteral("[NAME] asc") << QList<SortMarker>{m(u"name", false)}
                                                  << QStringLiteral("name ASC");
        QTest::newRow("a field once") << QStringLiteral("qty DESC,qty") << QList<SortMarker>{m(u"qty", true)}
                                      << QStringLiteral("qty DESC");
    }
    void restoredMarkersFollowTheSortText()
    {
        QFETCH(QString, sortText);
        QFETCH(QList<SortMarker>, markers);
        QFETCH(QString, roundTrip);
        m_set->setSort(sortText);
        SetSortMarking(m_grid.get(), true);
        QCOMPARE(m_grid->sortMarkers(), markers);
        m_set->setSort(QString());
        OnSortMarkingChanged(m_grid.get());
        QCOMPARE(m_set->sort(), roundTrip);
        SetSortMarking(m_grid.get(), false);
        QVERIFY(m_grid->sortMarkers().isEmpty());
    }

    void titleClicksSortAndKeepTheCurrentRow()
    {
        SetSortMarking(m_grid.get(), false);
        QVERIFY(m_set->locate(QStringLiteral("name"), QStringLiteral("c")));
        m_grid->horizontalHeader()->sectionClicked(column(QStringLiteral("DESCR")));  // as a plain click
        QCOMPARE(m_set->sort(), QStringLiteral("DESCR ASC"));
        QCOMPARE(current(), QStringLiteral("c"));
        m_grid->clickTitle(column(QStringLiteral("name")), true);
        QCOMPARE(m_set->sort(), QStringLiteral("DESCR ASC,name ASC"));
        QCOMPARE(names(), (QStringList{QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("a")}));
        m_grid->clickTitle(column(QStringLiteral("name")), true);
        QCOMPARE(m_set->sort(), QStringLiteral("DESCR ASC,name DESC"));
        QCOMPARE(names(), (QStringList{QStringLiteral("c"), QStringLiteral("b"), QStringLiteral("a")}));
        QCOMPARE(current(), QStringLiteral("c"));
        QCOMPARE(m_grid->currentIndex().row(), m_set->recNo() - 1);
        m_grid->clickTitle(column(QStringLiteral("qty")), false);
        QCOMPARE(m_set->sort(), QStringLiteral("qty ASC"));
        m_grid->clickTitle(column(QStringLiteral("qty")), false);
        QCOMPARE(m_set->sort(), QStringLiteral("qty DESC"));

        // Pictures are no sort key, and nothing sorts while a row is edited.
        m_grid->clickTitle(column(QStringLiteral("picture")), false);
        QCOMPARE(m_set->sort(), QStringLiteral("qty DESC"));
        QVERIFY(m_set->edit());
        m_grid->clickTitle(column(QStringLiteral("name")), false);
        QCOMPARE(m_set->sort(), QStringLiteral("qty DESC"));
        QVERIFY(m_set->isEditing());
    }

    void footersFollowColumnsAndRows()
    {
        SetDbGridSumList(m_grid.get(), QStringLiteral("amount:SUM;qty:avg;id:Count;name:合计;nothing:SUM"));
        GridFooter *footer = m_grid->footer();
        QVERIFY(footer->isVisible());
        QCOMPARE(footer->textOf(column(QStringLiteral("amount"))), QStringLiteral("0.35"));
        QCOMPARE(footer->textOf(column(QStringLiteral("qty"))), QStringLiteral("4"));
        QCOMPARE(footer->textOf(column(QStringLiteral("id"))), QStringLiteral("3"));
        QCOMPARE(footer->textOf(column(QStringLiteral("name"))), QStringLiteral("合计"));
        QCOMPARE(footer->textOf(column(QStringLiteral("DESCR"))), QString());

        // 0.1 + 0.2 is exactly 0.30 in amounts; the footer hears of posts and deletions.
        QVERIFY(m_set->locate(QStringLiteral("name"), QStringLiteral("c")));
        m_set->deleteRecord();
        QCOMPARE(footer->textOf(column(QStringLiteral("amount"))), QStringLiteral("0.30"));
        QCOMPARE(footer->textOf(column(QStringLiteral("qty"))), QStringLiteral("3.5"));
        QVERIFY(m_set->append());
        m_set->fieldByName(QStringLiteral("amount"))->setValue(QStringLiteral("0.015"));
        QVERIFY(m_set->post());
        QCOMPARE(footer->textOf(column(QStringLiteral("amount"))), QStringLiteral("0.32"));  // 0.315, halves to even
        QCOMPARE(footer->textOf(column(QStringLiteral("id"))), QStringLiteral("3"));
        QCOMPARE(footer->textOf(column(QStringLiteral("qty"))), QStringLiteral("3.5"));  // NULL is no value

        // The cells stand under their columns wherever these go.
        QHeaderView *header = m_grid->horizontalHeader();
        const auto underColumn = [&](const QString &field) {
            const int c = column(field);
            const QRect cell = footer->cellRect(c);
            return cell.left() == m_grid->viewport()->x() + header->sectionViewportPosition(c)
                && cell.width() == header->sectionSize(c) && footer->y() >= m_grid->viewport()->geometry().bottom();
        };
        QVERIFY(underColumn(QStringLiteral("amount")));
        header->moveSection(header->visualIndex(column(QStringLiteral("amount"))), 0);
        header->resizeSection(column(QStringLiteral("amount")), 140);
        QVERIFY(underColumn(QStringLiteral("amount")));
        QVERIFY(underColumn(QStringLiteral("name")));
        m_grid->setColumnVisible(column(QStringLiteral("amount")), false);
        QVERIFY(footer->cellRect(column(QStringLiteral("amount"))).isEmpty());
        QVERIFY(underColumn(QStringLiteral("name")));
        QCOMPARE(footer->cellRect(column(QStringLiteral("id"))).left(), m_grid->viewport()->x());
    }

    void layoutFileRoundTrip()
    {
        const QString path = GridLayoutFilePath();
        QVERIFY(path.startsWith(m_folder->path()));
        QVERIFY(SaveGridLayout(path, QStringLiteral("TOtherFormGrid"), GridLayout{{{QStringLiteral("x"), 10, true}}, {}, 0}));
        m_grid->setLayoutSection(QStringLiteral("TDbQueryForm银行转帐单支票"));
        QHeaderView *header = m_grid->horizontalHeader();
        header->moveSection(header->visualIndex(column(QStringLiteral("qty"))), 0);
        header->resizeSection(column(QStringLiteral("name")), 123);
        m_grid->setColumnVisible(column(QStringLiteral("DESCR")), false);
        m_grid->verticalHeader()->setDefaultSectionSize(27);
        SetSortMarking(m_grid.get(), false);
        m_grid->clickTitle(column(QStringLiteral("amount")), false);
        m_grid->clickTitle(column(QStringLiteral("amount")), false);
        const GridLayout saved = m_grid->gridLayout();
        QCOMPARE(saved.columns.first().field, QStringLiteral("qty"));
        QVERIFY(m_grid->saveLayout());

        // Our own file is UTF-8, readable as it stands; other sections stay.
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        QVERIFY(text.contains(QStringLiteral("[TDbQueryForm银行转帐单支票]")));
        QVERIFY(text.contains(QStringLiteral("[TOtherFormGrid]")));

        // A new grid restores it before its data set opens.
        m_grid.reset();
        m_set = std::make_unique<DataSet>();
        m_set->setSql(QStringLiteral("select * from g order by id"));
        m_grid = std::make_unique<DataGrid>();
        m_grid->setDataSet(m_set.get());
        m_grid->setLayoutSection(QStringLiteral("TDbQueryForm银行转帐单支票"));
        QVERIFY(m_grid->restoreLayout());
        m_set->open();
        QCOMPARE(m_grid->gridLayout(), saved);
        QCOMPARE(m_grid->horizontalHeader()->sectionSize(column(QStringLiteral("name"))), 123);
        QVERIFY(!m_grid->isColumnVisible(column(QStringLiteral("DESCR"))));
        QCOMPARE(m_grid->sortMarkers(), (QList<SortMarker>{{QStringLiteral("amount"), true}}));
        QCOMPARE(m_grid->verticalHeader()->defaultSectionSize(), 27);

        m_grid->setLayoutSection(QStringLiteral("TNoSuchFormGrid"));
        QVERIFY(!m_grid->restoreLayout());
        QCOMPARE(LoadGridLayout(path, QStringLiteral("TOtherFormGrid"))->columns.size(), 1);
    }

    void columnDialogAppliesOnlyOnOk()
    {
        const int descr = column(QStringLiteral("DESCR"));
        m_set->fieldByName(QStringLiteral("DESCR"))->setDisplayLabel(QStringLiteral("说明"));
        m_grid->setColumnVisible(column(QStringLiteral("qty")), false);

        whenDialogShows([](TGridDispForm *form) {
            QCOMPARE(form->windowTitle(), QStringLiteral("选择表格显示列"));
            QCOMPARE(form->size(), QSize(293, 405));
            QListWidget *list = form->columnList();
            QCOMPARE(list->item(2)->text(), QStringLiteral("说明"));
            QCOMPARE(list->item(4)->checkState(), Qt::Unchecked);  // qty
            list->item(2)->setCheckState(Qt::Unchecked);
            form->selectAllBox()->setChecked(true);
            QTest::keyClick(form, Qt::Key_Escape);
        });
        QVERIFY(!SetDbColumnVisible(m_grid.get()));
        QVERIFY(m_grid->isColumnVisible(descr));
        QVERIFY(!m_grid->isColumnVisible(column(QStringLiteral("qty"))));

        whenDialogShows([](TGridDispForm *form) {
            form->selectAllBox()->setChecked(true);
            form->columnList()->item(2)->setCheckState(Qt::Unchecked);
            QTest::mouseClick(form->findChild<QPushButton *>(QStringLiteral("OkButton")), Qt::LeftButton);
        });
        QVERIFY(SetDbColumnVisible(m_grid.get()));
        QVERIFY(!m_grid->isColumnVisible(descr));
        QVERIFY(m_grid->isColumnVisible(column(QStringLiteral("qty"))));
        QCOMPARE(GetColumnByFieldName(m_grid.get(), QStringLiteral("descr")), descr);
    }
};

QTEST_MAIN(TestDataGrid)
#include "tst_datagrid.moc"
