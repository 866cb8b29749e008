#include "helpers/BillFormWindow.h"
#include "helpers/ShippedMainPage.h"
#include "helpers/UserInput.h"

#include "bills/form/TEditNoteForm.h"
#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/db/AdoFunc.h"
#include "core/globals/PubDm.h"
#include "bills/pickers/TPickDataForm.h"
#include "bills/printing/BillLayout.h"
#include "gui/grid/DataGrid.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

namespace {

// Saves what a user would see, for a person to look at, when QUILLET_SCREENSHOTS names a folder.
void keepScreenshot(QWidget *widget, const QString &name)
{
    const QString folder = qEnvironmentVariable("QUILLET_SCREENSHOTS");
    if (!folder.isEmpty())
        widget->grab().save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
}

} // namespace

// The shipped kinds as a clerk moves between them on the real main page: a bill opens only
// under its own kind's format.
class TestBillFormKinds : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<ShippedMainPage> m_program;

    qint64 addTransferBill(const QString &kind, const QString &refNo, const QString &payee, const QString &amount)
    {
        ExecTmpQuery(CurAdo,
                     QStringLiteral("insert into 银行转帐单 (NoteName, NoteTypeName, Refno, Flag, 收款人名称, 付款人名称, 金额)"
                                    " values (?, ?, ?, -1, ?, '华东建材有限公司', ?)"),
                     {kind, kind, refNo, payee, amount});
        return SelTableIntValue(CurAdo, QStringLiteral("select max(id) from 银行转帐单"));
    }

    // Clicks the picker button of a field and takes the list's row of `name` with a double-click.
    int pickWithButton(TEditNoteForm &form, const QString &column, const QString &name)
    {
        int seen = 0;
        QTimer chooser;
        chooser.setInterval(5);
        connect(&chooser, &QTimer::timeout, this, [&] {
            QWidget *modal = QApplication::activeModalWidget();
            if (!modal || QString::fromLatin1(modal->metaObject()->className()) != QLatin1String("TPickDataForm"))
                return;
            chooser.stop();
            ++seen;
            // The module's copy of the class: the same code and layout as the one linked here.
            auto *picker = static_cast<TPickDataForm *>(modal);
            DataGrid *rows = picker->grid();
            DataSet *set = picker->rows();
            for (int r = 0; r < set->recordCount(); ++r)
                if (set->value(r, set->fieldByName(QStringLiteral("compname"))).toString() == name)
                    DoubleClickCell(rows, rows->model()->index(r, rows->horizontalHeader()->logicalIndex(0)));
            if (modal->isVisible())
                modal->hide();
        });
        chooser.start();
        QLineEdit *edit = nullptr;
        for (QLineEdit *candidate : form.page()->findChildren<QLineEdit *>(Qt::FindDirectChildrenOnly))
            if (candidate->property("dbFieldName").toString() == column)
                edit = candidate;
        if (!edit || edit->actions().isEmpty())
            return -1;
        edit->actions().first()->trigger();
        return seen;
    }

