// A batch print of 1000 cheques to a PDF, asked of the bill form as the history query asks it
// ("OpenRefNo" with iCurOpenAutoid 1): every bill read, laid out and drawn. Against a plain
// QPdfWriter program that reads each bill's row with one prepared SELECT and lays out and draws
// the same texts at the same places in the same fonts. Paired rounds, ratio and peak memory.
#include "BenchSupport.h"

#include "bills/form/BillFormData.h"
#include "bills/form/TEditNoteForm.h"
#include "bills/printing/BillLayout.h"
#include "bills/printing/FormatPaper.h"
#include "bills/printing/PaperLayout.h"
#include "bills/printing/PaperScale.h"
#include "bills/printing/PrintBoxes.h"
#include "bills/printing/PrintItemPainter.h"
#include "bills/printing/PrintTemplate.h"
#include "core/dataset/DataSet.h"
#include "core/globals/PubDm.h"
#include "core/messages/MessageNames.h"
#include "core/messages/RefNoParam.h"
#include "core/messages/WindowHandles.h"
#include "core/messages/WindowMessages.h"
#include "core/printfun/Alignment.h"
#include "core/printfun/FontInfo.h"
#include "gui/printfun/CurrentPrinter.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSet>
#include <QSqlQuery>
#include <QSqlRecord>

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

    // The history's batch request: the bills read, laid out and drawn into the PDF.
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

    // The texts of one bill as the bill form lays them out on the printer.
    QList<PrintItem> formItems(qint64 id) const
    {
        const PrintTemplate tpl = LoadPrintTemplate(CurAdo, kChequeFormat);
        QPrinter &printer = CurrentPrinter();
        ApplyFormatPaper(printer, StoredPaperInches(tpl));
        DataSet bills;
        bills.setSql(BillFormData::billStatement(m_form->format().dataTableName), {id});
        bills.open();
        BillData bill;
        bill.header = &bills;
        return PaperPrintItems(tpl, bill, target(tpl));
    }

    static PaperTarget target(const PrintTemplate &tpl)
    {
        const QPrinter &printer = CurrentPrinter();
        return {printer.logicalDpiX(), printer.logicalDpiY(), QPointF(tpl.note().xMove.value, tpl.note().yMove.value)};
    }

    const QList<qint64> &ids() const { return m_ids; }
    QString table() const { return m_form->format().dataTableName; }

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

// A plain program printing the same cheques: the printed fields' places, fonts and kinds known
// beforehand (as a program written for this one format has them), and for each bill its row
// read with one prepared SELECT, its texts and boxes laid out and drawn, one QPainter on one
// QPdfWriter of the same paper and resolution.
class PlainChequePrinter
{
public:
    explicit PlainChequePrinter(ChequeBatch &batch) : m_batch(batch)
    {
        const PrintTemplate tpl = LoadPrintTemplate(CurAdo, kChequeFormat);
        m_scale = std::make_unique<PaperScale>(PaperScaleFor(tpl, ChequeBatch::target(tpl)));
        QSqlQuery columns(CurAdo);
        columns.exec(QStringLiteral("select * from \"%1\" where 0").arg(batch.table()));
        const QSqlRecord record = columns.record();
        QSqlQuery types(CurAdo);
        types.exec(QStringLiteral("select name from pragma_table_info('%1') where lower(type) = 'money'").arg(batch.table()));
        while (types.next())
            m_moneyColumns.insert(types.value(0).toString());
        for (const TemplateField &field : tpl.document.placedFields(0)) {
            if (!field.needPrint || field.parentId != 0 || field.column().isEmpty())
                continue;
            if (!field.textForm.trimmed().isEmpty() || field.isGrid())
                bench::fail(QStringLiteral("the plain printer knows no text forms or grids"));
            Field plain;
            plain.column = record.indexOf(field.column());
            if (plain.column < 0)
                bench::fail(QStringLiteral("no column %1").arg(field.column()));
            // Money columns print with two decimals.
            plain.money = m_moneyColumns.contains(field.column());
            plain.kind = field.kind;
            plain.rect = field.rect.toRect();
            plain.digits = field.digitalCount.value_or(0);
            plain.font = field.font ? field.font->toFont() : *DecodeFontInfo(DefaultFontInfo());
            plain.flags = QtTextFlags(GetAlignIntValueByStr(field.xAlign, field.yAlign));
            m_fields.push_back(plain);
        }
    }

