#include "BuiltFolders.h"
#include "ExternalTool.h"
#include "MessageScript.h"
#include "PdfWords.h"
#include "TestProgramFolder.h"

#include "core/dataset/DataSet.h"
#include "core/globals/PubDm.h"
#include "core/report/ReportFile.h"
#include "core/report/ReportList.h"
#include "gui/dialogs/FileDialogSeam.h"
#include "gui/dialogs/PrinterSetupSeam.h"
#include "gui/printfun/CurrentPrinter.h"
#include "gui/report/TNewRepEditForm.h"
#include "gui/report/TRepListForm.h"
#include "gui/report/TReportDesignerForm.h"
#include "gui/report/TReportPreviewForm.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>

namespace {

const QString kFormName = QStringLiteral("出货单打印");

NewReportEntry entry(const QString &name, const QString &file, const QString &remark = {})
{
    return {name, file, remark};
}

// The rows of a list file as Python's json module reads them.
QString listRows(const QString &path)
{
    const ToolRun run = runPython(QStringLiteral("import json,sys\n"
                                                 "d=json.load(open(sys.argv[1],encoding='utf-8'))\n"
                                                 "print(d['format'], d['version'], '|'.join(d['columns']))\n"
                                                 "for r in d['rows']: print('|'.join(str(c) for c in r))"),
                                  {path});
    return run.exitCode == 0 ? QString::fromUtf8(run.output).trimmed() : QStringLiteral("unreadable");
}

const QString kHeaderLine = QStringLiteral("QuilletReportList 1 SeqNo|ReportName|RepFileName|remark");

// Runs `act` on the next modal dialog of class Dialog once it shows, then closes it.
template <class Dialog>
void onNextModal(std::function<void(Dialog *)> act)
{
    auto *timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        auto *dialog = qobject_cast<Dialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        timer->stop();
        timer->deleteLater();
        act(dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
    timer->start();
}

} // namespace

// The report list of a calling screen: its file, the entry rules, the new-entry dialog and the
// list dialog over the handed-over data.
class TestReportList : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestProgramFolder> m_folder;
    std::unique_ptr<MessageScript> m_messages;

    QString reports() const { return m_folder->file(QStringLiteral("Reports")); }
    QString listPath() const { return m_folder->file(QStringLiteral("Reports/出货单打印.dat")); }

private Q_SLOTS:
    void init()
    {
        m_folder = std::make_unique<TestProgramFolder>();
        m_folder->openDatabase();
        // The empty list as the build ships it.
        QVERIFY(QFile::copy(BuiltProgramFolder() + QStringLiteral("/Reports/EmptyRepFile.Dat"),
                            m_folder->file(QStringLiteral("Reports/EmptyRepFile.Dat"))));
        m_messages = std::make_unique<MessageScript>();
    }
    void cleanup()
    {
        FileDialogSeam::setHandler({});
        PrinterSetupSeam::setHandler({});
        arrToPrintDataSet.clear();
        arrToPrintDataSetAlias.clear();
        m_messages.reset();
        m_folder.reset();
    }

    void firstOpeningCopiesTheEmptyList()
    {
        QVERIFY(QFile::exists(m_folder->file(QStringLiteral("Reports/EmptyRepFile.Dat"))));
        QVERIFY(!QFile::exists(listPath()));
        const ReportList list(reports(), kFormName);
        QVERIFY(list.entries().isEmpty());
        QCOMPARE(listRows(listPath()), kHeaderLine);
        // Without the shipped file the list is written afresh.
        QVERIFY(QFile::remove(m_folder->file(QStringLiteral("Reports/EmptyRepFile.Dat"))));
        const ReportList other(reports(), QStringLiteral("进仓单打印"));
        QCOMPARE(listRows(m_folder->file(QStringLiteral("Reports/进仓单打印.dat"))), kHeaderLine);
    }

    // 新增 and 复制 both refuse a report name already listed (whatever its letter case); the
    // refusal leaves the file as it was.
    void namesAreUnique()
    {
        ReportList list(reports(), kFormName);
        QCOMPARE(list.add(entry(QStringLiteral("送货单A"), QStringLiteral("a.Rep"), QStringLiteral("说明"))), QString());
        QCOMPARE(list.add(entry(QStringLiteral("送货单a"), QStringLiteral("b.Rep"))), QStringLiteral("文件名称不能相同"));
        QCOMPARE(list.add(entry(QStringLiteral("  "), QStringLiteral("c.Rep"))), QStringLiteral("报表名称不能为空"));
        QCOMPARE(list.add(entry(QStringLiteral("甲"), QString())), QStringLiteral("报表文件名不能为空"));
        QCOMPARE(list.add(entry(QStringLiteral("乙"), QStringLiteral("../x.Rep"))), QStringLiteral("报表文件名不正确"));
        QCOMPARE(list.copy(0, entry(QStringLiteral("送货单A"), QStringLiteral("d.Rep"))), QStringLiteral("报表名称不能相同"));
        QCOMPARE(listRows(listPath()), kHeaderLine + QStringLiteral("\n1|送货单A|a.Rep|说明"));
        QCOMPARE(ReportList(reports(), kFormName).entries(), list.entries());
    }

