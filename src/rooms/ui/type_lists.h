#pragma once

#include <QStringList>

#include <string>

#include "platform/qt/controls.h"
#include "rooms/rates.h"
#include "core/room_types.h"

namespace innvera {

// The ten room type codes in the order every type list offers them; padded with blanks to the
// stored width when asked, so that an entry equals a stored room type.
inline QStringList roomTypeItems(bool padded) {
    QStringList items;
    for (const auto& type : kRoomTypes) {
        const std::string code(type.code);
        items << qs(padded ? paddedRoomType(code) : code);
    }
    return items;
}

}  // namespace innvera
