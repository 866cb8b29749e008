// One digit typed into the amount box of the bill form, until every field derived from the
// amount shows its new text, on a generated format of 30 fields (the amount box, its capitals,
// its 12 figure boxes and 12 capital boxes, the date and its 3 capital parts). Baseline: a plain
// Qt form of the same 30 fields whose line edit derives the same texts with the same conversion
// functions on every key. Both are shown, and a key counts until the derived fields are
// repainted. Paired rounds of 20 keys each (a digit typed, then erased), ratio and peak memory.
#include "BenchSupport.h"

#include "bills/form/TEditNoteForm.h"
#include "core/convert/Convert.h"
#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/db/AdoFunc.h"
#include "core/dbfun/BillColumns.h"
#include "core/globals/PubDm.h"
#include "core/messages/MessageNames.h"
#include "core/messages/RefNoParam.h"
#include "core/messages/WindowHandles.h"
#include "core/messages/WindowMessages.h"
#include "tav/TtavDBCurrencyEdit.h"

#include <QApplication>
#include <QDateEdit>
#include <QDir>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <memory>
#include <vector>

namespace {

const qint64 kRefNo = 9001;
const QString kAmount = QStringLiteral("金额");
const QString kDate = QStringLiteral("付款日期");

struct FieldRow
{
    QString column;
    QString kind;
};

// Every field of the generated format in the order placed: 30 in all.
QList<FieldRow> formatFields()
{
    QList<FieldRow> rows{{kAmount, QStringLiteral("小写金额")}, {CapitalAmountColumn(kAmount), QStringLiteral("文本显示")}};
    for (const QString &place : MONEY_FIELDNAME_CH)
        rows.append({SmallPlaceColumn(kAmount, place), QStringLiteral("文本显示")});
    for (const QString &place : MONEY_FIELDNAME_CH)
        rows.append({CapitalPlaceColumn(kAmount, place), QStringLiteral("文本显示")});
    rows.append({kDate, QStringLiteral("日期编辑")});
    for (const QString &part : DATE_FIELDNAME_CH)
        rows.append({CapitalPlaceColumn(kDate, part), QStringLiteral("文本显示")});
    return rows;
}

// A program folder of its own with the shipped database and the generated format in it.
QString programFolder()
{
    const QString folder = QStringLiteral("/tmp/quillet-bench-keystroke");
    QDir(folder).removeRecursively();
    QDir().mkpath(folder + QStringLiteral("/data"));
    QDir().mkpath(folder + QStringLiteral("/images"));
    if (!QFile::copy(bench::shippedDatabase(), folder + QStringLiteral("/data/data.db")))
        bench::fail(QStringLiteral("cannot make the program folder %1").arg(folder));
    return folder;
}

void addFormat()
{
    QSqlDatabase db = CurAdo;
    bench::exec(db, QStringLiteral("insert into p_NoteList (RefNo, NoteName, NoteNameType, NoteType, DataTablename, \"default\","
                                   " DefNote, Xmove, Ymove, tWidth, tHeight, ZoomFactor) values ('%1', '三十栏支票', '三十栏支票',"
                                   " '支票', '银行转帐单', '否', 0, 0, 0, 9, 4, 1)")
                        .arg(kRefNo));
    int tag = 1000;
    int y = 30;
    for (const FieldRow &row : formatFields()) {
        const bool box = row.kind == QStringLiteral("小写金额");
        const int x = 20 + (tag % 3) * 300;
        bench::exec(db, QStringLiteral("insert into p_NoteCntlList (RefNo, Tag, ParentId, CtlCName, DbFieldName, FieldEditType,"
                                       " Ctlx, CtlY, CtlW, CtlH, CtlFontName, xAlign, yAlign, NeedShow, NeedPrint, DigitalCount,"
                                       " FitParam) values ('%1', %2, 0, '%3', '%3', '%4', %5, %6, %7, 22, '宋体;10;;;;', '居左',"
                                       " '居中', '是', '是', %8, %9)")
                            .arg(kRefNo)
                            .arg(tag)
                            .arg(row.column, row.kind)
                            .arg(x)
                            .arg(y)
                            .arg(box ? 249 : 200)
                            .arg(box ? QStringLiteral("11") : QStringLiteral("NULL"), box ? QStringLiteral("2") : QStringLiteral("NULL")));
        if (++tag % 3 == 0)
            y += 26;
    }
}

void sendKey(QWidget *target, int key, const QString &text)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &release);
}

