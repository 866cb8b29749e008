#pragma once

#include "bills/cheques/ChequeBook.h"

#include <optional>

class QSqlDatabase;
class QWidget;

// Asks for a bought cheque book; nothing when the user cancels.
std::optional<ChequeBook> GetBuyCheckInfo(const QSqlDatabase &db, QWidget *owner);
