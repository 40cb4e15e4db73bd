#include "simulator.h"

#include "communicationpackage.h"
#include "protocol.h"
#include "ptyline.h"

#include <QFile>
#include <QTimer>

#include <cstdio>

Simulator::Simulator(const Options &options, QObject *parent)
    : QObject(parent)
    , m_options(options)
    , m_line(new PtyLine(this))
    , m_parser(new CommunicationPackage(this))
    , m_chatterTimer(new QTimer(this))
{
    m_line->setBaudRate(options.baud);
    m_line->setFlushInterval(options.usbLatencyMs);
    connect(m_line, &PtyLine::received, this, &Simulator::receive);
    connect(m_chatterTimer, &QTimer::timeout, this, &Simulator::sendChatter);
}

Simulator::~Simulator() = default;

bool Simulator::start(QString *error)
{
    AdapterState state;
    if (!m_options.stateFile.isEmpty() && QFile::exists(m_options.stateFile)
        && !state.load(m_options.stateFile, error)) {
        *error = m_options.stateFile + QLatin1String(": ") + *error;
        return false;
    }
    if (!m_options.password.isEmpty())
        state.password = m_options.password;
    else if (state.password.isEmpty())
        state.password = QStringLiteral("1234");
    m_adapter.emplace(state, m_options.corruption);

    if (!m_line->open(error))
        return false;
    // Counted lines wait for a listener: they start with the program's first frame.
    if (m_options.chatterPerSecond > 0 && m_options.chatterLines < 0)
        startChatter();
    return true;
}

void Simulator::startChatter()
{
    if (!m_chatterTimer->isActive() && m_chatterSent == 0)
        m_chatterTimer->start(qMax(1, 1000 / m_options.chatterPerSecond));
}

QString Simulator::portPath() const
{
    return m_line->path();
}

void Simulator::receive(const QByteArray &bytes)
{
    // The echo comes from the line, not from the adapter: it precedes the
    // answer and does not count as one, and a silent adapter echoes too.
    if (m_options.echo) {
        log("echo", bytes);
        m_line->send(bytes);
    }
    for (char c : bytes) {
        const int result = m_parser->AddByte(byte(c));
        if (result == CommunicationPackage::ParseComplete) {
            const QByteArray wire = m_parser->RawData();
            const Frame frame { m_parser->Command(), m_parser->Data() };
            m_parser->Reset();
            handleFrame(frame, wire);
        } else if (result == CommunicationPackage::ParseChecksumError) {
            log("rx bad checksum", m_parser->RawData());
            m_parser->Reset();
            if (!isSilent())
                send(Frames::noAcknowledge());
        }
    }
}

void Simulator::handleFrame(const Frame &frame, const QByteArray &wire)
{
    if (m_options.chatterPerSecond > 0)
        startChatter();
    log("rx", wire);
    if (frame.isAcknowledgement())
        return;
    if (isSilent()) {
        log("silent, no answer to", wire);
        return;
    }
    ++m_answered;
    if (m_options.nakEvery > 0 && m_answered % m_options.nakEvery == 0) {
        send(Frames::noAcknowledge());
        return;
    }
    const std::optional<Frame> reply = m_adapter->handle(frame);
    if (m_adapter->takeChanged())
        saveState();
    if (reply)
        send(*reply);
}

bool Simulator::isSilent() const
{
    return m_options.silentAfter >= 0 && m_answered >= m_options.silentAfter;
}

void Simulator::send(const Frame &frame)
{
    const QByteArray wire = frame.toWire();
    const auto write = [this, wire] { log(m_line->send(wire) ? "tx" : "tx dropped", wire); };
    if (m_options.latencyMs > 0)
        QTimer::singleShot(m_options.latencyMs, this, write);
    else
        write();
}

void Simulator::sendChatter()
{
    if (m_options.chatterLines >= 0 && m_chatterSent >= m_options.chatterLines) {
        m_chatterTimer->stop();
        return;
    }
    if (isSilent())
        return;
    ++m_chatterSent;
    const QByteArray line = m_chatter.nextLine();
    if (m_options.verbose)
        std::fprintf(stderr, "vxsim: text %s", line.constData());
    m_line->send(line);
}

void Simulator::saveState()
{
    if (m_options.stateFile.isEmpty())
        return;
    QString error;
    if (!m_adapter->state().save(m_options.stateFile, &error))
        std::fprintf(stderr, "vxsim: %s: %s\n", qPrintable(m_options.stateFile), qPrintable(error));
}

void Simulator::log(const char *what, const QByteArray &bytes) const
{
    if (m_options.verbose)
        std::fprintf(stderr, "vxsim: %s %s\n", what, HexDump(bytes).constData());
}
