// The main window and its fine-tune editor and schedules, on the scripted desktop.
#pragma once

#include "announcer/azaan.h"
#include "announcer/modify.h"
#include "tests/announcer/times_fixture.h"
#include "tests/support/scripted_desktop.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>

#include <memory>
#include <string>
#include <vector>

namespace editor_tests {

using azaan_tests::Joined;
using azaan_tests::Lines;
using azaan_tests::ReadBytes;
using azaan_tests::WithField;
using azaan_tests::WriteBytes;

// The calculator's file for Abha (header, 366 day lines, closing block).
inline std::string AbhaFile() { return ReadBytes(QString(SUITE_TEST_DATA) + "/AzaanTimes_abha.dat"); }

class EditorTest : public ::testing::Test {
protected:
    testing_support::ScriptedDesktop desk;
    std::unique_ptr<Azaan> main;

    QString timesPath() const { return desk.folder + "/AzaanTimes.dat"; }
    void writeTimes(const std::string& bytes) { WriteBytes(timesPath(), bytes); }

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

    // A user's choice of a period kind.
    static void choose(Modify* m, int index) {
        m->Combo1->setCurrentIndex(index);
        emit m->Combo1->activated(index);
    }

    static void processDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    bool anyMessageContains(const QString& part) const {
        for (const auto& m : desk.messageBoxes)
            if (m.text.contains(part)) return true;
        return false;
    }
};

}  // namespace editor_tests
