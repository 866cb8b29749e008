#include "helpers/BillFormWindow.h"

#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/db/AdoFunc.h"
#include "core/globals/PubDm.h"
#include "core/messages/MessageNames.h"
#include "core/messages/WindowHandles.h"
#include "core/messages/WindowMessages.h"
#include "tav/TtavDBCurrencyEdit.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {

const qint64 kRefNo = 3001;
const QString kUntouched = QStringLiteral("未动");

// A small cheque format: the amount box with some of its derived fields, and two fields that
// do not depend on the amount.
void addAmountFormat()
{
    ExecTmpQuery(CurAdo, QStringLiteral("insert into p_NoteList (RefNo, NoteName, NoteNameType, NoteType, DataTablename, \"default\","
                                        " DefNote, Xmove, Ymove, ZoomFactor) values ('3001', '小支票', '小支票', '支票', '银行转帐单',"
                                        " '否', 0, 0, 0, 1)"));
    const struct
    {
        const char *column;
        const char *kind;
    } fields[] = {
        {"金额", "小写金额"},          {"金额_金额大写", "文本显示"}, {"金额_小写元", "文本显示"},
        {"金额_小写十位", "文本显示"}, {"金额_小写百位", "文本显示"}, {"金额_大写元", "文本显示"},
        {"金额_大写十位", "文本显示"}, {"付款日期_大写年", "文本显示"}, {"收款人名称", "编辑器"},
    };
    int tag = 1000;
    for (const auto &field : fields) {
        const bool box = QString::fromUtf8(field.kind) == QStringLiteral("小写金额");
        ExecTmpQuery(CurAdo,
                     QStringLiteral("insert into p_NoteCntlList (RefNo, Tag, ParentId, CtlCName, DbFieldName, FieldEditType, Ctlx,"
                                    " CtlY, CtlW, CtlH, CtlFontName, xAlign, yAlign, NeedShow, NeedPrint, DigitalCount, FitParam)"
                                    " values ('3001', ?, 0, ?, ?, ?, 20, ?, 249, 22, '宋体;10;;;;', '居左', '居中', '是', '是', ?, ?)"),
                     {tag, QString::fromUtf8(field.column), QString::fromUtf8(field.column), QString::fromUtf8(field.kind),
                      30 * (tag - 999), box ? QVariant(11) : QVariant(), box ? QVariant(2) : QVariant()});
        ++tag;
    }
}

} // namespace

// What a key typed into the bill form refreshes, when the table's definitions are read, and
// what the buttons follow.
class TestBillFormRefresh : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<BillFormWindow> m_bills;

    // The format with a new bill, the amount box focused.
    TEditNoteForm &newBill()
    {
        TEditNoteForm &form = m_bills->openFormat(kRefNo);
        if (!ClickButton(form.BtnNew))
            qFatal("no new bill: %s", qPrintable(m_bills->shownTexts()));
        QApplication::setActiveWindow(&m_bills->window());
        amountBox(form)->setFocus();
        if (!QTest::qWaitFor([&] { return amountBox(form)->hasFocus(); }))
            qFatal("the amount box takes no focus");
        return form;
    }

    static TtavDBCurrencyEdit *amountBox(TEditNoteForm &form) { return SurfaceControl<TtavDBCurrencyEdit>(form, QStringLiteral("金额")); }
    static QString shown(TEditNoteForm &form, const QString &column) { return SurfaceControl<QLabel>(form, column)->text(); }

