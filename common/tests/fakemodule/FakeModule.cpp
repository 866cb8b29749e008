// A module for the loader's and the main window's tests: a child screen, a dialog and a class
// that cannot be built. Its screens note what happens to them in the application's property
// "fakeModuleLog", so a test sees messages, destruction and the unloading of the module itself.
#include "core/errors/CorvaneError.h"
#include "core/globals/PubDm.h"
#include "core/messages/MessageNames.h"
#include "core/messages/MessageReceiver.h"
#include "core/messages/WindowMessages.h"
#include "gui/modules/ModuleEntry.h"
#include "gui/modules/ModulePackage.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDialog>
#include <QWidget>

namespace {

void note(const QString &entry)
{
    if (QCoreApplication *app = QCoreApplication::instance()) {
        QStringList log = app->property("fakeModuleLog").toStringList();
        log.append(entry);
        app->setProperty("fakeModuleLog", log);
    }
}

QString databaseState()
{
    return QStringLiteral("database-open=%1").arg(CurAdo.isOpen() ? 1 : 0);
}

// Runs when the library is unloaded.
struct UnloadNote
{
    ~UnloadNote() { note(QStringLiteral("module unloaded ") + databaseState()); }
} unloadNote;

} // namespace

class TFakeChildForm : public QWidget, public MessageReceiver
{
    Q_OBJECT

public:
    // What the module sees of the process-wide state, for the test that there is one copy.
    explicit TFakeChildForm(QWidget *owner) : QWidget(owner), MessageReceiver(this)
    {
        setProperty("userSeenByModule", sCurUserId);
    }
    ~TFakeChildForm() override { note(QStringLiteral("%1 destroyed %2").arg(windowTitle(), databaseState())); }

    void WndProc(const WindowMessage &message) override
    {
        for (QStringView name : {MsgOpenRefNo, MsgGetWinCaption, MsgOnFormActive})
            if (IsMessage(message, name))
                note(QStringLiteral("%1 %2 %3 %4").arg(windowTitle(), name.toString()).arg(message.WParam).arg(message.LParam));
        MessageReceiver::WndProc(message);
    }

protected:
    // A screen being edited refuses to close; tests set "refuseClose" to play that.
    void closeEvent(QCloseEvent *event) override
    {
        if (property("refuseClose").toBool())
            event->ignore();
        else
            event->accept();
    }
};

class TFakeDialogForm : public QDialog
{
    Q_OBJECT

public:
    explicit TFakeDialogForm(QWidget *owner) : QDialog(owner) {}
};

class TFakeFailingForm : public QWidget
{
    Q_OBJECT

public:
    explicit TFakeFailingForm(QWidget *owner) : QWidget(owner) { throw CorvaneError(QStringLiteral("假窗体无法创建")); }
};

extern "C" Q_DECL_EXPORT void QuilletRegisterClasses(ModulePackage &module)
{
    module.registerFormClass<TFakeChildForm>(WindowKind::ChildWindow);
    module.registerFormClass<TFakeDialogForm>(WindowKind::ModalDialog);
    module.registerFormClass<TFakeFailingForm>(WindowKind::ChildWindow);
}

#include "FakeModule.moc"
