#include "common/TDetailEditForm.h"

#include "common/StoredAmounts.h"

#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/dataset/DataSource.h"
#include "core/errors/CorvaneError.h"
#include "core/listedit/ListEditButtonStates.h"
#include "core/messages/WindowMessages.h"
#include "gui/dialogs/MessageBoxes.h"
#include "gui/grid/SetFormControlStatus.h"
#include "gui/listedit/ListEditButton.h"

#include <QCloseEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

TDetailEditForm::TDetailEditForm(const QSqlDatabase &db, THandle notifyWindow, const QString &message, QWidget *owner)
    : QDialog(owner), m_data(new DataSet(this)), m_source(new DataSource(m_data, this)), m_fields(new QFormLayout),
      m_notify(notifyWindow), m_message(message)
{
    m_data->setConnection(db);
    m_data->setBeforePost([this](DataSet &) {
        const QString fault = rowFault();
        if (fault.isEmpty())
            return true;
        ShowMsgHint(fault);
        return false;
    });

    auto *buttonBar = new QHBoxLayout;
    for (ListEditButtonKind kind : {ListEditButtonKind::New, ListEditButtonKind::Edit, ListEditButtonKind::Save, ListEditButtonKind::Cancel, ListEditButtonKind::Exit}) {
        QPushButton *button = MakeListEditButton(kind, this);
        button->setAutoDefault(false);
        buttonBar->addWidget(button);
        m_buttons.append(button);
    }
    connect(button(NewButton), &QPushButton::clicked, this, [this] { newRecord(); });
    connect(button(EditButton), &QPushButton::clicked, this, [this] { m_data->edit(); });
    connect(button(SaveButton), &QPushButton::clicked, this, [this] { save(); });
    connect(button(CancelButton), &QPushButton::clicked, this, [this] { m_data->cancel(); });
    connect(button(ExitButton), &QPushButton::clicked, this, &QWidget::close);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(m_fields);
    layout->addStretch();
    layout->addLayout(buttonBar);

    connect(m_data, &DataSet::stateChanged, this, [this] { updateControls(); });
    connect(m_data, &DataSet::rowsReset, this, [this] { updateControls(); });
}

TDetailEditForm::~TDetailEditForm()
{
    // Bound controls go before the data set they show.
    qDeleteAll(findChildren<QWidget *>(Qt::FindDirectChildrenOnly));
}

void TDetailEditForm::openRow(const QString &sql, qint64 autoid)
{
    m_data->setSql(sql, {autoid});
    m_data->open();
    // The formats stay with the fields: read once more so the boxes show them.
    if (ShowStoredAmounts(*m_data))
        m_data->requery();
    if (autoid == -1)
        m_data->append();
    updateControls();
}

void TDetailEditForm::addRow(const QString &label, QWidget *control)
{
    control->setProperty("tag", kFormControlTag);
    m_fields->addRow(label, control);
}

void TDetailEditForm::newRecord()
{
    m_data->append();
}

void TDetailEditForm::save()
{
    try {
        if (!m_data->post())
            return;
    } catch (const DatabaseError &error) {
        ShowMsgerror(error.message());  // the row stays in edit
        return;
    }
    afterSave();
    SendMessage(m_notify, RegisterWindowMessage(m_message), m_data->fieldByName(QStringLiteral("autoid"))->asInteger(), 0);
}

void TDetailEditForm::updateControls()
{
    const ListEditButtonStates states = ListEditButtonStatesFor(m_data->state(), m_data->isEmpty());
    button(NewButton)->setEnabled(states.newRecord);
    button(EditButton)->setEnabled(states.edit);
    button(SaveButton)->setEnabled(states.save);
    button(CancelButton)->setEnabled(states.cancel);
    SetFormControlStatus(*m_data, this);
}

bool TDetailEditForm::refuseClosing()
{
    if (!m_data->isEditing())
        return false;
    ShowMsgHint(QStringLiteral("编辑状态下不能直接关闭窗口，\r\n请先取消操作或保存操作后再关闭"));
    return true;
}

void TDetailEditForm::closeEvent(QCloseEvent *event)
{
    if (refuseClosing()) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void TDetailEditForm::reject()
{
    if (!refuseClosing())
        QDialog::reject();
}
