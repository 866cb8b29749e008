#include "core/printfun/FontSubstitution.h"

#include <QCoreApplication>
#include <QFont>

namespace {
const QString kMing = QStringLiteral("AR PL UMing CN");
const QString kKai = QStringLiteral("AR PL UKai CN");
const QString kHei = QStringLiteral("WenQuanYi Zen Hei");
}

const QList<FontSubstitute> &FontSubstitutionTable()
{
    // Song, imitation Song and Ming faces share their serif strokes; Kai and the brush scripts
    // (Li, Xing) come closest to the Kai face; Hei, YaHei and the rounded faces are sans.
    // Latin faces go to their metric-compatible equivalents.
    static const QList<FontSubstitute> table = {
        {QStringLiteral("宋体"), kMing},
        {QStringLiteral("新宋体"), kMing},
        {QStringLiteral("宋体-方正超大字符集"), kMing},
        {QStringLiteral("SimSun"), kMing},
        {QStringLiteral("NSimSun"), kMing},
        {QStringLiteral("仿宋_GB2312"), kMing},
        {QStringLiteral("仿宋"), kMing},
        {QStringLiteral("FangSong_GB2312"), kMing},
        {QStringLiteral("FangSong"), kMing},
        {QStringLiteral("华文宋体"), kMing},
        {QStringLiteral("华文中宋"), kMing},
        {QStringLiteral("华文仿宋"), kMing},
        {QStringLiteral("楷体_GB2312"), kKai},
        {QStringLiteral("楷体"), kKai},
        {QStringLiteral("KaiTi_GB2312"), kKai},
        {QStringLiteral("KaiTi"), kKai},
        {QStringLiteral("华文楷体"), kKai},
        {QStringLiteral("华文行楷"), kKai},
        {QStringLiteral("隶书"), kKai},
        {QStringLiteral("华文隶书"), kKai},
        {QStringLiteral("LiSu"), kKai},
        {QStringLiteral("黑体"), kHei},
        {QStringLiteral("SimHei"), kHei},
        {QStringLiteral("微软雅黑"), kHei},
        {QStringLiteral("Microsoft YaHei"), kHei},
        {QStringLiteral("华文细黑"), kHei},
        {QStringLiteral("幼圆"), kHei},
        {QStringLiteral("YouYuan"), kHei},
        {QStringLiteral("Arial"), QStringLiteral("Liberation Sans")},
        {QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans")},
        {QStringLiteral("Verdana"), QStringLiteral("Liberation Sans")},
        {QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans")},
        {QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")},
        {QStringLiteral("Courier New"), QStringLiteral("Liberation Mono")},
    };
    return table;
}

namespace {
void installFontSubstitutions()
{
    for (const FontSubstitute &entry : FontSubstitutionTable())
        QFont::insertSubstitution(entry.windowsName, entry.installedFamily);
}
}
Q_COREAPP_STARTUP_FUNCTION(installFontSubstitutions)
