// The program as started from the desktop sets its process up before anything else: a
// file-size limit must make a write fail, not end the program with everything typed in it.
#include <chrono>
#include <csignal>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

// The process's ignored signals as the kernel reports them ("SigIgn:" in /proc/<pid>/status);
// zero when the line cannot be read.
unsigned long long IgnoredSignals(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("SigIgn:", 0) == 0)
            return std::stoull(line.substr(7), nullptr, 16);
    return 0;
}

TEST(ProcessSetup, TheProgramIgnoresTheFileSizeSignal) {
    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        // Ignored signals are inherited across exec: start from the default, as a shell does.
        std::signal(SIGXFSZ, SIG_DFL);
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        execl(NAPORIS_PROGRAM, NAPORIS_PROGRAM, static_cast<char*>(nullptr));
        _exit(127);
    }
    const unsigned long long bit = 1ULL << (SIGXFSZ - 1);
    bool ignored = false;
    int status = 0;
    for (int i = 0; i < 100 && !ignored; ++i) {
        if (waitpid(pid, &status, WNOHANG) == pid)
            FAIL() << "the program ended during start-up, status " << status;
        ignored = (IgnoredSignals(pid) & bit) != 0;
        if (!ignored)
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    kill(pid, SIGKILL);
    waitpid(pid, &status, 0);
    EXPECT_TRUE(ignored) << "SIGXFSZ would end the program at a file-size limit";
}

} // namespace
