#include "helpers/PrintFixture.h"

#include "core/db/AdoFunc.h"
#include "core/globals/ProgramFolder.h"
#include "core/globals/PubDm.h"
#include "core/picture/Pic.h"
#include "core/template/PictureSize.h"
#include "core/template/TemplateColumns.h"
#include "core/template/TemplateStore.h"

#include <QImage>
#include <QPainter>

const QString PrintFixture::kNoteName = QStringLiteral("测试支票");
const QString PrintFixture::kPictureFile = QStringLiteral("testcheque.jpg");

namespace {

const QString kRefNo = QStringLiteral("7001");

// Tag, kind, column, caption, x, y, w, h, xAlign, font, CtlType, DigitalCount, NeedPrint,
// ParentId, GridLineNum.
struct FieldRow
{
    int tag;
    QString kind;
    QString column;
    QString caption;
    QRect rect;
    QString xAlign;
    QString font;
    QString textForm;
    int digitalCount;
    QString needPrint;
    int parent;
    int gridLines;
};

const QList<FieldRow> &fieldRows()
{
    static const QList<FieldRow> rows = {
        {1000, "编辑器", "收款人名称", "收款人", {60, 40, 300, 30}, "居左", "宋体;12;;;;", "", 0, "是", 0, 0},
        {1001, "小写金额", "金额", "金额", {480, 40, 220, 30}, "居中", "Arial;12;;;;", "", 11, "是", 0, 0},
        {1002, "编辑器", "金额_金额大写", "大写", {60, 90, 400, 30}, "居左", "楷体;12;;;;", "", 0, "是", 0, 0},
        {1003, "文本显示", "付款日期_小写年", "年", {480, 90, 60, 30}, "居左", "黑体;12;;;;", "YY", 0, "是", 0, 0},
        {1004, "文本显示", "付款日期_大写月", "月", {560, 90, 60, 30}, "居左", "黑体;12;;;;", "", 0, "是", 0, 0},
        {1005, "文本显示", "付款日期_大写日", "日", {640, 90, 60, 30}, "居左", "黑体;12;;;;", "", 0, "是", 0, 0},
        {1006, "勾选框", "现金", "现金", {60, 140, 20, 20}, "居左", "黑体;10;;;;", "", 0, "是", 0, 0},
        {1007, "一般文本", "", "附言", {120, 140, 60, 30}, "居左", "黑体;12;;;;", "", 0, "是", 0, 0},
        {1008, "编辑器", "用途", "用途", {200, 140, 200, 30}, "居左", "黑体;12;;;;", "", 0, "否", 0, 0},
        {PrintFixture::kGridTag, "表格", "测试支票明细", "明细", {60, 200, 640, 160}, "居左", "黑体;10;;;;", "", 0, "否", 0, 4},
        {1009, "编辑器", "商品名称", "商品", {60, 0, 300, 40}, "居左", "宋体;12;;;;", "", 0, "是", PrintFixture::kGridTag, 0},
        {1010, "编辑器", "数量", "数量", {380, 0, 100, 40}, "居右", "宋体;12;;;;", "", 0, "是", PrintFixture::kGridTag, 0},
        {1011, "编辑器", "金额", "金额", {500, 0, 200, 40}, "居右", "宋体;12;;;;", "", 0, "是", PrintFixture::kGridTag, 0},
        {1012, "编辑器", "备注", "备注", {700, 0, 90, 40}, "居左", "宋体;12;;;;", "", 0, "否", PrintFixture::kGridTag, 0},
    };
    return rows;
}

// A plain form: white with the boxes the values go into.
void writePicture(const QString &path)
{
    QImage picture(800, 400, QImage::Format_RGB32);
    picture.fill(Qt::white);
    {
        QPainter painter(&picture);
        painter.setPen(QColor(200, 60, 60));
        for (const FieldRow &row : fieldRows()) {
            if (row.parent == 0)
                painter.drawRect(row.rect);
        }
        painter.drawText(QRect(300, 5, 200, 30), Qt::AlignCenter, QStringLiteral("转账支票"));
    }
    picture.setDotsPerMeterX(qRound(PrintFixture::kPictureDpi / 0.0254));
    picture.setDotsPerMeterY(qRound(PrintFixture::kPictureDpi / 0.0254));
    picture.save(path, "JPEG", 90);
}

void createTables()
{
    ExecTmpQuery(CurAdo, QStringLiteral(
        "create table 测试支票 (id INTEGER PRIMARY KEY AUTOINCREMENT, RefNo text, NoteName text, 单据号码 text,"
        " 收款人名称 text, 金额 money, 金额_金额大写 text, 付款日期 datetime, 付款日期_小写年 text,"
        " 付款日期_大写月 text, 付款日期_大写日 text, 现金 bit, 用途 text, 选项 integer)"));
    ExecTmpQuery(CurAdo, QStringLiteral(
        "create table 测试支票明细 (id INTEGER PRIMARY KEY AUTOINCREMENT, RefNo text, 商品名称 text,"
        " 数量 integer, 金额 money, 备注 text)"));
}

void insertBills()
{
    const QStringList payees = {QStringLiteral("华东机电公司"), QStringLiteral("南方五金厂"), QStringLiteral("北方物流站")};
    for (int i = 0; i < payees.size(); ++i) {
        ExecTmpQuery(CurAdo,
                     QStringLiteral("insert into 测试支票 (RefNo, NoteName, 单据号码, 收款人名称, 金额, 金额_金额大写, 付款日期,"
                                    " 付款日期_小写年, 付款日期_大写月, 付款日期_大写日, 现金, 用途, 选项)"
                                    " values (?, ?, ?, ?, 1234.5, '壹仟贰佰叁拾肆元伍角', '2026-03-05', '2026', '零叁', '零伍',"
                                    " 1, '货款', 5)"),
                     {PrintFixture::billRefNo(i + 1), PrintFixture::kNoteName, QStringLiteral("1020%1").arg(i + 1), payees.at(i)});
    }
    const QList<QVariantList> lines = {{QStringLiteral("螺丝"), 100, 12.5}, {QStringLiteral("垫片"), 20, 3}, {QStringLiteral("扳手"), 2, 56.78}};
    for (const QVariantList &line : lines)
        ExecTmpQuery(CurAdo, QStringLiteral("insert into 测试支票明细 (RefNo, 商品名称, 数量, 金额) values (?, ?, ?, ?)"),
                     {PrintFixture::billRefNo(1), line.at(0), line.at(1), line.at(2)});
}

} // namespace

