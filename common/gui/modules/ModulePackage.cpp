#include "gui/modules/ModulePackage.h"

#include "gui/modules/FormClassRegistry.h"
#include "gui/modules/ModuleEntry.h"
#include "gui/modules/ModuleLoadError.h"

#include <exception>

ModulePackage::ModulePackage(QString fileName, const QString &path) : m_fileName(std::move(fileName)), m_library(path)
{
}

ModulePackage::~ModulePackage()
{
    unload();
}

void ModulePackage::load()
{
    if (m_loaded)
        return;
    if (!m_library.load())
        throw ModuleLoadError(m_fileName, m_library.errorString());
    using Entry = void (*)(ModulePackage &);
    const auto entry = reinterpret_cast<Entry>(m_library.resolve(kModuleEntryName));
    QString failure;
    if (!entry) {
        failure = m_library.errorString();
    } else {
        try {
            entry(*this);
            m_loaded = true;
            return;
        } catch (const std::exception &error) {
            failure = QString::fromUtf8(error.what());
        }
    }
    UnregisterFormClasses(*this);
    m_library.unload();
    throw ModuleLoadError(m_fileName, failure);
}

void ModulePackage::unload()
{
    if (!m_loaded)
        return;
    for (qsizetype i = m_forms.size() - 1; i >= 0; --i)
        delete m_forms.at(i).data();
    m_forms.clear();
    UnregisterFormClasses(*this);
    m_library.unload();
    m_loaded = false;
}

void ModulePackage::registerFormClass(const QString &name, WindowKind kind, FormFactory factory)
{
    RegisterFormClass(FormClass(name, kind, factory, *this));
}

QList<QWidget *> ModulePackage::liveForms() const
{
    QList<QWidget *> alive;
    for (const QPointer<QWidget> &form : m_forms)
        if (form)
            alive.append(form.data());
    return alive;
}

void ModulePackage::adoptForm(QWidget *form)
{
    m_forms.removeIf([](const QPointer<QWidget> &gone) { return gone.isNull(); });
    m_forms.append(form);
}
