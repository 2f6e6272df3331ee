#pragma once

#include <QWidget>

#include <string>

#include "core/desk.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTextEdit;

namespace innvera {

// The stay a message window works on: the folio number and room the folio screen showed when
// it opened the window.
struct MessageStay {
    float folioNo = 0;
    std::string room;
};

// "Message", for posting: who left a message for the stay, for whom, and its text, dated by
// the system clock.
class PostMessageWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr const char* kName = "PostMessageWindow";

    PostMessageWindow(Desk& desk, MessageStay stay, QWidget* owner);

    void post();

signals:
    // A message was posted for the stay with this folio number.
    void posted(float folioNo);

private:
    void createControls();
    void createLayout();

    Desk& desk_;
    MessageStay stay_;
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
    static constexpr const char* kName = "ViewMessageWindow";

    ViewMessageWindow(Desk& desk, MessageStay stay, QWidget* owner);

    void print();
    void deleteMessage();

private:
    void createControls();
    void createLayout();
    void load();

    Desk& desk_;
    MessageStay stay_;
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
