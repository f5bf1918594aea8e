// Whether a shown window stands where a window that centres itself belongs: its outer
// frame, title bar and borders included, centred across its screen and `raise` pixels
// above the middle.
#pragma once

#include <QRect>
#include <QScreen>
#include <QWidget>
#include <gtest/gtest.h>

namespace testing_support {

inline void ExpectCentredByOuterFrame(const QWidget& window, int raise) {
    SCOPED_TRACE(window.metaObject()->className());
    ASSERT_TRUE(window.isVisible());
    const QRect screen = window.screen()->geometry();
    const QRect frame = window.frameGeometry();
    // The offscreen platform frames a shown window with 2 pixels on every side.
    ASSERT_NE(frame.size(), window.size()) << "the window system reports no frame";
    EXPECT_EQ(frame.left() - screen.left(), (screen.width() - frame.width()) / 2);
    EXPECT_EQ(frame.top() - screen.top(), (screen.height() - frame.height()) / 2 - raise);
}

}  // namespace testing_support
