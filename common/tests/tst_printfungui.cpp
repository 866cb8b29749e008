#include "MessageScript.h"
#include "TestProgramFolder.h"

#include "core/globals/PubDm.h"
#include "core/printfun/ProgramSubDir.h"
#include "core/template/TemplateStore.h"
#include "gui/desktop/DesktopOpener.h"
#include "gui/printfun/CurrentPrinter.h"
#include "gui/printfun/InstalledPrinters.h"
#include "gui/printfun/OpenWebUrl.h"
#include "gui/printfun/TSelBatPrintForm.h"
#include "gui/printfun/TSelPrinterForm.h"

#include <QComboBox>
#include <QListWidget>
#include <QPrinter>
#include <QTimer>
#include <QtTest>

// Printer resolution, opening pages, program folders and the two printer-choice dialogs.
class TestPrintfunGui : public QObject
{
    Q_OBJECT

private:
    void addTemplate(const QString &name, const QString &category)
    {
        TemplateDocument document = NewTemplateDocument(CurAdo, QStringLiteral("admin"), QDate(2024, 1, 2));
        document.note.noteName = name;
        document.note.noteNameType = category;
        SaveTemplate(CurAdo, document);
    }

    // Runs `answer` on the dialog that the next modal loop shows.
    template<typename Form>
    void whenShown(std::function<void(Form *)> answer)
    {
        QTimer::singleShot(0, this, [answer] {
            auto *form = qobject_cast<Form *>(QApplication::activeModalWidget());
            QVERIFY(form);
            answer(form);
        });
    }

private Q_SLOTS:
    void resolutionComesFromTheCurrentPrinter()
    {
        QVERIFY(HPointsPerInch() > 0);
        CurrentPrinter().setResolution(300);
        QCOMPARE(HPointsPerInch(), 300);
        QCOMPARE(VPointsPerInch(), 300);
    }

    void webPageGoesToTheDesktop()
    {
        QList<QUrl> opened;
        DesktopOpener::setHandler([&](const QUrl &url) {
            opened << url;
            return true;
        });
        QVERIFY(OpenWebUrl(QStringLiteral("http://quillet.example/cs.aspx")));
        QVERIFY(OpenWebUrl(QStringLiteral("quillet.example/cs_file.aspx")));
        DesktopOpener::setHandler({});
        QCOMPARE(opened, (QList<QUrl>{QUrl(QStringLiteral("http://quillet.example/cs.aspx")),
                                      QUrl(QStringLiteral("http://quillet.example/cs_file.aspx"))}));
    }

    void programSubDirIsMadeWithItsParents()
    {
        TestProgramFolder folder;
        const QString path = CreateProgSubDir(QStringLiteral("download/pkg"));
        QCOMPARE(path, folder.path() + QStringLiteral("download/pkg"));
        QVERIFY(QFileInfo(path).isDir());
        QCOMPARE(CreateProgSubDir(QStringLiteral("download/pkg")), path);
    }

    void printerChoiceNeedsASelection()
    {
        MessageScript script;
        TSelPrinterForm form({QStringLiteral("前台"), QStringLiteral("财务")}, QStringLiteral("财务"));
        QCOMPARE(form.windowTitle(), QStringLiteral("选择打印机"));
        QCOMPARE(form.selectedPrinter(), QStringLiteral("财务"));
        form.printerList()->clearSelection();
        form.accept();
        QCOMPARE(script.texts(), QStringList{QStringLiteral("要选中打印机")});
        QCOMPARE(form.result(), int(QDialog::Rejected));
        form.printerList()->setCurrentRow(0);
        form.accept();
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(form.selectedPrinter(), QStringLiteral("前台"));
    }

    void selectPrinterReturnsTheChoiceOrNothing()
    {
        whenShown<TSelPrinterForm>([](TSelPrinterForm *form) { form->reject(); });
        QCOMPARE(SelectPrinter(QString()), QString());
    }

    void batchChoiceRefusesEmptyValues()
    {
        MessageScript script;
        TSelBatPrintForm form({QStringLiteral("工行"), QStringLiteral("农行")}, QStringLiteral("农行"),
                              {QStringLiteral("前台")}, QString());
        QCOMPARE(form.windowTitle(), QStringLiteral("选择打印"));
        QCOMPARE(form.formatBox()->currentText(), QStringLiteral("农行"));
        form.accept();
        form.formatBox()->setCurrentIndex(-1);
        form.printerBox()->setCurrentIndex(0);
        form.accept();
        QCOMPARE(script.texts(), (QStringList{QStringLiteral("打印机不能为空"), QStringLiteral("打印格式不能为空")}));
        QCOMPARE(form.result(), int(QDialog::Rejected));
        form.formatBox()->setCurrentIndex(0);
        form.accept();
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(form.choice(), QStringLiteral("工行;前台"));
    }

    void batchChoiceOfTheCategory()
    {
        TestProgramFolder folder;
        folder.openDatabase();
        folder.removeShippedFormats();
        addTemplate(QStringLiteral("单一"), QStringLiteral("独"));
        addTemplate(QStringLiteral("工行"), QStringLiteral("支票"));
        addTemplate(QStringLiteral("农行"), QStringLiteral("支票"));

        // The only format of its category with a printer: no dialog.
        QCOMPARE(GetBatchPrt(CurAdo, QStringLiteral("单一"), QStringLiteral("前台")), QStringLiteral("单一;前台"));

        QStringList offered;
        QString preselected;
        whenShown<TSelBatPrintForm>([&](TSelBatPrintForm *form) {
            for (int i = 0; i < form->formatBox()->count(); ++i)
                offered << form->formatBox()->itemText(i);
            preselected = form->formatBox()->currentText();
            form->reject();
        });
        QCOMPARE(GetBatchPrt(CurAdo, QStringLiteral("农行"), QStringLiteral("前台")), QString());
        QCOMPARE(offered, (QStringList{QStringLiteral("工行"), QStringLiteral("农行")}));
        QCOMPARE(preselected, QStringLiteral("农行"));

        if (InstalledPrinters().isEmpty())
            return; // accepting needs a printer to choose
        whenShown<TSelBatPrintForm>([](TSelBatPrintForm *form) {
            form->printerBox()->setCurrentIndex(0);
            form->accept();
        });
        QCOMPARE(GetBatchPrt(CurAdo, QStringLiteral("工行"), QString()),
                 QStringLiteral("工行;") + InstalledPrinters().first());
    }
};

QTEST_MAIN(TestPrintfunGui)
#include "tst_printfungui.moc"
