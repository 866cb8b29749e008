#include "gui/package/TXmlReadForm.h"

#include "core/globals/PubDm.h"
#include "core/package/PackageFile.h"
#include "gui/dialogs/MessageSeam.h"

namespace {
bool confirmReplace(const QString &)
{
    MessageRequest request;
    request.icon = QMessageBox::Question;
    request.title = QStringLiteral("询问");
    request.text = QStringLiteral("该单据已经存在，要覆盖吗？");
    request.buttons = QMessageBox::Yes | QMessageBox::No;
    return MessageSeam::ask(request) == QMessageBox::Yes;
}
}

void TXmlReadForm::InputXmlFile(const QString &fileName, QString &noteName)
{
    noteName.clear();
    const PackageFileImport result = InputPackageFile(m_db, fileName, {sCurUserId, confirmReplace});
    // A failed import ends silently, like every database failure of template maintenance.
    noteName = result.noteName;
}
