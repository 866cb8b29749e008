-- Bill kinds (s_PrintType), the tabs of the main page (s_uiTab) and the icons on them (s_ui).
-- Names that are looked up compare without regard to letter case.

-- One row per bill kind; PrintName is the NoteType of its templates, MainTableName the data
-- table of its bills. Every reader orders by id.
CREATE TABLE s_PrintType (
  id            INTEGER PRIMARY KEY AUTOINCREMENT,
  PrintName     TEXT NOT NULL UNIQUE COLLATE NOCASE,
  PageNo        INTEGER,
  MainTableName TEXT COLLATE NOCASE,
  DtlTableName  TEXT COLLATE NOCASE,
  SubTableCount INTEGER DEFAULT 0
);
INSERT INTO s_PrintType (PrintName, PageNo, MainTableName, DtlTableName, SubTableCount) VALUES
  ('支票',       1, '银行转帐单', '',           0),
  ('进账单',     2, '银行转帐单', '',           0),
  ('电汇单',     3, '银行转帐单', '',           0),
  ('快递单',     4, '快递单',     '',           0),
  ('送货单',     5, '出货单',     '出货单明细', 1),
  ('现金缴款单', 6, '现金缴款单', '',           0),
  ('托收凭证',   7, '银行转帐单', '',           0),
  ('进仓单',     8, '进仓单',     '进仓单明细', 1);

-- One row per tab of the main page; 0 is the favourites tab. The designer files a new
-- template's icon under the tab whose caption is the template's kind.
CREATE TABLE s_uiTab (
  TabNo   SMALLINT,
  Caption TEXT COLLATE NOCASE,
  Visible bit DEFAULT 1,
  SeqNo   INTEGER
);
INSERT INTO s_uiTab (TabNo, Caption, Visible, SeqNo) VALUES
  (0, '常用单据',   1, 0),
  (1, '支票',       1, 1),
  (2, '进账单',     1, 2),
  (3, '电汇单',     1, 3),
  (4, '现金缴款单', 1, 4),
  (5, '托收凭证',   1, 5),
  (6, '快递单',     1, 6),
  (7, '送货单',     1, 7),
  (8, '进仓单',     1, 8);

-- One row per icon of the main page: ModId is the RefNo of the template it opens. The tab after
-- the highest visible one holds search results. Written by the main page, the designer and the
-- package import; no reader filters by user.
CREATE TABLE s_ui (
  UserId   TEXT COLLATE NOCASE,
  TabNo    INTEGER,
  ModId    INTEGER,
  MenuType INTEGER,
  Caption  TEXT,
  xPos     INTEGER,
  yPos     INTEGER
);
CREATE INDEX s_ui_TabNo ON s_ui (TabNo);
