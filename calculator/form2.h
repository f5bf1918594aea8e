// The world-map picker: a click on the map gives a latitude and longitude and turns
// the compass needle to their qibla; "Insert" copies them into the main window.
#pragma once

#include "calculator/map_click.h"
#include "calculator/map_controls.h"
#include "desktop/desktop.h"

#include <QDialog>
#include <QPixmap>

#include <array>

class QLineEdit;
class QPushButton;

namespace calculator {

class Form2 : public QDialog {
    Q_OBJECT
public:
    // latitudeBox and longitudeBox are the main window's boxes that "Insert" fills.
    Form2(desktop::Desktop& desktop, QLineEdit* latitudeBox, QLineEdit* longitudeBox, QWidget* owner);

    // --- controls, named and numbered as the program names them ---
    QPushButton* Command1 = nullptr;  // "Cancel"
    QPushButton* Command2 = nullptr;  // "Insert"
    std::array<MapLabel*, 2> Label1{};
    std::array<MapLabel*, 2> Label2{};  // the picked latitude, longitude
    MapLabel* Label3 = nullptr;
    MapLabel* Label4 = nullptr;
    std::array<MapLabel*, 4> Label9{};   // N, E, S, W
    std::array<MapLabel*, 5> Label10{};  // only element 4 exists
    MapShape* Shape1 = nullptr;          // compass face
    MapShape* Shape2 = nullptr;          // the Kaaba's mark
    MapShape* Shape3 = nullptr;          // the click mark
    MapLine* Line1 = nullptr;            // the needle
    std::array<MapLine*, 2> Line2{};
    MapLine* Line3 = nullptr;

    // --- handlers ---
    void Form_Load();
    // A click on the map at x, y (twips of the client area), any button.
    void Form_MouseDown(float x, float y);
    void Command1_Click();
    void Command2_Click();

    // The window's outer size in twips, title bar and borders included.
    float OuterWidthTwips() const;
    float OuterHeightTwips() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void buildControls();

    desktop::Desktop& desktop_;
    QLineEdit* latitudeBox_;
    QLineEdit* longitudeBox_;
    QPixmap map_;
};

}  // namespace calculator
