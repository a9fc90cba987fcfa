// The options pane over the options of a settings file: loaded at start, saved at exit.
//
//   marlowen_options_pane_demo SETTINGS.ini [--screenshot FILE]
//
// With --screenshot the window is saved as a picture and the program quits without saving the settings.

#include "engine/SettingsFile.h"
#include "panes/CRightView.h"

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QStringList args = QApplication::arguments();
    QString screenshot;
    const qsizetype shot = args.indexOf(QStringLiteral("--screenshot"));
    if (shot > 0 && shot + 1 < args.size()) {
        screenshot = args.at(shot + 1);
        args.remove(shot, 2);
    }
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: %s SETTINGS.ini [--screenshot FILE]\n", argv[0]);
        return 2;
    }
    const std::string settings = args.at(1).toStdString();
    engine::ConversionOptions options;
    const engine::SettingsLoad load = engine::LoadOptions(settings, options);
    if (!load) {
        std::fprintf(stderr, "%s: %s; the defaults are shown.\n", settings.c_str(), load.error.c_str());
    }
    for (const engine::SettingsProblem& problem : load.problems) {
        std::fprintf(stderr, "%s: [%s] %s=%s: %s; %s is used.\n", settings.c_str(), problem.section.c_str(),
                     problem.key.c_str(), problem.value.c_str(), problem.reason.c_str(), problem.usedInstead.c_str());
    }

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Options pane"));
    auto* pane = new panes::CRightView(&options);
    window.setCentralWidget(pane);
    QMenu* menu = window.menuBar()->addMenu(QStringLiteral("&Options"));
    QAction* reset = menu->addAction(QStringLiteral("&Reset All Options"), pane, &panes::CRightView::OnResetOptions);
    menu->addAction(QStringLiteral("&Quit"), QKeySequence::Quit, &window, &QWidget::close);
    reset->setEnabled(pane->isResetAvailable());
    QObject::connect(pane, &panes::CRightView::resetAvailableChanged, reset, &QAction::setEnabled);
    window.resize(420, 900);
    window.show();

    if (!screenshot.isEmpty()) {
        QApplication::processEvents();
        return window.grab().save(screenshot) ? 0 : 1;
    }
    const int status = QApplication::exec();
    const engine::SettingsSave save = engine::SaveOptions(settings, pane->ReadBackOptions());
    if (!save) {
        std::fprintf(stderr, "%s: %s; the changes are lost.\n", settings.c_str(), save.error.c_str());
        return 1;
    }
    return status;
}
