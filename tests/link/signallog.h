#pragma once

// Records every signal of a SerialHelper as one short text, in order, so a
// test can compare what the link raised with one list.

#include "serialhelper.h"

#include <QStringList>
#include <QTest>

class SignalLog : public QObject
{
public:
    explicit SignalLog(SerialHelper *link)
    {
        connect(link, &SerialHelper::ReceiveStatusByte, this,
            [this](byte a, byte s) { add(QStringLiteral("StatusByte(%1,%2)").arg(a).arg(s)); });
        connect(link, &SerialHelper::ReceiveCallNumber, this,
            [this](byte a, const QByteArray &n, byte slot) {
                add(QStringLiteral("CallNumber(%1,%2,%3)").arg(a).arg(hex(n)).arg(slot));
            });
        connect(link, &SerialHelper::ReceiveBusAddress, this,
            [this](byte a, const QByteArray &address) {
                add(QStringLiteral("BusAddress(%1,%2)").arg(a).arg(hex(address)));
            });
        connect(link, &SerialHelper::ReceiveCallRedirectTime, this, [this](byte t, bool max) {
            add(QStringLiteral("Time(%1,%2)").arg(t).arg(max ? "max" : "redirect"));
        });
        connect(link, &SerialHelper::ReceiveMasterPassword, this,
            [this](const QByteArray &p) { add(QStringLiteral("MasterPassword(%1)").arg(hex(p))); });
        connect(link, &SerialHelper::ReceiveAcknowledge, this, [this] { add("Ack"); });
        connect(link, &SerialHelper::ReceiveNoAcknowledge, this, [this] { add("Nak"); });
        connect(link, &SerialHelper::ReceiveCharacterMessage, this,
            [this](const QString &text) { add(QStringLiteral("Text(%1)").arg(text)); });
        connect(link, &SerialHelper::ReceivePortFailure, this,
            [this](const QString &) { add("PortFailure"); });
    }

    QStringList entries;

    bool waitFor(int count, int timeoutMs = 5000)
    {
        return QTest::qWaitFor([&] { return entries.size() >= count; }, timeoutMs);
    }
    QStringList take() { return std::exchange(entries, {}); }
    QStringList texts() const { return entries.filter(QStringLiteral("Text(")); }
    QStringList frames() const
    {
        QStringList list;
        for (const QString &e : entries) {
            if (!e.startsWith(QLatin1String("Text(")))
                list << e;
        }
        return list;
    }

private:
    static QString hex(const QByteArray &bytes) { return QString::fromLatin1(bytes.toHex()); }
    void add(const QString &entry) { entries << entry; }
};
