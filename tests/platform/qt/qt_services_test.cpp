// The Qt side of the desk: the window registry, the handler guard and the printer.
#include <QtWidgets>

#include "core/counters.h"
#include "app/main_window.h"
#include "app/menus.h"
#include "app/welcome_window.h"
#include "platform/qt/handler.h"
#include "platform/qt/system_printer.h"
#include "platform/qt/windows.h"
#include "support/ui/test_desk.h"

using namespace innvera;
using namespace innvera::testing;

namespace {

TEST(WindowRegistry, OpensEachWindowOnceAndEndsTheProgramWhenNoneIsLeft) {
    TestDesk t;
    switchWelcomeOff(t.dataDir, true);
    MainWindow* main = t.windows.open<MainWindow>();
    EXPECT_EQ(t.windows.open<MainWindow>(), main);  // already open: brought forward
    t.windows.open<WelcomeWindow>();
    t.windows.open<SettingsMenu>();

    t.windows.closeAllBut(main, {"Form35"});
    settle();
    EXPECT_EQ(t.windows.find<SettingsMenu>(), nullptr);
    EXPECT_NE(t.windows.find<WelcomeWindow>(), nullptr);

    // Closing one window and opening another in the same handler does not end the program.
    main->close();
    t.windows.find<WelcomeWindow>()->close();
    t.windows.open<SettingsMenu>();
    settle();
    EXPECT_EQ(t.programEnded, 0);
    t.windows.find<SettingsMenu>()->close();
    settle();
    EXPECT_EQ(t.programEnded, 1);
}

TEST(Handler, AnyFailureGivesOneMessageUndoesWhatTheHandlerWroteAndSaysSo) {
    TestDesk t;
    const std::filesystem::path folio = t.dataDir.folioCharges(" 1");
    writeText(folio, "first\r\n");
    const auto shown = [&] { return t.dialogs.shown.empty() ? std::string() : t.dialogs.shown.back().text; };

    // A read or a print that fails after writes: the writes are undone.
    EXPECT_FALSE(runHandler(t.desk, [&] {
        t.dataDir.appendText(folio, "second\r\n");
        t.dataDir.write(t.dataDir.rooms(), 0, "101", 3);
        throw FileError(t.dataDir.guests(), "Input/output error");
    }));
    EXPECT_EQ(shown(), "The file " + t.dataDir.guests().string() +
                           " could not be used: Input/output error. Nothing was changed: what you just did was undone.");
    EXPECT_EQ(readText(folio), "first\r\n");
    EXPECT_FALSE(std::filesystem::exists(t.dataDir.rooms()));
    EXPECT_FALSE(t.dataDir.inTransaction());

    // What the handler committed itself stays (a check-in whose folio cannot be printed).
    EXPECT_FALSE(runHandler(t.desk, [&] {
        t.dataDir.appendText(folio, "second\r\n");
        t.dataDir.commit();
        t.dataDir.appendText(folio, "third\r\n");
        throw FileError("/printouts/Folio.pdf", "Permission denied");
    }));
    EXPECT_EQ(shown(), "The file /printouts/Folio.pdf could not be used: Permission denied. "
                       "What was already saved stays saved; nothing after it was changed.");
    EXPECT_EQ(readText(folio), "first\r\nsecond\r\n");

    // Any other failure is one message too, and the program goes on.
    EXPECT_FALSE(runHandler(t.desk, [] { throw std::out_of_range("no totals slot 40"); }));
    EXPECT_NE(shown().find("no totals slot 40"), std::string::npos);
    EXPECT_FALSE(runHandler(t.desk, [] { throw 42; }));
    ASSERT_EQ(t.dialogs.shown.size(), 4u);
    for (const auto& box : t.dialogs.shown) EXPECT_EQ(box.title, "ATTENTION!");

    // A handler that ends well is committed, and says nothing.
    EXPECT_TRUE(runHandler(t.desk, [&] { t.dataDir.appendText(folio, "third\r\n"); }));
    EXPECT_FALSE(t.dataDir.inTransaction());
    EXPECT_FALSE(std::filesystem::exists(t.dataDir.journal()));
    EXPECT_EQ(t.dialogs.shown.size(), 4u);
}

TEST(SystemPrinter, WritesEachJobAsPdfAndTextWithoutOverwritingAndSaysWhere) {
    TempFolder folder;
    const QString dir = QString::fromStdString(folder.path().string());
    QStringList notices;
    SystemPrinter printer(dir, [&](const QString& text) { notices << text; });
    PrintJob job("Folio");
    job.line().text("Kestrel Motel").column(20).number(65.0f);
    job.emptyLines(1);
    printer.print(job);
    printer.print(job);

    const QStringList texts = QDir(dir).entryList({"Folio *.txt"}, QDir::Files, QDir::Name);
    const QStringList pdfs = QDir(dir).entryList({"Folio *.pdf"}, QDir::Files, QDir::Name);
    ASSERT_EQ(texts.size(), 2);
    ASSERT_EQ(pdfs.size(), 2);
    notices.sort();
    EXPECT_EQ(notices, QStringList({"Printed to PDF: " + QDir(dir).filePath(pdfs[0]),
                                    "Printed to PDF: " + QDir(dir).filePath(pdfs[1])}));
    QFile text(QDir(dir).filePath(texts[0]));
    ASSERT_TRUE(text.open(QIODevice::ReadOnly));
    EXPECT_EQ(text.readAll().toStdString(), "Kestrel Motel       65 \n\n");
    QFile pdf(QDir(dir).filePath(pdfs[0]));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5).startsWith("%PDF"));
}

TEST(SystemPrinter, PrintsAPicturePageAfterTheLinesAndRefusesAPictureItCannotRead) {
    TempFolder folder;
    const QString dir = QString::fromStdString(folder.path().string());
    SystemPrinter printer(dir);
    QImage chart(600, 400, QImage::Format_RGB32);
    chart.fill(Qt::blue);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    chart.save(&buffer, "PNG");
    PrintJob job("Statistics");
    job.line().text("Statistics");
    job.imagePage(png.toStdString());
    printer.print(job);
    const QStringList pdfs = QDir(dir).entryList({"Statistics *.pdf"}, QDir::Files);
    ASSERT_EQ(pdfs.size(), 1);
    QFile pdf(QDir(dir).filePath(pdfs[0]));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page "), 2) << "two pages";
    EXPECT_TRUE(bytes.contains("/Subtype /Image"));
    QFile text(QDir(dir).filePath(QString(pdfs[0]).replace(".pdf", ".txt")));
    ASSERT_TRUE(text.open(QIODevice::ReadOnly));
    EXPECT_EQ(text.readAll().toStdString(), "Statistics\n");  // the lines alone

    PrintJob broken("Broken");
    broken.imagePage("not a picture");
    try {
        printer.print(broken);
        ADD_FAILURE() << "printed";
    } catch (const FileError& error) {
        EXPECT_EQ(error.reason(), "a picture of the document cannot be read");
    }
    EXPECT_TRUE(QDir(dir).entryList({"Broken *"}, QDir::Files).isEmpty());
}

}  // namespace
