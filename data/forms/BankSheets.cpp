// The bank forms: cheque, deposit slip, wire transfer, cash slip and collection voucher. Sizes
// are those of the common paper forms; all are drawn at 96 dots per inch.
#include "SheetLayout.h"
#include "ShippedSheets.h"

#include "core/dbfun/BillColumns.h"

namespace {

const QString kTransferTable = QStringLiteral("银行转帐单");

FormSheet bankSheet(const QString &kind, const QString &refNo, const QString &file, double widthMm, double heightMm,
                    const QColor &ink, const QString &glyph)
{
    return NewFormSheet(kind, refNo, file, kTransferTable, widthMm, heightMm, ink, glyph);
}

struct PartyRow
{
    QString caption;
    QString column;
};

// One party of a two-party bank form: a stacked title column, then caption and value cells,
// one row each; `rowHeight` per row.
void partyBlock(SheetLayout &layout, const QRect &block, const QString &title, const QList<PartyRow> &rows, int rowHeight)
{
    FormCanvas &canvas = layout.canvas();
    canvas.frame(block, 1);
    canvas.stackedText(QRect(block.left(), block.top() + 6, 28, block.height() - 12), title, 14);
    canvas.vLine(block.left() + 28, block.top(), block.bottom());
    int y = block.top();
    for (const PartyRow &row : rows) {
        const QRect value = layout.captionCell(QRect(block.left() + 28, y, block.width() - 28, rowHeight), row.caption, 70);
        if (!row.column.isEmpty())
            layout.fieldIn(row.caption, row.column, QStringLiteral("编辑器"), value);
        y += rowHeight;
    }
}

// The place of a party: 省 and 市/县 drop-downs, the city list following the province.
void placeRow(SheetLayout &layout, const QRect &value, const QString &provinceColumn, const QString &cityColumn)
{
    FormCanvas &canvas = layout.canvas();
    const int half = value.width() / 2;
    SheetField &province = layout.fieldIn(QStringLiteral("省"), provinceColumn, QStringLiteral("下拉选择"),
                                          QRect(value.left(), value.top(), half - 30, value.height()));
    province.dropDown = QStringLiteral("省");
    province.dropRelated = cityColumn;
    canvas.text(QRect(value.left() + half - 30, value.top(), 30, value.height()), QStringLiteral("省"), 14);
    SheetField &city = layout.fieldIn(QStringLiteral("市"), cityColumn, QStringLiteral("下拉选择"),
                                      QRect(value.left() + half, value.top(), half - 44, value.height()));
    city.dropDown = QStringLiteral("市");
    canvas.text(QRect(value.right() - 44, value.top(), 44, value.height()), QStringLiteral("市/县"), 14);
}

void signatureArea(FormCanvas &canvas, const QRect &area, const QString &left, const QString &right)
{
    canvas.frame(area, 1);
    canvas.vLine(area.center().x(), area.top(), area.bottom());
    canvas.text(QRect(area.left() + 10, area.top() + 6, area.width() / 2 - 20, 24), left, 14, Qt::AlignLeft | Qt::AlignTop);
    canvas.text(QRect(area.center().x() + 10, area.bottom() - 30, area.width() / 2 - 20, 24), right, 14,
                Qt::AlignRight | Qt::AlignVCenter);
}

} // namespace

