#include "reports/ui/report_figures_panel.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>

#include "ledger/charge_codes.h"
#include "platform/qt/controls.h"

namespace innvera {

namespace {

struct Box {
    const char* name;
    const char* caption;
    int slot;
};

// Revenue on the left, payments on the right.
constexpr std::array<Box, 8> kRevenue{{{"Text1", "Rent", slot::RoomRent},
                                       {"Text2", "Tax", slot::Tax},
                                       {"Text8", "Pet", slot::PetFee},
                                       {"Text9", "Copies", slot::Copies},
                                       {"Text10", "Stamps", slot::Stamps},
                                       {"Text11", "Roll Away", slot::RollAway},
                                       {"Text12", "Wi-Fi", slot::WiFi},
                                       {"Text13", "Other", slot::Other}}};
constexpr std::array<Box, 6> kPayments{{{"Text3", "Cash", slot::Cash},
                                        {"Text4", "Visa", slot::Visa},
                                        {"Text5", "Master Card", slot::MasterCard},
                                        {"Text6", "Discover", slot::Discover},
                                        {"Text7", "American Express", slot::AmericanExpress},
                                        {"Text14", "Direct Bill", slot::DirectBill}}};

}  // namespace

ReportFiguresPanel::ReportFiguresPanel(QWidget* parent) : QWidget(parent) {
    auto* revenue = new QFormLayout;
    auto* payments = new QFormLayout;
    const auto add = [this](QFormLayout* form, const Box& box) {
        QLineEdit* edit = lineEdit(QString::fromLatin1(box.name), this);
        edit->setReadOnly(true);
        amounts_[static_cast<std::size_t>(box.slot)] = edit;
        form->addRow(QString::fromLatin1(box.caption), edit);
    };
    for (const Box& box : kRevenue) add(revenue, box);
    for (const Box& box : kPayments) add(payments, box);
    totalRevenue_ = lineEdit(QStringLiteral("Text15"), this);
    totalRevenue_->setReadOnly(true);
    revenue->addRow(QStringLiteral("Total Revenue"), totalRevenue_);

    auto* columns = new QHBoxLayout(this);
    columns->setContentsMargins(0, 0, 0, 0);
    columns->addLayout(revenue);
    columns->addLayout(payments);
}

void ReportFiguresPanel::showFigures(const ReportFigures& figures) {
    for (std::size_t slot = 0; slot < amounts_.size(); ++slot) amounts_[slot]->setText(qs(figures.amounts[slot]));
    totalRevenue_->setText(qs(figures.totalRevenueText));
}

}  // namespace innvera
