#pragma once

// Menu ids of the screens (s_MenuDef.MenuId): "OpenForm" and the main menu open a screen by
// its id.
namespace MenuId {
inline constexpr int MainPage = 4330;
inline constexpr int Designer = 20035;
inline constexpr int BillForm = 20045;
inline constexpr int HistoryQuery = 20055;
inline constexpr int ChequeRegister = 20065;
inline constexpr int DataTables = 20075;
inline constexpr int BillKinds = 20085;
inline constexpr int CompanyBook = 20095;
inline constexpr int SystemSettings = 20110;
inline constexpr int Backup = 20115;
inline constexpr int Restore = 20120;
inline constexpr int Users = 20125;
inline constexpr int ChangePassword = 20130;
inline constexpr int Goods = 20135;
inline constexpr int DropDownLists = 20140;
inline constexpr int MainPageTabs = 20145;
}
