#pragma once

#include <QString>

// Where the tool speaks: results on standard output, for a script to take;
// progress, notes, warnings and errors on standard error. Progress is a bar
// redrawn in one line on a terminal and one plain line per step otherwise
// (a log file). Quiet leaves out progress and notes, never errors or warnings.
class Console
{
public:
    Console();
    ~Console();

    Console(const Console &) = delete;
    Console &operator=(const Console &) = delete;

    void setQuiet(bool quiet) { m_quiet = quiet; }

    void result(const QString &line);
    void progress(int step, int total, const QString &what);
    void note(const QString &line);
    void error(const QString &line);

private:
    void endBar();

    bool m_quiet = false;
    bool m_terminal = false;
    bool m_barShown = false;
};
