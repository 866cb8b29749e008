#pragma once

#include "bills/printing/BillData.h"
#include "core/dataset/DataSet.h"
#include "TestProgramFolder.h"

#include <QList>
#include <QRect>
#include <QString>

#include <memory>

// A cheque-like format over an 800 x 400 picture of 100 dots per inch (8 x 4 inches of paper),
// its bill tables and three bills, in a fresh program folder whose database CurAdo opens. Field rectangles are picture
// pixels; tests derive millimetres on paper from them on their own.
class PrintFixture
{
public:
    static constexpr int kPictureDpi = 100;
    static constexpr int kGridTag = 500;
    static const QString kNoteName;
    static const QString kPictureFile;

    PrintFixture();

    QString file(const QString &relative) const { return m_folder.file(relative); }

    void setOffsets(double xMm, double yMm);
    void setPaperSizeTexts(const QString &tWidth, const QString &tHeight);
    // Changes one column of a field row (by its Tag).
    void setField(int tag, const QString &column, const QVariant &value);
    // Appends detail rows to a bill.
    void addDetailRows(qint64 billId, int count);

    // The bill (ids 1 to 3) as the bill form holds it: the header on its row, the grid's rows
    // tagged with the grid's Tag. The data stays valid until the next call.
    BillData bill(qint64 billId);

    // The refNo of a bill (its detail rows carry it).
    static QString billRefNo(qint64 billId);

private:
    TestProgramFolder m_folder;
    std::unique_ptr<DataSet> m_header;
    std::unique_ptr<DataSet> m_details;
};
