#include "helpers/BillFormWindow.h"
#include "helpers/UserInput.h"

#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/db/AdoFunc.h"
#include "core/globals/PubDm.h"
#include "gui/app/QuilletApplication.h"
#include "gui/grid/DataGrid.h"
#include "tav/TtavDBCurrencyEdit.h"

#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QtTest>

// What the bill form refuses and how it says so: one box per refusal, an untouched detail line
// that is no line at all, and offset texts that are numbers or are taken back whole.
class TestBillFormRefusals : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<BillFormWindow> m_bills;

    QString stored(const QString &sql) const { return m_bills->stored(sql); }

    void focusInto(QWidget *control)
    {
        QApplication::setActiveWindow(&m_bills->window());
        control->setFocus();
        QVERIFY(QTest::qWaitFor([control] { return control->hasFocus(); }));
    }

    void typeLine(QWidget *grid, const QStringList &cells)
    {
        for (int i = 0; i < cells.size(); ++i) {
            TypeHere(grid, cells.at(i));
            QTest::keyClick(KeyTarget(grid), i + 1 < cells.size() ? Qt::Key_Tab : Qt::Key_Return);
        }
        QCoreApplication::processEvents();
        focusInto(grid);
    }

    QString storedOffset() const
    {
        return stored(QStringLiteral("select printf('%.2f', Xmove) from p_NoteList where RefNo = '1001'"));
    }

