#include "SqliteShell.h"
#include "MessageScript.h"
#include "TestProgramFolder.h"

#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/db/AdoFunc.h"
#include "core/globals/PubDm.h"
#include "core/grid/GridLayout.h"
#include "gui/dataaware/LineEditLink.h"
#include "gui/dialogs/MessageBoxes.h"
#include "gui/grid/DataGrid.h"
#include "gui/grid/SetFormControlStatus.h"
#include "gui/listedit/TListEditForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

// A small list-edit screen as the real ones are made: its query, columns, one tagged edit box
// and a required field.
class TExampleListForm : public TListEditForm
{
    Q_OBJECT

public:
    QLineEdit *nameEdit = new QLineEdit(this);
    QLineEdit *untagged = new QLineEdit(this);

    TExampleListForm()
    {
        nameEdit->setProperty("tag", kFormControlTag);
        new LineEditLink(nameEdit, masterSource(), QStringLiteral("name"));
        contentLayout()->addWidget(nameEdit);
        contentLayout()->addWidget(untagged);
        setColumns({{QStringLiteral("name"), QStringLiteral("名称"), 150}, {QStringLiteral("qty"), QStringLiteral("数量"), 0}});
        openList(QStringLiteral("select * from l order by id"));
    }

protected:
    bool checkRequiredFields() override
    {
        if (!master()->fieldByName(QStringLiteral("name"))->asString().trimmed().isEmpty())
            return true;
        ShowMsgHint(QStringLiteral("名称不能为空，请输入后再保存！"));
        return false;
    }
};

class TestListEdit : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestProgramFolder> m_folder;
    std::unique_ptr<MessageScript> m_messages;

    QString stored(const QString &sql) const { return SqliteShellRows(m_folder->databasePath(), sql).join(u','); }
    static void click(TListEditForm &form, TListEditForm::Button which)
    {
        QVERIFY(form.button(which)->isEnabled());
        QTest::mouseClick(form.button(which), Qt::LeftButton);
    }

