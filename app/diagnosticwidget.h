#pragma once

#include "ui_diagnosticwidget.h"

#include <QWidget>

class DiagnosticHighlighter;

// Shows the text lines the adapter sends on its own, coloured and kept until
// the user clears them.
class DiagnosticWidget : public QWidget, private Ui::DiagnosticWidget
{
    Q_OBJECT

public:
    explicit DiagnosticWidget(QWidget *parent = nullptr);

public slots:
    void addContent(const QString &content);
    void clearContent();

protected:
    void changeEvent(QEvent *event) override;

private:
    DiagnosticHighlighter *highlighter;
    // The document splits at a lone CR; a CR LF torn between two batches must
    // still end just one line.
    bool endsWithCarriageReturn = false;
};
