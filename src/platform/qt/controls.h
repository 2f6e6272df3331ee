#pragma once

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QString>

#include <string>

// Small makers of the controls every window builds, each carrying its documented name.
namespace innvera {

inline QString qs(const std::string& text) { return QString::fromStdString(text); }

QLineEdit* lineEdit(const char* objectName, QWidget* parent);
// A sunken label that shows a value (a tax, a folio number, a date).
QLabel* valueLabel(const char* objectName, QWidget* parent, int minimumWidth = 80);
QPushButton* button(const char* objectName, const char* caption, QWidget* parent);
// An editable drop-down list whose text starts as a prompt ("Select Room").
QComboBox* promptList(const QString& objectName, const QString& prompt, const QStringList& entries, QWidget* parent);
// Puts the prompt back, with no entry chosen.
void showPrompt(QComboBox* list, const QString& prompt);

}  // namespace innvera
