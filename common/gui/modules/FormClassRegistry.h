#pragma once

#include <QString>

class FormClass;
class ModulePackage;

// The process-wide registry of form classes by name (exact comparison). Modules fill it through
// ModulePackage::registerFormClass while they load; the loader empties a module's part before it
// unloads the module.

// The class registered under the name, or nullptr. The pointer stays valid until its module
// is unloaded.
const FormClass *FindFormClass(const QString &name);

// Raises CorvaneError when the name is already registered.
void RegisterFormClass(const FormClass &formClass);

void UnregisterFormClasses(const ModulePackage &module);
