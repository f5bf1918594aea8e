#include "window_common/centre_window.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace window_common {

namespace {

void PlaceByFrame(QWidget* window, int raise) {
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    // A top-level window's move() places its outer frame.
    window->move(CentredFramePosition(screen->geometry(), window->frameGeometry().size(), raise));
}

// Places the window again whenever its frame turns out to have another size than the one
// it was centred by; done once a real frame (one larger than the window) was used.
class FrameWatch : public QObject {
public:
    FrameWatch(QWidget* window, int raise) : QObject(window), window_(window), raise_(raise) {
        centredBy_ = window->frameGeometry().size();
        window->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (watched == window_ && (type == QEvent::Show || type == QEvent::Move || type == QEvent::Resize)) {
            const QSize outer = window_->frameGeometry().size();
            if (outer != centredBy_) {
                centredBy_ = outer;
                PlaceByFrame(window_, raise_);
            }
            if (outer != window_->size()) deleteLater();
        }
        return false;
    }

private:
    QWidget* window_;
    int raise_;
    QSize centredBy_;
};

}  // namespace

QPoint CentredFramePosition(const QRect& screen, const QSize& outer, int raise) {
    return {screen.left() + (screen.width() - outer.width()) / 2,
            screen.top() + (screen.height() - outer.height()) / 2 - raise};
}

void CentreByOuterFrame(QWidget* window, int raise) {
    PlaceByFrame(window, raise);
    new FrameWatch(window, raise);
}

}  // namespace window_common
