#include "Process.h"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <sstream>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char **environ;

pid_t SpawnProcess(const std::vector<std::string> &argv, const char *display,
                   const std::vector<std::string> &extraEnv, const char *errorPath)
{
    std::vector<std::string> env;
    for (char **e = environ; *e; ++e) {
        const std::string v(*e);
        const std::string name = v.substr(0, v.find('='));
        if (display
            && (name == "DISPLAY" || name == "QT_QPA_PLATFORM" || name == "QT_QPA_PLATFORMTHEME"
                || name == "WAYLAND_DISPLAY" || name == "DBUS_SESSION_BUS_ADDRESS"))
            continue;
        env.push_back(v);
    }
    if (display)
        env.push_back(std::string("DISPLAY=") + display);
    env.insert(env.end(), extraEnv.begin(), extraEnv.end());

    std::vector<char *> args, envp;
    for (const std::string &a : argv)
        args.push_back(const_cast<char *>(a.c_str()));
    args.push_back(nullptr);
    for (std::string &e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, errorPath ? errorPath : "/dev/null", O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    pid_t pid = -1;
    const int rc = posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    return rc == 0 ? pid : -1;
}

bool Running(pid_t pid)
{
    int status;
    return ::waitpid(pid, &status, WNOHANG) == 0;
}

void StopProcess(pid_t pid)
{
    ::kill(pid, SIGTERM);
    for (int i = 0; i < 100; ++i) {
        int status;
        if (::waitpid(pid, &status, WNOHANG) == pid)
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    ::kill(pid, SIGKILL);
    int status;
    ::waitpid(pid, &status, 0);
}

double CpuMs(pid_t pid)
{
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string all((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    // Fields after the command name, which may hold spaces: state is the
    // 3rd field, utime the 14th and stime the 15th.
    const size_t close = all.rfind(')');
    if (close == std::string::npos)
        return -1;
    std::istringstream rest(all.substr(close + 2));
    std::string field;
    long long utime = -1, stime = -1;
    for (int i = 3; i <= 15 && rest >> field; ++i) {
        if (i == 14)
            utime = std::stoll(field);
        if (i == 15)
            stime = std::stoll(field);
    }
    if (utime < 0 || stime < 0)
        return -1;
    return static_cast<double>(utime + stime) * 1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
}

long ResidentKiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}