private Q_SLOTS:
    void init() { m_program = std::make_unique<ShippedMainPage>(); }
    void cleanup() { m_program.reset(); }

    // 数据 → double-click a wire transfer → 主界面 → the icon of another kind on the same table:
    // the form shows that kind's own newest bill or none, never the wire transfer, and its
    // list holds only its kind's bills. A stale id left by anyone is not shown either.
    void otherKindOfTheTableShowsNoForeignBill_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("throughHistory");
        QTest::addColumn<bool>("ownBill");
        QTest::newRow("托收凭证 after the history") << "托收凭证" << true << false;
        QTest::newRow("支票 after the history") << "支票" << true << true;
        QTest::newRow("托收凭证 with a stale id") << "托收凭证" << false << true;
    }
    void otherKindOfTheTableShowsNoForeignBill()
    {
        QFETCH(QString, kind);
        QFETCH(bool, throughHistory);
        QFETCH(bool, ownBill);
        const qint64 wire = addTransferBill(QStringLiteral("电汇单"), QStringLiteral("90001"), QStringLiteral("电汇收款人"),
                                            QStringLiteral("300"));
        const qint64 own = ownBill ? addTransferBill(kind, QStringLiteral("90002"), QStringLiteral("本类收款人"), QStringLiteral("77"))
                                   : 0;
        addTransferBill(QStringLiteral("电汇单"), QStringLiteral("90003"), QStringLiteral("另一电汇"), QStringLiteral("5"));

        if (throughHistory) {
            DataGrid *list = m_program->openHistory(QStringLiteral("电汇单"));
            QVERIFY2(list, qPrintable(m_program->shownTexts()));
            int row = -1;
            for (int r = 0; r < list->model()->rowCount(); ++r)
                if (list->dataSet()->value(r, list->dataSet()->fieldByName(QStringLiteral("id"))).toLongLong() == wire)
                    row = r;
            QVERIFY(row >= 0);
            DoubleClickCell(list, list->model()->index(row, 0));
            TEditNoteForm *shown = m_program->billForm();
            QVERIFY2(shown, qPrintable(m_program->shownTexts()));
            QCOMPARE(shown->header()->fieldByName(QStringLiteral("id"))->asInteger(), wire);
            QCOMPARE(shown->format().noteName, QStringLiteral("电汇单"));
        } else {
            iCurOpenAutoid = wire;
        }

        m_program->showMainPage();
        TEditNoteForm *form = m_program->openFromMainPage(kind);
        QVERIFY2(form, qPrintable(m_program->shownTexts()));
        QVERIFY2(m_program->messages().shown().isEmpty(), qPrintable(m_program->shownTexts()));
        QCOMPARE(form->format().noteName, kind);

        DataSet *header = form->header();
        if (own) {
            QCOMPARE(header->fieldByName(QStringLiteral("id"))->asInteger(), own);
            QCOMPARE(header->fieldByName(QStringLiteral("收款人名称"))->asString(), QStringLiteral("本类收款人"));
        } else {
            QVERIFY(header->isEmpty());
            QVERIFY(!form->BtnEdit->isEnabled());
            QVERIFY(!form->BtnDel->isEnabled());
            QVERIFY(!form->PostButton->isEnabled());
        }
        QCOMPARE(form->baseKind(), kind);

        // The saved-bill list: its kind's bills only.
        DataSet *list = form->savedBills();
        QCOMPARE(list->recordCount(), own ? 1 : 0);
        for (int r = 0; r < list->recordCount(); ++r)
            QCOMPARE(list->value(r, list->fieldByName(QStringLiteral("NoteName"))).toString(), kind);
        QCOMPARE(iCurOpenAutoid, 0);

        // The form stays with its kind when the wire transfer's icon opens next.
        m_program->showMainPage();
        TEditNoteForm *again = m_program->openFromMainPage(QStringLiteral("电汇单"));
        QVERIFY(again);
        QCOMPARE(again->format().noteName, QStringLiteral("电汇单"));
        QCOMPARE(again->header()->fieldByName(QStringLiteral("NoteTypeName"))->asString(), QStringLiteral("电汇单"));
        QCOMPARE(again->savedBills()->recordCount(), 2);
    }

    // The shipped delivery note's customer picked from the company book: 转快递单 fills the
    // waybill's receiver block from that entry, and the format boxes name the waybill, also
    // the second time.
    void waybillOfPickedCustomer()
    {
        ExecTmpQuery(CurAdo, QStringLiteral("insert into bs_complist (bSelf, kdDefault, compname, contact, compaddr, phone, mailNO,"
                                            " province, city, area, Telcode) values (1, 1, '华东建材有限公司', '李华',"
                                            " '上海市浦东新区世纪大道100号', '021-58881234', '200120', '上海市', '上海市', '浦东新区', '021')"));
        ExecTmpQuery(CurAdo, QStringLiteral("insert into bs_complist (bSelf, compname, contact, compaddr, telephone, phone, mailNO,"
                                            " province, city, area, Telcode) values (0, '北方机电', '赵强', '天津市和平区1号',"
                                            " '13700003333', '022-1', '300000', '天津市', '天津市', '和平区', '022')"));
        ExecTmpQuery(CurAdo, QStringLiteral("insert into bs_complist (bSelf, compname, contact, compaddr, telephone, phone, mailNO,"
                                            " province, city, area, Telcode) values (0, '南方五金商行', '陈明', '广州市天河区体育西路8号',"
                                            " '13900002222', '020-38881234', '510620', '广东省', '广州市', '天河区', '020')"));
        ExecTmpQuery(CurAdo, QStringLiteral("insert into Bs_ProdList (PartNo, PartName, PartSpec, Unit, Price) values"
                                            " ('P1', '六角螺栓', 'M8x40', '盒', 12.5)"));
        const QString customer = m_program->stored(QStringLiteral("select autoid from bs_complist where compname = '南方五金商行'"));

        TEditNoteForm *opened = m_program->openFromMainPage(QStringLiteral("送货单"));
        QVERIFY2(opened, qPrintable(m_program->shownTexts()));
        TEditNoteForm &form = *opened;
        QVERIFY(ClickButton(form.BtnNew));
        QCOMPARE(pickWithButton(form, QStringLiteral("收货单位"), QStringLiteral("南方五金商行")), 1);
        DataSet *note = form.header();
        QCOMPARE(note->fieldByName(QStringLiteral("收货单位"))->asString(), QStringLiteral("南方五金商行"));
        QCOMPARE(note->fieldByName(QStringLiteral("地址"))->asString(), QStringLiteral("广州市天河区体育西路8号"));
        QCOMPARE(note->fieldByName(QStringLiteral("电话"))->asString(), QStringLiteral("13900002222"));
        QCOMPARE(note->fieldByName(QStringLiteral("客户编号"))->asString(), customer);
        DataSet *lines = form.detailQuery(0);
        QVERIFY(lines->append());
        lines->fieldByName(QStringLiteral("产品编号"))->setValue(QStringLiteral("P1"));
        lines->fieldByName(QStringLiteral("数量"))->setValue(4);
        lines->fieldByName(QStringLiteral("单价"))->setValue(12.5);
        QVERIFY(lines->post());
        QVERIFY(ClickButton(form.BtnSave));
        QVERIFY2(m_program->messages().shown().isEmpty(), qPrintable(m_program->shownTexts()));
        const qint64 noteId = note->fieldByName(QStringLiteral("id"))->asInteger();

        for (int round = 0; round < 2; ++round) {
            QVERIFY(ClickButton(form.CkdFlatButton));
            QVERIFY2(m_program->messages().shown().isEmpty(), qPrintable(m_program->shownTexts()));
            QCOMPARE(form.format().noteName, QStringLiteral("快递单"));
            QCOMPARE(form.NoteListComboBox->currentText(), QStringLiteral("快递单"));
            QCOMPARE(form.NoteTypeComboBox->currentText(), QStringLiteral("快递单"));
            keepScreenshot(&m_program->window(), QStringLiteral("waybill-of-note-%1").arg(round));
            DataSet *waybill = form.header();
            QCOMPARE(waybill->fieldByName(QStringLiteral("RefAutoid"))->asInteger(), noteId);
            const QList<QPair<QString, QString>> receiver{
                {"收件人名称", "南方五金商行"}, {"收件人地址", "广州市天河区体育西路8号"}, {"收件人电话", "13900002222"},
                {"收件人联系人", "陈明"}, {"收件人邮编", "510620"}, {"收件省", "广东省"}, {"收件市", "广州市"},
                {"收件区", "天河区"}, {"收件区号", "020"}, {"寄件人名称", "华东建材有限公司"}};
            for (const auto &[column, value] : receiver) {
                QCOMPARE(waybill->fieldByName(column)->asString(), value);
                QCOMPARE(m_program->stored(QStringLiteral("select \"%1\" from 快递单").arg(column)), value);
            }
            // The same delivery note again, from its icon, as the clerk comes back to it.
            m_program->showMainPage();
            QCOMPARE(m_program->openFromMainPage(QStringLiteral("送货单")), &form);
            QCOMPARE(form.header()->fieldByName(QStringLiteral("id"))->asInteger(), noteId);
            QCOMPARE(form.NoteListComboBox->currentText(), QStringLiteral("送货单"));
        }
        QCOMPARE(m_program->stored(QStringLiteral("select count(*) from 快递单")), QStringLiteral("1"));
    }

    // A bill of another category of the kind, opened from the saved-bill list, shows in its own
    // format, and the boxes say so; the category box's other choice brings the first back.
    void formatBoxesNameTheBillShown()
    {
        ExecTmpQuery(CurAdo, QStringLiteral("insert into p_NoteList (RefNo, NoteName, NoteNameType, NoteType, DataTablename,"
                                            " \"default\", DefNote, Xmove, Ymove, xDpi, yDpi, DpiUnit, ImgFile, ImgEnc, tWidth,"
                                            " tHeight, ZoomFactor) select '2101', '工行支票', '工行支票', NoteType, DataTablename,"
                                            " '否', 0, 0, 0, xDpi, yDpi, DpiUnit, ImgFile, ImgEnc, tWidth, tHeight, 1"
                                            " from p_NoteList where RefNo = '1001'"));
        ExecTmpQuery(CurAdo, QStringLiteral("insert into p_NoteCntlList (RefNo, Tag, ParentId, CtlCName, DbFieldName, FieldEditType,"
                                            " Ctlx, CtlY, CtlW, CtlH, NeedShow, NeedPrint) values ('2101', 1000, 0, '收款人',"
                                            " '收款人名称', '编辑器', 40, 40, 300, 22, '是', '是')"));
        const qint64 other = addTransferBill(QStringLiteral("工行支票"), QStringLiteral("90011"), QStringLiteral("工行收款人"),
                                             QStringLiteral("9"));
        addTransferBill(QStringLiteral("支票"), QStringLiteral("90012"), QStringLiteral("本类收款人"), QStringLiteral("8"));

        TEditNoteForm *opened = m_program->openFromMainPage(QStringLiteral("支票"));
        QVERIFY(opened);
        TEditNoteForm &form = *opened;
        QCOMPARE(form.NoteTypeComboBox->currentText(), QStringLiteral("支票"));
        DataGrid *list = form.findChild<DataGrid *>(QStringLiteral("SelDBGrid"));
        QVERIFY(list);
        QCOMPARE(form.savedBills()->recordCount(), 2);
        int row = -1;
        for (int r = 0; r < form.savedBills()->recordCount(); ++r)
            if (form.savedBills()->value(r, form.savedBills()->fieldByName(QStringLiteral("id"))).toLongLong() == other)
                row = r;
        QVERIFY(row >= 0);
        DoubleClickCell(list, list->model()->index(row, list->columnOfField(QStringLiteral("id"))));
        QCOMPARE(form.format().noteName, QStringLiteral("工行支票"));
        QCOMPARE(form.header()->fieldByName(QStringLiteral("id"))->asInteger(), other);
        QCOMPARE(form.NoteTypeComboBox->currentText(), QStringLiteral("工行支票"));
        QCOMPARE(form.NoteListComboBox->currentText(), QStringLiteral("工行支票"));
        QCOMPARE(form.NoteTypeComboBox->count(), 2);

        const int back = form.NoteTypeComboBox->findText(QStringLiteral("支票"));
        form.NoteTypeComboBox->setCurrentIndex(back);
        Q_EMIT form.NoteTypeComboBox->activated(back);
        QCOMPARE(form.format().noteName, QStringLiteral("支票"));
        QCOMPARE(form.NoteListComboBox->currentText(), QStringLiteral("支票"));
        QCOMPARE(form.header()->fieldByName(QStringLiteral("收款人名称"))->asString(), QStringLiteral("本类收款人"));
    }

    // The collection voucher's 邮划/电划 boxes are ticks of 业务类型: one of the four at a time,
    // stored as its caption, printed as a tick inside the box the picture draws.
    void collectionVoucherTicks()
    {
        TEditNoteForm *opened = m_program->openFromMainPage(QStringLiteral("托收凭证"));
        QVERIFY2(opened, qPrintable(m_program->shownTexts()));
        TEditNoteForm &form = *opened;
        QList<QCheckBox *> ticks;
        for (QCheckBox *box : form.page()->findChildren<QCheckBox *>(Qt::FindDirectChildrenOnly))
            if (box->property("dbFieldName").toString() == QStringLiteral("业务类型"))
                ticks.append(box);
        QStringList captions;
        for (const QCheckBox *box : std::as_const(ticks))
            captions.append(box->text());
        QCOMPARE(captions, (QStringList{"委托收款邮划", "委托收款电划", "托收承付邮划", "托收承付电划"}));
        for (const QCheckBox *box : std::as_const(ticks))
            QVERIFY(!box->styleSheet().contains(QStringLiteral("#FF0000")));

        QVERIFY(ClickButton(form.BtnNew));
        form.header()->fieldByName(QStringLiteral("金额"))->setValue(QStringLiteral("500"));
        QTest::mouseClick(ticks.at(1), Qt::LeftButton, {}, QPoint(6, 6));
        QCOMPARE(form.header()->fieldByName(QStringLiteral("业务类型"))->asString(), QStringLiteral("委托收款电划"));
        QTest::mouseClick(ticks.at(2), Qt::LeftButton, {}, QPoint(6, 6));
        QCOMPARE(form.header()->fieldByName(QStringLiteral("业务类型"))->asString(), QStringLiteral("托收承付邮划"));
        QVERIFY(!ticks.at(1)->isChecked());
        QVERIFY(ticks.at(2)->isChecked());
        keepScreenshot(&m_program->window(), QStringLiteral("collection-ticks"));
        QVERIFY(ClickButton(form.BtnSave));
        QVERIFY2(m_program->messages().shown().isEmpty(), qPrintable(m_program->shownTexts()));
        QCOMPARE(m_program->stored(QStringLiteral("select 业务类型 from 银行转帐单")), QStringLiteral("托收承付邮划"));

        const QList<PrintItem> items = LayOutBill(LoadPrintTemplate(CurAdo, QStringLiteral("托收凭证")), BillData{form.header(), {}, -1});
        QList<QRect> tickRects;
        for (const PrintItem &item : items)
            if (item.text == QStringLiteral("√"))
                tickRects.append(item.rect);
        QCOMPARE(tickRects.size(), 1);
        QCOMPARE(tickRects.first(), ticks.at(2)->geometry());
    }
};

QTEST_MAIN(TestBillFormKinds)
#include "tst_billformkinds.moc"