    void copyCopiesTheDefinition()
    {
        ReportList list(reports(), kFormName);
        QCOMPARE(list.add(entry(QStringLiteral("一"), QStringLiteral("one.Rep"))), QString());
        QCOMPARE(list.copy(0, entry(QStringLiteral("二"), QStringLiteral("two.Rep"))), QStringLiteral("文件拷贝失败"));
        QCOMPARE(list.entries().size(), 1);

        SaveReportFile(list.definitionPath(0), EmptyReportDefinition({QStringLiteral("出货单")}));
        QFile target(m_folder->file(QStringLiteral("Reports/two.Rep")));
        QVERIFY(target.open(QIODevice::WriteOnly));
        target.write("old");
        target.close();
        QCOMPARE(list.copy(0, entry(QStringLiteral("二"), QStringLiteral("two.Rep"))), QString());
        QFile one(list.definitionPath(0));
        QVERIFY(one.open(QIODevice::ReadOnly));
        QVERIFY(target.open(QIODevice::ReadOnly));
        QCOMPARE(target.readAll(), one.readAll());
        QCOMPARE(list.entries().at(1), (ReportListEntry{2, QStringLiteral("二"), QStringLiteral("two.Rep"), QString()}));

        // A copy onto its own file keeps the file; both entries share it.
        QCOMPARE(list.copy(0, entry(QStringLiteral("三"), QStringLiteral("one.Rep"))), QString());
        QVERIFY(QFile::exists(list.definitionPath(0)));
        QCOMPARE(LoadReportFile(list.definitionPath(0)), EmptyReportDefinition({QStringLiteral("出货单")}));
    }

    // 删除 removes the entry and its file, but keeps a file another entry names; the last
    // deletion leaves an empty list file.
    void deleteKeepsSharedFilesAndTheListFile()
    {
        ReportList list(reports(), kFormName);
        SaveReportFile(m_folder->file(QStringLiteral("Reports/shared.Rep")), ReportDefinition());
        SaveReportFile(m_folder->file(QStringLiteral("Reports/own.Rep")), ReportDefinition());
        QCOMPARE(list.add(entry(QStringLiteral("一"), QStringLiteral("shared.Rep"))), QString());
        QCOMPARE(list.add(entry(QStringLiteral("二"), QStringLiteral("Shared.rep"))), QString());
        QCOMPARE(list.add(entry(QStringLiteral("三"), QStringLiteral("own.Rep"))), QString());

        list.remove(2);
        QVERIFY(!QFile::exists(m_folder->file(QStringLiteral("Reports/own.Rep"))));
        list.remove(0);
        QVERIFY(QFile::exists(m_folder->file(QStringLiteral("Reports/shared.Rep"))));
        list.remove(0);
        QVERIFY(!QFile::exists(m_folder->file(QStringLiteral("Reports/shared.Rep"))));
        QVERIFY(list.entries().isEmpty());
        QCOMPARE(listRows(listPath()), kHeaderLine);
    }

