// Entry point of the module Lumisk: registers its form classes when the loader loads the file.
#include "gui/TLumiskMainForm.h"
#include "gui/modules/ModuleEntry.h"
#include "gui/modules/ModulePackage.h"

extern "C" Q_DECL_EXPORT void QuilletRegisterClasses(ModulePackage &module)
{
    module.registerFormClass<TLumiskMainForm>(WindowKind::ChildWindow);
}