PrintFixture::PrintFixture()
{
    m_folder.openDatabase();
    const QString path = ProgramFile(QStringLiteral("images/") + kPictureFile);
    writePicture(path);

    TemplateDocument format;
    ApplyPictureImport(format.note, kPictureFile, GetJPEGRes(path), GetJpgSize(path));
    format.note.refNo = kRefNo;
    format.note.noteName = kNoteName;
    format.note.noteNameType = QStringLiteral("测试支票类");
    format.note.noteType = QStringLiteral("支票");
    format.note.dataTableName = QStringLiteral("测试支票");

    for (const FieldRow &row : fieldRows()) {
        const QVariantMap columns = {
            {QStringLiteral("Tag"), row.tag},
            {QStringLiteral("ParentId"), row.parent},
            {QStringLiteral("FieldEditType"), row.kind},
            {QStringLiteral("DbFieldName"), row.column},
            {QStringLiteral("CtlCName"), row.caption},
            {QStringLiteral("Ctlx"), row.rect.x()},
            {QStringLiteral("CtlY"), row.rect.y()},
            {QStringLiteral("CtlW"), row.rect.width()},
            {QStringLiteral("CtlH"), row.rect.height()},
            {QStringLiteral("xAlign"), row.xAlign},
            {QStringLiteral("yAlign"), QStringLiteral("居中")},
            {QStringLiteral("CtlFontName"), row.font},
            {QStringLiteral("CtlType"), row.textForm},
            {QStringLiteral("DigitalCount"), row.digitalCount},
            {QStringLiteral("NeedPrint"), row.needPrint},
            {QStringLiteral("NeedShow"), QStringLiteral("是")},
            {QStringLiteral("GridLineNum"), row.gridLines},
        };
        TemplateField field;
        for (auto it = columns.cbegin(); it != columns.cend(); ++it)
            FieldColumn(it.key()).load(field, it.value());
        format.fields.append(field);
    }
    SaveTemplate(CurAdo, format);
    createTables();
    insertBills();
}

QString PrintFixture::billRefNo(qint64 billId)
{
    return QStringLiteral("900%1").arg(billId);
}

void PrintFixture::setOffsets(double xMm, double yMm)
{
    ExecTmpQuery(CurAdo, QStringLiteral("update p_NoteList set Xmove = ?, Ymove = ? where NoteName = ?"), {xMm, yMm, kNoteName});
}

void PrintFixture::setPaperSizeTexts(const QString &tWidth, const QString &tHeight)
{
    ExecTmpQuery(CurAdo, QStringLiteral("update p_NoteList set tWidth = ?, tHeight = ? where NoteName = ?"),
                 {tWidth, tHeight, kNoteName});
}

void PrintFixture::setField(int tag, const QString &column, const QVariant &value)
{
    // The column name comes from the test itself, never from data.
    ExecTmpQuery(CurAdo, QStringLiteral("update p_NoteCntlList set %1 = ? where RefNo = ? and Tag = ?").arg(column),
                 {value, kRefNo, tag});
}

void PrintFixture::addDetailRows(qint64 billId, int count)
{
    for (int i = 0; i < count; ++i)
        ExecTmpQuery(CurAdo, QStringLiteral("insert into 测试支票明细 (RefNo, 商品名称, 数量, 金额) values (?, ?, ?, ?)"),
                     {billRefNo(billId), QStringLiteral("加%1").arg(i + 1), i + 1, 1});
}

BillData PrintFixture::bill(qint64 billId)
{
    m_header = std::make_unique<DataSet>();
    m_header->setSql(QStringLiteral("select * from 测试支票 where id = ?"), {billId});
    m_header->open();
    m_details = std::make_unique<DataSet>();
    m_details->setSql(QStringLiteral("select * from 测试支票明细 where RefNo = ? order by id"), {billRefNo(billId)});
    m_details->open();
    m_details->setTag(kGridTag);
    return {m_header.get(), {m_details.get()}};
}
