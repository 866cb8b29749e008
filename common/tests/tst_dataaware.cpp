#include "SqliteShell.h"
#include "TestProgramFolder.h"

#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/dataset/DataSetTableModel.h"
#include "core/dataset/DataSource.h"
#include "core/db/AdoFunc.h"
#include "core/globals/PubDm.h"
#include "gui/dataaware/CheckBoxLink.h"
#include "gui/dataaware/ComboBoxLink.h"
#include "gui/dataaware/DataGridLink.h"
#include "gui/dataaware/DateEditLink.h"
#include "gui/dataaware/LabelLink.h"
#include "gui/dataaware/LineEditLink.h"
#include "gui/dataaware/NullableDateEdit.h"
#include "gui/dataaware/PlainTextEditLink.h"
#include "gui/dataaware/RadioGroupLink.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>
#include <QtTest>

// Bound controls driven like a user would.
class TestDataAware : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestProgramFolder> m_folder;
    std::unique_ptr<DataSet> m_set;
    std::unique_ptr<DataSource> m_source;
    std::unique_ptr<QWidget> m_window;

    DataField *f(const QString &name) const { return m_set->fieldByName(name); }
    QString stored(const QString &sql) const { return SqliteShellRows(m_folder->databasePath(), sql).join(u'\n'); }

    template <typename W>
    W *add()
    {
        auto *widget = new W(m_window.get());
        m_window->layout()->addWidget(widget);
        return widget;
    }

