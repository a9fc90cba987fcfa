#pragma once

#include <QWidget>

namespace optiontree {

class COptionTree;

// The description pane below the list: the focused item's label in bold and its
// info text word-wrapped below. A text longer than the pane can show is cut at
// the last line that fits, which ends in an ellipsis, and is shown whole in a tip.
class COptionTreeInfo : public QWidget
{
    Q_OBJECT

public:
    static constexpr int TextInset = 4;

    explicit COptionTreeInfo(COptionTree* tree);

    static QString noItemTitle() { return QStringLiteral("No Item Selected"); }
    static QString noItemText() { return QStringLiteral("Select an item to see its description."); }

    // The pane height that shows every description of the tree whole at the given pane width.
    int neededHeight(int paneWidth) const;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    struct Shown
    {
        QString title;
        QString text;
    };

    // What the pane shows now: the focused item's texts, the default texts or nothing.
    Shown shown() const;
    // The area below the title that holds the description, and how many lines of it show.
    QRect textArea() const;
    int visibleLines() const;
    // The text broken into the lines drawn at the width; when more lines than
    // maxLines result, the last kept line ends in an ellipsis and cut is set.
    static QStringList wrappedLines(const QString& text, int width, int maxLines, bool* cut = nullptr);

    COptionTree* m_tree;
};

} // namespace optiontree
