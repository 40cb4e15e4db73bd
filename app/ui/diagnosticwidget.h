#pragma once

#include <QWidget>

#include <memory>

class DiagnosticHighlighter;

namespace Ui {
class DiagnosticWidget;
}

// Shows the text lines the adapter sends on its own, coloured; the newest
// MaximumLines are kept until the user clears them.
class DiagnosticWidget : public QWidget
{
    Q_OBJECT

public:
    // The adapter chats all day: older lines are dropped, so that memory and
    // the cost of each new line stay bounded.
    static constexpr int MaximumLines = 50000;

    explicit DiagnosticWidget(QWidget *parent = nullptr);
    ~DiagnosticWidget() override;

public slots:
    void addContent(const QString &content);
    void clearContent();

protected:
    void changeEvent(QEvent *event) override;

private:
    void gatherLooseLines();
    void dropOldestLines();

    std::unique_ptr<Ui::DiagnosticWidget> m_ui;
    DiagnosticHighlighter *m_highlighter;
    // The document splits at a lone CR; a CR LF torn between two batches must
    // still end just one line.
    bool m_endsWithCarriageReturn = false;
    int m_looseLines = 0; // finished lines not yet gathered into a block
};
