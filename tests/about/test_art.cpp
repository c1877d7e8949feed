// The committed About picture and program icon: the file formats the About box and the
// desktop rely on, and the icon the windows get from the resources.
// SPDX-License-Identifier: MIT

#include "widgets/program_identity.h"

#include <QFile>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QtTest>

namespace {

QByteArray readFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// Little-endian fields read byte by byte; a field past the end reads as 0, so a short file
// fails the comparisons instead of reading beyond the buffer.
quint32 field(const QByteArray& bytes, qsizetype offset, int length) {
    if (offset < 0 || offset + length > bytes.size())
        return 0;
    quint32 value = 0;
    for (int i = length - 1; i >= 0; --i)
        value = (value << 8) | static_cast<uchar>(bytes[offset + i]);
    return value;
}

quint16 word(const QByteArray& bytes, qsizetype offset) {
    return static_cast<quint16>(field(bytes, offset, 2));
}

quint32 dword(const QByteArray& bytes, qsizetype offset) {
    return field(bytes, offset, 4);
}

int luminance(QRgb colour) {
    return (299 * qRed(colour) + 587 * qGreen(colour) + 114 * qBlue(colour)) / 1000;
}

} // namespace

class TestArt : public QObject {
    Q_OBJECT

private slots:
    void aboutPictureFileFormat();
    void aboutPictureLeavesRoomForWhiteText();
    void iconFileImages_data();
    void iconFileImages();
    void resourcesMatchCommittedFiles_data();
    void resourcesMatchCommittedFiles();
    void programIconHasBothSizes();

private:
    QString resourcesFile(const char* name);
};

QString TestArt::resourcesFile(const char* name) {
    return QFINDTESTDATA(QStringLiteral("../../resources/") + QLatin1String(name));
}

void TestArt::aboutPictureFileFormat() {
    const QString path = resourcesFile("about.bmp");
    QVERIFY2(!path.isEmpty(), "resources/about.bmp not found beside the tests");
    const QByteArray bytes = readFile(path);
    QCOMPARE(bytes.size(), 166318);

    // BITMAPFILEHEADER
    QCOMPARE(bytes.left(2), QByteArray("BM"));
    QCOMPARE(dword(bytes, 2), 166318u);
    QCOMPARE(dword(bytes, 10), 14u + 40u + 256u * 4u);
    // BITMAPINFOHEADER
    QCOMPARE(dword(bytes, 14), 40u);
    QCOMPARE(static_cast<qint32>(dword(bytes, 18)), 537);
    QCOMPARE(static_cast<qint32>(dword(bytes, 22)), 306);
    QCOMPARE(word(bytes, 26), quint16(1));
    QCOMPARE(word(bytes, 28), quint16(8));
    QCOMPARE(dword(bytes, 30), 0u); // BI_RGB
    const quint32 colours = dword(bytes, 46);
    QCOMPARE(colours == 0 ? 256u : colours, 256u);
    // Rows of 537 bytes padded to 540: exactly what is left after the palette.
    QCOMPARE(static_cast<quint32>(bytes.size()) - dword(bytes, 10), 306u * 540u);

    const QImage image(path);
    QCOMPARE(image.size(), QSize(537, 306));
    QCOMPARE(image.format(), QImage::Format_Indexed8);
    QCOMPARE(image.colorCount(), 256);
}

void TestArt::aboutPictureLeavesRoomForWhiteText() {
    // The labels are drawn in white between x 104 and 401, y 24 and 160: the sky there must
    // stay dark, with at most faint stars.
    const QImage image(resourcesFile("about.bmp"));
    QVERIFY(!image.isNull());
    qint64 sum = 0;
    int brightest = 0;
    int pixels = 0;
    for (int y = 24; y <= 160; ++y) {
        for (int x = 104; x <= 401; ++x) {
            const int value = luminance(image.pixel(x, y));
            sum += value;
            brightest = std::max(brightest, value);
            ++pixels;
        }
    }
    QVERIFY2(sum / pixels < 48, qPrintable(QStringLiteral("mean %1").arg(sum / pixels)));
    QVERIFY2(brightest < 160, qPrintable(QStringLiteral("brightest %1").arg(brightest)));
}

