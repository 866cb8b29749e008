#pragma once

#include "core/globals/WindowHandle.h"

#include <QObject>

class QProcess;

// Starts the network-check companion beside the program with the main window's handle and turns
// each line it reports into a message for that window.
class NetworkReportReader : public QObject
{
    Q_OBJECT

public:
    explicit NetworkReportReader(QObject *parent = nullptr);
    ~NetworkReportReader() override;

    // The companion's path in the program folder.
    static QString companionPath();

    // Starts the companion; false when it is not there or does not start.
    bool start(THandle mainWindow);

    // Parses one report line; false when the line is not a report.
    static bool parseLine(const QByteArray &line, QString &message, THandle &target, qint64 &wParam);

Q_SIGNALS:
    void reported(const QString &message, THandle target, qint64 wParam);

private:
    void readReports();

    QProcess *m_process = nullptr;
};
