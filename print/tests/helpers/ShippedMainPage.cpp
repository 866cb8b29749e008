#include "helpers/ShippedMainPage.h"

#include "BuiltFolders.h"
#include "SqliteShell.h"
#include "helpers/BillFormWindow.h"
#include "helpers/UserInput.h"

#include "core/dataset/DataSet.h"
#include "core/globals/MenuIds.h"
#include "core/globals/PubDm.h"
#include "core/messages/RefNoParam.h"
#include "gui/grid/DataGrid.h"
#include "gui/printfun/CurrentPrinter.h"

#include <QDir>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPrinter>
#include <QtTest>

ShippedMainPage::ShippedMainPage()
{
    m_folder = std::make_unique<TestProgramFolder>();
    for (const QString &folder : {QStringLiteral("images"), QStringLiteral("icons")}) {
        const QDir shipped(BuiltProgramFolder() + QLatin1Char('/') + folder);
        for (const QString &file : shipped.entryList(QDir::Files))
            QFile::copy(shipped.filePath(file), m_folder->file(folder + QLatin1Char('/') + file));
    }
    m_folder->openDatabase();
    m_messages = std::make_unique<MessageScript>();
    sCurUserId = QStringLiteral("admin");
    iCurOpenAutoid = 0;
    m_window = std::make_unique<TM1Form>();
    m_window->moduleLoader().setFolder(BuiltProgramFolder());
    m_window->resize(1280, 900);
    m_window->show();
    QElapsedTimer waited;
    waited.start();
    while (!mainPage() && waited.elapsed() < 30000)
        QTest::qWait(20);
    m_messages->clear();
}

ShippedMainPage::~ShippedMainPage()
{
    if (TEditNoteForm *form = m_window ? billForm() : nullptr; form && form->header()->isEditing())
        form->header()->cancel();
    m_window.reset();
    QPrinter &printer = CurrentPrinter();
    printer.setOutputFileName(QString());
    printer.setOutputFormat(QPrinter::NativeFormat);
    m_messages.reset();
    m_folder.reset();
    iCurOpenAutoid = 0;
}

QWidget *ShippedMainPage::mainPage()
{
    for (const OpenScreen &screen : m_window->openScreens().screens())
        if (QLatin1String(screen.form->metaObject()->className()) == QLatin1String("TLumiskMainForm"))
            return screen.form.data();
    return nullptr;
}

void ShippedMainPage::showMainPage()
{
    for (QMdiSubWindow *sub : m_window->mdiArea()->subWindowList())
        if (sub->widget() == mainPage())
            m_window->mdiArea()->setActiveSubWindow(sub);
}

TEditNoteForm *ShippedMainPage::openFromMainPage(const QString &kind)
{
    QWidget *page = mainPage();
    if (!page)
        return nullptr;
    for (QWidget *child : page->findChildren<QWidget *>())
        if (QLatin1String(child->metaObject()->className()) == QLatin1String("TabButton") && child->toolTip() == kind)
            QTest::mouseClick(child, Qt::LeftButton);
    auto *icons = page->findChild<QListWidget *>(QStringLiteral("ListView1"));
    QListWidgetItem *icon = nullptr;
    for (int row = 0; icons && row < icons->count(); ++row)
        if (icons->item(row)->text().section(QLatin1Char('\n'), 0, 0).trimmed() == kind)
            icon = icons->item(row);
    if (!icon)
        return nullptr;
    DoubleClickCell(icons, icons->indexFromItem(icon));
    return billForm();
}

DataGrid *ShippedMainPage::openHistory(const QString &kind)
{
    m_window->OpenMenuForm(MenuId::HistoryQuery, PackRefNoParam(defaultRefNo(kind)));
    QMdiSubWindow *history = m_window->mdiArea()->activeSubWindow();
    return history ? history->widget()->findChild<DataGrid *>(QStringLiteral("DBGrid1")) : nullptr;
}

TEditNoteForm *ShippedMainPage::billForm()
{
    return OpenBillForm(*m_window);
}

qint64 ShippedMainPage::defaultRefNo(const QString &kind) const
{
    return stored(QStringLiteral("select RefNo from p_NoteList where NoteType = '%1' and DefNote = 1").arg(kind)).toLongLong();
}

QString ShippedMainPage::stored(const QString &sql) const
{
    return SqliteShellRows(m_folder->databasePath(), sql).join(QLatin1Char('\n'));
}

QString ShippedMainPage::shownTexts() const
{
    return m_messages->texts().join(QLatin1Char('\n'));
}
