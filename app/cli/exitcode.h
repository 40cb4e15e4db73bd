#pragma once

// What vxconfig-cli tells a script; --help and the README list the same.
enum class ExitCode {
    Done = 0,
    Differences = 1, // the adapter holds other values than the file
    BadInput = 2, // arguments, or a file that cannot be read or written
    PortFailed = 3, // could not be opened, or was lost outside a write
    LoginRefused = 4,
    NoAnswer = 5,
    TransferRefused = 6,
    // The line was lost, or the adapter fell silent or answered unreadably,
    // in the middle of a write: it holds part new, part old values.
    PartlyWritten = 7,
    Unreadable = 8, // the adapter answered with a frame that is no answer
    // Plus the signal's number: SIGHUP 129, SIGINT 130, SIGTERM 143.
    Signalled = 128,
};
