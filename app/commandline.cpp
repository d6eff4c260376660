#include "app/commandline.h"

#include <QCommandLineParser>

#include <array>

namespace commandline {
namespace {

using commandprotocol::Verb;

const QString StartName = QStringLiteral("start");
const QString SwitchName = QStringLiteral("switch");
const QString StopName = QStringLiteral("stop");
const QString ToggleName = QStringLiteral("toggle");
const QString NoteName = QStringLiteral("note");
const QString StatusName = QStringLiteral("status");
const QString CommentName = QStringLiteral("comment");
const QString AtName = QStringLiteral("at");
const QString FormatName = QStringLiteral("format");
const QString HelpName = QStringLiteral("help");
const QString VersionName = QStringLiteral("version");

struct OptionText {
    QStringList names;
    QString value;
    QString description;
};

// In the order --help lists them.
const QList<OptionText>& optionTexts() {
    static const QList<OptionText> texts = {
        {{StartName},
         QStringLiteral("PROJECT"),
         QStringLiteral("Start a session, as Start does once its question is answered.")},
        {{CommentName},
         QStringLiteral("TEXT"),
         QStringLiteral("With --start or --switch: the starting comment.")},
        {{AtName},
         QStringLiteral("TIME"),
         QStringLiteral("With --start or --stop: that earlier moment instead of now.")},
        {{SwitchName},
         QStringLiteral("PROJECT"),
         QStringLiteral("Stop the running session and start this one at the same moment.")},
        {{StopName}, {}, QStringLiteral("Stop the running session.")},
        {{ToggleName},
         {},
         QStringLiteral("Stop the running session, or start the project in the project box.")},
        {{NoteName},
         QStringLiteral("TEXT"),
         QStringLiteral("A note in the running session; \"-\" reads it from standard input.")},
        {{StatusName},
         {},
         QStringLiteral("Show the running session, or the log's last one when none runs.")},
        {{FormatName},
         QStringLiteral("text|json"),
         QStringLiteral("With --status: one line of text (the default) or of JSON.")},
        {{QStringLiteral("summary")},
         {},
         QStringLiteral("Print the time per project; see tallyhawk --summary --help.")},
        {{QStringLiteral("h"), HelpName}, {}, QStringLiteral("Show this help.")},
        {{QStringLiteral("v"), VersionName}, {}, QStringLiteral("Show the version.")},
    };
    return texts;
}

bool takesValue(QStringView argument) {
    for (const OptionText& option : optionTexts()) {
        if (!option.value.isEmpty() && argument == QStringLiteral("--") + option.names.front())
            return true;
    }
    return false;
}

// Qt reads these itself, in QGuiApplication's, QApplication's and the X11 platform's
// constructors, which need a display; the list is Qt 6's, so that they can be set apart before
// any of them runs. Qt takes them with one dash or two.
constexpr std::array<QStringView, 16> QtOptionsWithValue = {
    u"platform",
    u"platformpluginpath",
    u"platformtheme",
    u"plugin",
    u"qwindowgeometry",
    u"geometry",
    u"qwindowtitle",
    u"title",
    u"qwindowicon",
    u"icon",
    u"session",
    u"style",
    u"stylesheet",
    u"display",
    u"name",
    u"visual",
};
constexpr std::array<QStringView, 6> QtFlags = {u"reverse", u"widgetcount", u"sync",
                                                u"nograb",  u"dograb",      u"testability"};
constexpr std::array<QStringView, 3> QtOptionsWithEquals = {u"style=", u"stylesheet=",
                                                            u"qmljsdebugger="};

enum class QtOption : quint8 { None, Flag, WithValue };

QtOption qtOption(QStringView argument) {
    if (argument.startsWith(u"--"))
        argument = argument.sliced(2);
    else if (argument.startsWith(u'-'))
        argument = argument.sliced(1);
    else
        return QtOption::None;
    for (const QStringView name : QtOptionsWithValue) {
        if (argument == name)
            return QtOption::WithValue;
    }
    for (const QStringView name : QtFlags) {
        if (argument == name)
            return QtOption::Flag;
    }
    for (const QStringView prefix : QtOptionsWithEquals) {
        if (argument.startsWith(prefix))
            return QtOption::Flag;
    }
    return QtOption::None;
}

Invocation mistake(QString text, QStringList qtOptions = {}) {
    Invocation invocation;
    invocation.kind = Invocation::Kind::Usage;
    invocation.mistake = std::move(text);
    invocation.qtOptions = std::move(qtOptions);
    return invocation;
}

struct Split {
    QStringList ours;
    QStringList qt;
};

Split split(const QStringList& arguments) {
    Split parts;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == u"--") {
            parts.ours += arguments.sliced(i);
            break;
        }
        const bool withValue = takesValue(argument);
        const QtOption qt = withValue ? QtOption::None : qtOption(argument);
        QStringList& to = qt == QtOption::None ? parts.ours : parts.qt;
        to.append(argument);
        if ((withValue || qt == QtOption::WithValue) && i + 1 < arguments.size())
            to.append(arguments[++i]);
    }
    return parts;
}

} // namespace

