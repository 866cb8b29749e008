// The designer's exchange: packages out and in, and 录入 in the bill form.
#include "designer/screen/TDesignForm.h"

#include "core/package/PackageFile.h"
#include "core/globals/MenuIds.h"
#include "core/globals/PubDm.h"
#include "core/messages/MessageNames.h"
#include "core/messages/RefNoParam.h"
#include "core/messages/WindowMessages.h"
#include "core/printfun/ProgramSubDir.h"
#include "gui/dialogs/FileDialogs.h"
#include "gui/package/ExportPrintNoteStyle.h"
#include "gui/package/GetPrintNoteFromFile.h"

#include <QApplication>
#include <QGuiApplication>

namespace {

// Restores the cursor however the work ends.
struct WaitCursor
{
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
};
} // namespace

void TDesignForm::BtnExportClick()
{
    exportPackage(QGuiApplication::queryKeyboardModifiers());
}

void TDesignForm::exportPackage(Qt::KeyboardModifiers modifiers)
{
    if (!hasTemplate())
        return;
    const bool shift = modifiers.testFlag(Qt::ShiftModifier);
    ExportPrintNoteStyle(m_db, this, m_noteName, shift ? EmptyPasswordKey() : PackagePassword(), false);
}

void TDesignForm::BtnImportClick()
{
    const QString download = CreateProgSubDir(QStringLiteral("download"));
    const QString file = GetOpenFileName(download, QStringLiteral("pnt"), QStringLiteral("选择导入文件名"),
                                         QStringLiteral("*.pnt|*.pnt;*.PNT"));
    if (file.isEmpty())
        return;
    const WaitCursor wait;
    const QString name = GetPrintNoteFromFile(m_db, file);
    if (name.isEmpty())
        return;
    OpenDesignNote(name);
    rereadPictureResolution();
}

void TDesignForm::BtnEntryClick()
{
    if (!hasTemplate())
        return;
    SendMessage(MainWindowsHand, RegisterWindowMessage(MsgOpenForm), MenuId::BillForm,
                PackRefNoParam(currentRefNo().toLongLong()));
}