// 转账支票, 240 x 80 mm: the stub on the left, the cheque on the right of the perforation.
FormSheet ChequeSheet()
{
    FormSheet sheet = bankSheet(QStringLiteral("支票"), QStringLiteral("1001"), QStringLiteral("cheque"), 240, 80,
                                QColor(0x1f, 0x6f, 0x4a), QStringLiteral("支"));
    sheet.layOut = [](SheetLayout &layout) {
        FormCanvas &c = layout.canvas();
        const int stubRight = 232;
        c.dashedVLine(stubRight, 4, layout.height() - 4);
        // Stub.
        c.title(QRect(8, 6, stubRight - 16, 30), QStringLiteral("转账支票存根"), 20);
        c.underlined(QRect(8, 44, 214, 22), QStringLiteral("支票号码"), 64);
        SheetField &numberField = layout.field(QStringLiteral("单据号码"), QStringLiteral("单据号码"), QStringLiteral("编辑器"),
                                               QRect(72, 44, 150, 22));
        numberField.printed = false;
        c.text(QRect(8, 74, 214, 20), QStringLiteral("附加信息"), 14, Qt::AlignLeft | Qt::AlignVCenter);
        for (int y = 118; y <= 158; y += 20)
            c.hLine(y, 8, 222, 0.6);
        c.underlined(QRect(8, 170, 214, 22), QStringLiteral("出票日期"), 64);
        layout.entryOnly(QStringLiteral("存根出票日期"), QStringLiteral("付款日期"), QStringLiteral("日期编辑"),
                         QRect(72, 170, 150, 22));
        c.frame(QRect(8, 200, 216, 94), 1);
        const char *stubRows[] = {"收款人：", "金　额：", "用　途："};
        const char *stubColumns[] = {"收款人名称", "金额", "用途"};
        const char *stubCaptions[] = {"存根收款人", "存根金额", "存根用途"};
        for (int i = 0; i < 3; ++i) {
            const int y = 206 + i * 30;
            c.text(QRect(12, y, 58, 22), QString::fromUtf8(stubRows[i]), 14, Qt::AlignLeft | Qt::AlignVCenter);
            if (i > 0)
                c.hLine(y - 4, 8, 224, 0.6);
            layout.field(QString::fromUtf8(stubCaptions[i]), QString::fromUtf8(stubColumns[i]), QStringLiteral("文本显示"),
                         QRect(70, y, 154, 22));
        }

        // Cheque.
        c.title(QRect(400, 4, 260, 36), QStringLiteral("转 账 支 票"), 26);
        c.text(QRect(240, 52, 148, 22), QStringLiteral("出票日期（大写）"), 14, Qt::AlignLeft | Qt::AlignVCenter);
        const struct { int x, w; const char *column, *caption, *word; } dateParts[] = {
            {390, 70, "付款日期_大写年", "出票年", "年"},
            {482, 58, "付款日期_大写月", "出票月", "月"},
            {562, 58, "付款日期_大写日", "出票日", "日"},
        };
        for (const auto &part : dateParts) {
            c.hLine(73, part.x, part.x + part.w, 0.8);
            c.text(QRect(part.x + part.w, 52, 22, 22), QString::fromUtf8(part.word), 14);
            SheetField &printed = layout.field(QString::fromUtf8(part.caption), QString::fromUtf8(part.column),
                                               QStringLiteral("文本显示"), QRect(part.x, 52, part.w, 22));
            printed.xAlign = QStringLiteral("居中");
        }
        c.underlined(QRect(645, 52, 244, 22), QStringLiteral("付款行名称："), 92);
        layout.field(QStringLiteral("付款行名称"), QStringLiteral("付款银行"), QStringLiteral("编辑器"), QRect(737, 52, 152, 22));
        c.underlined(QRect(240, 82, 388, 22), QStringLiteral("收款人："), 72);
        layout.field(QStringLiteral("收款人"), QStringLiteral("收款人名称"), QStringLiteral("编辑器"), QRect(312, 82, 316, 22));
        c.underlined(QRect(645, 82, 244, 22), QStringLiteral("出票人账号："), 92);
        layout.field(QStringLiteral("出票人账号"), QStringLiteral("付款账户"), QStringLiteral("编辑器"), QRect(737, 82, 152, 22));

        // The amount: capitals beside the boxes, place names over them.
        c.frame(QRect(238, 112, 655, 64), 1);
        c.text(QRect(240, 112, 88, 64), QStringLiteral("人民币\n（大写）"), 14);
        c.vLine(328, 112, 176);
        c.vLine(638, 112, 176);
        SheetField &words = layout.field(QStringLiteral("人民币大写"), CapitalAmountColumn(QStringLiteral("金额")),
                                         QStringLiteral("文本显示"), QRect(330, 128, 305, 40));
        words.font = QStringLiteral("宋体;12;;;;");
        c.placeNames(QRect(641, 114, 249, 26), 11);
        c.cells(QRect(641, 141, 249, 33), 11);
        SheetField &amount = layout.field(QStringLiteral("小写金额"), QStringLiteral("金额"), QStringLiteral("小写金额"),
                                          QRect(641, 141, 249, 33));
        amount.digits = 11;
        amount.decimals = 2;
        amount.xAlign = QStringLiteral("居中");
        amount.font = QStringLiteral("宋体;12;;;;");

        c.underlined(QRect(240, 188, 388, 22), QStringLiteral("用途"), 62);
        layout.field(QStringLiteral("用途"), QStringLiteral("用途"), QStringLiteral("编辑器"), QRect(302, 188, 326, 22));
        c.text(QRect(645, 187, 76, 22), QStringLiteral("密码"), 14, Qt::AlignLeft | Qt::AlignVCenter);
        c.cells(QRect(721, 187, 168, 22), 16);
        SheetField &password = layout.field(QStringLiteral("支付密码"), QStringLiteral("支付密码"), QStringLiteral("等距字符串"),
                                            QRect(721, 187, 168, 22));
        password.digits = 16;
        password.xAlign = QStringLiteral("居中");
        c.text(QRect(240, 222, 330, 22), QStringLiteral("上列款项请从"), 14, Qt::AlignLeft | Qt::AlignVCenter);
        c.text(QRect(240, 244, 330, 22), QStringLiteral("我账户内支付"), 14, Qt::AlignLeft | Qt::AlignVCenter);
        c.text(QRect(240, 270, 330, 22), QStringLiteral("出票人签章"), 14, Qt::AlignLeft | Qt::AlignVCenter);
        c.text(QRect(645, 270, 244, 22), QStringLiteral("复核　　　　记账"), 14, Qt::AlignLeft | Qt::AlignVCenter);
        c.frame(QRect(236, 4, layout.width() - 240, layout.height() - 8), 1.6);
    };
    return sheet;
}

