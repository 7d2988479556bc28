#include "output/ResultsFile.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
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

    // Runs body in a child process and gives its exit status.
    template <typename Body> static int inChild(Body body)
    {
        const pid_t child = ::fork();
        if (child == 0) {
            ::_exit(body());
        }
        return exitStatus(child);
    }
    static int exitStatus(pid_t child)
    {
        int status = 0;
        return ::waitpid(child, &status, 0) == child && WIFEXITED(status) ? WEXITSTATUS(status)
                                                                          : -1;
    }

    // Sleeping (waiting for the lock) or finished, as the kernel reports it.
    static void waitUntilAsleepOrDone(pid_t child)
    {
        const std::string stat = "/proc/" + std::to_string(child) + "/stat";
        for (int i = 0; i < 5000; ++i) {
            const std::string text = contents(stat);
            const std::size_t state = text.rfind(')') + 2;
            if (state < text.size() && (text[state] == 'S' || text[state] == 'Z')) {
                return;
            }
            ::usleep(1000);
        }
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
    for (const auto& [before, after] :
         std::vector<std::pair<std::string, std::string>>{{"old", "old\r\nnew\r\n"},
                                                          {"old\n", "old\nnew\r\n"},
                                                          {"old\r", "old\r\nnew\r\n"},
                                                          {"", "new\r\n"}}) {
        write(file, before);
        ASSERT_TRUE(append_results_line(file, "new\r\n").ok);
        EXPECT_EQ(contents(file), after);
    }
}

// The last byte of a file we may only write cannot be read: the new line
// still starts a line of its own.
TEST_F(ResultsFile, AWriteOnlyFileNeverGetsTheLineGluedOn)
{
    const fs::path file = m_dir / "numberlark.csv";
    for (const auto& [before, after] : std::vector<std::pair<std::string, std::string>>{
             {"old", "old\r\nnew\r\n"}, {"", "new\r\n"}}) {
        write(file, before);
        fs::permissions(m_dir, fs::perms::owner_all | fs::perms::others_exec);
        fs::permissions(file, fs::perms::owner_write | fs::perms::others_write);
        const int status = inChild([&file] {
            // root reads anything, so the check runs as an ordinary user
            if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) {
                return 2;
            }
            return append_results_line(file, "new\r\n").ok ? 0 : 1;
        });
        fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
        ASSERT_EQ(status, 0);
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
    EXPECT_EQ(isDirectory.reason, std::strerror(EISDIR));

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

// Opening a FIFO for writing blocks until a reader comes; a device may do
// anything. Each is refused before anything is written to it.
TEST_F(ResultsFile, APathThatIsNotARegularFileIsRefusedAtOnce)
{
    const fs::path fifo = m_dir / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0666), 0);
    const fs::path fifoWithReader = m_dir / "fifo-with-reader";
    ASSERT_EQ(::mkfifo(fifoWithReader.c_str(), 0666), 0);
    const int reader = ::open(fifoWithReader.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    const fs::path socketPath = m_dir / "socket";
    const int listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, socketPath.c_str(), sizeof address.sun_path - 1);
    ASSERT_EQ(::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    const fs::path device = m_dir / "device";
    fs::create_symlink("/dev/null", device);

    for (const fs::path& path : {fifo, fifoWithReader, socketPath, device}) {
        const auto outcome = append_results_line(path, "x\r\n");
        EXPECT_FALSE(outcome.ok) << path;
        EXPECT_EQ(outcome.reason, "Not a regular file") << path;
        EXPECT_EQ(outcome.path, path.string());
    }
    char byte = 0;
    EXPECT_EQ(::read(reader, &byte, 1), 0) << "nothing reached the reader";
    ::close(reader);
    ::close(listener);
}

// A size limit makes the write stop part-way. Meanwhile another writer has
// appended a line while holding the lock: the old lines and that line stay
// byte for byte, and nothing of the failed line is left.
TEST_F(ResultsFile, AWriteThatStopsPartWayLeavesOnlyWhatOthersWrote)
{
    const fs::path file = m_dir / "numberlark.csv";
    const std::string old = "\"Ann\",7,\"times table\",20,\"questions\",47\r\nx,y\r\n";
    const std::string other = "\"Bo\",3,\"times table\",2,\"questions\",9\r\n";
    write(file, old);
    const int holder = ::open(file.c_str(), O_WRONLY | O_APPEND);
    ASSERT_EQ(::flock(holder, LOCK_EX), 0);
    const auto limit = static_cast<rlim_t>(old.size() + other.size() + 7);
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(holder); // the child's copy would keep the lock for itself
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit small{limit, limit};
        ::setrlimit(RLIMIT_FSIZE, &small);
        const auto outcome = append_results_line(file, "\"Cy\",9,\"times table\",1\r\n");
        ::_exit(!outcome.ok && outcome.reason == std::strerror(EFBIG) ? 0 : 1);
    }
    ASSERT_EQ(::write(holder, other.data(), other.size()), static_cast<ssize_t>(other.size()));
    ::close(holder); // releases the lock the child waits for
    EXPECT_EQ(exitStatus(child), 0);
    EXPECT_EQ(contents(file), old + other);
}

