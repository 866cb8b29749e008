#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The right-hand list of the field chooser: the columns a picker fills, in the order chosen.
class FieldChooserList
{
public:
    // Starts from a stored "a,b,c" (the empty text holds no column).
    explicit FieldChooserList(const QString &current);

    const QStringList &columns() const { return m_columns; }

    // Adds the chosen columns in their order, skipping those already listed.
    void add(const QStringList &chosen);
    void remove(const QStringList &chosen);

    // The message that refuses the list when it does not hold exactly `count` columns.
    std::optional<QString> refusal(int count) const;

    QString answer() const { return m_columns.join(QLatin1Char(',')); }

private:
    QStringList m_columns;
};
