#pragma once

class QWidget;

// Shows a screen that is a modal dialog but not a QDialog (list-edit dialogs are plain widgets)
// and returns only when it has been closed or freed, as QDialog::exec would.
void ShowModal(QWidget *form);
