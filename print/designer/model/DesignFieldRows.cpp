#include "designer/model/DesignFieldRows.h"

#include "core/db/AdoFunc.h"
#include "core/db/Transaction.h"
#include "core/errors/CorvaneError.h"
#include "core/globals/PubDm.h"
#include "core/template/TemplateColumns.h"
#include "core/template/TemplateStore.h"

#include <QPointer>

#include <algorithm>

namespace {
std::optional<TemplateDocument> loadByRefNo(const QString &refNo)
{
    const QString name = SelTableStringValue(CurAdo, QStringLiteral("select NoteName from p_NoteList where RefNo = ?"), {refNo});
    if (name.isEmpty())
        return std::nullopt;
    return LoadTemplate(CurAdo, name);
}
}

DesignFieldRows::DesignFieldRows(QObject *parent) : QObject(parent) {}

bool DesignFieldRows::open(const QString &refNo)
{
    const std::optional<TemplateDocument> document = loadByRefNo(refNo);
    if (!document) {
        close();
        return false;
    }
    open(*document);
    return true;
}

void DesignFieldRows::open(const TemplateDocument &document)
{
    m_document = document;
    m_stored = document.fields;
    m_open = true;
}

void DesignFieldRows::close()
{
    m_document = TemplateDocument();
    m_stored.clear();
    m_open = false;
}

QList<int> DesignFieldRows::tags() const
{
    QList<int> tags;
    for (const TemplateField &field : m_document.fields)
        tags.append(field.tag);
    return tags;
}

const TemplateField *DesignFieldRows::field(int tag) const
{
    const auto it = std::find_if(m_document.fields.cbegin(), m_document.fields.cend(),
                                 [tag](const TemplateField &field) { return field.tag == tag; });
    return it == m_document.fields.cend() ? nullptr : &*it;
}

TemplateField *DesignFieldRows::find(int tag)
{
    // Non-const access detaches the list from the stored copy it shares.
    const auto it = std::find_if(m_document.fields.begin(), m_document.fields.end(),
                                 [tag](const TemplateField &field) { return field.tag == tag; });
    return it == m_document.fields.end() ? nullptr : &*it;
}

QVariant DesignFieldRows::value(int tag, const QString &column) const
{
    const TemplateField *found = field(tag);
    return found ? FieldColumn(column).stored(*found) : QVariant();
}

QString DesignFieldRows::text(int tag, const QString &column) const
{
    return value(tag, column).toString();
}

int DesignFieldRows::integer(int tag, const QString &column) const
{
    return value(tag, column).toInt();
}

QRect DesignFieldRows::rect(int tag) const
{
    const TemplateField *found = field(tag);
    return found ? found->rect.toRect() : QRect();
}

QVariantMap DesignFieldRows::row(int tag) const
{
    QVariantMap values;
    if (const TemplateField *found = field(tag)) {
        for (const TemplateColumn<TemplateField> &column : FieldColumns())
            values.insert(column.name, column.stored(*found));
    }
    return values;
}

void DesignFieldRows::setValues(int tag, const QVariantMap &columns)
{
    TemplateField *found = find(tag);
    if (!found)
        return;
    for (auto it = columns.cbegin(); it != columns.cend(); ++it)
        FieldColumn(it.key()).load(*found, it.value());
    emit rowChanged(found->tag);
}

void DesignFieldRows::setRect(int tag, const QRect &rect)
{
    TemplateField *found = find(tag);
    if (!found)
        return;
    found->placed = true;
    found->rect = PictureRect::fromRect(rect);
    emit rowChanged(tag);
}

void DesignFieldRows::insertField(TemplateField field)
{
    field.refNo = refNo();
    field.autoid = 0;
    m_document.fields.append(field);
    emit rowChanged(field.tag);
}

void DesignFieldRows::removeRow(int tag)
{
    m_document.fields.removeIf([tag](const TemplateField &field) { return field.tag == tag; });
}

bool DesignFieldRows::hasUnsavedChanges() const
{
    return m_open && m_document.fields != m_stored;
}

void DesignFieldRows::write()
{
    if (!m_open)
        return;
    // Only the fields: the template's row (its default flag above all) is the header's to write.
    QList<TemplateField> fields = m_document.fields;
    if (!SaveTemplateFields(CurAdo, refNo(), fields))
        throw CorvaneError(QStringLiteral("单据格式已被删除，字段不能保存"));
    m_document.fields = fields;
    // They count as stored once the caller's transaction keeps them: a failed commit after this
    // leaves them unsaved, so nothing typed is taken for saved.
    if (Transaction *open = Transaction::current(CurAdo)) {
        QPointer<DesignFieldRows> self(this);
        open->onCommit([self, fields] {
            if (self)
                self->m_stored = fields;
        });
        return;
    }
    m_stored = fields;
}
