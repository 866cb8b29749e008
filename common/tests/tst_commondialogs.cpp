#include "MessageScript.h"
#include "core/text/FontString.h"
#include "gui/dialogs/FileDialogSeam.h"
#include "gui/dialogs/FileDialogs.h"
#include "gui/dialogs/FontDialogSeam.h"
#include "gui/dialogs/FontDialogs.h"
#include "gui/dialogs/MessageBoxes.h"
#include "gui/style/FormColor.h"

#include <QFileDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

class TestCommonDialogs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup()
    {
        FileDialogSeam::setHandler({});
        FontDialogSeam::setHandler({});
    }

    void showingBoxes()
    {
        MessageScript script;
        ShowMsgHint(QStringLiteral("提示"));
        ShowMsgWarn(QStringLiteral("警告"));
        ShowMsgerror(QStringLiteral("错误"));
        QCOMPARE(script.texts(), (QStringList{"提示", "警告", "错误"}));
        for (const MessageRequest &request : script.shown()) {
            QCOMPARE(request.icon, QMessageBox::Information);
            QCOMPARE(request.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
            QVERIFY(request.title.isEmpty());
        }
    }

    void confirmIsTrueOnlyForYes_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("result");
        QTest::newRow("yes") << int(QMessageBox::Yes) << true;
        QTest::newRow("no") << int(QMessageBox::No) << false;
        QTest::newRow("closed") << int(QMessageBox::NoButton) << false;
        QTest::newRow("escape") << int(QMessageBox::Cancel) << false;
    }
    void confirmIsTrueOnlyForYes()
    {
        QFETCH(int, answer);
        QFETCH(bool, result);
        MessageScript script;
        script.answer(QMessageBox::StandardButton(answer));
        QCOMPARE(Confirm(QStringLiteral("确认删除？")), result);
        QCOMPARE(script.shown().size(), 1);
        QCOMPARE(script.shown().first().icon, QMessageBox::Question);
        QCOMPARE(script.shown().first().buttons, QMessageBox::Yes | QMessageBox::No);
    }

    void fileDialogsAskThroughTheSeam()
    {
        QList<FileDialogRequest> asked;
        QString answer = QStringLiteral("/tmp/a.xls");
        FileDialogSeam::setHandler([&](const FileDialogRequest &request) {
            asked.append(request);
            return answer;
        });
        QCOMPARE(GetSaveFileName(QStringLiteral("/tmp"), QStringLiteral(".xls"), QStringLiteral("c.xls"), QStringLiteral("导出"),
                                 QStringLiteral("Excel文件(*.xls)|*.xls")),
                 answer);
        answer.clear();
        QCOMPARE(GetOpenFileName(QStringLiteral("/tmp"), QStringLiteral("pnt"), QStringLiteral("导入"), QStringLiteral("模板包|*.pnt|所有文件|*.*")),
                 QString());
        QCOMPARE(asked.size(), 2);
        QCOMPARE(asked[0].kind, FileDialogRequest::Save);
        QCOMPARE(asked[0].defaultExtension, QStringLiteral("xls"));
        QCOMPARE(asked[0].fileName, QStringLiteral("c.xls"));
        QCOMPARE(asked[0].title, QStringLiteral("导出"));
        QCOMPARE(asked[0].filter, QStringLiteral("Excel文件 (*.xls)"));
        QCOMPARE(asked[1].kind, FileDialogRequest::Open);
        QCOMPARE(asked[1].filter, QStringLiteral("模板包 (*.pnt);;所有文件 (*)"));
    }

    void realSaveDialogTakesSettingsAndAsksNothingMore()
    {
        QTemporaryDir dir;
        QFile existing(dir.filePath(QStringLiteral("report.xls")));
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.close();
        MessageScript script; // the caller asks about replacing, not the dialog
        QStringList filters;
        QString suffix;
        QTimer driver;
        driver.setInterval(10);
        connect(&driver, &QTimer::timeout, [&] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            driver.stop();
            filters = dialog->nameFilters();
            suffix = dialog->defaultSuffix();
            dialog->selectFile(QStringLiteral("report"));
            static_cast<QDialog *>(dialog)->accept();
        });
        driver.start();
        const QString chosen = GetSaveFileName(dir.path(), QStringLiteral("xls"), QStringLiteral("a.xls"), QStringLiteral("导出"),
                                               QStringLiteral("Excel文件(*.xls)|*.xls|所有文件|*.*"));
        QCOMPARE(filters, (QStringList{"Excel文件 (*.xls)", "所有文件 (*)"}));
        QCOMPARE(suffix, QStringLiteral("xls"));
        QCOMPARE(chosen, dir.filePath(QStringLiteral("report.xls")));
        QVERIFY(script.shown().isEmpty());
    }

    void fontStyleWords_data()
    {
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("italic");
        QTest::addColumn<bool>("underline");
        QTest::addColumn<bool>("strikeOut");
        QTest::addColumn<QStringList>("words");
        QTest::newRow("plain") << false << false << false << false << QStringList{"", "", "", ""};
        QTest::newRow("bold") << true << false << false << false << QStringList{"粗体", "", "", ""};
        QTest::newRow("italic underline") << false << true << true << false << QStringList{"", "斜体", "下划线", ""};
        QTest::newRow("all") << true << true << true << true << QStringList{"粗体", "斜体", "下划线", "删除线"};
    }
    void fontStyleWords()
    {
        QFETCH(bool, bold);
        QFETCH(bool, italic);
        QFETCH(bool, underline);
        QFETCH(bool, strikeOut);
        QFETCH(QStringList, words);
        QFont font(QStringLiteral("宋体"), 9);
        font.setBold(bold);
        font.setItalic(italic);
        font.setUnderline(underline);
        font.setStrikeOut(strikeOut);
        for (int n = 1; n <= 4; ++n)
            QCOMPARE(GetFontstyleStr(font, n), words[n - 1]);
        QCOMPARE(GetFontstyleStr(font, 5), QString());
        const QString text = FontToFontString(font);
        QCOMPARE(text, QStringLiteral("宋体;9;") + words.join(QLatin1Char(';')));
        QCOMPARE(FontToFontString(FontFromFontString(text)), text);
    }

    void fontDialogIsPresetAndAnswered()
    {
        QFont shown;
        std::optional<QFont> answer = QFont(QStringLiteral("黑体"), 14);
        answer->setItalic(true);
        FontDialogSeam::setHandler([&](const QFont &initial) {
            shown = initial;
            return answer;
        });
        QCOMPARE(GetFontString(nullptr, QStringLiteral("宋体;12;粗体;;下划线;")), QStringLiteral("黑体;14;;斜体;;"));
        QCOMPARE(shown.family(), QStringLiteral("宋体"));
        QCOMPARE(shown.pointSize(), 12);
        QVERIFY(shown.bold() && shown.underline() && !shown.italic() && !shown.strikeOut());
        answer.reset();
        QCOMPARE(GetFontString(nullptr, QStringLiteral("宋体;12;;;;")), QString());
    }

    void formColors()
    {
        QWidget form;
        auto *button = new QPushButton(&form);
        auto *panel = new QFrame(&form);
        auto *group = new QGroupBox(&form);
        auto *grid = new QTableView(&form);
        auto *label = new QLabel(&form);
        auto *title = new QLabel(&form);
        title->setObjectName(QStringLiteral("TitleLabel"));
        title->setAutoFillBackground(true);
        label->setAutoFillBackground(true);
        auto *edit = new QLineEdit(&form);
        const QPalette editBefore = edit->palette();
        SetFormColor(&form);
        QCOMPARE(button->palette().color(QPalette::Button), QColor(0xF6, 0xF5, 0xF5));
        QCOMPARE(panel->palette().color(QPalette::Window), FormFaceColor);
        QVERIFY(panel->autoFillBackground());
        QCOMPARE(group->palette().color(QPalette::Window), FormFaceColor);
        QCOMPARE(grid->horizontalHeader()->palette().color(QPalette::Button), FormFaceColor);
        QCOMPARE(grid->palette().color(QPalette::Base), QApplication::palette().color(QPalette::Base));
        QVERIFY(!label->autoFillBackground());
        QVERIFY(title->autoFillBackground());
        QCOMPARE(edit->palette(), editBefore);
    }
};

QTEST_MAIN(TestCommonDialogs)
#include "tst_commondialogs.moc"
