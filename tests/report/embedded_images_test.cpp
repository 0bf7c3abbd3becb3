// The built-in pictures: every file name the windows and the report ask for
// resolves, case-insensitively, to a drawn picture with the proportions of its
// place in the layouts.

#include "report/EmbeddedImages.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QGuiApplication>
#include <QSet>
#include <QSvgRenderer>

#include <cmath>
#include <memory>

namespace {

using namespace yq::report;

// Drawing text needs a GUI application; create one unless another test of
// this program already did.
class EmbeddedImagesTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (!QCoreApplication::instance()) {
            static int argc = 1;
            static char name[] = "test_platform";
            static char* argv[] = {name, nullptr};
            static std::unique_ptr<QGuiApplication> app = std::make_unique<QGuiApplication>(argc, argv);
        }
    }

    void SetUp() override {
        ASSERT_NE(qobject_cast<QGuiApplication*>(QCoreApplication::instance()), nullptr)
            << "the pictures can only be drawn inside a QGuiApplication";
    }
};

// Each name with the size of its place: dialog units for the windows,
// thousandths of an inch for the report; icons and the cursor are square.
struct Place {
    const char* name;
    double width;
    double height;
    bool icon;
};

const Place kPlaces[] = {
    {"YQ_logo_small.gif", 958, 1510, false},  // design report, page header
    {"starYQ.bmp", 3302, 3333, false},        // design report, page header
    {"yq_star.jpg", 239, 270, false},         // design windows, Help tab
    {"mt_business_top.jpg", 545, 61, false},  // main window ?IMAGE2
    {"yqantenna1.jpg", 101, 142, false},      // main window ?IMAGE3
    {"van.jpg", 199, 146, false},             // main window ?IMAGE4
    {"BrannocQuillet.jpg", 67, 78, false},    // main window ?IMAGE5
    {"yq_008.jpg", 241, 164, false},          // pictures window ?IMAGE1
    {"ex2.jpg", 95, 164, false},              // pictures window ?IMAGE2
    {"userpic1.jpg", 89, 106, false},         // pictures window ?IMAGE8
    {"userpic2.jpg", 87, 101, false},         // pictures window ?IMAGE7
    {"ex5.jpg", 87, 101, false},              // pictures window ?IMAGE5
    {"ex6.jpg", 87, 101, false},              // pictures window ?IMAGE4
    {"ex3.jpg", 87, 101, false},              // pictures window ?IMAGE3
    {"ex7.jpg", 87, 101, false},              // pictures window ?IMAGE6
    {"milnm.ico", 1, 1, true},                // main, design and user windows
    {"AGENT.ICO", 1, 1, true},                // About window
    {"hand2.cur", 1, 1, true},                // link cursor of the Metric window
};

int distinctColours(const QImage& image) {
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) colours.insert(image.pixel(x, y));
    }
    return static_cast<int>(colours.size());
}

TEST_F(EmbeddedImagesTest, EveryPictureOfTheLayoutsIsBuiltIn) {
    QStringList expected;
    for (const Place& place : kPlaces) expected << QString::fromLatin1(place.name);
    QStringList names = embeddedImageNames();
    names.sort();
    expected.sort();
    EXPECT_EQ(names, expected);
}

class EmbeddedPictureTest : public EmbeddedImagesTest, public ::testing::WithParamInterface<Place> {};

TEST_P(EmbeddedPictureTest, ResolvesAndDrawsAtItsNaturalSize) {
    const Place place = GetParam();
    const QString name = QString::fromLatin1(place.name);
    ASSERT_TRUE(hasEmbeddedImage(name));

    const QSize size = embeddedImageSize(name);
    ASSERT_TRUE(size.isValid() && !size.isEmpty());
    // The picture keeps the proportions of its place (within 1 %).
    const double ratio = double(size.width()) / size.height();
    EXPECT_NEAR(ratio, place.width / place.height, 0.01 * place.width / place.height);
    if (place.icon) {
        EXPECT_EQ(size, QSize(32, 32));
    }

    const QImage image = embeddedImage(name);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), size);
    // A drawing, not an empty box: many colours (anti-aliased shapes and gradients).
    EXPECT_GE(distinctColours(image), 20);
}

TEST_P(EmbeddedPictureTest, HasADescription) {
    EXPECT_FALSE(embeddedImageDescription(QString::fromLatin1(GetParam().name)).isEmpty());
}

