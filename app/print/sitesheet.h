#pragma once

#include "configuration.h"

#include <QCoreApplication>
#include <QDate>
#include <QString>

class QPagedPaintDevice;
class QWidget;

// The sheet a technician takes to the building: per station its call numbers,
// its options in words and how to set the five DIP switches of its bus
// address. Attendees without any value share one line instead of a block.
//
// Painting needs a QGuiApplication but no widgets; only preview() shows one.
// Texts follow the translators installed when painting.
class SiteSheet
{
    Q_DECLARE_TR_FUNCTIONS(SiteSheet)

public:
    // fileName: the configuration file the sheet names, empty for none.
    explicit SiteSheet(const Configuration &configuration, const QString &fileName = QString(),
        QDate date = QDate::currentDate());

    // Paints the sheet page by page into the device's paint rectangle, from
    // its current page on, in whatever page size it has. False if no painter
    // could be opened on it.
    bool paint(QPagedPaintDevice &device) const;

    // A4 portrait into exactly this path; an existing file is replaced only by
    // a complete sheet. On failure error (if given) says why.
    bool writePdf(const QString &path, QString *error = nullptr) const;

    // The print preview, modal, from which the user prints the sheet.
    void preview(QWidget *parent) const;

    // path, with ".pdf" added unless it already ends so (in any case).
    static QString withPdfSuffix(const QString &path);
    // A4 portrait with the sheet's margins; writePdf() and preview() start so.
    static void setUpPage(QPagedPaintDevice &device);

private:
    Configuration m_configuration;
    QString m_fileName;
    QDate m_date;
};