std::optional<QDateTime> moment(QStringView text, const QDateTime& now) {
    const QString written = text.toString();
    // One digit will do for the hour, as people write it.
    for (const QString& format : {QStringLiteral("H:mm"), QStringLiteral("H:mm:ss")}) {
        const QTime time = QTime::fromString(written, format);
        if (time.isValid()) {
            // A time that the clock skips when summer time begins is no moment.
            const QDateTime today(now.date(), time);
            return today.isValid() ? std::optional(today) : std::nullopt;
        }
    }
    for (const QString& format :
         {QStringLiteral("yyyy-MM-dd'T'HH:mm"), QStringLiteral("yyyy-MM-dd'T'HH:mm:ss")}) {
        const QDateTime when = QDateTime::fromString(written, format);
        if (when.isValid())
            return when;
    }
    return std::nullopt;
}

Invocation read(const QStringList& arguments, const QDateTime& now) {
    for (const QString& argument : arguments) {
        if (argument == u"--")
            break;
        // The totals keep their own command line.
        if (argument == u"--summary")
            return {Invocation::Kind::Summary, {}, {}, {}};
    }
    const Split parts = split(arguments);
    QCommandLineParser parser;
    for (const OptionText& text : optionTexts())
        parser.addOption(QCommandLineOption(text.names, text.description, text.value));
    parser.addOption(QCommandLineOption(QStringLiteral("help-all")));
    if (!parser.parse(QStringList{QStringLiteral("tallyhawk")} + parts.ours))
        return mistake(parser.errorText(), parts.qt);
    if (!parser.positionalArguments().isEmpty()) {
        return mistake(
            QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().front()),
            parts.qt);
    }
    if (parser.isSet(HelpName) || parser.isSet(QStringLiteral("help-all")))
        return {Invocation::Kind::Help, {}, {}, parts.qt};
    if (parser.isSet(VersionName))
        return {Invocation::Kind::Version, {}, {}, parts.qt};

    const std::array<std::pair<QString, Verb>, 6> verbs = {{{StartName, Verb::Start},
                                                            {SwitchName, Verb::Switch},
                                                            {StopName, Verb::Stop},
                                                            {ToggleName, Verb::Toggle},
                                                            {NoteName, Verb::Note},
                                                            {StatusName, Verb::Status}}};
    std::optional<Verb> verb;
    for (const auto& [name, candidate] : verbs) {
        if (!parser.isSet(name))
            continue;
        if (verb) {
            return mistake(QStringLiteral("Give one of --start, --switch, --stop, --toggle, "
                                          "--note and --status at a time."),
                           parts.qt);
        }
        verb = candidate;
    }
    struct Companion {
        QString name;
        QList<Verb> verbs;
        QString verbNames;
    };
    const std::array<Companion, 3> companions = {{
        {CommentName, {Verb::Start, Verb::Switch}, QStringLiteral("--start or --switch")},
        {AtName, {Verb::Start, Verb::Stop}, QStringLiteral("--start or --stop")},
        {FormatName, {Verb::Status}, QStringLiteral("--status")},
    }};
    for (const Companion& companion : companions) {
        if (parser.isSet(companion.name) && (!verb || !companion.verbs.contains(*verb))) {
            return mistake(
                QStringLiteral("--%1 goes only with %2.").arg(companion.name, companion.verbNames),
                parts.qt);
        }
    }
    if (!verb)
        return {Invocation::Kind::Window, {}, {}, parts.qt};

    Invocation invocation{Invocation::Kind::Command, {}, {}, parts.qt};
    commandprotocol::Request& request = invocation.command.request;
    request.verb = *verb;
    request.project = parser.value(*verb == Verb::Switch ? SwitchName : StartName);
    request.comment = parser.value(CommentName);
    if (parser.isSet(AtName)) {
        const std::optional<QDateTime> at = moment(parser.value(AtName), now);
        if (!at) {
            return mistake(QStringLiteral("'%1' is not a TIME for --at; write HH:MM or HH:MM:SS "
                                          "for today, or YYYY-MM-DDTHH:MM[:SS].")
                               .arg(parser.value(AtName)),
                           parts.qt);
        }
        request.at = *at;
    }
    request.text = parser.value(NoteName);
    invocation.command.noteFromInput = *verb == Verb::Note && request.text == u"-";
    const QString format = parser.value(FormatName);
    if (!format.isEmpty() && format != u"text" && format != u"json") {
        return mistake(
            QStringLiteral("Unknown value '%1' for --format; use text or json.").arg(format),
            parts.qt);
    }
    invocation.command.json = format == u"json";
    return invocation;
}

