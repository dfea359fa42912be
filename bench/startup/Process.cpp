#include "Process.h"

#include <chrono>
#include <csignal>
#include <dirent.h>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char **environ;

pid_t SpawnProcess(const std::vector<std::string> &argv, const char *display, const std::vector<std::string> &extraEnv,
                   const char *errorPath)
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
    // Every thread's run time in nanoseconds, the first field of its
    // schedstat: finer than the clock ticks of /proc/PID/stat.
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    DIR *dir = ::opendir(tasks.c_str());
    if (!dir)
        return -1;
    double ns = 0;
    while (const dirent *e = ::readdir(dir)) {
        if (e->d_name[0] == '.')
            continue;
        std::ifstream stat(tasks + "/" + e->d_name + "/schedstat");
        double run = 0;
        if (stat >> run)
            ns += run;
    }
    ::closedir(dir);
    return ns / 1e6;
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
