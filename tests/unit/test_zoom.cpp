// Zoom arithmetic, and the scaled window.
#include <gtest/gtest.h>
#include <math.h>

#include "harness.h"

TEST(ZoomArithmetic, WindowAndFontAtEveryStep)
{
    struct Step {
        int w, h, font;
    } table[11] = {{790, 350, 14},  {869, 385, 15},  {947, 419, 16},  {1027, 455, 18},
                   {1105, 489, 19}, {1185, 525, 21}, {1264, 560, 22}, {1342, 594, 23},
                   {1422, 630, 25}, {1500, 664, 26}, {1580, 700, 28}};
    for (int step = 0; step <= 10; ++step) {
        double ratio = uiZoomRatio(step);
        EXPECT_EQ(uiScaleValue(790, ratio), table[step].w) << step;
        EXPECT_EQ(uiScaleValue(350, ratio), table[step].h) << step;
        EXPECT_EQ(uiScaleValue(14, ratio), table[step].font) << step;
    }
}

TEST(ZoomArithmetic, ExactProductTruncated)
{
    // Ratios just below their decimal value lose a pixel where the decimal product is whole.
    EXPECT_EQ(uiScaleValue(10, 1.2), 11);
    EXPECT_EQ(uiScaleValue(25, 1.2), 29);
    EXPECT_EQ(uiScaleValue(790, 1.2), 947);
    EXPECT_EQ(uiScaleValue(0, 1.2), 0);
    EXPECT_EQ(uiScaleValue(10, 1.1), 11);
    EXPECT_EQ(uiScaleValue(25, 1.1), 27);
    EXPECT_EQ(uiScaleValue(25, 1.5), 37);
    EXPECT_EQ(uiScaleValue(370, 1.7), 628);
    EXPECT_EQ(uiScaleValue(410, 1.7), 696);
    EXPECT_EQ(uiScaleValue(300, 1.7), 509);
    EXPECT_EQ(uiScaleValue(100, 1.4), 139);
    EXPECT_EQ(uiScaleValue(100, 1.9), 189);
    EXPECT_EQ(uiScaleValue(100, 1.3), 130);
    EXPECT_EQ(uiScaleValue(-25, 1.2), -29);
    EXPECT_EQ(uiScaleValue(123, 1.0), 123);
    EXPECT_EQ(uiScaleValue(123, 2.0), 246);
}

TEST(ZoomArithmetic, AgreesWithAPlainIntegerProduct)
{
    // Every value of the layout, against a product that cannot round: v * mantissa in integers.
    for (int step = 0; step <= 10; ++step) {
        double ratio = uiZoomRatio(step);
        int e = 0;
        double m = frexp(ratio, &e);
        unsigned long long mant = (unsigned long long)ldexp(m, 53);
        for (int v = 0; v <= 2000; ++v) {
            unsigned long long p = (unsigned long long)v * mant;  // < 2^64 for v <= 2000
            int expected = (int)(p >> (53 - e));
            ASSERT_EQ(uiScaleValue(v, ratio), expected) << v << " at step " << step;
        }
    }
}
