#pragma once

// An adapter that answers each frame the program sends as the test's script
// says, the moment the frame arrives: ACK, NAK, a data frame or nothing.

#include "ptypeer.h"

#include <QList>
#include <QObject>
#include <QStringList>
#include <QTest>

#include <functional>

class ScriptedAdapter : public QObject
{
public:
    using Frame = PtyPeer::Frame;
    // Gets the frame and its position among all frames seen; returns the
    // bytes to send back (empty: no answer).
    using Script = std::function<QByteArray(int index, const Frame &frame)>;

    explicit ScriptedAdapter(PtyPeer &peer, Script script = acknowledgeAll())
        : peer(peer)
        , script(std::move(script))
    {
        connect(&peer, &PtyPeer::frameReceived, this, [this](const Frame &frame) {
            const int index = int(frames.size());
            frames.append(frame);
            if (!this->script)
                return;
            const QByteArray answer = this->script(index, frame);
            if (!answer.isEmpty())
                this->peer.sendBytes(answer);
        });
    }

    void setScript(Script newScript) { script = std::move(newScript); }

    // Runs the event loop until count frames have been seen in all.
    bool waitForFrames(int count, int timeoutMs = 10000) const
    {
        return QTest::qWaitFor([&] { return frames.size() >= count; }, timeoutMs);
    }

    static QByteArray ack() { return PtyPeer::frameBytes(0x20); }
    static QByteArray nak() { return PtyPeer::frameBytes(0x21); }
    static Script acknowledgeAll()
    {
        return [](int, const Frame &) { return ack(); };
    }
    static Script silent()
    {
        return [](int, const Frame &) { return QByteArray(); };
    }

    // One readable line per frame, for comparisons that print what differs.
    static QStringList describe(const QList<Frame> &list)
    {
        QStringList lines;
        for (const Frame &frame : list)
            lines << QString::number(frame.command, 16) + QLatin1String(": ")
                    + QString::fromLatin1(frame.payload.toHex(' '));
        return lines;
    }

    QList<Frame> frames;

private:
    PtyPeer &peer;
    Script script;
};
