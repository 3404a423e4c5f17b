#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <thread>

#include "archive/atomic_file.h"
#include "tests/archive/archive_test_support.h"
#include "tests/support/temp_root.h"

namespace korva {
namespace {

namespace fs = std::filesystem;

class ArchiveFiles : public ::testing::Test {
protected:
    std::size_t filesIn(const fs::path& d) const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(d), fs::directory_iterator()));
    }

    test::TempRoot temp{test::TempRoot::empty, "korva-archive"};
    fs::path dir_ = temp.root();
};

TEST_F(ArchiveFiles, CloseWritesTheFileThatOpenReadsBack) {
    const fs::path file = dir_ / "index.ser";
    Archive w = Archive::forWriting(file);
    w.writeString("Apples, raw");
    w.writeF32(138.0f);
    EXPECT_FALSE(fs::exists(file)); // nothing reaches the disk before close
    ASSERT_TRUE(w.close());
    EXPECT_EQ(filesIn(dir_), 1u); // no temporary left behind

    Archive r = Archive::forReading({});
    ASSERT_TRUE(Archive::openForReading(file, r));
    EXPECT_TRUE(r.isLoading());
    EXPECT_EQ(r.readString(), "Apples, raw");
    EXPECT_EQ(r.readF32(), 138.0f);
    EXPECT_EQ(r.bytesLeft(), 0u);
}

// Each write makes a temporary of its own: a link planted where a fixed
// temporary name would be is neither written through nor disturbed, and
// writers racing on one file each leave a whole file.
TEST_F(ArchiveFiles, EveryWriteHasItsOwnTemporary) {
    const fs::path file = dir_ / "korva.ini";
    ASSERT_TRUE(writeFileAtomically(dir_ / "other", std::string("keep")));
    fs::create_symlink(dir_ / "other", dir_ / "korva.ini.tmp~");
    ASSERT_TRUE(writeFileAtomically(file, std::string("new")));
    EXPECT_EQ(fs::file_size(dir_ / "other"), 4u);

    std::vector<std::thread> writers;
    std::atomic<int> failures{0};
    for (char c : {'a', 'b', 'c', 'd'})
        writers.emplace_back([&, c] {
            for (int i = 0; i < 20; ++i)
                if (!writeFileAtomically(file, std::string(200000, c))) ++failures;
        });
    for (auto& t : writers) t.join();
    EXPECT_EQ(failures, 0);
    const auto bytes = readWholeFile(file);
    ASSERT_TRUE(bytes && bytes->size() == 200000u);
    EXPECT_EQ(std::count(bytes->begin(), bytes->end(), bytes->front()), 200000);

    EXPECT_EQ(filesIn(dir_), 3u); // the file, the other and the link
    ASSERT_TRUE(writeFileAtomically(dir_ / "korva.ini.tmp1.2.3~", std::string("cut short")));
    EXPECT_TRUE(removeUnfinishedWrites(file)); // the link goes too, not what it names
    EXPECT_EQ(filesIn(dir_), 2u);
    EXPECT_EQ(fs::file_size(dir_ / "other"), 4u);
}

TEST_F(ArchiveFiles, AFolderThatCannotBeWrittenFailsAndKeepsNothing) {
    Archive w = Archive::forWriting(dir_ / "missing" / "x.ser");
    w.writeWord(1);
    EXPECT_FALSE(w.close());
    EXPECT_EQ(filesIn(dir_), 0u);

    // A folder in the way of the target: the old entry survives.
    fs::create_directories(dir_ / "taken");
    EXPECT_FALSE(writeFileAtomically(dir_ / "taken", std::string("abc")));
    EXPECT_TRUE(fs::is_directory(dir_ / "taken"));
    EXPECT_EQ(filesIn(dir_), 1u);
}

TEST_F(ArchiveFiles, MissingOrOversizedFilesAreNotReadAndEmptyOnesEndAtOnce) {
    Archive r = Archive::forReading({});
    EXPECT_FALSE(Archive::openForReading(dir_ / "nothing.ser", r));
    EXPECT_FALSE(Archive::openForReading(dir_, r));

    const fs::path big = dir_ / "big.ser";
    ASSERT_TRUE(writeFileAtomically(big, std::string(100, 'b')));
    EXPECT_FALSE(readWholeFile(big, 99).has_value());
    EXPECT_EQ(readWholeFile(big, 100).value_or(test::Bytes{}).size(), 100u);

    const fs::path empty = dir_ / "empty.rcp";
    ASSERT_TRUE(writeFileAtomically(empty, std::string()));
    ASSERT_TRUE(Archive::openForReading(empty, r));
    try {
        r.readWord();
        ADD_FAILURE() << "read past the end of an empty file";
    } catch (const ArchiveError& e) {
        EXPECT_EQ(e.cause(), ArchiveError::endOfFile);
    }
}

} // namespace
} // namespace korva
