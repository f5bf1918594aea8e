// The recordings beside the announcer when they are not files: the tick and the
// "Play Azaan" commands pass them over at once, as they pass over a missing one.
#include "tests/announcer/azaan_fixture.h"

#include "desktop/path_text.h"
#include "tests/support/fifo.h"

#include <QDir>
#include <QFile>
#include <QPushButton>

#include <functional>
#include <memory>

namespace azaan_tests {
namespace {

struct StandIn {
    const char* name;
    // Puts something at the recording's name; what it returns is kept alive for the test.
    std::function<std::shared_ptr<void>(const QString& path)> make;
    bool handedToPlayer;  // a missing recording still goes to the player, which stays silent
};

void PrintTo(const StandIn& s, std::ostream* os) { *os << s.name; }

class RecordingStandIn : public AzaanWindowTest, public ::testing::WithParamInterface<StandIn> {};

TEST_P(RecordingStandIn, PrayerMinuteAndMenuGoOnWithoutOpeningIt) {
    WriteTimesFile(desk.folder);
    at(4, 0);
    ASSERT_TRUE(load());
    const std::shared_ptr<void> fajr = GetParam().make(file("fajr.mp3"));
    const std::shared_ptr<void> other = GetParam().make(file("other.mp3"));

    at(5, 7, 0);  // Fajr
    w->Timer1_Timer();
    at(9, 0);  // a quiet tick in between: a tick right after a call never starts one
    w->Timer1_Timer();
    at(12, 15, 0);  // Zuhr
    w->Timer1_Timer();
    w->mnuAzaanFajr->trigger();
    w->mnuAzaanOther->trigger();

    if (GetParam().handedToPlayer) {
        EXPECT_EQ(playerStarts(), 4);
        EXPECT_EQ(lastStarted(), file("other.mp3"));
    } else {
        EXPECT_EQ(playerStarts(), 0);
    }
    // The minute is called all the same: "Stop" is offered and both calls are logged.
    EXPECT_TRUE(w->Command2->isEnabled());
    EXPECT_EQ(w->AzaanJustPlayed, 1);
    EXPECT_EQ(logLines(), 4);  // two header lines and two calls
}

std::shared_ptr<void> Nothing() { return nullptr; }

INSTANTIATE_TEST_SUITE_P(Recordings, RecordingStandIn,
                         ::testing::Values(StandIn{"Missing", [](const QString&) { return Nothing(); }, true},
                                           StandIn{"Fifo",
                                                   [](const QString& path) {
                                                       // Its writer lets a wrong open through: the test then fails
                                                       // instead of hanging.
                                                       auto fifo = std::make_shared<testing_support::FifoWithWriter>(
                                                           desktop::PathBytes(path));
                                                       EXPECT_TRUE(fifo->made());
                                                       return std::shared_ptr<void>(fifo);
                                                   },
                                                   false},
                                           StandIn{"Folder",
                                                   [](const QString& path) {
                                                       EXPECT_TRUE(QDir().mkdir(path));
                                                       return Nothing();
                                                   },
                                                   false},
                                           StandIn{"Device",
                                                   [](const QString& path) {
                                                       EXPECT_TRUE(QFile::link("/dev/zero", path));
                                                       return Nothing();
                                                   },
                                                   false}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace azaan_tests
