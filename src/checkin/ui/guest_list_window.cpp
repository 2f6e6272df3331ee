#include "checkin/ui/guest_list_window.h"

#include <QTimer>
#include <QVBoxLayout>

#include "core/stays.h"
#include "platform/qt/change_notices.h"
#include "platform/qt/controls.h"
#include "platform/qt/handler.h"

namespace innvera {

namespace {

// 500 twips from the left and from the top of the screen: 15 twips to a pixel.
constexpr int kTopLeft = 500 / 15;

}  // namespace

GuestListWindow::GuestListWindow(Desk& desk, QWidget* parent) : QWidget(parent), desk_(desk) {
    setObjectName(QString::fromLatin1(kName));
    setWindowTitle(QStringLiteral("Guest List"));
    createControls();
    createLayout();
    connectControls();
    move(kTopLeft, kTopLeft);
    fillGuests();
    // Guests checked in or out while it is open come and go from it.
    connect(&desk_.notices, &ChangeNotices::filesChanged, this, [this](DataChanges changes) {
        if (changes.touches(DataChanges::Stays)) fillGuests();
    });
    timer_->start();
}

void GuestListWindow::fillGuests() {
    guests_->clear();
    runHandler(desk_, [this] {
        for (const std::string& entry : inHouseGuestEntries(desk_.dataDir)) guests_->addItem(qs(entry));
    });
}

void GuestListWindow::createControls() {
    setAutoFillBackground(true);
    QPalette grey = palette();
    grey.setColor(QPalette::Window, QColor(0xe0, 0xe0, 0xe0));
    setPalette(grey);
    title_ = captionLabel("Label1", QStringLiteral("Guest List"), this);
    QFont big = title_->font();
    big.setPointSize(18);
    big.setBold(true);
    title_->setFont(big);
    title_->setAlignment(Qt::AlignCenter);
    guests_ = listBox("List1", this);
    guests_->setFont(fixedPitchFont(12, true));
    exitButton_ = button("Command1", "Exit", this);
    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("Timer1"));
    timer_->setInterval(20000);
    timer_->setSingleShot(true);
}

void GuestListWindow::createLayout() {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title_);
    layout->addWidget(guests_, 1);
    layout->addWidget(exitButton_, 0, Qt::AlignHCenter);
    resize(420, 460);
}

void GuestListWindow::connectControls() {
    connect(exitButton_, &QPushButton::clicked, this, &QWidget::close);
    exitOnEscape(this, exitButton_);
    connect(timer_, &QTimer::timeout, this, &GuestListWindow::onTimer);
}

void GuestListWindow::onTimer() { close(); }

}  // namespace innvera
