#include "gui/progress/TProcStepForm.h"

#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QtTest>

class TestProcStep : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void windowLayout()
    {
        TProcStepForm form;
        QCOMPARE(form.size(), QSize(343, 62));
        QCOMPARE(form.windowTitle(), QStringLiteral("正在处理,请稍候"));
        QVERIFY(form.windowFlags().testFlag(Qt::FramelessWindowHint));
        QVERIFY(form.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        auto *bar = form.findChild<QProgressBar *>(QStringLiteral("ProgressBar"));
        QVERIFY(bar);
        QCOMPARE(bar->size(), QSize(341, 17));
        QCOMPARE(bar->geometry().bottom(), form.height() - 2);
        auto *step = form.findChild<QLabel *>(QStringLiteral("lblProcessingLabel"));
        QVERIFY(step);
        QCOMPARE(step->font().pixelSize(), 15);
    }

    void stepsWithoutMaximumChangeNothing()
    {
        TProcStepForm form;
        form.StartShow();
        form.IncStep(QStringLiteral("ignored"));
        QCOMPARE(form.stepText(), QString());
        QCOMPARE(form.position(), 0);
        form.EndShow();
    }

    void steps_data()
    {
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("steps");
        QTest::addColumn<int>("position");
        QTest::newRow("maximum 1 wraps at once") << 1 << 1 << 0;
        QTest::newRow("maximum 1, many steps") << 1 << 5 << 0;
        QTest::newRow("below maximum") << 10 << 3 << 3;
        QTest::newRow("reaching maximum wraps") << 3 << 3 << 0;
        QTest::newRow("past maximum") << 3 << 4 << 1;
    }

    void steps()
    {
        QFETCH(int, maximum);
        QFETCH(int, steps);
        QFETCH(int, position);
        TProcStepForm form;
        form.SetMax(maximum);
        form.StartShow();
        QVERIFY(form.isVisible());
        QVERIFY(form.isBusy());
        for (int i = 1; i <= steps; ++i)
            form.IncStep(QStringLiteral("步骤%1").arg(i));
        QCOMPARE(form.position(), position);
        QCOMPARE(form.stepText(), QStringLiteral("步骤%1").arg(steps));
        form.EndShow();
        QVERIFY(!form.isVisible());
        QVERIFY(!form.isBusy());
        QCOMPARE(form.position(), maximum);
        QCOMPARE(form.stepText(), QString());
    }

    void refusesToCloseWhileBusy()
    {
        TProcStepForm form;
        form.SetMax(2);
        form.StartShow();
        QVERIFY(!form.close());
        QVERIFY(form.isVisible());
        form.EndShow();
        form.show();
        QVERIFY(form.close());
    }
};

QTEST_MAIN(TestProcStep)
#include "tst_procstep.moc"
