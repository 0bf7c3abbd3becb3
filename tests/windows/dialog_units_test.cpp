// Dialog units to pixels: a quarter of the average character width across,
// an eighth of the character height down, each rounded to the nearest pixel
// with halves away from zero.

#include "windows/DialogUnits.h"

#include "support/WidgetApplication.h"

#include <QFontInfo>

#include <gtest/gtest.h>

namespace yq {
namespace {

struct MulDivCase {
    int a, b, c, expected;
};

TEST(DialogUnits, MulDivRoundsHalvesAwayFromZero) {
    const MulDivCase cases[] = {
        {527, 6, 4, 791},                                                    // 790.5
        {319, 12, 8, 479},                                                   // 478.5
        {319, 13, 8, 518},                                                   // 518.375
        {-18, 6, 4, -27},                                                    // exact
        {-18, 5, 4, -23},                                                    // -22.5
        {7, 1, 2, 4},      {-7, 1, 2, -4}, {7, -1, 2, -4}, {10, 13, 8, 16},  // 16.25
        {5, 0, 3, 0},      {1, 1, 0, 0},                                     // no division by zero
    };
    for (const MulDivCase& c : cases) EXPECT_EQ(mulDiv(c.a, c.b, c.c), c.expected) << c.a << "*" << c.b << "/" << c.c;
    // The product is carried in 64 bits: 2e9 * 3 / 4 = 1.5e9.
    EXPECT_EQ(mulDiv(2000000000, 3, 4), 1500000000);
}

TEST(DialogUnits, AverageWidthComesFromTheFiftyTwoLetters) {
    // (width / 26 + 1) / 2 in whole numbers.
    EXPECT_EQ(averageCharWidthFromAlphabet(281), 5);  // 281/26 = 10 -> 11/2 = 5
    EXPECT_EQ(averageCharWidthFromAlphabet(285), 5);
    EXPECT_EQ(averageCharWidthFromAlphabet(286), 6);  // 11 -> 6
    EXPECT_EQ(averageCharWidthFromAlphabet(338), 7);  // 13 -> 7
    EXPECT_EQ(averageCharWidthFromAlphabet(0), 0);
}

TEST(DialogUnits, LayoutPlacesTurnIntoPixels) {
    const DialogUnits units(6, 13);  // a classic 8-point dialog font
    EXPECT_EQ(units.x(4), 6);
    EXPECT_EQ(units.y(8), 13);
    EXPECT_EQ(units.size(527, 319), QSize(791, 518));
    EXPECT_EQ(units.rect(-18, 0, 545, 61), QRect(-27, 0, 818, 99));  // 817.5 -> 818, 99.125 -> 99
    EXPECT_EQ(units.point(116, 235), QPoint(174, 382));              // 381.875 -> 382
    const DialogUnits narrow(5, 12);
    EXPECT_EQ(narrow.rect(13, 185, 87, 101), QRect(16, 278, 109, 152));  // 16.25, 277.5, 108.75, 151.5
}

TEST(DialogUnits, WindowFacesAreDrawnWithTheArialStandIn) {
    EXPECT_EQ(windowFontFamily("Arial"), "Liberation Sans");
    EXPECT_EQ(windowFontFamily("MS Sans Serif"), "Liberation Sans");
    EXPECT_EQ(windowFontFamily("ms sans serif"), "Liberation Sans");
    EXPECT_EQ(windowFontFamily("Courier New"), "Courier New");
}

TEST(DialogUnits, UnitsOfAWindowFontFollowItsMetrics) {
    test::widgetApplication();
    installWindowFontSubstitutions();
    const QFont font = windowFont("Arial", 8);
    EXPECT_EQ(font.pixelSize(), 11);  // 8 points at 96 dots per inch: 10.67 -> 11
    EXPECT_EQ(QFontInfo(font).family(), "Liberation Sans");
    const BaseUnits base = baseUnits(font);
    const QFontMetrics metrics(font);
    const int alphabet = metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    EXPECT_EQ(base.avgCharWidth, (alphabet / 26 + 1) / 2);
    EXPECT_EQ(base.charHeight, metrics.height());
    // An 11-pixel sans serif: between 5 and 6 pixels wide, 12 to 14 high.
    EXPECT_GE(base.avgCharWidth, 5);
    EXPECT_LE(base.avgCharWidth, 6);
    EXPECT_GE(base.charHeight, 12);
    EXPECT_LE(base.charHeight, 14);
}

}  // namespace
}  // namespace yq
