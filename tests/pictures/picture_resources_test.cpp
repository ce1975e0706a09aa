// Every picture loads through Qt from the resources under its name, pixel for pixel in
// the colours of its file.
#include "bitmap_reader.h"

#include <QFile>
#include <QImage>
#include <QString>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace picture_test {
namespace {

std::vector<std::string> bitmapResources() {
    const char* bases[] = {"RECT",       "RECTPIPE",   "DOUBLET",   "HPROFILE",   "POLY6",
                           "POLY8",      "LPROFILE",   "TPROFILE",  "T2PROFILE",  "UPROFILE",
                           "CPROFILE",   "CIRCLE",     "OVAL",      "TRIANGLE",   "TRAPEZ",
                           "CROSS",      "BEAM_CONC",  "BEAM_LINE", "BEAMP_CONC", "BEAMP_LINE",
                           "CANTI_CONC", "CANTI_LINE", "BUCK_FREE", "BUCK_PIN1",  "BUCK_PIN2",
                           "BUCK_SLIDE", "EXIT"};
    std::vector<std::string> names;
    for (const char* base : bases) {
        names.push_back(std::string(base) + "_UP");
        names.push_back(std::string(base) + "_DN");
    }
    names.insert(names.end(), {"ZOLK", "MAINICON_32", "MAINICON_16"});
    return names;
}

class Resource : public testing::TestWithParam<std::string> {};

TEST_P(Resource, LoadsWithTheColoursOfItsFile) {
    const BmpFile file = readBmp(GetParam());
    const QImage image(QString::fromStdString(":/pictures/" + GetParam()));
    ASSERT_FALSE(image.isNull());
    ASSERT_EQ(image.width(), file.dib.width);
    ASSERT_EQ(image.height(), file.dib.height);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const Rgb expected = file.dib.palette.at(std::size_t(file.dib.at(x, y)));
            const QRgb got = image.pixel(x, y);
            ASSERT_EQ((Rgb{qRed(got), qGreen(got), qBlue(got)}), expected) << x << ", " << y;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(All, Resource, testing::ValuesIn(bitmapResources()),
                         [](const auto& info) { return info.param; });

TEST(IconResource, IsTheIconFile) {
    QFile resource(":/pictures/MAINICON");
    ASSERT_TRUE(resource.open(QIODevice::ReadOnly));
    const QByteArray bytes = resource.readAll();
    const Bytes file = readFile(pictureFile("MAINICON", ".ico"));
    EXPECT_EQ(Bytes(bytes.begin(), bytes.end()), file);
}

} // namespace
} // namespace picture_test
