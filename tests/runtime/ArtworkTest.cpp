// The committed pictures: each at its stored size and depth, embedded in the
// program's resources; and the generated version record.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QXmlStreamReader>
#include <cstdlib>

#include "QuorvantVersion.h"

namespace {

struct Picture {
    const char* name;
    int width, height;
    int depth; // bits per pixel as stored
};

// Reads width, height, bit depth and colour type from a PNG header.
struct PngHeader {
    quint32 width = 0, height = 0;
    int bitDepth = 0, colourType = -1;
};

PngHeader ReadPngHeader(const QByteArray& bytes)
{
    PngHeader header;
    if (bytes.size() < 26 || !bytes.startsWith("\x89PNG\r\n\x1a\n") || bytes.mid(12, 4) != "IHDR")
        return header;
    auto be32 = [&](int at) {
        return quint32(quint8(bytes[at])) << 24 | quint32(quint8(bytes[at + 1])) << 16 |
               quint32(quint8(bytes[at + 2])) << 8 | quint32(quint8(bytes[at + 3]));
    };
    header.width = be32(16);
    header.height = be32(20);
    header.bitDepth = quint8(bytes[24]);
    header.colourType = quint8(bytes[25]);
    return header;
}

QByteArray ReadResource(const QString& name)
{
    QFile file(":/images/" + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every colour already has only five bits per channel.
bool FitsSixteenBits(const QImage& image)
{
    return image.convertToFormat(QImage::Format_RGB555).convertToFormat(QImage::Format_RGB32) ==
           image.convertToFormat(QImage::Format_RGB32);
}

class StoredPicture : public ::testing::TestWithParam<Picture> {};

} // namespace

TEST_P(StoredPicture, HasItsSizeAndDepth)
{
    const Picture picture = GetParam();
    const QByteArray bytes = ReadResource(QString(picture.name) + ".png");
    ASSERT_FALSE(bytes.isEmpty()) << picture.name << " is not embedded";
    const PngHeader header = ReadPngHeader(bytes);
    EXPECT_EQ(header.width, quint32(picture.width));
    EXPECT_EQ(header.height, quint32(picture.height));
    EXPECT_EQ(header.bitDepth, 8);
    const QImage image = QImage::fromData(bytes, "PNG");
    ASSERT_FALSE(image.isNull());
    switch (picture.depth) {
    case 8:
        EXPECT_EQ(header.colourType, 3) << "palette";
        EXPECT_LE(image.colorCount(), 256);
        break;
    case 16:
        EXPECT_EQ(header.colourType, 2) << "RGB without alpha";
        EXPECT_TRUE(FitsSixteenBits(image));
        break;
    case 24:
        EXPECT_EQ(header.colourType, 2) << "RGB without alpha";
        EXPECT_FALSE(FitsSixteenBits(image)) << "drawn with the full 24 bits";
        break;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, StoredPicture,
    ::testing::Values(Picture{"btnReset", 32, 16, 16}, Picture{"btnHelp", 32, 16, 16},
                      Picture{"btnAbout", 32, 16, 16}, Picture{"btnExit", 32, 16, 16},
                      Picture{"btnUpdate", 16, 16, 24}, Picture{"mnuFileReset", 16, 16, 24},
                      Picture{"mnuFileExit", 16, 16, 24}, Picture{"mnuOnlineHome", 16, 16, 24},
                      Picture{"mnuOnlineAppInfo", 16, 16, 24}, Picture{"mnuOnlineSuggestionBox", 16, 16, 24},
                      Picture{"mnuOnlineSupport", 16, 16, 24}, Picture{"mnuOnlineFreeware", 16, 16, 24},
                      Picture{"mnuOnlineBlog", 16, 16, 24}, Picture{"mnuOnlineCheckForUpdate", 16, 16, 24},
                      Picture{"Contents1", 16, 16, 24}, Picture{"mnuHelpDisclaimer", 16, 16, 24},
                      Picture{"About1", 16, 16, 24}, Picture{"mnuTryProduct1", 16, 16, 8},
                      Picture{"mnuTryProduct7", 16, 16, 8}, Picture{"btnShowLicense", 16, 16, 24},
                      Picture{"btnCloseAbout", 16, 16, 24}, Picture{"btnCloseDisclaim", 16, 16, 24},
                      Picture{"imgLogo", 420, 60, 24}, Picture{"imgScreenshot2", 300, 217, 8},
                      Picture{"imgScreenshot3", 300, 246, 24}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ToolbarGlyphs, TwoImagesWithTheTransparentColourInTheCorner)
{
    for (const char* name : {"btnReset", "btnHelp", "btnAbout", "btnExit"}) {
        const QImage strip = QImage::fromData(ReadResource(QString(name) + ".png"), "PNG");
        ASSERT_EQ(strip.size(), QSize(32, 16)) << name;
        const QImage normal = strip.copy(0, 0, 16, 16), disabled = strip.copy(16, 0, 16, 16);
        const QRgb key = strip.pixel(0, 15);
        EXPECT_EQ(disabled.pixel(0, 15), key) << name;
        int drawnNormal = 0, drawnDisabled = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) {
                drawnNormal += normal.pixel(x, y) != key;
                drawnDisabled += disabled.pixel(x, y) != key;
            }
        EXPECT_GT(drawnNormal, 20) << name;
        EXPECT_GT(drawnDisabled, 20) << name;
        EXPECT_NE(normal, disabled) << name;
    }
}

TEST(ProgramIcon, OneImageOf32By32With8BitsAndAMask)
{
    const QByteArray ico = ReadResource("Quorvant.ico");
    ASSERT_GE(ico.size(), 22 + 40 + 1024 + 32 * 32 + 4 * 32);
    EXPECT_EQ(quint8(ico[2]), 1) << "icon type";
    EXPECT_EQ(quint8(ico[4]), 1) << "one image";
    EXPECT_EQ(quint8(ico[6]), 32);
    EXPECT_EQ(quint8(ico[7]), 32);
    EXPECT_EQ(quint8(ico[12]) | quint8(ico[13]) << 8, 8) << "bits per pixel";
    const QImage image = QImage::fromData(ico, "ICO");
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(32, 32));
    // The mask leaves the rounded corners transparent.
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(image.pixel(16, 16)), 255);
}

TEST(DenserScreens, EveryGlyphHasItsOwnDrawingAtTwiceTheSize)
{
    for (const char* name :
         {"btnReset", "btnHelp", "btnAbout", "btnExit", "btnUpdate", "btnShowLicense", "btnCloseAbout",
          "btnCloseDisclaim", "mnuFileReset", "mnuFileExit", "mnuOnlineHome", "mnuOnlineCheckForUpdate",
          "Contents1", "About1", "mnuTryProduct1", "mnuTryProduct7"}) {
        const QImage stored = QImage::fromData(ReadResource(QString(name) + ".png"), "PNG");
        const QImage dense = QImage::fromData(ReadResource(QString(name) + "@2x.png"), "PNG");
        ASSERT_FALSE(dense.isNull()) << name << "@2x is not embedded";
        EXPECT_EQ(dense.size(), stored.size() * 2) << name;
        EXPECT_TRUE(dense.hasAlphaChannel()) << name;
        // Drawn anew, not the stored pixels doubled: some 2 x 2 block of
        // the drawing is not one colour.
        int mixedBlocks = 0;
        for (int y = 0; y + 1 < dense.height(); y += 2)
            for (int x = 0; x + 1 < dense.width(); x += 2) {
                const QRgb c = dense.pixel(x, y);
                mixedBlocks += dense.pixel(x + 1, y) != c || dense.pixel(x, y + 1) != c ||
                               dense.pixel(x + 1, y + 1) != c;
            }
        EXPECT_GT(mixedBlocks, 10) << name;
    }
}

TEST(ProgramIcon, EverySizeOfTheIconThemeAndAScalableDrawing)
{
    const QString icons = QString::fromLocal8Bit(std::getenv("QUORVANT_TEST_DATA")) + "/../resources/icons/";
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QImage icon(icons + QString("%1/quorvant.png").arg(size));
        ASSERT_FALSE(icon.isNull()) << size;
        EXPECT_EQ(icon.size(), QSize(size, size));
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << size << ": rounded corner";
        EXPECT_EQ(qAlpha(icon.pixel(size / 2, size / 2)), 255) << size;
    }
    QFile svg(icons + "scalable/quorvant.svg");
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&svg);
    ASSERT_TRUE(xml.readNextStartElement());
    EXPECT_EQ(xml.name(), QStringLiteral("svg"));
    EXPECT_FALSE(xml.attributes().value("viewBox").isEmpty());
    int shapes = 0;
    while (!xml.atEnd())
        shapes += xml.readNext() == QXmlStreamReader::StartElement;
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_GE(shapes, 4);
}

TEST(VersionRecord, FromTheProjectVersion)
{
    using namespace quorvant::version;
    EXPECT_EQ((std::array{Major, Minor, Release, Build}), (std::array{4, 5, 1, 0}));
    EXPECT_EQ(FileVersion, "4.5.1.0");
    EXPECT_EQ(ProductVersion, "4.5.10");
    EXPECT_EQ(DisplayVersion, "4.5.1");
    EXPECT_EQ(CompanyName, "Ostrel Software");
    EXPECT_EQ(InternalName, "Quorvant451");
    EXPECT_EQ(ProductName, "Quorvant");
}
