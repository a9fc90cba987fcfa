// The desktop program, timed: prints how many milliseconds after MARLOWEN_BENCH_T0 (a CLOCK_MONOTONIC
// time in nanoseconds, taken by the caller just before starting it) the main window was first on the
// screen, and the number of files in its list, then ends. Arguments as for marlowen.

#include "app/CMainFrame.h"
#include "app/MarlowenApplication.h"
#include "panes/CFileListDialog.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

long long MonotonicNanoseconds()
{
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1'000'000'000LL + now.tv_nsec;
}

} // namespace

int main(int argc, char** argv)
{
    const char* start = std::getenv("MARLOWEN_BENCH_T0");
    const long long t0 = start ? std::atoll(start) : MonotonicNanoseconds();
    return app::RunApplication(argc, argv, [t0](app::CMainFrame& frame) {
        std::printf("%.1f ms, %zu files\n", (MonotonicNanoseconds() - t0) / 1e6, frame.fileList().entryCount());
        std::fflush(stdout);
        QCoreApplication::exit(0);
    });
}
