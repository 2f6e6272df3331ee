#include "platform/qt/controls.h"

#include <QAbstractItemView>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QScrollBar>
#include <QShortcut>
#include <QTextCursor>
#include <QTextEdit>
#include <QValidator>

#include <algorithm>


namespace innvera {

namespace {

// Whether the font the system really gives for `font` has one width for every character: a
// family that is missing is replaced by another, which need not be fixed pitch.
bool reallyFixedPitch(const QFont& font) {
    if (!QFontInfo(font).fixedPitch()) return false;
    const QFontMetricsF metrics(font);
    return metrics.horizontalAdvance(QLatin1Char('i')) == metrics.horizontalAdvance(QLatin1Char('M'));
}

}  // namespace

QFont fixedPitchFont(int pointSize, bool bold) {
    QFont chosen = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    for (const char* family : {"DejaVu Sans Mono", "Liberation Mono", "Courier New", "Monospace"}) {
        QFont font(QString::fromLatin1(family));
        font.setStyleHint(QFont::TypeWriter);
        font.setFixedPitch(true);
        if (reallyFixedPitch(font)) {
            chosen = font;
            break;
        }
    }
    if (pointSize > 0) chosen.setPointSize(pointSize);
    chosen.setBold(bold);
    return chosen;
}

QLineEdit* lineEdit(const QString& objectName, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(objectName);
    return box;
}

QLabel* valueLabel(const QString& objectName, QWidget* parent, int minimumWidth) {
    auto* label = new QLabel(parent);
    label->setObjectName(objectName);
    label->setMinimumWidth(minimumWidth);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    return label;
}

QLabel* captionLabel(const QString& objectName, const QString& caption, QWidget* parent) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(objectName);
    return label;
}

QLabel* captionLabel(const QString& caption, QWidget* parent) { return new QLabel(caption, parent); }

QPushButton* button(const QString& objectName, const QString& caption, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(objectName);
    // Enter on the button that has the focus presses it, as Space does. Only that button: no
    // window is a dialog, so no other button is ever pressed by an Enter typed elsewhere.
    b->setAutoDefault(true);
    return b;
}

QListWidget* listBox(const QString& objectName, QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setObjectName(objectName);
    return list;
}

QComboBox* promptList(const QString& objectName, const QString& prompt, const QStringList& entries, QWidget* parent) {
    auto* list = new QComboBox(parent);
    list->setObjectName(objectName);
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    // Made editable first: that is what gives a list its completer.
    list->setCompleter(nullptr);
    list->addItems(entries);
    showPrompt(list, prompt);
    list->setMinimumContentsLength(static_cast<int>(prompt.size()));
    list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    return list;
}

namespace {

// Swallows the wheel, and the keys that step through the entries while the list is closed.
class DeliberateChoices : public QObject {
public:
    explicit DeliberateChoices(QComboBox* list) : QObject(list), list_(list) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Wheel) return true;
        if (event->type() != QEvent::KeyPress || list_->view()->isVisible()) return false;
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            return !(static_cast<QKeyEvent*>(event)->modifiers() & Qt::AltModifier);  // Alt+Down opens the list
        default:
            return false;
        }
    }

private:
    QComboBox* list_;
};

}  // namespace

void takeOnlyDeliberateChoices(QComboBox* list) {
    auto* filter = new DeliberateChoices(list);
    list->installEventFilter(filter);
    if (list->lineEdit()) list->lineEdit()->installEventFilter(filter);
}

void showPrompt(QComboBox* list, const QString& prompt) {
    list->setCurrentIndex(-1);
    list->setEditText(prompt);
}

void showInColumns(QAbstractItemView* list, int columns, int shownColumns) {
    const QFont fixed = fixedPitchFont();
    list->setFont(fixed);
    const int shown = shownColumns > 0 ? std::min(shownColumns, columns) : columns;
    list->setMinimumWidth(QFontMetrics(fixed).horizontalAdvance(QString(shown, QLatin1Char('M'))) + 30);
    list->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    list->horizontalScrollBar()->setSingleStep(QFontMetrics(fixed).horizontalAdvance(QLatin1Char('M')));
}

