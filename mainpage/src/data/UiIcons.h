#pragma once

#include <QList>
#include <QPoint>
#include <QSqlDatabase>
#include <QString>

// The icons of the main page (s_ui): one row per icon on a tab, opening the format whose RefNo
// is its ModId. Rows are read without regard to the user that wrote them.
struct UiIcon
{
    qint64 rowId = 0;   // the s_ui row
    qint64 modId = 0;   // RefNo of the format it opens
    QString caption;    // as shown: the category, its number of formats, the default marker
    QString bareCaption; // as stored, without the default marker
    QString iconFile;   // the icon picture; empty when neither it nor "icons/default.bmp" exists
    bool isDefault = false;
    qint64 formatCount = 0; // formats of its category
};

// The marker a default format carries on its second line.
QString DefaultFormatMarker();

// A stored caption without the default marker (and the line break before it), trimmed.
QString BareIconCaption(const QString &storedCaption);
// The caption shown under an icon: the count of its category's formats when there are several,
// and the default marker on a second line.
QString ShownIconCaption(const QString &bareCaption, qint64 formatCount, bool isDefault);

// The icons of a tab, ordered by caption. An icon whose format is gone is left out: there is
// nothing it could open.
QList<UiIcon> TabIcons(const QSqlDatabase &db, int tabNo);

// A new icon row as the main page writes it.
struct UiIconRow
{
    int tabNo = 0;
    qint64 modId = 0;
    qint64 menuType = 0;
    QString caption;
    QPoint position;
};

// Adds the icon to its tab unless the tab already shows that format; true when a row was added.
bool InsertToUiList(const QSqlDatabase &db, const UiIconRow &row);

// Stores the caption the user gave an icon.
void SetIconCaption(const QSqlDatabase &db, qint64 rowId, const QString &caption);
