#include "window_common/centre_window.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace window_common {

namespace {

QSize FrameMargins(const QWidget* window) { return window->frameGeometry().size() - window->size(); }

QPoint PlaceByFrame(QWidget* window, int raise) {
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen) return window->frameGeometry().topLeft();
    // A top-level window's move() places its outer frame.
    const QPoint place = CentredFramePosition(screen->geometry(), window->frameGeometry().size(), raise);
    window->move(place);
    return place;
}

// Places the window again when the window system reports a frame of other margins than the
// ones it was centred by. The window's own size changing (a button that widens it) is no
// reason: the frame then grows with it and the window stays put. The watch ends once the
// frame is known after the first showing, or when the window is moved to a place the
// program did not choose (the user's move), which must stand. Without a window manager,
// or for a frameless window, no frame ever comes and only the user's move ends the watch.
class FrameWatch : public QObject {
public:
    FrameWatch(QWidget* window, int raise, QPoint placed)
        : QObject(window), window_(window), raise_(raise), margins_(FrameMargins(window)), placed_(placed) {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (watched != window_ || (type != QEvent::Show && type != QEvent::Move && type != QEvent::Resize))
            return false;
        if (type == QEvent::Show) shown_ = true;
        const QSize margins = FrameMargins(window_);
        if (margins != margins_) {
            margins_ = margins;
            placed_ = PlaceByFrame(window_, raise_);
        } else if (shown_ && type == QEvent::Move && window_->frameGeometry().topLeft() != placed_) {
            retire();  // the user's move
            return false;
        }
        if (shown_ && !margins_.isNull()) retire();  // framed: nothing more to learn
        return false;
    }

private:
    void retire() {
        window_->removeEventFilter(this);
        deleteLater();
    }

    QWidget* window_;
    int raise_;
    QSize margins_;
    QPoint placed_;
    bool shown_ = false;
};

}  // namespace

QPoint CentredFramePosition(const QRect& screen, const QSize& outer, int raise) {
    return {screen.left() + (screen.width() - outer.width()) / 2,
            screen.top() + (screen.height() - outer.height()) / 2 - raise};
}

void CentreByOuterFrame(QWidget* window, int raise) { new FrameWatch(window, raise, PlaceByFrame(window, raise)); }

}  // namespace window_common