    // Draws the bills; with `texts`, also gives the texts of the first bill.
    void print(const QString &pdf, QList<PrintItem> *texts = nullptr) const
    {
        const QPrinter &printer = CurrentPrinter();
        QPdfWriter writer(pdf);
        writer.setResolution(printer.resolution());
        writer.setPageLayout(printer.pageLayout());
        QPainter painter(&writer);
        painter.setPen(Qt::black);
        QSqlQuery row(CurAdo);
        row.setForwardOnly(true);
        row.prepare(QStringLiteral("select * from \"%1\" where id = ?").arg(m_batch.table()));
        bool first = true;
        for (qint64 id : m_batch.ids()) {
            if (!first)
                writer.newPage();
            row.bindValue(0, id);
            if (!row.exec() || !row.next())
                bench::fail(QStringLiteral("bill %1 not read").arg(id));
            for (const Field &field : m_fields) {
                const QVariant value = row.value(field.column);
                auto draw = [&](const QString &text, const QRect &rect, int flags) {
                    if (text.isEmpty())
                        return;
                    const QRect device = m_scale->toDevice(rect);
                    painter.setFont(field.font);
                    painter.drawText(device, flags, text);
                    if (first && texts)
                        texts->append({text, device, field.font, flags});
                };
                const int boxTop = field.rect.y() + (field.rect.height() - field.font.pointSize()) / 2;
                if (field.kind == ekAmount || field.kind == ekSpacedString) {
                    const QList<PrintBox> boxes = field.kind == ekAmount
                        ? DigitBoxes(Currency::fromDouble(value.toDouble()), field.rect.width(), field.digits)
                        : SpacedBoxes(value.toString().trimmed(), field.rect.width(), field.digits);
                    for (const PrintBox &box : boxes)
                        draw(box.text, QRect(field.rect.x() + box.x, boxTop, box.width, field.rect.height()),
                             QtTextFlags(DT_CENTER + DT_VCENTER));
                } else {
                    draw(field.money && !value.isNull() ? QString::number(value.toDouble(), 'f', 2) : value.toString().trimmed(),
                         field.rect, field.flags);
                }
            }
            first = false;
        }
        painter.end();
    }

private:
    struct Field
    {
        int column = 0;
        bool money = false;
        EditKindIndex kind = ekTextDisplay;
        QRect rect;
        int digits = 0;
        QFont font;
        int flags = 0;
    };

    ChequeBatch &m_batch;
    QSet<QString> m_moneyColumns;
    std::unique_ptr<PaperScale> m_scale;
    std::vector<Field> m_fields;
};

// Both sides print the same texts at the same places: checked on the first bill.
void checkSameTexts(ChequeBatch &batch, const PlainChequePrinter &plain)
{
    auto key = [](const PrintItem &item) {
        return QStringLiteral("%1@%2,%3,%4,%5").arg(item.text).arg(item.rect.x()).arg(item.rect.y()).arg(item.rect.width()).arg(item.rect.height());
    };
    QStringList form;
    for (const PrintItem &item : batch.formItems(batch.ids().first()))
        form.append(key(item));
    QList<PrintItem> texts;
    plain.print(pdfPath("check"), &texts);
    QStringList drawn;
    for (const PrintItem &item : texts)
        drawn.append(key(item));
    form.sort();
    drawn.sort();
    if (form != drawn)
        bench::fail(QStringLiteral("the plain printer draws other texts:\n%1\n%2").arg(form.join(u'|'), drawn.join(u'|')));
}

std::unique_ptr<PlainChequePrinter> plainPrinter;

bench::Side formSide()
{
    ChequeBatch &batch = batchOf(1000);
    return {{}, [&batch] { batch.printBatch(pdfPath("form")); }};
}

bench::Side plainSide()
{
    ChequeBatch &batch = batchOf(1000);
    if (!plainPrinter) {
        plainPrinter = std::make_unique<PlainChequePrinter>(batch);
        checkSameTexts(batch, *plainPrinter);
    }
    return {{}, [] { plainPrinter->print(pdfPath("raw")); }};
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    bench::registerPaired("BM_BatchPrintVsPlainPdfWriter", "batch print 1000 cheques / plain QPdfWriter:", formSide,
                          plainSide, 11);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    plainPrinter.reset();
    batches.clear();
    return 0;
}
