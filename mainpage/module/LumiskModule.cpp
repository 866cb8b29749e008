// Entry point of the module Lumisk: registers its form classes when the loader loads the file.
#include "gui/modules/ModuleEntry.h"
#include "gui/modules/ModulePackage.h"

extern "C" Q_DECL_EXPORT void QuilletRegisterClasses(ModulePackage &module)
{
    // Each screen of the module adds its class here, e.g.
    // module.registerFormClass<TSomeForm>(QStringLiteral("TSomeForm"), WindowKind::ChildWindow);
    Q_UNUSED(module);
}
