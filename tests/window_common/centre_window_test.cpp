// Centring a window by its outer frame, on the offscreen platform (which frames a shown
// window with 2 pixels on every side).
#include "window_common/centre_window.h"

#include "tests/support/centred_frame.h"

#include <QApplication>
#include <QScreen>
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
        {{0, 0, 1024, 768}, {1100, 900}, 20, {-38, -86}},     // larger than the screen
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

// Where the window system reports no frame (no window manager, a frameless window), the
// window is centred by its own size; a size change afterwards moves it neither back to the
// centre nor away from where the user put it.
TEST(CentreByOuterFrame, AWindowWithoutAFrameStaysPutWhenItsSizeChanges) {
    QWidget window(nullptr, Qt::FramelessWindowHint);
    window.setFixedSize(400, 300);
    CentreByOuterFrame(&window, 20);
    window.show();
    QApplication::processEvents();
    const QPoint centred = CentredFramePosition(window.screen()->geometry(), QSize(400, 300), 20);
    EXPECT_EQ(window.frameGeometry().topLeft(), centred);

    window.setFixedWidth(300);
    QApplication::processEvents();
    EXPECT_EQ(window.frameGeometry(), QRect(centred, QSize(300, 300)));

    window.move(10, 15);
    QApplication::processEvents();
    window.setFixedWidth(200);
    QApplication::processEvents();
    EXPECT_EQ(window.frameGeometry(), QRect(10, 15, 200, 300));
}

// A frame that comes only later (a window manager started after the window was shown) is
// centred by, unless the user has moved the window by then.
TEST(CentreByOuterFrame, AFrameReportedLaterCentresOnlyAWindowTheUserLeftInPlace) {
    for (const bool userMoved : {false, true}) {
        SCOPED_TRACE(userMoved ? "moved by the user" : "left in place");
        QWidget window(nullptr, Qt::FramelessWindowHint);
        window.setFixedSize(400, 300);
        CentreByOuterFrame(&window, 20);
        window.show();
        QApplication::processEvents();
        if (userMoved) {
            window.move(10, 15);
            QApplication::processEvents();
        }

        // The offscreen platform reports a frame taken on while shown with the next size change.
        window.setWindowFlag(Qt::FramelessWindowHint, false);
        window.show();
        window.setFixedWidth(300);
        QApplication::processEvents();
        ASSERT_EQ(window.frameGeometry().width(), 304);
        if (userMoved)  // the frame was added around the window where it stood
            EXPECT_EQ(window.geometry().topLeft(), QPoint(10, 15));
        else
            testing_support::ExpectCentredByOuterFrame(window, 20);
    }
}

}  // namespace
}  // namespace window_common
