#pragma once

#include <QMetaType>
#include <QString>

#include <optional>

// The version file of the vendor's web server: an INI text with section "update" and keys
// "Version", "NoteCount" and "Updatedate" (each "0" when missing).
struct WebVersionInfo
{
    QString version;
    QString noteCount;
    QString updateDate;
};

// Reads the reply text. An empty reply gives three empty texts.
WebVersionInfo ParseVersionReply(const QString &reply);

// What the status pane shows after a successful fetch, and its tag (0 unusable web version,
// 1 a newer version exists, 2 current).
struct VersionPaneState
{
    QString text;
    int tag = 0;
};
VersionPaneState DecideVersionPane(const WebVersionInfo &web, const QString &localVersion);

// Compares two decimal texts exactly ("2.08" equals "2.080"). Returns -1, 0 or 1; nullopt when
// either is not a decimal number.
Q_DECLARE_METATYPE(WebVersionInfo)

std::optional<int> CompareDecimalText(const QString &a, const QString &b);
