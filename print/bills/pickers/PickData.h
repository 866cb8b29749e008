#pragma once

#include "bills/pickers/PickerCatalog.h"

#include <QSqlDatabase>
#include <QString>

class QWidget;

// The lookup pickers. Each shows its rows in the modal "选择" dialog and returns the chosen
// row's return fields as one picker text (JoinPickValues; read it with SplitPickValues), or the
// empty text when the user cancelled. Database errors raise before the dialog shows.

// Shows the picker; the search box looks in the search fields (none: a search finds nothing).
QString PickDataToControl(const QSqlDatabase &db, QWidget *owner, const Picker &picker, const QStringList &searchFields);

// The picker of a p_pickList number, searching its shown columns; 0 and unknown numbers
// return the empty text without showing anything.
QString GetPickData(const QSqlDatabase &db, QWidget *owner, int number);

QString PickCustBank(const QSqlDatabase &db, QWidget *owner, const QString &condition);
QString PickCustName_Chd(const QSqlDatabase &db, QWidget *owner);
QString PickCustName_Kd(const QSqlDatabase &db, QWidget *owner);
QString PickCustName_Chd2(const QSqlDatabase &db, QWidget *owner);
QString PickCompName_bank(const QSqlDatabase &db, QWidget *owner);
QString PickSelfBank(const QSqlDatabase &db, QWidget *owner);
QString PickProductPartNo(const QSqlDatabase &db, QWidget *owner);
QString PickProductPartName(const QSqlDatabase &db, QWidget *owner);
QString PickProductPartSpec(const QSqlDatabase &db, QWidget *owner);
