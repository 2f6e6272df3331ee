#pragma once

#include <QWidget>

#include <array>

#include "reports/financial_reports.h"

class QLineEdit;

namespace innvera {

// The boxes both financial report windows show: the fourteen amounts under their captions
// (Text1 "Rent" ... Text13 "Other", Text14 "Direct Bill") and Text15 "Total Revenue". They
// only show figures: nothing typed there is used, so they are read only.
class ReportFiguresPanel : public QWidget {
    Q_OBJECT
public:
    explicit ReportFiguresPanel(QWidget* parent = nullptr);

    void showFigures(const ReportFigures& figures);

private:
    std::array<QLineEdit*, 14> amounts_{};  // by totals slot
    QLineEdit* totalRevenue_;
};

}  // namespace innvera
