// icon-preview DATA-FOLDER PARAMETER-FILE-FOLDER: how the installed package looks to a desktop user.
// The left side is a launcher that shows every desktop entry of DATA-FOLDER/applications with the
// icon its Icon key names; the right
// side is Qt's own file dialog on a folder of parameter files, which picks each file's icon through
// the MIME database. Both look icons up in the hicolor theme of the XDG data folders.
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QListWidget>
#include <QSettings>
#include <QTreeView>
#include <QWidget>

namespace {
QListWidget* CreateLauncher(const QString& applicationsFolder) {
    auto* launcher = new QListWidget;
    launcher->setViewMode(QListView::IconMode);
    launcher->setIconSize(QSize(64, 64));
    launcher->setGridSize(QSize(200, 120));
    launcher->setWordWrap(true);
    launcher->setFixedWidth(220);
    const QDir folder(applicationsFolder);
    for (const QString& name : folder.entryList({QStringLiteral("*.desktop")}, QDir::Files)) {
        QSettings entry(folder.filePath(name), QSettings::IniFormat);
        entry.beginGroup(QStringLiteral("Desktop Entry"));
        const QString iconName = entry.value(QStringLiteral("Icon")).toString();
        launcher->addItem(
            new QListWidgetItem(QIcon::fromTheme(iconName), entry.value(QStringLiteral("Name")).toString()));
    }
    return launcher;
}

QFileDialog* CreateFileDialog(const QString& folder) {
    auto* dialog = new QFileDialog(nullptr, QStringLiteral("Open"), folder);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setWindowFlags(Qt::Widget);
    dialog->setViewMode(QFileDialog::Detail);
    // Icons large enough to look at, and a Type column wide enough for the file types' names.
    if (auto* view = dialog->findChild<QTreeView*>(QStringLiteral("treeView"))) {
        view->setIconSize(QSize(32, 32));
        view->header()->resizeSection(0, 220);
        view->header()->resizeSection(1, 90);
        view->header()->resizeSection(2, 280);
    }
    return dialog;
}
}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 3) {
        qWarning("usage: icon-preview DATA-FOLDER PARAMETER-FILE-FOLDER");
        return 2;
    }
    if (QIcon::themeName().isEmpty()) QIcon::setThemeName(QStringLiteral("hicolor"));
    const QString dataFolder = QString::fromLocal8Bit(argv[1]);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Installed package: launcher and file dialog"));
    auto* layout = new QHBoxLayout(&window);
    layout->addWidget(CreateLauncher(dataFolder + QStringLiteral("/applications")));
    layout->addWidget(CreateFileDialog(QString::fromLocal8Bit(argv[2])));
    window.resize(1240, 520);
    window.show();
    return app.exec();
}
