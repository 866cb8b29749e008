#include "core/globals/PubDm.h"

QSqlDatabase CurAdo;
QString sCurUserId;
QString cCurComputerName;
QString sApplicationPath;
THandle MainWindowsHand = NoWindow;
QWidget *FmSysMain = nullptr;
THandle MainUIWindowsHand = NoWindow;
THandle hDataQueryWindowsHandle = NoWindow;
bool IsNetConnected = false;
int iCurCreateMod = 0;
QString sCurOpenWindowscaption;
int iChildWindowCount = 0;
qint64 iCurOpenAutoid = 0;
QList<qint64> arrBatchPrintid;
QString sToPrintFormName;
QList<DataSet *> arrToPrintDataSet;
QStringList arrToPrintDataSetAlias;
QStringList PrintVarAliasNameList;
QStringList PrintVarAliasValueList;
