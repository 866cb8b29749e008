// Start-up as the user waits for it: the program started as a process until its login dialog
// is painted, against a bare Qt dialog of the same size and controls started the same way. Both
// run offscreen with the plugin that ends the process at the first painted window. Also prints
// how many shared objects each has mapped by then.
#include "BenchSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <memory>

namespace {

std::filesystem::path buildFolder()
{
    return std::filesystem::read_symlink("/proc/self/exe").parent_path().parent_path();
}

QString inBuild(const char *relative)
{
    return QString::fromStdString((buildFolder() / relative).string());
}

std::vector<std::string> environment(const QString &home, bool countLibraries)
{
    const std::string at = home.toStdString();
    std::vector<std::string> env{"QT_QPA_PLATFORM=offscreen", "QT_QPA_GENERIC_PLUGINS=quilletpainted",
                                 "QT_PLUGIN_PATH=" + inBuild("benchmarks/plugins").toStdString(), "HOME=" + at,
                                 "XDG_DATA_HOME=" + at + "/.local/share", "XDG_CONFIG_HOME=" + at + "/.config",
                                 "XDG_DESKTOP_DIR=" + at + "/Desktop"};
    if (countLibraries)
        env.push_back("LD_DEBUG=files");
    return env;
}

// Runs the program until its first window is painted; with `countLibraries`, the number of
// shared objects the dynamic loader initialised by then.
bench::ProcessRun startUntilPainted(const QString &program, const QString &home, bool countLibraries = false)
{
    bench::ProcessRun run = bench::runProcess({program.toStdString()}, {}, environment(home, countLibraries));
    if (run.exitCode != 0 || run.output.rfind("painted ", 0) != 0)
        bench::fail(QStringLiteral("%1 did not paint its first window: %2").arg(program, QString::fromStdString(run.errors)));
    return run;
}

int librariesOf(const QString &program, const QString &home)
{
    const bench::ProcessRun run = startUntilPainted(program, home, true);
    int count = 0;
    for (std::size_t at = run.errors.find("calling init:"); at != std::string::npos; at = run.errors.find("calling init:", at + 1))
        ++count;
    return count;
}

struct Homes
{
    QTemporaryDir home;
    Homes() { QDir().mkpath(home.filePath(QStringLiteral("Desktop"))); }
};

Homes &homes()
{
    static Homes made;
    return made;
}

bench::Side startSide(const QString &program)
{
    auto peak = std::make_shared<double>(0);
    return {{}, [program, peak] { *peak = startUntilPainted(program, homes().home.path()).peakMb; },
            [peak] { return *peak; }};
}

bench::Side program()
{
    return startSide(inBuild("Quillet/Quillet"));
}

bench::Side bareDialog()
{
    return startSide(inBuild("benchmarks/bench_bare_dialog"));
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    std::printf("shared objects initialised until painted: program %d, bare dialog %d\n",
                librariesOf(inBuild("Quillet/Quillet"), homes().home.path()),
                librariesOf(inBuild("benchmarks/bench_bare_dialog"), homes().home.path()));
    bench::registerPaired("BM_StartupVsBareDialog", "start to login painted / bare dialog:", program, bareDialog, 21);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
