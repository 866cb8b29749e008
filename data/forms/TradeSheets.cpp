// The trade forms: express waybill, delivery note and warehouse receipt, drawn at 96 dots per
// inch. Delivery notes and receipts are printed on 241 mm continuous paper, cut in halves.
#include "SheetLayout.h"
#include "ShippedSheets.h"

#include "core/dbfun/BillColumns.h"

namespace {

// One party of the waybill: its nine address fields, the name field picking all of them.
void waybillParty(SheetLayout &layout, int left, const QString &title, const QString &pickList, const QString &prefix,
                  const QString &namePrefix)
{
    FormCanvas &c = layout.canvas();
    const int top = 76, rowH = 34, width = 415;
    c.frame(QRect(left, top, width, 7 * rowH), 1);
    c.stackedText(QRect(left, top + 10, 28, 7 * rowH - 20), title, 16);
    c.vLine(left + 28, top, top + 7 * rowH);
    const int x = left + 28, w = width - 28;
    auto row = [&](int index, const QString &caption, int rows = 1) {
        return layout.captionCell(QRect(x, top + index * rowH, w, rows * rowH), caption, 70);
    };
    const QString name = namePrefix + QStringLiteral("名称");
    SheetField &picked = layout.fieldIn(QStringLiteral("单位名称"), name, QStringLiteral("选择器"), row(0, QStringLiteral("单位名称")));
    picked.pickList = pickList;
    // The company book's address fields, in the picker's return order.
    picked.pickTargets = QStringList{name,
                                     namePrefix + QStringLiteral("地址"),
                                     namePrefix + QStringLiteral("联系人"),
                                     prefix + QStringLiteral("手机"),
                                     namePrefix + QStringLiteral("电话"),
                                     namePrefix + QStringLiteral("邮编"),
                                     prefix + QStringLiteral("省"),
                                     prefix + QStringLiteral("市"),
                                     prefix + QStringLiteral("区")}
                             .join(QLatin1Char(','));
    layout.fieldIn(QStringLiteral("联系人"), namePrefix + QStringLiteral("联系人"), QStringLiteral("编辑器"),
                   row(1, QStringLiteral("联 系 人")));
    SheetField &address = layout.fieldIn(QStringLiteral("地址"), namePrefix + QStringLiteral("地址"), QStringLiteral("多行文本"),
                                         row(2, QStringLiteral("详细地址"), 2));
    address.font = QStringLiteral("宋体;11;;;;");
    const QRect place = row(4, QStringLiteral("省 市 区"));
    const int third = place.width() / 3;
    SheetField &province = layout.fieldIn(QStringLiteral("省"), prefix + QStringLiteral("省"), QStringLiteral("下拉选择"),
                                          QRect(place.left(), place.top(), third, place.height()));
    province.dropDown = QStringLiteral("省");
    province.dropRelated = prefix + QStringLiteral("市");
    SheetField &city = layout.fieldIn(QStringLiteral("市"), prefix + QStringLiteral("市"), QStringLiteral("下拉选择"),
                                      QRect(place.left() + third, place.top(), third, place.height()));
    city.dropDown = QStringLiteral("市");
    layout.fieldIn(QStringLiteral("区"), prefix + QStringLiteral("区"), QStringLiteral("编辑器"),
                   QRect(place.left() + 2 * third, place.top(), place.width() - 2 * third, place.height()));
    c.vLine(place.left() + third, place.top(), place.bottom(), 0.6);
    c.vLine(place.left() + 2 * third, place.top(), place.bottom(), 0.6);
    const QRect phones = row(5, QStringLiteral("电　　话"));
    const int half = phones.width() / 2;
    layout.fieldIn(QStringLiteral("电话"), namePrefix + QStringLiteral("电话"), QStringLiteral("编辑器"),
                   QRect(phones.left(), phones.top(), half, phones.height()));
    c.vLine(phones.left() + half, phones.top(), phones.bottom());
    c.text(QRect(phones.left() + half, phones.top(), 44, phones.height()), QStringLiteral("手机"), 14);
    c.vLine(phones.left() + half + 44, phones.top(), phones.bottom(), 0.6);
    layout.fieldIn(QStringLiteral("手机"), prefix + QStringLiteral("手机"), QStringLiteral("编辑器"),
                   QRect(phones.left() + half + 44, phones.top(), phones.width() - half - 44, phones.height()));
    layout.fieldIn(QStringLiteral("邮编"), namePrefix + QStringLiteral("邮编"), QStringLiteral("编辑器"),
                   row(6, QStringLiteral("邮政编码")));
}

// The table of goods of a delivery note or a receipt, with its total in capitals and figures.
void goodsTable(SheetLayout &layout, const QString &detailTable)
{
    FormCanvas &c = layout.canvas();
    const QRect rows(20, 160, 871, 180);
    const int grid = layout.grid(QStringLiteral("明细"), detailTable, rows, 30, 6, QStringLiteral("小计 =单价 *数量"));
    const struct { const char *caption; const char *column; int left, width; } columns[] = {
        {"产品编号", "产品编号", 20, 110}, {"品名", "品名", 130, 180}, {"规格", "规格", 310, 120},
        {"单位", "单位", 430, 60},         {"仓库", "仓库", 490, 100}, {"数量", "数量", 590, 80},
        {"单价", "单价", 670, 100},        {"金额", "小计", 770, 121},
    };
    for (const auto &column : columns) {
        const QString name = QString::fromUtf8(column.column);
        SheetField &field = layout.gridColumn(grid, QString::fromUtf8(column.caption), name,
                                              name == QStringLiteral("产品编号") ? QStringLiteral("选择器") : QStringLiteral("编辑器"),
                                              column.left, column.width);
        if (name == QStringLiteral("产品编号")) {
            field.pickList = QStringLiteral("选择产品");
            field.pickTargets = QStringLiteral("产品编号,品名,规格,单位,单价");
        }
        if (name == QStringLiteral("小计"))
            field.sumField = QStringLiteral("合计金额");
        if (name == QStringLiteral("数量") || name == QStringLiteral("单价") || name == QStringLiteral("小计"))
            field.xAlign = QStringLiteral("居右");
    }
    const QRect total(20, 340, 871, 32);
    c.frame(total, 1);
    c.text(QRect(20, 340, 150, 32), QStringLiteral("合计金额（大写）"), 14);
    c.vLine(170, 340, 372);
    layout.fieldIn(QStringLiteral("合计大写"), CapitalAmountColumn(QStringLiteral("合计金额")), QStringLiteral("文本显示"),
                   QRect(170, 340, 420, 32));
    c.vLine(590, 340, 372);
    c.text(QRect(590, 340, 100, 32), QStringLiteral("合计 ￥"), 14);
    c.vLine(690, 340, 372);
    SheetField &figures = layout.fieldIn(QStringLiteral("合计金额"), QStringLiteral("合计金额"), QStringLiteral("文本显示"),
                                         QRect(690, 340, 201, 32));
    figures.xAlign = QStringLiteral("居右");
}

void copiesNote(FormCanvas &c, int width, int y)
{
    c.text(QRect(20, y, width - 40, 20), QStringLiteral("第一联　存根（白）　　第二联　客户（红）　　第三联　回单（黄）"), 12,
           Qt::AlignRight | Qt::AlignVCenter);
}

} // namespace