private Q_SLOTS:
    void init()
    {
        m_bills = std::make_unique<BillFormWindow>();
        addAmountFormat();
    }
    void cleanup() { m_bills.reset(); }

    // Every control derived from the amount shows the new texts after each key; the others are
    // left as they are until the row changes.
    void typedDigitRefreshesTheAmountsControlsOnly_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QStringList>("derived");  // 金额大写, 小写元, 小写十位, 小写百位, 大写元, 大写十位
        QTest::newRow("1") << QStringLiteral("1") << QStringList{QStringLiteral("壹元整"), QStringLiteral("1"), QStringLiteral("￥"),
                                                                 QString(), QStringLiteral("壹"), QStringLiteral("零")};
        QTest::newRow("12") << QStringLiteral("12") << QStringList{QStringLiteral("壹拾贰元整"), QStringLiteral("2"), QStringLiteral("1"),
                                                                   QStringLiteral("￥"), QStringLiteral("贰"), QStringLiteral("壹")};
        QTest::newRow("305") << QStringLiteral("305") << QStringList{QStringLiteral("叁佰零伍元整"), QStringLiteral("5"), QStringLiteral("0"),
                                                                     QStringLiteral("3"), QStringLiteral("伍"), QStringLiteral("零")};
    }
    void typedDigitRefreshesTheAmountsControlsOnly()
    {
        QFETCH(QString, keys);
        QFETCH(QStringList, derived);
        TEditNoteForm &form = newBill();
        const QStringList columns{QStringLiteral("金额_金额大写"), QStringLiteral("金额_小写元"), QStringLiteral("金额_小写十位"),
                                  QStringLiteral("金额_小写百位"), QStringLiteral("金额_大写元"), QStringLiteral("金额_大写十位")};
        for (const QString &column : columns)
            SurfaceControl<QLabel>(form, column)->setText(kUntouched);
        QLabel *year = SurfaceControl<QLabel>(form, QStringLiteral("付款日期_大写年"));
        QLineEdit *payee = SurfaceControl<QLineEdit>(form, QStringLiteral("收款人名称"));
        year->setText(kUntouched);
        payee->setText(kUntouched);

        QTest::keyClicks(amountBox(form), keys);
        QCOMPARE(form.header()->fieldByName(QStringLiteral("金额"))->asString(), keys);
        QStringList shownTexts;
        for (const QString &column : columns)
            shownTexts.append(shown(form, column));
        QCOMPARE(shownTexts, derived);
        QCOMPARE(year->text(), kUntouched);
        QCOMPARE(payee->text(), kUntouched);

        // Another row: every control shows its field again.
        m_bills->messages().answer(QMessageBox::Yes);
        QVERIFY(ClickButton(form.BtnCancel));
        QVERIFY(!form.header()->isEditing());
        QCOMPARE(year->text(), QString());
        QCOMPARE(payee->text(), QString());
        QCOMPARE(shown(form, QStringLiteral("金额_金额大写")), QString());
    }

    // The rules of the table are read when the format opens: a definition changed meanwhile
    // counts from the refresh message (or the form shown again) on, not before.
    void definitionsAreReadAtOpenAndOnRefresh_data()
    {
        QTest::addColumn<QString>("message");
        QTest::newRow("refresh") << MsgRefreshMainPage.toString();
        QTest::newRow("shown again") << MsgOnFormActive.toString();
    }
    void definitionsAreReadAtOpenAndOnRefresh()
    {
        QFETCH(QString, message);
        TEditNoteForm &form = newBill();
        QTest::keyClicks(amountBox(form), QStringLiteral("1"));
        QCOMPARE(shown(form, QStringLiteral("金额_金额大写")), QStringLiteral("壹元整"));
        // No merged capital any more.
        ExecTmpQuery(CurAdo, QStringLiteral("update p_TableFields set BigType = '大写拆分' where RefNo = '101' and FieldName = '金额'"));
        QTest::keyClicks(amountBox(form), QStringLiteral("2"));
        QCOMPARE(shown(form, QStringLiteral("金额_金额大写")), QStringLiteral("壹拾贰元整"));

        SendMessage(HandleOf(&form), RegisterWindowMessage(message), 0, kRefNo);
        QTest::keyClicks(amountBox(form), QStringLiteral("3"));
        QCOMPARE(form.header()->fieldByName(QStringLiteral("金额"))->asString(), QStringLiteral("123"));
        QCOMPARE(form.header()->fieldByName(QStringLiteral("金额_金额大写"))->asString(), QStringLiteral("壹拾贰元整"));
        QCOMPARE(shown(form, QStringLiteral("金额_金额大写")), QStringLiteral("壹拾贰元整"));
        QCOMPARE(shown(form, QStringLiteral("金额_小写元")), QStringLiteral("3"));
        QCOMPARE(shown(form, QStringLiteral("金额_大写元")), QStringLiteral("叁"));
    }

    // Typing changes no button; the state, the audit flag and the void flag do.
    void buttonStatesFollowTheBillState()
    {
        TEditNoteForm &form = newBill();
        QWidget *auditStamp = form.findChild<QWidget *>(QStringLiteral("PostImage"));
        QWidget *voidStamp = form.findChild<QWidget *>(QStringLiteral("DisImage"));
        QVERIFY(form.BtnSave->isEnabled() && form.BtnCancel->isEnabled());
        QVERIFY(!form.BtnNew->isEnabled() && !form.BtnEdit->isEnabled() && !form.PostButton->isEnabled());
        QTest::keyClicks(amountBox(form), QStringLiteral("88"));
        QVERIFY(form.BtnSave->isEnabled() && !form.BtnNew->isEnabled());

        DataField *flag = form.header()->fieldByName(QStringLiteral("Flag"));
        DataField *dis = form.header()->fieldByName(QStringLiteral("dis"));
        flag->setValue(1);
        QVERIFY(auditStamp->isVisibleTo(&form));
        flag->setValue(-1);
        QVERIFY(!auditStamp->isVisibleTo(&form));
        dis->setValue(1);
        QVERIFY(voidStamp->isVisibleTo(&form));
        dis->setValue(0);
        QVERIFY(!voidStamp->isVisibleTo(&form));

        QVERIFY(ClickButton(form.BtnSave));
        QVERIFY2(m_bills->messages().shown().isEmpty(), qPrintable(m_bills->shownTexts()));
        QVERIFY(!form.header()->isEditing());
        QVERIFY(!form.BtnSave->isEnabled() && !form.BtnCancel->isEnabled());
        QVERIFY(form.BtnNew->isEnabled() && form.BtnEdit->isEnabled() && form.BtnDel->isEnabled() && form.PostButton->isEnabled());
        QVERIFY(!form.RecheckButton->isEnabled());

        QVERIFY(ClickButton(form.PostButton));
        QVERIFY(auditStamp->isVisibleTo(&form));
        QVERIFY(form.RecheckButton->isEnabled());
        QVERIFY(!form.BtnEdit->isEnabled() && !form.BtnDel->isEnabled() && !form.PostButton->isEnabled());
        QCOMPARE(m_bills->stored(QStringLiteral("select Flag, 金额 from 银行转帐单")), QStringLiteral("1|88"));
    }
};

QTEST_MAIN(TestBillFormRefresh)
#include "tst_billformrefresh.moc"
