#pragma once

#include "kelvoaddresslabel_export.h"

#include <QRegularExpression>
#include <QString>

#include <array>

// A bus address both as text (A1, C12, 12C) and as the positions of the five
// three-position DIP switches that set it on the station hardware.
//
// Switches 0 to 2 hold the number minus one in base 3 (weights 9, 3, 1),
// switches 3 and 4 the letter index A = 0 to I = 8 (weights 3, 1).
//
// A text that does not decompose into one letter A to I and a number of one
// or two digits from 1 to 99 (an empty text, a lower-case letter, the number
// 0, trailing characters) leaves an address unchanged. An address constructed
// from such a text therefore keeps an empty name and the positions of A1, all
// zero, and so does convertName() for it.
class KELVOADDRESSLABEL_EXPORT KelvoAddress
{
public:
    static constexpr int SwitchCount = 5;
    using Positions = std::array<unsigned, SwitchCount>;

    explicit KelvoAddress(const QString &name = QString());

    // The text as last given to setAddressName() (order kept: 13E stays 13E),
    // or the letter-first text built by setDippPosition().
    QString addressName() const { return m_addressName; }
    void setAddressName(const QString &name);

    Positions dippPosition() const { return m_dippPosition; }
    // Values above 2 are taken as they are, so A28 (switch 0 = 3) converts back
    // to A28.
    void setDippPosition(const Positions &position);

    // Letter-first text for the given positions.
    static QString convertPosition(const Positions &position);
    // Positions for the given text; all zero (A1) if it does not decompose.
    static Positions convertName(const QString &name);

    // The one text pattern of an address, matched against the whole text:
    // captures 1 and 2 hold letter and number of A12, 3 and 4 number and
    // letter of 12A.
    static const QRegularExpression &pattern();
    // The letter-first form the adapter and the files take: a text that
    // begins with a digit has its last character moved to the front (12B to
    // B12), then every blank is removed.
    static QString letterFirst(const QString &text);
    // Whether the text is an address the five switches can set: a letter A to
    // I and a number 1 to 27, in either order.
    static bool fitsSwitches(const QString &text);

private:
    QString m_addressName;
    Positions m_dippPosition {};
};
