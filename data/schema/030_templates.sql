-- Bill templates (formats): one p_NoteList row per template, one p_NoteCntlList row per field;
-- and the system switches of bs_ParaList.
-- Names that are looked up compare without regard to letter case.

CREATE TABLE p_NoteList (
  autoid          INTEGER PRIMARY KEY AUTOINCREMENT,
  RefNo           TEXT NOT NULL UNIQUE,
  NoteName        TEXT NOT NULL UNIQUE COLLATE NOCASE,
  NoteNameType    TEXT COLLATE NOCASE,
  NoteType        TEXT COLLATE NOCASE,
  DataTablename   TEXT COLLATE NOCASE,
  DetailTableName TEXT COLLATE NOCASE,
  "default"       TEXT,
  DefNote         INTEGER DEFAULT 0,
  Xmove           REAL,
  Ymove           REAL,
  xDpi            INTEGER,
  yDpi            INTEGER,
  DpiUnit         INTEGER,
  ImgFile         TEXT,
  ImgEnc          INTEGER,
  tWidth          TEXT,
  tHeight         TEXT,
  ConvertRate1    TEXT,
  ConvertRate2    TEXT,
  smallpic        TEXT,
  ZoomFactor      REAL,
  xPanelPos       INTEGER,
  ReviseBy        TEXT,
  ReviseDate      datetime,
  Area            TEXT COLLATE NOCASE,
  BankName        TEXT COLLATE NOCASE,
  Version         TEXT,
  Type            TEXT,
  ShowInUi        TEXT,
  ShowInMenu      TEXT,
  PrinterName     TEXT
);
CREATE INDEX p_NoteList_NoteNameType ON p_NoteList (NoteNameType);
CREATE INDEX p_NoteList_NoteType ON p_NoteList (NoteType);

-- Ctlx, CtlY, CtlW, CtlH: position and size in pixels of the background picture. A field whose
-- Ctlx is NULL is not placed: the bill form and printing skip it.
CREATE TABLE p_NoteCntlList (
  autoid          INTEGER PRIMARY KEY AUTOINCREMENT,
  RefNo           TEXT NOT NULL,
  Tag             INTEGER,
  ParentId        INTEGER DEFAULT 0,
  CtlCName        TEXT,
  DbFieldName     TEXT,
  FieldEditType   TEXT,
  Ctlx            INTEGER,
  CtlY            INTEGER,
  CtlW            INTEGER,
  CtlH            INTEGER,
  CtlFontName     TEXT,
  xAlign          TEXT,
  yAlign          TEXT,
  NeedShow        TEXT,
  NeedPrint       TEXT,
  CaptionVisible  TEXT,
  MultiLine       TEXT,
  SumField        TEXT,
  InitType        INTEGER,
  DropDownName    TEXT,
  DropDownLevel   INTEGER,
  DropRelComp     TEXT,
  PickListName    TEXT,
  pickSetFields   TEXT,
  CheckRaidioCols INTEGER,
  DigitalCount    INTEGER,
  FitParam        INTEGER,
  CtlType         TEXT,
  GridTitleH      INTEGER,
  GridLineNum     INTEGER,
  GridCal         TEXT,
  readOnly        INTEGER,
  bEditDisplay    INTEGER
);
CREATE INDEX p_NoteCntlList_RefNo ON p_NoteCntlList (RefNo);

-- Writers that carry positions as text (the designer's edits, the package import) may hand an
-- empty Ctlx; it is stored as NULL, so "not placed" has one form only.
CREATE TRIGGER p_NoteCntlList_unplaced_insert AFTER INSERT ON p_NoteCntlList
  WHEN NEW.Ctlx IS NOT NULL AND trim(NEW.Ctlx) = ''
BEGIN
  UPDATE p_NoteCntlList SET Ctlx = NULL WHERE autoid = NEW.autoid;
END;
CREATE TRIGGER p_NoteCntlList_unplaced_update AFTER UPDATE OF Ctlx ON p_NoteCntlList
  WHEN NEW.Ctlx IS NOT NULL AND trim(NEW.Ctlx) = ''
BEGIN
  UPDATE p_NoteCntlList SET Ctlx = NULL WHERE autoid = NEW.autoid;
END;

-- The designer's selection is opened on this table with no rows and kept in memory; its rows
-- are never written.
CREATE TABLE p_DesSelect (
  Tag INTEGER
);

-- System switches: "是" switches on, anything else off. Type 1: the value is chosen from 是, 否.
CREATE TABLE bs_ParaList (
  autoid    INTEGER PRIMARY KEY AUTOINCREMENT,
  ParaName  TEXT NOT NULL UNIQUE COLLATE NOCASE,
  ParaValue TEXT,
  Type      INTEGER
);
INSERT INTO bs_ParaList (ParaName, ParaValue, Type) VALUES
  ('打印时是否自动保存',         '否', 1),
  ('打印支票时是否验证支票号码', '否', 1),
  ('打印时每次都显示选择框',     '否', 1),
  ('是否登录',                   '是', 1);
