#include "desktop/path_text.h"
#include "desktop/qt_desktop.h"
#include "desktop/single_instance.h"
#include "tests/desktop/scoped_env.h"
#include "tests/support/planted_link.h"
#include "tests/support/temp_folder.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>
#include <QUuid>

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <barrier>
#include <memory>
#include <string>
#include <vector>

namespace {

// The folder of the running program, as the platform gives it.
std::string ProgramFolder() { return desktop::QtDesktop().programFolder(); }

// A title no other run of the tests uses; its lock files go with the test.
class FreshTitle {
public:
    FreshTitle() : title_(QStringLiteral("Instance test - v3.2 ") + QUuid::createUuid().toString(QUuid::Id128)) {}
    explicit FreshTitle(const QString& title) : title_(title) {}
    ~FreshTitle() {
        for (const auto& folder : desktop::UsablePrivateFolders(desktop::UsersPrivateFolderCandidates()))
            std::filesystem::remove(desktop::instanceLockName(folder.path, title_), ignored_);
        std::filesystem::remove(desktop::programFolderLockName(ProgramFolder(), title_), ignored_);
    }
    operator const QString&() const { return title_; }
    QString lockName() const {
        return desktop::PathText(desktop::instanceLockName(desktop::UsersPrivateFolder().path, title_));
    }

private:
    QString title_;
    std::error_code ignored_;
};

// Whether a new start of this program could claim the title now.
bool Free(const QString& title) {
    desktop::InstanceClaims probe;
    return probe.claim(title, ProgramFolder());
}

TEST(SingleInstance, AClaimedTitleIsHeldUntilItsProgramEnds) {
    const FreshTitle title;
    {
        desktop::QtDesktop first;
        EXPECT_TRUE(first.claimWindowTitle(title));
        EXPECT_TRUE(first.claimWindowTitle(title));  // asking twice keeps it
        const FreshTitle longer(title + "x");
        EXPECT_TRUE(Free(longer));  // the title must match exactly

        desktop::QtDesktop second;
        EXPECT_FALSE(second.claimWindowTitle(title));  // the running one keeps the title
        EXPECT_FALSE(Free(title));
        // It holds the title in its own folder too: a start that finds no
        // private folder at all still meets it there.
        desktop::InstanceClaims noPrivateFolder({"", "", "", ::getuid()});
        EXPECT_FALSE(noPrivateFolder.claim(title, ProgramFolder()));
    }
    desktop::QtDesktop later;  // once the first has ended, the title is free again
    EXPECT_TRUE(later.claimWindowTitle(title));
}

TEST(SingleInstance, TitlesDifferingOnlyInPunctuationAreApart) {
    EXPECT_NE(desktop::instanceLockName("/f/", "Kelvora - v3.2"), desktop::instanceLockName("/f/", "Kelvora - v3_2"));
    // Long titles still give a short file name.
    EXPECT_LT(
        std::filesystem::path(desktop::instanceLockName("/f/", QString(500, QChar('k')))).filename().string().size(),
        80u);
}

// A holder killed outright leaves its lock file behind; the next start runs.
TEST(SingleInstance, AProgramThatCrashedLeavesTheTitleFree) {
    const FreshTitle title;
    const QByteArray lockName = QFile::encodeName(title.lockName());
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t holder = ::fork();
    ASSERT_GE(holder, 0);
    if (holder == 0) {  // the crashing program: only plain system calls here
        const int fd = ::open(lockName.constData(), O_RDWR | O_CREAT, 0600);
        const char locked = (fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) == 0) ? 1 : 0;
        (void)!::write(ready[1], &locked, 1);
        ::pause();
        ::_exit(0);
    }
    char locked = 0;
    ASSERT_EQ(::read(ready[0], &locked, 1), 1);
    ::close(ready[0]);
    ::close(ready[1]);
    ASSERT_EQ(locked, 1);
    EXPECT_FALSE(Free(title));  // it runs

