#pragma once

class DataSet;

// Defaults of a new bill (the data set inserting, NoteName set) by its format's data table:
// 快递单 takes the sender from the own company marked as default sender; 银行转帐单 takes the
// payer (电汇单) or the payee (托收凭证) from the own default account and sets 币别 to 人民币;
// 现金缴款单 sets 币种 to 人民币. Without such a company entry (or before the company book
// exists) the company columns are emptied.
void SetDefaultValue(DataSet &bill);
