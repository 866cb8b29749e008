#include "TestProgramFolder.h"

#include "core/globals/PubDm.h"
#include "gui/dbfun/DbGridColumns.h"
#include "gui/dbfun/PickListDelegate.h"

#include <QComboBox>
#include <QSqlQueryModel>
#include <QStandardItemModel>
#include <QTableView>
#include <QtTest>

class TestDbGridColumns : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_folder = std::make_unique<TestProgramFolder>();
        m_folder->openDatabase();
        m_model = std::make_unique<QStandardItemModel>(2, 3);
        const QStringList fields{"fieldName", "FieldType", "fieldtype"};
        for (int column = 0; column < fields.size(); ++column) {
            m_model->setHeaderData(column, Qt::Horizontal, fields.at(column), Qt::DisplayRole);
            m_model->setHeaderData(column, Qt::Horizontal, fields.at(column), FieldNameRole);
        }
        m_grid = std::make_unique<QTableView>();
        m_grid->setModel(m_model.get());
    }
    void cleanup()
    {
        m_grid.reset();
        m_model.reset();
        m_folder.reset();
    }

    void pickListOnEveryBoundColumn()
    {
        GridAddPickList(CurAdo, "FIELDTYPE", 1, m_grid.get());
        QVERIFY(!m_grid->itemDelegateForColumn(0));
        auto *first = qobject_cast<PickListDelegate *>(m_grid->itemDelegateForColumn(1));
        QVERIFY(first);
        QVERIFY(qobject_cast<PickListDelegate *>(m_grid->itemDelegateForColumn(2)));
        QCOMPARE(first->items().size(), 9);

        // Filled again with another list: the same delegate takes it.
        GridAddPickList(CurAdo, "fieldtype", 3, m_grid.get());
        QCOMPARE(m_grid->itemDelegateForColumn(1), first);
        QCOMPARE(first->items(), (QStringList{"大写合并", "合并+拆分", "大写拆分", "大写拆分2"}));

        // The editor offers the list and writes the chosen text into the cell.
        m_grid->show();
        const QModelIndex cell = m_model->index(0, 1);
        m_grid->edit(cell);
        auto *combo = m_grid->viewport()->findChild<QComboBox *>();
        QVERIFY(combo);
        QCOMPARE(combo->count(), 4);
        combo->setCurrentIndex(1);
        first->setModelData(combo, m_model.get(), cell);
        QCOMPARE(cell.data().toString(), QStringLiteral("合并+拆分"));
    }

    void titles()
    {
        SetDbGridTitle(m_grid.get(), "FIELDNAME", "字段名称");
        QCOMPARE(m_model->headerData(0, Qt::Horizontal).toString(), QStringLiteral("字段名称"));
        QCOMPARE(m_model->headerData(0, Qt::Horizontal, Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));
        SetDbGridTitle(m_grid.get(), "无此字段", "x");
        QCOMPARE(m_model->headerData(1, Qt::Horizontal).toString(), QStringLiteral("FieldType"));
        QVERIFY(!m_model->headerData(1, Qt::Horizontal, Qt::TextAlignmentRole).isValid());

        SetDbGridTitleCenter(m_grid.get());
        for (int column = 0; column < 3; ++column)
            QCOMPARE(m_model->headerData(column, Qt::Horizontal, Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));
    }

    void sqlModelColumnsBoundByRecord()
    {
        QSqlQueryModel model;
        model.setQuery("select Name, type from s_FieldType", CurAdo);
        QTableView grid;
        grid.setModel(&model);
        SetDbGridTitle(&grid, "type", "类型");
        SetDbGridTitle(&grid, "TYPE", "类别"); // still found by its field after the caption changed
        QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), QStringLiteral("类别"));
        QCOMPARE(GetColumnByFieldName(&grid, "name"), 0);
    }

private:
    std::unique_ptr<TestProgramFolder> m_folder;
    std::unique_ptr<QStandardItemModel> m_model;
    std::unique_ptr<QTableView> m_grid;
};

QTEST_MAIN(TestDbGridColumns)
#include "tst_dbgridcolumns.moc"
