-- The cheque register: one row per bought blank cheque, followed from 空白 through 打印 or 作废.
-- Cheque numbers are texts (leading zeros count) and are looked up without regard to letter case.
CREATE TABLE p_Check (
  id           INTEGER PRIMARY KEY AUTOINCREMENT,
  NoteNo       varchar(40) NOT NULL COLLATE NOCASE UNIQUE,
  BankName     varchar(100),
  BuyDate      date,
  PrintDate    date,
  Status       varchar(10),
  CustName     varchar(100),
  PayUse       varchar(100),
  PayAmt       money,
  NoteTypeName varchar(50)
);
