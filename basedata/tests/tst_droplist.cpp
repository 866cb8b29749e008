#include "helpers/FundoraWindow.h"

#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/db/AdoFunc.h"
#include "core/globals/PubDm.h"
#include "gui/grid/DataGrid.h"
#include "mainwindow/TM1Form.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QtTest>

namespace {

const QString kCaption = QStringLiteral("下拉选择编辑");

void click(QWidget &form, const char *name)
{
    auto *button = form.findChild<QPushButton *>(QLatin1String(name));
    QVERIFY2(button && button->isEnabled(), name);
    QTest::mouseClick(button, Qt::LeftButton);
}

// The drop-down list editor of the real module, as the loader opened it.
struct DroplistScreen
{
    QWidget *form = nullptr;
    DataGrid *names = nullptr;
    DataGrid *values = nullptr;

    DataSet *nameSet() const { return names->dataSet(); }
    DataSet *valueSet() const { return values->dataSet(); }
    QStringList shownValues() const
    {
        QStringList texts;
        for (int row = 0; row < valueSet()->recordCount(); ++row)
            texts.append(valueSet()->value(row, valueSet()->fieldByName(QStringLiteral("DmValue"))).toString());
        return texts;
    }
    // Types into the current value row's cell as the grid's editor hands it over.
    bool typeValue(const QString &text) const
    {
        const QModelIndex cell = values->model()->index(valueSet()->recNo() - 1, values->columnOfField(QStringLiteral("DmValue")));
        return values->model()->setData(cell, text);
    }
    void chooseName(const QString &name) const
    {
        const int row = nameSet()->locate(QStringLiteral("DmName"), name) ? nameSet()->recNo() - 1 : -1;
        QVERIFY(row >= 0);
        names->setCurrentIndex(names->model()->index(row, names->columnOfField(QStringLiteral("DmName"))));
    }
};

// Key by key, as an input method hands over Chinese text (QTest's key clicks take ASCII only).
void typeText(QWidget *edit, const QString &text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(edit, &press);
    }
}

} // namespace

class TestDroplist : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<FundoraWindow> m_main;

    DroplistScreen openScreen()
    {
        DroplistScreen screen;
        screen.form = m_main->open(20140, kCaption);
        if (screen.form) {
            screen.names = screen.form->findChild<DataGrid *>(QStringLiteral("NameDBGrid"));
            screen.values = screen.form->findChild<DataGrid *>(QStringLiteral("ValueDBGrid"));
        }
        return screen;
    }
    QString stored(const QString &sql) const { return m_main->stored(sql); }

