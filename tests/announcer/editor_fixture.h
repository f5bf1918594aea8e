// The fine-tune editor, alone or opened by the main window, and the schedules, on the scripted desktop.
#pragma once

#include "announcer/azaan.h"
#include "announcer/modify.h"
#include "tests/announcer/times_fixture.h"
#include "tests/support/scripted_desktop.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>

#include <memory>
#include <string>
#include <vector>

namespace editor_tests {

using announcer::Azaan;
using announcer::Modify;
using azaan_tests::Joined;
using azaan_tests::Lines;
using azaan_tests::ReadBytes;
using azaan_tests::WithField;
using azaan_tests::WriteBytes;

// The calculator's file for Abha (header, 366 day lines, closing block).
inline std::string AbhaFile() { return ReadBytes(QString(SUITE_TEST_DATA) + "/AzaanTimes_abha.dat"); }

// The editor's files and controls, with no main window.
class EditorFilesTest : public ::testing::Test {
protected:
    testing_support::ScriptedDesktop desk;

    QString timesPath() const { return desk.folder + "/AzaanTimes.dat"; }
    void writeTimes(const std::string& bytes) { WriteBytes(timesPath(), bytes); }

    // A user's choice of a period kind.
    static void choose(Modify* m, int index) {
        m->Combo1->setCurrentIndex(index);
        emit m->Combo1->activated(index);
    }

    // On Abha's file: day 1's Fajr three minutes on (to 5:22), the city renamed, and Save.
    static void saveFajrAtFiveTwentyTwo(Modify* m) {
        for (int i = 0; i < 3; ++i) m->Command3[1]->click();
        m->Text1->setText("Abha, Asir");
        m->Command1->click();
    }

    static void processDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    bool anyMessageContains(const QString& part) const {
        for (const auto& m : desk.messageBoxes)
            if (m.text.contains(part)) return true;
        return false;
    }
};

// The main window, which opens the editor from its menu.
class EditorTest : public EditorFilesTest {
protected:
    std::unique_ptr<Azaan> main;

    // 1 January: today is day 1. The main window starts on the file as it stands.
    void startMain() {
        desk.clock = QDateTime(QDate(2026, 1, 1), QTime(12, 0, 0));
        main = std::make_unique<Azaan>(desk);
        ASSERT_TRUE(main->Form_Load());
        desk.messageBoxes.clear();
        desk.commandLines.clear();
    }

    Modify* openEditor() {
        main->mnuModify_Click();
        return main->ModifyWindow();
    }
};

}  // namespace editor_tests