// 快递运单, 230 x 127 mm.
FormSheet WaybillSheet()
{
    FormSheet sheet = NewFormSheet(QStringLiteral("快递单"), QStringLiteral("1006"), QStringLiteral("waybill"),
                                 QStringLiteral("快递单"), 230, 127, QColor(0xc0, 0x39, 0x2b), QStringLiteral("快"));
    sheet.layOut = [](SheetLayout &layout) {
        FormCanvas &c = layout.canvas();
        c.title(QRect(280, 6, 309, 36), QStringLiteral("快 递 运 单"), 26);
        layout.datePartsInFigures(QPoint(580, 48), QStringLiteral("寄件日期"), QStringLiteral("寄件日期"));
        waybillParty(layout, 20, QStringLiteral("寄件人"), QStringLiteral("选择寄件方"), QStringLiteral("寄件"),
                     QStringLiteral("寄件人"));
        waybillParty(layout, 435, QStringLiteral("收件人"), QStringLiteral("选择收件方"), QStringLiteral("收件"),
                     QStringLiteral("收件人"));
        const int top = 76 + 7 * 34, rowH = 34;
        const QRect goods = layout.captionCell(QRect(20, top, 415, rowH), QStringLiteral("货品名称"), 98);
        layout.fieldIn(QStringLiteral("货品名称"), QStringLiteral("货品名称"), QStringLiteral("编辑器"), goods);
        const QRect pieces = layout.captionCell(QRect(435, top, 415, rowH), QStringLiteral("件　　数"), 98);
        SheetField &count = layout.fieldIn(QStringLiteral("件数"), QStringLiteral("件数"), QStringLiteral("编辑器"), pieces);
        count.xAlign = QStringLiteral("居中");
        const QRect declared = layout.captionCell(QRect(20, top + rowH, 415, rowH), QStringLiteral("声明价值"), 98);
        SheetField &value = layout.fieldIn(QStringLiteral("声明价值"), QStringLiteral("声明价值"), QStringLiteral("编辑器"), declared);
        value.xAlign = QStringLiteral("居右");
        const QRect cod = layout.captionCell(QRect(435, top + rowH, 415, rowH), QStringLiteral("代收货款"), 98);
        SheetField &codFigures = layout.fieldIn(QStringLiteral("代收货款"), QStringLiteral("代收货款"), QStringLiteral("编辑器"),
                                                QRect(cod.left(), cod.top(), 110, cod.height()));
        codFigures.xAlign = QStringLiteral("居右");
        c.vLine(cod.left() + 110, cod.top(), cod.bottom(), 0.6);
        layout.fieldIn(QStringLiteral("代收货款大写"), CapitalAmountColumn(QStringLiteral("代收货款")), QStringLiteral("文本显示"),
                       QRect(cod.left() + 110, cod.top(), cod.width() - 110, cod.height()));
        const QRect payment = layout.captionCell(QRect(20, top + 2 * rowH, 415, rowH), QStringLiteral("付款方式"), 98);
        c.text(payment.adjusted(0, 0, -6, 0), QStringLiteral("寄付 / 到付 / 月结"), 11, Qt::AlignRight | Qt::AlignVCenter);
        layout.fieldIn(QStringLiteral("付款方式"), QStringLiteral("运费支付方式"), QStringLiteral("编辑器"),
                       QRect(payment.left(), payment.top(), payment.width() - 120, payment.height()));
        const QRect signature = layout.captionCell(QRect(435, top + 2 * rowH, 415, rowH), QStringLiteral("寄件人签名"), 98);
        Q_UNUSED(signature);
        c.text(QRect(20, top + 3 * rowH + 4, 830, 20), QStringLiteral("寄件人已阅读并同意背面契约条款"), 12,
               Qt::AlignLeft | Qt::AlignVCenter);
    };
    return sheet;
}

