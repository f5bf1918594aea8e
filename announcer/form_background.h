// The main window's own background: it draws the window's lines and shapes
// (the compass and the qiblah needle) and reports mouse moves over itself,
// not over the controls that lie on it.
#pragma once

#include <QWidget>

#include <functional>
#include <vector>

namespace announcer {

// A line in twips of the client area (y grows downwards).
struct LineShape {
    double X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
};

// A circle given by its bounding box in twips.
struct CircleShape {
    int Left = 0, Top = 0, Width = 0, Height = 0;
};

class FormBackground : public QWidget {
    Q_OBJECT
public:
    explicit FormBackground(QWidget* parent = nullptr);

    std::vector<const CircleShape*> circles;
    std::vector<const LineShape*> lines;
    std::vector<const LineShape*> needles;  // drawn over the lines, in red
    std::function<void()> onMouseMove;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
};

}  // namespace announcer
