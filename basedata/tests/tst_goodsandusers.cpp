#include "helpers/FundoraWindow.h"
#include "helpers/ModalScript.h"

#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/db/AdoFunc.h"
#include "core/globals/PubDm.h"
#include "core/security/PasswordHash.h"
#include "gui/grid/DataGrid.h"
#include "gui/listedit/TListEditForm.h"
#include "login/LoginCheck.h"
#include "mainwindow/TM1Form.h"

#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QtTest>

namespace {

const QString kGoods = QStringLiteral("商品资料维护");
const QString kUsers = QStringLiteral("用户资料");
const QString kCloseRefusal = QStringLiteral("编辑状态下不能直接关闭窗口，\r\n请先取消操作或保存操作后再关闭");

QStringList columnTitles(const DataGrid *grid)
{
    QStringList titles;
    for (int column = 0; column < grid->model()->columnCount(); ++column)
        if (grid->isColumnVisible(column))
            titles.append(grid->model()->headerData(column, Qt::Horizontal).toString());
    return titles;
}

void clickNamed(QWidget &form, const char *name)
{
    auto *button = form.findChild<QPushButton *>(QLatin1String(name));
    QVERIFY2(button, name);
    QVERIFY2(button->isVisibleTo(&form), name);
    QVERIFY2(button->isEnabled(), name);
    QTest::mouseClick(button, Qt::LeftButton);
}

bool enabled(QWidget &form, const char *name)
{
    const auto *button = form.findChild<QPushButton *>(QLatin1String(name));
    return button && button->isEnabled();
}

// Types into the editor's box as a person would (the box must be writable).
void typeInto(QDialog &editor, const char *boxName, const QString &text)
{
    auto *edit = editor.findChild<QLineEdit *>(QLatin1String(boxName));
    if (!edit)
        if (auto *combo = editor.findChild<QComboBox *>(QLatin1String(boxName)))
            edit = combo->lineEdit();
    QVERIFY2(edit, boxName);
    QVERIFY2(!edit->isReadOnly(), boxName);
    edit->selectAll();
    for (const QChar c : text) {  // as an input method hands over Chinese text: key by key
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(edit, &press);
    }
}

QString current(const TListEditForm *list, const QString &field)
{
    return list->master()->fieldByName(field)->asString();
}

void doubleClickCurrentRow(TListEditForm *list)
{
    DataGrid *grid = list->grid();
    const QModelIndex cell = grid->model()->index(qMax(0, list->master()->recNo() - 1), 0);
    const QPoint where = grid->visualRect(cell).center();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, where);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, where);
}

} // namespace

// The goods and user lists of the real module, opened by menu id, and their modal editors.
class TestGoodsAndUsers : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<FundoraWindow> m_main;

    TListEditForm *openList(int menuId, const QString &caption)
    {
        auto *list = qobject_cast<TListEditForm *>(m_main->open(menuId, caption));
        if (list)
            list->activateWindow();
        return list;
    }
    QString stored(const QString &sql) const { return m_main->stored(sql); }

