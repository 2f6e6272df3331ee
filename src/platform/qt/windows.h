#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>
#include <map>

namespace innvera {

// The registry of the program's windows. Each kind of window is defined once, under its
// object name, by the code that wires the program together; any window can then open
// another by name without knowing its class. When the last open window is gone the
// program ends.
class Windows : public QObject {
public:
    using Factory = std::function<QWidget*()>;

    // `whenNoneLeft` runs once the last window has closed (production: the application quits).
    explicit Windows(std::function<void()> whenNoneLeft);

    void define(const QString& name, Factory factory);
    bool defines(const QString& name) const { return factories_.count(name) > 0; }

    // Shows the open window of that name on top, or makes and shows a new one.
    // Returns nullptr for a name nobody defined.
    QWidget* open(const QString& name);
    // The open window of that name, if any.
    QWidget* find(const QString& name) const;
    template <class W>
    W* find(const QString& name) const { return qobject_cast<W*>(find(name)); }
    // Every open window but `except` and the windows named in `keep`.
    void closeAllBut(const QWidget* except, const QStringList& keep);
    QList<QWidget*> openWindows() const;

private:
    void track(QWidget* window);
    void checkNoneLeft();

    std::function<void()> whenNoneLeft_;
    std::map<QString, Factory> factories_;
    QList<QPointer<QWidget>> windows_;
    bool checkQueued_ = false;
};

}  // namespace innvera
