#pragma once

#include <QCalendarWidget>
#include <QWidget>

#include "platform/desk.h"

namespace innvera {

// "Form9": picks a new departure date for the stay shown on the folio screen, refusing a
// date that would run into an open reservation of the guest's room. Writes no file.
class FolioCalendar : public QWidget {
    Q_OBJECT
public:
    explicit FolioCalendar(Desk& desk, QWidget* parent = nullptr);

    void dayClicked(const QDate& day);

private:
    Desk& desk_;
    QCalendarWidget* calendar_;
};

}  // namespace innvera
