#pragma once

// What vxconfig-cli tells a script; --help and the README list the same.
enum class ExitCode {
    Done = 0,
    Differences = 1, // the adapter holds other values than the file
    BadInput = 2, // arguments, or a file that cannot be read or written
    PortFailed = 3,
    LoginRefused = 4,
    NoAnswer = 5,
    TransferRefused = 6,
};
