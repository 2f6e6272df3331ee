// The Qt side of the desk: the window registry, the handler guard and the printer.
#include <QDir>
#include <QFile>
#include <QWidget>

#include <gtest/gtest.h>

#include "platform/qt/handler.h"
#include "platform/qt/system_printer.h"
#include "platform/qt/windows.h"
#include "support/test_desk.h"

using namespace innvera;
using namespace innvera::testing;

namespace {

QWidget* namedWindow(const char* name) {
    auto* window = new QWidget;
    window->setObjectName(QString::fromLatin1(name));
    return window;
}

TEST(WindowRegistry, OpensDefinedWindowsOnceAndEndsWhenNoneIsLeft) {
    int ended = 0;
    Windows windows([&] { ++ended; });
    int made = 0;
    windows.define("MainWindow", [&] { ++made; return namedWindow("MainWindow"); });
    windows.define("Form35", [] { return namedWindow("Form35"); });
    windows.define("Form6", [] { return namedWindow("Form6"); });

    EXPECT_EQ(windows.open("Nothing"), nullptr);
    QWidget* main = windows.open("MainWindow");
    EXPECT_EQ(windows.open("MainWindow"), main);  // already open: brought forward
    EXPECT_EQ(made, 1);
    windows.open("Form35");
    windows.open("Form6");

    windows.closeAllBut(main, {"Form35"});
    settle();
    EXPECT_EQ(windows.find("Form6"), nullptr);
    EXPECT_NE(windows.find("Form35"), nullptr);
    EXPECT_EQ(ended, 0);

    // Closing one window and opening another in the same handler does not end the program.
    main->close();
    windows.find("Form35")->close();
    windows.open("MainWindow");
    settle();
    EXPECT_EQ(ended, 0);
    EXPECT_EQ(made, 2);

    windows.find("MainWindow")->close();
    settle();
    EXPECT_EQ(ended, 1);
}

TEST(Handler, AFailedWriteIsShownNamingTheFileAndTheRestIsSynced) {
    TestDesk t;
    const bool ok = runHandler(t.desk, [&] {
        t.dataDir.appendText(t.dataDir.folioCharges(" 1"), "x\r\n");
        throw FileError(t.dataDir.rooms(), "No space left on device");
    });
    EXPECT_FALSE(ok);
    ASSERT_EQ(t.dialogs.shown.size(), 1u);
    EXPECT_EQ(t.dialogs.shown[0].title, "ATTENTION!");
    EXPECT_NE(t.dialogs.shown[0].text.find(t.dataDir.rooms().string()), std::string::npos);
    EXPECT_NE(t.dialogs.shown[0].text.find("No space left on device"), std::string::npos);
    EXPECT_FALSE(t.dataDir.hasUnsyncedWrites());

    EXPECT_TRUE(runHandler(t.desk, [] {}));
    EXPECT_EQ(t.dialogs.shown.size(), 1u);
}

TEST(SystemPrinter, WritesEachJobAsPdfAndTextWithoutOverwriting) {
    TempFolder folder;
    const QString dir = QString::fromStdString(folder.path().string());
    SystemPrinter printer(dir);
    PrintJob job("Folio");
    job.line().text("Kestrel Motel").column(20).number(65.0f);
    job.emptyLines(1);
    printer.print(job);
    printer.print(job);

    const QStringList texts = QDir(dir).entryList({"Folio *.txt"}, QDir::Files, QDir::Name);
    const QStringList pdfs = QDir(dir).entryList({"Folio *.pdf"}, QDir::Files, QDir::Name);
    ASSERT_EQ(texts.size(), 2);
    ASSERT_EQ(pdfs.size(), 2);
    QFile text(QDir(dir).filePath(texts[0]));
    ASSERT_TRUE(text.open(QIODevice::ReadOnly));
    EXPECT_EQ(text.readAll().toStdString(), "Kestrel Motel       65 \n\n");
    QFile pdf(QDir(dir).filePath(pdfs[0]));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5).startsWith("%PDF"));
}

TEST(SystemPrinter, AFolderThatCannotBeMadeIsReported) {
    TempFolder folder;
    const std::filesystem::path blocker = folder.path() / "file";
    writeText(blocker, "not a folder");
    SystemPrinter printer(QString::fromStdString((blocker / "sub").string()));
    EXPECT_THROW(printer.print(PrintJob("Folio")), FileError);
}

}  // namespace
