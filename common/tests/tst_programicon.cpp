#include "gui/app/ProgramIcon.h"

#include <QtTest>

class TestProgramIcon : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The icon the windows show is the picture the generator ships, at every size asked for.
    void drawsTheSamePictureAtEachSize()
    {
        const QIcon icon = ProgramIcon();
        QCOMPARE(icon.availableSizes(), (QList<QSize>{{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}, {128, 128}, {256, 256}}));
        for (int side : {16, 20, 48, 256}) {
            const QImage drawn = icon.pixmap(QSize(side, side)).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
            QCOMPARE(drawn.size(), QSize(side, side));
            QCOMPARE(drawn, DrawProgramIcon(side));
        }
        QVERIFY(!icon.isNull());
    }
};

QTEST_MAIN(TestProgramIcon)
#include "tst_programicon.moc"