    ::kill(holder, SIGKILL);
    ::waitpid(holder, nullptr, 0);
    EXPECT_TRUE(QFile::exists(title.lockName()));
    desktop::QtDesktop restarted;
    EXPECT_TRUE(restarted.claimWindowTitle(title));
}

TEST(SingleInstance, TheNameLivesInTheUsersPrivateFolderWhateverTmpdirSays) {
    const FreshTitle title;
    QTemporaryDir one, two;
    std::unique_ptr<desktop::QtDesktop> first;
    {
        ScopedEnv tmpdir("TMPDIR", QFile::encodeName(one.path()));
        first = std::make_unique<desktop::QtDesktop>();
        ASSERT_TRUE(first->claimWindowTitle(title));
    }
    ScopedEnv tmpdir("TMPDIR", QFile::encodeName(two.path()));
    desktop::QtDesktop second;
    EXPECT_FALSE(second.claimWindowTitle(title));

    struct stat st {};
    const QString folder = QFileInfo(title.lockName()).absolutePath();
    ASSERT_EQ(::lstat(QFile::encodeName(folder).constData(), &st), 0) << folder.toStdString();
    EXPECT_TRUE(S_ISDIR(st.st_mode));
    EXPECT_EQ(st.st_mode & 0777, 0700u) << folder.toStdString();
    EXPECT_EQ(st.st_uid, ::getuid());
}

// Private folders for one test: the session's, the system's and the program's
// own in /tmp; and folders for copies of the program.
class Folders {
public:
    Folders() {
        for (const char* name : {"run", "user"}) {
            std::filesystem::create_directory(temp.path() / name);
            std::filesystem::permissions(temp.path() / name, std::filesystem::perms::owner_all);
        }
    }
    std::string run() const { return temp.file("run"); }
    std::string user() const { return temp.file("user"); }
    std::string fallback() const { return temp.file("fallback"); }
    std::string file(const std::string& name) const { return temp.file(name); }
    // Made by someone else, or by us but open to everyone.
    std::string squatted(bool theirs) const {
        const std::string path = temp.file(theirs ? "theirs" : "open");
        std::filesystem::create_directory(path);
        std::filesystem::permissions(path, std::filesystem::perms::all);
        if (theirs) {
            EXPECT_EQ(::chown(path.c_str(), test_support::AnotherUser, test_support::AnotherUser), 0);
        }
        return path;
    }
    // A fresh folder holding a copy of the program.
    std::string program() const {
        const std::string path = temp.file("program" + std::to_string(++programs_));
        std::filesystem::create_directory(path);
        return path;
    }

private:
    test_support::TempFolder temp;
    mutable int programs_ = 0;
};

std::string LockFileIn(const std::string& programFolder, const QString& title) {
    return desktop::programFolderLockName(programFolder, title);
}

