#include "core/crypto/Des.h"
#include "core/crypto/DesError.h"
#include "core/picture/Pic.h"
#include "core/picture/PictureCheck.h"
#include "core/picture/PictureError.h"
#include "gui/picture/ShowEncTxtJpgImage.h"
#include "helpers/TestFiles.h"
#include "PictureFixtures.h"

#include <QBuffer>
#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// A JPEG as the scanner leaves it: 200 dots per inch across, 150 down.
QByteArray JfifJpeg()
{
    return ::JfifJpeg(120, 80, 200, 150);
}

// The same picture without its JFIF segment: still a JPEG, but with no density.
QByteArray JpegWithoutJfif()
{
    const QByteArray jpeg = JfifJpeg();
    const int segment = 2 + (quint8(jpeg[4]) << 8 | quint8(jpeg[5]));
    return jpeg.left(2) + jpeg.mid(2 + segment);
}

QByteArray HexForm(const QByteArray &jpeg)
{
    return jpeg.toHex().toUpper();
}

QByteArray EncipheredForm(const QByteArray &jpeg, const QByteArray &plainEnd = {})
{
    return DesEncryStrHex(QString::fromLatin1(HexForm(jpeg) + plainEnd), QStringLiteral("quvrest.zd")).toLatin1();
}

} // namespace

class TestPicture : public QObject
{
    Q_OBJECT

private:
    QString write(const QByteArray &content)
    {
        const QString name = m_dir.filePath(QStringLiteral("pic%1.jpg").arg(m_files++));
        QFile file(name);
        if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
            qFatal("cannot write %s", qPrintable(name));
        return name;
    }

    QTemporaryDir m_dir;
    int m_files = 0;

private Q_SLOTS:
    void initTestCase()
    {
        // The fixture itself: Qt writes the density into a JFIF header.
        const QByteArray jpeg = JfifJpeg();
        QCOMPARE(jpeg.mid(6, 5), QByteArray("JFIF\0", 5));
        QVERIFY(!JpegWithoutJfif().contains(QByteArray("JFIF")));
    }

