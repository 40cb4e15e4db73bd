#pragma once

#include <QAbstractButton>
#include <QListWidget>
#include <QObject>

// The widget the forms give this object name; a missing one ends the test run
// at once, since every later step would only fail more obscurely.
template<typename T>
T *child(const QObject &parent, const char *name)
{
    T *object = parent.findChild<T *>(QLatin1String(name));
    if (!object)
        qFatal("no child %s", name);
    return object;
}

inline void click(const QObject &parent, const char *button)
{
    child<QAbstractButton>(parent, button)->click();
}

// A widget of the roster's panel of entry (0: the master).
template<typename T = QWidget>
T *entryChild(const QObject &window, int entry, const char *name)
{
    const auto *roster = child<QListWidget>(window, "listWidget");
    return child<T>(*roster->itemWidget(roster->item(entry)), name);
}
