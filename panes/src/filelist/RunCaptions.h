#pragma once

#include "engine/ConversionRun.h"

#include <QString>

namespace panes {

// The captions of the two progress bars that a run adds to the fixed ones ("Waiting for converting.", "File %d of
// %d, %d%%", "Convert Finished", "Convert stopped."), so that no bar shows the text of an earlier run or state.

// The current-file bar while a file is converted: "name.txt: 42%" for a position in the range low to high.
QString CurrentFileCaption(const QString& fileName, qint64 low, qint64 high, qint64 position);
// The whole-run bar before the first file is done: "File 0 of N, 0%".
QString RunStartCaption(int jobCount);

// The two captions a run ends with.
struct EndCaptions
{
    QString current;
    QString total;
};
// Finished: "Convert Finished" on both bars, or "n of N failed" on the whole-run bar when files yielded no PDF.
// Stopped (stopped is true, or the run did not take every file): "Convert stopped." and how many files were done.
EndCaptions RunEndCaptions(const engine::RunSummary& summary, bool stopped);

} // namespace panes
