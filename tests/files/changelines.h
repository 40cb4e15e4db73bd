#pragma once

// What a settings file brought, one line per value, so that a test row can
// state it briefly: "max=60", "3.number1=204", "3.status=0x19/0x1d" (value
// and the bits it carries, when not all), and "3.address:Z99" for a problem.

#include "settingsfile.h"

#include <QStringList>

namespace ChangeLines {

inline QString key(int entry, ConfigurationField field)
{
    // In the order of ConfigurationField.
    static const char *const names[]
        = { "max", "redirect", "number1", "number2", "status", "address" };
    const QString name = QLatin1String(names[int(field)]);
    return field <= ConfigurationField::CallRedirectTime ? name
                                                         : QString::number(entry) + '.' + name;
}

inline QString hex(int number)
{
    return QStringLiteral("0x%1").arg(number, 2, 16, QLatin1Char('0'));
}

inline QStringList changes(const SettingsFileContents &contents)
{
    QStringList lines;
    for (const ConfigurationChange &c : contents.changes) {
        QString value = c.text;
        if (c.field == ConfigurationField::StatusByte)
            value = hex(c.number) + (c.bits == 0xff ? QString() : '/' + hex(c.bits));
        else if (c.field <= ConfigurationField::CallRedirectTime)
            value = QString::number(c.number);
        lines << key(c.entry, c.field) + '=' + value;
    }
    return lines;
}

inline QStringList problems(const SettingsFileContents &contents)
{
    QStringList lines;
    for (const ValueProblem &p : contents.problems)
        lines << key(p.entry, p.field) + ':' + p.text;
    return lines;
}

} // namespace ChangeLines
