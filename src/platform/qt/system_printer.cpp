#include "platform/qt/system_printer.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QImage>
#include <QLabel>
#include <QPageLayout>
#include <QPainter>
#include <QPointer>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>

#include <algorithm>

#include "platform/qt/controls.h"
#include "platform/qt/print_layout.h"

namespace innvera {

namespace {

// Paints the lines, one per row, in a fixed-pitch font of at least 9 points: the page turned
// and the type shrunk only as far as the widest line of text needs (see layOutPrint). Then
// each picture on a page of its own, as large as the page takes it.
bool paint(QPrinter& printer, const std::vector<std::string>& lines, const std::vector<QImage>& images) {
    printer.setPageOrientation(QPageLayout::Portrait);
    QPageLayout turned = printer.pageLayout();
    turned.setOrientation(QPageLayout::Landscape);
    const QFont measured = fixedPitchFont(static_cast<int>(kPrintPointSize));
    const PrintPage page{static_cast<double>(printer.pageLayout().paintRectPixels(printer.resolution()).width()),
                         static_cast<double>(turned.paintRectPixels(printer.resolution()).width()),
                         QFontMetricsF(measured, &printer).horizontalAdvance(QLatin1Char('M')) / kPrintPointSize};
    const PrintLayout layout = layOutPrint(lines, page);
    printer.setPageOrientation(layout.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);

    QPainter painter;
    if (!painter.begin(&printer)) return false;
    QFont font = fixedPitchFont();
    font.setPointSizeF(layout.pointSize);
    painter.setFont(font);

    const QRectF paper = printer.pageLayout().paintRectPixels(printer.resolution());
    const QFontMetricsF metrics(font, &printer);
    const qreal step = metrics.lineSpacing();
    qreal y = metrics.ascent();
    for (const auto& line : layout.lines) {
        if (y + metrics.descent() > paper.height()) {
            printer.newPage();
            y = metrics.ascent();
        }
        painter.drawText(QPointF(0, y), QString::fromStdString(line));
        y += step;
    }
    for (const QImage& image : images) {
        printer.newPage();
        const QSizeF fitted = QSizeF(image.size()).scaled(paper.size(), Qt::KeepAspectRatio);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRectF(QPointF(0, 0), fitted), image);
    }
    return painter.end();
}

// The job's pictures; FileError naming the document when one cannot be read.
std::vector<QImage> imagesOf(const PrintJob& job) {
    std::vector<QImage> images;
    for (const std::string& png : job.imagePages()) {
        QImage image;
        if (!image.loadFromData(reinterpret_cast<const uchar*>(png.data()), static_cast<int>(png.size()), "PNG"))
            throw FileError(job.document(), "a picture of the document cannot be read");
        images.push_back(std::move(image));
    }
    return images;
}

// "<folder>/<document> <time>" with a number added when such a job exists already.
QString freeBaseName(const QDir& folder, const QString& document) {
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH.mm.ss"));
    QString base = folder.filePath(document + QLatin1Char(' ') + stamp);
    for (int n = 2; QFile::exists(base + QStringLiteral(".pdf")) || QFile::exists(base + QStringLiteral(".txt")); ++n)
        base = folder.filePath(document + QLatin1Char(' ') + stamp + QStringLiteral(" (%1)").arg(n));
    return base;
}

}  // namespace

SystemPrinter::SystemPrinter(QString printFolder, Notice notice)
    : printFolder_(std::move(printFolder)), notice_(std::move(notice)) {}

QString SystemPrinter::defaultFolder() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)).filePath(QStringLiteral("Innvera Printouts"));
}

void SystemPrinter::print(const PrintJob& job) {
    const std::vector<std::string> lines = job.lines();
    const std::vector<QImage> images = imagesOf(job);
    const QString document = QString::fromStdString(job.document());

    if (printFolder_.isEmpty() && !QPrinterInfo::defaultPrinter().isNull()) {
        QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
        printer.setDocName(document);
        if (!paint(printer, lines, images)) throw FileError(printer.printerName().toStdString(), "the printer did not accept the job");
        return;
    }

    const QDir folder(printFolder_.isEmpty() ? defaultFolder() : printFolder_);
    if (!folder.mkpath(QStringLiteral(".")))
        throw FileError(folder.path().toStdString(), "the folder for printouts cannot be made");
    const QString base = freeBaseName(folder, document);

    QFile text(base + QStringLiteral(".txt"));
    QByteArray content;
    for (const auto& line : lines) content += QByteArray::fromStdString(line) + '\n';
    if (!text.open(QIODevice::WriteOnly) || text.write(content) != content.size() || !text.flush())
        throw FileError(text.fileName().toStdString(), text.errorString().toStdString());
    text.close();

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(base + QStringLiteral(".pdf"));
    printer.setDocName(document);
    if (!paint(printer, lines, images)) throw FileError((base + QStringLiteral(".pdf")).toStdString(), "the PDF cannot be written");
    if (notice_) notice_(pdfNotice(base + QStringLiteral(".pdf")));
}

QString SystemPrinter::pdfNotice(const QString& pdfFile) {
    return QStringLiteral("Printed to PDF: ") + QDir::toNativeSeparators(pdfFile);
}

void SystemPrinter::showNotice(const QString& text) {
    static QPointer<QLabel> note;
    static QPointer<QTimer> timeout;
    if (!note) {
        note = new QLabel;
        note->setObjectName(QStringLiteral("PrintNotice"));
        note->setTextFormat(Qt::PlainText);
        // A tool tip's window: no frame, over the others, never activated.
        note->setWindowFlags(Qt::ToolTip);
        note->setAttribute(Qt::WA_ShowWithoutActivating);
        note->setForegroundRole(QPalette::ToolTipText);
        note->setBackgroundRole(QPalette::ToolTipBase);
        note->setAutoFillBackground(true);
        note->setFrameStyle(QFrame::Box | QFrame::Plain);
        note->setMargin(8);
        timeout = new QTimer(note);
        timeout->setSingleShot(true);
        timeout->setInterval(8000);
        QObject::connect(timeout, &QTimer::timeout, note, &QWidget::hide);
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, qApp, [] { delete note.data(); });
    }
    QStringList shown = note->isVisible() ? note->text().split(QLatin1Char('\n')) : QStringList();
    shown.append(text);
    while (shown.size() > 3) shown.removeFirst();
    note->setText(shown.join(QLatin1Char('\n')));
    note->adjustSize();

    // Along the bottom of the active window, or of the screen when none is active.
    const QWidget* over = QApplication::activeWindow();
    QRect area = over ? over->frameGeometry() : QRect();
    if (area.isEmpty() && QGuiApplication::primaryScreen()) area = QGuiApplication::primaryScreen()->availableGeometry();
    note->move(area.center().x() - note->width() / 2, area.bottom() - note->height() - 12);
    note->show();
    note->raise();
    timeout->start();
}

}  // namespace innvera
