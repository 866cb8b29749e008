#include "BuiltFolders.h"
#include "core/globals/PubDm.h"
#include "gui/modules/FormClass.h"
#include "gui/modules/FormClassRegistry.h"
#include "gui/modules/ModuleLoadError.h"
#include "gui/modules/ModuleLoader.h"
#include "gui/modules/ModulePackage.h"

#include <QDialog>
#include <QTemporaryDir>
#include <QtTest>

#include <dlfcn.h>

namespace {

const QString kFake = QStringLiteral("FakeModule.so");

QString fakeFolder()
{
    return BuildFolder() + QStringLiteral("/tests/modules");
}

QString programFolder()
{
    return BuiltProgramFolder();
}

// Whether the dynamic linker still has the file mapped into the process.
bool isMapped(const QString &path)
{
    void *handle = dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_NOLOAD);
    if (handle)
        dlclose(handle);
    return handle != nullptr;
}

} // namespace

class TestModuleLoader : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_scratch.isValid());
        QFile broken(m_scratch.filePath(QStringLiteral("Broken.so")));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("not a library\n");
        broken.close();
        QVERIFY(QFile::copy(QDir(fakeFolder()).filePath(kFake), m_scratch.filePath(QStringLiteral("FakeCopy.so"))));
    }

    void registersOnLoadAndCreatesByName()
    {
        QCOMPARE(FindFormClass(QStringLiteral("TFakeChildForm")), nullptr);
        ModuleLoader loader(fakeFolder());
        ModulePackage &module = loader.load(kFake);
        QCOMPARE(&loader.load(kFake), &module);

        const FormClass &child = loader.formClass(kFake, QStringLiteral("TFakeChildForm"));
        const FormClass &dialog = loader.formClass(kFake, QStringLiteral("TFakeDialogForm"));
        QCOMPARE(child.windowKind(), WindowKind::ChildWindow);
        QCOMPARE(dialog.windowKind(), WindowKind::ModalDialog);
        QCOMPARE(&child.module(), &module);

        QWidget owner;
        QWidget *childForm = child.create(&owner);
        QWidget *dialogForm = dialog.create(&owner);
        QCOMPARE(childForm->metaObject()->className(), "TFakeChildForm");
        QCOMPARE(childForm->parentWidget(), &owner);
        QVERIFY(qobject_cast<QDialog *>(dialogForm));
        QCOMPARE(module.liveForms(), QList<QWidget *>({childForm, dialogForm}));
        delete childForm;
        QCOMPARE(module.liveForms(), QList<QWidget *>({dialogForm}));

        loader.unloadAll();
        QCOMPARE(FindFormClass(QStringLiteral("TFakeChildForm")), nullptr);
        QCOMPARE(loader.find(kFake), nullptr);
    }

    void unloadFreesFormsBeforeClassesAndLibrary()
    {
        const QString path = QDir(fakeFolder()).filePath(kFake);
        ModuleLoader loader(fakeFolder());
        const FormClass &child = loader.formClass(kFake, QStringLiteral("TFakeChildForm"));
        const FormClass &dialog = loader.formClass(kFake, QStringLiteral("TFakeDialogForm"));
        QVERIFY(isMapped(path));

        QStringList freed;
        for (QWidget *form : {child.create(nullptr), dialog.create(nullptr), child.create(nullptr)}) {
            const QString name = QString::fromLatin1(form->metaObject()->className());
            connect(form, &QObject::destroyed, this, [&freed, name, path] {
                const bool registered = FindFormClass(name) != nullptr;
                freed << QStringLiteral("%1 registered=%2 mapped=%3").arg(name).arg(registered).arg(isMapped(path));
            });
        }
        loader.unloadAll();
        QCOMPARE(freed, QStringList({"TFakeChildForm registered=1 mapped=1", "TFakeDialogForm registered=1 mapped=1",
                                     "TFakeChildForm registered=1 mapped=1"}));
        QCOMPARE(FindFormClass(QStringLiteral("TFakeDialogForm")), nullptr);
        QVERIFY(!isMapped(path));
    }

    void moduleSharesTheProgramsGlobals()
    {
        sCurUserId = QStringLiteral("出纳 clerk");
        ModuleLoader loader(fakeFolder());
        QWidget owner;
        QWidget *form = loader.formClass(kFake, QStringLiteral("TFakeChildForm")).create(&owner);
        QCOMPARE(form->property("userSeenByModule").toString(), sCurUserId);
        sCurUserId.clear();
        loader.unloadAll();
    }

    void failuresAreReported_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("fileName");
        QTest::newRow("missing file") << fakeFolder() << QStringLiteral("NoSuchModule.so");
        QTest::newRow("refused file") << m_scratch.path() << QStringLiteral("Broken.so");
        QTest::newRow("no entry point") << programFolder() << QStringLiteral("libTav.so");
        QTest::newRow("empty name") << fakeFolder() << QString();
        QTest::newRow("path out of the folder") << fakeFolder() << QStringLiteral("../modules/FakeModule.so");
        QTest::newRow("absolute path") << m_scratch.path() << QDir(fakeFolder()).filePath(kFake);
    }

    void failuresAreReported()
    {
        QFETCH(QString, folder);
        QFETCH(QString, fileName);
        ModuleLoader loader(folder);
        try {
            loader.load(fileName);
            QFAIL("the module loaded");
        } catch (const ModuleLoadError &error) {
            QCOMPARE(error.message(), QStringLiteral("程序%1加载失败").arg(fileName));
            QCOMPARE(error.fileName(), fileName);
            QVERIFY(!error.reason().isEmpty());
        }
        QCOMPARE(loader.find(fileName), nullptr);
        QCOMPARE(FindFormClass(QStringLiteral("TFakeChildForm")), nullptr);
    }

    void unregisteredClassIsReportedAndModuleStays()
    {
        ModuleLoader loader(fakeFolder());
        QVERIFY_THROWS_EXCEPTION(ModuleLoadError, loader.formClass(kFake, QStringLiteral("TNoSuchForm")));
        try {
            loader.formClass(kFake, QStringLiteral("TNoSuchForm"));
        } catch (const ModuleLoadError &error) {
            QCOMPARE(error.message(), QStringLiteral("程序FakeModule.so加载失败"));
        }
        QVERIFY(loader.find(kFake));
        QVERIFY(FindFormClass(QStringLiteral("TFakeChildForm")));
    }

    void secondModuleWithTheSameClassesIsRefused()
    {
        ModuleLoader loader(fakeFolder());
        ModulePackage &first = loader.load(kFake);
        loader.setFolder(m_scratch.path());
        QVERIFY_THROWS_EXCEPTION(ModuleLoadError, loader.load(QStringLiteral("FakeCopy.so")));
        QCOMPARE(loader.find(QStringLiteral("FakeCopy.so")), nullptr);
        QCOMPARE(&FindFormClass(QStringLiteral("TFakeChildForm"))->module(), &first);
        QCOMPARE(&FindFormClass(QStringLiteral("TFakeDialogForm"))->module(), &first);
        QVERIFY(!isMapped(m_scratch.filePath(QStringLiteral("FakeCopy.so"))));
    }

    void programModulesLoad_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::newRow("Print") << QStringLiteral("Print.so");
        QTest::newRow("Lumisk") << QStringLiteral("Lumisk.so");
        QTest::newRow("Fundora") << QStringLiteral("Fundora.so");
    }

    void programModulesLoad()
    {
        QFETCH(QString, fileName);
        QCOMPARE(ModuleLoader::defaultFolder(), QDir(programFolder()).absolutePath());
        ModuleLoader loader;
        QVERIFY(loader.load(fileName).isLoaded());
    }

private:
    QTemporaryDir m_scratch;
};

QTEST_MAIN(TestModuleLoader)
#include "tst_moduleloader.moc"
