#pragma once

#include <QStringView>

// The names of the registered window messages between the program and its modules. Pass them
// to RegisterWindowMessage or IsMessage; the texts are fixed.
inline constexpr QStringView MsgOpenForm = u"OpenForm";                       // wParam menu id, lParam PackRefNoParam
inline constexpr QStringView MsgOpenRefNo = u"OpenRefNo";                     // wParam 0, lParam PackRefNoParam
inline constexpr QStringView MsgGetWinCaption = u"GetWinCaption";
inline constexpr QStringView MsgOnFormActive = u"ONFORMACTIVE";
inline constexpr QStringView MsgRefreshMainMenu = u"RefreshMainMenu";
inline constexpr QStringView MsgGetChildWindowCount = u"GetChildWindowCount";
inline constexpr QStringView MsgCloseSystem = u"关闭当前Quillet系统";         // posted
inline constexpr QStringView MsgToggleMenu = u"打开关闭菜单";
inline constexpr QStringView MsgNetworkCheck = u"Quillet检测网络连接";        // wParam 1: network up
inline constexpr QStringView MsgNetworkUp = u"Quillet网络连接正常";           // posted
inline constexpr QStringView MsgRefreshMainPage = u"Quillet客户端软件刷新主界面"; // lParam RefNo
inline constexpr QStringView MsgMainPagePopupMenu = u"Quillet客户端软件弹出菜单"; // wParam menu id
inline constexpr QStringView MsgCloseForm = u"CloseForm";
inline constexpr QStringView MsgRefreshQuery = u"Quillet查询界面刷新";
inline constexpr QStringView MsgPreviewPrint = u"Quillet预览界面打印";
inline constexpr QStringView MsgRefreshGoods = u"刷新商品资料";               // wParam saved autoid
inline constexpr QStringView MsgRefreshUsers = u"刷新用户资料";               // wParam saved autoid
