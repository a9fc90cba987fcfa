#include "filelist/PreviewLoader.h"

#include "engine/TabExpansion.h"
#include "engine/TextDecoding.h"

#include "filelist/PostBox.h"

#include <thread>

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

PreviewLoader::PreviewLoader(QObject* parent)
    : QObject(parent)
    , m_box(std::make_shared<PostBox>(this))
{
}

PreviewLoader::~PreviewLoader()
{
    m_box->close();
}

void PreviewLoader::load(const std::string& path, const engine::ConversionOptions& options)
{
    const unsigned generation = ++m_generation;
    std::thread([box = m_box, path, options, generation, this] {
        auto input = engine::ReadInputTextPrefix(path, options);
        if (!input) {
            const QString note = QStringLiteral("The file cannot be shown: %1").arg(QString::fromStdString(input.error()));
            box->post([this, generation, note] {
                if (generation == m_generation) {
                    emit failed(note);
                }
            });
            return;
        }
        QStringList pieces = PreviewPieces(
            QString::fromStdString(engine::ExpandTabs(std::move(input->unicodeText), options.TabWidth)), input->cut);
        box->post([this, generation, pieces = std::move(pieces)] {
            if (generation == m_generation) {
                emit loaded(pieces);
            }
        });
    }).detach();
}

void PreviewLoader::cancel()
{
    ++m_generation;
}

} // namespace panes