void typeDigit(QWidget *target, char digit)
{
    sendKey(target, Qt::Key_0 + (digit - '0'), QString(QLatin1Char(digit)));
}

void eraseDigit(QWidget *target)
{
    sendKey(target, Qt::Key_Backspace, QString());
}

QLabel *labelOf(QWidget *page, const QString &column)
{
    for (QLabel *label : page->findChildren<QLabel *>(Qt::FindDirectChildrenOnly))
        if (label->property("dbFieldName").toString() == column)
            return label;
    bench::fail(QStringLiteral("no label for %1").arg(column));
    return nullptr;
}

// The texts every place label must show for an amount.
QStringList expectedTexts(Currency amount)
{
    QStringList texts{BigMoneyAllStr(amount)};
    for (int pos = 0; pos < int(MONEY_FIELDNAME_CH.size()); ++pos)
        texts.append(SmallmoneyStr(amount, pos));
    for (int pos = 0; pos < int(MONEY_FIELDNAME_CH.size()); ++pos)
        texts.append(BigMoneyDisStr(amount, pos));
    return texts;
}

QStringList amountColumns()
{
    QStringList columns{CapitalAmountColumn(kAmount)};
    for (const QString &place : MONEY_FIELDNAME_CH)
        columns.append(SmallPlaceColumn(kAmount, place));
    for (const QString &place : MONEY_FIELDNAME_CH)
        columns.append(CapitalPlaceColumn(kAmount, place));
    return columns;
}

// The bill form on the generated format with a new bill whose amount is 1234.
class KeystrokeForm
{
public:
    KeystrokeForm()
    {
        const QString folder = programFolder();
        qputenv("QUILLET_HOME", folder.toUtf8());
        bench::openCurAdo(folder + QStringLiteral("/data/data.db"));
        sCurUserId = QStringLiteral("admin");
        addFormat();
        m_form = std::make_unique<TEditNoteForm>();
        m_form->resize(1200, 800);
        m_form->show();
        SendMessage(HandleOf(m_form.get()), RegisterWindowMessage(MsgOpenRefNo), 0, PackRefNoParam(kRefNo));
        if (m_form->page()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly).size() < 30)
            bench::fail(QStringLiteral("the format did not open"));
        m_form->BtnNew->click();
        for (TtavDBCurrencyEdit *box : m_form->page()->findChildren<TtavDBCurrencyEdit *>())
            m_amount = box;
        if (!m_amount || !m_form->header()->isEditing())
            bench::fail(QStringLiteral("no new bill with an amount box"));
        m_amount->setFocus();
        for (char digit : {'1', '2', '3', '4'})
            typeDigit(m_amount, digit);
        for (const QString &column : amountColumns())
            m_labels.push_back(labelOf(m_form->page(), column));
    }

    ~KeystrokeForm()
    {
        if (m_form->header()->isEditing())
            m_form->header()->cancel();
    }

    void type(char digit) { typeDigit(m_amount, digit); }
    void erase() { eraseDigit(m_amount); }
    QWidget *capitals() const { return m_labels.front(); }

    // Every derived field shows the texts of the amount now in the bill.
    void check() const
    {
        const Currency amount = m_form->header()->fieldByName(kAmount)->asCurrency();
        const QStringList expected = expectedTexts(amount);
        for (std::size_t i = 0; i < m_labels.size(); ++i)
            if (m_labels[i]->text() != expected[int(i)])
                bench::fail(QStringLiteral("the form shows %1 for %2, not %3")
                                .arg(m_labels[i]->text(), m_labels[i]->property("dbFieldName").toString(), expected[int(i)]));
    }

