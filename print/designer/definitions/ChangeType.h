#pragma once

#include <QSqlDatabase>
#include <QString>

class QWidget;

// Lets the user choose another format of the bill kind; returns its name, or empty text when
// the user cancels or the kind has no format.
QString ChangePrintType(const QSqlDatabase &db, QWidget *owner, const QString &kind);
