#pragma once

#include <QByteArray>

// The plain text lines that an adapter sends on its own, in turn: call lines,
// house-call lines, plain status lines and emergency-command lines, with and
// without text straight after the colon.
class ChatterSource
{
public:
    QByteArray nextLine();

private:
    int m_count = 0;
};
