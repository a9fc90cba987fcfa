#pragma once

#include "optiontree/COptionTreeItem.h"

class QFocusEvent;
class QKeyEvent;
class QWidget;

namespace optiontree {

// The part shared by item kinds whose editor is a window over the value area
// (combo and edit items): the window is created as a hidden child of the tree's
// list, shown on activation, follows layout changes, and commits when the focus
// moves from it to another window inside the tree.
class COptionTreeWindowItem : public COptionTreeItem
{
public:
    // window is the item object's own widget part.
    explicit COptionTreeWindowItem(QWidget& window);

    // True once the editor window was created and until CleanUp.
    bool HasWindow() const { return m_windowCreated; }

    void DrawAttribute(QPainter& painter, const QRect& attribute) override;
    void OnMove() override;
    void OnRefresh() override;
    void OnCommit() override;
    void CleanUp() override;
    void OnDeSelect() override;

protected:
    // Makes the window a hidden child of the tree's list over the value area;
    // false when the item is not inserted or the window exists already.
    bool createWindow();
    // Shows the window at geometry and gives it the keyboard focus.
    void showEditor(const QRect& geometry);
    // The text drawn as the value while the editor is closed.
    virtual QString displayText() const = 0;
    virtual bool drawTopLeft() const { return false; }

    void editorFocusIn();
    void editorFocusOut(QFocusEvent* event);
    // Tab and Shift+Tab leave the editor for the list, which moves to the next item.
    bool forwardTabToList(QKeyEvent* event);

private:
    void hideWindow();

    QWidget& m_window;
    bool m_windowCreated = false;
    bool m_hasFocus = false;
};

} // namespace optiontree
