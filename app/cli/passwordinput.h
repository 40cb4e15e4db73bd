#pragma once

#include <QString>

// The master password from standard input, so that it appears neither in the
// process list nor in the shell's history.
namespace PasswordInput {
// One line without its line end. On a terminal the prompt goes to standard
// error first, and what is typed is not echoed.
QString readLine(const QString &prompt);
// Four digits, as the adapter takes it.
bool isValid(const QString &password);
} // namespace PasswordInput
