#pragma once

#include <QList>
#include <QPair>
#include <QString>

// The package XML is made by filling text templates that lie beside the program.

using TemplateValues = QList<QPair<QString, QString>>; // placeholder, text put in its place

// Replaces the first occurrence of each placeholder (exact case) in `text`. Every placeholder is
// looked for in the template as written, never in a value already put in, so a value that
// happens to contain a placeholder's text stays as it is.
QString FillTextTemplate(const QString &text, const TemplateValues &values);

// The text as XML character data: markup characters and carriage returns as references (the XML
// reader would otherwise turn CR LF into LF); characters XML cannot carry are left out.
QString XmlText(const QString &text);
