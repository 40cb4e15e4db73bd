#pragma once

#include "adapterlink.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <array>
#include <optional>

// One command at a time per lane, each with its answer timeout, and where
// every frame from the adapter goes. The adapter's answers name no command,
// so an answer counts only for the command that waits for it right now, only
// when it was read after that command went out, and only when it is one: the
// code of its request, the entry (and slot) it names and exactly the payload
// of its kind. An answer still due to a command nobody waits for any more is
// dropped. Everything else is reported as unexpected, never applied; and as
// the adapter answers every command with one frame, a frame read after a
// command went out that is no answer to it ends that command as unreadable.
class Exchange : public QObject
{
    Q_OBJECT

public:
    // Login-related commands; transmit and receive.
    enum Lane { Control, Sequence };
    Q_ENUM(Lane)
    // How a command, or a run of them, came to nothing: the adapter refused,
    // gave no answer in time, answered with a frame that is none; the user
    // chose not to go on without a backup, or stopped the run.
    enum Failure { Refused, NotAnswered, Unreadable, Declined, Interrupted };
    Q_ENUM(Failure)

    // One frame at 9600 baud takes under 20 ms; an adapter that has not
    // answered after this long will not.
    static constexpr int DefaultAnswerTimeoutMs = 2000;
    // A frame's read order when it was read after every command sent.
    static constexpr quint64 NotRead = ~quint64(0);

    explicit Exchange(AdapterLink *link, QObject *parent = nullptr);

    AdapterLink *link() const { return m_link; }
    void setAnswerTimeout(int ms) { m_timeoutMs = ms; }
    int answerTimeout() const { return m_timeoutMs; }

    // Sends frame on lane and waits for its answer: ACK or NAK for a command;
    // for a request the data frame of the same code for the same entry (and
    // slot), or a NAK as a refusal; else failed(). what names it in messages. A command still
    // waiting on the lane is abandoned first; while an abandoned command's
    // answer is due, the frame goes out only once that answer has come (and
    // been dropped) or its time has run out. Returns the command's ticket,
    // which its answered() or noAnswer() carries.
    quint64 send(Lane lane, const Frame &frame, const QString &what);
    // Stops waiting on lane: its answer, when it comes in time, is dropped
    // silently; a frame still queued is not sent. With a ticket, only if that
    // command is the one waiting or queued.
    void abandon(Lane lane, quint64 ticket = 0);
    // A command sent or queued and not yet answered.
    bool isBusy(Lane lane) const;

    // A frame as if it had come from the link, read after every command sent
    // so far unless readOrder says otherwise (see AdapterLink::framesRead()).
    // The link's own frames come here by themselves; nothing else may hand
    // them on as well.
    void deliver(const Frame &frame, quint64 readOrder = NotRead);

    // Whether answer is what request asks for, and well-formed for it.
    static bool isAnswerTo(const Frame &request, const Frame &answer);

signals:
    // A slot may send the lane's next command; later slots of the same
    // emission tell by the ticket that this answer is not for it.
    void answered(Exchange::Lane lane, const Frame &answer, quint64 ticket);
    // NotAnswered in time, or Unreadable: a frame that is no answer to it.
    void failed(
        Exchange::Lane lane, Exchange::Failure failure, const QString &what, quint64 ticket);
    // Neither asked for nor due.
    void unexpectedFrame(const Frame &frame);

private:
    struct Command
    {
        Frame frame;
        QString what;
        quint64 ticket = 0;
        quint64 sentAfter = 0; // frames read when it went out
    };
    struct LaneState
    {
        std::optional<Command> waiting;
        QTimer answerTimer;
        std::optional<Frame> due; // abandoned, answer still possible
        QTimer dueTimer;
        std::optional<Command> queued;
    };

    LaneState &lane(Lane lane) { return m_lanes[lane]; }
    const LaneState &lane(Lane lane) const { return m_lanes[lane]; }
    void transmit(Lane lane, const Command &command);
    void answerTimedOut(Lane lane);
    void dueEnded(Lane lane);

    QPointer<AdapterLink> m_link;
    int m_timeoutMs = DefaultAnswerTimeoutMs;
    quint64 m_lastTicket = 0;
    std::array<LaneState, 2> m_lanes;
};
