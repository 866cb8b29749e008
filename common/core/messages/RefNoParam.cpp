#include "core/messages/RefNoParam.h"

#include "core/errors/CorvaneError.h"

#include <QString>

qint64 PackRefNoParam(qint64 refNo, qint64 rowId)
{
    if (refNo < 0 || refNo > kMaxParamRefNo)
        throw CorvaneError(QStringLiteral("单据编号%1超出范围").arg(refNo));
    if (rowId < 0 || rowId > kMaxParamRowId)
        throw CorvaneError(QStringLiteral("支票记录号%1超出范围").arg(rowId));
    return (rowId << kRefNoParamBits) | refNo;
}

RefNoParam UnpackRefNoParam(qint64 lParam)
{
    return RefNoParam{lParam & kMaxParamRefNo, (lParam >> kRefNoParamBits) & kMaxParamRowId};
}
