#pragma once

#include <QSqlDatabase>
#include <QString>

// The p_NoteList row of a bill format as the bill form uses it.
struct BillFormat
{
    bool exists = false;
    QString refNo;
    QString noteName;
    QString noteNameType;  // category
    QString noteType;      // bill kind
    QString dataTable;
    QString imgFile;
    double xMove = 0;      // millimetres
    double yMove = 0;
    int xPanelPos = 0;
    double zoomFactor = 1.0;  // 1.0 when stored as 0 or empty
};

// The format of that name (names compare without regard to letter case); `exists` false when
// there is none.
BillFormat LoadBillFormat(const QSqlDatabase &db, const QString &noteName);
