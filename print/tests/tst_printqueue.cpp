#include "BuiltFolders.h"
#include "LoaderWindow.h"
#include "MessageScript.h"
#include "PdfWords.h"
#include "PrivateCupsServer.h"
#include "SqliteShell.h"
#include "TemporaryHome.h"
#include "TestProgramFolder.h"
#include "helpers/BillFormWindow.h"
#include "helpers/UserInput.h"

#include "bills/form/TEditNoteForm.h"
#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/globals/MenuIds.h"
#include "core/globals/PubDm.h"
#include "core/messages/RefNoParam.h"
#include "gui/dialogs/PrinterSetupSeam.h"
#include "gui/grid/DataGrid.h"
#include "gui/printfun/CurrentPrinter.h"
#include "mainwindow/TM1Form.h"

#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QImage>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QItemSelectionModel>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {

constexpr double kMmPerInch = 25.4;
constexpr double kPaperToleranceMm = 0.5;  // page sizes are written in whole points
constexpr double kPlaceToleranceMm = 0.8;
constexpr char kQueue[] = "QuilletQueue";

// A field the format prints and the text typed into it.
struct TypedField
{
    QString column;
    QString text;
    QRectF mm;  // the field on paper
};

// Money columns print in their display form ("32.00" for 32).
bool sameValue(const QString &printed, const QString &typed)
{
    bool printedNumber = false, typedNumber = false;
    const double a = printed.toDouble(&printedNumber), b = typed.toDouble(&typedNumber);
    return printed == typed || (printedNumber && typedNumber && a == b);
}

// For a person to look at, when QUILLET_SCREENSHOT_DIR names a folder.
void keepPrinted(const QString &pdf, const QString &name)
{
    const QString folder = qEnvironmentVariable("QUILLET_SCREENSHOT_DIR");
    if (!folder.isEmpty()) {
        QFile::remove(QDir(folder).filePath(name));
        QFile::copy(pdf, QDir(folder).filePath(name));
    }
}

bool samePaper(QSizeF page, QSizeF paper)
{
    return std::abs(page.width() - paper.width()) < kPaperToleranceMm && std::abs(page.height() - paper.height()) < kPaperToleranceMm;
}

QString sizeText(QSizeF mm)
{
    return QStringLiteral("%1 x %2 mm").arg(mm.width(), 0, 'f', 1).arg(mm.height(), 0, 'f', 1);
}

// The page as it stands on the sheet: its size after its rotation.
QSizeF uprightSize(const PdfInfoPage &page)
{
    return page.rotation % 180 == 0 ? page.mm : page.mm.transposed();
}

} // namespace

// 套打 as a clerk does it: the printer set-up dialog shows and is accepted as it is. Every
// shipped format then prints on its own paper, lying as the form lies, into a PDF file and on
// a real print queue (Debian's PDF printer under a print server of the test's own); the
// history's batch print goes the same way.
class TestPrintQueue : public QObject
{
    Q_OBJECT

private:
    TemporaryHome m_home;
    std::unique_ptr<PrivateCupsServer> m_server;
    std::unique_ptr<TestProgramFolder> m_folder;
    std::unique_ptr<MessageScript> m_messages;
    std::unique_ptr<TM1Form> m_window;
    QTemporaryDir m_output;
    QString m_noQueue;  // why the queue cannot be tried here

    QString stored(const QString &sql) const { return SqliteShellRows(m_folder->databasePath(), sql).join(QLatin1Char('\n')); }
    QString shown() const { return m_messages->texts().join(QLatin1Char('\n')); }

    // The format's paper: what its picture covers.
    QSizeF paperOf(const QString &refNo) const
    {
        const QImage picture(m_folder->file(QStringLiteral("images/") + stored(QStringLiteral("select ImgFile from p_NoteList where RefNo = '%1'").arg(refNo))));
        const double dpi = stored(QStringLiteral("select xDpi from p_NoteList where RefNo = '%1'").arg(refNo)).toDouble();
        return QSizeF(picture.width(), picture.height()) * kMmPerInch / dpi;
    }

