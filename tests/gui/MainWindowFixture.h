#pragma once
// A main window built for one gateway type exactly as the program builds it after its start dialogs
// (no unit found, the type's default rows), shown on the offscreen platform.
#include <QApplication>
#include <QMouseEvent>
#include <QTableWidget>
#include <QTest>
#include <memory>

#include "gui/app/CToolSession.h"
#include "gui/app/ToolStartUp.h"
#include "gui/params/CMainFormController.h"
#include "gui/params/TGWParaCfgForm.h"

struct SMainWindowFixture {
    explicit SMainWindowFixture(GwType type, std::uint32_t toolFlags = TOOLFLAG_VALID) {
        session.core.program.SelectedGwType = type;
        session.core.program.Comm.ToolFlags = toolFlags;
        session.core.program.Comm.CurrentPortNum = 1;
        PrepareMainForm(session, 0, 1366, 768);
        controller = std::make_unique<CMainFormController>(session);
        controller->SetSaveSettingsOnClose(false);
        window = CreateMainWindow(session, *controller);
        window->show();
        QApplication::processEvents();
    }

    template <class T>
    T* Find(const char* name) const {
        return window->findChild<T*>(name);
    }

    // Clicks the centre of a grid cell, as the user does.
    static void ClickCell(QTableWidget* grid, int col, int row) {
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                          grid->visualRect(grid->model()->index(row, col)).center());
    }
    // A double click as the window system delivers it: press, release, double click, release.
    static void DoubleClickCell(QTableWidget* grid, int col, int row) {
        const QPointF centre = grid->visualRect(grid->model()->index(row, col)).center();
        const QPointF global = grid->viewport()->mapToGlobal(centre);
        for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                                        QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
            const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
            QMouseEvent event(type, centre, global, Qt::LeftButton, held, Qt::NoModifier);
            QApplication::sendEvent(grid->viewport(), &event);
        }
    }
    static std::string CellText(QTableWidget* grid, int col, int row) {
        return grid->item(row, col)->text().toStdString();
    }

    CToolSession session;
    std::unique_ptr<CMainFormController> controller;
    std::unique_ptr<TGWParaCfgForm> window;
};
