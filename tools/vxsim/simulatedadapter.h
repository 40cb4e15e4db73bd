#pragma once

#include "adapterstate.h"
#include "corruption.h"
#include "vxtypes.h"

#include <QByteArray>

#include <optional>

// The protocol behaviour of a VX-Adapter, free of any I/O: one received frame
// in, at most one answer out.
class SimulatedAdapter
{
public:
    struct Reply
    {
        byte command = 0;
        QByteArray payload;
    };

    explicit SimulatedAdapter(
        const AdapterState &state, std::optional<Corruption> corruption = std::nullopt);

    // No answer for the program's own ACK and NAK.
    std::optional<Reply> handle(byte command, const QByteArray &payload);

    const AdapterState &state() const { return m_state; }
    bool isLoggedIn() const { return m_loggedIn; }
    // True once after each change of the stored state.
    bool takeChanged();

private:
    std::optional<Reply> configure(byte command, const QByteArray &payload);
    std::optional<Reply> read(byte command, const QByteArray &payload) const;
    void stored(int entry, ConfigurationField field);

    AdapterState m_state;
    std::optional<Corruption> m_corruption;
    bool m_loggedIn = false;
    bool m_changed = false;
};