// Another writer holds the lock and has written half its line: the check for
// a final line end waits for the whole line instead of taking the half line
// for one that lacks its end (which left an empty row).
TEST_F(ResultsFile, ALineStillBeingWrittenUnderTheLockIsWaitedFor)
{
    const fs::path file = m_dir / "numberlark.csv";
    write(file, "old\r\n");
    const int holder = ::open(file.c_str(), O_WRONLY | O_APPEND);
    ASSERT_EQ(::flock(holder, LOCK_EX), 0);
    ASSERT_EQ(::write(holder, "\"Bo\",3", 6), 6);
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(holder);
        ::_exit(append_results_line(file, "new\r\n").ok ? 0 : 1);
    }
    waitUntilAsleepOrDone(child);
    ASSERT_EQ(::write(holder, ",9\r\n", 4), 4);
    ::close(holder);
    EXPECT_EQ(exitStatus(child), 0);
    EXPECT_EQ(contents(file), "old\r\n\"Bo\",3,9\r\nnew\r\n");
}

// A lock that is never released: the user is told, nothing is written, and
// the program does not hang.
TEST_F(ResultsFile, ALockHeldTooLongFailsWithAReason)
{
    const fs::path file = m_dir / "numberlark.csv";
    write(file, "old\r\n");
    const int holder = ::open(file.c_str(), O_RDONLY);
    ASSERT_EQ(::flock(holder, LOCK_EX), 0);
    const auto outcome = append_results_line(file, "new\r\n", std::chrono::milliseconds(50));
    ::close(holder);
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.reason, "The file is locked by another program");
    EXPECT_EQ(contents(file), "old\r\n");
}

// Several programs append at once: every line arrives whole and once, with
// no empty rows between them. One writer's lines are long, so their writes
// take long enough for the others' line-end checks to land in the middle.
TEST_F(ResultsFile, ConcurrentWritersLoseNothingAndSplitNothing)
{
    constexpr int kWriters = 4;
    const fs::path file = m_dir / "numberlark.csv";
    write(file, "started without a line end");
    auto linesOf = [](int writer) { return writer == 0 ? 40 : 1000; };
    auto lineOf = [](int writer, int i) {
        const std::size_t padding =
            writer == 0 ? 200'000 + static_cast<std::size_t>(i) : static_cast<std::size_t>(i % 97);
        return "\"writer " + std::to_string(writer) + "\"," + std::to_string(i) + ',' +
               std::string(padding, 'x') + "\r\n";
    };
    int startGate[2];
    ASSERT_EQ(::pipe(startGate), 0);
    std::vector<pid_t> children;
    for (int writer = 0; writer < kWriters; ++writer) {
        children.push_back(::fork());
        if (children.back() == 0) {
            ::close(startGate[1]);
            char go = 0;
            [[maybe_unused]] const ssize_t opened = ::read(startGate[0], &go, 1);
            for (int i = 0; i < linesOf(writer); ++i) {
                if (!append_results_line(file, lineOf(writer, i)).ok) {
                    ::_exit(1);
                }
            }
            ::_exit(0);
        }
    }
    ::close(startGate[1]); // all writers start together
    ::close(startGate[0]);
    for (const pid_t child : children) {
        EXPECT_EQ(exitStatus(child), 0);
    }
    std::multiset<std::string> expected{"started without a line end\r\n"};
    for (int writer = 0; writer < kWriters; ++writer) {
        for (int i = 0; i < linesOf(writer); ++i) {
            expected.insert(lineOf(writer, i));
        }
    }
    std::multiset<std::string> found;
    const std::string all = contents(file);
    for (std::size_t begin = 0, end; begin < all.size(); begin = end + 2) {
        end = all.find("\r\n", begin);
        ASSERT_NE(end, std::string::npos) << "the file ends with a whole line";
        found.insert(all.substr(begin, end + 2 - begin));
    }
    EXPECT_TRUE(found == expected) << found.size() << " lines of " << expected.size();
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
