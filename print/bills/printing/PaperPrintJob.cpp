#include "bills/printing/PaperPrintJob.h"

#include "bills/printing/PrintItemPainter.h"
#include "bills/printing/PrintRefusal.h"

#include <QPrinter>

PaperPrintJob::PaperPrintJob(QPrinter &printer) : m_printer(printer)
{
    if (!m_painter.begin(&m_printer))
        throw PrintRefusal(QStringLiteral("打印机%1不能开始打印").arg(m_printer.printerName()));
}

PaperPrintJob::~PaperPrintJob()
{
    m_painter.end();
}

void PaperPrintJob::printPage(const QList<PrintItem> &items)
{
    if (m_pages > 0)
        m_printer.newPage();
    ++m_pages;
    DrawPrintItems(m_painter, items);
}
