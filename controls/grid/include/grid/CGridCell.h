#pragma once

#include "grid/CGridCellBase.h"

#include <QPointer>

#include <optional>

namespace grid {

class CGridInPlaceEdit;

// The ordinary cell: stores every property itself and edits its text with a CGridInPlaceEdit.
class CGridCell : public CGridCellBase
{
public:
    CGridCell() = default;
    ~CGridCell() override;

    void SetText(const QString& text) override { m_strText = text; }
    void SetImage(int image) override { m_nImage = image; }
    void SetData(quint32 data) override { m_lParam = data; }
    void SetState(quint32 state) override { m_nState = state; }
    void SetFormat(quint32 format) override { m_nFormat = format; }
    void SetTextClr(const QColor& colour) override { m_crFgClr = colour; }
    void SetBackClr(const QColor& colour) override { m_crBkClr = colour; }
    void SetFont(const QFont* font) override;
    void SetMargin(int margin) override { m_nMargin = margin; }
    void SetGrid(CGridCtrl* grid) override { m_pGrid = grid; }
    void SetCoords(int, int) override {}

    QString GetText() const override { return m_strText; }
    int GetImage() const override { return m_nImage; }
    quint32 GetData() const override { return m_lParam; }
    quint32 GetState() const override { return m_nState; }
    quint32 GetFormat() const override;
    QColor GetTextClr() const override;
    QColor GetBackClr() const override;
    const QFont* GetFont() const override;
    CGridCtrl* GetGrid() const override { return m_pGrid; }
    QWidget* GetEditWnd() const override;
    int GetMargin() const override;

    bool IsDefaultFont() const override { return !m_font.has_value(); }
    bool IsEditing() const override { return m_bEditing; }

    using CGridCellBase::operator=;
    void Reset() override;

    bool Edit(int row, int col, QRect rect, QPoint point, int id, int nChar) override;
    void EndEdit() override;
    void OnEndEdit() override;

protected:
    // Opens the editor over rect (numbersOnly limits it to digits), or passes
    // nChar to the editor already open.
    bool editWith(int row, int col, QRect rect, int id, int nChar, bool numbersOnly);

private:
    QString m_strText;
    quint32 m_lParam = 0;
    quint32 m_nState = 0;
    int m_nImage = -1;
    quint32 m_nFormat = FormatUnset;
    QColor m_crFgClr;
    QColor m_crBkClr;
    std::optional<QFont> m_font;
    int m_nMargin = -1;
    CGridCtrl* m_pGrid = nullptr;
    bool m_bEditing = false;
    QPointer<CGridInPlaceEdit> m_pEditWnd;
};

} // namespace grid