// 进账单, 212 x 102 mm.
FormSheet DepositSlipSheet()
{
    FormSheet sheet = bankSheet(QStringLiteral("进账单"), QStringLiteral("1002"), QStringLiteral("deposit"), 212, 102,
                                QColor(0x2a, 0x4f, 0x9a), QStringLiteral("进"));
    sheet.layOut = [](SheetLayout &layout) {
        FormCanvas &c = layout.canvas();
        c.title(QRect(200, 6, 400, 36), QStringLiteral("进 账 单（回 单）"), 26);
        layout.datePartsInFigures(QPoint(470, 48), QStringLiteral("付款日期"), QStringLiteral("日期"));
        const int rowH = 34;
        partyBlock(layout, QRect(20, 76, 380, 3 * rowH), QStringLiteral("出票人"),
                   {{QStringLiteral("全　称"), QStringLiteral("付款人名称")},
                    {QStringLiteral("账　号"), QStringLiteral("付款账户")},
                    {QStringLiteral("开户银行"), QStringLiteral("付款银行")}},
                   rowH);
        partyBlock(layout, QRect(400, 76, 381, 3 * rowH), QStringLiteral("收款人"),
                   {{QStringLiteral("全　称"), QStringLiteral("收款人名称")},
                    {QStringLiteral("账　号"), QStringLiteral("收款账户")},
                    {QStringLiteral("开户银行"), QStringLiteral("收款银行")}},
                   rowH);
        layout.amountRow(QRect(20, 178, 761, 60), 98, QStringLiteral("金额"), 242);
        const QRect kind = layout.captionCell(QRect(20, 238, 380, rowH), QStringLiteral("票据种类"), 98);
        c.text(kind.adjusted(6, 0, 0, 0), QStringLiteral("转账支票"), 14, Qt::AlignLeft | Qt::AlignVCenter);
        const QRect number = layout.captionCell(QRect(400, 238, 381, rowH), QStringLiteral("票据号码"), 98);
        layout.fieldIn(QStringLiteral("票据号码"), QStringLiteral("单据号码"), QStringLiteral("编辑器"), number);
        signatureArea(c, QRect(20, 272, 761, 60), QStringLiteral("复核　　　　记账"), QStringLiteral("收款人开户银行签章"));
        c.text(QRect(20, 340, 761, 20), QStringLiteral("此联是收款人开户银行交给收款人的回单"), 12,
               Qt::AlignRight | Qt::AlignVCenter);
    };
    return sheet;
}

