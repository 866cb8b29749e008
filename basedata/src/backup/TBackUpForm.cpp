#include "backup/TBackUpForm.h"

#include "backup/BackupArchive.h"
#include "backup/BusyScope.h"
#include "backup/DatabaseBackup.h"
#include "core/db/MainDatabase.h"
#include "gui/dialogs/FileDialogs.h"
#include "gui/dialogs/MessageBoxes.h"
#include "gui/style/FormColor.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TBackUpForm::TBackUpForm(QWidget *owner)
    : QDialog(owner), edtPath(new QLineEdit(this)), lblBusy(new QLabel(QStringLiteral("正在备份..."), this)),
      BtnOk(new QPushButton(QStringLiteral("开始(&O)"), this)), BtnCancel(new QPushButton(QStringLiteral("退出(&C)"), this))
{
    setObjectName(QStringLiteral("BackUpForm"));
    setWindowTitle(QStringLiteral("数据备份"));
    setFixedSize(454, 92);

    auto *title = new QLabel(QStringLiteral("备份数据"), this);
    title->setObjectName(QStringLiteral("TitleLabel"));
    title->setGeometry(12, 8, 200, 20);
    edtPath->setObjectName(QStringLiteral("edtPath"));
    edtPath->setReadOnly(true);
    edtPath->setGeometry(12, 30, 430, 22);
    lblBusy->setObjectName(QStringLiteral("lblBusy"));
    lblBusy->setGeometry(12, 62, 200, 20);
    lblBusy->hide();
    BtnOk->setObjectName(QStringLiteral("BtnOk"));
    BtnOk->setGeometry(272, 60, 80, 26);
    BtnCancel->setObjectName(QStringLiteral("BtnCancel"));
    BtnCancel->setGeometry(362, 60, 80, 26);

    connect(BtnOk, &QPushButton::clicked, this, &TBackUpForm::BtnOkClick);
    connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);
    SetFormColor(this);
}

void TBackUpForm::showEvent(QShowEvent *event)
{
    edtPath->setText(QDir::toNativeSeparators(MainDatabaseFile()));
    QDialog::showEvent(event);
}

void TBackUpForm::BtnOkClick()
{
    const QString database = edtPath->text();
    if (!QFileInfo(database).isFile()) {
        ShowMsgHint(QStringLiteral("数据库文件") + database + QStringLiteral("不存在"));
        return;
    }
    const QString folder = BackupArchive::Folder();
    QDir().mkpath(folder);
    const QString archive = GetSaveFileName(folder, BackupArchive::kExtension,
                                            BackupArchive::ProposedName(QDateTime::currentDateTime()),
                                            QStringLiteral("数据备份"), QStringLiteral("备份文件|*.bak"));
    if (archive.isEmpty())
        return;
    ArchiveResult written;
    {
        BusyScope busy(lblBusy, QStringLiteral("正在备份..."), {BtnOk, BtnCancel});
        written = BackupDatabase(database, archive);
    }
    // A failure names its cause (a full disk among them) below the fixed text.
    ShowMsgHint(written.ok ? QStringLiteral("备份数据成功")
                           : QStringLiteral("备份数据失败") + (written.reason.isEmpty() ? QString() : QLatin1Char('\n') + written.reason));
}
