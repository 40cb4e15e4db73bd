#include "chattersource.h"

QByteArray ChatterSource::nextLine()
{
    const int n = m_count++;
    const QByteArray number = QByteArray::number(n % 9 + 1);
    const QByteArray address = char('A' + n % 9) + QByteArray::number(n % 27 + 1);
    QByteArray line;
    switch (n % 7) {
    case 0:
        line = "Ruf fuer Teilnehmer " + number + ":0301234" + number;
        break;
    case 1:
        line = "Hausruf " + number + ":Etage " + address;
        break;
    case 2:
        line = "VX-Adapter bereit!";
        break;
    case 3:
        line = "Notrufbefehl von Teilnehmer " + number + " empfangen";
        break;
    case 4:
        line = "Ruf fuer Teilnehmer " + number + ": besetzt";
        break;
    case 5:
        line = "Leitung " + number + " frei - Rufannahme?";
        break;
    default:
        line = "Status: Teilnehmer " + number + " abgemeldet";
        break;
    }
    return line + '\n';
}
