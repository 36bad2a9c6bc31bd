// Where the windows open, on the offscreen platform's 800 x 600 screen: dialogs and message boxes
// centred on their owner and below its menu bar, a window that stays open beside its owner, every one
// inside the screen.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QMainWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>

#include "gui/app/CQtHost.h"

namespace {

class gui_WindowPlacement : public ::testing::Test {
protected:
    void SetUp() override {
        owner.menuBar()->addMenu(QStringLiteral("&File"));
        owner.setCentralWidget(new QWidget(&owner));
    }
    void ShowOwner(const QRect& frame) {
        owner.setGeometry(frame);
        owner.show();
        QApplication::processEvents();
    }
    int MenuBarBottom() const {
        return owner.menuBar()->mapToGlobal(QPoint(0, owner.menuBar()->height())).y();
    }
    QRect Screen() const { return owner.screen()->availableGeometry(); }

    QMainWindow owner;
};

// Frames are compared: the platform draws one round every window.
TEST_F(gui_WindowPlacement, AWindowThatStaysOpenGoesBesideItsOwner) {
    ShowOwner({100, 100, 400, 300});
    QWidget beside(&owner, Qt::Window);
    beside.resize(250, 200);
    beside.show();
    EXPECT_EQ(beside.frameGeometry().left(), owner.frameGeometry().right() + 1 + 8);
    EXPECT_EQ(beside.frameGeometry().top(), owner.frameGeometry().top());
    EXPECT_EQ(beside.size(), QSize(250, 200));
}

TEST_F(gui_WindowPlacement, AWindowBesideANarrowRoomIsMadeNarrowerNotPutOverItsOwner) {
    ShowOwner({50, 100, 500, 300});
    QWidget beside(&owner, Qt::Window);
    beside.setMinimumWidth(200);
    beside.resize(300, 200);
    beside.show();
    EXPECT_EQ(beside.frameGeometry().left(), owner.frameGeometry().right() + 1 + 8);
    EXPECT_EQ(beside.frameGeometry().right(), Screen().right());
    EXPECT_LT(beside.width(), 300);
    EXPECT_GE(beside.width(), 200);
}

TEST_F(gui_WindowPlacement, ADialogIsCentredOnItsOwnerBelowItsMenuBar) {
    ShowOwner({100, 100, 400, 300});
    QDialog small(&owner);
    small.setFixedSize(200, 100);
    small.show();
    EXPECT_LE((small.frameGeometry().center() - owner.frameGeometry().center()).manhattanLength(), 2);

    QDialog tall(&owner);
    tall.setFixedSize(200, 400);
    tall.show();
    EXPECT_LE(std::abs(tall.frameGeometry().center().x() - owner.frameGeometry().center().x()), 1);
    EXPECT_EQ(tall.frameGeometry().top(), MenuBarBottom()) << "centred it would cover the menu bar";
    EXPECT_LE(tall.frameGeometry().bottom(), Screen().bottom());
}

TEST_F(gui_WindowPlacement, AnOwnerAtTheScreensEdgeKeepsItsDialogInsideTheScreen) {
    ShowOwner({600, 400, 400, 300});
    QDialog dialog(&owner);
    dialog.setFixedSize(300, 250);
    dialog.show();
    EXPECT_TRUE(Screen().contains(dialog.geometry()))
        << dialog.geometry().x() << "," << dialog.geometry().y();
}

TEST_F(gui_WindowPlacement, AMessageBoxIsCentredOnItsOwnerAsItIsFinallySized) {
    ShowOwner({150, 120, 500, 400});
    CQtHost host;
    host.SetOwner(&owner);
    QPoint centre;
    QTimer::singleShot(0, [&] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() != "MessageBox" || !w->isVisible()) continue;
            centre = w->frameGeometry().center();
            static_cast<QMessageBox*>(w)->accept();
        }
    });
    host.ShowMessageBox("The file could not be read:\nthe third line is no parameter line.", MB_ICON_ERROR);
    const QPoint ownerCentre = owner.frameGeometry().center();
    EXPECT_LE(std::abs(centre.x() - ownerCentre.x()), 1);
    EXPECT_LE(std::abs(centre.y() - ownerCentre.y()), 1);
}

}  // namespace
