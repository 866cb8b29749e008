#include "core/report/ReportData.h"

#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"

bool IsPublishedReportField(const DataField &field)
{
    return field.tag() >= 0 && !field.displayLabel().trimmed().isEmpty();
}

void ReportData::addDataSet(const QString &alias, DataSet *dataSet)
{
    Source source;
    source.alias = alias;
    source.dataSet = dataSet;
    if (dataSet)
        for (DataField *field : dataSet->fields())
            if (IsPublishedReportField(*field))
                source.fields.append({field->displayLabel(), field});
    m_sources.append(source);
}

void ReportData::addVariable(const QString &name, const QString &value)
{
    m_variables.append({name, value});
}

QStringList ReportData::aliases() const
{
    QStringList names;
    for (const Source &source : m_sources)
        names.append(source.alias);
    return names;
}

const ReportData::Source *ReportData::source(const QString &alias) const
{
    for (const Source &source : m_sources)
        if (source.alias.compare(alias, Qt::CaseInsensitive) == 0)
            return &source;
    return nullptr;
}

const DataField *ReportData::field(const QString &alias, const QString &name) const
{
    const Source *found = source(alias);
    if (!found)
        return nullptr;
    for (const Field &candidate : found->fields)
        if (candidate.field && candidate.label.compare(name, Qt::CaseInsensitive) == 0)
            return candidate.field;
    for (const Field &candidate : found->fields)
        if (candidate.field && candidate.field->name().compare(name, Qt::CaseInsensitive) == 0)
            return candidate.field;
    return nullptr;
}

int ReportData::rowCount(const QString &alias) const
{
    const Source *found = source(alias);
    return found && found->dataSet && found->dataSet->isActive() ? found->dataSet->recordCount() : 0;
}

QVariant ReportData::value(const QString &alias, const DataField *field, int row) const
{
    const Source *found = source(alias);
    if (!found || !found->dataSet || !field)
        return {};
    return found->dataSet->value(row, field);
}

std::optional<QString> ReportData::variable(const QString &name) const
{
    for (const auto &[candidate, value] : m_variables)
        if (candidate == name)
            return value;
    return std::nullopt;
}
