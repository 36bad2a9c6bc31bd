// gwparacfg: the desktop tool. Start-up as the engineer knows it: operating-system check, settings,
// communication settings on the first run, gateway type, unit search, then the main window.
#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <cstdio>

#include "core/app/StartupRules.h"
#include "core/app/texts/MsgText.h"
#include "gui/app/AfterFirstExposure.h"
#include "gui/app/CToolSession.h"
#include "gui/app/QtText.h"
#include "gui/app/SelfTest.h"
#include "gui/app/StartOptions.h"
#include "gui/app/ToolStartUp.h"
#include "gui/app/WindowPlacer.h"
#include "gui/params/CMainFormController.h"
#include "gui/params/TGWParaCfgForm.h"

namespace {
// The check runs before any window exists; an unsupported system ends the program.
bool OperatingSystemAccepted() {
    const OsSupport support = CheckOperatingSystem();
    if (support == OsSupport::Supported) return true;
    const bool unsupported = support == OsSupport::Unsupported;
    QMessageBox box(unsupported ? QMessageBox::Critical : QMessageBox::Warning, ToQt(MsgText[64]),
                    ToQt(MsgText[unsupported ? 62 : 63]));
    box.exec();
    return !unsupported;
}

bool HasOption(int argc, char** argv, std::string_view option) {
    for (int i = 1; i < argc; ++i) {
        if (std::string_view(argv[i]) == option) return true;
    }
    return false;
}

int RunSelfTest(QApplication& app, TGWParaCfgForm& window, GwType type) {
    window.show();
    app.processEvents();
    const std::vector<std::string> findings = SelfTestFindings(window, type);
    for (const std::string& finding : findings) std::fprintf(stderr, "selftest: %s\n", finding.c_str());
    window.close();
    app.processEvents();
    return findings.empty() && !window.isVisible() ? 0 : 1;
}
}  // namespace

int main(int argc, char** argv) {
    // --help and --version need no display (the manual page is made from them at build time).
    if (HasOption(argc, argv, "--help") || HasOption(argc, argv, "-h")) {
        std::fputs(StartOptionsHelp().c_str(), stdout);
        return 0;
    }
    if (HasOption(argc, argv, "--version")) {
        std::fputs("gwparacfg " GW_VERSION_TEXT "\n", stdout);
        return 0;
    }
    if (HasOption(argc, argv, "--selftest") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("gwparacfg"));
    QApplication::setApplicationVersion(QStringLiteral(GW_VERSION_TEXT));
    CWindowPlacer placer;
    app.installEventFilter(&placer);

    std::vector<std::string> arguments;
    for (const QString& argument : app.arguments().mid(1)) arguments.push_back(FromQt(argument));
    const SStartOptions options = ParseStartOptions(arguments);
    if (!options.error.empty()) {
        std::fprintf(stderr, "gwparacfg: %s\n%s", options.error.c_str(), StartOptionsHelp().c_str());
        return 2;
    }
    if (!OperatingSystemAccepted()) return 0;

    CToolSession session;
    const QSize screen = QApplication::primaryScreen()->size();
    ShowLowResolutionNote(session.host, screen.width(), screen.height());
    int unitNo = 0;
    if (options.selfTest) {
        session.core.program.SelectedGwType = options.type;
    } else {
        LoadSettings(session);
        const std::optional<int> chosenUnit = RunStartDialogs(session, options);
        if (!chosenUnit) return 0;  // the type dialog was left without a type
        unitNo = *chosenUnit;
    }
    PrepareMainForm(session, unitNo, screen.width(), screen.height());

    CMainFormController controller(session);
    controller.SetSaveSettingsOnClose(!options.selfTest);
    const std::unique_ptr<TGWParaCfgForm> window = CreateMainWindow(session, controller);
    if (options.selfTest) return RunSelfTest(app, *window, options.type);

    window->show();
    // The file opens once the window manager has placed the window, so that a message about the file
    // appears on the window.
    if (!options.files.empty()) {
        AfterFirstExposure(*window, [&] {
            controller.OpenCommandLineFiles(options.files);
            window->Render();
        });
    }
    return app.exec();
}
