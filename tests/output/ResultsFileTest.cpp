#include "output/ResultsFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace numberlark {
namespace {

namespace fs = std::filesystem;

class ResultsFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/numberlark-results-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        m_dir = pattern;
    }
    void TearDown() override
    {
        fs::permissions(m_dir, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(m_dir);
    }
    static std::string contents(const fs::path& file)
    {
        std::ifstream in(file, std::ios::binary);
        std::ostringstream out;
        out << in.rdbuf();
        return out.str();
    }
    static void write(const fs::path& file, const std::string& bytes)
    {
        std::ofstream(file, std::ios::binary) << bytes;
    }

    fs::path m_dir;
};

TEST_F(ResultsFile, CreatesTheFileAndAppendsAfterExistingLines)
{
    const fs::path file = m_dir / "numberlark.csv";
    ASSERT_TRUE(append_results_line(file, "one\r\n").ok);
    ASSERT_TRUE(append_results_line(file, "two\r\n").ok);
    EXPECT_EQ(contents(file), "one\r\ntwo\r\n");
}

TEST_F(ResultsFile, AFileWithoutAFinalLineEndGetsOneFirst)
{
    const fs::path file = m_dir / "numberlark.csv";
    for (const auto& [before, after] : std::vector<std::pair<std::string, std::string>>{
             {"old", "old\r\nnew\r\n"}, {"old\n", "old\nnew\r\n"}, {"", "new\r\n"}}) {
        write(file, before);
        ASSERT_TRUE(append_results_line(file, "new\r\n").ok);
        EXPECT_EQ(contents(file), after);
    }
}

TEST_F(ResultsFile, FailuresCarryTheFullPathAndTheSystemReason)
{
    const fs::path directory = m_dir / "numberlark.csv";
    fs::create_directory(directory);
    const auto isDirectory = append_results_line(directory, "x\r\n");
    EXPECT_FALSE(isDirectory.ok);
    EXPECT_EQ(isDirectory.path, directory.string());
    EXPECT_FALSE(isDirectory.reason.empty());

    if (::geteuid() != 0) { // root writes anywhere
        const fs::path locked = m_dir / "locked";
        fs::create_directory(locked);
        fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec);
        const auto readOnly = append_results_line(locked / "numberlark.csv", "x\r\n");
        EXPECT_FALSE(readOnly.ok);
        EXPECT_NE(readOnly.reason.find("ermission"), std::string::npos) << readOnly.reason;
    }

    const auto missingFolder = append_results_line(m_dir / "no" / "numberlark.csv", "x\r\n");
    EXPECT_FALSE(missingFolder.ok);
    EXPECT_NE(missingFolder.path.find("/no/numberlark.csv"), std::string::npos);
}

TEST_F(ResultsFile, AFullDiskReportsAndLeavesNoHalfLine)
{
    if (!fs::exists("/dev/full")) {
        GTEST_SKIP() << "no /dev/full";
    }
    const fs::path link = m_dir / "numberlark.csv";
    fs::create_symlink("/dev/full", link);
    const auto outcome = append_results_line(link, "x\r\n");
    EXPECT_FALSE(outcome.ok);
    EXPECT_NE(outcome.reason.find("space"), std::string::npos) << outcome.reason;
}

TEST_F(ResultsFile, RelativeNamesResolveAgainstTheWorkingDirectory)
{
    const fs::path before = fs::current_path();
    fs::current_path(m_dir);
    const auto outcome = append_results_line("numberlark.csv", "x\r\n");
    fs::current_path(before);
    ASSERT_TRUE(outcome.ok);
    EXPECT_EQ(outcome.path, (m_dir / "numberlark.csv").string());
    EXPECT_EQ(contents(m_dir / "numberlark.csv"), "x\r\n");
}

} // namespace
} // namespace numberlark