    TEditNoteForm &openFormat(const QString &refNo)
    {
        m_window->OpenMenuForm(MenuId::BillForm, PackRefNoParam(refNo.toLongLong()));
        if (TEditNoteForm *form = OpenBillForm(*m_window))
            return *form;
        qFatal("the bill form did not open: %s", qPrintable(shown()));
    }

    // A new bill of the open format with a number in every printed text box and an amount,
    // saved; what was typed and where the format prints it.
    QList<TypedField> typeAndSave(TEditNoteForm &form, const QString &refNo)
    {
        QList<TypedField> typed;
        form.BtnNew->click();
        const double dpi = stored(QStringLiteral("select xDpi from p_NoteList where RefNo = '%1'").arg(refNo)).toDouble();
        const QStringList rows = SqliteShellRows(m_folder->databasePath(), QStringLiteral(
            "select DbFieldName, FieldEditType, Ctlx, CtlY, CtlW, CtlH from p_NoteCntlList where RefNo = '%1' and ParentId = 0"
            " and NeedPrint = '是' and Ctlx is not null and FieldEditType in ('编辑器', '小写金额') order by autoid").arg(refNo));
        int next = 11;
        for (const QString &row : rows) {
            const QStringList f = row.split(QLatin1Char('|'));
            const bool amount = f.at(1) == QStringLiteral("小写金额");
            const QString text = amount ? QStringLiteral("1234.5") : QString::number(next++);
            form.header()->fieldByName(f.at(0))->setValue(text);
            const auto mm = [dpi](const QString &px) { return px.toInt() * kMmPerInch / dpi; };
            if (!amount)
                typed.append({f.at(0), text, QRectF(mm(f.at(2)), mm(f.at(3)), mm(f.at(4)), mm(f.at(5)))});
        }
        form.BtnSave->click();
        if (form.header()->isEditing())
            qFatal("the bill was not saved: %s", qPrintable(shown()));
        return typed;
    }

    void printToFile(TEditNoteForm &form, const QString &pdf)
    {
        QPrinter &printer = CurrentPrinter();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        form.BtnPrint->click();
    }

    void useQueue()
    {
        QPrinter &printer = CurrentPrinter();
        printer.setOutputFileName(QString());
        printer.setOutputFormat(QPrinter::NativeFormat);
        printer.setPrinterName(QLatin1String(kQueue));
    }

    // The media of the queue's last page in millimetres, from its page log ("... Custom.240x80mm
    // ..." or "Custom.9.45x3.15in").
    QSizeF lastMedia() const
    {
        static const QRegularExpression custom(QStringLiteral("\\bCustom\\.([\\d.]+)x([\\d.]+)(mm|in)\\b"));
        const QRegularExpressionMatch m = custom.match(m_server->pageLog().value(m_server->pageLog().size() - 1));
        if (!m.hasMatch())
            return {};
        const double unit = m.captured(3) == QStringLiteral("in") ? kMmPerInch : 1.0;
        return QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()) * unit;
    }

    static QString wordsText(const QList<PdfWord> &words)
    {
        QStringList all;
        for (const PdfWord &word : words)
            all.append(QStringLiteral("%1@%2,%3").arg(word.text).arg(word.mm.left(), 0, 'f', 1).arg(word.mm.top(), 0, 'f', 1));
        return all.join(QLatin1Char(' '));
    }

