#include "gui/modules/FormClass.h"

#include "gui/modules/ModulePackage.h"

FormClass::FormClass(QString name, WindowKind kind, FormFactory factory, ModulePackage &module)
    : m_name(std::move(name)), m_kind(kind), m_factory(factory), m_module(module)
{
}

QWidget *FormClass::create(QWidget *owner) const
{
    QWidget *form = m_factory(owner);
    m_module.adoptForm(form);
    return form;
}
