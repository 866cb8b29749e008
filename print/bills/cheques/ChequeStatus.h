#pragma once

#include <QString>

// The states of a cheque in the register (p_Check.Status): bought and not yet used, printed
// onto by a bill, or void.
namespace ChequeStatus {
inline const QString Blank = QStringLiteral("空白");
inline const QString Printed = QStringLiteral("打印");
inline const QString Void = QStringLiteral("作废");
}
