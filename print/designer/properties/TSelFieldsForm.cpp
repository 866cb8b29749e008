#include "designer/properties/TSelFieldsForm.h"

#include "core/globals/PubDm.h"
#include "designer/properties/DesignerLists.h"
#include "gui/dialogs/MessageBoxes.h"
#include "gui/printfun/OkCancelButtons.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QStringList selectedTexts(const QListWidget *list)
{
    // In list order, whatever order the user clicked them in.
    QStringList texts;
    for (int row = 0; row < list->count(); ++row) {
        if (list->item(row)->isSelected())
            texts.append(list->item(row)->text());
    }
    return texts;
}
}

TSelFieldsForm::TSelFieldsForm(const QStringList &available, int count, const QString &current, QWidget *parent)
    : QDialog(parent), m_chosen(current), m_count(count), m_available(new QListWidget), m_chosenList(new QListWidget)
{
    setWindowTitle(QStringLiteral("选择字段"));
    m_available->setObjectName(QStringLiteral("AvailableList"));
    m_chosenList->setObjectName(QStringLiteral("ChosenList"));
    m_available->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_chosenList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_available->addItems(available);
    auto *add = new QPushButton(QStringLiteral(">"));
    auto *remove = new QPushButton(QStringLiteral("<"));
    add->setObjectName(QStringLiteral("AddButton"));
    remove->setObjectName(QStringLiteral("RemoveButton"));
    connect(add, &QPushButton::clicked, this, &TSelFieldsForm::addSelected);
    connect(remove, &QPushButton::clicked, this, &TSelFieldsForm::removeSelected);

    auto *arrows = new QVBoxLayout;
    arrows->addStretch();
    arrows->addWidget(add);
    arrows->addWidget(remove);
    arrows->addStretch();
    auto *layout = new QGridLayout(this);
    layout->addWidget(m_available, 0, 0);
    layout->addLayout(arrows, 0, 1);
    layout->addWidget(m_chosenList, 0, 2);
    layout->addWidget(OkCancelButtons(this), 1, 0, 1, 3);
    showChosen();
}

void TSelFieldsForm::addSelected()
{
    m_chosen.add(selectedTexts(m_available));
    showChosen();
}

void TSelFieldsForm::removeSelected()
{
    m_chosen.remove(selectedTexts(m_chosenList));
    showChosen();
}

void TSelFieldsForm::showChosen()
{
    m_chosenList->clear();
    m_chosenList->addItems(m_chosen.columns());
}

void TSelFieldsForm::done(int result)
{
    if (result == QDialog::Accepted) {
        if (const std::optional<QString> refusal = m_chosen.refusal(m_count)) {
            ShowMsgHint(*refusal);
            return;
        }
    }
    QDialog::done(result);
}

QString SelDbFields(QWidget *owner, const QString &table, int count, const QString &current)
{
    TSelFieldsForm form(DesignerLists::ChooserColumns(CurAdo, table), count, current, owner);
    if (form.exec() != QDialog::Accepted)
        return {};
    return form.answer();
}