TEST_P(EmbeddedPictureTest, SvgSourceDeclaresTheSameNaturalSize) {
    const QString name = QString::fromLatin1(GetParam().name);
    const QByteArray svg = embeddedImageSvg(name);
    ASSERT_FALSE(svg.isEmpty());
    EXPECT_TRUE(svg.contains("<svg"));
    QSvgRenderer renderer{svg};
    ASSERT_TRUE(renderer.isValid());
    EXPECT_EQ(renderer.defaultSize(), embeddedImageSize(name));
}

TEST_P(EmbeddedPictureTest, DrawsAtAnyRequestedSize) {
    const QString name = QString::fromLatin1(GetParam().name);
    const QImage small = embeddedImage(name, QSize(40, 24));
    EXPECT_EQ(small.size(), QSize(40, 24));
    const QImage large = embeddedImage(name, embeddedImageSize(name) * 2);
    EXPECT_EQ(large.size(), embeddedImageSize(name) * 2);
    EXPECT_GE(distinctColours(large), 20);
}

TEST_P(EmbeddedPictureTest, PicturesFillTheirPlaceAndIconsHaveTransparentCorners) {
    const Place place = GetParam();
    const QImage image = embeddedImage(QString::fromLatin1(place.name));
    ASSERT_FALSE(image.isNull());
    const QPoint corner(image.width() - 1, image.height() - 1);
    if (place.icon) {
        EXPECT_EQ(qAlpha(image.pixel(corner)), 0);
    } else if (QString::fromLatin1(place.name) != QLatin1String("YQ_logo_small.gif")) {
        // The logo is a badge with rounded corners; everything else is a scene.
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 255);
        EXPECT_EQ(qAlpha(image.pixel(corner)), 255);
    }
}

INSTANTIATE_TEST_SUITE_P(AllPictures, EmbeddedPictureTest, ::testing::ValuesIn(kPlaces),
                         [](const ::testing::TestParamInfo<Place>& param) {
                             QString n = QString::fromLatin1(param.param.name);
                             n.replace(QLatin1Char('.'), QLatin1Char('_'));
                             return n.toStdString();
                         });

TEST_F(EmbeddedImagesTest, NamesMatchWithoutRegardToCase) {
    const struct {
        const char* asked;
        const char* stored;
    } cases[] = {
        {"STARYQ.BMP", "starYQ.bmp"}, {"staryq.bmp", "starYQ.bmp"}, {"yq_logo_small.GIF", "YQ_logo_small.gif"},
        {"Agent.ico", "AGENT.ICO"},   {"MILNM.ICO", "milnm.ico"},   {"brannocquillet.JPG", "BrannocQuillet.jpg"},
        {"Hand2.Cur", "hand2.cur"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.asked);
        const QString asked = QString::fromLatin1(c.asked);
        const QString stored = QString::fromLatin1(c.stored);
        EXPECT_TRUE(hasEmbeddedImage(asked));
        EXPECT_EQ(embeddedImageSize(asked), embeddedImageSize(stored));
        EXPECT_EQ(embeddedImageSvg(asked), embeddedImageSvg(stored));
        EXPECT_EQ(embeddedImage(asked), embeddedImage(stored));
    }
}

TEST_F(EmbeddedImagesTest, UnknownNamesGiveNothing) {
    const char* unknown[] = {
        "",                     // no name
        "starYQ",               // no extension
        "starYQ.jpg",           // another extension
        "starYQ.svg",           // the resource's own name is not a picture name
        "starYQ.bmp ",          // trailing blank
        "pictures/starYQ.bmp",  // with a folder
        "yqantenna2.jpg",       // not a picture of the program
    };
    for (const char* name : unknown) {
        SCOPED_TRACE(name);
        const QString n = QString::fromLatin1(name);
        EXPECT_FALSE(hasEmbeddedImage(n));
        EXPECT_FALSE(embeddedImageSize(n).isValid());
        EXPECT_TRUE(embeddedImage(n).isNull());
        EXPECT_TRUE(embeddedImage(n, QSize(20, 20)).isNull());
        EXPECT_TRUE(embeddedImageSvg(n).isEmpty());
        EXPECT_TRUE(embeddedImageDescription(n).isEmpty());
    }
}

TEST_F(EmbeddedImagesTest, ApplicationIconIsAValidSvg) {
    QSvgRenderer renderer{applicationIconPath()};
    ASSERT_TRUE(renderer.isValid());
    EXPECT_EQ(renderer.defaultSize(), QSize(256, 256));
}

}  // namespace