private Q_SLOTS:
    void initTestCase()
    {
        // Before anything looks for a printer: the clients of this process use the test's server.
        m_server = std::make_unique<PrivateCupsServer>(QLatin1String(kQueue));
        if (m_server->start()) {
            qputenv("CUPS_SERVER", QFile::encodeName(m_server->socketPath()));
        } else {
            m_noQueue = QStringLiteral("no print server of the test's own here: ") + m_server->whyNot();
            qWarning("%s", qPrintable(m_noQueue));
            m_server.reset();
        }
    }
    void cleanupTestCase()
    {
        m_server.reset();
    }

    void init()
    {
        m_folder = std::make_unique<TestProgramFolder>();
        const QDir shipped(BuiltProgramFolder() + QStringLiteral("/images"));
        for (const QString &file : shipped.entryList(QDir::Files))
            QFile::copy(shipped.filePath(file), m_folder->file(QStringLiteral("images/") + file));
        m_folder->openDatabase();
        m_messages = std::make_unique<MessageScript>();
        sCurUserId = QStringLiteral("admin");
        m_window = std::make_unique<TM1Form>();
        ShowLoaderWindow(*m_window);
        m_messages->clear();
        PrinterSetupSeam::setAnswer(PrinterSetupSeam::acceptAsShown);
    }
    void cleanup()
    {
        PrinterSetupSeam::setAnswer({});
        if (TEditNoteForm *form = m_window ? OpenBillForm(*m_window) : nullptr; form && form->header()->isEditing())
            form->header()->cancel();
        m_window.reset();
        QPrinter &printer = CurrentPrinter();
        printer.setOutputFileName(QString());
        printer.setOutputFormat(QPrinter::NativeFormat);
        m_messages.reset();
        m_folder.reset();
        iCurOpenAutoid = 0;
        arrBatchPrintid.clear();
    }

    void everyShippedFormatOnItsPaper_data()
    {
        QTest::addColumn<QString>("refNo");
        for (const char *refNo : {"1001", "1002", "1003", "1004", "1005", "1006", "1007", "1008"})
            QTest::newRow(refNo) << QString::fromLatin1(refNo);
    }
    void everyShippedFormatOnItsPaper()
    {
        QFETCH(QString, refNo);
        TEditNoteForm &form = openFormat(refNo);
        const QList<TypedField> typed = typeAndSave(form, refNo);
        QVERIFY(!typed.isEmpty());
        const QSizeF paper = paperOf(refNo);

        // To a file: one page of the format's paper, every typed value at its field.
        const QString pdf = m_output.filePath(refNo + QStringLiteral(".pdf"));
        printToFile(form, pdf);
        QVERIFY2(m_messages->shown().isEmpty(), qPrintable(shown()));
        QVERIFY(QFile::exists(pdf));
        const QList<PdfInfoPage> filePages = PdfInfoPages(pdf);
        QCOMPARE(filePages.size(), 1);
        QCOMPARE(filePages.first().rotation, 0);
        QVERIFY2(samePaper(filePages.first().mm, paper), qPrintable(sizeText(filePages.first().mm) + QStringLiteral(" for ") + sizeText(paper)));
        const QList<PdfWord> fileWords = PdfWords(pdf);
        for (const TypedField &field : typed) {
            bool found = false;
            for (const PdfWord &word : fileWords)
                found |= sameValue(word.text, field.text)
                         && field.mm.adjusted(-kPlaceToleranceMm, -kPlaceToleranceMm, kPlaceToleranceMm, kPlaceToleranceMm).contains(word.mm.center());
            QVERIFY2(found, qPrintable(field.column + QLatin1Char(' ') + field.text + QStringLiteral(": ") + wordsText(fileWords)));
        }

        // On the queue: the same paper as a custom size, upright, the same texts at the same places.
        if (!m_server)
            QSKIP(qPrintable(m_noQueue));
        const int before = m_server->waitForOutput(0).size();
        useQueue();
        form.BtnPrint->click();
        QVERIFY2(m_messages->shown().isEmpty(), qPrintable(shown()));
        const QStringList written = m_server->waitForOutput(before + 1);
        QVERIFY2(written.size() == before + 1, qPrintable(m_server->logs()));
        const QString queued = written.last();
        keepPrinted(pdf, QStringLiteral("file-%1.pdf").arg(refNo));
        keepPrinted(queued, QStringLiteral("queue-%1.pdf").arg(refNo));
        // The queue was asked for the format's paper by its size, as the form lies.
        const QSizeF media = lastMedia();
        QVERIFY2(samePaper(media, paper), qPrintable(m_server->pageLog().join(QLatin1Char('\n'))));
        const QList<PdfInfoPage> queuePages = PdfInfoPages(queued);
        QCOMPARE(queuePages.size(), 1);
        QVERIFY2(samePaper(uprightSize(queuePages.first()), paper),
                 qPrintable(sizeText(queuePages.first().mm) + QStringLiteral(" turned %1 for ").arg(queuePages.first().rotation) + sizeText(paper)));
        const QList<PdfWord> queueWords = PdfWords(queued);
        QCOMPARE(queueWords.size(), fileWords.size());
        for (const PdfWord &word : fileWords) {
            bool found = false;
            for (const PdfWord &queuedWord : queueWords) {
                // A text wider than its box is clipped there; the queue's renderer drops the
                // glyphs outside the box, a file keeps them in its text.
                const bool clipped = !queuedWord.text.isEmpty() && word.text.contains(queuedWord.text) && queuedWord.mm.intersects(word.mm);
                found |= (queuedWord.text == word.text && (queuedWord.mm.center() - word.mm.center()).manhattanLength() < kPlaceToleranceMm)
                         || clipped;
            }
            QVERIFY2(found, qPrintable(wordsText({word}) + QStringLiteral(" not on the queue's page: ") + wordsText(queueWords)));
        }
    }

    // The dialog's paper page shows the format's paper; what the user keeps there prints, and
    // another paper chosen there prints too.
    void paperPageShowsAndKeepsTheChoice_data()
    {
        QTest::addColumn<bool>("chooseA4");
        QTest::newRow("kept") << false;
        QTest::newRow("A4 landscape chosen") << true;
    }
    void paperPageShowsAndKeepsTheChoice()
    {
        QFETCH(bool, chooseA4);
        const QString refNo = QStringLiteral("1001");
        TEditNoteForm &form = openFormat(refNo);
        typeAndSave(form, refNo);
        const QSizeF paper = paperOf(refNo);
        QString shownSize;
        QSizeF shownMm;
        PrinterSetupSeam::setAnswer([&](QPrintDialog &dialog) {
            // The paper page, once its own event loop shows it.
            QTimer poll;
            poll.setInterval(10);
            connect(&poll, &QTimer::timeout, &dialog, [&] {
                QDialog *page = nullptr;
                for (QDialog *child : dialog.findChildren<QDialog *>())
                    if (QLatin1String(child->metaObject()->className()) == QLatin1String("QPrintPropertiesDialog") && child->isVisible())
                        page = child;
                if (!page)
                    return;
                poll.stop();
                auto *sizes = page->findChild<QComboBox *>(QStringLiteral("pageSizeCombo"));
                auto *width = page->findChild<QDoubleSpinBox *>(QStringLiteral("pageWidth"));
                auto *height = page->findChild<QDoubleSpinBox *>(QStringLiteral("pageHeight"));
                if (sizes && width && height) {
                    shownSize = sizes->currentText();
                    shownMm = QSizeF(width->value(), height->value());
                    if (chooseA4) {
                        sizes->setCurrentIndex(sizes->findData(QVariant::fromValue(QPageSize(QPageSize::A4))));
                        page->findChild<QRadioButton *>(QStringLiteral("landscape"))->click();
                    }
                }
                page->accept();
            });
            poll.start();
            dialog.findChild<QPushButton *>(QStringLiteral("properties"))->click();
            PrinterSetupSeam::acceptAsShown(dialog);
        });
        // A new file: the dialog would ask before it overwrites one.
        const QString pdf = m_output.filePath(QStringLiteral("chosen-%1.pdf").arg(chooseA4));
        printToFile(form, pdf);
        QVERIFY2(m_messages->shown().isEmpty(), qPrintable(shown()));
        QVERIFY2(samePaper(shownMm, paper), qPrintable(shownSize + QLatin1Char(' ') + sizeText(shownMm)));
        const QList<PdfInfoPage> pages = PdfInfoPages(pdf);
        QCOMPARE(pages.size(), 1);
        QVERIFY2(samePaper(uprightSize(pages.first()), chooseA4 ? QSizeF(297, 210) : paper), qPrintable(sizeText(uprightSize(pages.first()))));
    }

    // The history's batch: the format's paper before its dialog, kept when the dialog is accepted
    // as it shows, whatever paper the printer had from before; one page per bill.
    void historyBatchOnTheFormatsPaper_data()
    {
        QTest::addColumn<bool>("queue");
        QTest::newRow("file") << false;
        QTest::newRow("queue") << true;
    }
    void historyBatchOnTheFormatsPaper()
    {
        QFETCH(bool, queue);
        if (queue && !m_server)
            QSKIP(qPrintable(m_noQueue));
        const QString refNo = QStringLiteral("1001");
        for (int bill = 0; bill < 2; ++bill) {
            TEditNoteForm &form = openFormat(refNo);
            typeAndSave(form, refNo);
        }
        QPointer<QWidget> closed = OpenBillForm(*m_window)->parentWidget();
        QVERIFY(closed->close());
        QTRY_VERIFY(!closed);

        const QString pdf = m_output.filePath(QStringLiteral("batch.pdf"));
        QPrinter &printer = CurrentPrinter();
        printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10)));
        const int before = queue ? int(m_server->waitForOutput(0).size()) : 0;
        if (queue) {
            useQueue();
        } else {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
        }
        m_window->OpenMenuForm(20055, PackRefNoParam(refNo.toLongLong()));
        QMdiSubWindow *history = m_window->mdiArea()->activeSubWindow();
        QVERIFY(history);
        auto *grid = history->widget()->findChild<DataGrid *>(QStringLiteral("DBGrid1"));
        QVERIFY(grid);
        QCOMPARE(grid->model()->rowCount(), 2);
        for (int row = 0; row < 2; ++row)
            grid->selectionModel()->select(grid->model()->index(row, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
        QVERIFY(ClickButton(history->widget()->findChild<QPushButton *>(QStringLiteral("PrintButton"))));
        QVERIFY2(m_messages->shown().isEmpty(), qPrintable(shown()));

        QString printed = pdf;
        if (queue) {
            const QStringList written = m_server->waitForOutput(before + 1);
            QVERIFY2(written.size() == before + 1, qPrintable(m_server->logs()));
            printed = written.last();
            QVERIFY2(samePaper(lastMedia(), paperOf(refNo)), qPrintable(m_server->pageLog().join(QLatin1Char('\n'))));
        }
        const QList<PdfInfoPage> pages = PdfInfoPages(printed);
        QCOMPARE(pages.size(), 2);
        for (const PdfInfoPage &page : pages)
            QVERIFY2(samePaper(uprightSize(page), paperOf(refNo)), qPrintable(sizeText(page.mm)));
    }

    // The preview's own 打印 prints at once, on the format's paper.
    void previewPrintsOnTheFormatsPaper()
    {
        const QString refNo = QStringLiteral("1007");
        TEditNoteForm &form = openFormat(refNo);
        typeAndSave(form, refNo);
        const QString pdf = m_output.filePath(QStringLiteral("preview.pdf"));
        QPrinter &printer = CurrentPrinter();
        printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10)));
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        form.PreviewFlatButton->click();
        QWidget *preview = nullptr;
        for (QWidget *top : QApplication::topLevelWidgets())
            if (QLatin1String(top->metaObject()->className()) == QLatin1String("TPreviewForm") && top->isVisible())
                preview = top;
        if (!preview)
            for (QWidget *child : form.findChildren<QWidget *>())
                if (QLatin1String(child->metaObject()->className()) == QLatin1String("TPreviewForm") && child->isVisible())
                    preview = child;
        QVERIFY(preview);
        QPushButton *print = nullptr;
        for (QPushButton *button : preview->findChildren<QPushButton *>())
            if (button->text() == QStringLiteral("打印"))
                print = button;
        QVERIFY(ClickButton(print));
        QVERIFY2(m_messages->shown().isEmpty(), qPrintable(shown()));
        const QList<PdfInfoPage> pages = PdfInfoPages(pdf);
        QCOMPARE(pages.size(), 1);
        QCOMPARE(pages.first().rotation, 0);
        QVERIFY2(samePaper(pages.first().mm, paperOf(refNo)), qPrintable(sizeText(pages.first().mm)));
    }
};

QTEST_MAIN(TestPrintQueue)
#include "tst_printqueue.moc"
