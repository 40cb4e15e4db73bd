// fuzz_files: the same bytes as XML configuration and as older settings file.
// Neither reader may crash, hang or report sanitizer errors, and whatever the
// XML reader accepts must survive being written and read back.

#include "configurationxml.h"
#include "legacysettings.h"
#include "settingsfilelimit.h"

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

void checkXml(const QByteArray &data)
{
    const auto changes = ConfigurationXml::read(data);
    if (!changes)
        return;

    ConfigurationXml::Values values;
    for (const ConfigurationXml::Change &change : *changes) {
        if (change.entry < 0 || change.entry > 9)
            abort();
        ConfigurationXml::Entry &entry = values.entries[change.entry];
        switch (change.field) {
        case ConfigurationXml::Change::MaxCallTime:
            values.maxCallTime = change.number;
            break;
        case ConfigurationXml::Change::CallRedirectTime:
            values.callRedirectTime = change.number;
            break;
        case ConfigurationXml::Change::CallNumber1:
            entry.callNumber1 = change.text;
            break;
        case ConfigurationXml::Change::CallNumber2:
            entry.callNumber2 = change.text;
            break;
        case ConfigurationXml::Change::BusAddress:
            if (change.entry == 0)
                abort();
            entry.busAddress = change.text;
            break;
        case ConfigurationXml::Change::StatusByte:
            if (change.number < 0 || change.number > 255)
                abort();
            entry.statusByte = byte(change.number);
            break;
        }
    }

    // Our own file, read back, must give every value as written (unless the
    // values are so long that the file passes the size limit).
    const QByteArray written = ConfigurationXml::write(values);
    if (written.size() > SettingsFileSizeLimit)
        return;
    const auto again = ConfigurationXml::read(written);
    if (!again || again->size() != 2 + 10 * 4 - 1)
        abort();
    for (const ConfigurationXml::Change &change : *again) {
        const ConfigurationXml::Entry &entry = values.entries[change.entry];
        bool same = true;
        switch (change.field) {
        case ConfigurationXml::Change::MaxCallTime:
            same = change.number == values.maxCallTime;
            break;
        case ConfigurationXml::Change::CallRedirectTime:
            same = change.number == values.callRedirectTime;
            break;
        case ConfigurationXml::Change::CallNumber1:
            same = change.text == entry.callNumber1;
            break;
        case ConfigurationXml::Change::CallNumber2:
            same = change.text == entry.callNumber2;
            break;
        case ConfigurationXml::Change::BusAddress:
            same = change.text == entry.busAddress;
            break;
        case ConfigurationXml::Change::StatusByte:
            same = change.number == entry.statusByte;
            break;
        }
        if (!same)
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
    const auto settings = LegacySettings::readFile(fileName);
    if (!settings)
        return;
    if (settings->masterStatusBits & ~LegacySettings::MasterStatusMask)
        abort();
    for (const LegacySettings::Attendee &attendee : settings->attendees) {
        if (attendee.statusBits & ~LegacySettings::AttendeeStatusMask)
            abort();
    }
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
