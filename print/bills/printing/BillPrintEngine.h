#pragma once

#include "bills/printing/BillData.h"
#include "bills/printing/PrintTemplate.h"
#include "bills/printing/TPreviewForm.h"
#include "core/globals/WindowHandle.h"

#include <QList>
#include <QPointer>
#include <QSqlDatabase>
#include <QString>

#include <functional>

class QPrinter;
class QWidget;

// The bill form's printing: the texts of a bill (never the picture) on paper at the format's
// positions and calibration offsets, into a preview window over the picture, or a batch of
// bills as one document. Refusals are shown to the user and the call returns false; nothing
// reaches the printer before the whole page has been laid out.
class BillPrintEngine
{
public:
    // `billForm` owns the preview and progress windows; `billFormHandle` receives the
    // preview's print request ("Quillet预览界面打印").
    BillPrintEngine(const QSqlDatabase &db, QWidget *billForm, THandle billFormHandle);

    // The printer paper goes to; CurrentPrinter() unless set.
    void setPrinter(QPrinter *printer) { m_printer = printer; }

    // Sets the printer's page to the format's paper (its size and orientation, no margins);
    // before the printer dialog shows. False, with the reason shown, when the format has no
    // readable paper size.
    bool followFormatPaper(const QString &noteName);
    // One bill as a document of its own, on the printer's page as it is; a format that does
    // not fit on that page is refused rather than printed cut off.
    bool printOnPaper(const QString &noteName, const BillData &bill);
    // One bill in a new preview window, shown at once.
    bool preview(const QString &noteName, const BillData &bill);
    // The bills one after another, one page each, in one document, with the format given, on
    // the printer's page as it is (the requester set the format's paper before its dialog);
    // `openBill` makes a bill the current one and gives its data. Serves the batch request:
    // iCurOpenAutoid goes back to 0.
    bool printBatch(const QString &noteName, const QList<qint64> &billIds,
                    const std::function<BillData(qint64 billId)> &openBill);

    // The format last handed to printing or preview; the preview's request prints it again.
    const QString &lastPrintedFormat() const { return m_lastFormat; }
    // The newest preview window, if it is still there.
    TPreviewForm *previewForm() const { return m_preview; }

private:
    QPrinter &printer() const;
    void requireFit(const PrintTemplate &tpl) const;
    bool refusedWith(const std::function<void()> &work);

    QSqlDatabase m_db;
    QWidget *m_billForm;
    THandle m_billFormHandle;
    QPrinter *m_printer = nullptr;
    QString m_lastFormat;
    QPointer<TPreviewForm> m_preview;
};
