#include "helpers/SpreadsheetFixtures.h"
#include "MessageScript.h"
#include "SqliteShell.h"
#include "TestProgramFolder.h"

#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/db/AdoFunc.h"
#include "core/globals/PubDm.h"
#include "gui/desktop/DesktopOpener.h"
#include "gui/dialogs/FileDialogSeam.h"
#include "gui/export/DataSetExport.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <QtTest>

// Spreadsheet export of a data set, read back by openpyxl.
class TestDataSetExport : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestProgramFolder> m_folder;
    std::unique_ptr<MessageScript> m_messages;
    std::unique_ptr<DataSet> m_set;
    QList<FileDialogRequest> m_dialogs;
    QString m_choice;  // what the save dialog answers
    QList<QUrl> m_opened;

    QString target(const QString &name) const { return QDir(m_folder->path()).filePath(name); }

    static QJsonArray rowsOf(const QString &path)
    {
        const ToolRun run = ReadXlsxWithOpenpyxl(path);
        if (run.exitCode != 0)
            qWarning() << run.errors;
        return QJsonDocument::fromJson(run.output).object().value(QLatin1String("rows")).toArray();
    }
    static QJsonObject cell(const QJsonArray &rows, int row, int column)
    {
        return rows[row].toArray()[column].toObject();
    }
    static QByteArray contents(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private Q_SLOTS:
    void init()
    {
        m_folder = std::make_unique<TestProgramFolder>();
        m_folder->openDatabase();
        m_messages = std::make_unique<MessageScript>();
        m_dialogs.clear();
        m_opened.clear();
        FileDialogSeam::setHandler([this](const FileDialogRequest &request) {
            m_dialogs.append(request);
            return m_choice;
        });
        DesktopOpener::setHandler([this](const QUrl &url) {
            m_opened.append(url);
            return true;
        });
        ExecTmpQuery(CurAdo, QStringLiteral("create table e (code varchar(10), account varchar(30), amount money, "
                                            "big int, rate float, paid datetime, memo text, ok bit)"));
        m_set = std::make_unique<DataSet>();
        m_set->setSql(QStringLiteral("select * from e"));
    }
    void cleanup()
    {
        FileDialogSeam::setHandler({});
        DesktopOpener::setHandler({});
        m_set.reset();
        m_messages.reset();
        m_folder.reset();
    }

    void typedValuesUnderTheDisplayLabels()
    {
        ExecTmpQuery(CurAdo, QStringLiteral("insert into e values ('00123', '6222021234567890123', 0.3, 9007199254740993, "
                                            "2.5, '2024-03-05', ?, 1), ('7', NULL, NULL, NULL, NULL, NULL, NULL, NULL)"),
                     {QStringLiteral("第一行\n第二行")});
        m_set->open();
        m_set->fieldByName(QStringLiteral("code"))->setDisplayLabel(QStringLiteral("编号"));
        m_set->fieldByName(QStringLiteral("amount"))->setDisplayLabel(QStringLiteral("金额"));
        m_set->fieldByName(QStringLiteral("ok"))->setVisible(false);  // hidden fields are exported too
        m_choice = target(QStringLiteral("导出"));
        QVERIFY(DataSetExportToExcel(*m_set, QStringLiteral("单位资料.xls")));

        const QString written = target(QStringLiteral("导出.xlsx"));
        QCOMPARE(m_dialogs.size(), 1);
        QCOMPARE(m_dialogs[0].kind, FileDialogRequest::Save);
        QVERIFY(m_dialogs[0].fileName.endsWith(QStringLiteral("/单位资料.xlsx")));
        QVERIFY(m_dialogs[0].filter.contains(QStringLiteral("*.xlsx")));
        QCOMPARE(m_messages->texts(), QStringList{QStringLiteral("数据导出完毕！")});
        QCOMPARE(m_messages->shown()[0].title, QStringLiteral("系统提示"));
        QCOMPARE(m_opened, QList<QUrl>{QUrl::fromLocalFile(written)});

        const QJsonArray rows = rowsOf(written);
        QCOMPARE(rows.size(), 3);
        // Unlabelled fields are headed by their names, so a re-import finds every column.
        const QStringList header{QStringLiteral("编号"), QStringLiteral("account"), QStringLiteral("金额"),
                                 QStringLiteral("big"),  QStringLiteral("rate"),    QStringLiteral("paid"),
                                 QStringLiteral("memo"), QStringLiteral("ok")};
        for (int column = 0; column < header.size(); ++column)
            QCOMPARE(cell(rows, 0, column).value(QLatin1String("value")).toString(), header[column]);

        const auto valueAt = [&](int column) { return cell(rows, 1, column).value(QLatin1String("value")); };
        const auto typeAt = [&](int column) { return cell(rows, 1, column).value(QLatin1String("type")).toString(); };
        QCOMPARE(valueAt(0).toString(), QStringLiteral("00123"));
        QCOMPARE(typeAt(0), QStringLiteral("s"));
        QCOMPARE(valueAt(1).toString(), QStringLiteral("6222021234567890123"));
        QCOMPARE(valueAt(2).toDouble(), 0.3);
        QCOMPARE(typeAt(2), QStringLiteral("n"));
        QCOMPARE(cell(rows, 1, 2).value(QLatin1String("format")).toString(), QStringLiteral("0.00"));
        QCOMPARE(valueAt(3).toString(), QStringLiteral("9007199254740993"));  // beyond a double: exact text
        QCOMPARE(valueAt(4).toDouble(), 2.5);
        QCOMPARE(valueAt(5).toString(), QStringLiteral("2024-03-05T00:00:00"));
        QCOMPARE(valueAt(6).toString(), QStringLiteral("第一行\n第二行"));
        QCOMPARE(valueAt(7).toBool(), true);
        QCOMPARE(cell(rows, 2, 0).value(QLatin1String("value")).toString(), QStringLiteral("7"));
        for (int column = 1; column < header.size(); ++column)
            QVERIFY(cell(rows, 2, column).value(QLatin1String("value")).isNull());
    }

    // A list longer than what the data set reads at once: every row reaches the file.
    void aLongListReadBackEqualsTheTable()
    {
        ExecTmpQuery(CurAdo, QStringLiteral("with recursive n(i) as (select 1 union all select i + 1 from n where i < 10000) "
                                            "insert into e (code, amount, paid) select printf('%05d', i), (i * 7919 % 100003) / 100.0, "
                                            "date('2020-01-01', '+' || (i % 900) || ' days') from n"));
        m_set->setSql(QStringLiteral("select code, amount, paid from e order by code desc"));
        m_set->open();
        QVERIFY(m_set->fetchedCount() < m_set->recordCount());
        m_choice = target(QStringLiteral("long.xlsx"));
        QVERIFY(DataSetExportToExcel(*m_set, QString()));

        const QJsonArray rows = rowsOf(m_choice);
        const QStringList stored = SqliteShellRows(m_folder->databasePath(), QStringLiteral("select code, amount, paid from e order by code desc"));
        QCOMPARE(rows.size(), stored.size() + 1);
        for (int row = 0; row < stored.size(); ++row) {
            const QStringList expected = stored[row].split(u'|');
            QCOMPARE(cell(rows, row + 1, 0).value(QLatin1String("value")).toString(), expected[0]);
            QCOMPARE(cell(rows, row + 1, 1).value(QLatin1String("value")).toDouble(), expected[1].toDouble());
            QCOMPARE(cell(rows, row + 1, 2).value(QLatin1String("value")).toString(), expected[2] + QStringLiteral("T00:00:00"));
        }
    }

    void emptyDataSetGivesTheHeaderOnly()
    {
        m_set->open();
        m_set->fieldByName(QStringLiteral("ok"))->setDisplayLabel(QStringLiteral("是否"));
        m_choice = target(QStringLiteral("empty.xlsx"));
        QVERIFY(ToExcel(QString(), *m_set));
        // The proposal lies in a folder that exists (the documents folder may not).
        QVERIFY(QFileInfo(QFileInfo(m_dialogs[0].fileName).absolutePath()).isDir());
        QVERIFY(m_dialogs[0].fileName.endsWith(QStringLiteral(".xlsx")));
        const QJsonArray rows = rowsOf(m_choice);
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0].toArray().size(), 8);
        QCOMPARE(cell(rows, 0, 7).value(QLatin1String("value")).toString(), QStringLiteral("是否"));

        // The next export proposes the folder the last one went to.
        m_dialogs.clear();
        m_choice.clear();
        QVERIFY(!ToExcel(QString(), *m_set));
        QCOMPARE(QFileInfo(m_dialogs[0].fileName).absolutePath(), QFileInfo(target(QStringLiteral("empty.xlsx"))).absolutePath());
    }

    void anExistingFileIsReplacedOnlyWhenAgreed()
    {
        m_set->open();
        m_set->fieldByName(QStringLiteral("code"))->setDisplayLabel(QStringLiteral("编号"));
        const QString existing = target(QStringLiteral("old.xlsx"));
        QFile file(existing);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("old");
        file.close();

        // The extension is added before the question, so the question is asked.
        m_choice = target(QStringLiteral("old"));
        m_messages->answer(QMessageBox::No);
        QVERIFY(!ToExcel(QString(), *m_set));
        QCOMPARE(m_messages->shown().size(), 1);
        QCOMPARE(m_messages->shown()[0].text, QStringLiteral("该文件已经存在，要覆盖吗？"));
        QCOMPARE(m_messages->shown()[0].title, QStringLiteral("询问"));
        QCOMPARE(m_messages->shown()[0].buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(contents(existing), QByteArray("old"));
        QVERIFY(m_opened.isEmpty());

        m_messages->clear();
        QVERIFY(ToExcel(QString(), *m_set));
        QCOMPARE(m_messages->texts(), (QStringList{QStringLiteral("该文件已经存在，要覆盖吗？"), QStringLiteral("数据导出完毕！")}));
        QCOMPARE(rowsOf(existing).size(), 1);
    }

    void aFailedExportSaysWhyAndOpensNothing()
    {
        m_set->open();
        // A folder in the way: the file cannot take its place.
        QVERIFY(QDir(m_folder->path()).mkdir(QStringLiteral("in the way.xlsx")));
        m_choice = target(QStringLiteral("in the way.xlsx"));
        QVERIFY(!ToExcel(QString(), *m_set));
        QCOMPARE(m_messages->shown().size(), 2);
        QVERIFY(m_messages->lastText().startsWith(QStringLiteral("数据导出失败")));
        QVERIFY(!m_messages->texts().contains(QStringLiteral("数据导出完毕！")));
        QVERIFY(QFileInfo(m_choice).isDir());
        QVERIFY(m_opened.isEmpty());

        m_messages->clear();
        m_choice.clear();  // the dialog cancelled
        QVERIFY(!ToExcel(QString(), *m_set));
        QVERIFY(m_messages->shown().isEmpty());
    }
};

QTEST_MAIN(TestDataSetExport)
#include "tst_datasetexport.moc"
