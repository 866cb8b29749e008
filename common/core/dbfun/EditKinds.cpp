#include "core/dbfun/EditKinds.h"

#include <QGuiApplication>
#include <QPalette>

const std::array<QString, EditKindCount> array_Component_EditType = {
    QStringLiteral("编辑器"),   QStringLiteral("选择器"),   QStringLiteral("下拉选择"), QStringLiteral("日期编辑"),
    QStringLiteral("多行文本"), QStringLiteral("文本显示"), QStringLiteral("一般文本"), QStringLiteral("复选框"),
    QStringLiteral("表格"),     QStringLiteral("勾选框"),   QStringLiteral("小写金额"), QStringLiteral("等距字符串"),
    QStringLiteral("多项勾选"), QStringLiteral("多项勾选2")};

const std::array<QString, EditKindCount> array_Component_ControlType = {
    QStringLiteral("TDBEDIT"),           QStringLiteral("TRzDBMemo"),       QStringLiteral("TRzDbEdit"),
    QStringLiteral("TRzDBButtonEdit"),   QStringLiteral("TDBComboBoxEh"),   QStringLiteral("TRzDBRadioGroup"),
    QStringLiteral("TRzDBDateTimeEdit"), QStringLiteral("TRzDBCheckBox"),   QStringLiteral("TFlatCheckBox"),
    QStringLiteral("TRzDBLabel"),        QStringLiteral("TLabel"),          QStringLiteral("TtavDBCurrencyEdit"),
    QStringLiteral("多项勾选"),          QStringLiteral("多项勾选2")};

QColor PanelGripColor(int kindIndex)
{
    static const std::array<QColor, EditKindCount> colours = {
        QColor(0, 128, 128), QColor(255, 255, 0),   QColor(0, 128, 0),     QColor(128, 0, 128),
        QColor(255, 0, 0),   QColor(255, 0, 255),   QColor(128, 128, 128), QColor(0, 0, 128),
        QColor(),            QColor(255, 255, 255), QColor(255, 255, 255), QColor(255, 255, 255),
        QColor(255, 255, 255), QColor(255, 255, 255)};
    if (kindIndex < 0 || kindIndex >= EditKindCount)
        return {};
    if (kindIndex == 8)
        return QGuiApplication::palette().color(QPalette::ToolTipBase);
    return colours.at(kindIndex);
}
