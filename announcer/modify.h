// "Fine-Tune Prayer Times": walk the anchor days of a week, month or quarter,
// move their times minute by minute, and save the re-interpolated year into
// the times file of the program's folder.
#pragma once

#include "announcer/core/fine_tune.h"
#include "announcer/core/period_starts.h"
#include "desktop/desktop.h"
#include "engine/times_file.h"

#include <QWidget>

#include <array>
#include <functional>
#include <string>
#include <vector>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace announcer {

class Modify : public QWidget {
    Q_OBJECT
public:
    // timesPath is the times file the editor reads and saves; afterSave runs once
    // a save has put the new year in place, so that the new times are shown.
    Modify(desktop::Desktop& desk, std::string timesPath, std::function<void()> afterSave, QWidget* parent = nullptr);

    // --- controls ---
    std::array<QLabel*, 9> Label1{};      // 0 note, 1 "City", 2..7 the prayers, 8 "Note:"
    QLineEdit* Text1;                     // the city line
    QComboBox* Combo1;                    // Weekly, Monthly, Quarterly
    std::array<QListWidget*, 3> List1{};  // 2 the anchor dates (seen), 0 their DayNo (hidden)
    QFrame* Picture1;
    std::array<QLineEdit*, 9> Text2{};        // 3..8 Fajr..Isha of the shown anchor, read-only
    std::array<QPushButton*, 12> Command3{};  // "<" even, ">" odd, two a time box
    QPushButton* Command1;                    // "Save"
    QPushButton* Command2;                    // "Close"
    QPushButton* Command4;                    // hidden: scale all
    QPushButton* Command5;                    // "Help"

    // The table the editor works on; holds a year only after a whole file was read.
    FineTuneYear DayTimes;

    // --- handlers ---
    void Form_Load();
    void Combo1_Click();
    void List1_Click(int Index);
    void Command3_Click(int Index);
    void Command4_Click();
    void Command1_Click();
    void Command2_Click();
    void Command5_Click();

    // The times file this editor reads and saves.
    std::string TimesFilePath() const { return timesPath_; }

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    void buildControls();
    int selectedAnchorRow() const;
    void showLoadFailure(engine::ReadOutcome outcome);
    void setEditable(bool editable);

    desktop::Desktop& desk_;
    const std::string timesPath_;
    const std::function<void()> afterSave_;
    // The anchor days listed, as PeriodStarts gives them; List1[0] holds the same numbers hidden.
    std::vector<int> anchors_;
};

}  // namespace announcer
