#include "TestProgramFolder.h"

#include "core/db/AdoFunc.h"
#include "core/globals/PubDm.h"
#include "designer/definitions/ChangeType.h"
#include "designer/definitions/TChangeTypeForm.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QtTest>

namespace {

QStringList itemsOf(const QComboBox *list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items.append(list->itemText(i));
    return items;
}

} // namespace

// The picker of another format of the same kind, driven as the user would while it is modal.
class TestFormatPicker : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestProgramFolder> m_folder;

    void addTemplate(const QString &name, const QString &kind)
    {
        static int refNo = 60000;
        ExecTmpQuery(CurAdo, QStringLiteral("insert into p_NoteList (RefNo, NoteName, NoteType) values (?, ?, ?)"),
                     {QString::number(++refNo), name, kind});
    }

private Q_SLOTS:
    void init()
    {
        m_folder = std::make_unique<TestProgramFolder>();
        m_folder->openDatabase();
        m_folder->removeShippedFormats();
        addTemplate(QStringLiteral("建行支票"), QStringLiteral("支票"));
        addTemplate(QStringLiteral("农行支票"), QStringLiteral("支票"));
        addTemplate(QStringLiteral("工行支票"), QStringLiteral("支票"));
        addTemplate(QStringLiteral("顺丰"), QStringLiteral("快递单"));
    }
    void cleanup() { m_folder.reset(); }

    void showsTheKindFixedAndItsFormatsByName()
    {
        TChangeTypeForm form(CurAdo, QStringLiteral("支票"), nullptr);
        QCOMPARE(form.windowTitle(), QStringLiteral("选择单据名称"));
        QCOMPARE(form.kindList()->currentText(), QStringLiteral("支票"));
        QVERIFY(!form.kindList()->isEnabled());
        QVERIFY(!form.kindList()->isEditable());
        QVERIFY(!form.formatList()->isEditable());
        // By name in the database's order (code points: 农 U+519C, 工 U+5DE5, 建 U+5EFA).
        QCOMPARE(itemsOf(form.formatList()),
                 (QStringList{QStringLiteral("农行支票"), QStringLiteral("工行支票"), QStringLiteral("建行支票")}));
        QCOMPARE(form.formatList()->currentIndex(), 0);

        TChangeTypeForm unknown(CurAdo, QStringLiteral("没有的类别"), nullptr);
        QCOMPARE(unknown.kindList()->currentIndex(), -1);
        QCOMPARE(unknown.formatList()->count(), 0);
    }

    void answer_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("pick");       // index chosen in the format list, -1: left as shown
        QTest::addColumn<bool>("confirm");
        QTest::addColumn<QString>("expected");
        QTest::newRow("first format confirmed") << QStringLiteral("支票") << -1 << true << QStringLiteral("农行支票");
        QTest::newRow("another format confirmed") << QStringLiteral("支票") << 2 << true << QStringLiteral("建行支票");
        QTest::newRow("cancelled") << QStringLiteral("支票") << 2 << false << QString();
        QTest::newRow("kind without formats") << QStringLiteral("进仓单") << -1 << true << QString();
        QTest::newRow("one format") << QStringLiteral("快递单") << -1 << true << QStringLiteral("顺丰");
    }
    void answer()
    {
        QFETCH(QString, kind);
        QFETCH(int, pick);
        QFETCH(bool, confirm);
        QWidget owner;
        bool seen = false;
        QTimer::singleShot(0, this, [&] {
            // A failed check leaves the lambda early; the dialog must not stay open.
            const auto closeAnyway = qScopeGuard([] {
                if (QWidget *modal = QApplication::activeModalWidget())
                    modal->close();
            });
            auto *form = qobject_cast<TChangeTypeForm *>(QApplication::activeModalWidget());
            if (!form)
                return;
            seen = true;
            QCOMPARE(form->parentWidget(), &owner);
            if (pick >= 0)
                form->formatList()->setCurrentIndex(pick);
            const QString caption = confirm ? QStringLiteral("确定") : QStringLiteral("取消");
            for (QPushButton *button : form->findChildren<QPushButton *>())
                if (button->text() == caption)
                    QTest::mouseClick(button, Qt::LeftButton);
        });
        const QString picked = ChangePrintType(CurAdo, &owner, kind);
        QVERIFY(seen);
        QTEST(picked, "expected");
    }
};

QTEST_MAIN(TestFormatPicker)
#include "tst_formatpicker.moc"
