#include "folio/ui/folio_calendar.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "checkin/check_in.h"
#include "checkin/ui/depart_date_calendar.h"
#include "platform/qt/handler.h"
#include "platform/qt/windows.h"

namespace innvera {

FolioCalendar::FolioCalendar(Desk& desk, QWidget* parent) : QWidget(parent), desk_(desk) {
    setObjectName(QStringLiteral("Form9"));
    setWindowTitle(QStringLiteral("Form9"));
    calendar_ = new QCalendarWidget(this);
    calendar_->setObjectName(QStringLiteral("Calendar1"));
    calendar_->setSelectedDate(toQDate(desk_.session.hotelDate));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(calendar_);
    connect(calendar_, &QCalendarWidget::clicked, this, &FolioCalendar::dayClicked);
}

void FolioCalendar::dayClicked(const QDate& day) {
    QWidget* folio = desk_.windows.find(QStringLiteral("FolioWindow"));
    auto* room = folio ? folio->findChild<QLabel*>(QStringLiteral("Label29")) : nullptr;
    auto* departBox = folio ? folio->findChild<QLineEdit*>(QStringLiteral("Text14")) : nullptr;
    if (room && departBox) {
        const Date picked = fromQDate(day);
        runHandler(desk_, [&] {
            if (overbooks(desk_.dataDir, room->text().toStdString(), picked)) {
                desk_.dialogs.inform("ATTENTION!", kOverbooking);
                return;
            }
            departBox->setText(QString::fromStdString(picked.text()));
        });
    }
    close();
}

}  // namespace innvera
