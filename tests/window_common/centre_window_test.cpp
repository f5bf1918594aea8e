// Centring a window by its outer frame, on the offscreen platform (which frames a shown
// window with 2 pixels on every side).
#include "window_common/centre_window.h"

#include "tests/support/centred_frame.h"

#include <QApplication>
#include <QWidget>
#include <gtest/gtest.h>

namespace window_common {
namespace {

// A window of 400 x 300 framed by a 22-pixel title bar and 1-pixel borders is 402 x 324 outside.
TEST(CentredFramePosition, CentresTheOuterFrameOnItsScreenRaisedAboveTheMiddle) {
    const struct {
        QRect screen;
        QSize outer;
        int raise;
        QPoint expected;
    } cases[] = {
        {{0, 0, 1280, 800}, {402, 324}, 20, {439, 218}},
        {{0, 0, 1280, 800}, {402, 324}, 0, {439, 238}},
        {{1280, 0, 1024, 768}, {402, 324}, 33, {1591, 189}},  // the second of two screens
        {{0, 0, 1024, 768}, {1100, 900}, 20, {-38, -86}},      // larger than the screen
    };
    for (const auto& c : cases)
        EXPECT_EQ(CentredFramePosition(c.screen, c.outer, c.raise), c.expected)
            << c.screen.x() << " " << c.outer.width() << " " << c.raise;
}

// The frame is known only once the window is shown: it is centred by it then, and a move the
// user makes afterwards stays when the window is hidden and shown again.
TEST(CentreByOuterFrame, CentresByTheFrameOnceShownAndKeepsTheUsersMove) {
    QWidget window;
    window.setFixedSize(400, 300);
    CentreByOuterFrame(&window, 20);
    window.show();
    QApplication::processEvents();
    testing_support::ExpectCentredByOuterFrame(window, 20);

    window.move(10, 15);
    QApplication::processEvents();
    window.hide();
    window.show();
    QApplication::processEvents();
    EXPECT_EQ(window.frameGeometry().topLeft(), QPoint(10, 15));
}

}  // namespace
}  // namespace window_common
