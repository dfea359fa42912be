// One start of a program that keeps to one running copy per data file,
// reduced to what the process tests observe.
//
//   instance_helper <data file> [--timeout <ms>] [--quit-after-show]
//
// Prints one line: "owner", "owner-unlocked" (no lock file possible),
// "handed-over" or "unreachable". An owner then prints "show-requested"
// for every request and runs until it is killed or, with
// --quit-after-show, until the first request. Exit status: 0 for an owner
// that ended by itself and for a hand-over, 3 when unreachable.
#include "platform/instance/SingleInstance.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

namespace {
void say(const char *line)
{
    std::fputs(line, stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fputs("usage: instance_helper <data file> [--timeout <ms>] [--quit-after-show]\n", stderr);
        return 2;
    }
    int timeoutMs = SingleInstance::DefaultAnswerTimeoutMs;
    const qsizetype t = args.indexOf(QStringLiteral("--timeout"));
    if (t > 0 && t + 1 < args.size())
        timeoutMs = args.at(t + 1).toInt();
    const bool quitAfterShow = args.contains(QStringLiteral("--quit-after-show"));

    SingleInstance instance(args.at(1));
    switch (instance.claim(timeoutMs)) {
    case SingleInstance::Role::HandedOver:
        say("handed-over");
        return 0;
    case SingleInstance::Role::Unreachable:
        say("unreachable");
        return 3;
    case SingleInstance::Role::Blocked:
        say("blocked");
        return 4;
    case SingleInstance::Role::Owner:
        say(instance.holdsLock() ? "owner" : "owner-unlocked");
        break;
    }
    QObject::connect(&instance, &SingleInstance::showRequested, &app, [&] {
        say("show-requested");
        if (quitAfterShow)
            QCoreApplication::quit();
    });
    return app.exec();
}
