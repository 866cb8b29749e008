#include "goods/TGoodsForm.h"

#include "core/globals/PubDm.h"
#include "core/messages/MessageNames.h"
#include "goods/ProductEdit.h"

TGoodsForm::TGoodsForm(QWidget *owner) : TBaseDataListForm(MsgRefreshGoods.toString(), owner)
{
    setColumns({{QStringLiteral("PartNo"), QStringLiteral("商品编号")},
                {QStringLiteral("PartName"), QStringLiteral("品名")},
                {QStringLiteral("PartSpec"), QStringLiteral("规格")},
                {QStringLiteral("Unit"), QStringLiteral("单位")},
                {QStringLiteral("Price"), QStringLiteral("价格")}});
    openList(QStringLiteral("select * from Bs_ProdList"));
}

void TGoodsForm::openEditor(qint64 autoid)
{
    ProductEdit(CurAdo, Handle(), this, autoid);
}