// 送货单, 241 x 140 mm (241 mm continuous paper, halves).
FormSheet DeliveryNoteSheet()
{
    FormSheet sheet = NewFormSheet(QStringLiteral("送货单"), QStringLiteral("1007"), QStringLiteral("delivery"),
                                 QStringLiteral("出货单"), 241, 140, QColor(0x1d, 0x5f, 0x8a), QStringLiteral("送"));
    sheet.detailTable = QStringLiteral("出货单明细");
    sheet.layOut = [](SheetLayout &layout) {
        FormCanvas &c = layout.canvas();
        c.title(QRect(330, 8, 250, 40), QStringLiteral("送　货　单"), 30);
        const QRect customer = c.underlined(QRect(20, 62, 500, 28), QStringLiteral("收货单位："), 84);
        SheetField &picked = layout.field(QStringLiteral("收货单位"), QStringLiteral("收货单位"), QStringLiteral("选择器"),
                                          customer.adjusted(0, 2, 0, -2));
        picked.pickList = QStringLiteral("选择收货单位");
        // 客户编号 is the company book's entry: 转快递单 takes the receiver's address from it.
        picked.pickTargets = QStringLiteral("收货单位,地址,电话,客户编号");
        const QRect date = c.underlined(QRect(560, 62, 331, 28), QStringLiteral("日　　期："), 84);
        layout.field(QStringLiteral("日期"), QStringLiteral("出货日期"), QStringLiteral("日期编辑"), date.adjusted(0, 2, 0, -2));
        const QRect address = c.underlined(QRect(20, 94, 500, 28), QStringLiteral("地　　址："), 84);
        layout.field(QStringLiteral("地址"), QStringLiteral("地址"), QStringLiteral("编辑器"), address.adjusted(0, 2, 0, -2));
        const QRect phone = c.underlined(QRect(560, 94, 331, 28), QStringLiteral("电　　话："), 84);
        layout.field(QStringLiteral("电话"), QStringLiteral("电话"), QStringLiteral("编辑器"), phone.adjusted(0, 2, 0, -2));
        goodsTable(layout, QStringLiteral("出货单明细"));
        c.text(QRect(20, 384, 871, 28), QStringLiteral("收货人签字：　　　　　　　　　　送货人：　　　　　　　　　　制单："), 14,
               Qt::AlignLeft | Qt::AlignVCenter);
        copiesNote(c, layout.width(), 420);
    };
    return sheet;
}

// 进仓单, 241 x 140 mm (241 mm continuous paper, halves).
FormSheet WarehouseReceiptSheet()
{
    FormSheet sheet = NewFormSheet(QStringLiteral("进仓单"), QStringLiteral("1008"), QStringLiteral("receipt"),
                                 QStringLiteral("进仓单"), 241, 140, QColor(0x3d, 0x6b, 0x2a), QStringLiteral("仓"));
    sheet.detailTable = QStringLiteral("进仓单明细");
    sheet.layOut = [](SheetLayout &layout) {
        FormCanvas &c = layout.canvas();
        c.title(QRect(330, 8, 250, 40), QStringLiteral("进　仓　单"), 30);
        const QRect supplier = c.underlined(QRect(20, 94, 500, 28), QStringLiteral("供货单位："), 84);
        layout.field(QStringLiteral("供货单位"), QStringLiteral("供货单位"), QStringLiteral("编辑器"), supplier.adjusted(0, 2, 0, -2));
        const QRect date = c.underlined(QRect(560, 94, 331, 28), QStringLiteral("日　　期："), 84);
        layout.field(QStringLiteral("日期"), QStringLiteral("日期"), QStringLiteral("日期编辑"), date.adjusted(0, 2, 0, -2));
        goodsTable(layout, QStringLiteral("进仓单明细"));
        c.text(QRect(20, 384, 871, 28), QStringLiteral("仓库验收：　　　　　　　　　　送货人：　　　　　　　　　　制单："), 14,
               Qt::AlignLeft | Qt::AlignVCenter);
        copiesNote(c, layout.width(), 420);
    };
    return sheet;
}
