// The one part of the sheet that needs widgets, apart from the rest so that
// the sheet can be written without a display.

#include "sitesheet.h"

#include "sitesheetlayout.h"

#include <QPrintPreviewDialog>
#include <QPrinter>

void SiteSheet::preview(QWidget *parent) const
{
    QPrinter printer(QPrinter::HighResolution);
    setUpPage(printer);
    printer.setDocName(SiteSheetLayout::title());
    QPrintPreviewDialog dialog(&printer, parent);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
        [this](QPrinter *target) { paint(*target); });
    dialog.exec();
}
