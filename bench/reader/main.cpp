// The adapter's bytes through FrameReader as the serial link hands them over,
// a few dozen at a time: the answers of reads and writes, the adapter's own
// text lines, and both mixed. Prints bytes per second, by the clock and in
// process CPU time, for each.

#include "framereader.h"

#include <QElapsedTimer>
#include <QTextStream>

#include <ctime>

namespace {

// What a USB-serial converter passes on at once (its packets hold 62 bytes).
constexpr int chunkSize = 32;
constexpr qint64 minimumBytes = 32 * 1024 * 1024;
constexpr qint64 minimumNs = 2'000'000'000;

QTextStream out(stdout);

// A "Lesen" and a "Schreiben" as the adapter answers them: every value, with
// the escape pairs that 0xFE and 0xFD in a payload or checksum bring, and an
// acknowledgement for each command written.
QByteArray answerBytes()
{
    QByteArray bytes;
    bytes += Frame { LinkCommand::ReadMaxCallTime, QByteArray(1, char(60)) }.toWire();
    bytes += Frame { LinkCommand::ReadCallRedirectTime, QByteArray(1, char(30)) }.toWire();
    for (byte entry = 0; entry <= 9; ++entry) {
        for (byte slot = 1; slot <= 2; ++slot) {
            const QByteArray number = slot == 1 ? "0301" : "0049301234567890123456";
            bytes += Frame { LinkCommand::ReadCallNumber,
                Frames::callNumber(entry, number, slot).payload }
                         .toWire();
        }
        bytes += Frame { LinkCommand::ReadStatusByte, Frames::statusByte(entry, 0xF4).payload }
                     .toWire();
        if (entry > 0)
            bytes += Frame { LinkCommand::ReadBusAddress,
                Frames::busAddress(entry, QStringLiteral("C12")).payload }
                         .toWire();
    }
    for (int i = 0; i < 41; ++i)
        bytes += Frames::acknowledge().toWire();
    return bytes;
}

QByteArray textBytes()
{
    QByteArray bytes;
    for (int attendee = 1; attendee <= 9; ++attendee) {
        bytes += "Hausruf 12:Teilnehmer " + QByteArray::number(attendee) + "\r\n";
        bytes += "Ruf fuer Teilnehmer " + QByteArray::number(attendee) + ":0301234567\r\n";
        bytes += "Gespr\xe4"
                 "ch beendet nach 42 s\r\n";
    }
    return bytes;
}

struct Figure
{
    double wallBytesPerSecond = 0;
    double cpuBytesPerSecond = 0;
    qint64 frames = 0;
};

Figure measure(const QByteArray &traffic)
{
    QByteArray stream;
    while (stream.size() < 1024 * 1024)
        stream += traffic;
    FrameReader reader;
    Figure figure;
    qint64 bytes = 0;
    QElapsedTimer clock;
    const std::clock_t cpuStart = std::clock();
    clock.start();
    while (bytes < minimumBytes || clock.nsecsElapsed() < minimumNs) {
        for (qsizetype at = 0; at < stream.size(); at += chunkSize) {
            reader.append(stream.mid(at, chunkSize));
            while (reader.hasItem())
                figure.frames += reader.takeItem().kind == FrameReader::Item::FrameItem;
        }
        bytes += stream.size();
    }
    const double wall = clock.nsecsElapsed() / 1e9;
    const double cpu = double(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    figure.wallBytesPerSecond = bytes / wall;
    figure.cpuBytesPerSecond = bytes / cpu;
    return figure;
}

QString rate(double bytesPerSecond)
{
    return QString::number(bytesPerSecond / 1e6, 'f', 1) + QStringLiteral(" MB/s");
}

} // namespace

int main()
{
    const QByteArray answers = answerBytes();
    const QByteArray text = textBytes();
    out << "bench_reader: bytes through FrameReader, " << chunkSize << " at a time" << Qt::endl;
    out << QStringLiteral("  %1%2%3%4")
               .arg(QString(), -22)
               .arg(QStringLiteral("wall"), 14)
               .arg(QStringLiteral("CPU"), 14)
               .arg(QStringLiteral("frames"), 12)
        << Qt::endl;
    const std::pair<const char *, QByteArray> kinds[] = {
        { "answers", answers },
        { "adapter text", text },
        { "both, in turn",
            answers.left(answers.size() / 2) + text + answers.mid(answers.size() / 2) },
    };
    for (const auto &[name, traffic] : kinds) {
        const Figure figure = measure(traffic);
        out << QStringLiteral("  %1%2%3%4")
                   .arg(QLatin1String(name), -22)
                   .arg(rate(figure.wallBytesPerSecond), 14)
                   .arg(rate(figure.cpuBytesPerSecond), 14)
                   .arg(figure.frames, 12)
            << Qt::endl;
    }
    return 0;
}
