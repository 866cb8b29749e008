// A database the program may not write (a write-protected file or folder): the start says so
// once, and 保存 in the bill form and in the designer is refused in Chinese, the screen staying
// in edit with what was typed.
#include "BuiltFolders.h"
#include "LoaderWindow.h"
#include "MessageScript.h"
#include "SqliteShell.h"
#include "TemporaryHome.h"
#include "TestProgramFolder.h"

#include "bills/form/TEditNoteForm.h"
#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/db/AdoFunc.h"
#include "core/db/MainDatabase.h"
#include "core/globals/MenuIds.h"
#include "core/globals/PubDm.h"
#include "core/messages/RefNoParam.h"
#include "designer/screen/TDesignForm.h"
#include "designer/surface/TDesignSurface.h"
#include "helpers/BillFormWindow.h"
#include "helpers/UserInput.h"
#include "login/TLoginForm.h"
#include "mainwindow/TM1Form.h"
#include "startup/Startup.h"
#include "startup/TMainDMForm.h"

#include <QCryptographicHash>
#include <QFile>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QtTest>

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

// Root writes into write-protected files: the test runs without the power to override file
// permissions (as root without it, or as any other user), so the build tree stays readable
// wherever it lies.
const bool kOrdinaryUser = [] {
    if (::geteuid() != 0)
        return true;
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[_LINUX_CAPABILITY_U32S_3]{};
    if (::syscall(SYS_capget, &header, data) != 0)
        return false;
    for (const int cap : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH}) {
        const quint32 bit = quint32(1) << (cap % 32);
        data[cap / 32].effective &= ~bit;
        data[cap / 32].permitted &= ~bit;
        data[cap / 32].inheritable &= ~bit;
    }
    return ::syscall(SYS_capset, &header, data) == 0;
}();

const QString kReadOnly = QStringLiteral("数据库文件是只读的");

QByteArray digestOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256) : QByteArray();
}

QWidget *screenOf(TM1Form &window, const char *className)
{
    for (QMdiSubWindow *sub : window.mdiArea()->subWindowList())
        if (sub->widget() && QString::fromLatin1(sub->widget()->metaObject()->className()) == QLatin1String(className))
            return sub->widget();
    return nullptr;
}

} // namespace

class TestReadOnlyDatabase : public QObject
{
    Q_OBJECT

    TemporaryHome m_home; // the main window writes shortcuts: never into the real home
    std::unique_ptr<TestProgramFolder> m_folder;
    std::unique_ptr<MessageScript> m_messages;
    std::unique_ptr<TM1Form> m_window;
    TMainDMForm *m_dataModule = nullptr;
    qint64 m_billId = 0;
    int m_firstTag = 0;
    QByteArray m_digest;

    QString stored(const QString &sql) { return SqliteShellRows(m_folder->databasePath(), sql).join(QLatin1Char('\n')); }

