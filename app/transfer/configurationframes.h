#pragma once

#include "configuration.h"
#include "protocol.h"

// Between one value of the configuration and the frames that carry it: the
// command that sets it, the request that reads it, and the value a data frame
// holds. A command and the answer to its request share their payload layout,
// so the value a command carries reads the same way as an answer.
namespace ConfigurationFrames {
// The command that sets field of entry to what configuration holds; bus
// addresses go letter first, whichever order they were typed in.
Frame command(const Configuration &configuration, int entry, ConfigurationField field);
Frame request(int entry, ConfigurationField field);
// The value in an answer to a request, or in a command: entry and field as the
// frame names them, texts as the adapter keeps them (a call number without its
// blanks, an address letter first).
ConfigurationChange value(const Frame &frame);
} // namespace ConfigurationFrames
