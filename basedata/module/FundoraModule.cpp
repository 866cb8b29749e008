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
    module.registerFormClass<TBackUpForm>(QStringLiteral("TBackUpForm"), WindowKind::ModalDialog);
    module.registerFormClass<TRestoreForm>(QStringLiteral("TRestoreForm"), WindowKind::ModalDialog);
    module.registerFormClass<TChangePassWForm>(QStringLiteral("TChangePassWForm"), WindowKind::ModalDialog);
    module.registerFormClass<TGoodsForm>(QStringLiteral("TGoodsForm"), WindowKind::ChildWindow);
    module.registerFormClass<TUserInfoForm>(QStringLiteral("TUserInfoForm"), WindowKind::ChildWindow);
    module.registerFormClass<TDroplistForm>(QStringLiteral("TDroplistForm"), WindowKind::ChildWindow);
}
