#include "designer/definitions/TChangeTypeForm.h"

#include "core/definitions/FormatChoices.h"
#include "gui/printfun/OkCancelButtons.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QVBoxLayout>

TChangeTypeForm::TChangeTypeForm(const QSqlDatabase &db, const QString &kind, QWidget *owner)
    : QDialog(owner), m_kinds(new QComboBox(this)), m_formats(new QComboBox(this))
{
    setWindowTitle(QStringLiteral("选择单据名称"));
    const FormatChoices choices = FormatChoicesFor(db, kind);
    m_kinds->addItems(choices.kinds);
    m_kinds->setCurrentIndex(choices.kindIndex);
    m_kinds->setEnabled(false);
    m_formats->addItems(choices.formats);
    m_formats->setCurrentIndex(choices.formats.isEmpty() ? -1 : 0);

    auto *fields = new QFormLayout;
    fields->addRow(QStringLiteral("单据类别"), m_kinds);
    fields->addRow(QStringLiteral("单据名称"), m_formats);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(OkCancelButtons(this));
    m_formats->setFocus();
}

QString TChangeTypeForm::chosenFormat() const
{
    return m_formats->currentText();
}
