#pragma once

#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <optional>
#include <utility>

class DataField;
class DataSet;

// The names a report sees: each data set under its alias with its fields' display labels, and
// the variables. A field with a negative tag or an empty label is not published: reports
// neither list nor print it. Built afresh before every design, preview and print, so labels
// changed meanwhile are seen.
class ReportData
{
public:
    struct Field
    {
        QString label;
        QPointer<DataField> field;
    };
    struct Source
    {
        QString alias;
        QPointer<DataSet> dataSet;
        QList<Field> fields;
    };

    void addDataSet(const QString &alias, DataSet *dataSet);
    void addVariable(const QString &name, const QString &value);

    const QList<Source> &sources() const { return m_sources; }
    QStringList aliases() const;
    // Aliases compare without regard to letter case.
    const Source *source(const QString &alias) const;
    // A published field by label, else by field name (letter case ignored either way).
    const DataField *field(const QString &alias, const QString &name) const;
    int rowCount(const QString &alias) const;
    QVariant value(const QString &alias, const DataField *field, int row) const;

    const QList<std::pair<QString, QString>> &variables() const { return m_variables; }
    std::optional<QString> variable(const QString &name) const;

private:
    QList<Source> m_sources;
    QList<std::pair<QString, QString>> m_variables;
};

// Whether a field is offered to reports: tag not negative and a display label.
bool IsPublishedReportField(const DataField &field);