void TestArt::iconFileImages_data() {
    QTest::addColumn<int>("entry");
    QTest::addColumn<int>("size");
    QTest::newRow("32 x 32") << 0 << 32;
    QTest::newRow("16 x 16") << 1 << 16;
}

void TestArt::iconFileImages() {
    QFETCH(int, entry);
    QFETCH(int, size);
    const QByteArray bytes = readFile(resourcesFile("varnel.ico"));
    QVERIFY2(bytes.size() >= 6 + 2 * 16, "resources/varnel.ico missing or too short");
    QCOMPARE(word(bytes, 0), quint16(0));
    QCOMPARE(word(bytes, 2), quint16(1)); // an icon, not a cursor
    QCOMPARE(word(bytes, 4), quint16(2));

    const qsizetype directory = 6 + 16 * entry;
    QCOMPARE(static_cast<uchar>(bytes[directory]), static_cast<uchar>(size));
    QCOMPARE(static_cast<uchar>(bytes[directory + 1]), static_cast<uchar>(size));
    QCOMPARE(static_cast<uchar>(bytes[directory + 2]), uchar(16));
    QCOMPARE(word(bytes, directory + 6), quint16(4));
    const quint32 length = dword(bytes, directory + 8);
    const quint32 offset = dword(bytes, directory + 12);
    QVERIFY(quint64(offset) + length <= quint64(bytes.size()));

    // The image: header, 16 colours, 4-bit colour rows and the 1-bit AND mask, each row
    // padded to four bytes.
    const quint32 colourRow = ((size * 4 + 31) / 32) * 4;
    const quint32 maskRow = ((size + 31) / 32) * 4;
    QCOMPARE(length, 40u + 16u * 4u + (colourRow + maskRow) * static_cast<quint32>(size));
    QCOMPARE(dword(bytes, offset), 40u);
    QCOMPARE(static_cast<qint32>(dword(bytes, offset + 4)), size);
    QCOMPARE(static_cast<qint32>(dword(bytes, offset + 8)), 2 * size);
    QCOMPARE(word(bytes, offset + 14), quint16(4));
    QCOMPARE(dword(bytes, offset + 16), 0u);
}

void TestArt::resourcesMatchCommittedFiles_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("resource");
    QTest::newRow("about picture") << "about.bmp"
                                   << ":/about.bmp";
    QTest::newRow("icon 32") << "varnel-32.png"
                             << ":/icons/varnel-32.png";
    QTest::newRow("icon 16") << "varnel-16.png"
                             << ":/icons/varnel-16.png";
}

void TestArt::resourcesMatchCommittedFiles() {
    QFETCH(QString, file);
    QFETCH(QString, resource);
    programIcon(); // registers the library's resources
    const QByteArray committed = readFile(resourcesFile(file.toLatin1().constData()));
    QVERIFY2(!committed.isEmpty(), qPrintable(file + QStringLiteral(" not found")));
    QCOMPARE(readFile(resource), committed);
}

void TestArt::programIconHasBothSizes() {
    const QIcon icon = programIcon();
    QVERIFY(!icon.isNull());
    const QList<QSize> sizes = icon.availableSizes();
    QVERIFY2(sizes.contains(QSize(32, 32)), "no 32 x 32 image");
    QVERIFY2(sizes.contains(QSize(16, 16)), "no 16 x 16 image");
    for (const int side : {32, 16}) {
        const QImage image = icon.pixmap(QSize(side, side), 1.0).toImage();
        QCOMPARE(image.size(), QSize(side, side));
        // The corners are see-through, so the icon sits on any title bar.
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
    }
}

QTEST_MAIN(TestArt)
#include "test_art.moc"