std::vector<std::string> Entries(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

// A start that sees XDG_RUNTIME_DIR and one that does not still meet.
TEST(SingleInstance, StartsWithAndWithoutTheSessionsFolderHaveOneWinner) {
    const Folders folders;
    const uid_t me = ::getuid();
    const desktop::PrivateFolderCandidates withSession{folders.run(), "", folders.fallback(), me};
    const desktop::PrivateFolderCandidates without{"", "", folders.fallback(), me};
    for (bool sessionFirst : {true, false}) {
        const FreshTitle title;
        desktop::InstanceClaims first(sessionFirst ? withSession : without);
        desktop::InstanceClaims second(sessionFirst ? without : withSession);
        EXPECT_TRUE(first.claim(title, ""));
        EXPECT_FALSE(second.claim(title, "")) << "session first: " << sessionFirst;
    }
}

// Someone else's /tmp/kelvora-<uid> cannot break one instance where the system
// made /run/user/<uid>.
TEST(SingleInstance, ASquattedFallbackStillGivesOneWinner) {
    const Folders folders;
    const uid_t me = ::getuid();
    for (bool theirs : {false, true}) {
        const desktop::PrivateFolderCandidates squatted{"", folders.user(), folders.squatted(theirs), me};
        const FreshTitle title;
        desktop::InstanceClaims first(squatted), second(squatted);
        EXPECT_TRUE(first.claim(title, ""));
        EXPECT_FALSE(second.claim(title, "")) << "theirs: " << theirs;
    }
}

// No /run/user/<uid> and /tmp/kelvora-<uid> made first by someone else, or
// open to all: no private folder is usable, or two starts see different ones.
// Two starts of one copy of the program still meet in its folder, with or
// without XDG_RUNTIME_DIR; its lock file is the user's alone.
TEST(SingleInstance, TwoStartsFromOneProgramFolderNeverBothRunWhateverStandsInTmp) {
    const Folders folders;
    const uid_t me = ::getuid();
    const desktop::PrivateFolderCandidates none{"", "", folders.squatted(true), me};
    const desktop::PrivateFolderCandidates openToAll{"", "", folders.squatted(false), me};
    const desktop::PrivateFolderCandidates session{folders.run(), "", folders.squatted(true), me};
    const std::pair<desktop::PrivateFolderCandidates, desktop::PrivateFolderCandidates> starts[] = {
        {none, none}, {openToAll, openToAll}, {session, none}, {none, session}};
    for (const auto& [first, second] : starts) {
        SCOPED_TRACE(first.fallback + " " + first.runtimeDir + " then " + second.fallback + " " + second.runtimeDir);
        const FreshTitle title;
        const std::string program = folders.program();
        desktop::InstanceClaims one(first), two(second);
        EXPECT_TRUE(one.claim(title, program));
        EXPECT_FALSE(two.claim(title, program));

        struct stat st {};
        ASSERT_EQ(::lstat(LockFileIn(program, title).c_str(), &st), 0);
        EXPECT_TRUE(S_ISREG(st.st_mode));
        EXPECT_EQ(st.st_uid, me);
        EXPECT_EQ(st.st_mode & 07777, 0600u);
    }
    EXPECT_EQ(desktop::programFolderLockName("/opt/prayer", "Kelvora - v3.2"),
              "/opt/prayer/.Kelvora___v3_2-b77cd1a4b6-" + std::to_string(me) + ".lock");
    EXPECT_EQ(desktop::instanceLockName("/run/user/1000/", "Kelvora - v3.2"),
              "/run/user/1000/suite-Kelvora___v3_2-b77cd1a4b6.lock");

    // A program folder named in Latin-1 ("Gebet-München") takes its lock all the same.
    const std::string latin1 = folders.program() + "/Gebet-M\xfcnchen";
    ASSERT_TRUE(std::filesystem::create_directory(latin1));
    const FreshTitle title;
    desktop::InstanceClaims one(none), two(none);
    EXPECT_TRUE(one.claim(title, latin1));
    EXPECT_FALSE(two.claim(title, latin1));
    EXPECT_TRUE(std::filesystem::is_regular_file(LockFileIn(latin1, title)));
}

// Programs of different titles run side by side from one folder, however
// little their titles differ: in blanks only, or only after many characters.
TEST(SingleInstance, TitlesThatDifferOnlyInBlanksOrLateNeverShareTheProgramFoldersLock) {
    const Folders folders;
    const desktop::PrivateFolderCandidates none{"", "", folders.squatted(true), ::getuid()};
    const QString longTitle = QString(70, QChar('k'));
    const std::pair<QString, QString> pairs[] = {
        {"Kelvora - v3.2", "Kelvora-v3.2"},
        {"Kelvora - v3.2", "Kelvora  -  v3.2"},
        {longTitle + "1", longTitle + "2"},
    };
    for (const auto& [one, other] : pairs) {
        SCOPED_TRACE(one.toStdString() + " | " + other.toStdString());
        const std::string program = folders.program();
        desktop::InstanceClaims first(none), second(none);
        EXPECT_TRUE(first.claim(one, program));
        EXPECT_TRUE(second.claim(other, program));
        EXPECT_EQ(Entries(program).size(), 2u);
    }
}

// Another user who may write into the program folder plants something at the
// lock file's name before the start. It is swapped for the user's own lock
// file: never followed, never waited on, and another user's lock on a file of
// theirs counts for nothing. A lock file of the user's that others could open
// is closed to them.
TEST(SingleInstance, SomethingPlantedAtTheProgramFoldersLockNeitherHangsNorDefeatsIt) {
    const Folders folders;
    const uid_t me = ::getuid();
    const uid_t them = test_support::AnotherUser;
    const desktop::PrivateFolderCandidates squatted{"", "", folders.squatted(true), me};
    const std::string victim = folders.file("victim.txt");
    const std::string nowhere = folders.file("nowhere");
    std::ofstream(victim) << "the user's own text";
    for (const char* planted : {"their link to the user's file", "their dangling link", "their FIFO",
                                "their file, locked by them", "the user's file, open to all"}) {
        SCOPED_TRACE(planted);
        const FreshTitle title;
        const std::string program = folders.program();
        const std::string name = LockFileIn(program, title);
        const std::string what = planted;
        int theirs = -1;
        if (what == "their link to the user's file") {
            ASSERT_TRUE(test_support::PlantLink(victim, name));
        }
        if (what == "their dangling link") {
            ASSERT_TRUE(test_support::PlantLink(nowhere, name));
        }
        if (what == "their FIFO") {
            ASSERT_EQ(::mkfifo(name.c_str(), 0666), 0);
            ASSERT_EQ(::chown(name.c_str(), them, them), 0);
        }
        if (what == "their file, locked by them") {
            theirs = ::open(name.c_str(), O_RDWR | O_CREAT, 0666);
            ASSERT_GE(theirs, 0);
            ASSERT_EQ(::fchown(theirs, them, them), 0);
            ASSERT_EQ(::fchmod(theirs, 0666), 0);
            ASSERT_EQ(::flock(theirs, LOCK_EX | LOCK_NB), 0);
        }
        if (what == "the user's file, open to all") {
            std::ofstream(name).put('\n');
            ASSERT_EQ(::chmod(name.c_str(), 0644), 0);
        }

        desktop::InstanceClaims first(squatted), second(squatted);
        EXPECT_TRUE(first.claim(title, program));
        EXPECT_FALSE(second.claim(title, program));
        if (theirs >= 0) ::close(theirs);

        struct stat st {};
        ASSERT_EQ(::lstat(name.c_str(), &st), 0);
        EXPECT_TRUE(S_ISREG(st.st_mode));
        EXPECT_EQ(st.st_uid, me);
        EXPECT_EQ(st.st_mode & 07777, 0600u);
        EXPECT_EQ(Entries(program), std::vector<std::string>{std::filesystem::path(name).filename()});
        std::ifstream in(victim);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "the user's own text");
        EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(nowhere)));
    }
}

