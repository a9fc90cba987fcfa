#include "filelist/PreviewLoader.h"

#include "engine/PageFontPitch.h"
#include "engine/TabExpansion.h"
#include "engine/TextDecoding.h"

#include <variant>

namespace panes {

QStringList PreviewPieces(const QString& text, bool cut)
{
    QStringList pieces;
    QString piece;
    qsizetype lineLength = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\n')) {
            lineLength = 0;
        } else if (++lineLength > PreviewLoader::BlockLimit && !c.isLowSurrogate()) {
            piece += QLatin1Char('\n');
            lineLength = 1;
        }
        piece += c;
        if (piece.size() >= PreviewLoader::PieceSize && !c.isHighSurrogate()) {
            pieces.append(std::move(piece));
            piece.clear();
        }
    }
    if (cut) {
        piece += QStringLiteral("\n[The preview shows the first 4 MB of the file.]");
    }
    if (!piece.isEmpty()) {
        pieces.append(piece);
    }
    return pieces;
}

QList<std::pair<qsizetype, qsizetype>> UndrawnRuns(const QString& piece, const QSet<char32_t>& undrawn)
{
    QList<std::pair<qsizetype, qsizetype>> runs;
    if (undrawn.isEmpty()) {
        return runs;
    }
    for (qsizetype i = 0; i < piece.size();) {
        const bool pair = piece[i].isHighSurrogate() && i + 1 < piece.size() && piece[i + 1].isLowSurrogate();
        const char32_t character = pair ? QChar::surrogateToUcs4(piece[i], piece[i + 1]) : piece[i].unicode();
        const qsizetype units = pair ? 2 : 1;
        if (undrawn.contains(character)) {
            if (!runs.isEmpty() && runs.last().first + runs.last().second == i) {
                runs.last().second += units;
            } else {
                runs.append({ i, units });
            }
        }
        i += units;
    }
    return runs;
}

PreviewLoader::PreviewLoader(QObject* parent)
    : QObject(parent)
    , m_latest(this)
{
}

void PreviewLoader::load(const std::string& path, const engine::ConversionOptions& options)
{
    m_latest.run(
        [path, options]() -> std::variant<PreviewText, QString> {
            auto input = engine::ReadInputTextPrefix(path, options);
            if (!input) {
                return QStringLiteral("The file cannot be shown: %1").arg(QString::fromStdString(input.error()));
            }
            PreviewText preview;
            preview.pieces = PreviewPieces(
                QString::fromStdString(engine::ExpandTabs(std::move(input->unicodeText), options.TabWidth)),
                input->cut);
            preview.monospaced = engine::PageFontIsMonospaced(options);
            preview.undrawn = QSet<char32_t>(input->undrawn.begin(), input->undrawn.end());
            return preview;
        },
        [this](std::variant<PreviewText, QString> result) {
            if (auto* preview = std::get_if<PreviewText>(&result)) {
                emit loaded(*preview);
            } else {
                emit failed(std::get<QString>(result));
            }
        });
}

void PreviewLoader::cancel()
{
    m_latest.cancel();
}

} // namespace panes
