#include "gui/app/SelfTest.h"

#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTableWidget>

#include "core/app/texts/UiText.h"
#include "gui/app/QtText.h"
#include "gui/params/TGWParaCfgForm.h"

namespace {
bool Shown(const TGWParaCfgForm& window, const char* name) {
    const auto* widget = window.findChild<QWidget*>(name);
    return widget != nullptr && widget->isVisible();
}

void Expect(std::vector<std::string>& findings, bool holds, const std::string& what) {
    if (!holds) findings.push_back(what);
}
}  // namespace

std::vector<std::string> SelfTestFindings(const TGWParaCfgForm& window, GwType type) {
    std::vector<std::string> findings;
    Expect(findings, window.isVisible(), "the main window is not shown");
    Expect(findings, window.windowTitle() == ToQt(UiText[0]), "the caption is not the tool's title");
    Expect(findings, window.menuBar()->actions().size() == 4, "the main menu does not have four items");
    for (const char* button : {"Button1", "Button2", "Button3"})
        Expect(findings, Shown(window, button), std::string(button) + " is not shown");

    const bool ioGrid = (type & (GW_KAVELIS | GW_VOSK | GW_NUB3GW)) != 0;
    Expect(findings, Shown(window, "StringGrid1") == ioGrid, "StringGrid1 shown for the wrong type");
    Expect(findings, Shown(window, "StringGrid2") == (type == GW_VOSK_ML3),
           "StringGrid2 shown for the wrong type");
    Expect(findings, Shown(window, "gbDriveUnit0") == (type == GW_DRAVO),
           "drive-unit panels shown for the wrong type");
    Expect(findings, Shown(window, "cbTBPS") == (type == GW_VOSK_LC), "cbTBPS shown for the wrong type");
    if (ioGrid) {
        const auto* grid = window.findChild<QTableWidget*>("StringGrid1");
        Expect(findings, grid->columnCount() == 7 && grid->rowCount() > 1, "StringGrid1 has no axis rows");
    }
    const auto panels = window.statusBar()->findChildren<QLabel*>();
    bool versionShown = false;
    for (const QLabel* panel : panels)
        versionShown = versionShown || panel->text() == QStringLiteral(GW_VERSION_TEXT);
    Expect(findings, versionShown, "the status bar does not show the version");
    return findings;
}
