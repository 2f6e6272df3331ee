#include "core/ui/guest_details_panel.h"

#include <QGridLayout>
#include <QLabel>

#include "core/formats.h"
#include "core/records.h"
#include "platform/qt/controls.h"

namespace innvera {

namespace {

struct BoxInfo {
    GuestDetailsPanel::Box box;
    const char* objectName;
    const char* caption;
    std::size_t width;  // of the field the box is stored in, in a stay and in a reservation
};

template <class Value>
consteval std::size_t stored(Value GuestDetails::*field) {
    return fieldWidth(kGuestDetailsFields, field);
}

constexpr BoxInfo kBoxes[] = {
    {GuestDetailsPanel::Name, "Text1", "Name", stored(&GuestDetails::guestName)},
    {GuestDetailsPanel::Address, "Text2", "Address", stored(&GuestDetails::address)},
    {GuestDetailsPanel::City, "Text3", "City", stored(&GuestDetails::city)},
    {GuestDetailsPanel::State, "Text4", "State", stored(&GuestDetails::state)},
    {GuestDetailsPanel::Zip, "Text5", "Zip", stored(&GuestDetails::zip)},
    {GuestDetailsPanel::Phone, "Text6", "Phone", stored(&GuestDetails::phone)},
    {GuestDetailsPanel::Cell, "Text7", "Cell", stored(&GuestDetails::cell)},
    {GuestDetailsPanel::Company, "Text8", "Company", stored(&GuestDetails::company)},
    {GuestDetailsPanel::Comment, "Text9", "Comment", stored(&GuestDetails::comment)},
    {GuestDetailsPanel::CardNo, "Text10", "Credit Card#", stored(&GuestDetails::cardNo)},
    {GuestDetailsPanel::Adults, "Text11", "Adults", stored(&GuestDetails::adults)},
    {GuestDetailsPanel::Children, "Text12", "Children", stored(&GuestDetails::children)},
};

// Two characters of "State" move on to "Zip".
constexpr int kStateMovingToZip = 2;

}  // namespace

GuestDetailsPanel::GuestDetailsPanel(std::initializer_list<Box> upperCased, bool stateMovesToZip, int currentYear,
                                     QWidget* parent)
    : QWidget(parent) {
    const std::set<Box> upper(upperCased);
    grid_ = new QGridLayout(this);
    grid_->setContentsMargins(0, 0, 0, 0);
    QGridLayout* grid = grid_;
    int row = 0;
    for (const BoxInfo& info : kBoxes) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QString::fromLatin1(info.objectName));
        holdToField(edit, info.width);
        boxes_[info.box] = edit;
        if (upper.count(info.box)) connect(edit, &QLineEdit::textEdited, this, [this, edit] { upperCase(edit); });
        grid->addWidget(new QLabel(QString::fromLatin1(info.caption), this), row, 0);
        grid->addWidget(edit, row, 1);
        ++row;
        if (info.box == CardNo) {
            QStringList months;
            for (const char* m : {"January", "February", "March", "April", "May", "June", "July", "August",
                                  "September", "October", "November", "December"})
                months << QString::fromLatin1(m);
            QStringList years;
            for (const std::string& year : expiryYears(currentYear)) years << qs(year);
            expiryMonth_ = promptList(QStringLiteral("Combo1"), QStringLiteral("Expire Month"), months, this);
            expiryYear_ = promptList(QStringLiteral("Combo2"), QStringLiteral("Expire Year"), years, this);
            limitTypedText(expiryMonth_, stored(&GuestDetails::cardMonth));
            limitTypedText(expiryYear_, stored(&GuestDetails::cardYear));
            auto* expiry = new QHBoxLayout;
            expiry->addWidget(expiryMonth_);
            expiry->addWidget(expiryYear_);
            grid->addLayout(expiry, row++, 1);
        }
    }
    // The box still takes its whole field: a state stored longer ("ONTARIO") is shown and kept
    // whole, and the clerk may go back to it.
    if (stateMovesToZip) {
        connect(box(State), &QLineEdit::textEdited, this, [this](const QString& text) {
            if (text.size() == kStateMovingToZip) box(Zip)->setFocus();
        });
    }
    connect(box(Name), &QLineEdit::textEdited, this, &GuestDetailsPanel::nameEdited);
    setTabOrder(box(Name), box(Address));
    setTabOrder(box(Address), box(City));
    setTabOrder(box(City), box(State));
    setTabOrder(box(State), box(Zip));
    setTabOrder(box(Zip), box(Phone));
    setTabOrder(box(Phone), box(Cell));
    setTabOrder(box(Cell), box(Company));
}

void GuestDetailsPanel::addRow(const QString& caption, QWidget* control) {
    const int row = grid_->rowCount();
    grid_->addWidget(new QLabel(caption, this), row, 0);
    grid_->addWidget(control, row, 1);
}

GuestDetailsPanel::StayDates GuestDetailsPanel::addStayDates(QWidget* window) {
    const StayDates dates{lineEdit("Text13", window), lineEdit("Text14", window), lineEdit("Text15", window)};
    addRow(QStringLiteral("Arrival Date"), dates.arrival);
    addRow(QStringLiteral("Depart Date"), dates.depart);
    addRow(QStringLiteral("Days"), dates.days);
    return dates;
}

void GuestDetailsPanel::upperCase(QLineEdit* edit) {
    const QString upper = QString::fromStdString(innvera::upperCase(edit->text().toStdString()));
    if (upper != edit->text()) edit->setText(upper);
    edit->setCursorPosition(edit->text().size());
}

GuestForm GuestDetailsPanel::form() const {
    auto text = [this](Box b) { return box(b)->text().toStdString(); };
    GuestForm f;
    f.name = text(Name);
    f.address = text(Address);
    f.city = text(City);
    f.state = text(State);
    f.zip = text(Zip);
    f.phone = text(Phone);
    f.cell = text(Cell);
    f.company = text(Company);
    f.comment = text(Comment);
    f.cardNo = text(CardNo);
    f.cardMonth = expiryMonth_->currentText().toStdString();
    f.cardYear = expiryYear_->currentText().toStdString();
    f.adults = text(Adults);
    f.children = text(Children);
    return f;
}

void GuestDetailsPanel::showForm(const GuestForm& f) {
    box(Name)->setText(qs(f.name));
    box(Address)->setText(qs(f.address));
    box(City)->setText(qs(f.city));
    box(State)->setText(qs(f.state));
    box(Zip)->setText(qs(f.zip));
    box(Phone)->setText(qs(f.phone));
    box(Cell)->setText(qs(f.cell));
    box(Company)->setText(qs(f.company));
    box(Comment)->setText(qs(f.comment));
    box(CardNo)->setText(qs(f.cardNo));
    expiryMonth_->setEditText(qs(f.cardMonth));
    expiryYear_->setEditText(qs(f.cardYear));
    box(Adults)->setText(qs(f.adults));
    box(Children)->setText(qs(f.children));
}

void GuestDetailsPanel::clear(const QString& monthPrompt, const QString& yearPrompt) {
    for (auto& [which, edit] : boxes_) edit->clear();
    showPrompt(expiryMonth_, monthPrompt);
    showPrompt(expiryYear_, yearPrompt);
}

}  // namespace innvera
