#include "configurationxml.h"

#include "kelvoaddress.h"

#include <QCoreApplication>
#include <QDomDocument>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QXmlStreamReader>

namespace {

const QString RootName = QStringLiteral("Vx-Configuration");
const QString GeneralName = QStringLiteral("General");
const QString MaxCallTimeName = QStringLiteral("MaxCallTime");
const QString CallRedirectTimeName = QStringLiteral("CallRedirectTime");
const QString AttendeeName = QStringLiteral("Attendee");
const QString CallNumber1Name = QStringLiteral("CallNumber1");
const QString CallNumber2Name = QStringLiteral("CallNumber2");
const QString BusAddressName = QStringLiteral("BusAddress");
const QString StatusByteName = QStringLiteral("StatusByte");

// The toolkit's DOM parser slows down with the square of the nesting depth, and
// its XML reader with the square of the attributes of one element. Our files are
// three levels deep and carry no attributes, so these bounds only stop a file
// that would freeze the window.
constexpr int MaxDepth = 64;
constexpr qsizetype MaxEqualSigns = 1024;

bool withinParserBounds(const QByteArray &data)
{
    if (data.count('=') > MaxEqualSigns)
        return false;
    QXmlStreamReader reader(data);
    int depth = 0;
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::StartElement && ++depth > MaxDepth)
            return false;
        if (token == QXmlStreamReader::EndElement)
            --depth;
    }
    // Whether the document is well-formed is left to the DOM parser.
    return true;
}

// Attendee3 is entry 3; a name without a number stands for the master.
int entryNumber(const QString &elementName)
{
    bool ok = false;
    const int entry = QString(elementName).remove(AttendeeName).toInt(&ok, 10);
    return ok ? entry : 0;
}

// A time or status byte in hex. The change carries what the window takes:
// 0 for what is no number, a status byte's low 8 bits, a time as it is (the
// window limits it). The file's text goes on the list if it is more than that.
void readNumber(
    SettingsFileContents &contents, ConfigurationField field, int entry, const QDomElement &leaf)
{
    const bool status = field == ConfigurationField::StatusByte;
    bool ok = false;
    const int value = leaf.text().toInt(&ok, 16);
    if (!ok || value < 0 || value > (status ? 0xff : Configuration::MaxTime))
        contents.problems.append({ entry, field, leaf.text() });
    contents.changes.append({ field, entry, {}, status ? value & 0xff : value });
}

// A call number or bus address, taken as it is.
void readText(
    SettingsFileContents &contents, ConfigurationField field, int entry, const QDomElement &leaf)
{
    const QString text = leaf.text();
    const bool fits
        = field == ConfigurationField::BusAddress ? isBusAddress(text) : isCallNumber(field, text);
    if (!fits)
        contents.problems.append({ entry, field, text });
    contents.changes.append({ field, entry, text });
}

void appendLeaf(
    QDomDocument &document, QDomElement &parent, const QString &name, const QString &text)
{
    QDomElement leaf = document.createElement(name);
    // Also an empty value gets its text node, so that it is written as start
    // and end tag rather than self-closing.
    leaf.appendChild(document.createTextNode(text));
    parent.appendChild(leaf);
}

} // namespace

QByteArray ConfigurationXml::toXml(const Configuration &configuration, const QString &comment)
{
    // Fields filled by an import may hold control characters that XML cannot
    // carry; written as they are, they would make the file unreadable.
    QDomImplementation::setInvalidDataPolicy(QDomImplementation::DropInvalidChars);

    QDomDocument document(RootName);
    QDomElement root = document.createElement(RootName);
    document.appendChild(root);
    if (!comment.isEmpty())
        root.appendChild(document.createComment(comment));

    QDomElement general = document.createElement(GeneralName);
    root.appendChild(general);
    appendLeaf(document, general, MaxCallTimeName, QString::number(configuration.maxCallTime, 16));
    appendLeaf(document, general, CallRedirectTimeName,
        QString::number(configuration.callRedirectTime, 16));

    for (int n = 0; n < Configuration::EntryCount; ++n) {
        const ConfigurationEntry &entry = configuration.entries[n];
        QDomElement attendee = document.createElement(AttendeeName + QString::number(n));
        root.appendChild(attendee);
        appendLeaf(document, attendee, CallNumber1Name, entry.callNumber1);
        appendLeaf(document, attendee, CallNumber2Name, entry.callNumber2);
        appendLeaf(document, attendee, BusAddressName,
            n == Configuration::Master ? QString() : KelvoAddress::letterFirst(entry.busAddress));
        appendLeaf(document, attendee, StatusByteName,
            QString::number(entry.statusByte & Configuration::statusMask(n), 16));
    }
    return document.toByteArray(1);
}

