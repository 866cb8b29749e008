#include "designer/model/FieldChooserList.h"

FieldChooserList::FieldChooserList(const QString &current)
{
    if (!current.isEmpty())
        m_columns = current.split(QLatin1Char(','));
}

void FieldChooserList::add(const QStringList &chosen)
{
    for (const QString &column : chosen) {
        if (!m_columns.contains(column))
            m_columns.append(column);
    }
}

void FieldChooserList::remove(const QStringList &chosen)
{
    for (const QString &column : chosen)
        m_columns.removeAll(column);
}

std::optional<QString> FieldChooserList::refusal(int count) const
{
    if (m_columns.size() == count)
        return std::nullopt;
    return QStringLiteral("选择字段数量应该为%1个").arg(count);
}
