#pragma once

#include "adapterstate.h"
#include "corruption.h"
#include "protocol.h"

#include <optional>

// The protocol behaviour of a VX-Adapter, free of any I/O: one received frame
// in, at most one answer out.
class SimulatedAdapter
{
public:
    explicit SimulatedAdapter(
        const AdapterState &state, std::optional<Corruption> corruption = std::nullopt);

    // No answer for the program's own ACK and NAK.
    std::optional<Frame> handle(const Frame &frame);

    const AdapterState &state() const { return m_state; }
    bool isLoggedIn() const { return m_loggedIn; }
    // True once after each change of the stored state.
    bool takeChanged();

private:
    std::optional<Frame> configure(const Frame &frame);
    std::optional<Frame> read(const Frame &request) const;
    void stored(int entry, ConfigurationField field);

    AdapterState m_state;
    std::optional<Corruption> m_corruption;
    bool m_loggedIn = false;
    bool m_changed = false;
};
