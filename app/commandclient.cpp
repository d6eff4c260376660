#include "app/commandclient.h"

#include "app/singleinstance.h"
#include "session/sessioncontrol.h"
#include "storage/datafiles.h"
#include "storage/elapsed.h"
#include "storage/logtail.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QIODevice>
#include <QJsonDocument>
#include <QProcess>
#include <QTextStream>
#include <QThread>

#include <cerrno>
#include <csignal>

namespace commandclient {
namespace {

using commandline::Status;
using commandprotocol::Request;
using commandprotocol::Verb;
using Asked = SingleInstance::Asked;

// How long a program that runs may take to answer, and one that is started to come up.
constexpr std::chrono::milliseconds AnswerTime{5000};
constexpr std::chrono::milliseconds StartTime{30000};
constexpr unsigned long RetryMs = 50;

bool alive(qint64 pid) {
    return ::kill(pid_t(pid), 0) == 0 || errno == EPERM;
}

// Started detached, so that it outlives this command, and with its output going nowhere: a
// script reading this command's output must not wait for the program's end.
std::optional<qint64> startProgram(const Setup& setup) {
    QProcess process;
    process.setProgram(setup.program);
    process.setArguments(setup.arguments);
    process.setWorkingDirectory(QDir::homePath());
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    qint64 pid = 0;
    if (!process.startDetached(&pid))
        return std::nullopt;
    return pid;
}

// Asks again while the program that holds the folder is not listening yet: it is starting.
Asked askOnceListening(const SingleInstance& instance, const Request& request,
                       std::chrono::milliseconds time, std::optional<qint64> started = {}) {
    const QDeadlineTimer deadline(time);
    for (;;) {
        const Asked asked = instance.ask(request, deadline);
        if (asked.outcome != Asked::Outcome::NotListening || deadline.hasExpired() ||
            (started && !alive(*started)))
            return asked;
        QThread::msleep(RetryMs);
    }
}

int refuse(QTextStream& err, const Setup& setup, const QString& reason) {
    err << QFileInfo(setup.program).fileName() << ": " << reason << '\n';
    err.flush();
    return int(Status::Refused);
}

int show(const commandline::Command& command, const SessionStatus& status, const Setup& setup,
         QTextStream& out) {
    if (command.json)
        out << QJsonDocument(status.toJson()).toJson(QJsonDocument::Compact) << '\n';
    else
        out << statusText(status, DateTimeText(setup.locale)) << '\n';
    out.flush();
    return int(Status::Done);
}

bool startsProgram(Verb verb) {
    return verb == Verb::Start || verb == Verb::Switch || verb == Verb::Toggle;
}

// Where no program runs on the folder, which is held meanwhile so that none starts on it.
int withoutProgram(const commandline::Command& command, const Setup& setup, QTextStream& out,
                   QTextStream& err) {
    if (command.request.verb != Verb::Status) {
        return refuse(err, setup,
                      QStringLiteral("No session is running: Tallyhawk does not run on %1.")
                          .arg(QDir::toNativeSeparators(setup.dataFolder)));
    }
    const LogTail tail = LogTail::read(datafiles::path(setup.dataFolder, datafiles::Tasks));
    if (!tail.result)
        return refuse(err, setup, tail.result.message(u"read"));
    return show(command, SessionStatus::fromLog(tail.last, DateTimeText(setup.locale)), setup, out);
}

} // namespace

QString statusText(const SessionStatus& status, const DateTimeText& stamps) {
    if (status.running) {
        QString text = QStringLiteral("Running: %1, since %2")
                           .arg(status.project, stamps.format(status.started));
        if (status.elapsedSeconds) {
            text += QStringLiteral(" (%1)").arg(
                elapsed::text(status.started, status.started.addSecs(*status.elapsedSeconds)));
        }
        return text;
    }
    if (!status.incomplete)
        return QStringLiteral("Not running.");
    if (!status.started.isValid()) {
        return QStringLiteral("Not running; the last session, %1, has no stop lines.")
            .arg(status.project);
    }
    return QStringLiteral("Not running; the last session, %1 since %2, has no stop lines.")
        .arg(status.project, stamps.format(status.started));
}

int run(const commandline::Command& command, const Setup& setup, QIODevice& input, QTextStream& out,
        QTextStream& err) {
    Request request = command.request;
    if (command.noteFromInput) {
        const QByteArray bytes = input.read(commandprotocol::MaxLine + 1);
        if (bytes.size() > commandprotocol::MaxLine) {
            return refuse(err, setup,
                          QStringLiteral("The note is longer than %1 characters.")
                              .arg(SessionControl::MaxTextLength));
        }
        request.text = QString::fromLocal8Bit(bytes);
        // Every tool ends its output with a line end; it is not part of the note.
        while (request.text.endsWith(u'\n') || request.text.endsWith(u'\r'))
            request.text.chop(1);
    }

    SingleInstance instance(setup.dataFolder);
    Asked asked = instance.ask(request, QDeadlineTimer(AnswerTime));
    if (asked.outcome == Asked::Outcome::NotListening) {
        if (instance.hold() == SingleInstance::Hold::Elsewhere) {
            asked = askOnceListening(instance, request, AnswerTime);
        } else {
            if (!startsProgram(request.verb))
                return withoutProgram(command, setup, out, err);
            instance.release();
            const std::optional<qint64> started = startProgram(setup);
            if (started)
                asked = askOnceListening(instance, request, StartTime, started);
            if (!started || (asked.outcome == Asked::Outcome::NotListening && !alive(*started))) {
                return refuse(err, setup,
                              QStringLiteral("Tallyhawk did not start; start %1 alone to see "
                                             "why.")
                                  .arg(QDir::toNativeSeparators(setup.program)));
            }
        }
    }
    if (asked.outcome != Asked::Outcome::Answered) {
        return refuse(err, setup,
                      QStringLiteral("Tallyhawk runs on %1 but does not answer.")
                          .arg(QDir::toNativeSeparators(setup.dataFolder)));
    }
    if (!asked.reply.done())
        return refuse(err, setup, asked.reply.failure);
    if (asked.reply.status)
        return show(command, *asked.reply.status, setup, out);
    return int(Status::Done);
}

} // namespace commandclient
