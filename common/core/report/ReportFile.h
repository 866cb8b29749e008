#pragma once

#include "core/errors/CorvaneError.h"
#include "core/report/ReportDefinition.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// The report definition file (".Rep"): UTF-8 JSON, format "QuilletReport", version 1. The
// layout is described in docs/architecture.md ("Report engine"). Files of a later version are
// refused rather than read in part.

class ReportFileError : public CorvaneError
{
public:
    using CorvaneError::CorvaneError;
};

constexpr int kReportFileVersion = 1;

QByteArray ReportDefinitionToJson(const ReportDefinition &definition);
// Raises ReportFileError for text that is no report definition of a version this program reads.
ReportDefinition ReportDefinitionFromJson(const QByteArray &json);

ReportDefinition LoadReportFile(const QString &path);
// Written beside the target and renamed over it; raises ReportFileError when that fails.
void SaveReportFile(const QString &path, const ReportDefinition &definition);

// The empty design a missing file opens as: A4, a title, a page header, a master band over the
// first data set, a detail band over the second and a page footer, all without items.
ReportDefinition EmptyReportDefinition(const QStringList &dataSetAliases);
