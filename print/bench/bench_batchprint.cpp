// A batch print of many cheques to a PDF, asked of the bill form as the history query asks it
// ("OpenRefNo" with iCurOpenAutoid 1), against raw QPainter on QPdfWriter drawing the same
// texts at the same places in the same fonts. Argument: number of cheques.
#include "BenchSupport.h"

#include "bills/form/BillFormData.h"
#include "bills/form/TEditNoteForm.h"
#include "bills/printing/BillLayout.h"
#include "bills/printing/FormatPaper.h"
#include "bills/printing/PaperLayout.h"
#include "bills/printing/PaperScale.h"
#include "bills/printing/PrintItemPainter.h"
#include "bills/printing/PrintTemplate.h"
#include "core/dataset/DataSet.h"
#include "core/globals/PubDm.h"
#include "core/messages/MessageNames.h"
#include "core/messages/RefNoParam.h"
#include "core/messages/WindowHandles.h"
#include "core/messages/WindowMessages.h"
#include "gui/printfun/CurrentPrinter.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

#include <map>
#include <memory>
#include <vector>

namespace {

const qint64 kChequeRefNo = 1001;
const QString kChequeFormat = QStringLiteral("支票");

// A program folder of its own: the pictures of the build and a copy of the cheque database.
QString programFolder(int cheques)
{
    const QString folder = QStringLiteral("/tmp/quillet-bench-batchprint-%1").arg(cheques);
    const QString shipped = QFileInfo(bench::shippedDatabase()).dir().filePath(QStringLiteral("../images/cheque.jpg"));
    QDir().mkpath(folder + QStringLiteral("/data"));
    QDir().mkpath(folder + QStringLiteral("/images"));
    QFile::remove(folder + QStringLiteral("/images/cheque.jpg"));
    QFile::remove(folder + QStringLiteral("/data/data.db"));
    if (!QFile::copy(shipped, folder + QStringLiteral("/images/cheque.jpg"))
        || !QFile::copy(bench::chequeDatabase(cheques), folder + QStringLiteral("/data/data.db")))
        bench::fail(QStringLiteral("cannot make the program folder %1").arg(folder));
    return folder;
}

QList<qint64> billIds(int cheques)
{
    QList<qint64> ids;
    for (qint64 id = 1; id <= cheques; ++id)
        ids.append(id);
    return ids;
}

QString pdfPath(const char *who)
{
    return QStringLiteral("/tmp/quillet-bench-batchprint-%1.pdf").arg(QLatin1String(who));
}

// The bill form of the cheque format, opened once as the history query finds it open.
class ChequeBatch
{
public:
    explicit ChequeBatch(int cheques)
    {
        const QString folder = programFolder(cheques);
        qputenv("QUILLET_HOME", folder.toUtf8());
        bench::openCurAdo(folder + QStringLiteral("/data/data.db"));
        sCurUserId = QStringLiteral("admin");
        m_form = std::make_unique<TEditNoteForm>();
        openRefNo();
        m_ids = billIds(cheques);
    }

    void printBatch(const QString &pdf)
    {
        QPrinter &printer = CurrentPrinter();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        arrBatchPrintid = m_ids;
        iCurOpenAutoid = 1;
        openRefNo();
        if (iCurOpenAutoid != 0)
            bench::fail(QStringLiteral("the batch was not printed"));
    }

    // The texts of every page as the bill form lays them out on the printer, for the baseline.
    struct Page
    {
        QList<PrintItem> items;
    };
    std::vector<Page> pages() const
    {
        const PrintTemplate tpl = LoadPrintTemplate(CurAdo, kChequeFormat);
        QPrinter &printer = CurrentPrinter();
        ApplyFormatPaper(printer, StoredPaperInches(tpl));
        const PaperTarget target{printer.logicalDpiX(), printer.logicalDpiY(),
                                 QPointF(tpl.note().xMove.value, tpl.note().yMove.value)};
        DataSet bills;
        std::vector<Page> pages;
        for (qint64 id : m_ids) {
            bills.close();
            bills.setSql(BillFormData::billStatement(m_form->format().dataTableName), {id});
            bills.open();
            BillData bill;
            bill.header = &bills;
            pages.push_back({PaperPrintItems(tpl, bill, target)});
        }
        return pages;
    }

    int pageCount() const { return int(m_ids.size()); }

private:
    void openRefNo()
    {
        SendMessage(HandleOf(m_form.get()), RegisterWindowMessage(MsgOpenRefNo), 0, PackRefNoParam(kChequeRefNo));
    }

    std::unique_ptr<TEditNoteForm> m_form;
    QList<qint64> m_ids;
};

// The forms go before the application does.
std::map<int, std::unique_ptr<ChequeBatch>> batches;

ChequeBatch &batchOf(int cheques)
{
    std::unique_ptr<ChequeBatch> &batch = batches[cheques];
    if (!batch)
        batch = std::make_unique<ChequeBatch>(cheques);
    return *batch;
}

void BM_BillFormBatchPrint(benchmark::State &state)
{
    ChequeBatch &batch = batchOf(int(state.range(0)));
    double megabytes = 0;
    for (auto _ : state) {
        const bench::PeakMemory peak;
        batch.printBatch(pdfPath("form"));
        megabytes += peak.megabytes();
    }
    state.counters["pages"] = batch.pageCount();
    bench::reportMemory(state, megabytes);
}

// What is left when nothing but drawing is done: the texts laid out beforehand, each font
// made once, one QPainter on one QPdfWriter of the same paper and resolution.
void BM_RawPainterBatch(benchmark::State &state)
{
    ChequeBatch &batch = batchOf(int(state.range(0)));
    const std::vector<ChequeBatch::Page> laidOut = batch.pages();
    struct Text
    {
        QString text;
        QRect rect;
        int font;
        int flags;
    };
    QList<QFont> fonts;
    std::vector<std::vector<Text>> pages;
    for (const ChequeBatch::Page &page : laidOut) {
        std::vector<Text> texts;
        for (const PrintItem &item : page.items) {
            qsizetype font = fonts.indexOf(item.font);
            if (font < 0) {
                fonts.append(item.font);
                font = fonts.size() - 1;
            }
            texts.push_back({item.text, item.rect, int(font), QtTextFlags(item.flags)});
        }
        pages.push_back(std::move(texts));
    }
    const QPrinter &printer = CurrentPrinter();
    double megabytes = 0;
    for (auto _ : state) {
        const bench::PeakMemory peak;
        QPdfWriter writer(pdfPath("raw"));
        writer.setResolution(printer.resolution());
        writer.setPageLayout(printer.pageLayout());
        QPainter painter(&writer);
        for (std::size_t page = 0; page < pages.size(); ++page) {
            if (page > 0)
                writer.newPage();
            for (const Text &text : pages[page]) {
                painter.setFont(fonts.at(text.font));
                painter.drawText(text.rect, text.flags, text.text);
            }
        }
        painter.end();
        megabytes += peak.megabytes();
    }
    state.counters["pages"] = batch.pageCount();
    bench::reportMemory(state, megabytes);
}

} // namespace

BENCHMARK(BM_BillFormBatchPrint)->Arg(1000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_RawPainterBatch)->Arg(1000)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    batches.clear();
    return 0;
}
