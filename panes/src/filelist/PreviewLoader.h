#pragma once

#include "engine/ConversionOptions.h"

#include "shared/LatestResult.h"

#include <QObject>
#include <QSet>
#include <QStringList>

#include <memory>
#include <string>

namespace panes {

// What a preview shows of a file.
struct PreviewText
{
    QStringList pieces; // to insert one after another (PreviewPieces)
    bool monospaced = false; // the PDF's font gives every character one width, and so does the preview's
    QSet<char32_t> undrawn; // characters the PDF cannot draw (it shows "?"): the preview marks them
};

// Reads the front of a file for the preview on a thread of its own (the first 4 MB, decoded as the whole file
// would be), with its tabs expanded as the converter does, and hands the text over in pieces that can each be
// inserted without holding the interface up. A file that goes on past the part read ends with a line that says
// so. A later load abandons the one under way.
class PreviewLoader : public QObject
{
    Q_OBJECT

public:
    // Lines are shown in blocks of at most this many characters, so that no single block is costly to lay out.
    static constexpr qsizetype BlockLimit = 16 * 1024;
    static constexpr qsizetype PieceSize = 64 * 1024;

    explicit PreviewLoader(QObject* parent = nullptr);

    void load(const std::string& path, const engine::ConversionOptions& options);
    void cancel();

signals:
    // The whole preview of the latest load.
    void loaded(const panes::PreviewText& preview);
    // The file could not be read: a one-line note with the reason.
    void failed(const QString& note);

private:
    LatestResult m_latest;
};

// Turns decoded text into preview pieces: lines longer than BlockLimit broken into blocks, pieces of about
// PieceSize characters, and a closing note when the file was cut.
QStringList PreviewPieces(const QString& text, bool cut);

// Where a piece holds characters of undrawn, as runs of (start, length) in UTF-16 units.
QList<std::pair<qsizetype, qsizetype>> UndrawnRuns(const QString& piece, const QSet<char32_t>& undrawn);

} // namespace panes
