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

signals:
    // Every frame from the adapter, once, in wire order.
    void frameReceived(const Frame &frame);
};
