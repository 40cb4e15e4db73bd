#pragma once

#include "protocol.h"

#include <QObject>

// What the transfer code needs of a link to the adapter: frames out, frames
// in. SerialHelper is the real one; tests put a recording fake in its place.
class AdapterLink : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // False when the frame could not be handed to the line (port closed).
    virtual bool sendFrame(const Frame &frame) = 0;
    // The port's name, for messages.
    virtual QString portName() const = 0;

    // Frames read off the line so far, raised or not: a frame read before a
    // command went out cannot be the answer to it, even when it is raised
    // after it (two answers in one batch).
    quint64 framesRead() const { return m_framesRead; }

signals:
    // Every frame from the adapter, once, in wire order; readOrder is
    // framesRead() as it was once this frame had been read.
    void frameReceived(const Frame &frame, quint64 readOrder);

protected:
    // Counts a frame read now; returns its readOrder.
    quint64 countRead() { return ++m_framesRead; }

private:
    quint64 m_framesRead = 0;
};
