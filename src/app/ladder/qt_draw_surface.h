// The core's drawing surface on a QPainter: the window's off-screen image, a printer page or a
// PDF. Logical units map onto the device through a base transform (identity on screen, dots
// per inch / 96 on paper); texts stay texts, so a PDF keeps them searchable.
#pragma once

#include <QFont>
#include <QPainter>
#include <QTransform>
#include <map>

#include "editor/draw_surface.h"

class QPalette;

namespace varno {

// The QFont a font of the project describes, with the substitutions for missing faces.
QFont QtFont(const CFontDesc& desc);
// The ladder toolbar's 9-point "Tohama".
QFont ToolBarFont();

// Measures with the fonts the window draws with.
class CQtTextMeasure final : public ITextMeasure {
public:
    int TextWidth(const CFontDesc& font, std::string_view text) override;
    int TextHeight(const CFontDesc& font) override;
};

class CQtDrawSurface final : public IDrawSurface {
public:
    // palette: the system colours that the window and button-face colours stand for; null
    // when printing, where they stay as given.
    CQtDrawSurface(QPainter& painter, const QTransform& base, const QPalette* palette);

    void SetOrigin(int x, int y) override;
    void SetPen(const CPen& pen) override;
    void SetBrush(Color color) override;
    void SetFont(const CFontDesc& font) override;
    void SetTextColor(Color color) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void Rectangle(const CRect& rect) override;
    void Ellipse(const CRect& rect) override;
    void FillRect(const CRect& rect, Color color) override;
    void DrawText(std::string_view text, const CRect& rect, unsigned flags) override;
    void SetClip(const CRect& rect) override;
    void ResetClip() override;
    int TextWidth(const CFontDesc& font, std::string_view text) override;
    int TextHeight(const CFontDesc& font) override;

private:
    QColor ToQColor(Color color) const;
    const QFont& Font(const CFontDesc& desc);

    QPainter& painter_;
    QTransform base_;
    const QPalette* palette_;
    QPoint current_;
    QColor textColor_ = Qt::black;
    std::map<std::string, QFont> fonts_;
};

}  // namespace varno
