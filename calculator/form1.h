// Velstra's main window: the place, the Asr criterion, today's preview and the create command.
#pragma once

#include "calculator/event_widgets.h"
#include "calculator/heading_label.h"
#include "desktop/desktop.h"
#include "files/calculator_file.h"

#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <string>

class QComboBox;
class QGroupBox;
class QPlainTextEdit;
class QRadioButton;

namespace calculator {

class Form1 : public QWidget {
    Q_OBJECT
public:
    // Lets a test stand a sink between the writer and the times file (e.g. one that fails).
    using SinkWrapper = files::SinkWrapper;

    explicit Form1(desktop::Desktop& desk, SinkWrapper wrapSink = {}, QWidget* parent = nullptr);
    ~Form1() override;

    // --- controls, named and numbered as the program names them ---
    QGroupBox* Frame1 = nullptr;
    std::array<QLabel*, 11> Label1{};
    std::array<QComboBox*, 4> Combo1{};     // 0 the place names; 1..3 hidden numbers
    std::array<FocusLineEdit*, 5> Text1{};  // 1 latitude, 2 longitude, 3 time zone, 4 output file
    std::array<QRadioButton*, 2> Option1{};
    PictureButton* Command3 = nullptr;
    PictureButton* Command4 = nullptr;
    HeadingLabel* Label2 = nullptr;
    std::array<QPushButton*, 2> Command1{};  // only element 1 exists
    QPlainTextEdit* Text2 = nullptr;

    // --- the calculator's values, set by the preview and the create command ---
    double Latitude = 0;
    double Longitude = 0;
    double TimeZone = 0;
    int AsrFactor = 1;
    std::string OutputFile;  // the system's bytes: the program folder may have any name
    QString GazetteerAddress;

    // --- handlers ---
    void Form_Load();
    void Combo1_Click();
    void Text1_Change(int index);
    void Option1_Click(int index);
    void Label2_Click();
    void Label2_MouseMove();
    void Text1_GotFocus(int index);
    void Command1_Click(int index);
    void Command3_Click();
    void Command4_Click();
    void Form_Unload();

    // --- the place list and the preview ---
    void FillCombo();
    void ShowTodayTimes(double latitude, double longitude, double timeZone);
    void FillPreview(std::string dayLine);
    int TodayDayNo();
    int ShellOpen(const QString& target, const QString& parameters);

    // The mouse pointer code of the window: 11 busy, 0 default.
    int MousePointer() const { return mousePointer_; }
    // The preview box's text as the program set it, lines joined by CR LF.
    QString Text2Text() const { return previewText_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void setMousePointer(int code);
    int chosenAsrFactor() const;
    void showTodayFromBoxes();
    void fitLabel2();
    bool writeTimesFile(const std::string& cityText);
    void reportWriteFailure(const std::string& reason);

    desktop::Desktop& desk_;
    SinkWrapper wrapSink_;
    int mousePointer_ = 0;
    QString previewText_;
};

}  // namespace calculator
