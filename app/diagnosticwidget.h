#pragma once

#include <QWidget>

// Placeholder until the diagnostic pane lands.
class DiagnosticWidget : public QWidget
{
    Q_OBJECT
public:
    explicit DiagnosticWidget(QWidget *parent = nullptr) : QWidget(parent) {}
public slots:
    void addContent(const QString &) {}
    void clearContent() {}
};
