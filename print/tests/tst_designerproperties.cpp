#include "helpers/DesignerHost.h"
#include "helpers/ModalDialogs.h"
#include "helpers/PrintFixture.h"
#include "MessageScript.h"
#include "SqliteShell.h"

#include "core/db/AdoFunc.h"
#include "core/globals/PubDm.h"
#include "designer/model/DesignFieldRows.h"
#include "designer/properties/TSelFieldsForm.h"
#include "gui/dialogs/FontDialogSeam.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

namespace {
const QString kRefNo = QStringLiteral("7001");

QPushButton *okButton(QWidget *dialog)
{
    for (QPushButton *button : dialog->findChildren<QPushButton *>()) {
        if (button->text() == QStringLiteral("确定"))
            return button;
    }
    qFatal("no 确定");
}
}

// The property panel, the add-field buttons and the field chooser over the fixture's cheque.
class TestDesignerProperties : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<PrintFixture> m_fixture;
    std::unique_ptr<MessageScript> m_messages;
    std::unique_ptr<DesignerHost> m_host;

    TDesignSurface *surface() const { return m_host->surface; }
    const DesignFieldRows &rows() const { return surface()->fieldRows(); }
    template <class Widget>
    Widget *panel(const char *name) const
    {
        auto *widget = m_host->properties->findChild<Widget *>(QLatin1String(name));
        if (!widget)
            qFatal("no %s", name);
        return widget;
    }
    QString stored(const QString &sql) const
    {
        return SqliteShellRows(m_fixture->file(QStringLiteral("data/data.db")), sql).join(QLatin1Char('\n'));
    }
    // The current field pressed, the others added to the selection.
    void select(int current, const QList<int> &others = {})
    {
        TDesignFieldControl *control = m_host->control(current);
        QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
        for (const int tag : others)
            surface()->setSelected(tag, true);
    }
    void retype(QLineEdit *edit, const QString &text)
    {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
    }
    void choose(QComboBox *box, const QString &text)
    {
        const int index = box->findText(text);
        QVERIFY2(index >= 0, qPrintable(text));
        box->setCurrentIndex(index);
        emit box->activated(index);
        emit box->textActivated(text);
    }

