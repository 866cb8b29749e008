#include "ExternalTool.h"
#include "LoaderWindow.h"
#include "MessageScript.h"
#include "SqliteShell.h"
#include "TemporaryHome.h"
#include "TestProgramFolder.h"

#include "bills/form/TEditNoteForm.h"
#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/db/AdoFunc.h"
#include "core/globals/MenuIds.h"
#include "core/globals/PubDm.h"
#include "core/messages/MessageNames.h"
#include "core/messages/RefNoParam.h"
#include "core/messages/WindowHandles.h"
#include "core/messages/WindowMessages.h"
#include "designer/model/DesignFieldRows.h"
#include "designer/screen/TDesignForm.h"
#include "designer/screen/TGetNoteNameForm.h"
#include "designer/surface/TDesignSurface.h"
#include "gui/desktop/DesktopOpener.h"
#include "gui/dialogs/FileDialogSeam.h"
#include "designer/properties/TAddFieldButtons.h"
#include "designer/properties/TFieldPropertyPanel.h"
#include "gui/printfun/CurrentPrinter.h"
#include "helpers/MessageRecorder.h"
#include "PdfWords.h"
#include "PictureFixtures.h"
#include "helpers/ModalDialogs.h"
#include "helpers/TemplateRows.h"
#include "helpers/UserInput.h"
#include "mainwindow/TM1Form.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace TemplateRows;

namespace {

// Fills the name dialog (found by its parts' names: the loaded module has its own copy of the
// class) and presses 确定.
void answerNameDialog(QDialog *dialog, const QString &category, const QString &name)
{
    dialog->findChild<QLineEdit *>("CategoryEdit")->setText(category);
    dialog->findChild<QLineEdit *>("NameEdit")->setText(name);
    dialog->findChild<QPushButton *>("OkButton")->click();
}

} // namespace

// The designer screen opened by the main window: templates made, renamed, copied, saved and
// deleted through its buttons, its picture, its messages and its packages.
class TestDesignForm : public QObject
{
    Q_OBJECT

private:
    TemporaryHome m_home;
    std::unique_ptr<TestProgramFolder> m_folder;
    std::unique_ptr<MessageScript> m_messages;
    std::unique_ptr<TM1Form> m_window;
    std::unique_ptr<MessageRecorder> m_mainPage;
    QList<QUrl> m_opened;
    QStringList m_chosenFiles;  // answers of the next file dialogs

    QStringList rows(const QString &sql) { return SqliteShellRows(m_folder->databasePath(), sql); }

    QWidget *screen(const char *className)
    {
        for (QMdiSubWindow *sub : m_window->mdiArea()->subWindowList())
            if (sub->widget() && QString::fromLatin1(sub->widget()->metaObject()->className()) == QLatin1String(className))
                return sub->widget();
        return nullptr;
    }

    TDesignForm &openDesigner(qint64 refNo = 0)
    {
        m_window->OpenMenuForm(MenuId::Designer, PackRefNoParam(refNo));
        QWidget *form = screen("TDesignForm");
        if (!form)
            qFatal("the designer did not open: %s", qPrintable(m_messages->texts().join('\n')));
        return *static_cast<TDesignForm *>(form);  // the module's copy of the class
    }

    // The page's control of a field by where it stands (the module has its own copy of the
    // control class, so the surface's own look-up by class does not see it from here).
    static QWidget *fieldControlAt(TDesignForm &form, const QRect &geometry)
    {
        for (QWidget *child : form.surface()->findChildren<QWidget *>())
            if (QString::fromLatin1(child->metaObject()->className()) == QLatin1String("TDesignFieldControl")
                && child->geometry() == geometry)
                return child;
        return nullptr;
    }

    QList<WindowMessage> refreshes() const
    {
        QList<WindowMessage> found;
        for (const WindowMessage &message : m_mainPage->received)
            if (IsMessage(message, MsgRefreshMainPage))
                found.append(message);
        return found;
    }

