#include "bills/cheques/GetBuyCheckInfo.h"

#include "bills/cheques/TgetBuyCheckForm.h"

std::optional<ChequeBook> GetBuyCheckInfo(const QSqlDatabase &db, QWidget *owner)
{
    TgetBuyCheckForm form(db, owner);
    if (form.exec() != QDialog::Accepted)
        return std::nullopt;
    return form.book();
}
