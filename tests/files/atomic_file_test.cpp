#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "files/atomic_file.h"
#include "tests/support/as_another_user.h"
#include "tests/support/fifo.h"
#include "tests/support/file_size_limit.h"
#include "tests/support/planted_link.h"
#include "tests/support/temp_folder.h"

namespace files {
namespace {

namespace fs = std::filesystem;

SaveFailure Refused(const char* why) { return {SaveFailure::Kind::Refused, why}; }

class AtomicTextFileTest : public ::testing::Test {
protected:
    static std::string Read(const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
    static void Write(const fs::path& p, const std::string& text) { std::ofstream(p, std::ios::binary) << text; }
    std::size_t EntryCount() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
    }

    test_support::TempFolder temp;
    const fs::path folder = temp.path();
};

TEST_F(AtomicTextFileTest, CommitReplacesTheFileWithCrLfLines) {
    const fs::path file = folder / "AzaanTimes.dat";
    Write(file, "old");
    AtomicTextFile out;
    ASSERT_EQ(out.open(file.string()), std::nullopt);
    EXPECT_TRUE(out.writeLine("Abha"));
    EXPECT_TRUE(out.writeLine(""));
    EXPECT_EQ(Read(file), "old");  // nothing changes before the commit
    ASSERT_EQ(out.commit(), std::nullopt);
    EXPECT_EQ(Read(file), "Abha\r\n\r\n");
    EXPECT_EQ(EntryCount(), 1u);  // no temporary file left
}

TEST_F(AtomicTextFileTest, AbortAndDestructorKeepTheOldFile) {
    const fs::path file = folder / "AzaanTimes.dat";
    Write(file, "old");
    {
        AtomicTextFile out;
        ASSERT_EQ(out.open(file.string()), std::nullopt);
        out.writeLine("new");
        out.abort();
        EXPECT_FALSE(out.writeLine("more"));
    }
    {
        AtomicTextFile out;
        ASSERT_EQ(out.open(file.string()), std::nullopt);
        out.writeLine("new");
    }  // never committed
    EXPECT_EQ(Read(file), "old");
    EXPECT_EQ(EntryCount(), 1u);
}

TEST_F(AtomicTextFileTest, FailuresKeepEverythingAndSayWhy) {
    // A folder standing where the file should be; a folder that does not exist.
    const fs::path standing = folder / "AzaanTimes.dat";
    fs::create_directory(standing);
    Write(standing / "inside.txt", "kept");
    AtomicTextFile out;
    EXPECT_EQ(out.open(standing.string()), Refused("Is a directory"));
    EXPECT_EQ(Read(standing / "inside.txt"), "kept");

    EXPECT_EQ(out.open((folder / "missing" / "AzaanTimes.dat").string()), Refused("No such file or directory"));
    EXPECT_FALSE(out.writeLine("x"));
    const SaveResult failed = out.commit();
    ASSERT_NE(failed, std::nullopt);
    EXPECT_FALSE(failed->reason.empty());
    EXPECT_EQ(EntryCount(), 1u);
}

TEST_F(AtomicTextFileTest, WholeFileOfLinesOrTheReason) {
    const fs::path file = folder / "Daily.txt";
    Write(file, "old");
    ASSERT_EQ(SaveTextFile(file.string(), {"a", "", "b"}), std::nullopt);
    EXPECT_EQ(Read(file), "a\r\n\r\nb\r\n");
    EXPECT_EQ(SaveTextFile((folder / "missing" / "Daily.txt").string(), {"x"}), Refused("No such file or directory"));
    EXPECT_EQ(EntryCount(), 1u);
}

// A save whose content stops part way, because its writer gave up or the disk
// did, says so and leaves the old file and no temporary one.
TEST_F(AtomicTextFileTest, ASaveStoppedPartWayKeepsTheOldFile) {
    const fs::path file = folder / "AzaanTimes.dat";
    Write(file, "old");
    const auto givesUp = [](engine::LineSink& sink) { return sink.writeLine("half") && false; };
    EXPECT_EQ(SaveTextFile(file.string(), givesUp), (SaveFailure{SaveFailure::Kind::StoppedPartWay, ""}));
    EXPECT_EQ(Read(file), "old");
    EXPECT_EQ(EntryCount(), 1u);

    const std::vector<std::string> year(2000, std::string(100, 'x'));  // past one buffer's worth
    SaveResult failure;
    test_support::WithFileSizeLimit(1000, [&] {
        failure = SaveTextFile(file.string(), year);
        return true;
    });
    EXPECT_EQ(failure, (SaveFailure{SaveFailure::Kind::StoppedPartWay, "File too large"}));
    EXPECT_EQ(Read(file), "old");
    EXPECT_EQ(EntryCount(), 1u);
}

// A file the user made read-only is not replaced behind its back, not even by root.
TEST_F(AtomicTextFileTest, AReadOnlyFileIsKeptAndTheReasonGiven) {
    const fs::path file = folder / "AzaanTimes.dat";
    Write(file, "old");
    fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    AtomicTextFile out;
    EXPECT_EQ(out.open(file.string()), Refused("Permission denied"));
    EXPECT_FALSE(out.writeLine("new"));
    EXPECT_NE(out.commit(), std::nullopt);
    EXPECT_EQ(Read(file), "old");
    EXPECT_EQ(EntryCount(), 1u);
}

// A POSIX access list on path: the owner, AnotherUser by name, the owning group,
// the mask and the others, each with its permission bits (4 read, 2 write).
// False when the file system keeps no access lists.
bool SetAccessList(const fs::path& path, unsigned owner, unsigned namedUser, unsigned group, unsigned mask,
                   unsigned others) {
    std::string bytes;
    const auto put = [&bytes](std::uint32_t value, int size) {
        for (int i = 0; i < size; ++i) bytes += static_cast<char>((value >> (8 * i)) & 0xff);
    };
    put(2, 4);  // the format's version
    const std::uint32_t none = 0xffffffff;
    const std::uint32_t entries[][3] = {{0x01, owner, none},
                                        {0x02, namedUser, test_support::AnotherUser},
                                        {0x04, group, none},
                                        {0x10, mask, none},
                                        {0x20, others, none}};
    for (const auto& entry : entries) {
        put(entry[0], 2);
        put(entry[1], 2);
        put(entry[2], 4);
    }
    return ::setxattr(path.c_str(), "system.posix_acl_access", bytes.data(), bytes.size(), 0) == 0;
}

// Whether the user may replace a file is the system's own answer for that user,
// access lists included, not a reading of the mode bits alone.
TEST_F(AtomicTextFileTest, TheSystemDecidesWhetherAnotherUserMayReplaceAFile) {
    struct Case {
        const char* what;
        unsigned namedUser, group, mask, others;  // the access list's bits besides the owner's rw
        bool replaced;
    } cases[] = {
        {"the list lets the user write, the others' bits do not", 6, 4, 6, 4, true},
        {"the list forbids the user to write, the others' bits allow it", 4, 6, 6, 6, false},
    };
    fs::permissions(folder, fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec);
    for (const Case& c : cases) {
        const fs::path shared = folder / "shared";
        fs::create_directory(shared);
        ASSERT_EQ(::chown(shared.c_str(), test_support::AnotherUser, test_support::AnotherUser), 0);
        const fs::path file = shared / "AzaanTimes.dat";
        Write(file, "old");
        if (!SetAccessList(file, 6, c.namedUser, c.group, c.mask, c.others)) {
            ASSERT_EQ(errno, EOPNOTSUPP) << c.what;
            GTEST_SKIP() << "the temporary folder keeps no access lists";
        }
        const int code = test_support::ExitCodeAsAnotherUser([&] {
            const SaveResult failure = SaveTextFile(file.string(), {"new"});
            if (!failure) return 0;
            return *failure == Refused("Permission denied") ? 1 : 2;
        });
        EXPECT_EQ(code, c.replaced ? 0 : 1) << c.what;
        EXPECT_EQ(Read(file), c.replaced ? "new\r\n" : "old") << c.what;
        fs::remove_all(shared);
    }
}

TEST_F(AtomicTextFileTest, FolderAppearingBeforeCommitKeepsIt) {
    const fs::path file = folder / "AzaanTimes.dat";
    AtomicTextFile out;
    ASSERT_EQ(out.open(file.string()), std::nullopt);
    out.writeLine("new");
    fs::create_directory(file);
    Write(file / "inside.txt", "kept");
    const SaveResult failed = out.commit();
    ASSERT_NE(failed, std::nullopt);
    EXPECT_FALSE(failed->reason.empty());
    EXPECT_EQ(Read(file / "inside.txt"), "kept");
    EXPECT_EQ(EntryCount(), 1u);
}

TEST_F(AtomicTextFileTest, KeepsPermissionsAndFollowsLinks) {
    const fs::path real = folder / "real.dat";
    Write(real, "old");
    fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    const fs::path link = folder / "AzaanTimes.dat";
    fs::create_symlink(real, link);
    AtomicTextFile out;
    ASSERT_EQ(out.open(link.string()), std::nullopt);
    out.writeLine("new");
    ASSERT_EQ(out.commit(), std::nullopt);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(Read(real), "new\r\n");
    EXPECT_EQ(fs::status(real).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

// The user's own link is read as it is written: relative to its own folder,
// into another folder, or through a second link of the user's.
TEST_F(AtomicTextFileTest, TheUsersOwnLinkLeadsToItsFile) {
    fs::create_directory(folder / "sub");
    const fs::path real = folder / "sub" / "real.dat";
    struct Case {
        const char* what;
        std::vector<std::pair<std::string, std::string>> links;  // name -> text, made in order
    } cases[] = {
        {"absolute", {{"AzaanTimes.dat", real.string()}}},
        {"into a folder", {{"AzaanTimes.dat", "sub/real.dat"}}},
        {"within its folder", {{"sub/link", "real.dat"}, {"AzaanTimes.dat", "sub/link"}}},
        {"up and down", {{"sub/up", "../sub/real.dat"}, {"AzaanTimes.dat", "sub/up"}}},
    };
    for (const Case& c : cases) {
        Write(real, "old");
        for (const auto& [name, text] : c.links) fs::create_symlink(text, folder / name);
        EXPECT_EQ(SaveTextFile((folder / "AzaanTimes.dat").string(), {"new"}), std::nullopt) << c.what;
        EXPECT_EQ(Read(real), "new\r\n") << c.what;
        for (const auto& link : c.links) {
            EXPECT_TRUE(fs::is_symlink(folder / link.first)) << c.what;
            fs::remove(folder / link.first);
        }
    }
    fs::create_symlink("AzaanTimes.dat", folder / "AzaanTimes.dat");
    EXPECT_EQ(SaveTextFile((folder / "AzaanTimes.dat").string(), {"new"}),
              Refused("Too many levels of symbolic links"));
}

TEST_F(AtomicTextFileTest, LargeFilesAreWrittenWhole) {
    const fs::path file = folder / "big.txt";
    AtomicTextFile out;
    ASSERT_EQ(out.open(file.string()), std::nullopt);
    const std::string line(100, 'x');
    for (int i = 0; i < 5000; ++i) ASSERT_TRUE(out.writeLine(line));
    ASSERT_EQ(out.commit(), std::nullopt);
    EXPECT_EQ(fs::file_size(file), 5000u * 102u);
}

TEST_F(AtomicTextFileTest, OnlyARegularFileIsReplaced) {
    const fs::path fifo = folder / "DST.TXT";
    testing_support::FifoWithReader reader(fifo.string());
    ASSERT_TRUE(reader.made());
    fs::create_symlink(fifo, folder / "link");
    for (const fs::path& path : {fifo, folder / "link"}) {
        EXPECT_EQ(SaveTextFile(path.string(), {"new"}), Refused("Not a regular file")) << path;
    }
    EXPECT_TRUE(reader.stillThere());
    EXPECT_EQ(EntryCount(), 2u);  // no temporary file left behind
}

TEST_F(AtomicTextFileTest, ReplacingALinkNeverWritesThroughIt) {
    const fs::path victim = folder / "important.txt";
    Write(victim, "mine");
    fs::permissions(victim, fs::perms::owner_read);  // a link is no protected file of ours
    const fs::path link = folder / "Daily.txt";
    fs::create_symlink(victim, link);
    ASSERT_EQ(SaveTextFile(link.string(), {"report"}, LinkAtPath::ReplaceLink), std::nullopt);
    EXPECT_EQ(Read(victim), "mine");
    EXPECT_FALSE(fs::is_symlink(link));
    EXPECT_EQ(Read(link), "report\r\n");

    const fs::path fifo = folder / "Weekly.txt";
    testing_support::FifoWithReader reader(fifo.string());
    ASSERT_TRUE(reader.made());
    EXPECT_NE(SaveTextFile(fifo.string(), {"report"}, LinkAtPath::ReplaceLink), std::nullopt);
    EXPECT_TRUE(reader.stillThere());
}

// The times file follows only the user's own link: another user's link in the
// program folder is replaced itself, its target left byte for byte.
TEST_F(AtomicTextFileTest, ALinkAnotherUserPlantedIsReplacedNotFollowed) {
    test_support::TempFolder elsewhere;
    const fs::path victim = elsewhere.path() / "victim.dat";
    Write(victim, "victim's year");
    const fs::path link = folder / "AzaanTimes.dat";
    ASSERT_TRUE(test_support::PlantLink(victim.string(), link.string()));
    ASSERT_EQ(SaveTextFile(link.string(), {"new"}), std::nullopt);
    EXPECT_EQ(Read(victim), "victim's year");
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(link)));
    EXPECT_EQ(Read(link), "new\r\n");
    EXPECT_EQ(EntryCount(), 1u);
}

// Another user who can write into the folder swaps a link to one of the user's
// other files in and out while the user saves again and again. Whatever the
// name holds at the look decides the save: the link is replaced or the user's
// own file written, and the file the planted link leads to keeps its bytes.
TEST_F(AtomicTextFileTest, ALinkSwappedInDuringSavesIsNeverWrittenThrough) {
    enum class Between { RegularFile, OwnLink };
    for (const Between between : {Between::RegularFile, Between::OwnLink}) {
        test_support::TempFolder elsewhere;
        const fs::path victim = elsewhere.path() / "victim.dat";
        Write(victim, "victim's year");
        const fs::path mine = folder / "mine.dat";
        Write(mine, "mine");
        const fs::path name = folder / "AzaanTimes.dat";
        const fs::path staging = folder / "staging";

        std::atomic<bool> done{false};
        std::thread other([&] {
            for (unsigned i = 0; !done; ++i) {
                std::error_code ec;
                fs::remove(staging, ec);
                if (i % 2 == 0) {
                    test_support::PlantLink(victim.string(), staging.string());
                } else if (between == Between::OwnLink) {
                    fs::create_symlink(mine, staging, ec);
                } else {
                    Write(staging, "in between");
                }
                fs::rename(staging, name, ec);
            }
        });
        int calls = 0;
        for (; calls < 2000 && Read(victim) == "victim's year"; ++calls) {
            (void)SaveTextFile(name.string(), {"new year"});
        }
        done = true;
        other.join();
        EXPECT_EQ(Read(victim), "victim's year") << "written through on call " << calls;
    }
}

}  // namespace
}  // namespace files
