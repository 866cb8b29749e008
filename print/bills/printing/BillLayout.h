#pragma once

#include "bills/printing/BillData.h"
#include "bills/printing/PrintItem.h"
#include "bills/printing/PrintTemplate.h"

#include <QFont>
#include <QList>

// The texts of bills on one template, in picture pixels: the printed fields of the page in
// Ctlx order (a grid where it stands, its rows from the top at the grid's row step, rows past
// GridLineNum continuing below the box). Empty texts are left out. The template's fields,
// fonts and alignments are read once, so a batch lays out every page from them.
class BillLayout
{
public:
    explicit BillLayout(const PrintTemplate &tpl);

    // Raises the data set's error when a grid column names no column of its detail rows.
    QList<PrintItem> layOut(const BillData &bill) const;

    struct Field
    {
        TemplateField field;
        QFont font;
        int flags = 0;
        QList<Field> columns;  // of a grid: its printed columns
    };

private:
    QList<Field> m_fields;
};

// One bill's texts on its template.
QList<PrintItem> LayOutBill(const PrintTemplate &tpl, const BillData &bill);
