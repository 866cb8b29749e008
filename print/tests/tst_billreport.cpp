#include "helpers/BillFormWindow.h"

#include "bills/form/TEditNoteForm.h"
#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/db/AdoFunc.h"
#include "core/globals/PubDm.h"
#include "core/messages/RefNoParam.h"
#include "gui/report/TRepListForm.h"

#include <QApplication>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

// The bill form's 打印: a delivery note handed to the report list.
class TestBillReport : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<BillFormWindow> m_window;

    // A delivery-note format: the customer in the header, a grid of product and amount lines.
    void deliveryNoteFormat()
    {
        ExecTmpQuery(CurAdo, QStringLiteral("insert into p_NoteList (RefNo, NoteName, NoteNameType, NoteType, DataTablename, \"default\", DefNote)"
                                            " values ('2001', '送货单', '送货单', '送货单', '出货单', '是', 1)"));
        const QString field = QStringLiteral("insert into p_NoteCntlList (RefNo, Tag, ParentId, CtlCName, DbFieldName, FieldEditType,"
                                             " Ctlx, CtlY, CtlW, CtlH, NeedShow, GridTitleH, GridLineNum)"
                                             " values ('2001', ?, ?, ?, ?, ?, ?, 40, ?, 22, '是', 20, 4)");
        ExecTmpQuery(CurAdo, field, {1000, 0, QStringLiteral("收货单位"), QStringLiteral("收货单位"), QStringLiteral("编辑器"), 10, 200});
        ExecTmpQuery(CurAdo, field, {500, 0, QStringLiteral("明细"), QStringLiteral("出货单明细"), QStringLiteral("表格"), 220, 400});
        ExecTmpQuery(CurAdo, field, {1001, 500, QStringLiteral("品名"), QStringLiteral("品名"), QStringLiteral("编辑器"), 0, 100});
        ExecTmpQuery(CurAdo, field, {1002, 500, QStringLiteral("金额"), QStringLiteral("小计"), QStringLiteral("编辑器"), 1, 100});
        ExecTmpQuery(CurAdo, field, {1003, 500, QStringLiteral("产品编号"), QStringLiteral("产品编号"), QStringLiteral("编辑器"), 2, 100});
        // Lines must name a known product.
        ExecTmpQuery(CurAdo, QStringLiteral("insert into Bs_ProdList (PartNo, PartName, PartSpec, Unit) values ('P1', '螺丝', 'M6', '盒')"));
    }

    TEditNoteForm &openFormat(qint64 refNo) { return m_window->openFormat(refNo); }

private Q_SLOTS:
    void init() { m_window = std::make_unique<BillFormWindow>(); }
    void cleanup() { m_window.reset(); }

    // 打印 on a saved delivery note opens the list "出货单打印" over the header and the first
    // grid, published as 出货单 and 出货单明细 beside the company data; nothing points at the
    // form's data sets afterwards.
    void printOpensTheReportList()
    {
        deliveryNoteFormat();
        TEditNoteForm &form = openFormat(2001);
        form.BtnNew->click();
        form.header()->fieldByName(QStringLiteral("收货单位"))->setValue(QStringLiteral("上海联华超市"));
        DataSet *lines = form.detailQuery(0);
        QVERIFY(lines->append());
        lines->fieldByName(QStringLiteral("产品编号"))->setValue(QStringLiteral("P1"));
        lines->fieldByName(QStringLiteral("品名"))->setValue(QStringLiteral("螺丝"));
        lines->fieldByName(QStringLiteral("小计"))->setValue(QStringLiteral("12.5"));
        QVERIFY(lines->post());
        form.BtnSave->click();
        QVERIFY2(!form.header()->isEditing(), qPrintable(m_window->messages().texts().join(QLatin1Char('\n'))));
        QVERIFY(form.FrPrintBtn->isVisibleTo(&form));

        QStringList aliases;
        QList<DataSet *> handed;
        QString customer;
        int opened = 0;
        QTimer watch;
        watch.setInterval(5);
        connect(&watch, &QTimer::timeout, this, [&] {
            auto *list = qobject_cast<TRepListForm *>(QApplication::activeModalWidget());
            if (!list)
                return;
            ++opened;
            watch.stop();
            const ReportData data = list->publishedData();
            aliases = data.aliases();
            for (const ReportData::Source &source : data.sources())
                handed.append(source.dataSet);
            const DataField *field = data.field(QStringLiteral("出货单"), QStringLiteral("收货单位"));
            customer = data.value(QStringLiteral("出货单"), field, 0).toString();
            list->reject();
        });
        watch.start();
        form.FrPrintBtn->click();

        QCOMPARE(opened, 1);
        QCOMPARE(aliases, (QStringList{QStringLiteral("出货单"), QStringLiteral("出货单明细"), QStringLiteral("公司资料")}));
        QCOMPARE(handed.value(0), form.header());
        QCOMPARE(handed.value(1), form.detailQuery(0));
        QCOMPARE(customer, QStringLiteral("上海联华超市"));
        QCOMPARE(sToPrintFormName, QStringLiteral("出货单打印"));
        QVERIFY(arrToPrintDataSet.isEmpty());
        QVERIFY(QFile::exists(m_window->folder().file(QStringLiteral("Reports/出货单打印.dat"))));
    }

    void emptyBillIsRefused()
    {
        deliveryNoteFormat();
        TEditNoteForm &form = openFormat(2001);
        form.BtnNew->click();
        form.header()->fieldByName(QStringLiteral("Refno"))->setValue(QString());
        // The button waits for a saved bill; the request itself must refuse too.
        Q_EMIT form.printRequested(TEditNoteForm::PrintAction::Report);
        QCOMPARE(m_window->messages().lastText(), QStringLiteral("空单据不能打印"));
        QVERIFY(!QFile::exists(m_window->folder().file(QStringLiteral("Reports/出货单打印.dat"))));
        form.header()->cancel();
    }
};

QTEST_MAIN(TestBillReport)
#include "tst_billreport.moc"
