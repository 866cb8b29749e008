#pragma once

#include "version/VersionReply.h"

#include <QObject>


// Fetches "/cs/version.txt" from the vendor's server without blocking the program. On a reply
// it stores the text as "WebVerInfo.ini" in the program folder and reports the three values;
// any failure (unreachable, HTTP error, time-out, file not writable) reports nothing usable.
class WebVersionCheck : public QObject
{
    Q_OBJECT

public:
    explicit WebVersionCheck(QObject *parent = nullptr);

    void setTimeoutMs(int milliseconds) { m_timeoutMs = milliseconds; }
    void start();

Q_SIGNALS:
    // ok false: the check failed and nothing changes on screen.
    void finished(bool ok, const WebVersionInfo &info);

private:
    int m_timeoutMs = 8000;
};