QLabel* columnHeadings(QAbstractItemView* list, const QString& headings, QWidget* parent) {
    auto* label = new QLabel(headings, parent);
    label->setFont(list->font());
    label->setContentsMargins(list->frameWidth() + 2, 0, 0, 0);
    // As wide as the list gives it: a heading past the list's edge is cut, as its column is.
    label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    // Scrolled sideways, the headings drop the characters the rows have moved out of sight.
    const qreal charWidth = QFontMetricsF(list->font()).horizontalAdvance(QLatin1Char('M'));
    QObject::connect(list->horizontalScrollBar(), &QScrollBar::valueChanged, label, [label, headings, charWidth](int at) {
        label->setText(headings.mid(qRound(at / charWidth)));
    });
    return label;
}

void exitOnEscape(QWidget* window, QAbstractButton* exitButton) {
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), window);
    escape->setObjectName(QStringLiteral("EscapeShortcut"));
    QObject::connect(escape, &QShortcut::activated, exitButton, &QAbstractButton::click);
}

void closeOnEscape(QWidget* window) {
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), window);
    escape->setObjectName(QStringLiteral("EscapeShortcut"));
    QObject::connect(escape, &QShortcut::activated, window, &QWidget::close);
}

void enterClicks(QAbstractButton* action, std::initializer_list<QLineEdit*> boxes) {
    for (QLineEdit* box : boxes) QObject::connect(box, &QLineEdit::returnPressed, action, &QAbstractButton::click);
}

namespace {

// Return or Enter on the list's current row.
class EnterOnList : public QObject {
public:
    EnterOnList(QAbstractItemView* list, std::function<void(const QModelIndex&)> act)
        : QObject(list), list_(list), act_(std::move(act)) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
        const QModelIndex current = list_->currentIndex();
        if (current.isValid()) act_(current);
        return true;
    }

private:
    QAbstractItemView* list_;
    std::function<void(const QModelIndex&)> act_;
};

// Typed text up to the field's width. A longer text (the prompt) may only be shortened, so
// that it can be edited away; a text set by the window is never refused.
class TypedTextLimit : public QValidator {
public:
    TypedTextLimit(QLineEdit* box, qsizetype width) : QValidator(box), width_(width), shown_(box->text().size()) {
        connect(box, &QLineEdit::textChanged, this, [this](const QString& text) { shown_ = text.size(); });
    }

    State validate(QString& input, int&) const override {
        return input.size() <= width_ || input.size() <= shown_ ? Acceptable : Invalid;
    }

private:
    qsizetype width_;
    qsizetype shown_;
};

}  // namespace

void enterActivates(QAbstractItemView* list, std::function<void(const QModelIndex&)> act) {
    list->installEventFilter(new EnterOnList(list, std::move(act)));
}

namespace {

// A text the window sets (the box then counts as not modified by the clerk) loses its trailing
// blanks; setting the shorter text comes back here once more and changes nothing.
void dropPadding(QLineEdit* box) {
    QObject::connect(box, &QLineEdit::textChanged, box, [box](const QString& text) {
        if (box->isModified() || !text.endsWith(QLatin1Char(' '))) return;
        qsizetype end = text.size();
        while (end > 0 && text.at(end - 1) == QLatin1Char(' ')) --end;
        box->setText(text.left(end));
    });
}

}  // namespace

void holdToField(QLineEdit* box, std::size_t width) {
    box->setMaxLength(static_cast<int>(width));
    dropPadding(box);
}

void limitTypedText(QComboBox* list, std::size_t width) {
    if (QLineEdit* box = list->lineEdit()) {
        box->setValidator(new TypedTextLimit(box, static_cast<qsizetype>(width)));
        dropPadding(box);
    }
}

void limitPlainText(QTextEdit* box, std::size_t width) {
    const auto limit = static_cast<int>(width);
    QObject::connect(box, &QTextEdit::textChanged, box, [box, limit] {
        const int over = static_cast<int>(box->toPlainText().size()) - limit;
        if (over <= 0) return;
        // What was just typed or pasted, before the caret, is dropped, as a full box refuses it;
        // a text set whole (the caret at its start) is cut at the width.
        QTextCursor cursor = box->textCursor();
        const int caret = cursor.position();
        const int start = caret >= over ? caret - over : limit;
        cursor.setPosition(start);
        cursor.setPosition(start + over, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
        box->setTextCursor(cursor);
    });
}

}  // namespace innvera