private:
    std::unique_ptr<TEditNoteForm> m_form;
    TtavDBCurrencyEdit *m_amount = nullptr;
    std::vector<QLabel *> m_labels;
};

// A plain form of the same 30 fields: a line edit for the amount whose every edit derives the
// texts of the 25 amount labels; the date edit and its 3 labels stand beside them.
class PlainForm
{
public:
    PlainForm()
    {
        auto *layout = new QVBoxLayout(&m_widget);
        m_amount = new QLineEdit;
        layout->addWidget(m_amount);
        for (int i = 0; i < int(amountColumns().size()); ++i) {
            m_labels.push_back(new QLabel);
            layout->addWidget(m_labels.back());
        }
        auto *date = new QDateEdit(QDate(2024, 5, 17));
        layout->addWidget(date);
        for (int part = 0; part < int(DATE_FIELDNAME_CH.size()); ++part)
            layout->addWidget(new QLabel(BigDateDisStr(date->date(), part)));
        QObject::connect(m_amount, &QLineEdit::textEdited, &m_widget, [this](const QString &text) { derive(text); });
        m_widget.resize(400, 900);
        m_widget.show();
        m_amount->setFocus();
        m_amount->setText(QStringLiteral("1234"));
        derive(m_amount->text());
    }

    void type(char digit) { typeDigit(m_amount, digit); }
    void erase() { eraseDigit(m_amount); }
    QWidget *capitals() const { return m_labels.front(); }

    void check() const
    {
        const QStringList expected = expectedTexts(*Currency::parse(m_amount->text()));
        for (std::size_t i = 0; i < m_labels.size(); ++i)
            if (m_labels[i]->text() != expected[int(i)])
                bench::fail(QStringLiteral("the plain form shows %1, not %2").arg(m_labels[i]->text(), expected[int(i)]));
    }

private:
    void derive(const QString &text)
    {
        const std::optional<Currency> amount = Currency::parse(text);
        if (!amount)
            return;
        const QStringList texts = expectedTexts(*amount);
        for (std::size_t i = 0; i < m_labels.size(); ++i)
            m_labels[i]->setText(texts[int(i)]);
    }

    QWidget m_widget;
    QLineEdit *m_amount = nullptr;
    std::vector<QLabel *> m_labels;
};

// The forms go before the application does.
std::unique_ptr<KeystrokeForm> billForm;
std::unique_ptr<PlainForm> plainForm;

// Counts the paints of one widget.
class PaintCount : public QObject
{
public:
    int paints = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// One key, then the events until the amount in capitals (which every key changes) has been
// repainted.
template <class Form>
void keyAndRepaint(Form &form, PaintCount &count, bool erase)
{
    const int before = count.paints;
    if (erase)
        form.erase();
    else
        form.type('5');
    QElapsedTimer waited;
    waited.start();
    while (count.paints == before) {
        QApplication::processEvents(QEventLoop::AllEvents);
        if (waited.elapsed() > 5000)
            bench::fail(QStringLiteral("the capitals were not repainted"));
    }
}

constexpr int kKeysPerRound = 20;

template <class Form>
bench::Side typing(Form &form)
{
    form.type('5');
    form.check();
    form.erase();
    QApplication::processEvents(QEventLoop::AllEvents);
    return {{}, [&form] {
                PaintCount count;
                form.capitals()->installEventFilter(&count);
                for (int key = 0; key < kKeysPerRound; ++key)
                    keyAndRepaint(form, count, key % 2 == 1);
                form.capitals()->removeEventFilter(&count);
                form.type('5');
                form.check();
                form.erase();
            }};
}

bench::Side billFormTyping()
{
    if (!billForm)
        billForm = std::make_unique<KeystrokeForm>();
    return typing(*billForm);
}

bench::Side plainFormTyping()
{
    if (!plainForm)
        plainForm = std::make_unique<PlainForm>();
    return typing(*plainForm);
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    bench::registerPaired("BM_KeystrokeVsPlainForm", "20 keys repainted, bill form / plain form:", billFormTyping,
                          plainFormTyping, 21);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    billForm.reset();
    plainForm.reset();
    return 0;
}
