// Entry point of the module Print: registers its form classes when the loader loads the file.
#include "bills/cheques/TCheckForm.h"
#include "bills/company/TCompanyForm.h"
#include "bills/form/TEditNoteForm.h"
#include "bills/history/TDbQueryForm.h"
#include "designer/definitions/TEditTableForm.h"
#include "designer/definitions/TPrintTypeEditForm.h"
#include "designer/definitions/TSysSetForm.h"
#include "designer/definitions/TUiEditForm.h"
#include "designer/screen/TDesignForm.h"
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
    module.registerFormClass<TDesignForm>(QStringLiteral("TDesignForm"), WindowKind::ChildWindow);
}
