#include "designer/model/DesignFieldRows.h"

#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/globals/PubDm.h"

DesignFieldRows::DesignFieldRows(QObject *parent) : QObject(parent), m_rows(std::make_unique<DataSet>())
{
    m_rows->setCachedUpdates(true);
}

DesignFieldRows::~DesignFieldRows() = default;

void DesignFieldRows::open(const QString &refNo)
{
    m_rows->close();
    m_rows->setConnection(CurAdo);
    m_rows->setSql(QStringLiteral("select * from p_NoteCntlList where RefNo = ? order by autoid"), {refNo});
    m_rows->open();
    m_refNo = refNo;
}

void DesignFieldRows::close()
{
    m_rows->close();
    m_refNo.clear();
}

bool DesignFieldRows::isOpen() const
{
    return m_rows->isActive();
}

QList<int> DesignFieldRows::tags() const
{
    QList<int> tags;
    if (!isOpen())
        return tags;
    const DataField *tag = m_rows->fieldByName(QStringLiteral("Tag"));
    for (int row = 0; row < m_rows->recordCount(); ++row)
        tags.append(m_rows->value(row, tag).toInt());
    return tags;
}

bool DesignFieldRows::contains(int tag) const
{
    return isOpen() && tags().contains(tag);
}

bool DesignFieldRows::locate(int tag) const
{
    return isOpen() && m_rows->locate(QStringLiteral("Tag"), tag);
}

QVariant DesignFieldRows::value(int tag, const QString &column) const
{
    if (!locate(tag))
        return {};
    return m_rows->fieldByName(column)->value();
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
    if (!locate(tag))
        return {};
    auto number = [this](const char *column) { return int(m_rows->fieldByName(QLatin1String(column))->asInteger()); };
    return QRect(number("Ctlx"), number("CtlY"), number("CtlW"), number("CtlH"));
}

QVariantMap DesignFieldRows::row(int tag) const
{
    QVariantMap values;
    if (!locate(tag))
        return values;
    for (const DataField *field : m_rows->fields())
        values.insert(field->name(), field->value());
    return values;
}

void DesignFieldRows::setValues(int tag, const QVariantMap &columns)
{
    if (!locate(tag))
        return;
    m_rows->edit();
    for (auto it = columns.cbegin(); it != columns.cend(); ++it)
        m_rows->fieldByName(it.key())->setValue(it.value());
    m_rows->post();
    emit rowChanged(tag);
}

void DesignFieldRows::setRect(int tag, const QRect &rect)
{
    setValues(tag, {{QStringLiteral("Ctlx"), rect.x()},
                    {QStringLiteral("CtlY"), rect.y()},
                    {QStringLiteral("CtlW"), rect.width()},
                    {QStringLiteral("CtlH"), rect.height()}});
}

void DesignFieldRows::insertRow(const QVariantMap &columns)
{
    m_rows->last();
    m_rows->append();
    for (auto it = columns.cbegin(); it != columns.cend(); ++it) {
        if (it.key().compare(QLatin1String("autoid"), Qt::CaseInsensitive) != 0)
            m_rows->fieldByName(it.key())->setValue(it.value());
    }
    m_rows->fieldByName(QStringLiteral("RefNo"))->setValue(m_refNo);
    m_rows->post();
    emit rowChanged(columns.value(QStringLiteral("Tag")).toInt());
}

void DesignFieldRows::removeRow(int tag)
{
    if (locate(tag))
        m_rows->deleteRecord();
}

bool DesignFieldRows::hasUnsavedChanges() const
{
    return isOpen() && m_rows->hasPendingUpdates();
}

void DesignFieldRows::write()
{
    if (isOpen())
        m_rows->applyUpdates();
}
