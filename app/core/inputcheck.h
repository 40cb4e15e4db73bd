#pragma once

#include "configuration.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// What stops a transmit: the first entry, field and rule that the
// configuration breaks. Front ends word it and put the cursor there.
struct InputProblem
{
    enum Rule {
        MalformedCallNumber, // not digits only, or longer than its field
        MalformedBusAddress, // no address the DIP switches can set
        MissingCallNumber,
        MissingBusAddress,
        DuplicateBusAddress, // the switches show an earlier attendee's address
        CallTimeOrder, // the two times too close: see callTimesFit()
    };

    int entry = 0;
    ConfigurationField field = ConfigurationField::CallNumber1;
    Rule rule = MissingCallNumber;

    bool operator==(const InputProblem &other) const;
};

// Looks at the two times first (reported on the master's MaxCallTime), then
// the master (the form of its call numbers only), then attendees 1 to 9. Per
// attendee the form of call number 1, call number 2 and the address comes
// first: whether a number is missing means little while another value is one
// the adapter cannot take, and a text the switches cannot show leaves them at
// rest on A1, where it would pass for a duplicate of a real A1. Then, with F
// extended functions, P number 2 dialled first and C call redirect:
//   1. an address without call number 1, unless F and P (then rule 2 applies)
//   2. no call number 2 with F and (P or C)
//   3. call number 2 without call number 1 with F and C
//   4. a call number without an address
//   5. an address whose switch setting an earlier attendee has
std::optional<InputProblem> firstInputProblem(const Configuration &configuration);

// Whether the adapter takes the text as that call number: digits only, no
// more than its field holds. Empty is no number, which the adapter takes.
bool isCallNumber(ConfigurationField field, const QString &text);
// The adapter stops signalling a call at the maximum call time and forwards
// it at the redirect time; it needs the forwarding at least this much sooner.
constexpr int MinimumCallTimeGap = 2;
// Whether the two times leave that gap. A file or the adapter may bring a
// pair that does not; it stays as it is, and the check before a write stops it.
bool callTimesFit(const Configuration &configuration);
// Whether the adapter takes the text as a bus address: empty (none) or one
// the switches can set, in either order.
bool isBusAddress(const QString &text);
// The address as the switches show it, letter first (5A, A05 give A5); a text
// they cannot show leaves them at rest, A1.
QString switchName(const QString &text);

// A value that a settings file brought and the adapter cannot take, as the
// file spells it.
struct ValueProblem
{
    int entry = 0; // not used for the times
    ConfigurationField field = ConfigurationField::MaxCallTime;
    QString text;

    bool operator==(const ValueProblem &other) const;
};

// The problem in a sentence, in the user's language ("Bei Teilnehmer 4 fehlt
// die Rufnummer 2."); a duplicate names the earlier attendee it repeats.
QString inputProblemText(const Configuration &configuration, const InputProblem &problem);

// "Teilnehmer 4, Rufnummer 1: 12a4".
QString valueProblemLine(const ValueProblem &problem);
// One line each, limited for a message box.
QStringList valueProblemLines(const QList<ValueProblem> &problems);
