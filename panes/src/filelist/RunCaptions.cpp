#include "filelist/RunCaptions.h"

#include <algorithm>

namespace panes {

QString CurrentFileCaption(const QString& fileName, qint64 low, qint64 high, qint64 position)
{
    const qint64 percent = high > low ? std::clamp<qint64>((position - low) * 100 / (high - low), 0, 100) : 100;
    return QStringLiteral("%1: %2%").arg(fileName).arg(percent);
}

QString RunStartCaption(int jobCount)
{
    return QString::fromStdString(engine::FileCountCaption(-1, jobCount));
}

EndCaptions RunEndCaptions(const engine::RunSummary& summary, bool stopped)
{
    const int done = int(summary.results.size());
    if (stopped || summary.end != engine::RunEnd::Finished) {
        const QString caption = QString::fromLatin1(engine::ConvertStoppedCaption);
        return { caption, caption + QStringLiteral(" %1 of %2 files done.").arg(done).arg(summary.jobCount) };
    }
    const QString finished = QString::fromLatin1(engine::ConvertFinishedCaption);
    if (summary.failed > 0) {
        return { finished, QStringLiteral("%1 of %2 failed").arg(summary.failed).arg(summary.jobCount) };
    }
    return { finished, finished };
}

} // namespace panes
