// The main window on the offscreen platform with the scripted desktop.
#pragma once

#include "announcer/azaan.h"
#include "tests/announcer/times_fixture.h"
#include "tests/support/scripted_desktop.h"

#include <gtest/gtest.h>

#include <QDir>

#include <memory>

namespace azaan_tests {

using announcer::Azaan;
using announcer::frmSplash;

class AzaanWindowTest : public ::testing::Test {
protected:
    testing_support::ScriptedDesktop desk;
    std::unique_ptr<Azaan> w;

    // 9 Dec 2026 at the given time.
    void at(int h, int m, int s = 0) { desk.clock = QDateTime(QDate(2026, 12, 9), QTime(h, m, s)); }

    // Creates the window and runs its start-up; the times file is the test's business.
    bool load() {
        w = std::make_unique<Azaan>(desk);
        return w->Form_Load();
    }

    QString file(const char* name) const { return desk.folder + "/" + name; }

    int playerStarts() const {
        int n = 0;
        for (const auto& c : desk.playerCalls)
            if (c.kind == testing_support::PlayerCall::FileName && !c.fileName.isEmpty()) ++n;
        return n;
    }

    QString lastStarted() const {
        for (auto it = desk.playerCalls.rbegin(); it != desk.playerCalls.rend(); ++it)
            if (it->kind == testing_support::PlayerCall::FileName) return it->fileName;
        return {};
    }

    int logLines() const {
        const std::string log = ReadBytes(file("azaan.log"));
        int n = 0;
        for (char c : log) n += c == '\n';
        return n;
    }

    QStringList folderEntries() const {
        return QDir(desk.folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    }
};

}  // namespace azaan_tests
