#pragma once

// How the main window shows a form of a registered class.
enum class WindowKind {
    ChildWindow, // inside the main window's frame, with a tab
    ModalDialog, // shown modally; the opening returns when it closes
};