// 电汇凭证, 212 x 127 mm.
FormSheet WireTransferSheet()
{
    FormSheet sheet = bankSheet(QStringLiteral("电汇单"), QStringLiteral("1003"), QStringLiteral("wire"), 212, 127,
                                QColor(0x8a, 0x2b, 0x2b), QStringLiteral("汇"));
    sheet.layOut = [](SheetLayout &layout) {
        FormCanvas &c = layout.canvas();
        c.title(QRect(200, 6, 400, 36), QStringLiteral("电 汇 凭 证（回 单）"), 26);
        layout.datePartsInFigures(QPoint(470, 48), QStringLiteral("付款日期"), QStringLiteral("委托日期"));
        const int rowH = 34;
        partyBlock(layout, QRect(20, 76, 380, 4 * rowH), QStringLiteral("汇款人"),
                   {{QStringLiteral("全　称"), QStringLiteral("付款人名称")},
                    {QStringLiteral("账　号"), QStringLiteral("付款账户")},
                    {QStringLiteral("汇出地点"), QString()},
                    {QStringLiteral("汇出行名称"), QStringLiteral("付款银行")}},
                   rowH);
        placeRow(layout, QRect(118, 76 + 2 * rowH, 282, rowH), QStringLiteral("付款人省"), QStringLiteral("付款人市"));
        partyBlock(layout, QRect(400, 76, 381, 4 * rowH), QStringLiteral("收款人"),
                   {{QStringLiteral("全　称"), QStringLiteral("收款人名称")},
                    {QStringLiteral("账　号"), QStringLiteral("收款账户")},
                    {QStringLiteral("汇入地点"), QString()},
                    {QStringLiteral("汇入行名称"), QStringLiteral("收款银行")}},
                   rowH);
        placeRow(layout, QRect(498, 76 + 2 * rowH, 283, rowH), QStringLiteral("收款人省"), QStringLiteral("收款人市"));
        layout.amountRow(QRect(20, 212, 761, 60), 98, QStringLiteral("金额"), 242);
        const QRect password = layout.captionCell(QRect(20, 272, 380, rowH), QStringLiteral("支付密码"), 98);
        const QRect cells = password.adjusted(6, 5, -6, -5);
        c.cells(cells, 16);
        SheetField &passwordField = layout.field(QStringLiteral("支付密码"), QStringLiteral("支付密码"),
                                                 QStringLiteral("等距字符串"), cells);
        passwordField.digits = 16;
        passwordField.xAlign = QStringLiteral("居中");
        c.frame(QRect(400, 272, 381, 100), 1);
        c.text(QRect(406, 276, 370, 22), QStringLiteral("附加信息及用途："), 14, Qt::AlignLeft | Qt::AlignVCenter);
        layout.field(QStringLiteral("附加信息及用途"), QStringLiteral("用途"), QStringLiteral("编辑器"), QRect(406, 302, 368, 26));
        c.frame(QRect(20, 306, 380, 66), 1);
        c.text(QRect(26, 310, 200, 22), QStringLiteral("汇款人签章"), 14, Qt::AlignLeft | Qt::AlignVCenter);
        signatureArea(c, QRect(20, 372, 761, 48), QStringLiteral("复核　　　　记账"), QStringLiteral("汇出行签章"));
    };
    return sheet;
}

