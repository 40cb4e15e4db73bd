// fuzz_files: the same bytes as XML configuration and as older settings file.
// Neither reader may crash, hang or report sanitizer errors, and whatever the
// XML reader accepts must survive being written and read back.

#include "configurationxml.h"
#include "kelvoaddress.h"
#include "legacysettings.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>

namespace {

QTemporaryDir *directory = nullptr;
quint32 round = 0;

// Without a corpus the fuzzer seldom builds a whole file by chance, so every
// input is also tried inside a valid one, at a place its first byte picks.
const QByteArray xmlTemplate = "<!DOCTYPE Vx-Configuration>\n<Vx-Configuration>\n <General>\n"
                               "  <MaxCallTime>3c</MaxCallTime>\n"
                               "  <CallRedirectTime>1e</CallRedirectTime>\n </General>\n"
                               " <Attendee0>\n  <CallNumber1>201</CallNumber1>\n"
                               "  <CallNumber2></CallNumber2>\n  <BusAddress></BusAddress>\n"
                               "  <StatusByte>41</StatusByte>\n </Attendee0>\n"
                               " <Attendee1>\n  <CallNumber1>204</CallNumber1>\n"
                               "  <CallNumber2>205</CallNumber2>\n  <BusAddress>A12</BusAddress>\n"
                               "  <StatusByte>21</StatusByte>\n </Attendee1>\n"
                               "</Vx-Configuration>\n";
const QByteArray legacyTemplate
    = "[Master]\nMaxrufsignalisierung=60\nRufweiterschaltung=30\nMasterNummer1=201\n"
      "MasterNummer2=\nMasterStatusByte=01000001\n\n[Teilnehmer]\n"
      "Rufnummer1=\"204;205;;;;;;;\"\nRufnummer2=\";206;;;;;;;\"\n"
      "KelvoAdresse=\"A12;B3;;;;;;;\"\n"
      "Statusbytes=\"00011001;00000100;00000000;00000000;00000000;00000000;00000000;00000000;"
      "00000000\"\n";

QByteArray spliced(const QByteArray &file, const QByteArray &data)
{
    if (data.isEmpty())
        return file;
    const qsizetype at = quint8(data.at(0)) * file.size() / 256;
    return file.left(at) + data.mid(1) + file.mid(at);
}

void quiet(QtMsgType, const QMessageLogContext &, const QString &) { }

// Every change names an entry and field the configuration has.
Configuration applied(const SettingsFileContents &contents)
{
    Configuration configuration;
    for (const ConfigurationChange &change : contents.changes) {
        if (!Configuration::isEntry(change.entry)
            || (change.field == ConfigurationField::BusAddress
                && change.entry == Configuration::Master)
            || (change.field == ConfigurationField::StatusByte
                && (change.number < 0 || change.number > 0xff)))
            abort();
        configuration.apply(change);
    }
    return configuration;
}

void checkXml(const QByteArray &data)
{
    const auto contents = ConfigurationXml::fromXml(data);
    if (!contents)
        return;
    const Configuration loaded = applied(*contents);

    // Our own file, read back, must give every value as written (unless the
    // values are so long that the file passes the size limit), with addresses
    // letter first, and no time or status byte that the adapter cannot take.
    const QByteArray written = ConfigurationXml::toXml(loaded);
    if (written.size() > SettingsFile::SizeLimit)
        return;
    const auto again = ConfigurationXml::fromXml(written);
    if (!again || again->changes.size() != 2 + 10 * 4 - 1)
        abort();
    Configuration expected = loaded;
    for (ConfigurationEntry &entry : expected.entries)
        entry.busAddress = KelvoAddress::letterFirst(entry.busAddress);
    if (applied(*again) != expected)
        abort();
    for (const ValueProblem &problem : again->problems) {
        if (problem.field != ConfigurationField::CallNumber1
            && problem.field != ConfigurationField::CallNumber2
            && problem.field != ConfigurationField::BusAddress)
            abort();
    }
}

void checkLegacy(const QByteArray &data)
{
    // Always the same file: the settings class caches what it read under the
    // file's name, and new names would pile up there. A new modification time
    // each round makes it read the file again.
    const QString fileName = directory->filePath(QStringLiteral("input.cvx"));
    {
        QFile file(fileName);
        // Rewritten in place: truncating frees the file's block each round,
        // which is slow on a disk that discards freed blocks.
        if (!file.open(QIODevice::ReadWrite) || file.write(data) != data.size()
            || !file.resize(data.size())
            || !file.setFileTime(QDateTime::fromSecsSinceEpoch(qint64(++round), Qt::UTC),
                QFileDevice::FileModificationTime))
            abort();
    }
    const auto contents = LegacySettings::load(fileName);
    if (!contents)
        return;
    // The whole screen, every time; the options without extended functions.
    if (contents->changes.size() != 5 + 9 * 4)
        abort();
    for (const ConfigurationChange &change : contents->changes) {
        if (change.field == ConfigurationField::StatusByte
            && (change.bits & StatusBit::ExtendedFeatures || change.number & ~change.bits))
            abort();
    }
    applied(*contents);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication application(*argc, *argv);
    directory = new QTemporaryDir;
    if (!directory->isValid())
        abort();
    qInstallMessageHandler(quiet);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size)
{
    const QByteArray data
        = QByteArray::fromRawData(reinterpret_cast<const char *>(bytes), qsizetype(size));
    checkXml(data);
    checkXml(spliced(xmlTemplate, data));
    checkLegacy(data);
    checkLegacy(spliced(legacyTemplate, data));
    return 0;
}
