#include "folio/ui/folio_colours.h"

#include <QString>
#include <QWidget>

namespace innvera {

void setBackColour(QWidget* widget, const char* colour) {
    widget->setStyleSheet(QStringLiteral("%1 { background-color: %2; }")
                              .arg(QString::fromLatin1(widget->metaObject()->className()), QString::fromLatin1(colour)));
}

void colourByBalance(QWidget* lines, QWidget* balanceLabel, double balance) {
    setBackColour(lines, balanceColour(balance));
    setBackColour(balanceLabel, balanceColour(balance));
}

}  // namespace innvera
