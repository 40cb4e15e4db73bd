#pragma once

#include "configuration.h"
#include "inputcheck.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// A settings file as the tool takes it: its values applied in order to the
// defaults, and those among them that the adapter cannot take. Unlike the
// window, nothing corrects the two times against each other: a script gets
// what the file says, or a refusal it can see.
class SettingsInput
{
    Q_DECLARE_TR_FUNCTIONS(SettingsInput)

public:
    enum Format { Xml, Legacy };

    // nullopt for a file that cannot be read; error says so.
    static std::optional<SettingsInput> load(
        const QString &fileName, Format format, QString *error);

    // Why the adapter must not get this configuration, one line each; empty
    // when it may.
    QStringList writeObstacles() const;

    Configuration configuration;
    QList<ValueProblem> problems;
};
