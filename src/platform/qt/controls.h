#pragma once

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <functional>
#include <initializer_list>
#include <string>

class QTextEdit;

// The makers of the controls every window builds, each carrying its documented name as its
// object name, and the two conversions between the domain's texts and the controls' texts.
namespace innvera {

// A domain text (UTF-8) as a control's text, and back.
inline QString qs(const std::string& text) { return QString::fromStdString(text); }
inline std::string str(const QString& text) { return text.toStdString(); }

// A font whose characters all have the same width on every machine, for texts laid out in
// columns: the first installed of DejaVu Sans Mono, Liberation Mono, Courier New and the
// system's "Monospace" that really is fixed pitch, else the system's fixed font.
// `pointSize` 0 keeps the default size.
QFont fixedPitchFont(int pointSize = 0, bool bold = false);

QLineEdit* lineEdit(const QString& objectName, QWidget* parent);
// A sunken label that shows a value (a rate, a folio number, a date).
QLabel* valueLabel(const QString& objectName, QWidget* parent, int minimumWidth = 80);
// A label that names the control beside it ("Room #", "Hotel Date:"); the documented ones carry
// their name.
QLabel* captionLabel(const QString& objectName, const QString& caption, QWidget* parent);
QLabel* captionLabel(const QString& caption, QWidget* parent);
// A push button; Enter or Space presses it while it has the focus.
QPushButton* button(const QString& objectName, const QString& caption, QWidget* parent);
QListWidget* listBox(const QString& objectName, QWidget* parent);
// A drop-down list that can also be typed into, showing `prompt` until something is chosen.
// Typed text stays as typed: it is never completed to a matching entry.
QComboBox* promptList(const QString& objectName, const QString& prompt, const QStringList& entries, QWidget* parent);
// Makes a list whose choice does something at once (moves a guest) take only deliberate
// choices: an entry picked from its opened list, or typed and confirmed with Enter. A turn of the
// mouse wheel over it, or an arrow or page key while it has the focus, changes nothing.
void takeOnlyDeliberateChoices(QComboBox* list);
// Puts the prompt back, with no entry chosen.
void showPrompt(QComboBox* list, const QString& prompt);

// A list whose rows are columns of fixed-pitch text: set in the fixed-pitch font and wide enough
// for `columns` characters, or for the first `shownColumns` of them where the window would not
// fit the screen otherwise: the rest is reached with the list's horizontal scroll bar.
void showInColumns(QAbstractItemView* list, int columns, int shownColumns = 0);
// The headings over such a list, in its font and starting where its rows start; they move with
// the list when it is scrolled sideways, and never widen the window.
QLabel* columnHeadings(QAbstractItemView* list, const QString& headings, QWidget* parent);

// The keyboard, as a clerk expects it of every window.
//
// Escape does what the window's "Exit" (or "Close") does, its question included: the button
// is clicked.
void exitOnEscape(QWidget* window, QAbstractButton* exitButton);
// Escape closes a window that has no "Exit" (a calendar).
void closeOnEscape(QWidget* window);
// Enter in any of the boxes clicks the window's main action. Only for boxes with no Enter of
// their own, and never for an action that destroys or closes (check-in, check-out, cancel).
void enterClicks(QAbstractButton* action, std::initializer_list<QLineEdit*> boxes);
// Enter (or Return) on a list's current row does what a double-click on it does.
void enterActivates(QAbstractItemView* list, std::function<void(const QModelIndex&)> act);

// What a box can hold. A box whose text is stored in a field of `width` characters takes no
// more than that: a text box, a typed list (its prompt may be longer, and can still be edited
// away), and a rich-text box (what is pasted or typed past the width is dropped).
//
// A stored field is padded with blanks to its width, and a box that showed it so would be full:
// nothing typed at its end or in its middle would appear. So a text box or typed list held to a
// field drops the trailing blanks of every text the window puts in it (what the clerk types
// keeps its blanks); the text is padded again when it is stored.
void holdToField(QLineEdit* box, std::size_t width);
void limitTypedText(QComboBox* list, std::size_t width);
void limitPlainText(QTextEdit* box, std::size_t width);

}  // namespace innvera
