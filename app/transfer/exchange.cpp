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

// Whether an answer of this code has the payload of its kind: a time one
// byte, a status entry and byte, a call number entry, slot and its digits, a
// bus address entry, floor and letter (or floor 0 alone: none set, as the
// program sends it too).
bool isWellFormed(const Frame &answer)
{
    const qsizetype size = answer.payload.size();
    switch (answer.command) {
    case LinkCommand::ReadMaxCallTime:
    case LinkCommand::ReadCallRedirectTime:
        return size == 1;
    case LinkCommand::ReadStatusByte:
        return size == 2;
    case LinkCommand::ReadCallNumber:
        return size >= 2;
    case LinkCommand::ReadBusAddress:
        return size == 3 || (size == 2 && answer.at(1) == 0);
    case LinkCommand::ReadMasterPassword:
        return true;
    default:
        return false;
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

void Exchange::deliver(const Frame &frame, quint64 readOrder)
{
    const auto readAfter
        = [readOrder](const LaneState &state) { return readOrder > state.waiting->sentAfter; };
    // Login-related commands first: a login during a transmit takes the ACK.
    for (Lane each : { Control, Sequence }) {
        LaneState &state = lane(each);
        if (state.waiting && readAfter(state) && isAnswerTo(state.waiting->frame, frame)) {
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

    // The frame stands where the answer of the command sent first should.
    std::optional<Lane> first;
    for (Lane each : { Control, Sequence }) {
        const LaneState &state = lane(each);
        if (state.waiting && readAfter(state)
            && (!first || state.waiting->ticket < lane(*first).waiting->ticket))
            first = each;
    }
    if (!first)
        return;
    LaneState &state = lane(*first);
    state.answerTimer.stop();
    const Command command = *std::exchange(state.waiting, std::nullopt);
    emit failed(*first, Unreadable, command.what, command.ticket);
}

bool Exchange::isAnswerTo(const Frame &request, const Frame &answer)
{
    if (answer.isAcknowledgement()) {
        return answer.payload.isEmpty()
            && (answer.command == LinkCommand::NoAcknowledge || !request.isRequest());
    }
    const int naming = namingBytes(request.command);
    return request.isRequest() && answer.command == request.command && isWellFormed(answer)
        && answer.payload.left(naming) == request.payload.left(naming);
}

void Exchange::transmit(Lane lane, const Command &command)
{
    LaneState &state = this->lane(lane);
    state.waiting = command;
    state.answerTimer.start(m_timeoutMs);
    // A frame the port did not take gets no answer: say so at once, but from
    // the event loop, as a late answer would.
    const bool sent = m_link && m_link->sendFrame(command.frame);
    // Counted after sending: the link reads what waits before it writes.
    if (state.waiting)
        state.waiting->sentAfter = m_link ? m_link->framesRead() : 0;
    if (!sent)
        state.answerTimer.start(0);
}

void Exchange::answerTimedOut(Lane lane)
{
    LaneState &state = this->lane(lane);
    if (!state.waiting)
        return;
    const Command command = *std::exchange(state.waiting, std::nullopt);
    emit failed(lane, NotAnswered, command.what, command.ticket);
}

void Exchange::dueEnded(Lane lane)
{
    LaneState &state = this->lane(lane);
    state.due.reset();
    state.dueTimer.stop();
    if (state.queued)
        transmit(lane, *std::exchange(state.queued, std::nullopt));
}
