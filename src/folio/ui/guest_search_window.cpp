#include "folio/ui/guest_search_window.h"

#include <QAbstractListModel>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QListView>
#include <QVBoxLayout>

#include "core/formats.h"
#include "core/ui/date_calendar.h"
#include "platform/qt/controls.h"
#include "platform/qt/handler.h"
#include "platform/qt/windows.h"

namespace innvera {

// The found stays as rows: holds their positions in the window's list of checked-out stays
// and makes a row's text only when the view asks for it.
class FoundStaysModel : public QAbstractListModel {
public:
    FoundStaysModel(const std::vector<CheckedOutStay>& stays, QObject* parent)
        : QAbstractListModel(parent), stays_(stays) {}

    int rowCount(const QModelIndex& parent = QModelIndex()) const override {
        return parent.isValid() ? 0 : static_cast<int>(found_.size());
    }

    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount()) return {};
        return qs(foundStayRow(stays_[found_[static_cast<std::size_t>(index.row())]]));
    }

    void show(FoundStays found) {
        beginResetModel();
        found_ = std::move(found);
        endResetModel();
    }

    const CheckedOutStay* stayAt(int row) const {
        if (row < 0 || row >= rowCount()) return nullptr;
        return &stays_[found_[static_cast<std::size_t>(row)]];
    }

private:
    const std::vector<CheckedOutStay>& stays_;
    FoundStays found_;
};

GuestSearchWindow::GuestSearchWindow(Desk& desk, QWidget* owner, std::function<void(const PastStayView&)> retrieved)
    : QWidget(owner, Qt::Window), desk_(desk), retrieved_(std::move(retrieved)) {
    setObjectName(QString::fromLatin1(kName));
    setWindowTitle(QStringLiteral("Guest"));
    createControls();
    createLayout();
    connectControls();
    load();
}

GuestSearchWindow::~GuestSearchWindow() = default;

void GuestSearchWindow::createControls() {
    nameBox_ = lineEdit("Text1", this);
    roomBox_ = lineEdit("Text2", this);
    roomSearchButton_ = button("Command2", "Search", this);
    arrivalBox_ = lineEdit("Text3", this);
    arrivalSearchButton_ = button("Command3", "Search", this);
    hint_ = new QLabel(QStringLiteral("(double click on the name below to retrieve folio)"), this);
    exitButton_ = button("Command1", "Exit", this);

    // The rows in a fixed-pitch font under headings at their columns; every row is one line
    // high, so the view never measures the rows it does not show.
    found_ = new FoundStaysModel(stays_, this);
    list_ = new QListView(this);
    list_->setObjectName(QStringLiteral("List1"));
    list_->setUniformItemSizes(true);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setModel(found_);
    showInColumns(list_, 112);
    list_->setMinimumHeight(300);
    headings_ = columnHeadings(list_, qs(foundStayHeadings()), this);
}

void GuestSearchWindow::createLayout() {
    auto* boxes = new QGridLayout;
    boxes->addWidget(captionLabel(QStringLiteral("Name"), this), 0, 0);
    boxes->addWidget(nameBox_, 0, 1);
    boxes->addWidget(captionLabel(QStringLiteral("Room#"), this), 1, 0);
    boxes->addWidget(roomBox_, 1, 1);
    boxes->addWidget(roomSearchButton_, 1, 2);
    boxes->addWidget(captionLabel(QStringLiteral("Arrival Date"), this), 2, 0);
    boxes->addWidget(arrivalBox_, 2, 1);
    boxes->addWidget(arrivalSearchButton_, 2, 2);
    auto* top = new QHBoxLayout;
    top->addLayout(boxes);
    top->addStretch();
    top->addWidget(exitButton_, 0, Qt::AlignTop);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(hint_);
    layout->addWidget(headings_);
    layout->addWidget(list_, 1);
}

void GuestSearchWindow::connectControls() {
    connect(nameBox_, &QLineEdit::textChanged, this, &GuestSearchWindow::nameChanged);
    connect(roomSearchButton_, &QPushButton::clicked, this, &GuestSearchWindow::searchRoom);
    connect(arrivalSearchButton_, &QPushButton::clicked, this, &GuestSearchWindow::searchArrival);
    connect(list_, &QListView::doubleClicked, this, [this](const QModelIndex& index) { retrieve(index.row()); });
    connect(exitButton_, &QPushButton::clicked, this, &QWidget::close);
    roomBox_->installEventFilter(this);
    opensCalendar(arrivalBox_, [this] { openArrivalCalendar(); });
    exitOnEscape(this, exitButton_);
    enterClicks(roomSearchButton_, {roomBox_});
    enterClicks(arrivalSearchButton_, {arrivalBox_});
    enterActivates(list_, [this](const QModelIndex& at) { retrieve(at.row()); });
}

void GuestSearchWindow::load() {
    runHandler(desk_, [&] { stays_ = checkedOutStays(desk_.dataDir); });
}

// The box turns its text to upper case, keeps the caret at the end, and the list shows the
// stays whose names begin with it.
void GuestSearchWindow::nameChanged() {
    if (upperCasing_) return;
    const QString upper = qs(upperCase(str(nameBox_->text())));
    if (upper != nameBox_->text()) {
        upperCasing_ = true;
        nameBox_->setText(upper);
        upperCasing_ = false;
    }
    nameBox_->setCursorPosition(static_cast<int>(upper.size()));
    runHandler(desk_, [&] { found_->show(staysNamed(stays_, str(upper))); });
}

void GuestSearchWindow::showSearch(PastGuestSearch search, QLineEdit* box) {
    if (search.refused()) {
        desk_.dialogs.inform("ATTENTION!", search.refusal);
        box->setFocus();
        return;
    }
    found_->show(std::move(search.found));
}

void GuestSearchWindow::searchRoom() {
    runHandler(desk_, [&] { showSearch(staysInRoom(stays_, str(roomBox_->text())), roomBox_); });
}

void GuestSearchWindow::searchArrival() {
    runHandler(desk_, [&] { showSearch(staysArriving(stays_, str(arrivalBox_->text())), arrivalBox_); });
}

void GuestSearchWindow::retrieve(int row) {
    const CheckedOutStay* listed = found_->stayAt(row);
    if (!listed) return;
    bool shown = false;
    runHandler(desk_, [&] {
        const std::optional<PastStayView> view = retrievePastStay(desk_.dataDir, *listed);
        if (!view) return;
        if (retrieved_) retrieved_(*view);
        shown = true;
    });
    if (shown) close();
}

void GuestSearchWindow::openArrivalCalendar() {
    DateCalendar::open(desk_, this, {"ArrivalDateCalendar", "Arrival Date", desk_.session.hotelDate, 20000, arrivalBox_},
                       [this](Date picked) { arrivalBox_->setText(qs(picked.text())); });
}

bool GuestSearchWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == roomBox_ && event->type() == QEvent::MouseButtonPress) roomBox_->clear();
    return QWidget::eventFilter(watched, event);
}

void GuestSearchWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    for (QWidget* calendar : findChildren<DateCalendar*>(Qt::FindDirectChildrenOnly)) calendar->close();
}

}  // namespace innvera