    void everyFormGivesSizeAndDensity_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("form");
        QTest::addColumn<int>("xDensity");
        QTest::addColumn<int>("yDensity");
        for (const bool jfif : {true, false}) {
            const QByteArray jpeg = jfif ? JfifJpeg() : JpegWithoutJfif();
            const int x = jfif ? 200 : 0;
            const int y = jfif ? 150 : 0;
            const char *kind = jfif ? "JFIF" : "no JFIF";
            QTest::addRow("%s jpeg", kind) << jpeg << 0 << x << y;
            for (const QByteArray &end : {QByteArray("\r\n"), QByteArray(), QByteArray("\n"), QByteArray(" \r\n\r\n")}) {
                const QByteArray shown = end.toPercentEncoding();
                QTest::addRow("%s hex end '%s'", kind, shown.data()) << HexForm(jpeg) + end << 1 << x << y;
                QTest::addRow("%s enciphered end '%s'", kind, shown.data()) << EncipheredForm(jpeg) + end << 1 << x << y;
            }
            QTest::addRow("%s enciphered with CR LF inside", kind) << EncipheredForm(jpeg, "\r\n") + "\r\n" << 1 << x << y;
        }
    }

    void everyFormGivesSizeAndDensity()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, form);
        QFETCH(int, xDensity);
        QFETCH(int, yDensity);
        const QString file = write(content);

        const JpegResolution resolution = GetJPEGRes(file);
        QCOMPARE(int(resolution.form), form);
        QCOMPARE(int(resolution.xDensity), xDensity);
        QCOMPARE(int(resolution.yDensity), yDensity);
        QCOMPARE(int(resolution.units), xDensity ? 1 : 0);
        QCOMPARE(resolution.hasDensity(), xDensity != 0);

        QImage image;
        QCOMPARE(SetJpegImg(file, image), QSize(120, 80));
        QCOMPARE(image.size(), QSize(120, 80));
        QCOMPARE(GetJpgSize(file), form == 0 ? std::optional<QSize>(QSize(120, 80)) : std::nullopt);

        QLabel label;
        QCOMPARE(ShowEncTxtJpgImage(file, &label), QSize(120, 80));
        QCOMPARE(label.pixmap().size(), QSize(120, 80));
    }

    void filesThatHoldNoPictureAreRefused()
    {
        const QString missing = m_dir.filePath(QStringLiteral("missing.jpg"));
        QImage image;
        QVERIFY_THROWS_EXCEPTION(PictureError, GetJPEGRes(missing));
        QVERIFY_THROWS_EXCEPTION(PictureError, SetJpegImg(missing, image));
        QCOMPARE(GetJpgSize(missing), std::nullopt);

        const QString notAJpeg = write("FFD8" + QByteArray(64, '0') + "\r\n");
        QVERIFY_THROWS_EXCEPTION(PictureError, SetJpegImg(notAJpeg, image));
        QCOMPARE(GetJPEGRes(notAJpeg).hasDensity(), false);

        const QString strayCharacter = write(HexForm(JfifJpeg()).insert(100, 'x') + "\r\n");
        QVERIFY_THROWS_EXCEPTION(DesError, SetJpegImg(strayCharacter, image));

        QImage png(10, 10, QImage::Format_RGB32);
        png.fill(Qt::red);
        const QString pngFile = m_dir.filePath(QStringLiteral("picture.png"));
        QVERIFY(png.save(pngFile, "PNG"));
        QCOMPARE(GetJpgSize(pngFile), std::nullopt);
    }

    // What may become a template's background: a complete JPEG in any of the three forms whose
    // paper is at most 2 m a side and that can be loaded; everything else says why not.
    void templatePictureCheck_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QSize>("size");        // accepted: the size; invalid: refused
        QTest::addColumn<QString>("message");   // part of the refusal
        const QByteArray jpeg = ::JfifJpeg(600, 300, 200, 200);
        const QString notJpeg = QStringLiteral("form.jpg不是有效的JPEG图片");
        QTest::newRow("jpeg") << jpeg << QSize(600, 300) << QString();
        QTest::newRow("hex text") << HexForm(jpeg) + "\r\n" << QSize(600, 300) << QString();
        QTest::newRow("enciphered") << EncipheredForm(jpeg) + "\r\n" << QSize(600, 300) << QString();
        QTest::newRow("no density") << JpegWithoutJfif() << QSize(120, 80) << QString();
        QTest::newRow("just under 2 m") << ::JfifJpeg(1574, 100, 20, 20) << QSize(1574, 100) << QString();
        QTest::newRow("text file") << QByteArray("这不是图片\r\n").append("abc") << QSize() << notJpeg;
        QTest::newRow("png renamed") << PngPicture() << QSize() << notJpeg;
        QTest::newRow("valid hex, no jpeg") << PngPicture().toHex().toUpper() + "\r\n" << QSize() << notJpeg;
        QTest::newRow("hex text of FFD8 and zeros") << "FFD8" + QByteArray(64, '0') + "\r\n" << QSize() << notJpeg;
        QTest::newRow("truncated") << TruncatedJpeg(jpeg) << QSize() << notJpeg;
        QTest::newRow("truncated hex") << HexForm(TruncatedJpeg(jpeg)) + "\r\n" << QSize() << notJpeg;
        QTest::newRow("empty") << QByteArray() << QSize() << notJpeg;
        QTest::newRow("header claims 60000 x 60000 at 200 dpi")
            << JpegClaimingSize(jpeg, 60000, 60000) << QSize() << QStringLiteral("7620 x 7620毫米，超过了2000毫米");
        QTest::newRow("just over 2 m") << ::JfifJpeg(1576, 100, 20, 20) << QSize() << QStringLiteral("超过了2000毫米");
        QTest::newRow("header claims 60000 x 60000, no density")
            << JpegClaimingSize(JpegWithoutJfif(), 60000, 60000) << QSize() << QStringLiteral("60000 x 60000像素，太大，不能载入");
    }
    void templatePictureCheck()
    {
        QFETCH(QByteArray, content);
        QFETCH(QSize, size);
        QFETCH(QString, message);
        if (size.isValid()) {
            const CheckedPicture checked = CheckTemplatePicture(content, QStringLiteral("form.jpg"));
            QCOMPARE(checked.size, size);
            QCOMPARE(int(checked.resolution.form), content.startsWith("\xFF\xD8") ? 0 : 1);
            return;
        }
        try {
            CheckTemplatePicture(content, QStringLiteral("form.jpg"));
            QFAIL("accepted");
        } catch (const PictureError &refusal) {
            QVERIFY2(refusal.message().contains(message), qPrintable(refusal.message()));
        }
    }
};

QTEST_MAIN(TestPicture)
#include "tst_picture.moc"
