#include "platform/qt/controls.h"

namespace innvera {

QLineEdit* lineEdit(const char* objectName, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(objectName));
    return box;
}

QLabel* valueLabel(const char* objectName, QWidget* parent, int minimumWidth) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(objectName));
    label->setMinimumWidth(minimumWidth);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    return label;
}

QPushButton* button(const char* objectName, const char* caption, QWidget* parent) {
    auto* b = new QPushButton(QString::fromLatin1(caption), parent);
    b->setObjectName(QString::fromLatin1(objectName));
    return b;
}

QComboBox* promptList(const QString& objectName, const QString& prompt, const QStringList& entries, QWidget* parent) {
    auto* list = new QComboBox(parent);
    list->setObjectName(objectName);
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->addItems(entries);
    showPrompt(list, prompt);
    list->setMinimumContentsLength(static_cast<int>(prompt.size()));
    list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    return list;
}

void showPrompt(QComboBox* list, const QString& prompt) {
    list->setCurrentIndex(-1);
    list->setEditText(prompt);
}

}  // namespace innvera