private Q_SLOTS:
    void init()
    {
        m_folder = std::make_unique<TestProgramFolder>();
        m_folder->openDatabase();
        ExecTmpQuery(CurAdo, QStringLiteral("create table b (id integer primary key autoincrement, name varchar(20), amount money, "
                                            "paid datetime, memo text, kind varchar(10), ok bit, pick char(1), flag int)"));
        ExecTmpQuery(CurAdo, QStringLiteral("insert into b (name, amount, paid, kind, ok, pick, flag) values "
                                            "('first', 12.5, '2024-01-02', '甲', 1, '1', -1), ('second', 3, NULL, '乙', 0, '9', 1)"));
        m_set = std::make_unique<DataSet>();
        m_set->setSql(QStringLiteral("select * from b order by id"));
        // An audited row (flag 1) refuses edits.
        m_set->setBeforeEdit([](DataSet &set) { return set.fieldByName(QStringLiteral("flag"))->asInteger() != 1; });
        m_source = std::make_unique<DataSource>(m_set.get());
        m_window = std::make_unique<QWidget>();
        new QVBoxLayout(m_window.get());
    }
    void cleanup()
    {
        m_window.reset();
        m_source.reset();
        m_set.reset();
        m_folder.reset();
    }

    void typingIntoALineEditEditsTheSet()
    {
        auto *edit = add<QLineEdit>();
        auto *amount = add<QLineEdit>();
        new LineEditLink(edit, m_source.get(), QStringLiteral("NAME"));
        new LineEditLink(amount, m_source.get(), QStringLiteral("amount"));
        m_set->open();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        QCOMPARE(edit->text(), QStringLiteral("first"));
        QCOMPARE(amount->text(), QStringLiteral("12.50"));  // display text while not focused

        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, QStringLiteral("O'Neil"));
        QCOMPARE(m_set->state(), DataSet::State::Edit);
        QCOMPARE(f(QStringLiteral("name"))->asString(), QStringLiteral("O'Neil"));

        amount->setFocus();
        QCOMPARE(amount->text(), QStringLiteral("12.5"));  // the plain value while typing
        amount->selectAll();
        QTest::keyClicks(amount, QStringLiteral("-7.25"));
        QCOMPARE(f(QStringLiteral("amount"))->asCurrency(), *Currency::parse(QStringLiteral("-7.25")));
        QVERIFY(m_set->post());
        QCOMPARE(stored(QStringLiteral("select name || '|' || amount from b where id = 1")), QStringLiteral("O'Neil|-7.25"));

        m_set->next();
        QCOMPARE(edit->text(), QStringLiteral("second"));  // follows the scroll
    }

    void vetoedEditRestoresTheText()
    {
        auto *edit = add<QLineEdit>();
        auto *memo = add<QPlainTextEdit>();
        new LineEditLink(edit, m_source.get(), QStringLiteral("name"));
        new PlainTextEditLink(memo, m_source.get(), QStringLiteral("memo"));
        m_set->open();
        m_set->last();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        edit->setFocus();
        QTest::keyClicks(edit, QStringLiteral("x"));
        QCOMPARE(edit->text(), QStringLiteral("second"));
        QCOMPARE(m_set->state(), DataSet::State::Browse);
        memo->setFocus();
        QTest::keyClicks(memo, QStringLiteral("note"));
        QCOMPARE(memo->toPlainText(), QString());

        m_set->first();
        QTest::keyClicks(memo, QStringLiteral("line"));
        QCOMPARE(f(QStringLiteral("memo"))->asString(), QStringLiteral("line"));
    }

    void emptiedDateEditStoresNull()
    {
        auto *date = add<NullableDateEdit>();
        new DateEditLink(date, m_source.get(), QStringLiteral("paid"));
        m_set->open();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        QCOMPARE(date->dateOrNull(), QDate(2024, 1, 2));
        date->setFocus();
        date->setSelectedSection(QDateTimeEdit::YearSection);
        QTest::keyClick(date, Qt::Key_Delete);
        QVERIFY(date->isNull());
        QVERIFY(m_set->isEditing());
        QVERIFY(f(QStringLiteral("paid"))->isNull());
        QVERIFY(m_set->post());
        QCOMPARE(stored(QStringLiteral("select quote(paid) from b where id = 1")), QStringLiteral("NULL"));

        QTest::keyClick(date, Qt::Key_Up);  // stepping from empty starts a date
        QVERIFY(!f(QStringLiteral("paid"))->isNull());
        m_set->cancel();
        QVERIFY(date->isNull());
    }

    void choiceControlsWriteTheirValues()
    {
        auto *kind = add<QComboBox>();
        kind->addItems({QStringLiteral("甲"), QStringLiteral("乙")});
        auto *city = add<QComboBox>();
        city->setEditable(true);
        auto *ok = add<QCheckBox>();
        auto *group = new QButtonGroup(m_window.get());
        for (int i = 0; i < 3; ++i)
            group->addButton(add<QRadioButton>(), i);
        auto *label = add<QLabel>();
        new ComboBoxLink(kind, m_source.get(), QStringLiteral("kind"));
        new ComboBoxLink(city, m_source.get(), QStringLiteral("name"));
        new CheckBoxLink(ok, m_source.get(), QStringLiteral("ok"));
        new RadioGroupLink(group, m_source.get(), QStringLiteral("pick"));
        new LabelLink(label, m_source.get(), QStringLiteral("amount"));
        m_set->open();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        QCOMPARE(kind->currentText(), QStringLiteral("甲"));
        QVERIFY(ok->isChecked());
        QVERIFY(group->button(1)->isChecked());
        QCOMPARE(label->text(), QStringLiteral("12.50"));

        kind->setCurrentIndex(1);
        Q_EMIT kind->textActivated(kind->currentText());
        ok->click();
        group->button(2)->click();
        city->setFocus();
        city->lineEdit()->selectAll();
        QTest::keyClicks(city->lineEdit(), QStringLiteral("Shanghai"));
        QVERIFY(m_set->post());
        QCOMPARE(stored(QStringLiteral("select kind || name || ok || pick from b where id = 1")), QStringLiteral("乙Shanghai02"));

        m_set->next();  // a value that names no option selects none
        QCOMPARE(group->checkedButton(), nullptr);
        ok->click();  // audited: refused, shown as before
        QVERIFY(!ok->isChecked());
        QCOMPARE(m_set->state(), DataSet::State::Browse);
    }

    void browseReadOnlyAndMissingFields()
    {
        auto *edit = add<QLineEdit>();
        auto *missing = add<QLineEdit>();
        new LineEditLink(edit, m_source.get(), QStringLiteral("name"));
        new LineEditLink(missing, m_source.get(), QStringLiteral("no_such_column"));
        m_source->setBrowseReadOnly(true);
        m_set->open();
        QVERIFY(edit->isReadOnly());
        QVERIFY(missing->isReadOnly());
        QVERIFY(m_set->edit());
        QVERIFY(!edit->isReadOnly());
        QVERIFY(missing->isReadOnly());
    }

    // A write refreshes the controls of its field (in any letter case) and leaves the others
    // as they are; a change of row refreshes them all. A link that is gone is not told.
    void aWriteRefreshesTheControlsOfItsFieldOnly()
    {
        auto *name = add<QLabel>();
        auto *nameAgain = add<QLineEdit>();
        auto *amount = add<QLabel>();
        auto *gone = add<QLabel>();
        new LabelLink(name, m_source.get(), QStringLiteral("name"));
        new LineEditLink(nameAgain, m_source.get(), QStringLiteral(" NAME"));
        new LabelLink(amount, m_source.get(), QStringLiteral("amount"));
        new LabelLink(gone, m_source.get(), QStringLiteral("name"));
        QStringList told;
        connect(m_source.get(), &DataSource::dataChanged, this, [&](DataField *field) {
            told.append(field ? field->name() : QStringLiteral("row"));
            // The controls show the change before the screen hears of it.
            QCOMPARE(name->text(), f(QStringLiteral("name"))->asString());
        });
        m_set->open();
        delete gone;

        QVERIFY(m_set->edit());
        for (QLabel *label : {name, amount})
            label->setText(QStringLiteral("stale"));
        nameAgain->setText(QStringLiteral("stale"));
        f(QStringLiteral("Name"))->setValue(QStringLiteral("third"));
        QCOMPARE(name->text(), QStringLiteral("third"));
        QCOMPARE(nameAgain->text(), QStringLiteral("third"));
        QCOMPARE(amount->text(), QStringLiteral("stale"));
        QCOMPARE(told.last(), QStringLiteral("name"));

        QVERIFY(m_set->post());
        m_set->next();
        QCOMPARE(name->text(), QStringLiteral("second"));
        QCOMPARE(amount->text(), QStringLiteral("3.00"));
        QCOMPARE(told.last(), QStringLiteral("row"));
    }

    void gridFollowsAndEditsTheSet()
    {
        auto *view = add<QTableView>();
        auto *link = new DataGridLink(view, m_set.get());
        m_set->open();
        f(QStringLiteral("id"))->setVisible(false);
        f(QStringLiteral("name"))->setDisplayLabel(QStringLiteral("名称"));
        DataSetTableModel *model = link->model();
        QCOMPARE(model->columnCount(), m_set->fieldCount() - 1);
        QCOMPARE(model->headerData(0, Qt::Horizontal).toString(), QStringLiteral("名称"));
        const int amountColumn = model->columnOf(f(QStringLiteral("amount")));
        QCOMPARE(model->index(1, amountColumn).data().toString(), QStringLiteral("3.00"));

        m_set->last();
        QCOMPARE(view->currentIndex().row(), 1);
        view->setCurrentIndex(model->index(0, 0));
        QCOMPARE(m_set->recNo(), 1);

        QVERIFY(model->setData(model->index(0, amountColumn), QStringLiteral("8.125")));
        QVERIFY(!model->setData(model->index(0, amountColumn), QStringLiteral("abc")));
        QVERIFY(m_set->post());
        QCOMPARE(stored(QStringLiteral("select amount from b where id = 1")), QStringLiteral("8.125"));
        QVERIFY(!model->setData(model->index(1, 0), QStringLiteral("audited")));  // refused by the before-edit check

        QVERIFY(m_set->append());
        QCOMPARE(model->rowCount(), 3);
        QCOMPARE(view->currentIndex().row(), 2);
        m_set->cancel();
        QCOMPARE(model->rowCount(), 2);
    }
};

QTEST_MAIN(TestDataAware)
#include "tst_dataaware.moc"
