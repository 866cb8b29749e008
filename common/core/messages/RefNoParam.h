#pragma once

#include <QtGlobal>

// The lParam of "OpenForm" and "OpenRefNo": a template's or bill's RefNo in the low 40 bits, and
// the cheque register's row id (0 when there is none) in the 23 bits above; the sign bit stays
// clear. The RefNo counter is shared by every template and bill, so it soon passes 16 bits; 40
// bits hold any RefNo the counter will reach, 23 bits any cheque row id.
struct RefNoParam
{
    qint64 refNo = 0;
    qint64 rowId = 0;
};

constexpr int kRefNoParamBits = 40;
constexpr qint64 kMaxParamRefNo = (qint64(1) << kRefNoParamBits) - 1;
constexpr qint64 kMaxParamRowId = (qint64(1) << (63 - kRefNoParamBits)) - 1;

// Packs both parts; a part that is negative or too large raises CorvaneError rather than
// opening another template.
qint64 PackRefNoParam(qint64 refNo, qint64 rowId = 0);

RefNoParam UnpackRefNoParam(qint64 lParam);
