#pragma once

#include "bills/cheques/ChequeBook.h"

#include <QDialog>

class QComboBox;
class QDateEdit;
class QLineEdit;
class QSpinBox;
class QSqlDatabase;

// The purchase of a cheque book: bank (the company book's banks, or typed), first number,
// count and date of purchase. 确定 without a first number is refused and the dialog stays.
class TgetBuyCheckForm : public QDialog
{
    Q_OBJECT

public:
    TgetBuyCheckForm(const QSqlDatabase &db, QWidget *owner);

    QComboBox *bankBox() const { return m_bank; }
    QLineEdit *startNoBox() const { return m_startNo; }
    QSpinBox *countBox() const { return m_count; }
    QDateEdit *buyDateBox() const { return m_buyDate; }
    ChequeBook book() const;

    void accept() override;

private:
    QComboBox *m_bank;
    QLineEdit *m_startNo;
    QSpinBox *m_count;
    QDateEdit *m_buyDate;
};
