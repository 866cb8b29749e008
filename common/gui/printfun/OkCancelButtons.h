#pragma once

class QDialog;
class QDialogButtonBox;

// The buttons 确定 and 取消 of a dialog, wired to its accept() and reject().
QDialogButtonBox *OkCancelButtons(QDialog *dialog);