    void damagedListIsRefused()
    {
        QFile file(listPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("{\"format\":\"QuilletReportList\",\"version\":1,\"rows\":[[1,\"a\"]]}");
        file.close();
        QVERIFY_THROWS_EXCEPTION(ReportFileError, ReportList(reports(), kFormName));
    }

    void browseRules_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("fault");
        const QString outside = QStringLiteral("选择的文件应该是在\\REPORTS目录下");
        const QString notRep = QStringLiteral("选择的文件应该是.REP类型");
        QTest::newRow("in the folder") << "Reports/a.Rep" << "";
        QTest::newRow("folder in other case") << "REPORTS/a.rep" << "";
        QTest::newRow("extension in capitals") << "Reports/a.REP" << "";
        QTest::newRow("below the folder") << "Reports/sub/a.Rep" << outside;
        QTest::newRow("program folder") << "a.Rep" << outside;
        QTest::newRow("another extension") << "Reports/a.txt" << notRep;
        QTest::newRow("no extension") << "Reports/Rep" << notRep;
    }
    void browseRules()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, fault);
        QCOMPARE(BrowsedReportFileFault(m_folder->file(chosen), reports()), fault);
    }

    // The file name follows the typed name; browsing puts a valid choice in, refuses others;
    // 确定 needs a name.
    void newEntryDialog()
    {
        TNewRepEditForm form(kFormName, reports());
        QCOMPARE(form.windowTitle(), QStringLiteral("创建新报表"));
        QCOMPARE(form.size(), QSize(450, 171));
        form.show();
        form.ReportNameEdit->setFocus();
        QTest::keyClicks(form.ReportNameEdit, QStringLiteral("A1"));
        QCOMPARE(form.RepFileNameEdit->text(), QStringLiteral("出货单打印_A1.Rep"));

        QString chosen = m_folder->file(QStringLiteral("b.Rep"));
        FileDialogSeam::setHandler([&chosen](const FileDialogRequest &) { return chosen; });
        form.BrowseButton->click();
        QCOMPARE(m_messages->lastText(), QStringLiteral("选择的文件应该是在\\REPORTS目录下"));
        QCOMPARE(form.RepFileNameEdit->text(), QStringLiteral("出货单打印_A1.Rep"));
        chosen = m_folder->file(QStringLiteral("REPORTS/b.rep"));
        form.BrowseButton->click();
        QCOMPARE(form.entry().repFileName, QStringLiteral("b.rep"));

        form.ReportNameEdit->clear();
        form.accept();
        QCOMPARE(m_messages->lastText(), QStringLiteral("报表名称不能为空"));
        QVERIFY(form.isVisible());
        QCOMPARE(form.focusWidget(), form.ReportNameEdit);
    }

    // The dialog over the handed-over data: 新增 through the entry dialog, the names published
    // with the company data, nothing done without a current row.
    void listDialog()
    {
        auto *header = new DataSet(this);
        header->setSql(QStringLiteral("select * from 出货单"));
        header->open();
        sToPrintFormName = kFormName;
        arrToPrintDataSet = {header};
        arrToPrintDataSetAlias = {QStringLiteral("出货单")};
        TRepListForm form;
        QCOMPARE(form.windowTitle(), QStringLiteral("报表"));
        QCOMPARE(form.size(), QSize(457, 196));
        QCOMPARE(form.RepGrid->rowCount(), 0);
        QVERIFY(QFile::exists(listPath()));
        QCOMPARE(form.publishedData().aliases(), (QStringList{QStringLiteral("出货单"), QStringLiteral("公司资料")}));

        bool asked = false;
        PrinterSetupSeam::setHandler([&asked] { return asked = true; });
        form.printReport();
        form.design();
        form.deleteReport();
        QVERIFY(!asked);

        onNextModal<TNewRepEditForm>([](TNewRepEditForm *dialog) {
            for (const QChar ch : QStringLiteral("月报"))  // key clicks take ASCII only
                QTest::sendKeyEvent(QTest::Click, dialog->ReportNameEdit, Qt::Key_unknown, QString(ch), Qt::NoModifier);
            dialog->RemarkEdit->setText(QStringLiteral("每月"));
            dialog->accept();
        });
        form.newReport();
        QCOMPARE(form.RepGrid->rowCount(), 1);
        QCOMPARE(form.RepGrid->item(0, 1)->text(), QStringLiteral("出货单打印_月报.Rep"));
        QCOMPARE(form.currentIndex(), 0);

        // A missing definition opens an empty design, saved under the entry's file.
        onNextModal<TReportDesignerForm>([](TReportDesignerForm *designer) {
            QVERIFY(designer->definition().band(ReportBandKind::MasterData));
            QCOMPARE(designer->definition().band(ReportBandKind::MasterData)->dataSet, QStringLiteral("出货单"));
            designer->addItem(ReportItemKind::Text);
            QVERIFY(designer->save());
        });
        form.design();
        QCOMPARE(LoadReportFile(m_folder->file(QStringLiteral("Reports/出货单打印_月报.Rep")))
                     .band(ReportBandKind::ReportTitle)->items.size(),
                 1);

        // 打印 asks for the printer, then previews; the preview prints the pages as one document.
        int previews = 0;
        const QString pdf = m_folder->file(QStringLiteral("tmp/list.pdf"));
        const QPageLayout billPaper = CurrentPrinter().pageLayout();
        const bool billFullPage = CurrentPrinter().fullPage();
        onNextModal<TReportPreviewForm>([&previews, &pdf](TReportPreviewForm *preview) {
            ++previews;
            QCOMPARE(preview->pageCount(), 1);
            QPrinter &printer = CurrentPrinter();
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            QVERIFY(preview->print());
            printer.setOutputFileName(QString());
        });
        form.printReport();
        QVERIFY(asked);
        QCOMPARE(previews, 1);
        // Bill printing shares the printer: it gets its paper back.
        QVERIFY(CurrentPrinter().pageLayout().isEquivalentTo(billPaper));
        QCOMPARE(CurrentPrinter().fullPage(), billFullPage);
        QCOMPARE(PdfPageCount(pdf), 1);
        const QList<PdfWord> words = PdfWords(pdf);
        QCOMPARE(words.size(), 1);
        QCOMPARE(words.first().text, QStringLiteral("文本"));
        // The designer placed it 2 mm into the title, 1 mm down, inside 10 mm margins.
        QVERIFY(std::abs(words.first().mm.left() - 12.5) < 0.6);
    }
};

QTEST_MAIN(TestReportList)
#include "tst_reportlist.moc"