private Q_SLOTS:
    void init()
    {
        m_fixture = std::make_unique<PrintFixture>();
        m_messages = std::make_unique<MessageScript>();
        m_host = std::make_unique<DesignerHost>();
        QVERIFY(surface()->openTemplate(kRefNo));
        QVERIFY(m_host->showActive());
    }
    void cleanup()
    {
        FontDialogSeam::setHandler({});
        m_host.reset();
        m_messages.reset();
        m_fixture.reset();
    }

    void panelShowsTheCurrentField()
    {
        select(1001);
        QVERIFY(m_host->properties->isVisible());
        QCOMPARE(panel<QLabel>("TagLabel")->text(), QStringLiteral("1001"));
        QCOMPARE(panel<QLineEdit>("CtlCNameEdit")->text(), QStringLiteral("金额"));
        QCOMPARE(panel<QLineEdit>("CtlxEdit")->text(), QStringLiteral("480"));
        QCOMPARE(panel<QComboBox>("EditTypeBox")->currentText(), QStringLiteral("小写金额"));
        QCOMPARE(panel<QComboBox>("FieldsListEdit")->currentText(), QStringLiteral("金额"));
        QVERIFY(panel<QComboBox>("FieldsListEdit")->findText(QStringLiteral("收款人名称")) >= 0);
        QVERIFY(panel<QWidget>("CellsPanel")->isVisible());
        QVERIFY(!panel<QWidget>("GridPanel")->isVisible());
        QCOMPARE(panel<QCheckBox>("MultiLineBox")->text(), QStringLiteral("显示标题"));
        QVERIFY(!panel<QWidget>("AlignPanel")->isVisible());
        // Another field replaces the text of the box that has the focus.
        panel<QLineEdit>("CtlCNameEdit")->setFocus();
        select(1000);
        QCOMPARE(panel<QLineEdit>("CtlCNameEdit")->text(), QStringLiteral("收款人"));

        // A grid lists the detail tables, a grid column its grid's columns and a sum field.
        select(500);
        QCOMPARE(panel<QLabel>("lblFieldNameLabel")->text(), QStringLiteral("数据表"));
        QVERIFY(panel<QWidget>("GridPanel")->isVisible());
        select(1010);
        QCOMPARE(panel<QLabel>("lblFieldNameLabel")->text(), QStringLiteral("对应字段"));
        QVERIFY(panel<QComboBox>("FieldsListEdit")->findText(QStringLiteral("商品名称")) >= 0);
        QVERIFY(panel<QWidget>("SumFieldPanel")->isVisible());
        surface()->setSelected(1000, true);
        QVERIFY(panel<QWidget>("AlignPanel")->isVisible());
    }

    void editsReachEverySelectedField()
    {
        select(1002, {1000, 1001});
        retype(panel<QLineEdit>("CtlxEdit"), QStringLiteral("150"));
        retype(panel<QLineEdit>("CtlWEdit"), QStringLiteral("40"));
        choose(panel<QComboBox>("xAlignBox"), QStringLiteral("居中"));
        choose(panel<QComboBox>("NeedPrintBox"), QStringLiteral("否"));
        // Half-typed text changes nothing and raises nothing.
        retype(panel<QLineEdit>("CtlYEdit"), QStringLiteral("7x"));
        QVERIFY(m_messages->shown().isEmpty());
        for (const int tag : {1000, 1001, 1002}) {
            QCOMPARE(rows().rect(tag).x(), 150);
            QCOMPARE(rows().rect(tag).width(), 40);
            QCOMPARE(rows().rect(tag).y(), 7);
            QCOMPARE(m_host->control(tag)->geometry(), rows().rect(tag));
            QVERIFY(!m_host->control(tag)->printed());
        }
        QCOMPARE(rows().rect(1003).x(), 480);
        // The caption is the current field's alone.
        retype(panel<QLineEdit>("CtlCNameEdit"), QStringLiteral("abc"));
        surface()->writeFieldBatch();
        QCOMPARE(stored(QStringLiteral("select Tag, Ctlx, CtlW, xAlign, NeedPrint, CtlCName from p_NoteCntlList"
                                       " where RefNo = '7001' and Tag between 1000 and 1003 order by Tag")),
                 QStringLiteral("1000|150|40|居中|否|收款人\n1001|150|40|居中|否|金额\n1002|150|40|居中|否|abc\n"
                                "1003|480|60|居左|是|年"));
    }

    // A typed position or size is stored as shown, or refused with a message and the box shows
    // the stored value again: never a field that cannot be seen. Field 1000 is 300 x 30 at
    // (60, 40) on an 800 x 400 picture; every key typed is applied at once.
    void typedGeometry_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("message");
        const QString offX = QStringLiteral("横向位置应在-299到799之间，否则字段完全在图片之外");
        const QString offY = QStringLiteral("纵向位置应在-29到399之间，否则字段完全在图片之外");
        QTest::newRow("width 0") << "CtlWEdit" << "0" << 300 << "宽度不能小于1";
        QTest::newRow("width -5") << "CtlWEdit" << "-5" << 300 << "宽度不能小于1";
        QTest::newRow("width 1") << "CtlWEdit" << "1" << 1 << "";
        QTest::newRow("width huge") << "CtlWEdit" << "30000" << 3000 << "宽度不能大于20000";
        QTest::newRow("height 0") << "CtlHEdit" << "0" << 30 << "高度不能小于1";
        QTest::newRow("height -5") << "CtlHEdit" << "-5" << 30 << "高度不能小于1";
        QTest::newRow("height huge") << "CtlHEdit" << "25000" << 2500 << "高度不能大于20000";
        QTest::newRow("x negative, partly on the picture") << "CtlxEdit" << "-250" << -250 << "";
        QTest::newRow("x -300: wholly off") << "CtlxEdit" << "-300" << -30 << offX;
        QTest::newRow("x at the last column") << "CtlxEdit" << "799" << 799 << "";
        QTest::newRow("x past the picture") << "CtlxEdit" << "800" << 80 << offX;
        QTest::newRow("y -30: wholly off") << "CtlYEdit" << "-30" << -3 << offY;
        QTest::newRow("y past the picture") << "CtlYEdit" << "400" << 40 << offY;
    }
    void typedGeometry()
    {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(int, stored);
        QFETCH(QString, message);
        QCOMPARE(surface()->pictureSize(), QSize(800, 400));
        select(1000);
        auto *edit = panel<QLineEdit>(qPrintable(box));
        retype(edit, typed);
        const QRect rect = rows().rect(1000);
        const int value = box == "CtlxEdit" ? rect.x() : box == "CtlYEdit" ? rect.y() : box == "CtlWEdit" ? rect.width() : rect.height();
        QCOMPARE(value, stored);
        QCOMPARE(edit->text(), QString::number(stored));
        QCOMPARE(m_host->control(1000)->geometry(), rect);
        QCOMPARE(m_messages->texts(), message.isEmpty() ? QStringList() : QStringList{message});
        // Leaving the box keeps what it shows: the stored value.
        panel<QLineEdit>("CtlCNameEdit")->setFocus();
        QCOMPARE(edit->text(), QString::number(stored));
    }

    // A half-typed number changes nothing; leaving the box shows the stored value again.
    void halfTypedNumberShowsTheStoredValueOnLeaving()
    {
        select(1000);
        auto *edit = panel<QLineEdit>("CtlWEdit");
        retype(edit, QStringLiteral("-"));
        QCOMPARE(rows().rect(1000).width(), 300);
        panel<QLineEdit>("CtlCNameEdit")->setFocus();
        QCOMPARE(edit->text(), QStringLiteral("300"));
        QVERIFY(m_messages->shown().isEmpty());
    }

    void fontReachesEverySelectedField()
    {
        select(1000, {1001});
        FontDialogSeam::setHandler([](const QFont &initial) {
            QFont font(initial);
            font.setFamily(QStringLiteral("宋体"));
            font.setPointSize(14);
            font.setBold(true);
            return std::optional<QFont>(font);
        });
        panel<QPushButton>("FontButton")->click();
        QCOMPARE(rows().text(1000, QStringLiteral("CtlFontName")), QStringLiteral("宋体;14;粗体;;;"));
        QCOMPARE(rows().text(1001, QStringLiteral("CtlFontName")), QStringLiteral("宋体;14;粗体;;;"));
        QCOMPARE(m_host->control(1001)->font().pointSize(), 14);
    }

    void kindChange_data()
    {
        QTest::addColumn<int>("current");
        QTest::addColumn<QList<int>>("others");
        QTest::addColumn<QString>("newKind");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QStringList>("after");  // Tag:kind:NeedPrint:DigitalCount:xAlign
        QTest::newRow("to amount") << 1000 << QList<int>{} << "小写金额" << ""
                                   << QStringList{"1000:小写金额:是:11:居左"};
        QTest::newRow("grid refused") << 500 << QList<int>{} << "编辑器" << "表格类型不能修改"
                                      << QStringList{"500:表格:否:0:居左"};
        QTest::newRow("to grid refused") << 1000 << QList<int>{1002} << "表格" << "表格类型不能修改"
                                         << QStringList{"1000:编辑器:是:0:居左", "1002:编辑器:是:0:居左"};
        QTest::newRow("mixed with a grid") << 1000 << QList<int>{500, 1003} << "复选框" << ""
                                           << QStringList{"1000:复选框:否:0:居左", "500:表格:否:0:居左", "1003:复选框:否:0:居左"};
        QTest::newRow("plain text aligns right") << 1000 << QList<int>{1003} << "一般文本" << ""
                                                 << QStringList{"1000:一般文本:是:0:居右", "1003:一般文本:是:0:居右"};
        QTest::newRow("spaced string keeps a cell") << 1000 << QList<int>{1001} << "等距字符串" << ""
                                                    << QStringList{"1000:等距字符串:是:1:居左", "1001:等距字符串:是:11:居中"};
        QTest::newRow("amounts everywhere") << 1002 << QList<int>{1000} << "小写金额" << ""
                                            << QStringList{"1002:小写金额:是:11:居左", "1000:小写金额:是:11:居左"};
    }
    void kindChange()
    {
        QFETCH(int, current);
        QFETCH(QList<int>, others);
        QFETCH(QString, newKind);
        QFETCH(QString, message);
        QFETCH(QStringList, after);
        select(current, others);
        QComboBox *kinds = panel<QComboBox>("EditTypeBox");
        choose(kinds, newKind);
        QCOMPARE(m_messages->lastText(), message);
        for (const QString &expected : after) {
            const int tag = expected.section(QLatin1Char(':'), 0, 0).toInt();
            const QString actual = QStringLiteral("%1:%2:%3:%4:%5")
                                       .arg(tag)
                                       .arg(rows().text(tag, QStringLiteral("FieldEditType")),
                                            rows().text(tag, QStringLiteral("NeedPrint")))
                                       .arg(rows().integer(tag, QStringLiteral("DigitalCount")))
                                       .arg(rows().text(tag, QStringLiteral("xAlign")));
            QCOMPARE(actual, expected);
        }
        QCOMPARE(kinds->currentText(), rows().text(current, QStringLiteral("FieldEditType")));
    }

    void addFieldButtons()
    {
        surface()->setLocked(true);
        auto *amount = m_host->addButtons->findChild<QPushButton *>(QStringLiteral("AddField10"));
        QCOMPARE(amount->text(), QStringLiteral("小写金额"));
        amount->click();
        QVERIFY(!surface()->locked());
        QCOMPARE(surface()->currentTag(), 1013);
        QCOMPARE(rows().rect(1013), QRect(210, 190, 180, 22));
        QCOMPARE(rows().text(1013, QStringLiteral("CtlCName")), QStringLiteral("小写金额15"));
        QCOMPARE(rows().text(1013, QStringLiteral("DbFieldName")), QStringLiteral("金额"));
        QCOMPARE(rows().integer(1013, QStringLiteral("DigitalCount")), 11);
        QVERIFY(surface()->selection().contains(1013));

        m_host->addButtons->findChild<QPushButton *>(QStringLiteral("AddField8"))->click();
        QCOMPARE(rows().rect(501), QRect(220, 200, 500, 200));
        QCOMPARE(rows().text(501, QStringLiteral("FieldEditType")), QStringLiteral("表格"));
        // Fields already selected stay selected.
        QCOMPARE(surface()->selectedTags(), (QList<int>{1013, 501}));

        m_host->addButtons->findChild<QPushButton *>(QStringLiteral("AddField11"))->click();
        QCOMPARE(rows().integer(1014, QStringLiteral("DigitalCount")), 1);
        QCOMPARE(rows().text(1014, QStringLiteral("xAlign")), QStringLiteral("居中"));
        surface()->writeFieldBatch();
        QCOMPARE(stored(QStringLiteral("select Tag, ParentId, NeedPrint, CtlFontName from p_NoteCntlList where RefNo = '7001'"
                                       " and Tag in (501, 1013, 1014) order by Tag")),
                 QStringLiteral("501|0|是|黑体;10;;;;\n1013|0|是|黑体;10;;;;\n1014|0|是|黑体;10;;;;"));
    }

    void gridColumnHangsOnItsGrid()
    {
        select(500);
        panel<QPushButton>("AddColumnButton")->click();
        QCOMPARE(rows().integer(1013, QStringLiteral("ParentId")), 500);
        QCOMPARE(rows().rect(1013), QRect(100, 100, 150, 20));
        QCOMPARE(rows().text(1013, QStringLiteral("CtlCName")), QStringLiteral("文本15"));
        QCOMPARE(rows().text(1013, QStringLiteral("FieldEditType")), QStringLiteral("编辑器"));
        // With two fields selected the button adds nothing.
        select(500, {1000});
        panel<QPushButton>("AddColumnButton")->click();
        QCOMPARE(rows().tags().size(), 15);
    }

    void pickerPresets()
    {
        select(1000);
        choose(panel<QComboBox>("EditTypeBox"), QStringLiteral("选择器"));
        QVERIFY(panel<QWidget>("PickerPanel")->isVisible());
        choose(panel<QComboBox>("PickListNameBox"), QStringLiteral("选择寄件方"));
        QCOMPARE(rows().text(1000, QStringLiteral("PickListName")), QStringLiteral("选择寄件方"));
        QCOMPARE(rows().text(1000, QStringLiteral("pickSetFields")),
                 QStringLiteral("寄件人名称,寄件人地址,寄件人联系人,寄件人电话,寄件手机,寄件人邮编,寄件省,寄件市,寄件区"));
        choose(panel<QComboBox>("PickListNameBox"), QStringLiteral("选择公司资料"));
        QCOMPARE(rows().text(1000, QStringLiteral("PickListName")), QStringLiteral("选择公司资料"));
        QVERIFY(rows().text(1000, QStringLiteral("pickSetFields")).startsWith(QStringLiteral("寄件人名称")));
    }

    void chooserForm()
    {
        const QStringList available = {"名称", "地址", "电话", "金额"};
        TSelFieldsForm empty(available, 2, QString());
        QCOMPARE(empty.findChild<QListWidget *>(QStringLiteral("ChosenList"))->count(), 0);

        TSelFieldsForm form(available, 3, QStringLiteral("电话"));
        form.show();
        auto *left = form.findChild<QListWidget *>(QStringLiteral("AvailableList"));
        auto *right = form.findChild<QListWidget *>(QStringLiteral("ChosenList"));
        // Picked in the order 金额, 电话, 名称: added in list order, 电话 only once.
        for (const int row : {3, 2, 0})
            left->item(row)->setSelected(true);
        form.findChild<QPushButton *>(QStringLiteral("AddButton"))->click();
        QStringList shown;
        for (int row = 0; row < right->count(); ++row)
            shown.append(right->item(row)->text());
        QCOMPARE(shown, (QStringList{"电话", "名称", "金额"}));

        right->item(1)->setSelected(true);
        form.findChild<QPushButton *>(QStringLiteral("RemoveButton"))->click();
        okButton(&form)->click();
        QCOMPARE(m_messages->lastText(), QStringLiteral("选择字段数量应该为3个"));
        QVERIFY(form.isVisible());
        left->clearSelection();
        left->item(1)->setSelected(true);
        form.findChild<QPushButton *>(QStringLiteral("AddButton"))->click();
        okButton(&form)->click();
        QVERIFY(!form.isVisible());
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(form.answer(), QStringLiteral("电话,金额,地址"));
    }

    void chooserFromThePanel()
    {
        // The picker fills 4 columns; the chooser offers the text, amount and decimal columns.
        ExecTmpQuery(CurAdo, QStringLiteral("insert into p_tables (RefNo, TableName) values ('901', '测试支票')"));
        ExecTmpQuery(CurAdo, QStringLiteral("insert into p_TableFields (RefNo, seqno, FieldName, FieldType) values"
                                            " ('901', 1, '收款人名称', '字符型'), ('901', 2, '付款日期', '日期型'),"
                                            " ('901', 3, '金额', '金额'), ('901', 4, '用途', '字符型'), ('901', 5, '选项', '小数')"));
        select(1000);
        choose(panel<QComboBox>("EditTypeBox"), QStringLiteral("选择器"));
        choose(panel<QComboBox>("PickListNameBox"), QStringLiteral("选择公司资料"));
        QStringList offered;
        ModalWatch<TSelFieldsForm> watch([&offered](TSelFieldsForm *form) {
            auto *left = form->findChild<QListWidget *>(QStringLiteral("AvailableList"));
            for (int row = 0; row < left->count(); ++row) {
                offered.append(left->item(row)->text());
                left->item(row)->setSelected(true);
            }
            form->findChild<QPushButton *>(QStringLiteral("AddButton"))->click();
            okButton(form)->click();
        });
        panel<QPushButton>("PickSetFieldsButton")->click();
        QCOMPARE(watch.seen(), 1);
        QCOMPARE(offered, (QStringList{"收款人名称", "金额", "用途", "选项"}));
        QCOMPARE(rows().text(1000, QStringLiteral("pickSetFields")), QStringLiteral("收款人名称,金额,用途,选项"));
    }

    void columnChoiceReachesTheSelection()
    {
        // A multi-tick field is captioned by its column; other fields keep their caption.
        const int tick = surface()->addField(ekMultiTick, QRect(10, 10, 20, 20), QStringLiteral("多项勾选15"));
        select(tick, {1000});
        choose(panel<QComboBox>("FieldsListEdit"), QStringLiteral("用途"));
        QCOMPARE(rows().text(tick, QStringLiteral("DbFieldName")), QStringLiteral("用途"));
        QCOMPARE(rows().text(tick, QStringLiteral("CtlCName")), QStringLiteral("用途"));
        QCOMPARE(m_host->control(tick)->caption(), QStringLiteral("用途"));
        QCOMPARE(rows().text(1000, QStringLiteral("DbFieldName")), QStringLiteral("用途"));
        QCOMPARE(rows().text(1000, QStringLiteral("CtlCName")), QStringLiteral("收款人"));
        // Every field on the page is captioned by the column chosen; a caption typed later wins.
        QCOMPARE(m_host->control(1000)->caption(), QStringLiteral("用途"));
        surface()->applyToField(1000, {{QStringLiteral("Ctlx"), 70}});
        QCOMPARE(m_host->control(1000)->caption(), QStringLiteral("用途"));
        select(1000);
        retype(panel<QLineEdit>("CtlCNameEdit"), QStringLiteral("payee"));
        QCOMPARE(m_host->control(1000)->caption(), QStringLiteral("payee"));
    }

    void nothingSelectedChangesNothing()
    {
        select(1000);
        surface()->clearSelection();
        QVERIFY(!m_host->properties->isVisible());
        choose(panel<QComboBox>("NeedPrintBox"), QStringLiteral("否"));
        QCOMPARE(rows().text(1000, QStringLiteral("NeedPrint")), QStringLiteral("是"));
        QVERIFY(!surface()->hasUnsavedChanges());
    }
};

QTEST_MAIN(TestDesignerProperties)
#include "tst_designerproperties.moc"