// A program folder that cannot take a lock file (gone, a folder at the lock
// file's name, or none given): the starts are judged by the private folders
// alone, as before, and with none usable every start runs.
TEST(SingleInstance, WhereTheProgramFolderCannotTakeItsLockStartsAreJudgedAsBefore) {
    const Folders folders;
    const uid_t me = ::getuid();
    const desktop::PrivateFolderCandidates none{"", "", folders.squatted(true), me};
    const desktop::PrivateFolderCandidates system{"", folders.user(), folders.squatted(true), me};
    for (const char* where : {"gone", "a folder at the name", "none given"}) {
        SCOPED_TRACE(where);
        const FreshTitle title;
        std::string program = std::string(where) == "none given" ? "" : folders.program();
        if (std::string(where) == "gone") program += "/gone";
        if (std::string(where) == "a folder at the name") {
            ASSERT_TRUE(std::filesystem::create_directory(LockFileIn(program, title)));
        }

        desktop::InstanceClaims first(none), second(none);
        EXPECT_TRUE(first.claim(title, program));
        EXPECT_TRUE(second.claim(title, program));

        const FreshTitle another;
        if (std::string(where) == "a folder at the name") {
            ASSERT_TRUE(std::filesystem::create_directory(LockFileIn(program, another)));
        }
        desktop::InstanceClaims third(system), fourth(system);
        EXPECT_TRUE(third.claim(another, program));
        EXPECT_FALSE(fourth.claim(another, program));
    }
}