QString usage(const QString& program) {
    QString text = QStringLiteral("Usage: %1 [Qt options]\n").arg(program);
    for (const QStringView form :
         {u"--start PROJECT [--comment TEXT] [--at TIME]", u"--switch PROJECT [--comment TEXT]",
          u"--stop [--at TIME]", u"--toggle", u"--note TEXT|-", u"--status [--format text|json]",
          u"--summary [options]"})
        text += QStringLiteral("       %1 %2\n").arg(program, form);
    return text;
}

QString help(const QString& program, const QString& dataFolder) {
    QString text = usage(program);
    text += QStringLiteral("\nTallyhawk tracks the time spent on projects. Without options it "
                           "opens its window; with one of\nthese it drives the Tallyhawk that "
                           "runs on this data folder, and ends.\n\nOptions:\n");
    for (const OptionText& option : optionTexts()) {
        QStringList names;
        for (const QString& name : option.names)
            names.append((name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name);
        QString left = QStringLiteral("  ") + names.join(QStringLiteral(", "));
        if (!option.value.isEmpty())
            left += u' ' + option.value;
        text += left.leftJustified(24) + option.description + u'\n';
    }
    text += QStringLiteral(
        "\nTIME is HH:MM or HH:MM:SS today, or YYYY-MM-DDTHH:MM[:SS], in local time.\n"
        "Where no Tallyhawk runs on the data folder, --start, --switch and --toggle start it "
        "first;\n--stop and --note are refused, and --status reads the log.\n"
        "--status --format json prints one object with the keys running, project, started,\n"
        "elapsedSeconds, comment and incomplete.\n"
        "Exit status: 0 done, 1 refused (the reason on standard error), 2 a mistake on the "
        "command line.\n"
        "Qt's own options, such as -platform and -style, go to the window.\n");
    text += QStringLiteral("\nData files (Tasks.txt, Projects.txt, Settings.ini) are kept in %1\n")
                .arg(dataFolder);
    text += QStringLiteral(
        "\nAway time: a session left running while nobody is at the computer, or across a "
        "suspend, is\ncaught, and you are asked whether to keep that time. Settings.ini sets how "
        "long\nwithout input counts as away:\n  [Away]\n  Minutes=15\n0 turns it off.\n");
    return text;
}

} // namespace commandline
