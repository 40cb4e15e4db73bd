#include "configurationxml.h"

#include "settingsfilelimit.h"

#include <QDomDocument>
#include <QFile>
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

int hexNumber(const QDomElement &element)
{
    bool ok = false;
    const int value = element.text().toInt(&ok, 16);
    return ok ? value : 0;
}

// Attendee3 is entry 3; a name without a number stands for the master.
int entryNumber(const QString &elementName)
{
    bool ok = false;
    const int entry = QString(elementName).remove(AttendeeName).toInt(&ok, 10);
    return ok ? entry : 0;
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

QByteArray ConfigurationXml::write(const Values &values)
{
    // Fields filled by an import may hold control characters that XML cannot
    // carry; written as they are, they would make the file unreadable.
    QDomImplementation::setInvalidDataPolicy(QDomImplementation::DropInvalidChars);

    QDomDocument document(RootName);
    QDomElement root = document.createElement(RootName);
    document.appendChild(root);

    QDomElement general = document.createElement(GeneralName);
    root.appendChild(general);
    appendLeaf(document, general, MaxCallTimeName, QString::number(values.maxCallTime, 16));
    appendLeaf(
        document, general, CallRedirectTimeName, QString::number(values.callRedirectTime, 16));

    for (int n = 0; n < int(values.entries.size()); ++n) {
        const Entry &entry = values.entries[n];
        QDomElement attendee = document.createElement(AttendeeName + QString::number(n));
        root.appendChild(attendee);
        appendLeaf(document, attendee, CallNumber1Name, entry.callNumber1);
        appendLeaf(document, attendee, CallNumber2Name, entry.callNumber2);
        appendLeaf(document, attendee, BusAddressName, n == 0 ? QString() : entry.busAddress);
        appendLeaf(document, attendee, StatusByteName, QString::number(entry.statusByte, 16));
    }
    return document.toByteArray(1);
}

bool ConfigurationXml::writeFile(const QString &fileName, const Values &values)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(write(values));
    return file.commit();
}

std::optional<QList<ConfigurationXml::Change>> ConfigurationXml::read(const QByteArray &data)
{
    if (data.size() > SettingsFileSizeLimit || !withinParserBounds(data))
        return std::nullopt;
    QDomDocument document;
    if (!document.setContent(data, false))
        return std::nullopt;

    // Neither the document type nor the root's name is checked, so a document
    // of another kind simply contributes nothing.
    QList<Change> changes;
    const QDomElement root = document.documentElement();
    for (QDomElement group = root.firstChildElement(); !group.isNull();
         group = group.nextSiblingElement()) {
        const QString groupName = group.tagName();
        if (groupName == GeneralName) {
            for (QDomElement leaf = group.firstChildElement(); !leaf.isNull();
                 leaf = leaf.nextSiblingElement()) {
                if (leaf.tagName() == MaxCallTimeName)
                    changes.append({ Change::MaxCallTime, 0, {}, hexNumber(leaf) });
                else if (leaf.tagName() == CallRedirectTimeName)
                    changes.append({ Change::CallRedirectTime, 0, {}, hexNumber(leaf) });
            }
        } else if (groupName.startsWith(AttendeeName)) {
            const int entry = entryNumber(groupName);
            if (entry < 0 || entry > 9)
                continue;
            for (QDomElement leaf = group.firstChildElement(); !leaf.isNull();
                 leaf = leaf.nextSiblingElement()) {
                const QString leafName = leaf.tagName();
                if (leafName == CallNumber1Name)
                    changes.append({ Change::CallNumber1, entry, leaf.text(), 0 });
                else if (leafName == CallNumber2Name)
                    changes.append({ Change::CallNumber2, entry, leaf.text(), 0 });
                else if (leafName == BusAddressName && entry != 0)
                    changes.append({ Change::BusAddress, entry, leaf.text(), 0 });
                else if (leafName == StatusByteName)
                    changes.append({ Change::StatusByte, entry, {}, hexNumber(leaf) & 0xff });
            }
        }
    }
    return changes;
}

std::optional<QList<ConfigurationXml::Change>> ConfigurationXml::readFile(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    // One byte more than allowed tells an oversized file from one at the limit,
    // also for a device that reports no size.
    const QByteArray data = file.read(SettingsFileSizeLimit + 1);
    if (data.size() > SettingsFileSizeLimit)
        return std::nullopt;
    return read(data);
}
