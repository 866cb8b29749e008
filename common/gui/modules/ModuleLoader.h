#pragma once

#include <QString>

#include <memory>
#include <vector>

class FormClass;
class ModulePackage;

// Loads modules by file name from the module folder, each once, and unloads them in load order.
class ModuleLoader
{
public:
    // The folder of the running program's libraries (where Corvane itself was loaded from).
    static QString defaultFolder();

    explicit ModuleLoader(QString folder = defaultFolder());
    ~ModuleLoader(); // unloadAll()

    ModuleLoader(const ModuleLoader &) = delete;
    ModuleLoader &operator=(const ModuleLoader &) = delete;

    const QString &folder() const { return m_folder; }
    void setFolder(const QString &folder) { m_folder = folder; }

    // The module of that file name (exact comparison), loaded now unless it already is. The
    // name must be a plain file name in the module folder. Raises ModuleLoadError when the name
    // is not such a name, the file is missing or refused, or it has no entry point; then nothing
    // is listed.
    ModulePackage &load(const QString &fileName);

    // The form class `className`, after loading `fileName` as load() does. Raises ModuleLoadError
    // naming the module file when the module cannot be loaded or no class of that name is
    // registered (the module then stays loaded).
    const FormClass &formClass(const QString &fileName, const QString &className);

    // The loaded module of that file name, or nullptr.
    ModulePackage *find(const QString &fileName) const;

    // Unloads every module in load order (see ModulePackage::unload) and forgets them.
    void unloadAll();

private:
    QString m_folder;
    std::vector<std::unique_ptr<ModulePackage>> m_modules;
};
