#pragma once

#include <QString>
#include <QStringList>

// Where the tool speaks: results on standard output, for a script to take;
// progress, notes, warnings and errors on standard error. Progress is a bar
// redrawn in one line on a terminal and one plain line per step otherwise
// (a log file). Quiet leaves out progress and notes, never errors or warnings.
//
// Every text handed over is one line. Much of it comes from files (values,
// names), so a control character in it, line breaks included, is shown as an
// escape such as \x1b: it could steer the terminal or forge a line a script
// reads.
class Console
{
public:
    Console();
    ~Console();

    Console(const Console &) = delete;
    Console &operator=(const Console &) = delete;

    void setQuiet(bool quiet) { m_quiet = quiet; }

    void result(const QString &line);
    // One line of columns separated by tabs.
    void result(const QStringList &columns);
    void progress(int step, int total, const QString &what);
    void note(const QString &line);
    void error(const QString &line);

private:
    void endBar();

    bool m_quiet = false;
    bool m_terminal = false;
    bool m_barShown = false;
};