private Q_SLOTS:
    void init()
    {
        m_main = std::make_unique<FundoraWindow>();
        ExecTmpQuery(CurAdo, QStringLiteral("insert into p_BaseCode (DmName, DmValue, level) values"
                                            " ('币种', '人民币', 1), ('币种', '美元', 1)"));
    }
    void cleanup() { m_main.reset(); }

    void opensWithTheNamesAndTheFirstList()
    {
        const DroplistScreen screen = openScreen();
        QVERIFY(screen.form && screen.names && screen.values);
        QVERIFY(m_main->messages.shown().isEmpty());
        QCOMPARE(QString::fromLatin1(screen.form->metaObject()->className()), QStringLiteral("TDroplistForm"));
        QVERIFY(qobject_cast<QMdiSubWindow *>(screen.form->parentWidget()));
        QCOMPARE(screen.form->sizeHint(), QSize(710, 505));
        QCOMPARE(screen.names->width(), 154);
        QCOMPARE(screen.values->model()->columnCount(), 1);

        QStringList names;
        for (int row = 0; row < screen.nameSet()->recordCount(); ++row)
            names.append(screen.nameSet()->value(row, screen.nameSet()->field(0)).toString());
        QCOMPARE(names.join('\n'), stored("select distinct DmName from p_BaseCode order by DmName"));
        QCOMPARE(screen.nameSet()->recNo(), 1);
        const QString first = names.first();
        QCOMPARE(screen.shownValues().join('\n'),
                 stored(QStringLiteral("select DmValue from p_BaseCode where DmName = '%1' order by autoid").arg(first)));

        screen.chooseName(QStringLiteral("计量单位"));
        QVERIFY(screen.shownValues().contains(QStringLiteral("箱")));
        QVERIFY(!screen.shownValues().contains(QStringLiteral("美元")));
    }

    void newValueJoinsTheCurrentList()
    {
        const DroplistScreen screen = openScreen();
        screen.chooseName(QStringLiteral("币种"));
        click(*screen.form, "NewButton");
        QCOMPARE(screen.valueSet()->state(), DataSet::State::Insert);
        QCOMPARE(screen.valueSet()->fieldByName(QStringLiteral("DmName"))->asString(), QStringLiteral("币种"));

        // Nothing typed: the empty row goes when the next one is added.
        click(*screen.form, "NewButton");
        QVERIFY(screen.typeValue(QStringLiteral("港币")));
        // Leaving the list stores the value, without a level.
        screen.chooseName(QStringLiteral("计量单位"));
        QCOMPARE(stored("select DmName, DmValue, level is null from p_BaseCode where DmName = '币种' order by autoid"),
                 QStringLiteral("币种|人民币|0\n币种|美元|0\n币种|港币|1"));
        screen.chooseName(QStringLiteral("币种"));
        QCOMPARE(screen.shownValues(), (QStringList{"人民币", "美元", "港币"}));

        // A value typed and not yet stored is stored when the screen closes.
        click(*screen.form, "NewButton");
        QVERIFY(screen.typeValue(QStringLiteral("欧元")));
        QPointer<QWidget> form = screen.form;
        click(*screen.form, "ExitButton");
        QTRY_VERIFY(form.isNull());
        QCOMPARE(stored("select count(*) from p_BaseCode where DmName = '币种' and DmValue = '欧元'"), QStringLiteral("1"));
        QVERIFY(m_main->messages.shown().isEmpty());
    }

    // The value cell's editor takes no more than the column's 80 characters, typed or pasted;
    // a longer value stored earlier is not cut by opening it.
    void valueLengthIsTheColumns_data()
    {
        QTest::addColumn<int>("typed");
        QTest::addColumn<bool>("pasted");
        QTest::addColumn<int>("stored");
        QTest::newRow("79 typed") << 79 << false << 79;
        QTest::newRow("80 typed") << 80 << false << 80;
        QTest::newRow("81 typed") << 81 << false << 80;
        QTest::newRow("100 typed") << 100 << false << 80;
        QTest::newRow("100 pasted") << 100 << true << 80;
    }
    void valueLengthIsTheColumns()
    {
        QFETCH(int, typed);
        QFETCH(bool, pasted);
        const DroplistScreen screen = openScreen();
        screen.chooseName(QStringLiteral("币种"));
        click(*screen.form, "NewButton");
        const QModelIndex cell = screen.values->currentIndex();
        QCOMPARE(cell.column(), screen.values->columnOfField(QStringLiteral("DmValue")));
        screen.values->edit(cell);
        auto *editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
        QVERIFY(editor);
        QCOMPARE(editor->maxLength(), 80);
        QString text;
        for (int i = 0; i < typed; ++i)
            text.append(QChar(u'甲' + i % 10));
        if (pasted) {
            QGuiApplication::clipboard()->setText(text);
            QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier);
        } else {
            typeText(editor, text);
        }
        QTest::keyClick(editor, Qt::Key_Return);
        click(*screen.form, "NewButton");  // leaving the row stores it
        QFETCH(int, stored);
        QCOMPARE(this->stored("select DmValue from p_BaseCode where DmName = '币种' and autoid = (select max(autoid) from p_BaseCode)"),
                 text.left(stored));
        QVERIFY(m_main->messages.shown().isEmpty());
    }
    void longerStoredValueIsNotCut()
    {
        const QString stored100 = QString(100, u'乙');
        ExecTmpQuery(CurAdo, QStringLiteral("insert into p_BaseCode (DmName, DmValue) values ('币种', ?)"), {stored100});
        const DroplistScreen screen = openScreen();
        screen.chooseName(QStringLiteral("币种"));
        QVERIFY(screen.valueSet()->locate(QStringLiteral("DmValue"), stored100));
        const QModelIndex cell = screen.values->model()->index(screen.valueSet()->recNo() - 1,
                                                                screen.values->columnOfField(QStringLiteral("DmValue")));
        screen.values->setCurrentIndex(cell);
        screen.values->edit(cell);
        auto *editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
        QVERIFY(editor);
        QCOMPARE(editor->text(), stored100);
        QTest::keyClick(editor, Qt::Key_End);
        typeText(editor, QStringLiteral("丙"));
        QTest::keyClick(editor, Qt::Key_Return);
        click(*screen.form, "NewButton");
        QCOMPARE(stored("select DmValue from p_BaseCode where DmName = '币种' and length(DmValue) >= 80"), stored100);
    }

    void deleteAsksFirst()
    {
        const DroplistScreen screen = openScreen();
        screen.chooseName(QStringLiteral("币种"));
        QVERIFY(screen.valueSet()->locate(QStringLiteral("DmValue"), QStringLiteral("美元")));
        m_main->messages.answer(QMessageBox::Cancel);
        click(*screen.form, "DeleteButton");
        QCOMPARE(m_main->messages.texts(), QStringList{QStringLiteral("确认删除？")});
        QCOMPARE(m_main->messages.shown().first().title, QStringLiteral("确认"));
        QCOMPARE(m_main->messages.shown().first().buttons, QMessageBox::Ok | QMessageBox::Cancel);
        QCOMPARE(stored("select count(*) from p_BaseCode where DmName = '币种'"), QStringLiteral("2"));

        click(*screen.form, "DeleteButton");  // OK
        QCOMPARE(stored("select DmValue from p_BaseCode where DmName = '币种'"), QStringLiteral("人民币"));
        QCOMPARE(screen.shownValues(), QStringList{QStringLiteral("人民币")});
    }

    void withoutListsANewValueHasAnEmptyName()
    {
        ExecTmpQuery(CurAdo, QStringLiteral("delete from p_BaseCode"));
        const DroplistScreen screen = openScreen();
        QVERIFY(screen.nameSet()->isEmpty());
        QVERIFY(screen.valueSet()->isEmpty());
        click(*screen.form, "DeleteButton");  // nothing to delete, nothing asked
        QVERIFY(m_main->messages.shown().isEmpty());
        click(*screen.form, "NewButton");
        QVERIFY(screen.typeValue(QStringLiteral("甲")));
        click(*screen.form, "NewButton");
        QCOMPARE(stored("select DmName is null, length(DmName), DmValue from p_BaseCode"), QStringLiteral("0|0|甲"));
        // The names are read once: the new list shows only when the screen is opened again.
        QVERIFY(screen.nameSet()->isEmpty());
    }
};

QTEST_MAIN(TestDroplist)
#include "tst_droplist.moc"
