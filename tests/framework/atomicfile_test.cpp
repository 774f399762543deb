#include "framework/atomicfile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

namespace fs = std::filesystem;

class AtomicFile : public testing::Test {
  protected:
    void SetUp() override {
        folder_ =
            fs::temp_directory_path() /
            ("tvk-atomic-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "-" + testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    static std::string read(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
    std::size_t filesInFolder() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder_), {}));
    }

    fs::path folder_;
};

TEST_F(AtomicFile, WritesANewFile) {
    EXPECT_EQ(framework::writeFileAtomically(folder_ / "data.txt", "1\t0\n"), "");
    EXPECT_EQ(read(folder_ / "data.txt"), "1\t0\n");
    EXPECT_EQ(filesInFolder(), 1U) << "no temporary file is left behind";
}

TEST_F(AtomicFile, ReplacesAnExistingFileWhole) {
    std::ofstream(folder_ / "data.txt") << "old contents that are longer";
    EXPECT_EQ(framework::writeFileAtomically(folder_ / "data.txt", "new"), "");
    EXPECT_EQ(read(folder_ / "data.txt"), "new");
}

TEST_F(AtomicFile, FailureSaysWhyAndLeavesNothing) {
    std::ofstream(folder_ / "not-a-folder") << "x";
    const std::string failure =
        framework::writeFileAtomically(folder_ / "not-a-folder" / "data.txt", "1");
    EXPECT_NE(failure, "");
    EXPECT_EQ(filesInFolder(), 1U);
}

} // namespace
