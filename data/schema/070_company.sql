-- The company book (bs_complist) and the lookup pickers offered to template fields (p_pickList).

-- One row per own company entry (bSelf 1: accounts, sender addresses) or partner (bSelf 0).
-- isDefault marks the own default payer account, kdDefault the own default waybill sender.
CREATE TABLE bs_complist (
  autoid        INTEGER PRIMARY KEY AUTOINCREMENT,
  bSelf         INTEGER DEFAULT 0,
  Compid        TEXT,
  compname      TEXT,
  identifier    TEXT,
  compbankname  TEXT,
  compbankcount TEXT,
  bankaddr      TEXT,
  bankNo        TEXT,
  country       TEXT,
  province      TEXT,
  city          TEXT,
  area          TEXT,
  compaddr      memo,
  mailNO        TEXT,
  contact       TEXT,
  telephone     TEXT,
  phone         TEXT,
  Telcode       TEXT,
  getgroup      TEXT,
  expandmsg     TEXT,
  def1          TEXT,
  def2          TEXT,
  def3          TEXT,
  isDefault     bit DEFAULT 0,
  kdDefault     bit DEFAULT 0
);

-- Readers take "the" default of a kind: marking an own entry as default clears the mark on the
-- other own entries in the same statement, whoever writes the row (screen, copy, import).
CREATE TRIGGER bs_complist_one_default_insert AFTER INSERT ON bs_complist
  WHEN new.bSelf = 1 AND new.isDefault = 1
BEGIN
  UPDATE bs_complist SET isDefault = 0 WHERE bSelf = 1 AND isDefault <> 0 AND autoid <> new.autoid;
END;
CREATE TRIGGER bs_complist_one_default_update AFTER UPDATE OF bSelf, isDefault ON bs_complist
  WHEN new.bSelf = 1 AND new.isDefault = 1
BEGIN
  UPDATE bs_complist SET isDefault = 0 WHERE bSelf = 1 AND isDefault <> 0 AND autoid <> new.autoid;
END;
CREATE TRIGGER bs_complist_one_sender_insert AFTER INSERT ON bs_complist
  WHEN new.bSelf = 1 AND new.kdDefault = 1
BEGIN
  UPDATE bs_complist SET kdDefault = 0 WHERE bSelf = 1 AND kdDefault <> 0 AND autoid <> new.autoid;
END;
CREATE TRIGGER bs_complist_one_sender_update AFTER UPDATE OF bSelf, kdDefault ON bs_complist
  WHEN new.bSelf = 1 AND new.kdDefault = 1
BEGIN
  UPDATE bs_complist SET kdDefault = 0 WHERE bSelf = 1 AND kdDefault <> 0 AND autoid <> new.autoid;
END;

-- The pickers a template field can name: tagid is the picker's number, RtnFieldCount the number
-- of values it returns, autoid the order of the designer's list. Shipped data only.
CREATE TABLE p_pickList (
  autoid        INTEGER PRIMARY KEY AUTOINCREMENT,
  PickName      TEXT NOT NULL UNIQUE COLLATE NOCASE,
  RtnFieldCount INTEGER,
  tagid         INTEGER
);
INSERT INTO p_pickList (autoid, PickName, RtnFieldCount, tagid) VALUES
  (1,  '选择银行账户资料', 6, 1),
  (2,  '选择公司资料',     4, 2),
  (3,  '选择产品',         5, 3),
  (4,  '选择收款账户',     6, 4),
  (5,  '选择收货单位',     4, 5),
  (6,  '选择单位资料',     9, 6),
  (7,  '选择寄件方',       9, 7),
  (8,  '选择收件方',       9, 8),
  (9,  '选择出票账户',     4, 9),
  (10, '选择付款账户',     6, 10),
  (11, '选择客户资料',     4, 11);
