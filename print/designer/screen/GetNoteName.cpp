#include "designer/screen/GetNoteName.h"

#include "designer/screen/TGetNoteNameForm.h"

std::optional<NoteNameChoice> GetPrtNoteNameAndType(const QSqlDatabase &db, QWidget *owner, const NoteNameChoice &given,
                                                    const QString &refNo, NoteNameMode mode)
{
    TGetNoteNameForm dialog(db, owner, given, refNo, mode);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.choice();
}
