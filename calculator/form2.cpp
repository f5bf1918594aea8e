#include "calculator/form2.h"

#include "calculator/messages.h"

#include "window_common/centre_window.h"
#include "window_common/window_font.h"
#include "window_common/window_text.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

namespace calculator {

namespace {

const QColor Red(255, 0, 0);
const QColor DarkGreen(0, 128, 0);
const QColor Blue(0, 0, 255);
const QColor Black(0, 0, 0);

// Lays a label out at its twips; a caption wider than the box grows it to the right
// rather than being cut, since the map's font need not match the designed one.
MapLabel* PlaceLabel(QWidget* parent, const QString& text, QColor colour, int left, int top, int width = 0,
                     int height = 195) {
    auto* label = new MapLabel(text, parent, colour);
    int w = TwipsToPixels(width);
    if (width == 0 || label->sizeHint().width() > w) w = label->sizeHint().width();
    label->setGeometry(TwipsToPixels(left), TwipsToPixels(top), w, TwipsToPixels(height));
    return label;
}

// A wrapped label whose text would run past its box gets a smaller font, down to 9 pixels.
void ShrinkToFit(QLabel* label) {
    QFont font = label->font();
    for (int size = font.pixelSize(); size > 8; --size) {
        font.setPixelSize(size);
        const QRect needed =
            QFontMetrics(font).boundingRect(QRect(0, 0, label->width(), 10000), Qt::TextWordWrap, label->text());
        if (needed.height() <= label->height()) break;
    }
    label->setFont(font);
}

}  // namespace

Form2::Form2(desktop::Desktop& desktop, QLineEdit* latitudeBox, QLineEdit* longitudeBox, QWidget* owner)
    : QDialog(owner), desktop_(desktop), latitudeBox_(latitudeBox), longitudeBox_(longitudeBox) {
    map_ = QPixmap(":/resources/worldmap.png");
    setWindowTitle("World Map");
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFixedSize(TwipsToPixels(10800), TwipsToPixels(4800));
    setFont(window_common::WindowFontInPixels());
    buildControls();
    Form_Load();
}

void Form2::buildControls() {
    // Drawn controls first, so the labels and buttons lie above them.
    Shape1 = new MapShape(this, MapShape::Circle, QColor(224, 224, 224), Black);
    Shape1->setTwips(90, 1410, 1905, 1425);
    Line2[0] = new MapLine(this, Black);
    Line2[0]->setPoints(240, 2130, 1860, 2130);
    Line2[1] = new MapLine(this, Black);
    Line2[1]->setPoints(1050, 1320, 1050, 2940);
    Line1 = new MapLine(this, Blue, 2);
    Line1->setPoints(CompassCentreX, CompassCentreY, 1800, 2130);
    Line3 = new MapLine(this, DarkGreen);
    Line3->setPoints(6630, 1770, 7110, 2700);
    Shape2 = new MapShape(this, MapShape::Square, QColor(0, 192, 0), Black);
    Shape2->setTwips(6600, 1750, 75, 75);
    Shape3 = new MapShape(this, MapShape::Square, Red, Red);
    Shape3->setTwips(-100, 3540, 45, 45);

    Label9[0] = PlaceLabel(this, "N", Black, 990, 1140);
    Label9[1] = PlaceLabel(this, "E", Black, 1890, 1980);
    Label9[2] = PlaceLabel(this, "S", Black, 990, 2970);
    Label9[3] = PlaceLabel(this, "W", Black, 30, 1980);
    Label10[4] = PlaceLabel(this, "Qiblah", Black, 840, 1860, 450);
    Label4 = PlaceLabel(this, "Kabah", DarkGreen, 7140, 2610, 465);

    Label1[0] = PlaceLabel(this, "Latitude:", Red, 120, 3180, 615);
    Label1[1] = PlaceLabel(this, "Longitude:", Red, 120, 3450, 750);
    Label2[0] = PlaceLabel(this, "[Click on map]", Red, 930, 3180, 1005);
    Label2[1] = PlaceLabel(this, "[Click on map]", Red, 930, 3450, 1005);

    Label3 = new MapLabel(
        "Note: The qiblah direction is based on spherical coordinates. It may not appear to point "
        "towards the Kabah on a cylindrically projected map such as this.",
        this, Black);
    Label3->setWordWrap(true);
    Label3->setGeometry(TwipsToPixels(4560), TwipsToPixels(4350), TwipsToPixels(6210), TwipsToPixels(435));
    ShrinkToFit(Label3);

    Command1 = new QPushButton("Cancel", this);
    Command1->setGeometry(TwipsToPixels(90), TwipsToPixels(4050), TwipsToPixels(1155), TwipsToPixels(345));
    Command1->setAutoDefault(false);
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });

    Command2 = new QPushButton("Insert", this);
    Command2->setGeometry(TwipsToPixels(1350), TwipsToPixels(4050), TwipsToPixels(1515), TwipsToPixels(345));
    Command2->setDefault(true);
    Command2->setEnabled(false);
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
}

void Form2::Form_Load() {
    // Centred across, and 300 twips above the middle.
    window_common::CentreByOuterFrame(this, TwipsToPixels(300));
}

float Form2::OuterWidthTwips() const { return static_cast<float>(frameGeometry().width() * TwipsPerPixel); }

float Form2::OuterHeightTwips() const { return static_cast<float>(frameGeometry().height() * TwipsPerPixel); }

void Form2::Form_MouseDown(float x, float y) {
    Shape3->moveTwips(x, y);
    Command2->setEnabled(true);

    const MapPick pick = PickMapPoint(x, y, OuterWidthTwips(), OuterHeightTwips());
    Label2[0]->setText(window_common::Q(pick.latitudeText));
    Label2[1]->setText(window_common::Q(pick.longitudeText));
    Line1->setEnd(pick.needle.x, pick.needle.y);
}

void Form2::Command1_Click() { close(); }

void Form2::Command2_Click() {
    if (desktop_.messageBox(kInsertQuestion, desktop::mb::YesNo, kMapTitle) != desktop::answer::Yes) return;
    latitudeBox_->setText(Label2[0]->text());
    longitudeBox_->setText(Label2[1]->text());
    accept();
}

void Form2::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, map_);
}

void Form2::mousePressEvent(QMouseEvent* event) {
    const QPointF at = event->position();
    Form_MouseDown(static_cast<float>(at.x() * TwipsPerPixel), static_cast<float>(at.y() * TwipsPerPixel));
    event->accept();
}

}  // namespace calculator
