#pragma once

#include "designer/screen/NoteNameChoice.h"

#include <QSqlDatabase>
#include <QString>

#include <optional>

class QWidget;

// Shows the modal name dialog preset with `given`; the answer, or nothing on 取消. `refNo` is the
// template being renamed (mode Rename), else empty.
std::optional<NoteNameChoice> GetPrtNoteNameAndType(const QSqlDatabase &db, QWidget *owner, const NoteNameChoice &given,
                                                    const QString &refNo, NoteNameMode mode);
