#include "designer/definitions/TDefinitionListForm.h"

#include "core/dataset/DataSet.h"

#include <QBoxLayout>
#include <QLabel>

TDefinitionListForm::TDefinitionListForm(const QString &title, QWidget *owner)
    : TListEditForm(owner), m_title(new QLabel(title, this))
{
    m_title->setObjectName(QStringLiteral("TitleLabel"));
    contentLayout()->insertWidget(0, m_title, 0, Qt::AlignHCenter);
    setWindowModality(Qt::ApplicationModal);
}

void TDefinitionListForm::afterSave()
{
    master()->requery();
}

void TDefinitionListForm::afterCancel()
{
    master()->requery();
}