// A refused start lets go at once of every lock it took on its way: while its
// "already running" message is still open, a third start is judged by the
// running program alone. The refused start here is a copy in another folder,
// so it takes the lock in its own folder before it meets the running one's.
TEST(SingleInstance, ARefusedStartLetsGoOfEveryLockItTook) {
    const Folders folders;
    const uid_t me = ::getuid();
    const desktop::PrivateFolderCandidates withoutSession{"", "", folders.fallback(), me};
    const desktop::PrivateFolderCandidates withSession{folders.run(), "", folders.fallback(), me};
    const std::string copy = folders.program();
    const FreshTitle title;

    auto running = std::make_unique<desktop::InstanceClaims>(withoutSession);
    ASSERT_TRUE(running->claim(title, folders.program()));
    desktop::InstanceClaims refused(withSession);  // its message stays open to the end of the test
    EXPECT_FALSE(refused.claim(title, copy));
    desktop::InstanceClaims whileItRuns(withSession);
    EXPECT_FALSE(whileItRuns.claim(title, copy));

    running.reset();  // the running program ends
    desktop::InstanceClaims third(withSession);
    EXPECT_TRUE(third.claim(title, copy));
}

// Two programs starting at the same instant, with or without a lock file left
// by an earlier run: exactly one of them gets the title. In the second round
// their environments name the same two folders in opposite orders; in the
// third only their program folder can hold the title, and in every other pair
// another user has planted a link at its lock file's name, so both race to
// swap it out.
TEST(SingleInstance, SimultaneousClaimsHaveExactlyOneWinner) {
    const Folders folders;
    const uid_t me = ::getuid();
    const desktop::PrivateFolderCandidates oneWay{folders.fallback(), folders.user(), folders.fallback(), me};
    const desktop::PrivateFolderCandidates otherWay{"", folders.user(), folders.fallback(), me};
    const desktop::PrivateFolderCandidates squatted{"", "", folders.squatted(true), me};
    const std::string program = folders.program();
    const std::string victim = folders.file("victim.txt");
    std::ofstream(victim) << "the user's own text";
    for (int pair = 0; pair < 240; ++pair) {
        const bool onlyTheProgramFolder = pair >= 40;
        const FreshTitle title;
        if (pair % 2 == 1 && !onlyTheProgramFolder) {
            QFile left(title.lockName());
            ASSERT_TRUE(left.open(QIODevice::WriteOnly));
        }
        if (pair % 2 == 1 && onlyTheProgramFolder) {
            ASSERT_TRUE(test_support::PlantLink(victim, LockFileIn(program, title)));
        }
        std::barrier start(2), claimed(2);
        std::atomic<int> winners{0}, started{0};
        auto start_program = [&] {
            const int which = started++;
            const desktop::PrivateFolderCandidates where = onlyTheProgramFolder ? squatted
                                                           : pair < 20  ? desktop::UsersPrivateFolderCandidates()
                                                           : which == 0 ? oneWay
                                                                        : otherWay;
            desktop::InstanceClaims claims(where);
            start.arrive_and_wait();
            if (claims.claim(title, onlyTheProgramFolder ? program : pair < 20 ? ProgramFolder() : "")) ++winners;
            claimed.arrive_and_wait();  // both hold on until both have tried
        };
        std::unique_ptr<QThread> a(QThread::create(start_program));
        std::unique_ptr<QThread> b(QThread::create(start_program));
        a->start();
        b->start();
        a->wait();
        b->wait();
        EXPECT_EQ(winners.load(), 1) << "pair " << pair;
    }
    // Nothing is left behind but one lock file a title, and the victim is untouched.
    for (const std::string& name : Entries(program)) EXPECT_EQ(name.substr(name.size() - 5), ".lock") << name;
    EXPECT_EQ(Entries(program).size(), 200u);
    std::ifstream in(victim);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "the user's own text");
}

}  // namespace
