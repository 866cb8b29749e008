#include "helpers/BillFormWindow.h"

#include "BuiltFolders.h"
#include "LoaderWindow.h"
#include "SqliteShell.h"

#include "core/dataset/DataSet.h"
#include "core/db/AdoFunc.h"
#include "core/globals/MenuIds.h"
#include "core/globals/PubDm.h"
#include "core/messages/RefNoParam.h"

#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>

BillFormWindow::BillFormWindow()
{
    m_folder = std::make_unique<TestProgramFolder>();
    m_folder->openDatabase();
    QFile::copy(BuiltProgramFolder() + QStringLiteral("/images/cheque.jpg"),
                m_folder->file(QStringLiteral("images/cheque.jpg")));
    // Only the shipped cheque: the tests seed the other formats they need.
    ExecTmpQuery(CurAdo, QStringLiteral("delete from p_NoteCntlList where RefNo <> '1001'"));
    ExecTmpQuery(CurAdo, QStringLiteral("delete from p_NoteList where RefNo <> '1001'"));
    m_messages = std::make_unique<MessageScript>();
    sCurUserId = QStringLiteral("admin");
    m_window = std::make_unique<TM1Form>();
    ShowLoaderWindow(*m_window);
    m_messages->clear();
}

BillFormWindow::~BillFormWindow()
{
    if (TEditNoteForm *form = OpenBillForm(*m_window); form && form->header()->isEditing())
        form->header()->cancel();
    m_window.reset();
    m_messages.reset();
    m_folder.reset();
    iCurOpenAutoid = 0;
}

TEditNoteForm &BillFormWindow::openFormat(qint64 refNo, qint64 billId)
{
    iCurOpenAutoid = billId;
    m_window->OpenMenuForm(MenuId::BillForm, PackRefNoParam(refNo));
    if (TEditNoteForm *form = OpenBillForm(*m_window))
        return *form;
    qFatal("the bill form did not open: %s", qPrintable(shownTexts()));
}

TEditNoteForm *OpenBillForm(TM1Form &window)
{
    for (QMdiSubWindow *sub : window.mdiArea()->subWindowList())
        if (QString::fromLatin1(sub->widget()->metaObject()->className()) == QLatin1String("TEditNoteForm"))
            // The module's copy of the class: the same code and layout as the one linked here.
            return static_cast<TEditNoteForm *>(sub->widget());
    return nullptr;
}

QString BillFormWindow::stored(const QString &sql) const
{
    return SqliteShellRows(m_folder->databasePath(), sql).join(QLatin1Char('\n'));
}

QString BillFormWindow::shownTexts() const
{
    return m_messages->texts().join(QLatin1Char('\n'));
}

bool ClickButton(QPushButton *button)
{
    if (!button->isVisibleTo(button->window()) || !button->isEnabled())
        return false;
    button->click();
    return true;
}

qint64 BillFormWindow::addDeliveryNoteFormat()
{
    ExecTmpQuery(CurAdo, QStringLiteral("insert into p_NoteList (RefNo, NoteName, NoteNameType, NoteType, DataTablename, \"default\","
                                        " DefNote) values ('2001', '送货单', '送货单', '送货单', '出货单', '是', 1)"));
    const QString field = QStringLiteral("insert into p_NoteCntlList (RefNo, Tag, ParentId, CtlCName, DbFieldName, FieldEditType,"
                                         " Ctlx, CtlY, CtlW, CtlH, NeedShow, NeedPrint, SumField, GridTitleH, GridLineNum)"
                                         " values ('2001', ?, ?, ?, ?, ?, ?, 40, ?, 22, '是', '是', ?, 20, 4)");
    ExecTmpQuery(CurAdo, field, {1000, 0, QStringLiteral("收货单位"), QStringLiteral("收货单位"), QStringLiteral("编辑器"), 10, 200, QString()});
    ExecTmpQuery(CurAdo, field, {500, 0, QStringLiteral("明细"), QStringLiteral("出货单明细"), QStringLiteral("表格"), 220, 400, QString()});
    int x = 0;
    for (const QString &column : {QStringLiteral("产品编号"), QStringLiteral("数量"), QStringLiteral("仓库"), QStringLiteral("小计")})
        ExecTmpQuery(CurAdo, field, {1001 + x, 500, column, column, QStringLiteral("编辑器"), x++, 100,
                                     column == QStringLiteral("小计") ? QStringLiteral("合计金额") : QString()});
    for (const QString &code : {QStringLiteral("P1"), QStringLiteral("P2"), QStringLiteral("P3")})
        ExecTmpQuery(CurAdo, QStringLiteral("insert into Bs_ProdList (PartNo, PartName, PartSpec, Unit) values (?, '螺丝', 'M6', '盒')"), {code});
    return 2001;
}

qint64 BillFormWindow::addChequeLikeFormat(const QString &name, const QString &category, const QString &kind, int x, int y,
                                           bool isDefault)
{
    const qint64 refNo = SelTableIntValue(CurAdo, QStringLiteral("select max(CAST(RefNo AS INTEGER)) from p_NoteList")) + 1;
    ExecTmpQuery(CurAdo,
                 QStringLiteral("insert into p_NoteList (RefNo, NoteName, NoteNameType, NoteType, DataTablename, \"default\", DefNote,"
                                " Xmove, Ymove, ImgFile, ImgEnc, tWidth, tHeight, ZoomFactor)"
                                " select ?, ?, ?, ?, DataTablename, ?, ?, 0, 0, ImgFile, ImgEnc, tWidth, tHeight, 1"
                                " from p_NoteList where RefNo = '1001'"),
                 {QString::number(refNo), name, category, kind, isDefault ? QStringLiteral("是") : QStringLiteral("否"), isDefault ? 1 : 0});
    ExecTmpQuery(CurAdo,
                 QStringLiteral("insert into p_NoteCntlList (RefNo, Tag, ParentId, CtlCName, DbFieldName, FieldEditType, Ctlx, CtlY, CtlW,"
                                " CtlH, CtlFontName, xAlign, yAlign, NeedShow, NeedPrint) values (?, 1000, 0, '收款人', '收款人名称',"
                                " '编辑器', ?, ?, 316, 22, '宋体;10;;;;', '居左', '居中', '是', '是')"),
                 {QString::number(refNo), x, y});
    return refNo;
}
