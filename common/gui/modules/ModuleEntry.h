#pragma once

class ModulePackage;

// The one entry point of every module, looked up by this name when the module loads. It
// registers the module's form classes:
//
//   extern "C" Q_DECL_EXPORT void QuilletRegisterClasses(ModulePackage &module)
//   {
//       module.registerFormClass<TEditNoteForm>(WindowKind::ChildWindow);
//   }
//
// There is no counterpart: the loader unregisters the classes itself, after the module's forms
// are freed and before the library is unloaded.
extern "C" void QuilletRegisterClasses(ModulePackage &module);

inline constexpr char kModuleEntryName[] = "QuilletRegisterClasses";
