#pragma once

#include <QWidget>

#include <memory>

class DiagnosticHighlighter;

namespace Ui {
class DiagnosticWidget;
}

// Shows the text lines the adapter sends on its own, coloured and kept until
// the user clears them.
class DiagnosticWidget : public QWidget
{
    Q_OBJECT

public:
    explicit DiagnosticWidget(QWidget *parent = nullptr);
    ~DiagnosticWidget() override;

public slots:
    void addContent(const QString &content);
    void clearContent();

protected:
    void changeEvent(QEvent *event) override;

private:
    std::unique_ptr<Ui::DiagnosticWidget> m_ui;
    DiagnosticHighlighter *m_highlighter;
    // The document splits at a lone CR; a CR LF torn between two batches must
    // still end just one line.
    bool m_endsWithCarriageReturn = false;
};
