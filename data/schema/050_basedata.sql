-- Base data kept by Fundora: the goods list and the named drop-down value lists.
-- Names that are looked up compare without regard to letter case.

-- Goods that delivery notes, warehouse receipts and the stock table refer to by PartNo, so a
-- number names one product.
CREATE TABLE Bs_ProdList (
  autoid   INTEGER PRIMARY KEY AUTOINCREMENT,
  PartNo   VARCHAR(20) NOT NULL UNIQUE COLLATE NOCASE,
  PartName TEXT,
  PartSpec TEXT,
  Unit     TEXT,
  Price    money,
  taxFlag  bit DEFAULT 0,
  TaxRate  TEXT,
  TaxPrice money
);

-- One row per value of a drop-down list; the rows of a list share DmName. The designer offers
-- the lists that have rows with level 1.
CREATE TABLE p_BaseCode (
  autoid  INTEGER PRIMARY KEY AUTOINCREMENT,
  DmName  TEXT COLLATE NOCASE,
  DmValue VARCHAR(80),
  level   INTEGER
);
CREATE INDEX p_BaseCode_DmName ON p_BaseCode (DmName);
INSERT INTO p_BaseCode (DmName, DmValue, level) VALUES
  ('计量单位', '个',   1),
  ('计量单位', '件',   1),
  ('计量单位', '台',   1),
  ('计量单位', '套',   1),
  ('计量单位', '只',   1),
  ('计量单位', '箱',   1),
  ('计量单位', '包',   1),
  ('计量单位', '盒',   1),
  ('计量单位', '本',   1),
  ('计量单位', '张',   1),
  ('计量单位', '米',   1),
  ('计量单位', '千克', 1),
  ('计量单位', '吨',   1),
  ('计量单位', '升',   1);
