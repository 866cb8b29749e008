#pragma once

#include "gui/modules/WindowKind.h"

#include <QString>

class ModulePackage;
class QWidget;

// Makes one form; its code lives in the module that registered the class.
using FormFactory = QWidget *(*)(QWidget *owner);

// A form class registered by name by a loaded module.
class FormClass
{
public:
    FormClass(QString name, WindowKind kind, FormFactory factory, ModulePackage &module);

    const QString &name() const { return m_name; }
    WindowKind windowKind() const { return m_kind; }
    ModulePackage &module() const { return m_module; }

    // Creates a form owned by `owner` (may be nullptr). The module keeps track of it, so that
    // unloading the module frees the form first.
    QWidget *create(QWidget *owner) const;

private:
    QString m_name;
    WindowKind m_kind;
    FormFactory m_factory;
    ModulePackage &m_module;
};
