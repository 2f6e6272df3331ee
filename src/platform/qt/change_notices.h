#pragma once

#include <QObject>

#include "core/data_dir.h"

namespace innvera {

// The one notice of committed changes. The handler boundary (runHandler) announces every change a
// handler committed to the data directory, with the kinds of file it touched, and every change
// to the hotel date; the main window, the room board and every open list follow it and show
// again what differs. A window never calls another up to tell it.
class ChangeNotices : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    void announce(DataChanges changes) {
        if (changes.any()) emit filesChanged(changes);
    }
    void announceHotelDate() { emit hotelDateChanged(); }

signals:
    void filesChanged(innvera::DataChanges changes);
    // The business day moved (the night was closed, or the clock passed into a new day).
    void hotelDateChanged();
};

}  // namespace innvera
