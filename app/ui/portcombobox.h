#pragma once

#include <QComboBox>

// The port selector. Besides the ports the system enumerates it offers the
// device paths named in VXCONFIG_PORTS (pseudo-terminals, socat links and
// /dev/serial/by-id names are never enumerated) and paths the user types and
// confirms with Enter. Opening the drop-down lists the ports anew, so an
// adapter plugged in after start-up can be chosen.
class PortComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit PortComboBox(QWidget *parent = nullptr);

    // VXCONFIG_PORTS entries first, then the enumerated port names.
    static QStringList availablePorts();

    // Where the enumerated names come from: QSerialPortInfo unless replaced,
    // which lets a test stand in for a machine without any port.
    using Enumerator = QStringList (*)();
    static void setEnumerator(Enumerator enumerator);

    // Lists the ports anew. The selected entry and typed entries stay; the
    // selection does not change, so the open port is not reopened.
    void refresh();

protected:
    void showPopup() override;

private:
    QStringList listed;
};
