#pragma once

#include "gui/modules/FormClass.h"

#include <QLibrary>
#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>

// One module file loaded by the loader: its library, the form classes it registered and the
// forms made from them.
class ModulePackage
{
public:
    // `fileName` as the caller named it; `path` the file to load.
    ModulePackage(QString fileName, const QString &path);
    ~ModulePackage();

    ModulePackage(const ModulePackage &) = delete;
    ModulePackage &operator=(const ModulePackage &) = delete;

    const QString &fileName() const { return m_fileName; }
    bool isLoaded() const { return m_loaded; }

    // Loads the library and runs its entry point. Raises ModuleLoadError when the file is
    // refused, has no entry point or its registration fails; nothing stays loaded or registered.
    void load();

    // Frees the module's live forms, newest first, then unregisters its classes, then unloads
    // the library, in this order.
    void unload();

    // For the module's entry point: offers a form class under a name.
    void registerFormClass(const QString &name, WindowKind kind, FormFactory factory);

    // Offers `Form` under its own class name, so the name and the class cannot disagree.
    template <class Form>
    void registerFormClass(WindowKind kind)
    {
        registerFormClass(QString::fromLatin1(Form::staticMetaObject.className()), kind,
                          [](QWidget *owner) -> QWidget * { return new Form(owner); });
    }

    // The forms made from the module's classes that are still alive, oldest first.
    QList<QWidget *> liveForms() const;

private:
    friend class FormClass;
    void adoptForm(QWidget *form);

    QString m_fileName;
    QLibrary m_library;
    bool m_loaded = false;
    QList<QPointer<QWidget>> m_forms;
};
