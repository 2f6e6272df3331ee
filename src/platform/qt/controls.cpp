#include "platform/qt/controls.h"

#include <QAbstractItemView>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QKeyEvent>

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

}  // namespace innvera