// 托收凭证, 212 x 127 mm.
FormSheet CollectionSheet()
{
    FormSheet sheet = bankSheet(QStringLiteral("托收凭证"), QStringLiteral("1005"), QStringLiteral("collection"), 212, 127,
                                QColor(0x6a, 0x3d, 0x8f), QStringLiteral("托"));
    sheet.layOut = [](SheetLayout &layout) {
        FormCanvas &c = layout.canvas();
        c.title(QRect(200, 6, 400, 36), QStringLiteral("托 收 凭 证（受理回单）"), 26);
        layout.datePartsInFigures(QPoint(470, 48), QStringLiteral("付款日期"), QStringLiteral("委托日期"));
        const int rowH = 34;
        const QRect kind = layout.captionCell(QRect(20, 76, 761, rowH), QStringLiteral("业务类型"), 98);
        // Four boxes, one ticked: the way of collection and of remitting. Each box is a tick of
        // 业务类型, whose value is the box's caption.
        const int boxSize = 14, boxTop = kind.top() + (kind.height() - boxSize) / 2;
        int x = kind.left() + 8;
        const auto words = [&](const QString &text, int width) {
            c.text(QRect(x, kind.top(), width, kind.height()), text, 14, Qt::AlignLeft | Qt::AlignVCenter);
            x += width;
        };
        const auto box = [&](const QString &value) {
            const QRect drawn(x + 2, boxTop, boxSize, boxSize);
            c.frame(drawn, 1);
            SheetField &tick = layout.field(value, QStringLiteral("业务类型"), QStringLiteral("多项勾选"), drawn.adjusted(-2, -2, 2, 2));
            tick.xAlign = QStringLiteral("居中");
            x += boxSize + 4;
        };
        for (const QString &way : {QStringLiteral("委托收款"), QStringLiteral("托收承付")}) {
            words(way + QStringLiteral("（"), 72);
            box(way + QStringLiteral("邮划"));
            words(QStringLiteral("邮划　"), 42);
            box(way + QStringLiteral("电划"));
            words(QStringLiteral("电划）"), 44);
            x += 40;
        }
        partyBlock(layout, QRect(20, 110, 380, 3 * rowH), QStringLiteral("付款人"),
                   {{QStringLiteral("全　称"), QStringLiteral("付款人名称")},
                    {QStringLiteral("账　号"), QStringLiteral("付款账户")},
                    {QStringLiteral("开户行"), QStringLiteral("付款银行")}},
                   rowH);
        partyBlock(layout, QRect(400, 110, 381, 3 * rowH), QStringLiteral("收款人"),
                   {{QStringLiteral("全　称"), QStringLiteral("收款人名称")},
                    {QStringLiteral("账　号"), QStringLiteral("收款账户")},
                    {QStringLiteral("开户行"), QStringLiteral("收款银行")}},
                   rowH);
        layout.amountRow(QRect(20, 212, 761, 60), 98, QStringLiteral("金额"), 242);
        const QRect content = layout.captionCell(QRect(20, 272, 380, rowH), QStringLiteral("款项内容"), 98);
        layout.fieldIn(QStringLiteral("款项内容"), QStringLiteral("用途"), QStringLiteral("编辑器"), content);
        const QRect papers = layout.captionCell(QRect(400, 272, 381, rowH), QStringLiteral("托收凭据名称"), 112);
        c.text(papers.adjusted(8, 0, 0, 0), QStringLiteral("附寄单证张数"), 12, Qt::AlignRight | Qt::AlignVCenter);
        const QRect contract = layout.captionCell(QRect(20, 306, 761, rowH), QStringLiteral("合同名称号码"), 112);
        layout.fieldIn(QStringLiteral("合同名称号码"), QStringLiteral("单据号码"), QStringLiteral("编辑器"), contract);
        signatureArea(c, QRect(20, 340, 761, 80), QStringLiteral("备注：\n复核　　　　记账"), QStringLiteral("收款人开户银行签章"));
    };
    return sheet;
}