private Q_SLOTS:
    void init() { m_bills = std::make_unique<BillFormWindow>(); }
    void cleanup() { m_bills.reset(); }

    // Each refusal at 保存 shows one box with its reason; the bill stays in edit, unsaved.
    void oneBoxPerRefusal_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("amount");  // typed into the cheque's amount box
        QTest::addColumn<QString>("code");    // typed into a delivery note's line
        QTest::addColumn<QString>("message");
        QTest::newRow("amount empty") << "支票" << "" << "" << "金额不能为空";
        QTest::newRow("amount too large") << "支票" << "10000000000000" << "" << "金额必须小于10000000000000元";
        QTest::newRow("unknown product") << "送货单" << "" << "X9" << "产品编号不正确";
    }
    void oneBoxPerRefusal()
    {
        QFETCH(QString, kind);
        QFETCH(QString, amount);
        QFETCH(QString, code);
        QFETCH(QString, message);
        const bool cheque = kind == QStringLiteral("支票");
        TEditNoteForm &form = m_bills->openFormat(cheque ? BillFormWindow::kChequeRefNo : m_bills->addDeliveryNoteFormat());
        QVERIFY(ClickButton(form.BtnNew));
        if (cheque) {
            form.header()->fieldByName(QStringLiteral("收款人名称"))->setValue(QStringLiteral("华东建材有限公司"));
            auto *box = SurfaceControl<TtavDBCurrencyEdit>(form, QStringLiteral("金额"));
            QVERIFY(box);
            focusInto(box);
            QTest::keyClicks(box, amount);
        } else {
            DataGrid *grid = form.detailGrid(0);
            focusInto(grid);
            typeLine(grid, {code, QStringLiteral("1"), QStringLiteral("一号库"), QStringLiteral("10")});
        }
        m_bills->messages().clear();
        // A click as the clerk makes it: the button takes the focus from the field first.
        QVERIFY(form.BtnSave->isEnabled());
        QTest::mouseClick(form.BtnSave, Qt::LeftButton);
        QCOMPARE(m_bills->messages().texts(), QStringList{message});
        QVERIFY(form.header()->isEditing());
        // Again: the same one box.
        m_bills->messages().clear();
        QTest::mouseClick(form.BtnSave, Qt::LeftButton);
        QCOMPARE(m_bills->messages().texts(), QStringList{message});
        QCOMPARE(stored(QStringLiteral("select count(*) from %1").arg(cheque ? QStringLiteral("银行转帐单") : QStringLiteral("出货单"))),
                 QStringLiteral("0"));
    }

    // Down on the last line appends an empty line: Escape drops it, 保存 ignores it; a line with
    // any value in it is still checked.
    void untouchedLineIsNoLine_data()
    {
        QTest::addColumn<bool>("escape");
        QTest::addColumn<QString>("typed");  // into the new line's quantity; empty: nothing
        QTest::addColumn<bool>("saved");
        QTest::newRow("escape drops it") << true << "" << true;
        QTest::newRow("save ignores it") << false << "" << true;
        QTest::newRow("half-filled line refused") << false << "5" << false;
    }
    void untouchedLineIsNoLine()
    {
        QFETCH(bool, escape);
        QFETCH(QString, typed);
        QFETCH(bool, saved);
        TEditNoteForm &form = m_bills->openFormat(m_bills->addDeliveryNoteFormat());
        QVERIFY(ClickButton(form.BtnNew));
        form.header()->fieldByName(QStringLiteral("收货单位"))->setValue(QStringLiteral("宏达商行"));
        DataGrid *grid = form.detailGrid(0);
        focusInto(grid);
        typeLine(grid, {QStringLiteral("P1"), QStringLiteral("2"), QStringLiteral("一号库"), QStringLiteral("10")});
        QTest::keyClick(grid, Qt::Key_Down);
        QCOMPARE(form.detailQuery(0)->recordCount(), 2);
        QCOMPARE(form.detailQuery(0)->state(), DataSet::State::Insert);
        if (!typed.isEmpty()) {
            QTest::keyClick(grid, Qt::Key_Tab);
            TypeHere(grid, typed);
            QTest::keyClick(KeyTarget(grid), Qt::Key_Return);
            QCoreApplication::processEvents();
            focusInto(grid);
        }
        if (escape) {
            QTest::keyClick(grid, Qt::Key_Escape);
            QCOMPARE(form.detailQuery(0)->recordCount(), 1);
            QCOMPARE(form.detailQuery(0)->state(), DataSet::State::Browse);
        }
        m_bills->messages().clear();
        QVERIFY(ClickButton(form.BtnSave));
        if (saved) {
            QVERIFY2(m_bills->messages().shown().isEmpty(), qPrintable(m_bills->shownTexts()));
            QVERIFY(!form.header()->isEditing());
            QCOMPARE(stored(QStringLiteral("select 产品编号 || ':' || 数量 from 出货单明细")), QStringLiteral("P1:2.0"));
        } else {
            QCOMPARE(m_bills->messages().texts(), QStringList{QStringLiteral("产品编号不正确")});
            QVERIFY(form.header()->isEditing());
            QCOMPARE(stored(QStringLiteral("select count(*) from 出货单明细")), QStringLiteral("0"));
        }
    }

    // A finished offset entry: a number is stored as typed; any other text is taken back, the
    // box showing the offset kept; a text of digits, signs and points that is no number says so.
    void offsetEntry_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("message");
        QTest::newRow("2.5") << "2.5" << "2.5" << "2.50" << "";
        QTest::newRow("-1.5") << "-1.5" << "-1.5" << "-1.50" << "";
        QTest::newRow("3.") << "3." << "3" << "3.00" << "";
        QTest::newRow("1-2") << "1-2" << "0.7" << "0.70" << "“1-2”不是正确的数字，偏移没有改变";
        QTest::newRow("abc") << "abc" << "0.7" << "0.70" << "";
        QTest::newRow("empty") << "" << "0.7" << "0.70" << "";
    }
    void offsetEntry()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QString, stored);
        QFETCH(QString, message);
        ExecTmpQuery(CurAdo, QStringLiteral("update p_NoteList set Xmove = 0.7 where RefNo = '1001'"));
        TEditNoteForm &form = m_bills->openFormat(BillFormWindow::kChequeRefNo);
        QCOMPARE(form.XShiftEdit->text(), QStringLiteral("0.7"));
        focusInto(form.XShiftEdit);
        form.XShiftEdit->selectAll();
        QTest::keyClick(form.XShiftEdit, Qt::Key_Backspace);
        QTest::keyClicks(form.XShiftEdit, typed);
        QTest::keyClick(form.XShiftEdit, Qt::Key_Return);
        QCOMPARE(m_bills->messages().texts(), message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(form.XShiftEdit->text(), shown);
        QCOMPARE(storedOffset(), stored);
        QCOMPARE(form.pageScrollBox()->x(), form.leftMargin() + qRound(shown.toDouble() / 0.5));

        // Leaving the box instead of Enter ends the entry the same way.
        focusInto(form.XShiftEdit);
        form.XShiftEdit->selectAll();
        QTest::keyClicks(form.XShiftEdit, QStringLiteral("1-"));
        focusInto(form.YShiftEdit);
        QCOMPARE(form.XShiftEdit->text(), shown);
        QCOMPARE(storedOffset(), stored);
    }
};

// The program's own application object: an error no handler caught shows as the clerk sees it.
int main(int argc, char **argv)
{
    QuilletApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    TestBillFormRefusals test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_billformrefusals.moc"
