// A module for the loader's tests: one child screen and one dialog.
#include "core/globals/PubDm.h"
#include "gui/modules/ModuleEntry.h"
#include "gui/modules/ModulePackage.h"

#include <QDialog>
#include <QWidget>

class TFakeChildForm : public QWidget
{
    Q_OBJECT

public:
    // What the module sees of the process-wide state, for the test that there is one copy.
    explicit TFakeChildForm(QWidget *owner) : QWidget(owner) { setProperty("userSeenByModule", sCurUserId); }
};

class TFakeDialogForm : public QDialog
{
    Q_OBJECT

public:
    explicit TFakeDialogForm(QWidget *owner) : QDialog(owner) {}
};

extern "C" Q_DECL_EXPORT void QuilletRegisterClasses(ModulePackage &module)
{
    module.registerFormClass<TFakeChildForm>(QStringLiteral("TFakeChildForm"), WindowKind::ChildWindow);
    module.registerFormClass<TFakeDialogForm>(QStringLiteral("TFakeDialogForm"), WindowKind::ModalDialog);
}

#include "FakeModule.moc"