private Q_SLOTS:
    void init()
    {
        m_folder = std::make_unique<TestProgramFolder>();
        m_folder->openDatabase();
        m_messages = std::make_unique<MessageScript>();
        ExecTmpQuery(CurAdo, QStringLiteral("create table l (id integer primary key autoincrement, name varchar(20), qty int, note text)"));
    }
    void cleanup()
    {
        m_messages.reset();
        m_folder.reset();
    }

    void buttonsFollowTheState_data()
    {
        QTest::addColumn<bool>("withRows");
        QTest::addColumn<QString>("action");  // "", "edit", "insert"
        // 新增, 取消, 保存, 修改, 删除, 退出
        QTest::addColumn<QList<bool>>("enabled");
        QTest::newRow("browse, empty") << false << QString() << QList<bool>{true, false, false, false, false, true};
        QTest::newRow("browse") << true << QString() << QList<bool>{true, false, false, true, true, true};
        QTest::newRow("edit") << true << QStringLiteral("edit") << QList<bool>{false, true, true, false, false, false};
        QTest::newRow("insert") << false << QStringLiteral("insert") << QList<bool>{false, true, true, false, false, false};
    }
    void buttonsFollowTheState()
    {
        QFETCH(bool, withRows);
        QFETCH(QString, action);
        QFETCH(QList<bool>, enabled);
        if (withRows)
            ExecTmpQuery(CurAdo, QStringLiteral("insert into l (name, qty) values ('甲', 1)"));
        TExampleListForm form;
        form.show();
        if (action == QLatin1String("edit"))
            click(form, TListEditForm::EditButton);
        else if (action == QLatin1String("insert"))
            click(form, TListEditForm::NewButton);
        QList<bool> actual;
        for (int which = TListEditForm::NewButton; which <= TListEditForm::ExitButton; ++which)
            actual.append(form.button(TListEditForm::Button(which))->isEnabled());
        QCOMPARE(actual, enabled);
        const bool editing = !action.isEmpty();
        QCOMPARE(form.grid()->options(), editing ? DBGridEditMode : DBGridBrowseMode);
        QCOMPARE(form.grid()->selectionBehavior(),
                 editing ? QAbstractItemView::SelectItems : QAbstractItemView::SelectRows);
        QCOMPARE(form.nameEdit->isReadOnly(), !editing);
    }

    void creationShowsTheColumnsAndTheSavedLayout()
    {
        ExecTmpQuery(CurAdo, QStringLiteral("insert into l (name, qty) values ('甲', 1), ('乙', 2)"));
        const GridLayout saved{{{QStringLiteral("qty"), 77, true}, {QStringLiteral("name"), 88, true}},
                               QStringLiteral("name DESC"), 0};
        QVERIFY(SaveGridLayout(GridLayoutFilePath(), QStringLiteral("TExampleListFormSelDBGrid"), saved));
        TExampleListForm form;
        DataGrid *grid = form.grid();
        QCOMPARE(grid->model()->columnCount(), 2);  // only the named fields
        QCOMPARE(grid->model()->headerData(grid->columnOfField(QStringLiteral("name")), Qt::Horizontal).toString(),
                 QStringLiteral("名称"));
        QCOMPARE(grid->horizontalHeader()->logicalIndex(0), grid->columnOfField(QStringLiteral("qty")));
        QCOMPARE(grid->horizontalHeader()->sectionSize(grid->columnOfField(QStringLiteral("name"))), 88);
        QCOMPARE(grid->horizontalHeader()->height(), 20);
        QVERIFY(grid->isSortMarkingEnabled());
        QVERIFY(grid->sortMarkers().isEmpty());
        const QStringList menu = [&] {
            QStringList texts;
            for (QAction *action : grid->popupMenu()->actions())
                texts.append(action->text());
            return texts;
        }();
        QCOMPARE(menu, (QStringList{QStringLiteral("将表格中数据转入Excel"), QStringLiteral("设置表格显示"),
                                    QStringLiteral("保存显示设置")}));
        grid->horizontalHeader()->resizeSection(grid->columnOfField(QStringLiteral("qty")), 55);
        grid->popupMenu()->actions()[2]->trigger();
        QCOMPARE(LoadGridLayout(GridLayoutFilePath(), QStringLiteral("TExampleListFormSelDBGrid"))->columns[0].width, 55);
    }

    void newSaveCancelAndDelete()
    {
        ExecTmpQuery(CurAdo, QStringLiteral("insert into l (name, qty) values ('甲', 1)"));
        TExampleListForm form;
        form.show();

        // The required field is checked before the row is written; the row stays in insert.
        click(form, TListEditForm::NewButton);
        QTest::keyClicks(form.nameEdit, QStringLiteral("  "));
        click(form, TListEditForm::SaveButton);
        QCOMPARE(m_messages->lastText(), QStringLiteral("名称不能为空，请输入后再保存！"));
        QCOMPARE(form.master()->state(), DataSet::State::Insert);
        form.nameEdit->clear();
        QTest::keyClicks(form.nameEdit, QStringLiteral("b"));
        click(form, TListEditForm::SaveButton);
        QCOMPARE(form.master()->state(), DataSet::State::Browse);
        QCOMPARE(stored(QStringLiteral("select name from l order by id")), QStringLiteral("甲,b"));

        click(form, TListEditForm::EditButton);
        QTest::keyClicks(form.nameEdit, QStringLiteral("c"));
        click(form, TListEditForm::CancelButton);
        QCOMPARE(stored(QStringLiteral("select name from l order by id")), QStringLiteral("甲,b"));

        m_messages->clear();
        m_messages->answer(QMessageBox::No);
        click(form, TListEditForm::DeleteButton);
        QCOMPARE(m_messages->texts(), QStringList{QStringLiteral("确认删除？")});
        QCOMPARE(m_messages->shown()[0].buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(form.master()->recordCount(), 2);
        click(form, TListEditForm::DeleteButton);
        QCOMPARE(form.master()->recordCount(), 1);
        QCOMPARE(stored(QStringLiteral("select count(*) from l")), QStringLiteral("1"));
    }

    void closingIsRefusedWhileEditing()
    {
        auto *form = new TExampleListForm;
        form->setAttribute(Qt::WA_DeleteOnClose);
        QPointer<TExampleListForm> alive(form);
        form->show();
        click(*form, TListEditForm::NewButton);
        QVERIFY(!form->close());
        QCOMPARE(m_messages->texts(),
                 QStringList{QStringLiteral("编辑状态下不能直接关闭窗口，请先取消操作或保存操作后再关闭")});
        QCOMPARE(m_messages->shown()[0].buttons, QMessageBox::Ok);
        QVERIFY(alive);
        click(*form, TListEditForm::CancelButton);
        click(*form, TListEditForm::ExitButton);
        QTRY_VERIFY(!alive);
    }

    void controlStatusTouchesOnlyMarkedControls()
    {
        ExecTmpQuery(CurAdo, QStringLiteral("insert into l (name, qty) values ('甲', 1)"));
        DataSet set;
        set.setSql(QStringLiteral("select * from l"));
        set.open();
        QWidget form;
        auto *marked = new QLineEdit(&form);
        marked->setProperty("tag", kFormControlTag);
        QAction *button = marked->addAction(QIcon(), QLineEdit::TrailingPosition);
        auto *memo = new QPlainTextEdit(&form);
        memo->setProperty("tag", kFormControlTag);
        auto *box = new QCheckBox(&form);
        box->setProperty("tag", kFormControlTag);
        auto *list = new QComboBox(&form);
        list->setProperty("tag", kFormControlTag);
        auto *grid = new DataGrid(&form);
        grid->setProperty("tag", kFormControlTag);
        grid->setDataSet(&set);

        // Tag 0 controls, left exactly as they were, disabled or not.
        auto *plain = new QLineEdit(&form);
        auto *disabled = new QLineEdit(&form);
        disabled->setEnabled(false);
        auto *plainBox = new QCheckBox(&form);
        const QPalette plainPalette = plain->palette();

        SetFormControlStatus(set, &form);
        QVERIFY(marked->isReadOnly());
        QVERIFY(!button->isEnabled());
        QCOMPARE(marked->palette().color(QPalette::Base), QColor(0xEF, 0xEF, 0xEF));
        QCOMPARE(marked->focusPolicy(), Qt::ClickFocus);
        QVERIFY(memo->isReadOnly());
        QVERIFY(box->isEnabled());
        QVERIFY(box->testAttribute(Qt::WA_TransparentForMouseEvents));
        QVERIFY(list->testAttribute(Qt::WA_TransparentForMouseEvents));
        QCOMPARE(grid->options(), DBGridBrowseMode);

        QVERIFY(set.edit());
        SetFormControlStatus(set, &form);
        QVERIFY(!marked->isReadOnly());
        QVERIFY(button->isEnabled());
        QCOMPARE(marked->palette().color(QPalette::Base), QApplication::palette().color(QPalette::HighlightedText));
        QCOMPARE(marked->focusPolicy(), Qt::StrongFocus);
        QVERIFY(!box->testAttribute(Qt::WA_TransparentForMouseEvents));
        QCOMPARE(grid->options(), DBGridEditMode);

        QVERIFY(!plain->isReadOnly());
        QCOMPARE(plain->palette(), plainPalette);
        QCOMPARE(plain->focusPolicy(), Qt::StrongFocus);
        QVERIFY(!disabled->isEnabled());
        QVERIFY(!plainBox->testAttribute(Qt::WA_TransparentForMouseEvents));
    }
};

QTEST_MAIN(TestListEdit)
#include "tst_listedit.moc"
