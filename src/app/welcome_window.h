#pragma once

#include <QWidget>

#include "core/desk.h"

class QCheckBox;

namespace innvera {

// "Welcome": greets a new installation and leads to the setup tasks needed before the first
// check-in: the tax rate, the rooms, their rates and the motel's own name and address.
class WelcomeWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr const char* kName = "Form35";

    explicit WelcomeWindow(Desk& desk);

private:
    void rememberChoice(bool dontShowAgain);

    Desk& desk_;
    QCheckBox* dontShowAgain_;
};

}  // namespace innvera
