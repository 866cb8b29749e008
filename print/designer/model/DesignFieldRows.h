#pragma once

#include "core/template/TemplateDocument.h"

#include <QObject>
#include <QRect>
#include <QString>
#include <QVariant>
#include <QVariantMap>

// The fields of the template on the design page: the template document's field rows, edited in
// memory until write() stores them all in one transaction; close() and reopening drop them.
// Columns are named as stored in p_NoteCntlList.
class DesignFieldRows : public QObject
{
    Q_OBJECT

public:
    explicit DesignFieldRows(QObject *parent = nullptr);

    // Loads the fields of the template `refNo` in stored order; unsaved changes are dropped.
    // False, and closed, when there is no such template.
    bool open(const QString &refNo);
    // Takes the fields of a document already loaded.
    void open(const TemplateDocument &document);
    void close();
    bool isOpen() const { return m_open; }
    const QString &refNo() const { return m_document.note.refNo; }
    const TemplateDocument &document() const { return m_document; }

    // The Tags in row order (the creation order of the page's controls).
    QList<int> tags() const;
    bool contains(int tag) const { return field(tag) != nullptr; }
    // The field with that Tag; nullptr when there is none.
    const TemplateField *field(int tag) const;
    QVariant value(int tag, const QString &column) const;
    QString text(int tag, const QString &column) const;
    int integer(int tag, const QString &column) const;
    QRect rect(int tag) const;
    // The whole row, column -> value.
    QVariantMap row(int tag) const;

    // Writes columns of the row `tag`; a Tag without a row is skipped.
    void setValues(int tag, const QVariantMap &columns);
    void setRect(int tag, const QRect &rect);
    // Appends a field (it must carry its Tag).
    void insertField(TemplateField field);
    void removeRow(int tag);

    bool hasUnsavedChanges() const;
    // Stores every field of the template in one transaction (a savepoint inside a caller's),
    // leaving the template's row as it is stored; raises DatabaseError and keeps the changes
    // when the database refuses.
    void write();

signals:
    // A row's values changed in memory (one signal per row written).
    void rowChanged(int tag);

private:
    TemplateField *find(int tag);

    TemplateDocument m_document;
    QList<TemplateField> m_stored;
    bool m_open = false;
};
