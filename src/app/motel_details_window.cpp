#include "app/motel_details_window.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "core/ui/motel_on_record.h"
#include "core/ui/refusal_box.h"
#include "platform/qt/controls.h"
#include "platform/qt/handler.h"

namespace innvera {

namespace {

// What the clerk reads beside each box, in the order of the motel's lines.
constexpr std::array<const char*, kMotelLines.size()> kCaptions = {
    "Motel Name", "Street", "City, State and Zip", "Phone Line", "Extra Line (optional)"};

}  // namespace

MotelDetailsWindow::MotelDetailsWindow(Desk& desk, QWidget* parent) : QWidget(parent), desk_(desk) {
    setObjectName(QString::fromLatin1(kName));
    setWindowTitle(QStringLiteral("Motel Details"));
    createControls();
    createLayout();
    connectControls();
    showStored();
    boxes_[0]->setFocus();
}

void MotelDetailsWindow::createControls() {
    heading_ = captionLabel("Motel Details", this);
    QFont large = heading_->font();
    large.setBold(true);
    large.setPointSizeF(large.pointSizeF() * 1.3);
    heading_->setFont(large);
    heading_->setAlignment(Qt::AlignCenter);
    about_ = captionLabel(
        "The name shows on the main window. Every line is printed, as typed, at the top of each folio and "
        "of the direct bill statements.",
        this);
    about_->setWordWrap(true);
    for (std::size_t i = 0; i < kMotelLines.size(); ++i) {
        boxes_[i] = lineEdit(QString::fromLatin1(kMotelLines[i].box), this);
        holdToField(boxes_[i], kMotelLines[i].limit());
    }
    savedNote_ = captionLabel("SavedNote", QString(), this);
    saveButton_ = button("SaveDetails", "Save", this);
    exitButton_ = button("ExitDetails", "Exit", this);
}

void MotelDetailsWindow::createLayout() {
    auto* lines = new QGridLayout;
    for (std::size_t i = 0; i < kMotelLines.size(); ++i) {
        const int row = static_cast<int>(i);
        lines->addWidget(captionLabel(QString::fromLatin1(kCaptions[i]), this), row, 0);
        lines->addWidget(boxes_[i], row, 1);
        QLabel* limit = captionLabel(QStringLiteral("up to %1 characters").arg(kMotelLines[i].limit()), this);
        limit->setEnabled(false);  // greyed: a hint, not a value
        lines->addWidget(limit, row, 2);
    }
    // Wide enough to show the longest line the boxes take.
    lines->setColumnMinimumWidth(1, boxes_[0]->fontMetrics().averageCharWidth() * 50);
    lines->setColumnStretch(1, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(savedNote_, 1);
    buttons->addWidget(saveButton_);
    buttons->addWidget(exitButton_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading_);
    layout->addWidget(about_);
    layout->addSpacing(6);
    layout->addLayout(lines);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    layout->addStretch();
}

void MotelDetailsWindow::connectControls() {
    connect(saveButton_, &QPushButton::clicked, this, &MotelDetailsWindow::save);
    connect(exitButton_, &QPushButton::clicked, this, &QWidget::close);
    exitOnEscape(this, exitButton_);
    enterClicks(saveButton_, {boxes_[0], boxes_[1], boxes_[2], boxes_[3], boxes_[4]});
    for (QLineEdit* box : boxes_) connect(box, &QLineEdit::textEdited, savedNote_, &QLabel::clear);
}

// The saved details; before any are saved, empty boxes showing the sample texts printed now.
void MotelDetailsWindow::showStored() {
    const MotelOnRecord motel = motelOnRecord(desk_);
    for (std::size_t i = 0; i < kMotelLines.size(); ++i) {
        const std::string& text = motel.printed.*(kMotelLines[i].field);
        boxes_[i]->setText(motel.saved ? qs(text) : QString());
        boxes_[i]->setPlaceholderText(motel.saved ? QString() : qs(text));
    }
}

MotelDetails MotelDetailsWindow::typed() const {
    MotelDetails details;
    for (std::size_t i = 0; i < kMotelLines.size(); ++i) details.*(kMotelLines[i].field) = str(boxes_[i]->text());
    return details;
}

void MotelDetailsWindow::save() {
    bool saved = false;
    const bool done = runHandler(desk_, [this, &saved] {
        if (const auto refusal = saveMotelDetails(desk_.dataDir, typed())) {
            showRefusal(desk_, this, *refusal);
            return;
        }
        saved = true;
    });
    if (!done || !saved) return;
    showStored();
    savedNote_->setText(QStringLiteral("Saved."));
}

}  // namespace innvera
