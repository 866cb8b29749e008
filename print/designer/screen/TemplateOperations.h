#pragma once

#include "designer/screen/NoteNameChoice.h"

#include <QDate>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include <functional>

class DataSet;

// The designer's work on whole templates (p_NoteList rows with their fields and main-page
// icons). Rename, copy and delete are each one transaction that ends silently on a database
// error; every value is bound.
class TemplateOperations
{
public:
    explicit TemplateOperations(const QSqlDatabase &db) : m_db(db) {}

    // Name dialog: the kinds in list order, and what refuses a typed name (empty when none).
    QStringList kinds() const;
    QString nameFault(NoteNameMode mode, const QString &name, const QString &refNo) const;
    bool nameExists(const QString &name) const;

    // Look-ups of the screen.
    QString nameOfRefNo(qint64 refNo) const;  // empty for 0 or an unknown number
    QString refNoOf(const QString &name) const;
    QStringList formatsOfSameCategory(const QString &name) const;
    QStringList dataTables() const;
    QString mainTableOfKind(const QString &kind) const;

    // 新增: posts the new row at once and returns its RefNo.
    QString newTemplate(const NoteNameChoice &choice, const QString &userId, const QDate &today) const;

    // 修改单据名称: name, category, kind and the kind's data table; the main-page icon follows
    // the category, and a new category gets its icon at once (captioned with the category, as
    // every icon is). False (nothing changed) on a database error.
    bool rename(const QString &refNo, const NoteNameChoice &choice) const;

    // 复制: the template `sourceName` with its fields under a new number and the chosen names.
    // The copy is its category's default only when that category has none, and takes DefNote
    // from its category. A copy into another category gets that category's main-page icon when
    // it has none. Returns the copy's autoid, 0 on failure (nothing changed).
    qint64 copyNote(const QString &sourceName, const NoteNameChoice &choice) const;

    // 保存: in one transaction the header row's default flag (one default per category), the
    // header row, `writeFields` (the field batch) and the main-page icon of the category. Raises
    // on failure with nothing written.
    void save(DataSet &header, const std::function<void()> &writeFields) const;

    // The main-page icon of a saved template: one per category on the kind's tab, and none
    // added when the template has one of its own already.
    void saveUiEntry(const QString &refNo) const;

    // How many saved bills name the template (by NoteName, in its data table and in its kind's):
    // they can no longer be opened or printed once it is gone.
    qint64 billsMadeWith(const QString &refNo) const;

    // 删除: the template, its fields and its main-page icons (re-pointed to a format left in
    // the category); its picture once no other template names it. False on a database error.
    bool deleteTemplate(const QString &refNo) const;

private:
    qint64 iconTab(const QString &refNo, const QString &kind) const;
    void addCategoryIcon(qint64 tab, const QString &refNo, const QString &category) const;
    void settleUiEntries(const QString &refNo, const QString &oldCategory, const QString *newCategory) const;

    QSqlDatabase m_db;
};
