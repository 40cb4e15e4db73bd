// vxsim: a VX-Adapter on a pseudo-terminal, for tests and for trying the
// program without the hardware. Prints the path of its serial end as the first
// line on stdout; the program opens that path as its port.

#include "protocol.h"
#include "simulator.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QSocketNotifier>

#include <csignal>
#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

namespace {

int signalPipe[2] = { -1, -1 };

void onSignal(int)
{
    const char c = 1;
    if (::write(signalPipe[1], &c, 1) < 0) {
        // Nothing to be done inside a signal handler.
    }
}

// Ends the event loop on SIGINT and SIGTERM, from the loop itself rather than
// from inside the handler.
bool watchSignals(QCoreApplication *app)
{
    if (::pipe(signalPipe) != 0)
        return false;
    auto *notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, app);
    QObject::connect(notifier, &QSocketNotifier::activated, app, &QCoreApplication::quit);
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGINT, &action, nullptr);
    ::sigaction(SIGTERM, &action, nullptr);
    return true;
}

// Started with a pipe on stdin (as QProcess does), it ends when the other end
// of the pipe closes, so a test that dies leaves no simulator behind.
void watchStdinPipe(QCoreApplication *app)
{
    struct stat info = {};
    if (::fstat(STDIN_FILENO, &info) != 0 || !S_ISFIFO(info.st_mode))
        return;
    auto *notifier = new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, app);
    QObject::connect(notifier, &QSocketNotifier::activated, app, [app, notifier] {
        char buffer[256];
        if (::read(STDIN_FILENO, buffer, sizeof buffer) <= 0) {
            notifier->setEnabled(false);
            app->quit();
        }
    });
}

bool readCount(const QCommandLineParser &parser, const QString &name, int *value)
{
    if (!parser.isSet(name))
        return true;
    bool ok = false;
    *value = parser.value(name).toInt(&ok);
    if (!ok || *value < 0) {
        std::fprintf(stderr, "vxsim: --%s needs a number of 0 or more\n", qPrintable(name));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vxsim"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Plays a VX-Adapter on a pseudo-terminal. The first line on stdout is the "
                       "path of its serial end."));
    parser.addHelpOption();
    parser.addOptions({
        { QStringLiteral("password"),
            QStringLiteral("Master password (default 1234; wins over the state file)."),
            QStringLiteral("digits") },
        { QStringLiteral("state"),
            QStringLiteral("Keep password and configuration in this file across runs."),
            QStringLiteral("file") },
        { QStringLiteral("chatter"), QStringLiteral("Send n text lines a second."),
            QStringLiteral("n") },
        { QStringLiteral("chatter-lines"),
            QStringLiteral("Send just n text lines, from the program's first frame on (to count "
                           "them at the other end)."),
            QStringLiteral("n") },
        { QStringLiteral("nak-every"),
            QStringLiteral("Refuse every n-th command with a NAK instead of doing it."),
            QStringLiteral("n") },
        { QStringLiteral("silent-after"),
            QStringLiteral("Answer n commands, then nothing any more."), QStringLiteral("n") },
        { QStringLiteral("latency"), QStringLiteral("Answer ms milliseconds late."),
            QStringLiteral("ms") },
        { QStringLiteral("baud"),
            QStringLiteral("Take as long as a line of this speed, both ways (e.g. 9600)."),
            QStringLiteral("rate") },
        { QStringLiteral("usb-latency"),
            QStringLiteral("Hold back everything sent and let it go every ms milliseconds, as the "
                           "latency timer of a USB-serial converter does (FTDI: 16 by default)."),
            QStringLiteral("ms") },
        { QStringLiteral("echo"),
            QStringLiteral("Send every byte received straight back, before the answer, as an "
                           "echoing converter or a half-duplex line does.") },
        { QStringLiteral("corrupt"),
            QStringLiteral("Store one value wrongly whenever it is written: a time or the last "
                           "digit of a call number one off, status bit 0x08 flipped, the address "
                           "letter one on (I to A); an empty value gets one. [entry:]field, entry "
                           "0 (master) to 9, field one of %1; the times need no entry. Example: "
                           "4:callnumber2.")
                .arg(Corruption::fieldNames()),
            QStringLiteral("value") },
        { { QStringLiteral("v"), QStringLiteral("verbose") },
            QStringLiteral("Log every frame in hex on stderr.") },
    });
    parser.process(app);

    Simulator::Options options;
    options.stateFile = parser.value(QStringLiteral("state"));
    options.verbose = parser.isSet(QStringLiteral("verbose"));
    options.echo = parser.isSet(QStringLiteral("echo"));
    if (!readCount(parser, QStringLiteral("chatter"), &options.chatterPerSecond)
        || !readCount(parser, QStringLiteral("chatter-lines"), &options.chatterLines)
        || !readCount(parser, QStringLiteral("nak-every"), &options.nakEvery)
        || !readCount(parser, QStringLiteral("silent-after"), &options.silentAfter)
        || !readCount(parser, QStringLiteral("latency"), &options.latencyMs)
        || !readCount(parser, QStringLiteral("baud"), &options.baud)
        || !readCount(parser, QStringLiteral("usb-latency"), &options.usbLatencyMs))
        return 2;
    if (parser.isSet(QStringLiteral("password"))) {
        options.password = parser.value(QStringLiteral("password"));
        const QByteArray digits = EncodeDigits(options.password);
        if (digits.isEmpty() || digits.contains(char(0xFF)) || options.password.contains(' ')) {
            std::fprintf(stderr, "vxsim: --password takes digits only\n");
            return 2;
        }
    }
    if (parser.isSet(QStringLiteral("corrupt"))) {
        options.corruption = Corruption::parse(parser.value(QStringLiteral("corrupt")));
        if (!options.corruption) {
            std::fprintf(stderr, "vxsim: --corrupt takes [entry:]field, e.g. 4:callnumber2\n");
            return 2;
        }
    }

    if (!watchSignals(&app))
        return 1;
    watchStdinPipe(&app);

    Simulator simulator(options);
    QString error;
    if (!simulator.start(&error)) {
        std::fprintf(stderr, "vxsim: %s\n", qPrintable(error));
        return 1;
    }
    std::printf("%s\n", qPrintable(simulator.portPath()));
    std::fflush(stdout);
    return app.exec();
}
