-- A bill's number is unique in its header table: no path may store a second bill with it.
CREATE UNIQUE INDEX "银行转帐单_RefNo" ON "银行转帐单" (Refno);
CREATE UNIQUE INDEX "快递单_RefNo" ON "快递单" (Refno);
CREATE UNIQUE INDEX "出货单_RefNo" ON "出货单" (Refno);
CREATE UNIQUE INDEX "进仓单_RefNo" ON "进仓单" (Refno);
CREATE UNIQUE INDEX "收据_RefNo" ON "收据" (Refno);
CREATE UNIQUE INDEX "现金缴款单_RefNo" ON "现金缴款单" (Refno);
