-- System counter, version, users, menu definitions and the own company.
-- Names that are looked up compare without regard to letter case.

CREATE TABLE Bs_SysSet (
  SysNoteId INTEGER NOT NULL,
  MenuType  INTEGER,
  ProgId    TEXT
);
INSERT INTO Bs_SysSet (SysNoteId, MenuType, ProgId) VALUES (10000, 1, 'Quillet');

CREATE TABLE syspar (
  Version TEXT
);
INSERT INTO syspar (Version) VALUES ('2.08');

CREATE TABLE Bs_User (
  autoid   INTEGER PRIMARY KEY AUTOINCREMENT,
  UserId   TEXT NOT NULL COLLATE NOCASE,
  UserName TEXT,
  Password TEXT,
  LastTab  INTEGER
);
-- The shipped clear-text password is rewritten as a salted hash at the first login.
INSERT INTO Bs_User (UserId, UserName, Password, LastTab) VALUES ('admin', '系统管理员', 'admin', 0);

CREATE TABLE s_MenuDef (
  MenuType    INTEGER NOT NULL,
  MenuId      INTEGER NOT NULL,
  MenuCaption TEXT COLLATE NOCASE,
  Package     TEXT,
  FormName    TEXT,
  PRIMARY KEY (MenuType, MenuId)
);
INSERT INTO s_MenuDef (MenuType, MenuId, MenuCaption, Package, FormName) VALUES
  (1, 20035, '模板设计',     'Print.so',   'TDesignForm'),
  (1, 20045, '打印录入界面', 'Print.so',   'TEditNoteForm'),
  (1, 20055, '数据查询',     'Print.so',   'TDbQueryForm'),
  (1, 20065, '支票管理',     'Print.so',   'TCheckForm'),
  (1, 20075, '数据表编辑',   'Print.so',   'TEditTableForm'),
  (1, 20085, '打印类别',     'Print.so',   'TPrintTypeEditForm'),
  (1, 20095, '公司资料设置', 'Print.so',   'TCompanyForm'),
  (1, 20110, '系统设置',     'Print.so',   'TSysSetForm'),
  (1, 20115, '数据备份',     'Fundora.so', 'TBackUpForm'),
  (1, 20120, '数据恢复',     'Fundora.so', 'TRestoreForm'),
  (1, 20125, '用户资料',     'Fundora.so', 'TUserInfoForm'),
  (1, 20130, '修改密码',     'Fundora.so', 'TChangePassWForm'),
  (1, 20135, '商品资料维护', 'Fundora.so', 'TGoodsForm'),
  (1, 20140, '下拉选择编辑', 'Fundora.so', 'TDroplistForm'),
  (1, 20145, '打印界面',     'Print.so',   'TUiEditForm');

CREATE TABLE bs_compset (
  CustomNo  TEXT,
  TaxID     VARCHAR(15),
  CompName  VARCHAR(100),
  CompName2 VARCHAR(100),
  Addr      VARCHAR(100),
  Addr2     VARCHAR(100),
  PostCode  VARCHAR(10),
  Tel       VARCHAR(18),
  Fax       VARCHAR(18),
  Email     VARCHAR(40),
  HomePage  VARCHAR(40),
  President VARCHAR(30),
  BankName  VARCHAR(100),
  CompLogo  BLOB
);
INSERT INTO bs_compset (CompName) VALUES ('');

CREATE TABLE Bs_Customer (
  autoid   INTEGER PRIMARY KEY AUTOINCREMENT,
  CustNo   TEXT COLLATE NOCASE,
  CustName TEXT,
  Addr     TEXT,
  Tel      TEXT,
  Contact  TEXT
);
