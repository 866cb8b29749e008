#include "gui/modules/FormClassRegistry.h"

#include "core/errors/CorvaneError.h"
#include "gui/modules/FormClass.h"

#include <map>

namespace {

// A node-based map: a found class keeps its address while other classes come and go.
std::map<QString, FormClass> &classes()
{
    static std::map<QString, FormClass> registered;
    return registered;
}

} // namespace

const FormClass *FindFormClass(const QString &name)
{
    const auto found = classes().find(name);
    return found == classes().end() ? nullptr : &found->second;
}

void RegisterFormClass(const FormClass &formClass)
{
    if (!classes().emplace(formClass.name(), formClass).second)
        throw CorvaneError(QStringLiteral("窗体类%1已注册").arg(formClass.name()));
}

void UnregisterFormClasses(const ModulePackage &module)
{
    std::erase_if(classes(), [&module](const auto &entry) { return &entry.second.module() == &module; });
}
