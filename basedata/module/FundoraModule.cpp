// Entry point of the module Fundora: registers its form classes when the loader loads the file.
#include "backup/TBackUpForm.h"
#include "backup/TRestoreForm.h"
#include "droplist/TDroplistForm.h"
#include "goods/TGoodsForm.h"
#include "gui/modules/ModuleEntry.h"
#include "gui/modules/ModulePackage.h"
#include "password/TChangePassWForm.h"
#include "users/TUserInfoForm.h"

extern "C" Q_DECL_EXPORT void QuilletRegisterClasses(ModulePackage &module)
{
    module.registerFormClass<TBackUpForm>(WindowKind::ModalDialog);
    module.registerFormClass<TRestoreForm>(WindowKind::ModalDialog);
    module.registerFormClass<TChangePassWForm>(WindowKind::ModalDialog);
    module.registerFormClass<TGoodsForm>(WindowKind::ChildWindow);
    module.registerFormClass<TUserInfoForm>(WindowKind::ChildWindow);
    module.registerFormClass<TDroplistForm>(WindowKind::ChildWindow);
}
