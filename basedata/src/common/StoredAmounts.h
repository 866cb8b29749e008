#pragma once

class DataSet;

// Every amount of a base-data screen shows each digit it holds: at least two decimals, up to
// the four an amount keeps, thousands grouped ("12.345", "1,234.50"), so the price a clerk
// reads is the price stored. True when a field's format was changed (the data set's bound
// boxes show it from the next read).
bool ShowStoredAmounts(DataSet &set);
