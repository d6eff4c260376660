// Starts as the program does on one data folder and says what became of it: "first", then
// "activation" (with the activation token it was handed, if any) for each request from a later
// start, until its standard input closes; or "handed over" or "unanswered", and ends.
// Arguments: the data folder, and how long to wait for an answer in milliseconds.
#include "app/commandserver.h"
#include "app/singleinstance.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <chrono>
#include <cstdio>
#include <unistd.h>

namespace {

void say(const QByteArray& line) {
    std::fputs(line.constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 3)
        return 2;
    SingleInstance instance(arguments[1]);
    switch (instance.claim(std::chrono::milliseconds(arguments[2].toInt()))) {
    case SingleInstance::Claim::HandedOver:
        say("handed over");
        return 0;
    case SingleInstance::Claim::Unanswered:
        say("unanswered");
        return 3;
    case SingleInstance::Claim::First:
        break;
    }
    const CommandServer server(instance.server(), [](const commandprotocol::Request& request) {
        if (request.verb != commandprotocol::Verb::Activate)
            return commandprotocol::Reply{QStringLiteral("Only a start is expected."), {}};
        say(request.text.isEmpty() ? QByteArray("activation")
                                   : "activation " + request.text.toLatin1());
        return commandprotocol::Reply{};
    });
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, [&] {
        char buffer[64];
        if (::read(STDIN_FILENO, buffer, sizeof buffer) <= 0)
            QCoreApplication::quit();
    });
    say("first");
    return app.exec();
}
