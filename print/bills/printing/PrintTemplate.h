#pragma once

#include "bills/printing/TemplateField.h"

#include <QSqlDatabase>
#include <QString>

// The parts of a format (one p_NoteList row with its placed fields) that printing needs.
struct PrintTemplate
{
    QString noteName;
    QString imgFile;        // picture file name in the images folder
    int imgEnc = 0;         // 1: the picture file is hex text
    double xMoveMm = 0;     // calibration offsets
    double yMoveMm = 0;
    QString tWidthCipher;   // paper inches the picture covers, enciphered
    QString tHeightCipher;
    // The placed fields of the page ordered by Ctlx; grids carry their printed columns.
    QList<TemplateField> fields;

    // The picture's path in the program folder.
    QString picturePath() const;
};

// Reads the format; raises PrintRefusal when there is no format of that name.
PrintTemplate LoadPrintTemplate(const QSqlDatabase &db, const QString &noteName);
