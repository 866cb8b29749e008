#pragma once

#include <QString>
#include <QXmlStreamReader>

// Small helpers for walking the XML parts of an .xlsx package.

// Moves to the next start element, at any depth; false at the end of the part or on an error.
bool NextElement(QXmlStreamReader &xml);

// Raises SpreadsheetError (damaged) when the part was not well-formed or could not be read
// (a zip entry is read to its end first, so that its checksum is compared).
void RequireWellFormed(const QXmlStreamReader &xml);

// The text of the string element the reader stands on (<si> or <is>): its <t> and the <t> of
// its rich-text runs joined, phonetic runs left out, the "_xHHHH_" escapes decoded.
QString ReadStringItem(QXmlStreamReader &xml);

// Decodes the "_xHHHH_" escapes by which the format writes characters XML cannot hold.
QString DecodeXmlEscapes(const QString &text);