// 现金缴款单, 212 x 140 mm: the denominations counted, and what they come to.
FormSheet CashSlipSheet()
{
    FormSheet sheet = bankSheet(QStringLiteral("现金缴款单"), QStringLiteral("1004"), QStringLiteral("cashslip"), 212, 140,
                                QColor(0xa0, 0x52, 0x1a), QStringLiteral("现"));
    sheet.dataTable = QStringLiteral("现金缴款单");
    sheet.layOut = [](SheetLayout &layout) {
        FormCanvas &c = layout.canvas();
        c.title(QRect(200, 6, 400, 36), QStringLiteral("现 金 缴 款 单"), 26);
        layout.datePartsInFigures(QPoint(470, 48), QStringLiteral("缴款日期"), QStringLiteral("日期"));
        const int rowH = 32;
        auto pair = [&](int y, const QString &leftCaption, const QString &leftColumn, const QString &rightCaption,
                        const QString &rightColumn) {
            const QRect left = layout.captionCell(QRect(20, y, 380, rowH), leftCaption, 98);
            layout.fieldIn(leftCaption, leftColumn, QStringLiteral("编辑器"), left);
            const QRect right = layout.captionCell(QRect(400, y, 381, rowH), rightCaption, 98);
            layout.fieldIn(rightCaption, rightColumn, QStringLiteral("编辑器"), right);
        };
        pair(76, QStringLiteral("收款单位"), QStringLiteral("收款人名称"), QStringLiteral("账　号"), QStringLiteral("收款账户"));
        pair(108, QStringLiteral("缴款人"), QStringLiteral("缴款人名称"), QStringLiteral("开户银行"), QStringLiteral("收款银行"));
        pair(140, QStringLiteral("币　种"), QStringLiteral("币种"), QStringLiteral("款项来源"), QStringLiteral("款项来源"));
        layout.amountRow(QRect(20, 172, 761, 60), 98, QStringLiteral("金额"), 242);

        // The denominations: counts typed, amounts worked out.
        const QStringList denominations{"1000元", "500元", "100元", "50元", "20元", "10元", "5元", "2元",
                                        "1元",    "5角",   "2角",   "1角",  "5分",  "2分",  "1分"};
        const int left = 118, width = 44, top = 232;
        c.frame(QRect(20, top, 761, 3 * rowH), 1);
        c.text(QRect(20, top, 98, rowH), QStringLiteral("券　别"), 14);
        c.text(QRect(20, top + rowH, 98, rowH), QStringLiteral("张　数"), 14);
        c.text(QRect(20, top + 2 * rowH, 98, rowH), QStringLiteral("金　额"), 14);
        c.hLine(top + rowH, 20, 781);
        c.hLine(top + 2 * rowH, 20, 781);
        for (int i = 0; i <= int(denominations.size()); ++i)
            c.vLine(left + i * width, top, top + 3 * rowH);
        for (int i = 0; i < int(denominations.size()); ++i) {
            const int x = left + i * width;
            c.text(QRect(x, top, width, rowH), denominations.at(i), 12);
            SheetField &count = layout.field(denominations.at(i) + QStringLiteral("张数"), CashCountFieldNames[i],
                                             QStringLiteral("编辑器"), QRect(x + 2, top + rowH + 4, width - 4, rowH - 8));
            count.xAlign = QStringLiteral("居中");
            count.font = QStringLiteral("宋体;9;;;;");
            SheetField &amount = layout.field(denominations.at(i) + QStringLiteral("金额"), CashAmountFieldNames[i],
                                              QStringLiteral("文本显示"), QRect(x + 2, top + 2 * rowH + 4, width - 4, rowH - 8));
            amount.xAlign = QStringLiteral("居右");
            amount.font = QStringLiteral("宋体;9;;;;");
        }
        // Coins in rolls, small notes and the rest, as amounts.
        const int restTop = top + 3 * rowH;
        c.frame(QRect(20, restTop, 761, rowH), 1);
        for (int i = 0; i < 5; ++i) {
            const QString column = CashAmountFieldNames[15 + i];
            const int x = 20 + i * 152;
            c.text(QRect(x, restTop, 52, rowH), column, 14);
            c.vLine(x + 52, restTop, restTop + rowH, 0.8);
            if (i > 0)
                c.vLine(x, restTop, restTop + rowH);
            SheetField &amount = layout.fieldIn(column, column, QStringLiteral("编辑器"), QRect(x + 52, restTop, 100, rowH));
            amount.xAlign = QStringLiteral("居右");
        }
        signatureArea(c, QRect(20, restTop + rowH, 761, 64), QStringLiteral("复核　　　收款　　　记账"),
                      QStringLiteral("收款银行签章"));
    };
    return sheet;
}
