#include "gui/printfun/TSelBatPrintForm.h"

#include "core/db/AdoFunc.h"
#include "core/printfun/NoteLookup.h"
#include "gui/dialogs/MessageBoxes.h"
#include "gui/printfun/InstalledPrinters.h"
#include "gui/printfun/OkCancelButtons.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>

namespace {
QComboBox *listBox(const QStringList &items, const QString &current, QWidget *parent)
{
    auto *box = new QComboBox(parent);
    box->addItems(items);
    box->setCurrentIndex(items.indexOf(current));
    return box;
}

QString joined(const QString &format, const QString &printer)
{
    return QStringLiteral("%1;%2").arg(format, printer);
}
}

TSelBatPrintForm::TSelBatPrintForm(const QStringList &formats, const QString &format, const QStringList &printers,
                                   const QString &printer, QWidget *parent)
    : QDialog(parent), m_formats(listBox(formats, format, this)), m_printers(listBox(printers, printer, this))
{
    setWindowTitle(QStringLiteral("选择打印"));

    auto *layout = new QFormLayout(this);
    layout->addRow(QStringLiteral("单据格式"), m_formats);
    layout->addRow(QStringLiteral("打印机"), m_printers);
    layout->addRow(OkCancelButtons(this));
}

QString TSelBatPrintForm::choice() const
{
    return joined(m_formats->currentText(), m_printers->currentText());
}

void TSelBatPrintForm::accept()
{
    QString refusal;
    if (m_formats->currentText().isEmpty())
        refusal = QStringLiteral("打印格式不能为空");
    else if (m_printers->currentText().isEmpty())
        refusal = QStringLiteral("打印机不能为空");
    if (!refusal.isEmpty()) {
        ShowMsgHint(refusal);
        return;
    }
    QDialog::accept();
}

QString GetBatchPrt(const QSqlDatabase &db, const QString &noteName, const QString &printer, QWidget *parent)
{
    const QString category = NoteTypeName(db, noteName);
    const qint64 count =
        SelTableIntValue(db, QStringLiteral("select count(*) from p_NoteList where NoteNameType = ?"), {category});
    if (count == 1 && !printer.isEmpty())
        return joined(noteName, printer);
    QStringList formats;
    SqlAddPickList(db, QStringLiteral("select NoteName from p_NoteList where NoteNameType = ? order by autoid"), formats,
                   {category});
    TSelBatPrintForm form(formats, noteName, InstalledPrinters(), printer, parent);
    if (form.exec() != QDialog::Accepted)
        return QString();
    return form.choice();
}
