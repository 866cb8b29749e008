#include "gui/modules/ModuleLoader.h"

#include "gui/modules/FormClassRegistry.h"
#include "gui/modules/ModuleLoadError.h"
#include "gui/modules/ModulePackage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <dlfcn.h>

namespace {

// A module name comes from the database: it may name a file in the module folder and nothing
// else, never a path.
bool isPlainFileName(const QString &fileName)
{
    return !fileName.isEmpty() && fileName != QLatin1String(".") && fileName != QLatin1String("..")
        && !fileName.contains(QLatin1Char('/')) && !fileName.contains(QLatin1Char('\\'))
        && !fileName.contains(QChar(0));
}

} // namespace

QString ModuleLoader::defaultFolder()
{
    Dl_info info;
    if (dladdr(reinterpret_cast<void *>(&ModuleLoader::defaultFolder), &info) && info.dli_fname)
        return QFileInfo(QString::fromLocal8Bit(info.dli_fname)).absolutePath();
    return QCoreApplication::applicationDirPath();
}

ModuleLoader::ModuleLoader(QString folder) : m_folder(std::move(folder))
{
}

ModuleLoader::~ModuleLoader()
{
    unloadAll();
}

ModulePackage &ModuleLoader::load(const QString &fileName)
{
    if (ModulePackage *loaded = find(fileName))
        return *loaded;
    if (!isPlainFileName(fileName))
        throw ModuleLoadError(fileName, QStringLiteral("not a file name in the module folder"));
    const QString path = QFileInfo(QDir(m_folder).filePath(fileName)).absoluteFilePath();
    if (!QFileInfo(path).isFile())
        throw ModuleLoadError(fileName, QStringLiteral("%1 does not exist").arg(path));
    auto module = std::make_unique<ModulePackage>(fileName, path);
    module->load();
    m_modules.push_back(std::move(module));
    return *m_modules.back();
}

const FormClass &ModuleLoader::formClass(const QString &fileName, const QString &className)
{
    load(fileName);
    const FormClass *found = FindFormClass(className);
    if (!found)
        throw ModuleLoadError(fileName, QStringLiteral("no form class %1 is registered").arg(className));
    return *found;
}

ModulePackage *ModuleLoader::find(const QString &fileName) const
{
    for (const auto &module : m_modules)
        if (module->fileName() == fileName)
            return module.get();
    return nullptr;
}

void ModuleLoader::unloadAll()
{
    for (const auto &module : m_modules)
        module->unload();
    m_modules.clear();
}
