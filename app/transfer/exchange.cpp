#include "exchange.h"

#include <utility>

namespace {

// The payload bytes of a request that its answer repeats: entry and slot of a
// call number, the entry of a status byte or bus address.
int namingBytes(byte request)
{
    switch (request) {
    case LinkCommand::ReadCallNumber:
        return 2;
    case LinkCommand::ReadStatusByte:
    case LinkCommand::ReadBusAddress:
        return 1;
    default:
        return 0;
    }
}

} // namespace

Exchange::Exchange(AdapterLink *link, QObject *parent)
    : QObject(parent)
    , m_link(link)
{
    for (Lane each : { Control, Sequence }) {
        LaneState &state = lane(each);
        state.answerTimer.setSingleShot(true);
        state.dueTimer.setSingleShot(true);
        connect(&state.answerTimer, &QTimer::timeout, this, [this, each] { answerTimedOut(each); });
        connect(&state.dueTimer, &QTimer::timeout, this, [this, each] { dueEnded(each); });
    }
    if (link)
        connect(link, &AdapterLink::frameReceived, this, &Exchange::deliver);
}

quint64 Exchange::send(Lane lane, const Frame &frame, const QString &what)
{
    abandon(lane);
    const Command command { frame, what, ++m_lastTicket };
    if (this->lane(lane).due)
        this->lane(lane).queued = command;
    else
        transmit(lane, command);
    return command.ticket;
}

void Exchange::abandon(Lane lane, quint64 ticket)
{
    LaneState &state = this->lane(lane);
    if (state.queued && (!ticket || state.queued->ticket == ticket))
        state.queued.reset();
    if (!state.waiting || (ticket && state.waiting->ticket != ticket))
        return;
    const int left = state.answerTimer.remainingTime();
    state.answerTimer.stop();
    state.due = std::exchange(state.waiting, std::nullopt)->frame;
    state.dueTimer.start(qMax(0, left));
}

bool Exchange::isBusy(Lane lane) const
{
    return this->lane(lane).waiting || this->lane(lane).queued;
}

void Exchange::deliver(const Frame &frame)
{
    // Login-related commands first: a login during a transmit takes the ACK.
    for (Lane each : { Control, Sequence }) {
        LaneState &state = lane(each);
        if (state.waiting && isAnswerTo(state.waiting->frame, frame)) {
            const quint64 ticket = std::exchange(state.waiting, std::nullopt)->ticket;
            state.answerTimer.stop();
            emit answered(each, frame, ticket);
            return;
        }
        if (state.due && isAnswerTo(*state.due, frame)) {
            dueEnded(each);
            return;
        }
    }
    emit unexpectedFrame(frame);
}

bool Exchange::isAnswerTo(const Frame &request, const Frame &answer)
{
    if (answer.command == LinkCommand::NoAcknowledge)
        return true;
    if (!request.isRequest())
        return answer.command == LinkCommand::Acknowledge;
    const int naming = namingBytes(request.command);
    return answer.command == request.command && answer.payload.size() >= naming
        && answer.payload.left(naming) == request.payload.left(naming);
}

void Exchange::transmit(Lane lane, const Command &command)
{
    LaneState &state = this->lane(lane);
    state.waiting = command;
    state.answerTimer.start(m_timeoutMs);
    // A frame the port did not take gets no answer: say so at once, but from
    // the event loop, as a late answer would.
    if (!m_link || !m_link->sendFrame(command.frame))
        state.answerTimer.start(0);
}

void Exchange::answerTimedOut(Lane lane)
{
    LaneState &state = this->lane(lane);
    if (!state.waiting)
        return;
    const Command command = *std::exchange(state.waiting, std::nullopt);
    emit noAnswer(lane, command.what, command.ticket);
}

void Exchange::dueEnded(Lane lane)
{
    LaneState &state = this->lane(lane);
    state.due.reset();
    state.dueTimer.stop();
    if (state.queued)
        transmit(lane, *std::exchange(state.queued, std::nullopt));
}
