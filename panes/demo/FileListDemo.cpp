// The file list pane on its own, with the options' defaults: files named on the command line are added as a drop
// adds them (folders are walked). --screenshot FILE saves a picture of the window once it is shown, then quits.
#include "panes/CFileListDialog.h"
#include "panes/CLeftView.h"
#include "panes/OptionsSource.h"

#include <chrome/CTextProgressBar.h>

#include <QApplication>
#include <QScreen>
#include <QTimer>

namespace {

class DefaultOptions : public panes::OptionsSource
{
public:
    engine::ConversionOptions ReadBackOptions() override { return {}; }
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QStringList paths = app.arguments().mid(1);
    QString screenshot;
    if (const auto at = paths.indexOf(QStringLiteral("--screenshot")); at >= 0 && at + 1 < paths.size()) {
        screenshot = paths.takeAt(at + 1);
        paths.removeAt(at);
    }
    DefaultOptions options;
    panes::CLeftView view(options);
    view.setWindowTitle(QStringLiteral("File list"));
    view.resize(640, 520);
    view.dialog().addDroppedPaths(paths);
    view.show();
    if (!screenshot.isEmpty()) {
        view.dialog().totalBar().setCaption(QStringLiteral("File 2 of 5, 40%"));
        view.dialog().currentBar().setValue(60);
        view.dialog().currentBar().setCaption(QStringLiteral("Convert stopped."));
        QTimer::singleShot(500, &view, [&] {
            view.grab().save(screenshot);
            app.quit();
        });
    }
    return app.exec();
}
