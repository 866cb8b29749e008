#include "backup/TRestoreForm.h"

#include "backup/BackupArchive.h"
#include "backup/BusyScope.h"
#include "backup/DatabaseRestore.h"
#include "core/globals/PubDm.h"
#include "gui/dialogs/FileDialogs.h"
#include "gui/dialogs/MessageBoxes.h"

#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace {
QString failureText(const RestoreResult &result)
{
    if (result.outcome == RestoreResult::ArchiveRefused)
        return QStringLiteral("数据恢复失败！可能文件格式不正确");
    // The user learns what differs (and that nothing was replaced).
    if (result.outcome == RestoreResult::SchemaDiffers)
        return QStringLiteral("数据恢复失败！") + result.reason + QStringLiteral("。原数据库未改变");
    return QStringLiteral("数据恢复失败！") + result.reason;
}
}

TRestoreForm::TRestoreForm(QWidget *owner)
    : QDialog(owner), edtFile(new QLineEdit(this)), BtnChoose(new QToolButton(this)),
      lblBusy(new QLabel(QStringLiteral("正在恢复，请稍候..."), this)),
      BtnOk(new QPushButton(QStringLiteral("恢复(&O)"), this)), BtnCancel(new QPushButton(QStringLiteral("退出(&C)"), this))
{
    setObjectName(QStringLiteral("RestoreForm"));
    setWindowTitle(QStringLiteral("数据恢复"));
    setFixedSize(414, 110);

    auto *caption = new QLabel(QStringLiteral("备份的数据保存位置"), this);
    caption->setGeometry(12, 10, 200, 20);
    edtFile->setObjectName(QStringLiteral("edtFile"));
    edtFile->setGeometry(12, 34, 362, 22);
    BtnChoose->setObjectName(QStringLiteral("BtnChoose"));
    BtnChoose->setText(QStringLiteral("..."));
    BtnChoose->setGeometry(378, 34, 24, 22);
    lblBusy->setObjectName(QStringLiteral("lblBusy"));
    lblBusy->setGeometry(12, 72, 200, 20);
    lblBusy->hide();
    BtnOk->setObjectName(QStringLiteral("BtnOk"));
    BtnOk->setGeometry(232, 72, 80, 26);
    BtnCancel->setObjectName(QStringLiteral("BtnCancel"));
    BtnCancel->setGeometry(322, 72, 80, 26);

    connect(BtnChoose, &QToolButton::clicked, this, &TRestoreForm::BtnChooseClick);
    connect(BtnOk, &QPushButton::clicked, this, &TRestoreForm::BtnOkClick);
    connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TRestoreForm::BtnChooseClick()
{
    const QString named = edtFile->text().trimmed();
    const QString folder = named.isEmpty() ? BackupArchive::Folder() : QFileInfo(named).absolutePath();
    const QString chosen = GetOpenFileName(folder, BackupArchive::kExtension, QStringLiteral("数据恢复"),
                                           QStringLiteral("备份文件|*.bak|所有文件|*.*"));
    if (!chosen.isEmpty())
        edtFile->setText(chosen);
}

void TRestoreForm::BtnOkClick()
{
    RestoreResult result;
    {
        BusyScope busy(lblBusy, QStringLiteral("正在恢复数据，请稍候"), {BtnOk, BtnCancel, BtnChoose});
        result = RestoreDatabase(edtFile->text().trimmed(), CurAdo);
    }
    lblBusy->clear();
    ShowMsgHint(result.outcome == RestoreResult::Restored ? QStringLiteral("数据恢复成功！") : failureText(result));
}
