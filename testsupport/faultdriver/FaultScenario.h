#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// One piece of work the fault suite runs at every numbered file call, and what must hold after.
//   prepare(folder, refs): sets up a fresh program folder once (no faults); reference files for
//                          the checks go into `refs`, outside the folder.
//   run():                 does the work in the program folder (faults injected); returns what
//                          the program reported: "ok" or "failed: <reason>".
//   check(refs, reported): after the next start's clean-up, empty when the folder is
//                          consistent, else what is wrong. `reported` is empty after a kill.
struct FaultScenario
{
    QString name;
    std::function<void(const QString &folder, const QString &refs)> prepare;
    std::function<QString()> run;
    std::function<QString(const QString &refs, const QString &reported)> check;
    QStringList mayCreate; // files the work may add (relative to the folder)
};

const QList<FaultScenario> &FaultScenarios();
const FaultScenario *FindFaultScenario(const QString &name);
