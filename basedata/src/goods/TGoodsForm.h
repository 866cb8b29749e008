#pragma once

#include "common/TBaseDataListForm.h"

// "商品资料维护": the goods list (Bs_ProdList), edited one product at a time in the product
// editor. Its grid has the pop-up menu and sorts by the title markers.
class TGoodsForm : public TBaseDataListForm
{
    Q_OBJECT

public:
    explicit TGoodsForm(QWidget *owner);

protected:
    void openEditor(qint64 autoid) override;
};
