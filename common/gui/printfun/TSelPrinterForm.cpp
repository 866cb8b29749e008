#include "gui/printfun/TSelPrinterForm.h"

#include "gui/dialogs/MessageBoxes.h"
#include "gui/printfun/InstalledPrinters.h"
#include "gui/printfun/OkCancelButtons.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QListWidget>
#include <QVBoxLayout>

TSelPrinterForm::TSelPrinterForm(const QStringList &printers, const QString &current, QWidget *parent)
    : QDialog(parent), m_list(new QListWidget(this)),
      m_makeDefault(new QCheckBox(QStringLiteral("将该打印机设置为该单据默认打印机"), this))
{
    setWindowTitle(QStringLiteral("选择打印机"));
    m_list->addItems(printers);
    const QList<QListWidgetItem *> found = m_list->findItems(current, Qt::MatchExactly);
    if (!found.isEmpty())
        m_list->setCurrentItem(found.first());


    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    layout->addWidget(m_makeDefault);
    layout->addWidget(OkCancelButtons(this));
}

QString TSelPrinterForm::selectedPrinter() const
{
    const QListWidgetItem *item = m_list->currentItem();
    return item && item->isSelected() ? item->text() : QString();
}

void TSelPrinterForm::accept()
{
    if (selectedPrinter().isEmpty()) {
        ShowMsgHint(QStringLiteral("要选中打印机"));
        return;
    }
    QDialog::accept();
}

QString SelectPrinter(const QString &current, QWidget *parent)
{
    TSelPrinterForm form(InstalledPrinters(), current, parent);
    if (form.exec() != QDialog::Accepted)
        return QString();
    return form.selectedPrinter();
}
