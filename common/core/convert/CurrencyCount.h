#pragma once

#include <QtGlobal>

// An amount as the currency type holds it: a signed count of ten-thousandths of a yuan
// (12.34 yuan is 123400).
using CurrencyCount = qint64;
