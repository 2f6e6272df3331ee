// Innvera: the front desk of a small motel.

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QLockFile>

#include "core/ui/main_window.h"
#include "platform/qt/message_box_dialogs.h"
#include "platform/qt/system_clock.h"
#include "platform/qt/system_printer.h"
#include "platform/qt/windows.h"

using namespace innvera;

namespace {

QString chosen(const QCommandLineParser& parser, const QCommandLineOption& option, const char* environment) {
    if (parser.isSet(option)) return parser.value(option);
    return qEnvironmentVariable(environment);
}

int refuse(Dialogs& dialogs, const QString& text) {
    dialogs.inform("ATTENTION!", text.toStdString());
    return 1;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Innvera"));
    QApplication::setQuitOnLastWindowClosed(false);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Innvera, the front desk of a small motel."));
    parser.addHelpOption();
    const QCommandLineOption dataDirOption(QStringLiteral("data-dir"),
                                           QStringLiteral("The motel's data directory (or INNVERA_DATA_DIR)."),
                                           QStringLiteral("DIR"));
    const QCommandLineOption printDirOption(QStringLiteral("print-dir"),
                                            QStringLiteral("Write printed documents to DIR as PDF and text (or INNVERA_PRINT_DIR)."),
                                            QStringLiteral("DIR"));
    parser.addOption(dataDirOption);
    parser.addOption(printDirOption);
    parser.process(app);
    MessageBoxDialogs dialogs;

    const QString dataDirText = chosen(parser, dataDirOption, "INNVERA_DATA_DIR");
    DataDir dataDir(dataDirText.isEmpty() ? DataDir::defaultRoot() : std::filesystem::path(dataDirText.toStdString()));
    try {
        dataDir.createFolders();
    } catch (const FileError& error) {
        return refuse(dialogs, QStringLiteral("The data directory %1 cannot be made: %2")
                          .arg(QString::fromStdString(dataDir.root().string()), QString::fromStdString(error.reason())));
    }

    // One copy of the program per data directory; a lock left by a crashed copy is taken over.
    QLockFile lock(QDir(QString::fromStdString(dataDir.root().string())).filePath(QStringLiteral(".innvera.lock")));
    if (!lock.tryLock(0)) {
        return refuse(dialogs, QStringLiteral("Innvera is already running on the data directory %1. Use the window that is open.")
                          .arg(QString::fromStdString(dataDir.root().string())));
    }

    SystemClock clock;
    SystemPrinter printer(chosen(parser, printDirOption, "INNVERA_PRINT_DIR"));
    Session session;
    Windows windows([] { QApplication::quit(); });
    Desk desk{clock, dialogs, printer, dataDir, session, windows};
    windows.attach(desk);

    windows.open<MainWindow>();
    return app.exec();
}
