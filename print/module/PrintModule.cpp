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
    module.registerFormClass<TPrintTypeEditForm>(WindowKind::ModalDialog);
    module.registerFormClass<TSysSetForm>(WindowKind::ModalDialog);
    module.registerFormClass<TUiEditForm>(WindowKind::ModalDialog);
    module.registerFormClass<TCompanyForm>(WindowKind::ChildWindow);
    module.registerFormClass<TCheckForm>(WindowKind::ChildWindow);
    module.registerFormClass<TEditTableForm>(WindowKind::ChildWindow);
    module.registerFormClass<TDbQueryForm>(WindowKind::ChildWindow);
    module.registerFormClass<TEditNoteForm>(WindowKind::ChildWindow);
    module.registerFormClass<TDesignForm>(WindowKind::ChildWindow);
}