    void startFolder()
    {
        m_folder.reset();  // its end unsets the program folder
        m_folder = std::make_unique<TestProgramFolder>();
        m_folder->copyShippedFiles("xml");
        m_folder->openDatabase();
        m_folder->removeShippedFormats();
        ExecTmpQuery(CurAdo, QStringLiteral("delete from s_ui"));
    }

private slots:
    void init()
    {
        startFolder();
        addTemplate("21", "工行支票", "工商银行支票", "支票", "是", "icbc.jpg");
        addField("21", 1000, "金额", 100, 50);
        addField("21", 1001, "收款人", 100, 80);
        writeFile(m_folder->file("images/icbc.jpg"), jfifPicture(400, 200, 1, 100, 100));
        m_messages = std::make_unique<MessageScript>();
        m_window = std::make_unique<TM1Form>();
        ShowLoaderWindow(*m_window);
        m_mainPage = std::make_unique<MessageRecorder>();
        MainUIWindowsHand = m_mainPage->Handle();
        m_opened.clear();
        DesktopOpener::setHandler([this](const QUrl &url) {
            m_opened.append(url);
            return true;
        });
        m_chosenFiles.clear();
        FileDialogSeam::setHandler([this](const FileDialogRequest &) { return m_chosenFiles.isEmpty() ? QString() : m_chosenFiles.takeFirst(); });
    }
    void cleanup()
    {
        FileDialogSeam::setHandler({});
        DesktopOpener::setHandler({});
        m_window.reset();
        m_mainPage.reset();
        m_messages.reset();
        m_folder.reset();
    }

