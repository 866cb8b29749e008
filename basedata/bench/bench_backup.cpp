// A backup of a 200 MB database as the user makes it (开始 in the backup dialog, the target
// chosen, until the success message: read, deflate, write, read-back check, rename), against
// the zip tool's whole process packing the same file with the same password (`zip -9 -P`).
#include "BenchSupport.h"

#include "backup/TBackUpForm.h"
#include "core/globals/PubDm.h"
#include "gui/dialogs/FileDialogSeam.h"
#include "gui/dialogs/MessageSeam.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>

namespace {

// About 200 MB of cheques.
constexpr int kCheques = 290000;

QString programFolder()
{
    const QString folder = QStringLiteral("/tmp/quillet-bench-backup");
    QDir().mkpath(folder + QStringLiteral("/data"));
    QDir().mkpath(folder + QStringLiteral("/backup"));
    QDir().mkpath(folder + QStringLiteral("/tmp"));
    const QString database = folder + QStringLiteral("/data/data.db");
    const QString source = bench::chequeDatabase(kCheques);
    if (QFileInfo(database).size() != QFileInfo(source).size()) {
        QFile::remove(database);
        if (!QFile::copy(source, database))
            bench::fail(QStringLiteral("cannot make the program folder %1").arg(folder));
    }
    return folder;
}

const QString &folder()
{
    static const QString made = programFolder();
    return made;
}

bench::Side dialogBackup()
{
    qputenv("QUILLET_HOME", folder().toUtf8());
    bench::openCurAdo(folder() + QStringLiteral("/data/data.db"));
    const QString archive = folder() + QStringLiteral("/backup/bench.bak");
    FileDialogSeam::setHandler([archive](const FileDialogRequest &) { return archive; });
    static QStringList shown;
    MessageSeam::setHandler([](const MessageRequest &request) {
        shown.append(request.text);
        return QMessageBox::Ok;
    });
    static TBackUpForm *form = nullptr;
    if (!form) {
        form = new TBackUpForm;
        form->show();
        QApplication::processEvents();
    }
    return {[archive] {
                QFile::remove(archive);
                shown.clear();
            },
            [] {
                form->BtnOk->click();
                if (shown != QStringList{QStringLiteral("备份数据成功")})
                    bench::fail(QStringLiteral("the backup said %1").arg(shown.join(u'|')));
            }};
}

bench::Side zipTool()
{
    const QString archive = folder() + QStringLiteral("/backup/zip.zip");
    static double peak = 0;
    return {[archive] { QFile::remove(archive); },
            [archive] {
                const bench::ProcessRun zip = bench::runProcess(
                    {"zip", "-9", "-q", "-P", "vorp", archive.toStdString(), "data.db"},
                    (folder() + QStringLiteral("/data")).toStdString());
                if (zip.exitCode != 0)
                    bench::fail(QStringLiteral("zip failed: %1").arg(QString::fromStdString(zip.errors)));
                peak = zip.peakMb;
            },
            [] { return peak; }};
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    bench::registerPaired("BM_BackupVsZip", "backup 200 MB / zip -9 -P:", dialogBackup, zipTool, 5);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
