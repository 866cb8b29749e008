#include "bills/printing/BillPrintEngine.h"

#include "bills/printing/BillLayout.h"
#include "bills/printing/FormatPaper.h"
#include "bills/printing/PaperLayout.h"
#include "bills/printing/PaperPrintJob.h"
#include "bills/printing/PaperScale.h"
#include "bills/printing/PrintRefusal.h"
#include "bills/printing/PrintTemplate.h"
#include "bills/printing/TemplatePicture.h"
#include "bills/printing/TPreviewForm.h"
#include "core/errors/CorvaneError.h"
#include "core/globals/PubDm.h"
#include "gui/dialogs/MessageBoxes.h"
#include "gui/printfun/CurrentPrinter.h"
#include "gui/progress/TProcStepForm.h"

#include <QPrinter>

namespace {

PaperTarget targetOf(const QPrinter &printer, const PrintTemplate &tpl)
{
    return {printer.logicalDpiX(), printer.logicalDpiY(), QPointF(tpl.note().xMove.value, tpl.note().yMove.value)};
}

// Gives the batch request back whichever way the batch ends.
struct BatchRequestServed
{
    ~BatchRequestServed() { iCurOpenAutoid = 0; }
};

} // namespace

BillPrintEngine::BillPrintEngine(const QSqlDatabase &db, QWidget *billForm, THandle billFormHandle)
    : m_db(db), m_billForm(billForm), m_billFormHandle(billFormHandle)
{
}

QPrinter &BillPrintEngine::printer() const
{
    return m_printer ? *m_printer : CurrentPrinter();
}

bool BillPrintEngine::refusedWith(const std::function<void()> &work)
{
    try {
        work();
        return false;
    } catch (const CorvaneError &error) {
        ShowMsgerror(error.message());
        return true;
    }
}

void BillPrintEngine::requireFit(const PrintTemplate &tpl) const
{
    const QString refusal = PaperFitRefusal(tpl.note().noteName, StoredPaperInches(tpl), printer().pageLayout());
    if (!refusal.isEmpty())
        throw PrintRefusal(refusal);
}

bool BillPrintEngine::followFormatPaper(const QString &noteName)
{
    return FollowFormatPaper(m_db, noteName, printer());
}

bool BillPrintEngine::printOnPaper(const QString &noteName, const BillData &bill)
{
    m_lastFormat = noteName;
    return !refusedWith([&] {
        const PrintTemplate tpl = LoadPrintTemplate(m_db, noteName);
        requireFit(tpl);
        const QList<PrintItem> items = PaperPrintItems(tpl, bill, targetOf(printer(), tpl));
        PaperPrintJob job(printer());
        job.printPage(items);
    });
}

bool BillPrintEngine::preview(const QString &noteName, const BillData &bill)
{
    m_lastFormat = noteName;
    return !refusedWith([&] {
        const PrintTemplate tpl = LoadPrintTemplate(m_db, noteName);
        // The same checks as on paper, so a preview never shows what printing would refuse.
        PaperScaleFor(tpl, targetOf(printer(), tpl));
        const QImage picture = TemplatePictureImage(tpl);
        const QList<PrintItem> items = PreviewPrintItems(tpl, bill);

        auto *window = new TPreviewForm(m_billForm);
        window->setBillForm(m_billFormHandle);
        window->setPicture(picture, PreviewOffset(tpl));
        window->setItems(items);
        m_preview = window;
        window->show();
    });
}

bool BillPrintEngine::printBatch(const QString &noteName, const QList<qint64> &billIds,
                                 const std::function<BillData(qint64 billId)> &openBill)
{
    const BatchRequestServed served;
    m_lastFormat = noteName;
    if (billIds.isEmpty())
        return true;
    TProcStepForm progress(m_billForm);
    progress.SetMax(int(billIds.size()) - 1);
    progress.StartShow();
    const bool refused = refusedWith([&] {
        const PrintTemplate tpl = LoadPrintTemplate(m_db, noteName);
        // The requester set the format's paper before its printer dialog: what the user kept
        // there prints, as for one bill.
        requireFit(tpl);
        const PaperScale scale = PaperScaleFor(tpl, targetOf(printer(), tpl));
        const BillLayout layout(tpl);
        PaperPrintJob job(printer());
        for (qsizetype i = 0; i < billIds.size(); ++i) {
            progress.IncStep(QStringLiteral("正在打印...%1/%2 ").arg(i + 1).arg(billIds.size()));
            job.printPage(scale.toDevice(layout.layOut(openBill(billIds.at(i)))));
        }
    });
    progress.EndShow();
    return !refused;
}