    void nameDialogModes_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("kindEnabled");
        QTest::addColumn<QString>("typedName");
        QTest::addColumn<QString>("message");   // shown on 确定, empty: accepted
        QTest::newRow("new, free") << 0 << true << "农行支票" << QString();
        QTest::newRow("new, taken") << 0 << true << "工行支票" << "单据名称已经存在";
        QTest::newRow("new, blank") << 0 << true << "   " << "单据名称不能为空";
        QTest::newRow("rename, own name") << 1 << false << "工行支票" << QString();
        QTest::newRow("copy, taken: checked by the designer") << 2 << false << "工行支票" << QString();
    }
    void nameDialogModes()
    {
        QFETCH(int, mode);
        QFETCH(bool, kindEnabled);
        QFETCH(QString, typedName);
        QFETCH(QString, message);
        TGetNoteNameForm dialog(CurAdo, m_window.get(), {QString(), "工商银行支票", "支票"}, "21", NoteNameMode(mode));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("输入单据名称"));
        QCOMPARE(dialog.KindBox->isEnabled(), kindEnabled);
        QCOMPARE(dialog.KindBox->currentText(), QStringLiteral("支票"));
        QCOMPARE(dialog.KindBox->itemText(0), QStringLiteral("支票"));
        dialog.NameEdit->setText(typedName);
        dialog.show();
        dialog.OkButton->click();
        QCOMPARE(m_messages->lastText(), message);
        QCOMPARE(dialog.result() == QDialog::Accepted, message.isEmpty());
    }

    void leavingTheCategoryFillsAnEmptyName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected");
        QTest::newRow("empty") << "" << "农行支票";
        QTest::newRow("blanks") << "  " << "农行支票";
        QTest::newRow("typed") << "我的" << "我的";
    }
    void leavingTheCategoryFillsAnEmptyName()
    {
        QFETCH(QString, name);
        QFETCH(QString, expected);
        TGetNoteNameForm dialog(CurAdo, m_window.get(), {name, QString(), "支票"}, QString(), NoteNameMode::New);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QTRY_VERIFY(dialog.CategoryEdit->hasFocus());
        TypeText(dialog.CategoryEdit, "农行支票");
        dialog.NameEdit->setFocus();
        QCOMPARE(dialog.NameEdit->text(), expected);
        dialog.OkButton->click();
        QCOMPARE(dialog.choice(), (NoteNameChoice{expected, "农行支票", "支票"}));
    }

    void newTemplateIsPostedAtOnce()
    {
        TDesignForm &form = openDesigner();
        QVERIFY(form.currentNoteName().isEmpty());
        ModalWatch<QDialog> watch([](QDialog *dialog) { answerNameDialog(dialog, "农行支票", "农行'支票;一"); });
        form.BtnNew->click();
        QCOMPARE(watch.seen(), 1);
        QCOMPARE(form.currentNoteName(), QStringLiteral("农行'支票;一"));
        QCOMPARE(rows("select NoteNameType, NoteType, DataTablename, \"default\" from p_NoteList where NoteName = '农行''支票;一'"),
                 QStringList{"农行支票|支票|银行转帐单|是"});
        QCOMPARE(form.NoteListBox->currentText(), QStringLiteral("农行'支票;一"));
        QCOMPARE(form.NoteNameEdit->text(), QStringLiteral("农行'支票;一"));
    }

    void openRefNo_data()
    {
        QTest::addColumn<qint64>("refNo");
        QTest::addColumn<QString>("opened");
        QTest::newRow("known") << qint64(21) << "工行支票";
        QTest::newRow("unknown") << qint64(99) << "";
        QTest::newRow("zero") << qint64(0) << "";
    }
    void openRefNo()
    {
        QFETCH(qint64, refNo);
        QFETCH(QString, opened);
        TDesignForm &form = openDesigner(refNo);
        QCOMPARE(form.currentNoteName(), opened);
        QCOMPARE(form.header()->recordCount(), opened.isEmpty() ? 0 : 1);
        QVERIFY(m_messages->shown().isEmpty());
    }

    void saveAddsOneIconAndTellsTheMainPage()
    {
        TDesignForm &form = openDesigner(21);
        form.BtnSave->click();
        form.BtnSave->click();
        QCOMPARE(rows("select UserId, TabNo, ModId, Caption from s_ui"), QStringList{"1111|1|21|工商银行支票"});
        QCOMPARE(refreshes().size(), 2);
        QCOMPARE(refreshes().last().LParam, qint64(21));
    }

    // A field dragged with the mouse: 刷新 shows it where it is stored, and nothing is written.
    void refreshDropsUnsavedFieldChanges()
    {
        TDesignForm &form = openDesigner(21);
        m_window->activateWindow();
        QWidget *control = fieldControlAt(form, QRect(100, 50, 120, 22));
        QVERIFY(control);
        const QPoint grip(60, 11);
        const QPoint start = control->mapToGlobal(grip);
        QTest::mousePress(control, Qt::LeftButton, {}, grip);
        for (const QPoint step : {QPoint(10, 5), QPoint(40, 20)})
            QTest::mouseMove(control, control->mapFromGlobal(start + step));
        QTest::mouseRelease(control, Qt::LeftButton, {}, control->mapFromGlobal(start + QPoint(40, 20)));
        QCOMPARE(form.surface()->fieldRows().rect(1000), QRect(140, 70, 120, 22));
        QVERIFY(form.surface()->hasUnsavedChanges());
        form.BtnRefresh->click();
        QVERIFY(fieldControlAt(form, QRect(100, 50, 120, 22)));
        QVERIFY(!fieldControlAt(form, QRect(140, 70, 120, 22)));
        QVERIFY(!form.surface()->hasUnsavedChanges());
        QCOMPARE(rows("select Ctlx, CtlY from p_NoteCntlList where Tag = 1000"), QStringList{"100|50"});
    }

    // Another template opened (here by "OpenRefNo") drops the unsaved changes without asking.
    void openingAnotherTemplateDropsChanges()
    {
        addTemplate("22", "建行进账单", "建行进账单", "进账单");
        TDesignForm &form = openDesigner(21);
        form.surface()->applyToField(1001, {{"Ctlx", 300}});
        QVERIFY(form.surface()->hasUnsavedChanges());
        SendMessage(form.Handle(), RegisterWindowMessage(MsgOpenRefNo), 0, PackRefNoParam(22));
        QCOMPARE(form.currentNoteName(), QStringLiteral("建行进账单"));
        QVERIFY(m_messages->shown().isEmpty());
        QCOMPARE(rows("select Ctlx from p_NoteCntlList where Tag = 1001"), QStringList{"100"});
    }

    void exitAsksAboutUnsavedChanges_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<QString>("stored");
        QTest::newRow("cancel") << int(QMessageBox::Cancel) << false << "100";
        QTest::newRow("no") << int(QMessageBox::No) << true << "100";
        QTest::newRow("yes") << int(QMessageBox::Yes) << true << "300";
    }
    void exitAsksAboutUnsavedChanges()
    {
        QFETCH(int, answer);
        QFETCH(bool, closed);
        QFETCH(QString, stored);
        TDesignForm &form = openDesigner(21);
        form.surface()->applyToField(1000, {{"Ctlx", 300}});
        m_messages->answer(QMessageBox::StandardButton(answer));
        form.btnExit->click();
        QCOMPARE(m_messages->lastText(), QStringLiteral("单据格式已经修改，要保存吗？"));
        QTRY_COMPARE(screen("TDesignForm") == nullptr, closed);
        QCOMPARE(rows("select Ctlx from p_NoteCntlList where Tag = 1000"), QStringList{stored});
    }

    // A save that the database refuses keeps the screen open with its changes, and nothing of
    // the template is written.
    void exitKeepsTheScreenWhenSavingFails()
    {
        TDesignForm &form = openDesigner(21);
        form.surface()->applyToField(1000, {{"Ctlx", 300}});
        // The field rows are written by replacing them: refuse the new rows as well as changes.
        ExecTmpQuery(CurAdo, "create trigger refuse before update on p_NoteCntlList begin select raise(abort, 'refused'); end");
        ExecTmpQuery(CurAdo, "create trigger refuseNew before insert on p_NoteCntlList begin select raise(abort, 'refused'); end");
        m_messages->answer(QMessageBox::Yes);
        form.btnExit->click();
        QVERIFY2(m_messages->lastText().contains("refused"), qPrintable(m_messages->texts().join('\n')));
        QVERIFY(screen("TDesignForm"));
        QVERIFY(form.surface()->hasUnsavedChanges());
        QCOMPARE(rows("select Ctlx from p_NoteCntlList where Tag = 1000"), QStringList{"100"});
        QCOMPARE(rows("select count(*) from s_ui"), QStringList{"0"});
        ExecTmpQuery(CurAdo, "drop trigger refuse");
        ExecTmpQuery(CurAdo, "drop trigger refuseNew");
    }

    void exitWithoutChangesAsksNothing()
    {
        TDesignForm &form = openDesigner(21);
        form.btnExit->click();
        QTRY_VERIFY(!screen("TDesignForm"));
        QVERIFY(m_messages->shown().isEmpty());
    }

    void renameAndCopyThroughTheScreen()
    {
        TDesignForm &form = openDesigner(21);
        {
            ModalWatch<QDialog> watch([](QDialog *dialog) { answerNameDialog(dialog, "工行'新分类", "工行支票'甲"); });
            form.RenameButton->click();
            QCOMPARE(watch.seen(), 1);
        }
        QCOMPARE(form.currentNoteName(), QStringLiteral("工行支票'甲"));
        QCOMPARE(form.NoteNameTypeEdit->text(), QStringLiteral("工行'新分类"));
        {
            // The proposed copy name is the name followed by "_2".
            QString proposed;
            ModalWatch<QDialog> watch([&](QDialog *dialog) {
                proposed = dialog->findChild<QLineEdit *>("NameEdit")->text();
                dialog->findChild<QPushButton *>("OkButton")->click();
            });
            m_chosenFiles << QString();  // the copy's picture dialog is cancelled
            form.CopyButton->click();
            QCOMPARE(proposed, QStringLiteral("工行支票'甲_2"));
        }
        QCOMPARE(form.currentNoteName(), QStringLiteral("工行支票'甲_2"));
        QCOMPARE(rows("select count(*) from p_NoteCntlList where RefNo = (select RefNo from p_NoteList where NoteName = '工行支票''甲_2')"),
                 QStringList{"2"});
        m_messages->clear();
        ModalWatch<QDialog> taken([](QDialog *dialog) {
            dialog->findChild<QLineEdit *>("NameEdit")->setText("工行支票'甲");
            dialog->findChild<QPushButton *>("OkButton")->click();
        });
        form.CopyButton->click();
        QCOMPARE(m_messages->lastText(), QStringLiteral("单据名称已经存在，不能重复"));
        QCOMPARE(m_messages->shown().last().title, QStringLiteral("提示"));
    }

    void deleteThroughTheScreen()
    {
        TDesignForm &form = openDesigner(21);
        form.BtnSave->click();
        m_messages->answer(QMessageBox::Yes);
        form.BtnDel->click();
        QCOMPARE(m_messages->lastText(), QStringLiteral("确认删除?"));
        QVERIFY(form.currentNoteName().isEmpty());
        QVERIFY(!form.pnlMain->isEnabled());
        QCOMPARE(rows("select count(*) from p_NoteList"), QStringList{"0"});
        QCOMPARE(rows("select count(*) from p_NoteCntlList"), QStringList{"0"});
        QCOMPARE(rows("select count(*) from s_ui"), QStringList{"0"});
        QVERIFY(!QFile::exists(m_folder->file("images/icbc.jpg")));
        QCOMPARE(refreshes().last().LParam, qint64(21));
    }

    // Deleting a template that bills were made with names how many there are and what is lost;
    // the default answer keeps the template.
    void deleteWarnsAboutItsBills_data()
    {
        QTest::addColumn<int>("bills");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("deleted");
        QTest::newRow("three bills, no") << 3 << int(QMessageBox::No) << false;
        QTest::newRow("one bill, yes") << 1 << int(QMessageBox::Yes) << true;
    }
    void deleteWarnsAboutItsBills()
    {
        QFETCH(int, bills);
        QFETCH(int, answer);
        QFETCH(bool, deleted);
        for (int i = 0; i < bills; ++i)
            ExecTmpQuery(CurAdo, "insert into 银行转帐单 (NoteName) values ('工行支票')");
        ExecTmpQuery(CurAdo, "insert into 银行转帐单 (NoteName) values ('别的支票')");
        TDesignForm &form = openDesigner(21);
        m_messages->clear();
        m_messages->answer(QMessageBox::StandardButton(answer));
        form.BtnDel->click();
        QCOMPARE(m_messages->shown().size(), 1);
        const MessageRequest &question = m_messages->shown().first();
        QCOMPARE(question.text, QStringLiteral("单据格式“工行支票”已有%1张单据使用，删除后这些单据将不能再打开或打印。\n确认删除?").arg(bills));
        QCOMPARE(question.buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(question.defaultButton, QMessageBox::No);  // Enter keeps the template
        QCOMPARE(rows("select count(*) from p_NoteList where RefNo = '21'"), QStringList{deleted ? "0" : "1"});
        QCOMPARE(form.currentNoteName().isEmpty(), deleted);
        QCOMPARE(QFile::exists(m_folder->file("images/icbc.jpg")), !deleted);
    }

    void pictureImport_data()
    {
        QTest::addColumn<int>("density");
        QTest::addColumn<bool>("red");
        QTest::newRow("with density") << 150 << false;
        QTest::newRow("density 0") << 0 << true;
    }
    void pictureImport()
    {
        QFETCH(int, density);
        QFETCH(bool, red);
        TDesignForm &form = openDesigner(21);
        const QString scan = m_folder->file("scans/scan.jpg");
        writeFile(scan, jfifPicture(600, 300, 1, quint16(density), quint16(density)));
        m_chosenFiles << scan;
        form.ImgBrowseButton->click();
        QCOMPARE(rows("select ImgFile, xDpi, yDpi, DpiUnit, ImgEnc, tWidth is not null and tWidth <> '' from p_NoteList where RefNo = '21'"),
                 QStringList{QStringLiteral("scan.jpg|%1|%1|1|0|%2").arg(density).arg(red ? 0 : 1)});
        QVERIFY(QFile::exists(m_folder->file("images/scan.jpg")));
        QCOMPARE(form.ImgFileEdit->palette().color(QPalette::Text) == QColor(Qt::red), red);
        QCOMPARE(form.surface()->pictureSize(), QSize(600, 300));
    }

    // A chosen file that is no usable picture is refused where it lies: a message, nothing
    // copied into images, the template's columns as they were.
    void pictureImportRefused_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("message");
        const QByteArray jpeg = jfifPicture(600, 300, 1, 150, 150);
        QTest::newRow("text file") << QByteArray("这不是图片\r\n") << "scan.jpg不是有效的JPEG图片";
        QTest::newRow("png renamed .jpg") << PngPicture() << "scan.jpg不是有效的JPEG图片";
        QTest::newRow("truncated jpeg") << TruncatedJpeg(jpeg) << "scan.jpg不是有效的JPEG图片";
        QTest::newRow("header claims 60000 x 60000")
            << JpegClaimingSize(jpeg, 60000, 60000) << "图片scan.jpg的纸张尺寸为10160 x 10160毫米，超过了2000毫米";
    }
    void pictureImportRefused()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        TDesignForm &form = openDesigner(21);
        const QString columns = "select ImgFile, xDpi, yDpi, DpiUnit, ImgEnc, tWidth, tHeight, ConvertRate1 from p_NoteList";
        const QStringList before = rows(columns);
        const QStringList imagesBefore = QDir(m_folder->file("images")).entryList(QDir::Files);
        const QString scan = m_folder->file("scans/scan.jpg");
        writeFile(scan, content);
        m_chosenFiles << scan;
        m_messages->clear();
        form.ImgBrowseButton->click();
        QCOMPARE(m_messages->shown().size(), 1);
        QVERIFY2(m_messages->lastText().contains(message), qPrintable(m_messages->lastText()));
        QCOMPARE(rows(columns), before);
        QCOMPARE(QDir(m_folder->file("images")).entryList(QDir::Files), imagesBefore);
        QCOMPARE(form.ImgFileEdit->text(), QStringLiteral("icbc.jpg"));
        QCOMPARE(form.surface()->pictureSize(), QSize(400, 200));
    }

    // A picture replaced by another goes from images once no template names it; one that
    // another template still shows stays.
    void replacedPictureIsRemovedWhenUnused_data()
    {
        QTest::addColumn<bool>("shared");
        QTest::newRow("only this template's") << false;
        QTest::newRow("another template's too") << true;
    }
    void replacedPictureIsRemovedWhenUnused()
    {
        QFETCH(bool, shared);
        if (shared)
            addTemplate("22", "建行支票", "建设银行支票", "支票", "是", "icbc.jpg");
        TDesignForm &form = openDesigner(21);
        const QString scan = m_folder->file("scans/new.jpg");
        writeFile(scan, jfifPicture(500, 250, 1, 100, 100));
        m_chosenFiles << scan;
        form.ImgBrowseButton->click();
        QVERIFY(m_messages->shown().isEmpty());
        QCOMPARE(rows("select ImgFile from p_NoteList where RefNo = '21'"), QStringList{"new.jpg"});
        QStringList expected{"new.jpg"};
        if (shared)
            expected.prepend("icbc.jpg");
        QCOMPARE(QDir(m_folder->file("images")).entryList(QDir::Files, QDir::Name), expected);
        // Chosen again: the same file, nothing removed.
        m_chosenFiles << scan;
        form.ImgBrowseButton->click();
        QCOMPARE(QDir(m_folder->file("images")).entryList(QDir::Files, QDir::Name), expected);
    }

    void pictureDialogFilters()
    {
        TDesignForm &form = openDesigner(21);
        QStringList filters;
        FileDialogSeam::setHandler([&](const FileDialogRequest &request) {
            filters << request.filter;
            return QString();
        });
        form.ImgBrowseButton->click();
        form.IconBrowseButton->click();
        QCOMPARE(filters.size(), 2);
        for (const char *pattern : {"*.jpg", "*.JPG", "*.jpeg"})
            QVERIFY2(filters[0].contains(pattern), qPrintable(filters[0]));
        for (const char *pattern : {"*.bmp", "*.BMP"})
            QVERIFY2(filters[1].contains(pattern), qPrintable(filters[1]));
    }

    void iconImportAndFolders()
    {
        TDesignForm &form = openDesigner(21);
        const QString icon = m_folder->file("scans/bank.bmp");
        writeFile(icon, "BMicon");
        m_chosenFiles << icon;
        form.IconBrowseButton->click();
        QCOMPARE(rows("select smallpic from p_NoteList where RefNo = '21'"), QStringList{"bank.bmp"});
        QVERIFY(QFile::exists(m_folder->file("icons/bank.bmp")));
        form.IconFileDblClick();
        form.ImgFileDblClick();
        QCOMPARE(m_opened.size(), 2);
        QCOMPARE(QDir(m_opened[0].toLocalFile()).canonicalPath(), QDir(m_folder->file("icons")).canonicalPath());
        QCOMPARE(QDir(m_opened[1].toLocalFile()).canonicalPath(), QDir(m_folder->file("images")).canonicalPath());
    }

    void entryOpensTheBillForm()
    {
        TDesignForm &form = openDesigner(21);
        form.BtnEntry->click();
        QWidget *bill = screen("TEditNoteForm");
        QVERIFY(bill);
        QCOMPARE(static_cast<TEditNoteForm *>(bill)->NoteListComboBox->currentText(), QStringLiteral("工行支票"));
        // and back: the bill form's 设计 opens the designer on its format
        form.close();
        QTRY_VERIFY(!screen("TDesignForm"));
        bill->findChild<QPushButton *>("DesignBtn")->click();
        QVERIFY(screen("TDesignForm"));
        QCOMPARE(static_cast<TDesignForm *>(screen("TDesignForm"))->currentNoteName(), QStringLiteral("工行支票"));
    }

    // The page stands at strip + offset (one pixel is 0.5 mm, halves to the even pixel) as the
    // offset is typed, and the typed value is what 保存 stores.
    void offsetTypedMovesThePage_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("x");
        QTest::addColumn<QString>("stored");
        QTest::newRow("whole") << "10" << 50 + 20 << "10.0";
        QTest::newRow("half pixel down to even") << "10.25" << 50 + 20 << "10.25";
        QTest::newRow("half pixel up to even") << "10.75" << 50 + 22 << "10.75";
        QTest::newRow("negative") << "-3" << 50 - 6 << "-3.0";
    }
    void offsetTypedMovesThePage()
    {
        QFETCH(QString, typed);
        QFETCH(int, x);
        QFETCH(QString, stored);
        TDesignForm &form = openDesigner(21);
        QCOMPARE(form.surface()->pagePosition(), QPoint(50, 30));
        form.XmoveEdit->setFocus();
        form.XmoveEdit->selectAll();
        QTest::keyClicks(form.XmoveEdit, typed);
        QCOMPARE(form.surface()->pagePosition(), QPoint(x, 30));
        QCOMPARE(form.XmoveEdit->text(), typed);
        form.BtnSave->click();
        QCOMPARE(rows("select Xmove, Ymove from p_NoteList where RefNo = '21'"), QStringList{stored + "|0.0"});
    }

    // The template panel shows while no field is selected, the property panel while one is.
    void panelFollowsTheSelection()
    {
        TDesignForm &form = openDesigner(21);
        QVERIFY(form.pnlMain->isVisibleTo(&form));
        QVERIFY(!form.pnlDetail->isVisibleTo(&form));
        QWidget *control = fieldControlAt(form, QRect(100, 50, 120, 22));
        QVERIFY(control);
        QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(60, 11));
        QVERIFY(!form.pnlMain->isVisibleTo(&form));
        QVERIFY(form.pnlDetail->isVisibleTo(&form));
        form.BtnRefresh->click();
        QVERIFY(form.pnlMain->isVisibleTo(&form));
        QVERIFY(!form.pnlDetail->isVisibleTo(&form));
    }

    // Ctrl+arrows with nothing selected move the page; the surface stores the offset at once and
    // the template panel shows it.
    void pageMovedByKeysShowsInThePanel()
    {
        TDesignForm &form = openDesigner(21);
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        form.setFocus();
        QTest::keyClick(&form, Qt::Key_Left, Qt::ControlModifier);
        QTest::keyClick(&form, Qt::Key_Down, Qt::ControlModifier);
        QCOMPARE(rows("select Xmove, Ymove from p_NoteList where RefNo = '21'"), QStringList{"-0.5|0.5"});
        QCOMPARE(form.XmoveEdit->text(), QStringLiteral("-0.5"));
        QCOMPARE(form.YmoveEdit->text(), QStringLiteral("0.5"));
        QVERIFY(!form.header()->isEditing());
    }

    // A new bill type from nothing: made, given a picture, five fields placed, saved, filled in
    // the bill form opened by 录入 and printed; every text stands on paper where it was placed.
    void roundTripFromScratch()
    {
        TDesignForm &form = openDesigner();
        ModalWatch<QDialog> naming([](QDialog *dialog) {
            auto *kind = dialog->findChild<QComboBox *>("KindBox");
            kind->setCurrentIndex(kind->findText("进账单"));
            answerNameDialog(dialog, "自制进账单", "自制进账单");
        });
        form.BtnNew->click();
        QCOMPARE(naming.seen(), 1);
        const QString scan = m_folder->file("scans/自制.jpg");
        writeFile(scan, jfifPicture(800, 400, 1, 100, 100));  // 8 x 4 inches of paper
        m_chosenFiles << scan;
        form.ImgBrowseButton->click();

        struct Placed { QString column; QRect rect; QString value; };
        const QList<Placed> placed{{"收款人名称", {100, 60, 300, 22}, "Payee-Hua"},
                                   {"收款银行", {100, 100, 300, 22}, "Bank-Dong"},
                                   {"用途", {450, 60, 200, 22}, "Usage-Rent"},
                                   {"付款人名称", {100, 200, 300, 22}, "Payer-Li"},
                                   {"单据号码", {600, 300, 150, 22}, "No-31415"}};
        for (const Placed &field : placed) {
            const int tag = form.addFieldButtons()->add(0);  // 编辑文本
            QVERIFY(tag >= 1000);
            form.surface()->applyToField(tag, {{"DbFieldName", field.column}, {"Ctlx", field.rect.x()}, {"CtlY", field.rect.y()},
                                               {"CtlW", field.rect.width()}, {"CtlH", field.rect.height()}});
        }
        form.BtnSave->click();
        QCOMPARE(rows("select count(*) from p_NoteCntlList where RefNo = (select RefNo from p_NoteList where NoteName = '自制进账单')"),
                 QStringList{"5"});
        QCOMPARE(rows("select Caption from s_ui where TabNo = 2"), QStringList{"自制进账单"});

        form.BtnEntry->click();
        auto *bill = static_cast<TEditNoteForm *>(screen("TEditNoteForm"));
        QVERIFY(bill);
        bill->BtnNew->click();
        for (const Placed &field : placed)
            bill->header()->fieldByName(field.column)->setValue(field.value);
        bill->header()->fieldByName("金额")->setValue(100);
        bill->BtnSave->click();
        QVERIFY2(!bill->header()->isEditing(), qPrintable(m_messages->texts().join('\n')));

        QTemporaryDir output;
        const QString pdf = output.filePath("bill.pdf");
        QPrinter &printer = CurrentPrinter();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        const QMarginsF margins = printer.pageLayout().margins();
        printer.setFullPage(true);  // positions from the sheet's corner
        printer.setPageMargins(QMarginsF(0, 0, 0, 0));
        const auto restore = qScopeGuard([&] {
            printer.setPageMargins(margins);
            printer.setFullPage(false);
            printer.setOutputFileName(QString());
            printer.setOutputFormat(QPrinter::NativeFormat);
        });
        bill->PreviewFlatButton->click();
        SendMessage(HandleOf(bill), RegisterWindowMessage(MsgPreviewPrint), 0, 0);
        const QList<PdfWord> words = PdfWords(pdf);
        for (const Placed &field : placed) {
            const auto word = std::find_if(words.cbegin(), words.cend(), [&](const PdfWord &w) { return w.text == field.value; });
            QVERIFY2(word != words.cend(), qPrintable(field.value));
            const QRectF box(field.rect.x() * 0.254, field.rect.y() * 0.254, field.rect.width() * 0.254, field.rect.height() * 0.254);
            QVERIFY2(qAbs(word->mm.left() - box.left()) < 1.5, qPrintable(QStringLiteral("%1 at x %2 mm, placed at %3 mm").arg(field.value).arg(word->mm.left()).arg(box.left())));
            QVERIFY2(word->mm.top() >= box.top() - 0.5 && word->mm.bottom() <= box.bottom() + 0.5,
                     qPrintable(QStringLiteral("%1 at y %2-%3 mm, placed %4-%5 mm").arg(field.value).arg(word->mm.top()).arg(word->mm.bottom()).arg(box.top()).arg(box.bottom())));
        }
    }

    // 导出 uses the package password; with Shift held, the key of an empty password.
    void exportPasswords_data()
    {
        QTest::addColumn<bool>("shift");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("other");
        QTest::newRow("plain") << false << "tenobarquimel" << "quvrest.zd";
        QTest::newRow("shift") << true << "quvrest.zd" << "tenobarquimel";
    }
    void exportPasswords()
    {
        QFETCH(bool, shift);
        QFETCH(QString, password);
        QFETCH(QString, other);
        TDesignForm &form = openDesigner(21);
        const QString package = QDir(m_home.path()).filePath("out.pnt");
        m_chosenFiles << package;
        form.exportPackage(shift ? Qt::ShiftModifier : Qt::NoModifier);
        QCOMPARE(runTool("unzip", {"-P", password, "-t", package}).exitCode, 0);
        QVERIFY(runTool("unzip", {"-P", other, "-t", package}).exitCode != 0);
    }

    // Another data table: the property panel's columns come from it at once.
    void dataTableChangeReachesThePage()
    {
        TDesignForm &form = openDesigner(21);
        QCOMPARE(form.surface()->header()->dataTableName, QStringLiteral("银行转帐单"));
        const int index = form.DataTableBox->findText("快递单");
        QVERIFY(index >= 0);
        form.DataTableBox->setCurrentIndex(index);
        emit form.DataTableBox->textActivated("快递单");
        QTRY_COMPARE(form.surface()->header()->dataTableName, QStringLiteral("快递单"));
        QCOMPARE(rows("select DataTablename from p_NoteList where RefNo = '21'"), QStringList{"快递单"});
    }

    void templateListOpensTheChosenFormat()
    {
        addTemplate("22", "工行支票二", "工商银行支票", "支票", "否");
        TDesignForm &form = openDesigner(21);
        QCOMPARE(form.NoteListBox->count(), 2);
        emit form.NoteListBox->textActivated("工行支票二");
        QCOMPARE(form.currentNoteName(), QStringLiteral("工行支票二"));
        QCOMPARE(form.NoteListBox->currentText(), QStringLiteral("工行支票二"));
    }

    void exportThenImportIntoAFreshFolder()
    {
        const QString package = QDir(m_home.path()).filePath("工行支票.pnt");
        {
            TDesignForm &form = openDesigner(21);
            m_chosenFiles << package;
            form.BtnExport->click();
            QCOMPARE(m_messages->lastText(), QStringLiteral("生成成功!"));
        }
        const QString fields = "select Tag, CtlCName, Ctlx, CtlY, CtlW, CtlH, FieldEditType, CtlFontName from p_NoteCntlList"
                               " where RefNo = (select RefNo from p_NoteList where NoteName = '工行支票') order by Tag";
        const QString note = "select NoteName, NoteNameType, NoteType, DataTablename, ImgFile from p_NoteList";
        const QStringList fieldsBefore = rows(fields);
        const QStringList noteBefore = rows(note);
        QFile picture(m_folder->file("images/icbc.jpg"));
        QVERIFY(picture.open(QIODevice::ReadOnly));
        const QByteArray pictureBefore = picture.readAll();

        m_window.reset();
        startFolder();
        m_window = std::make_unique<TM1Form>();
        ShowLoaderWindow(*m_window);
        TDesignForm &form = openDesigner();
        m_chosenFiles << package;
        form.BtnImport->click();
        QCOMPARE(form.currentNoteName(), QStringLiteral("工行支票"));
        QCOMPARE(rows(note), noteBefore);
        QCOMPARE(rows(fields), fieldsBefore);
        QFile imported(m_folder->file("images/icbc.jpg"));
        QVERIFY(imported.open(QIODevice::ReadOnly));
        QCOMPARE(imported.readAll(), pictureBefore);
    }
};

QTEST_MAIN(TestDesignForm)
#include "tst_designform.moc"
