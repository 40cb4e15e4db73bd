#include "portcombobox.h"

#include <QSerialPortInfo>
#include <QSignalBlocker>

namespace {

QStringList enumeratedPorts()
{
    QStringList names;
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts())
        names << info.portName();
    return names;
}

PortComboBox::Enumerator enumerator = enumeratedPorts;

} // namespace

void PortComboBox::setEnumerator(Enumerator replacement)
{
    enumerator = replacement ? replacement : enumeratedPorts;
}

PortComboBox::PortComboBox(QWidget *parent)
    : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::InsertAtBottom);
}

QStringList PortComboBox::availablePorts()
{
    QStringList ports;
    const QString extra = qEnvironmentVariable("VXCONFIG_PORTS");
    for (const QString &path : extra.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        if (!ports.contains(path))
            ports << path;
    }
    for (const QString &name : enumerator()) {
        if (!ports.contains(name))
            ports << name;
    }
    return ports;
}

void PortComboBox::refresh()
{
    const QString current = currentIndex() >= 0 ? itemText(currentIndex()) : QString();

    QStringList typed;
    for (int i = 0; i < count(); ++i) {
        if (!listed.contains(itemText(i)))
            typed << itemText(i);
    }

    listed = availablePorts();
    QStringList entries = listed;
    for (const QString &port : std::as_const(typed)) {
        if (!entries.contains(port))
            entries << port;
    }
    // A port that vanished stays while it is selected: the user chose it.
    if (!current.isEmpty() && !entries.contains(current))
        entries << current;

    if (current.isEmpty()) {
        // Nothing was selected, so the first port found is selected and opened
        // through the usual currentIndexChanged path.
        clear();
        addItems(entries);
        return;
    }

    const QSignalBlocker blocker(this);
    clear();
    addItems(entries);
    setCurrentIndex(entries.indexOf(current));
}

void PortComboBox::showPopup()
{
    refresh();
    QComboBox::showPopup();
}
