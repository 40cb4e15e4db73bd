#pragma once

#include "kelvoaddresslabel_export.h"

#include <QValidator>

// Judges a bus address (A1 to I24 or 1A to 24I) while it is typed and turns
// its letters into capitals.
//
// Two rule sets share the class: LibraryRules, the library's own, lets a
// number-first text grow digit by digit only up to 12 and tolerates letters J
// to Z as Intermediate; ProgramRules, used by vxconfig's attendee panel,
// allows up to 24, refuses J to Z and refuses three characters that begin and
// end with a digit (1A2).
//
// A text that continues after a complete address (A1-) does not decompose and
// is at best Intermediate.
class KELVOADDRESSLABEL_EXPORT BusAddressValidator : public QValidator
{
    Q_OBJECT

public:
    enum RuleSet { LibraryRules, ProgramRules };
    Q_ENUM(RuleSet)

    explicit BusAddressValidator(QObject *parent = nullptr);
    explicit BusAddressValidator(RuleSet rules, QObject *parent = nullptr);
    ~BusAddressValidator() override;

    RuleSet ruleSet() const { return m_rules; }

    // Rewrites input in upper case; never touches pos.
    State validate(QString &input, int &pos) const override;

private:
    RuleSet m_rules = LibraryRules;
};