private Q_SLOTS:
    void init()
    {
        m_main = std::make_unique<FundoraWindow>();
        ExecTmpQuery(CurAdo, QStringLiteral("insert into Bs_ProdList (PartNo, PartName, PartSpec, Unit, Price) values"
                                            " ('A1', '垫片', 'M8', '个', 0.5), ('C3', '螺母', 'M6', '个', 0.2)"));
    }
    void cleanup() { m_main.reset(); }

    void listsOpenByMenuId_data()
    {
        QTest::addColumn<int>("menuId");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("className");
        QTest::addColumn<QStringList>("titles");
        QTest::addColumn<bool>("popupMenu");
        QTest::newRow("goods") << 20135 << kGoods << "TGoodsForm"
                               << QStringList{"商品编号", "品名", "规格", "单位", "价格"} << true;
        QTest::newRow("users") << 20125 << kUsers << "TUserInfoForm" << QStringList{"用户编号", "用户名称"} << false;
    }
    void listsOpenByMenuId()
    {
        QFETCH(int, menuId);
        QFETCH(QString, caption);
        TListEditForm *list = openList(menuId, caption);
        QVERIFY(list);
        QVERIFY2(m_main->messages.shown().isEmpty(), qPrintable(m_main->messages.texts().join('|')));
        QTEST(QString::fromLatin1(list->metaObject()->className()), "className");
        QCOMPARE(list->windowTitle(), caption);
        QCOMPARE(list->sizeHint(), QSize(710, 505));  // the frame may be cut to the main window's area
        QCOMPARE(list->width(), 710);
        QVERIFY(qobject_cast<QMdiSubWindow *>(list->parentWidget()));
        QTEST(columnTitles(list->grid()), "titles");
        QTEST(!list->grid()->popupMenu()->isEmpty(), "popupMenu");
        QVERIFY(list->grid()->editTriggers() == QAbstractItemView::NoEditTriggers);
        // The list offers 新增, 删除 and 退出; the rows are edited in the editor.
        for (const char *name : {"CancelButton", "SaveButton", "EditButton"})
            QVERIFY(!list->findChild<QPushButton *>(QLatin1String(name))->isVisibleTo(list));
        // Passwords never reach the user list.
        QVERIFY(!list->master()->findField(QStringLiteral("Password")));
        QCOMPARE(list->grid()->layoutSection(), QString::fromLatin1(list->metaObject()->className()) + "SelDBGrid");
    }

    void newProductIsSavedAndTheListGoesToIt()
    {
        TListEditForm *list = openList(20135, kGoods);
        QVERIFY(list);
        QCOMPARE(current(list, "PartNo"), QStringLiteral("A1"));
        QStringList units;
        QString partNoWhileOpen, nameAfterEdit;
        ModalScript script([&](QDialog &editor) {
            QCOMPARE(editor.windowTitle(), QStringLiteral("商品明细资料"));
            auto *unitBox = editor.findChild<QComboBox *>(QStringLiteral("cbbUnit"));
            for (int i = 0; i < unitBox->count(); ++i)
                units.append(unitBox->itemText(i));
            QVERIFY(!enabled(editor, "NewButton") && !enabled(editor, "EditButton"));
            QVERIFY(enabled(editor, "SaveButton") && enabled(editor, "CancelButton"));
            typeInto(editor, "edtPartNo", QStringLiteral(" B-7 "));
            typeInto(editor, "edtPartName", QStringLiteral("螺丝"));
            typeInto(editor, "edtPartSpec", QStringLiteral("M4"));
            typeInto(editor, "cbbUnit", QStringLiteral("箱"));
            typeInto(editor, "edtPrice", QStringLiteral("12.5"));
            clickNamed(editor, "SaveButton");
            QVERIFY(m_main->messages.shown().isEmpty());
            partNoWhileOpen = current(list, "PartNo");  // the list heard the message
            // The editor stays open, browsing the saved row.
            QVERIFY(editor.isVisible());
            QVERIFY(enabled(editor, "NewButton") && enabled(editor, "EditButton"));
            QVERIFY(!enabled(editor, "SaveButton") && !enabled(editor, "CancelButton"));
            QVERIFY(editor.findChild<QLineEdit *>(QStringLiteral("edtPartName"))->isReadOnly());
            clickNamed(editor, "EditButton");
            typeInto(editor, "edtPartName", QStringLiteral("自攻螺丝"));
            clickNamed(editor, "SaveButton");
            nameAfterEdit = current(list, "PartName");
            clickNamed(editor, "ExitButton");
        });
        clickNamed(*list, "NewButton");
        QVERIFY(script.ran());
        QVERIFY(!script.leftOpen());
        QCOMPARE(units.join('\n'), stored("select DmValue from p_BaseCode where DmName = '计量单位'"));
        QCOMPARE(partNoWhileOpen, QStringLiteral("B-7"));
        QCOMPARE(nameAfterEdit, QStringLiteral("自攻螺丝"));
        QCOMPARE(stored("select PartNo, PartName, PartSpec, Unit, Price from Bs_ProdList where PartName = '自攻螺丝'"),
                 QStringLiteral("B-7|自攻螺丝|M4|箱|12.5"));
        QCOMPARE(list->master()->recordCount(), 3);
        QCOMPARE(current(list, "PartNo"), QStringLiteral("B-7"));
    }

    void doubleClickEditsTheCurrentRow()
    {
        TListEditForm *list = openList(20135, kGoods);
        QVERIFY(list->master()->locate(QStringLiteral("PartNo"), QStringLiteral("C3")));
        QString shown;
        ModalScript script([&](QDialog &editor) {
            shown = editor.findChild<QLineEdit *>(QStringLiteral("edtPartNo"))->text();
            QVERIFY(enabled(editor, "EditButton") && !enabled(editor, "SaveButton"));
            clickNamed(editor, "EditButton");
            typeInto(editor, "edtPrice", QStringLiteral("0.25"));
            clickNamed(editor, "SaveButton");
            clickNamed(editor, "ExitButton");
        });
        doubleClickCurrentRow(list);
        QTRY_VERIFY(script.ran());
        QCOMPARE(shown, QStringLiteral("C3"));
        QCOMPARE(stored("select Price from Bs_ProdList where PartNo = 'C3'"), QStringLiteral("0.25"));
        QCOMPARE(current(list, "Price"), QStringLiteral("0.25"));
    }

    void productRefusals_data()
    {
        QTest::addColumn<QString>("partNo");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("number of blanks") << "   " << "螺丝" << "个" << "商品编号不能为空，请输入后再保存！";
        QTest::newRow("nothing typed: the number first") << "" << "" << "" << "商品编号不能为空，请输入后再保存！";
        QTest::newRow("no name") << "D4" << " " << "个" << "商品名称不能为空，请输入后再保存！";
        QTest::newRow("no unit") << "D4" << "螺丝" << "" << "单位不能为空，请输入后再保存！";
        QTest::newRow("number taken, other case") << "a1" << "螺丝" << "个" << "商品编号已经存在，请修改后再保存！";
    }
    void productRefusals()
    {
        QFETCH(QString, partNo);
        QFETCH(QString, name);
        QFETCH(QString, unit);
        TListEditForm *list = openList(20135, kGoods);
        bool stillOpen = false;
        QStringList shown;
        ModalScript script([&](QDialog &editor) {
            typeInto(editor, "edtPartNo", partNo);
            typeInto(editor, "edtPartName", name);
            typeInto(editor, "cbbUnit", unit);
            clickNamed(editor, "SaveButton");
            QVERIFY(enabled(editor, "SaveButton"));  // still inserting
            clickNamed(editor, "ExitButton");
            QTest::keyClick(&editor, Qt::Key_Escape);
            stillOpen = editor.isVisible();
            shown = m_main->messages.texts();
            clickNamed(editor, "CancelButton");
            clickNamed(editor, "ExitButton");
        });
        clickNamed(*list, "NewButton");
        QVERIFY(!script.leftOpen());
        QFETCH(QString, refusal);
        QCOMPARE(shown, (QStringList{refusal, kCloseRefusal, kCloseRefusal}));  // 退出, then Esc
        QVERIFY(stillOpen);
        QCOMPARE(stored("select count(*) from Bs_ProdList"), QStringLiteral("2"));
    }

    // What a clerk types for a price is stored as that number, or refused with the focus in
    // the box: never a different number.
    void priceEntry_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");   // empty: refused, nothing stored
        QTest::addColumn<QString>("refusal");
        QTest::newRow("thousands separator") << "1,234.50" << "1234.5" << "";
        QTest::newRow("blanks around") << " 12 " << "12" << "";
        QTest::newRow("blank inside a group") << "1 234" << "1234" << "";
        QTest::newRow("letters") << "abc" << "" << "“abc”不是正确的数字，请重新输入！";
        QTest::newRow("misplaced separator") << "1,23" << "" << "“1,23”不是正确的数字，请重新输入！";
        QTest::newRow("exponent") << "1e3" << "" << "“1e3”不是正确的数字，请重新输入！";
        QTest::newRow("negative") << "-1" << "" << "价格不能为负数，请修改后再保存！";
    }
    void priceEntry()
    {
        QFETCH(QString, typed);
        TListEditForm *list = openList(20135, kGoods);
        QStringList shown;
        bool focusInPrice = false;
        ModalScript script([&](QDialog &editor) {
            typeInto(editor, "edtPartNo", QStringLiteral("P9"));
            typeInto(editor, "edtPartName", QStringLiteral("垫圈"));
            typeInto(editor, "cbbUnit", QStringLiteral("个"));
            typeInto(editor, "edtPrice", typed);
            clickNamed(editor, "SaveButton");
            shown = m_main->messages.texts();
            focusInPrice = editor.focusWidget() == editor.findChild<QLineEdit *>(QStringLiteral("edtPrice"));
            if (enabled(editor, "CancelButton"))
                clickNamed(editor, "CancelButton");
            clickNamed(editor, "ExitButton");
        });
        clickNamed(*list, "NewButton");
        QVERIFY(script.ran());
        QFETCH(QString, stored);
        QFETCH(QString, refusal);
        QCOMPARE(this->stored("select Price from Bs_ProdList where PartNo = 'P9'"), stored);
        QCOMPARE(shown, refusal.isEmpty() ? QStringList() : QStringList{refusal});
        if (refusal.startsWith(u'“'))
            QVERIFY(focusInPrice);
    }

    // The price a clerk reads, in the editor and in the list, is every digit stored.
    void priceShownIsPriceStored_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("three decimals") << "12.345" << "12.345" << "12.345";
        QTest::newRow("thousands") << "1234.5" << "1234.5" << "1,234.50";
        QTest::newRow("typed grouped") << "1,234.50" << "1234.5" << "1,234.50";
        QTest::newRow("whole") << "12" << "12" << "12.00";
        QTest::newRow("four decimals") << "0.0001" << "0.0001" << "0.0001";
        QTest::newRow("past four decimals") << "12.34567" << "12.3457" << "12.3457";
        QTest::newRow("millions") << "1234567.891" << "1234567.891" << "1,234,567.891";
    }
    void priceShownIsPriceStored()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        TListEditForm *list = openList(20135, kGoods);
        QString afterLeaving, afterSave, afterReopen;
        ModalScript script([&](QDialog &editor) {
            typeInto(editor, "edtPartNo", QStringLiteral("P9"));
            typeInto(editor, "edtPartName", QStringLiteral("垫圈"));
            typeInto(editor, "cbbUnit", QStringLiteral("个"));
            auto *price = editor.findChild<QLineEdit *>(QStringLiteral("edtPrice"));
            price->setFocus();
            typeInto(editor, "edtPrice", typed);
            // Leaving the box shows the amount as stored (focus moves only in the active window).
            const bool focusMoves = QApplication::activeWindow() == &editor;
            editor.findChild<QLineEdit *>(QStringLiteral("edtPartName"))->setFocus();
            afterLeaving = focusMoves ? price->text() : shown;
            clickNamed(editor, "SaveButton");
            afterSave = price->text();
            clickNamed(editor, "ExitButton");
        });
        clickNamed(*list, "NewButton");
        QVERIFY(script.ran());
        QVERIFY2(m_main->messages.shown().isEmpty(), qPrintable(m_main->messages.texts().join('|')));
        QTEST(stored("select Price from Bs_ProdList where PartNo = 'P9'"), "stored");
        QCOMPARE(afterLeaving, shown);
        QCOMPARE(afterSave, shown);
        QVERIFY(list->master()->locate(QStringLiteral("PartNo"), QStringLiteral("P9")));
        const int priceColumn = list->grid()->columnOfField(QStringLiteral("Price"));
        QCOMPARE(list->grid()->model()->index(list->master()->recNo() - 1, priceColumn).data().toString(), shown);

        // Opened again on the stored row, the editor shows the same.
        ModalScript again([&](QDialog &editor) {
            afterReopen = editor.findChild<QLineEdit *>(QStringLiteral("edtPrice"))->text();
            clickNamed(editor, "ExitButton");
        });
        doubleClickCurrentRow(list);
        QTRY_VERIFY(again.ran());
        QCOMPARE(afterReopen, shown);
    }

    void deleteAsksFirst()
    {
        TListEditForm *list = openList(20135, kGoods);
        m_main->messages.answer(QMessageBox::Cancel);
        clickNamed(*list, "DeleteButton");
        QCOMPARE(m_main->messages.shown().size(), 1);
        const MessageRequest question = m_main->messages.shown().first();
        QCOMPARE(question.text, QStringLiteral("确认删除？"));
        QCOMPARE(question.title, QStringLiteral("确认"));
        QCOMPARE(question.buttons, QMessageBox::Ok | QMessageBox::Cancel);
        QCOMPARE(stored("select count(*) from Bs_ProdList"), QStringLiteral("2"));

        // OK (the default answer) deletes, down to an empty list, where a double-click opens nothing.
        clickNamed(*list, "DeleteButton");
        clickNamed(*list, "DeleteButton");
        QCOMPARE(stored("select count(*) from Bs_ProdList"), QStringLiteral("0"));
        QVERIFY(list->master()->isEmpty());
        QVERIFY(!enabled(*list, "DeleteButton"));
        ModalScript script([](QDialog &) {});
        doubleClickCurrentRow(list);
        QTest::qWait(50);
        QVERIFY(!script.ran());
    }

    void newUserHasNoPasswordAndLogsInWithAnEmptyOne()
    {
        TListEditForm *list = openList(20125, kUsers);
        QString idWhileOpen;
        ModalScript script([&](QDialog &editor) {
            QCOMPARE(editor.windowTitle(), kUsers);
            QVERIFY(editor.findChildren<QLineEdit *>().size() == 2);  // id and name, no password
            typeInto(editor, "edtUserId", QStringLiteral(" clerk "));
            typeInto(editor, "edtUserName", QStringLiteral("出纳"));
            clickNamed(editor, "SaveButton");
            idWhileOpen = current(list, "UserId");
            clickNamed(editor, "ExitButton");
        });
        clickNamed(*list, "NewButton");
        QVERIFY(m_main->messages.shown().isEmpty());
        QCOMPARE(idWhileOpen, QStringLiteral("clerk"));
        QCOMPARE(stored("select UserId, UserName, Password is null from Bs_User where UserName = '出纳'"),
                 QStringLiteral("clerk|出纳|1"));
        // An account without a password opens with the empty password, which is then kept as a hash.
        QVERIFY(!CheckLogin(CurAdo, QStringLiteral("clerk"), QStringLiteral("x")));
        QVERIFY(CheckLogin(CurAdo, QStringLiteral("clerk"), QString()));
        QVERIFY(PasswordHash::isHash(stored("select Password from Bs_User where UserId = 'clerk'")));
        QVERIFY(CheckLogin(CurAdo, QStringLiteral("clerk"), QString()));
    }

    void userRefusals_data()
    {
        QTest::addColumn<QString>("userId");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("no id") << "  " << "用户账户不能为空，请输入后再保存！";
        QTest::newRow("id taken, other case") << "ADMIN " << "用户账户已经存在，请修改后再保存！";
    }
    void userRefusals()
    {
        QFETCH(QString, userId);
        TListEditForm *list = openList(20125, kUsers);
        QStringList shown;
        ModalScript script([&](QDialog &editor) {
            typeInto(editor, "edtUserId", userId);
            clickNamed(editor, "SaveButton");
            shown = m_main->messages.texts();
            clickNamed(editor, "CancelButton");
            clickNamed(editor, "ExitButton");
        });
        clickNamed(*list, "NewButton");
        QVERIFY(!script.leftOpen());
        QFETCH(QString, refusal);
        QCOMPARE(shown, QStringList{refusal});
        QCOMPARE(stored("select count(*) from Bs_User"), QStringLiteral("1"));
    }

    void renamingTheLoggedInAccountKeepsItsPassword()
    {
        TListEditForm *list = openList(20125, kUsers);
        ModalScript script([&](QDialog &editor) {
            clickNamed(editor, "EditButton");
            typeInto(editor, "edtUserId", QStringLiteral("boss"));
            clickNamed(editor, "SaveButton");
            clickNamed(editor, "ExitButton");
        });
        doubleClickCurrentRow(list);
        QTRY_VERIFY(script.ran());
        QCOMPARE(stored("select UserId, Password from Bs_User"), QStringLiteral("boss|admin"));
        QCOMPARE(sCurUserId, QStringLiteral("boss"));
        QCOMPARE(current(list, "UserId"), QStringLiteral("boss"));
    }

    void userDeletion_data()
    {
        QTest::addColumn<QString>("loggedIn");
        QTest::addColumn<QString>("toDelete");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QString>("left");
        QTest::newRow("another account") << "admin" << "clerk" << QStringList{"确认删除？"} << "admin";
        QTest::newRow("the logged-in account") << "Admin" << "admin" << QStringList{"不能删除当前登录的用户！"}
                                               << "admin\nclerk";
        QTest::newRow("the last account") << "nobody" << "admin" << QStringList{"不能删除最后一个用户！"} << "admin";
    }
    void userDeletion()
    {
        QFETCH(QString, loggedIn);
        QFETCH(QString, toDelete);
        QFETCH(QString, left);
        if (left.contains(QLatin1String("clerk")) || toDelete == QLatin1String("clerk"))
            ExecTmpQuery(CurAdo, QStringLiteral("insert into Bs_User (UserId, UserName) values ('clerk', '出纳')"));
        sCurUserId = loggedIn;
        TListEditForm *list = openList(20125, kUsers);
        QVERIFY(list->master()->locate(QStringLiteral("UserId"), toDelete));
        clickNamed(*list, "DeleteButton");
        QTEST(m_main->messages.texts(), "shown");
        QCOMPARE(stored("select UserId from Bs_User order by UserId"), left);
    }

    void enterMovesOnFromTheGrid()
    {
        TListEditForm *list = openList(20135, kGoods);
        QVERIFY(QTest::qWaitForWindowActive(&m_main->window()));
        list->grid()->setFocus();
        QTRY_VERIFY(list->grid()->hasFocus());
        QTest::keyClick(list->grid(), Qt::Key_Return);
        QVERIFY(!list->grid()->hasFocus());
        QVERIFY(list->isAncestorOf(QApplication::focusWidget()));
    }
};

QTEST_MAIN(TestGoodsAndUsers)
#include "tst_goodsandusers.moc"