bool ConfigurationXml::save(const QString &fileName, const Configuration &configuration,
    QString *errorString, const QString &comment)
{
    QSaveFile file(fileName);
    return open(file, errorString) && save(file, configuration, errorString, comment);
}

bool ConfigurationXml::open(QSaveFile &file, QString *errorString)
{
    const auto fail = [errorString](const QString &reason) {
        if (errorString)
            *errorString = reason;
        return false;
    };
    const QFileInfo target(file.fileName());
    if (target.exists() && !target.isFile())
        return fail(QCoreApplication::translate(
            "ConfigurationXml", "Das Ziel ist keine gewöhnliche Datei."));

    // Unbuffered, so that a write the disk refuses fails in save() and the
    // file is never committed; buffered, the failure would only show in
    // commit(), which the toolkit does not check before renaming.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(file.errorString());
    return true;
}

bool ConfigurationXml::save(QSaveFile &file, const Configuration &configuration,
    QString *errorString, const QString &comment)
{
    const QByteArray data = toXml(configuration, comment);
    if (file.write(data) == data.size() && file.commit())
        return true;
    if (errorString)
        *errorString = file.errorString();
    return false;
}

std::optional<SettingsFileContents> ConfigurationXml::fromXml(const QByteArray &data)
{
    if (data.size() > SettingsFile::SizeLimit || !withinParserBounds(data))
        return std::nullopt;
    QDomDocument document;
    if (!document.setContent(data, false))
        return std::nullopt;

    // Neither the document type nor the root's name is checked, so a document
    // of another kind simply contributes nothing.
    SettingsFileContents contents;
    const QDomElement root = document.documentElement();
    for (QDomElement group = root.firstChildElement(); !group.isNull();
         group = group.nextSiblingElement()) {
        const QString groupName = group.tagName();
        if (groupName == GeneralName) {
            for (QDomElement leaf = group.firstChildElement(); !leaf.isNull();
                 leaf = leaf.nextSiblingElement()) {
                if (leaf.tagName() == MaxCallTimeName)
                    readNumber(contents, ConfigurationField::MaxCallTime, 0, leaf);
                else if (leaf.tagName() == CallRedirectTimeName)
                    readNumber(contents, ConfigurationField::CallRedirectTime, 0, leaf);
            }
        } else if (groupName.startsWith(AttendeeName)) {
            const int entry = entryNumber(groupName);
            if (!Configuration::isEntry(entry))
                continue;
            for (QDomElement leaf = group.firstChildElement(); !leaf.isNull();
                 leaf = leaf.nextSiblingElement()) {
                const QString leafName = leaf.tagName();
                if (leafName == CallNumber1Name)
                    readText(contents, ConfigurationField::CallNumber1, entry, leaf);
                else if (leafName == CallNumber2Name)
                    readText(contents, ConfigurationField::CallNumber2, entry, leaf);
                else if (leafName == BusAddressName && entry != Configuration::Master)
                    readText(contents, ConfigurationField::BusAddress, entry, leaf);
                else if (leafName == StatusByteName)
                    readNumber(contents, ConfigurationField::StatusByte, entry, leaf);
            }
        }
    }
    return contents;
}

std::optional<SettingsFileContents> ConfigurationXml::load(const QString &fileName)
{
    if (!SettingsFile::isReadable(fileName))
        return std::nullopt;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    // One byte more than allowed tells a file that grew past the limit since
    // it was looked at from one at the limit.
    const QByteArray data = file.read(SettingsFile::SizeLimit + 1);
    if (data.size() > SettingsFile::SizeLimit)
        return std::nullopt;
    return fromXml(data);
}

QString ConfigurationXml::comment(const QString &fileName)
{
    if (!SettingsFile::isReadable(fileName))
        return QString();
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    QXmlStreamReader reader(&file);
    int depth = 0;
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::StartElement && ++depth > 1)
            break;
        if (token == QXmlStreamReader::Comment && depth == 1)
            return reader.text().toString();
    }
    return QString();
}
