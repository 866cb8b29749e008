#include "designer/properties/TAddFieldButtons.h"

#include "designer/model/AddFieldButtons.h"
#include "designer/surface/TDesignSurface.h"

#include <QGridLayout>
#include <QPushButton>

TAddFieldButtons::TAddFieldButtons(TDesignSurface *surface, QWidget *parent) : QWidget(parent), m_surface(surface)
{
    setObjectName(QStringLiteral("AddFieldButtons"));
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    const QList<AddFieldButton> &buttons = AddFieldButtons();
    for (int index = 0; index < buttons.size(); ++index) {
        auto *button = new QPushButton(buttons.at(index).caption);
        button->setObjectName(QStringLiteral("AddField%1").arg(index));
        connect(button, &QPushButton::clicked, this, [this, index] { add(index); });
        grid->addWidget(button, index / 2, index % 2);
    }
}

int TAddFieldButtons::add(int index)
{
    if (!m_surface->hasTemplate())
        return -1;
    const AddFieldButton &button = AddFieldButtons().at(index);
    const QString caption = AddedFieldCaption(EditKindName(button.kind), int(m_surface->controls().size()));
    m_surface->setLocked(false);
    const QPoint at = m_placement.next(m_surface->pictureSize());
    return m_surface->addField(button.kind, QRect(at, button.size), caption);
}
