// Entry point of the module Print: registers its form classes when the loader loads the file.
#include "bills/TCheckForm.h"
#include "bills/TCompanyForm.h"
#include "bills/TEditNoteForm.h"
#include "bills/history/TDbQueryForm.h"
#include "designer/TEditTableForm.h"
#include "designer/TPrintTypeEditForm.h"
#include "designer/TSysSetForm.h"
#include "designer/TUiEditForm.h"
#include "gui/modules/ModuleEntry.h"
#include "gui/modules/ModulePackage.h"

extern "C" Q_DECL_EXPORT void QuilletRegisterClasses(ModulePackage &module)
{
    module.registerFormClass<TPrintTypeEditForm>(QStringLiteral("TPrintTypeEditForm"), WindowKind::ModalDialog);
    module.registerFormClass<TSysSetForm>(QStringLiteral("TSysSetForm"), WindowKind::ModalDialog);
    module.registerFormClass<TUiEditForm>(QStringLiteral("TUiEditForm"), WindowKind::ModalDialog);
    module.registerFormClass<TCompanyForm>(QStringLiteral("TCompanyForm"), WindowKind::ChildWindow);
    module.registerFormClass<TCheckForm>(QStringLiteral("TCheckForm"), WindowKind::ChildWindow);
    module.registerFormClass<TEditTableForm>(QStringLiteral("TEditTableForm"), WindowKind::ChildWindow);
    module.registerFormClass<TDbQueryForm>(QStringLiteral("TDbQueryForm"), WindowKind::ChildWindow);
    module.registerFormClass<TEditNoteForm>(QStringLiteral("TEditNoteForm"), WindowKind::ChildWindow);
}
