#include "directbill/ui/account_details_panel.h"

#include <QGridLayout>

#include <set>

#include "core/formats.h"
#include "core/records.h"
#include "platform/qt/controls.h"

namespace innvera {

namespace {

const char* const kCaptions[] = {"Name", "Address", "City", "State", "Zip", "Phone", "Fax", "Cell", "Contact Name"};

// What each box can hold: the width of its field in the account record.
template <class Value>
consteval std::size_t stored(Value DirectBillAccount::*field) {
    return fieldWidth(kDirectBillAccountFields, field);
}
constexpr std::size_t kWidths[] = {
    stored(&DirectBillAccount::accountName), stored(&DirectBillAccount::address), stored(&DirectBillAccount::city),
    stored(&DirectBillAccount::state),       stored(&DirectBillAccount::zip),     stored(&DirectBillAccount::phone),
    stored(&DirectBillAccount::fax),         stored(&DirectBillAccount::cell),    stored(&DirectBillAccount::contact),
};

void upperCaseAsTyped(QLineEdit* edit) {
    const QString upper = qs(upperCase(str(edit->text())));
    if (upper != edit->text()) edit->setText(upper);
    edit->setCursorPosition(static_cast<int>(edit->text().size()));
}

}  // namespace

AccountDetailsPanel::AccountDetailsPanel(std::initializer_list<Box> upperCased, QWidget* parent)
    : QWidget(parent), grid_(new QGridLayout(this)) {
    grid_->setContentsMargins(0, 0, 0, 0);
    const std::set<Box> upper(upperCased);
    for (int i = 0; i < static_cast<int>(boxes_.size()); ++i) {
        QLineEdit* edit = lineEdit(QStringLiteral("Text%1").arg(i + 1), this);
        holdToField(edit, kWidths[i]);
        // Wide enough to read what is typed, however much room the window's lists take.
        edit->setMinimumWidth(edit->fontMetrics().averageCharWidth() * 24);
        boxes_[i] = edit;
        if (upper.count(static_cast<Box>(i))) connect(edit, &QLineEdit::textEdited, this, [edit] { upperCaseAsTyped(edit); });
        grid_->addWidget(captionLabel(QString::fromLatin1(kCaptions[i]), this), i, 0);
        grid_->addWidget(edit, i, 1);
    }
}

void AccountDetailsPanel::addRow(const QString& caption, QWidget* control) {
    const int row = grid_->rowCount();
    grid_->addWidget(captionLabel(caption, this), row, 0);
    grid_->addWidget(control, row, 1);
}

AccountForm AccountDetailsPanel::form() const {
    auto text = [this](Box b) { return str(box(b)->text()); };
    return {text(Name), text(Address), text(City), text(State), text(Zip), text(Phone), text(Fax), text(Cell), text(Contact)};
}

void AccountDetailsPanel::showForm(const AccountForm& f) {
    const std::string* texts[] = {&f.name, &f.address, &f.city, &f.state, &f.zip, &f.phone, &f.fax, &f.cell, &f.contact};
    for (std::size_t i = 0; i < boxes_.size(); ++i) boxes_[i]->setText(qs(*texts[i]));
}

void AccountDetailsPanel::clear() {
    for (QLineEdit* edit : boxes_) edit->clear();
}

}  // namespace innvera
