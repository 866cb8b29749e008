#pragma once

// Process-wide state shared by the program and every loaded module. Corvane is one shared
// library, so each of these exists exactly once in the process.

#include "core/globals/WindowHandle.h"

#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

class DataSet;
class QWidget;

extern QSqlDatabase CurAdo;            // the one open connection; invalid when none
extern QString sCurUserId;             // logged-in user id, as typed
extern QString cCurComputerName;       // never written: always empty
extern QString sApplicationPath;       // program folder, ending in a separator
extern THandle MainWindowsHand;
extern QWidget *FmSysMain;
extern THandle MainUIWindowsHand;
extern THandle hDataQueryWindowsHandle;
extern bool IsNetConnected;
extern int iCurCreateMod;
extern QString sCurOpenWindowscaption;
extern int iChildWindowCount;
extern qint64 iCurOpenAutoid;
extern QList<qint64> arrBatchPrintid;
extern QString sToPrintFormName;
extern QList<DataSet *> arrToPrintDataSet;
extern QStringList arrToPrintDataSetAlias;
extern QStringList PrintVarAliasNameList;
extern QStringList PrintVarAliasValueList;
