#include "configurationdiff.h"

#include "configurationtext.h"
#include "inputcheck.h"
#include "kelvoaddress.h"

#include <QCoreApplication>

namespace {

using Field = ConfigurationField;

// The options one by one, as the older settings file writes them.
QString optionBits(byte status)
{
    return QStringLiteral("%1").arg(status, 8, 2, QLatin1Char('0'));
}

// Two texts that the switches show alike name the same address; the switches
// cannot tell texts apart that they cannot show, so those count as written.
QString addressKey(const QString &text)
{
    return KelvoAddress::fitsSwitches(text) ? switchName(text) : text;
}

QStringList listed(const QList<ConfigurationDifference> &differences,
    QString (*line)(const ConfigurationDifference &))
{
    QStringList lines;
    for (const ConfigurationDifference &difference : differences)
        lines << line(difference);
    return ConfigurationText::limited(lines);
}

} // namespace

bool ConfigurationDifference::operator==(const ConfigurationDifference &other) const
{
    return entry == other.entry && field == other.field && written == other.written
        && read == other.read;
}

QList<ConfigurationDifference> configurationDifferences(
    const Configuration &written, const Configuration &read)
{
    QList<ConfigurationDifference> differences;
    const auto compare = [&](int entry, Field field, const QString &w, const QString &r) {
        if (w != r)
            differences.append({ entry, field, w, r });
    };
    compare(Configuration::Master, Field::MaxCallTime, QString::number(written.maxCallTime),
        QString::number(read.maxCallTime));
    compare(Configuration::Master, Field::CallRedirectTime,
        QString::number(written.callRedirectTime), QString::number(read.callRedirectTime));

    for (int n = 0; n < Configuration::EntryCount; ++n) {
        const ConfigurationEntry &w = written.entries[n];
        const ConfigurationEntry &r = read.entries[n];
        compare(n, Field::CallNumber1, w.callNumber1, r.callNumber1);
        compare(n, Field::CallNumber2, w.callNumber2, r.callNumber2);
        const byte mask = Configuration::statusMask(n);
        compare(
            n, Field::StatusByte, optionBits(w.statusByte & mask), optionBits(r.statusByte & mask));
        if (n != Configuration::Master && addressKey(w.busAddress) != addressKey(r.busAddress))
            differences.append({ n, Field::BusAddress, w.busAddress, r.busAddress });
    }
    return differences;
}

QString differenceLine(const ConfigurationDifference &difference)
{
    //: "Teilnehmer 4, Rufnummer 2: geschrieben 0301234, gelesen 0301243"
    return QCoreApplication::translate("ConfigurationText", "%1: geschrieben %2, gelesen %3")
        .arg(ConfigurationText::listedName(difference.entry, difference.field),
            ConfigurationText::quoted(difference.written),
            ConfigurationText::quoted(difference.read));
}

QStringList differenceLines(const QList<ConfigurationDifference> &differences)
{
    return listed(differences, differenceLine);
}

QString changeLine(const ConfigurationDifference &difference)
{
    //: "Teilnehmer 4, Rufnummer 2: 0301243 → 0301234", from the adapter's value to the screen's
    const QString line = QCoreApplication::translate("ConfigurationText", "%1: %2 → %3");
    if (difference.field != ConfigurationField::StatusByte) {
        return line.arg(ConfigurationText::listedName(difference.entry, difference.field),
            ConfigurationText::quoted(difference.read),
            ConfigurationText::quoted(difference.written));
    }
    // An installer thinks in option boxes, not in bits: one line a box.
    const int read = difference.read.toInt(nullptr, 2);
    const int written = difference.written.toInt(nullptr, 2);
    const auto state = [](bool on) {
        return on ? QCoreApplication::translate("ConfigurationText", "ein")
                  : QCoreApplication::translate("ConfigurationText", "aus");
    };
    QStringList lines;
    for (const byte bit : ConfigurationText::optionBits(difference.entry)) {
        if ((read ^ written) & bit) {
            lines << line.arg(ConfigurationText::listedName(difference.entry,
                                  ConfigurationText::optionName(difference.entry, bit)),
                state(read & bit), state(written & bit));
        }
    }
    return lines.join(QLatin1Char('\n'));
}

QStringList changeLines(const QList<ConfigurationDifference> &differences)
{
    QStringList lines;
    for (const ConfigurationDifference &difference : differences)
        lines << changeLine(difference).split(QLatin1Char('\n'));
    return lines;
}
