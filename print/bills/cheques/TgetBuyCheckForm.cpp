#include "bills/cheques/TgetBuyCheckForm.h"

#include "core/db/AdoFunc.h"
#include "gui/dialogs/MessageBoxes.h"
#include "gui/printfun/OkCancelButtons.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

QStringList companyBanks(const QSqlDatabase &db)
{
    QStringList banks;
    SqlAddPickList(db,
                   QStringLiteral("select distinct CompBankName from bs_complist"
                                  " where trim(coalesce(CompBankName, '')) <> '' order by CompBankName"),
                   banks);
    return banks;
}

} // namespace

TgetBuyCheckForm::TgetBuyCheckForm(const QSqlDatabase &db, QWidget *owner)
    : QDialog(owner), m_bank(new QComboBox(this)), m_startNo(new QLineEdit(this)), m_count(new QSpinBox(this)),
      m_buyDate(new QDateEdit(QDate::currentDate(), this))
{
    setWindowTitle(QStringLiteral("输入支票购买信息"));
    m_bank->setObjectName(QStringLiteral("BankBox"));
    m_bank->setEditable(true);
    m_bank->addItems(companyBanks(db));
    m_startNo->setObjectName(QStringLiteral("StartNoBox"));
    m_count->setObjectName(QStringLiteral("CountBox"));
    m_count->setRange(1, 200);
    m_count->setValue(25);
    m_buyDate->setObjectName(QStringLiteral("BuyDateBox"));
    m_buyDate->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    m_buyDate->setCalendarPopup(true);

    auto *fields = new QFormLayout;
    fields->addRow(QStringLiteral("银行"), m_bank);
    fields->addRow(QStringLiteral("起始号码"), m_startNo);
    fields->addRow(QStringLiteral("份数"), m_count);
    fields->addRow(QStringLiteral("购买日期"), m_buyDate);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(OkCancelButtons(this));
    m_startNo->setFocus();
}

ChequeBook TgetBuyCheckForm::book() const
{
    return {m_bank->currentText().trimmed(), m_startNo->text().trimmed(), m_count->value(), m_buyDate->date()};
}

void TgetBuyCheckForm::accept()
{
    if (m_startNo->text().trimmed().isEmpty()) {
        ShowMsgHint(QStringLiteral("起始号码不能为空"));
        return;
    }
    QDialog::accept();
}
