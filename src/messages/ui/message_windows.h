#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QWidget>

#include <optional>
#include <string>

#include "platform/desk.h"

namespace innvera {

// The stay a message window works on: the folio number and room the folio screen shows
// when the window opens. Nothing when no stay is shown there.
struct MessageStay {
    float folioNo = 0;
    std::string room;
};
std::optional<MessageStay> stayShownOnFolioScreen(Desk& desk);

// "Message", for posting: who left a message for the stay shown on the folio screen, for
// whom, and its text, dated by the system clock.
class PostMessageWindow : public QWidget {
    Q_OBJECT
public:
    explicit PostMessageWindow(Desk& desk, QWidget* parent = nullptr);

    void post();

private:
    Desk& desk_;
    std::optional<MessageStay> stay_;
    QLabel* dateLabel_;
    QLabel* timeLabel_;
    QLineEdit* fromBox_;
    QLineEdit* toBox_;
    QTextEdit* textBox_;
    QPushButton* postButton_;
    QPushButton* exitButton_;
};

// "Message", for viewing the stay's message: print it for the guest or delete it.
class ViewMessageWindow : public QWidget {
    Q_OBJECT
public:
    explicit ViewMessageWindow(Desk& desk, QWidget* parent = nullptr);

    void print();
    void deleteMessage();

private:
    Desk& desk_;
    std::optional<MessageStay> stay_;
    QLabel* dateLabel_;
    QLabel* timeLabel_;
    QLineEdit* toBox_;
    QLineEdit* fromBox_;
    QTextEdit* textBox_;
    QPushButton* printButton_;
    QPushButton* deleteButton_;
    QPushButton* closeButton_;
};

}  // namespace innvera
