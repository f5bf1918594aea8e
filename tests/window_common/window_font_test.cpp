// The windows' base fonts: one held in pixels, one in points, alike on a 96-dpi screen.
#include "window_common/window_font.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <gtest/gtest.h>

namespace window_common {
namespace {

// An image standing for a screen of the given dots per inch.
QImage ScreenAt(int dpi) {
    QImage screen(1, 1, QImage::Format_RGB32);
    const int dotsPerMeter = qRound(dpi / 0.0254);
    screen.setDotsPerMeterX(dotsPerMeter);
    screen.setDotsPerMeterY(dotsPerMeter);
    return screen;
}

// On the screen the windows were measured for, both set a line of text alike and
// 11 pixels high; on a denser screen only the one in points grows.
TEST(WindowFont, BothAreTheStandInSansElevenPixelsHighAt96Dpi) {
    const QString line = QStringLiteral("Fajr  5:07 AM  Maghrib  6:29 PM");
    QImage at96 = ScreenAt(96);
    const QFontMetrics pixels(WindowFontInPixels(), &at96);
    const QFontMetrics points(WindowFontInPoints(), &at96);
    EXPECT_EQ(QFontInfo(WindowFontInPixels()).family(), QStringLiteral("Liberation Sans"));
    EXPECT_EQ(QFontInfo(WindowFontInPoints()).family(), QStringLiteral("Liberation Sans"));
    EXPECT_EQ(pixels.horizontalAdvance(line), points.horizontalAdvance(line));
    EXPECT_EQ(pixels.height(), points.height());
    EXPECT_EQ(QFontInfo(WindowFontInPixels()).pixelSize(), 11);

    QImage at120 = ScreenAt(120);
    EXPECT_EQ(QFontMetrics(WindowFontInPixels(), &at120).horizontalAdvance(line), pixels.horizontalAdvance(line));
    EXPECT_GT(QFontMetrics(WindowFontInPoints(), &at120).horizontalAdvance(line), points.horizontalAdvance(line));
}

}  // namespace
}  // namespace window_common
