#pragma once

#include <QComboBox>
#include <QString>
#include <QStringList>

#include <string>

#include "platform/qt/controls.h"
#include "rooms/rates.h"
#include "rooms/room_types.h"

// Small helpers the room setup windows share for their lists.
namespace innvera {

inline QString qText(const std::string& text) { return QString::fromStdString(text); }
inline std::string stdText(const QString& text) { return text.toStdString(); }

// A list that also takes typed text, showing `prompt` until something is chosen. Typed
// text is taken as typed: it is not completed to a matching item.
inline QComboBox* makeTypedList(const char* objectName, const QStringList& items, const QString& prompt) {
    auto* list = new QComboBox;
    list->setObjectName(QString::fromLatin1(objectName));
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->setCompleter(nullptr);
    list->addItems(items);
    list->setCurrentIndex(-1);
    list->setEditText(prompt);
    return list;
}

// Puts the prompt back: no item chosen, the prompt as the list's text.
// The ten room type codes in their order; padded to the stored width when asked.
inline QStringList roomTypeItems(bool padded) {
    QStringList items;
    for (const auto& type : kRoomTypes) {
        const std::string code(type.code);
        items << qText(padded ? paddedRoomType(code) : code);
    }
    return items;
}

}  // namespace innvera