    void setWritable(bool writable)
    {
        QFile::setPermissions(m_folder->databasePath(), writable ? QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther
                                                                 : QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        QFile::setPermissions(m_folder->file(QStringLiteral("data")),
                              QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther
                                  | QFile::ExeOther | (writable ? QFile::WriteOwner : QFile::Permissions()));
    }

    // The database opened as the program opens it, and the main window over it.
    void openAsTheProgram()
    {
        m_dataModule = new TMainDMForm(qApp);
        QCOMPARE(OpenMainDatabase(*m_dataModule), QString());
        CurAdo = m_dataModule->conADOConn;
        QVERIFY(IsReadOnlyDatabase(CurAdo));
        sCurUserId = QStringLiteral("admin");
        m_window = std::make_unique<TM1Form>();
        ShowLoaderWindow(*m_window);
        m_messages->clear();
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(kOrdinaryUser, "cannot give up overriding file permissions");
    }

    void init()
    {
        m_folder = std::make_unique<TestProgramFolder>();
        m_folder->openDatabase();
        QVERIFY(QFile::copy(BuiltProgramFolder() + QStringLiteral("/images/cheque.jpg"), m_folder->file(QStringLiteral("images/cheque.jpg"))));
        ExecTmpQuery(CurAdo, QStringLiteral("insert into 银行转帐单 (RefNo, NoteName, NoteTypeName, Flag, 收款人名称, 金额)"
                                            " values ('50001', '支票', '支票', -1, '旧公司', 88)"));
        m_billId = SelTableIntValue(CurAdo, QStringLiteral("select id from 银行转帐单 where RefNo = '50001'"));
        m_firstTag = int(SelTableIntValue(CurAdo, QStringLiteral("select min(Tag) from p_NoteCntlList where RefNo = '1001'")));
        CurAdo.close();
        CurAdo = QSqlDatabase();
        setWritable(false);
        m_digest = digestOf(m_folder->databasePath());
        m_messages = std::make_unique<MessageScript>();
    }

    void cleanup()
    {
        if (m_window) {
            for (QMdiSubWindow *sub : m_window->mdiArea()->subWindowList())
                if (auto *form = qobject_cast<QWidget *>(sub->widget());
                    form && QString::fromLatin1(form->metaObject()->className()) == QLatin1String("TEditNoteForm")
                    && static_cast<TEditNoteForm *>(form)->header()->isEditing())
                    static_cast<TEditNoteForm *>(form)->header()->cancel();
            m_messages->answer(QMessageBox::No); // the designer's question about its changes
        }
        m_window.reset();
        CurAdo = QSqlDatabase();
        delete m_dataModule;
        m_dataModule = nullptr;
        qDeleteAll(qApp->findChildren<TMainDMForm *>(Qt::FindDirectChildrenOnly));
        m_messages.reset();
        setWritable(true);
        m_folder.reset();
        iCurOpenAutoid = 0;
    }

    void startWarnsOnce()
    {
        StartupResult started = StartQuillet([](TLoginForm &login) {
            login.edtPassword->setText(QStringLiteral("admin"));
            login.Buttonok->click();
            return login.result();
        });
        QVERIFY2(started.loggedIn, qPrintable(m_messages->texts().join(QLatin1Char('\n'))));
        QVERIFY(started.mainWindow->isVisible());
        // The main page opens, and nothing more is said.
        QTRY_COMPARE(started.mainWindow->menuType(), 1);
        QTRY_VERIFY(screenOf(*started.mainWindow, "TLumiskMainForm"));
        QCOMPARE(m_messages->texts(), QStringList{ReadOnlyDatabaseWarning()});
        QVERIFY(ReadOnlyDatabaseWarning().startsWith(QStringLiteral("数据库文件")));
        QVERIFY(ReadOnlyDatabaseWarning().contains(QStringLiteral("单据可以查看")));
        QCOMPARE(digestOf(m_folder->databasePath()), m_digest);
        started.mainWindow.reset();
    }

    void billFormSaveKeepsWhatWasTyped()
    {
        openAsTheProgram();
        iCurOpenAutoid = m_billId;
        m_window->OpenMenuForm(MenuId::BillForm, PackRefNoParam(BillFormWindow::kChequeRefNo));
        auto *form = static_cast<TEditNoteForm *>(screenOf(*m_window, "TEditNoteForm"));
        QVERIFY2(form, qPrintable(m_messages->texts().join(QLatin1Char('\n'))));
        QCOMPARE(form->header()->fieldByName(QStringLiteral("收款人名称"))->asString(), QStringLiteral("旧公司"));
        QVERIFY(ClickButton(form->BtnEdit));
        auto *payee = SurfaceControl<QLineEdit>(*form, QStringLiteral("收款人名称"));
        QVERIFY(payee);
        QApplication::setActiveWindow(m_window.get());
        payee->setFocus();
        payee->selectAll();
        TypeText(payee, QStringLiteral("新公司"));

        QVERIFY(ClickButton(form->BtnSave));
        QCOMPARE(m_messages->shown().size(), 1);
        const QString said = m_messages->lastText();
        QVERIFY2(said.startsWith(QStringLiteral("保存失败！") + kReadOnly), qPrintable(said));
        QVERIFY2(said.contains(QStringLiteral("readonly")), qPrintable(said)); // the driver's own text follows
        QCOMPARE(form->header()->state(), DataSet::State::Edit);
        QCOMPARE(form->header()->fieldByName(QStringLiteral("收款人名称"))->asString(), QStringLiteral("新公司"));
        QCOMPARE(payee->text(), QStringLiteral("新公司"));
        QVERIFY(form->BtnSave->isEnabled());
        QCOMPARE(stored(QStringLiteral("select 收款人名称 from 银行转帐单 where id = %1").arg(m_billId)), QStringLiteral("旧公司"));
        QCOMPARE(digestOf(m_folder->databasePath()), m_digest);
    }

    void designerSaveKeepsWhatWasTyped()
    {
        openAsTheProgram();
        m_window->OpenMenuForm(MenuId::Designer, PackRefNoParam(BillFormWindow::kChequeRefNo));
        auto *form = static_cast<TDesignForm *>(screenOf(*m_window, "TDesignForm"));
        QVERIFY2(form, qPrintable(m_messages->texts().join(QLatin1Char('\n'))));
        const QString offset = stored(QStringLiteral("select Xmove from p_NoteList where RefNo = '1001'"));
        form->XmoveEdit->setFocus();
        form->XmoveEdit->selectAll();
        QTest::keyClicks(form->XmoveEdit, QStringLiteral("12"));
        form->surface()->applyToField(m_firstTag, {{QStringLiteral("Ctlx"), 333}});

        form->BtnSave->click();
        QCOMPARE(m_messages->shown().size(), 1);
        const QString said = m_messages->lastText();
        QVERIFY2(said.startsWith(QStringLiteral("单据格式没有保存！") + kReadOnly), qPrintable(said));
        QVERIFY2(said.contains(QStringLiteral("readonly")), qPrintable(said));
        QVERIFY(form->header()->isEditing());
        QCOMPARE(form->XmoveEdit->text(), QStringLiteral("12"));
        QCOMPARE(form->header()->fieldByName(QStringLiteral("Xmove"))->asString().toDouble(), 12.0);
        QVERIFY(form->surface()->hasUnsavedChanges());
        QCOMPARE(stored(QStringLiteral("select Xmove from p_NoteList where RefNo = '1001'")), offset);
        QCOMPARE(digestOf(m_folder->databasePath()), m_digest);
    }
};

QTEST_MAIN(TestReadOnlyDatabase)
#include "tst_readonlydatabase.moc"
