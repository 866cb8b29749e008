#pragma once

#include "bills/printing/PrintItem.h"

#include <QList>
#include <QPainter>

class QPrinter;

// One print document: it begins when the job is made and ends when the job goes, also when an
// error ends the printing early. Every page after the first starts on a new sheet.
class PaperPrintJob
{
public:
    // Raises PrintRefusal when the printer cannot start a document.
    explicit PaperPrintJob(QPrinter &printer);
    ~PaperPrintJob();

    PaperPrintJob(const PaperPrintJob &) = delete;
    PaperPrintJob &operator=(const PaperPrintJob &) = delete;

    void printPage(const QList<PrintItem> &items);

private:
    QPrinter &m_printer;
    QPainter m_painter;
    int m_pages = 0;
};
