// MainWindow: the Help menu, with the manual and what the program is.

#include "mainwindow.h"

#include "backupstore.h"
#include "resourcepaths.h"
#include "vxversion.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>

void MainWindow::showAbout()
{
    const auto row = [](const QString &name, const QString &value) {
        return QStringLiteral("<tr><td>%1&nbsp;</td><td>%2</td></tr>")
            .arg(name, value.toHtmlEscaped());
    };
    const QString manual = ResourcePaths::manualFile();
    QMessageBox::about(this, tr("Über vxconfig"),
        QLatin1String("<h3>") + tr("VX-Adapter Software") + QLatin1Char(' ')
            + QLatin1String(VXCONFIG_VERSION) + QLatin1String("</h3><p>")
            + tr("Richtet einen VX-Adapter über die serielle Schnittstelle ein.")
            + QLatin1String("</p><table>")
            + row(tr("Lizenz:"),
                tr("GNU General Public License, Version 3 oder später (GPL-3.0-or-later), "
                   "ohne jede Gewährleistung"))
            + row(tr("Qt:"), QString::fromLatin1(qVersion()))
            + row(tr("Sicherungen:"), QDir::toNativeSeparators(BackupStore::directory()))
            + row(tr("Handbuch:"),
                manual.isEmpty() ? tr("nicht gefunden") : QDir::toNativeSeparators(manual))
            + QLatin1String("</table>"));
}

void MainWindow::showManual()
{
    const QString manual = ResourcePaths::manualFile();
    if (manual.isEmpty()) {
        const QStringList places = ResourcePaths::manualLocations();
        QMessageBox::information(this, tr("Handbuch"),
            tr("Das Handbuch wurde nicht gefunden, weder als %1 noch als %2.")
                .arg(QDir::toNativeSeparators(places.value(0)),
                    QDir::toNativeSeparators(places.value(1))));
    } else if (!QDesktopServices::openUrl(QUrl::fromLocalFile(manual))) {
        QMessageBox::information(this, tr("Handbuch"),
            tr("Für das Handbuch %1 ist kein Programm eingerichtet, das es öffnet.")
                .arg(QDir::toNativeSeparators(manual)));
    }
}
