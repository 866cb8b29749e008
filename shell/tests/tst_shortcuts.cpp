#include "TemporaryHome.h"
#include "shortcuts/CreateExeShortcut.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

class TestShortcuts : public QObject
{
    Q_OBJECT

private:
    TemporaryHome m_home;
    QString m_target;

    static QString validate(const QString &file)
    {
        QProcess validator;
        validator.start(QStringLiteral("desktop-file-validate"), {file});
        validator.waitForFinished();
        return QString::fromUtf8(validator.readAllStandardOutput() + validator.readAllStandardError()).trimmed();
    }

private Q_SLOTS:
    void initTestCase()
    {
        // A program folder with blanks and a dollar sign, to exercise the quoting.
        QDir(m_home.path()).mkpath(QStringLiteral("程序 $folder"));
        m_target = m_home.path() + QStringLiteral("/程序 $folder/Quillet");
        QFile exe(m_target);
        QVERIFY(exe.open(QIODevice::WriteOnly));
        exe.write("#!/bin/sh\n");
        exe.close();
        exe.setPermissions(exe.permissions() | QFile::ExeOwner);
    }

    void writesValidEntriesTwice()
    {
        const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
        const QString applications = QStandardPaths::writableLocation(QStandardPaths::ApplicationsLocation);
        for (int start = 0; start < 2; ++start) {
            QVERIFY(CreateExeShortcut(m_target, QStringLiteral("Quillet"), QString(), kDesktopFolder));
            QVERIFY(CreateExeShortcut(m_target, QStringLiteral("Quillet"), QString(), kProgramsFolder));
        }
        for (const QString &folder : {desktop, applications}) {
            const QString file = QDir(folder).filePath(QStringLiteral("Quillet.desktop"));
            QVERIFY2(QFile::exists(file), qPrintable(file));
            QCOMPARE(validate(file), QString());
            QSettings entry(file, QSettings::IniFormat);
            QCOMPARE(entry.value(QStringLiteral("Desktop Entry/Path")).toString(), QFileInfo(m_target).absolutePath());
            QCOMPARE(entry.value(QStringLiteral("Desktop Entry/Icon")).toString(),
                     QFileInfo(m_target).absolutePath() + QStringLiteral("/icons/quillet.png"));
        }
    }

    // A start that finds its entry as it would write it leaves the file alone; a stale or
    // damaged one (program moved, file cut short, executable bit gone) is written again.
    void unchangedEntryIsLeftStaleOneRewritten()
    {
        QTemporaryDir links;
        const QString file = QDir(links.path()).filePath(QStringLiteral("Quillet.desktop"));
        const QByteArray expected = DesktopEntryText(m_target, QStringLiteral("Quillet")).toUtf8();
        QVERIFY(CreateExeShortcut(m_target, QStringLiteral("Quillet"), links.path(), -1));
        const auto inode = [&file] {
            struct stat info {};
            return ::stat(QFile::encodeName(file).constData(), &info) == 0 ? info.st_ino : ino_t{};
        };
        const auto before = inode();
        QVERIFY(CreateExeShortcut(m_target, QStringLiteral("Quillet"), links.path(), -1));
        QCOMPARE(inode(), before);

        const auto damage = [&file](const QByteArray &text, QFile::Permissions permissions) {
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(text);
            f.close();
            QVERIFY(f.setPermissions(permissions));
        };
        const QFile::Permissions readWrite = QFile::ReadOwner | QFile::WriteOwner;
        const QByteArray moved = DesktopEntryText(m_home.path() + QStringLiteral("/elsewhere/Quillet"), QStringLiteral("Quillet")).toUtf8();
        for (const auto &[text, permissions] : {std::pair{moved, readWrite | QFile::ExeOwner},
                                                std::pair{expected.left(expected.size() - 1), readWrite | QFile::ExeOwner},
                                                std::pair{expected, readWrite}}) {
            damage(text, permissions);
            QVERIFY(CreateExeShortcut(m_target, QStringLiteral("Quillet"), links.path(), -1));
            QFile f(file);
            QVERIFY(f.open(QIODevice::ReadOnly));
            QCOMPARE(f.readAll(), expected);
            QVERIFY(f.permissions().testFlag(QFile::ExeOwner));
        }
    }

    void execLineRunsTheTarget()
    {
        const QString text = DesktopEntryText(m_target, QStringLiteral("Quillet"));
        QVERIFY(text.contains(QStringLiteral("Exec=\"%1\"").arg(QString(m_target).replace(QStringLiteral("$"), QStringLiteral("\\\\$")))));
    }

    // A % in the program's folder is part of the path, not a field code for the launcher.
    void percentInThePathIsNoFieldCode()
    {
        QTemporaryDir links;
        QDir(m_home.path()).mkpath(QStringLiteral("100%u 程序"));
        const QString target = m_home.path() + QStringLiteral("/100%u 程序/Quillet");
        QVERIFY(QFile::copy(m_target, target));
        QVERIFY(CreateExeShortcut(target, QString(), links.path(), -1));
        const QString file = QDir(links.path()).filePath(QStringLiteral("Quillet.desktop"));
        QCOMPARE(validate(file), QString());
        QVERIFY(DesktopEntryText(target, QStringLiteral("Quillet")).contains(QStringLiteral("/100%%u 程序/Quillet\"")));
    }

    void refusals()
    {
        QVERIFY(!CreateExeShortcut(m_home.path() + QStringLiteral("/missing"), QString(), QString(), kDesktopFolder));
        QVERIFY(!CreateExeShortcut(m_target, QString(), m_home.path() + QStringLiteral("/no/such/folder"), -1));
    }

    void defaultsToTargetNameInGivenFolder()
    {
        QTemporaryDir folder;
        QVERIFY(CreateExeShortcut(m_target, QString(), folder.path() + '/', -1));
        QVERIFY(QFile::exists(folder.filePath(QStringLiteral("Quillet.desktop"))));
    }
};

QTEST_MAIN(TestShortcuts)
#include "tst_shortcuts.moc"
