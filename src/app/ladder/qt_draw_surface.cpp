#include "app/ladder/qt_draw_surface.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPalette>
#include <QStringList>

#include "app/qt_text.h"

namespace varno {

namespace {

QRect ToQRect(const CRect& r) {
    return QRect(r.left, r.top, r.Width(), r.Height());
}

// The faces the project's font records name, mapped once onto metric-compatible installed
// ones; the toolbar's "Tohama" onto the system's UI face.
void EnsureSubstitutions() {
    static const bool installed = [] {
        QFont::insertSubstitutions("Courier New", QStringList{QStringLiteral("Liberation Mono"),
                                                              QStringLiteral("DejaVu Sans Mono")});
        QFont::insertSubstitutions(
            "Arial", QStringList{QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
        QFont::insertSubstitutions(
            "Microsoft YaHei UI",
            QStringList{QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Sans CJK SC")});
        QFont::insertSubstitution("Fixedsys",
                                  QFontDatabase::systemFont(QFontDatabase::FixedFont).family());
        QFont::insertSubstitution("Tohama",
                                  QFontDatabase::systemFont(QFontDatabase::GeneralFont).family());
        return true;
    }();
    (void)installed;
}

std::string FontKey(const CFontDesc& desc) {
    return desc.face + '\0' + std::to_string(desc.height) + '\0' + std::to_string(desc.weight) +
           (desc.italic ? 'i' : '-') + (desc.underline ? 'u' : '-') + (desc.strikeOut ? 's' : '-');
}

}  // namespace

QFont ToolBarFont() {
    EnsureSubstitutions();
    return QFont(QStringLiteral("Tohama"), 9);
}

QFont QtFont(const CFontDesc& desc) {
    EnsureSubstitutions();
    QString face = FromGbk(desc.face);
    if (!QFontDatabase::hasFamily(face)) {
        for (const QString& substitute : QFont::substitutes(face)) {
            if (QFontDatabase::hasFamily(substitute)) {
                face = substitute;
                break;
            }
        }
    }
    QFont font(face);
    // Chinese texts in a Latin face still need glyphs.
    font.setFamilies(QStringList{face, QStringLiteral("WenQuanYi Micro Hei")});
    font.setPixelSize(desc.PixelSize());
    if (desc.weight > 0) {
        font.setWeight(QFont::Weight(std::clamp(desc.weight, 100, 900)));
    }
    font.setItalic(desc.italic);
    font.setUnderline(desc.underline);
    font.setStrikeOut(desc.strikeOut);
    return font;
}

int CQtTextMeasure::TextWidth(const CFontDesc& font, std::string_view text) {
    return QFontMetrics(QtFont(font)).horizontalAdvance(FromGbk(std::string(text)));
}

int CQtTextMeasure::TextHeight(const CFontDesc& font) {
    return QFontMetrics(QtFont(font)).boundingRect(QStringLiteral("X")).height();
}

CQtDrawSurface::CQtDrawSurface(QPainter& painter, const QTransform& base, const QPalette* palette)
    : painter_(painter), base_(base), palette_(palette) {
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
    painter_.setWorldTransform(base_);
}

QColor CQtDrawSurface::ToQColor(Color color) const {
    if (palette_ != nullptr) {
        if (color == COLOR_WINDOW) {
            return palette_->color(QPalette::Base);
        }
        if (color == COLOR_BUTTON_FACE) {
            return palette_->color(QPalette::Button);
        }
    }
    return QColor(ColorRed(color), ColorGreen(color), ColorBlue(color));
}

const QFont& CQtDrawSurface::Font(const CFontDesc& desc) {
    const std::string key = FontKey(desc);
    auto it = fonts_.find(key);
    if (it == fonts_.end()) {
        it = fonts_.emplace(key, QtFont(desc)).first;
    }
    return it->second;
}

void CQtDrawSurface::SetOrigin(int x, int y) {
    painter_.setWorldTransform(QTransform::fromTranslate(-x, -y) * base_);
}

void CQtDrawSurface::SetPen(const CPen& pen) {
    QPen qpen(ToQColor(pen.color), pen.width <= 1 ? 0 : pen.width,
              pen.style == PenStyle::Dot ? Qt::DotLine : Qt::SolidLine);
    qpen.setCapStyle(Qt::FlatCap);
    painter_.setPen(qpen);
}

void CQtDrawSurface::SetBrush(Color color) {
    painter_.setBrush(ToQColor(color));
}

void CQtDrawSurface::SetFont(const CFontDesc& font) {
    painter_.setFont(Font(font));
}

void CQtDrawSurface::SetTextColor(Color color) {
    textColor_ = ToQColor(color);
}

void CQtDrawSurface::MoveTo(int x, int y) {
    current_ = QPoint(x, y);
}

void CQtDrawSurface::LineTo(int x, int y) {
    const QPoint to(x, y);
    painter_.drawLine(current_, to);
    current_ = to;
}

void CQtDrawSurface::Rectangle(const CRect& rect) {
    painter_.drawRect(QRect(rect.left, rect.top, rect.Width() - 1, rect.Height() - 1));
}

void CQtDrawSurface::Ellipse(const CRect& rect) {
    painter_.drawEllipse(QRect(rect.left, rect.top, rect.Width() - 1, rect.Height() - 1));
}

void CQtDrawSurface::FillRect(const CRect& rect, Color color) {
    painter_.fillRect(ToQRect(rect), ToQColor(color));
}

void CQtDrawSurface::DrawText(std::string_view text, const CRect& rect, unsigned flags) {
    int align = (flags & TEXT_CENTER) != 0 ? Qt::AlignHCenter : Qt::AlignLeft;
    if ((flags & TEXT_VCENTER) != 0) {
        align |= Qt::AlignVCenter;
    } else if ((flags & TEXT_BOTTOM) != 0) {
        align |= Qt::AlignBottom;
    } else {
        align |= Qt::AlignTop;
    }
    if ((flags & TEXT_SINGLELINE) != 0) {
        align |= Qt::TextSingleLine;
    }
    if ((flags & TEXT_NOCLIP) != 0) {
        align |= Qt::TextDontClip;
    }
    const QPen pen = painter_.pen();
    painter_.setPen(textColor_);
    painter_.drawText(ToQRect(rect), align, FromGbk(std::string(text)));
    painter_.setPen(pen);
}

void CQtDrawSurface::SetClip(const CRect& rect) {
    painter_.setClipRect(ToQRect(rect));
}

void CQtDrawSurface::ResetClip() {
    painter_.setClipping(false);
}

int CQtDrawSurface::TextWidth(const CFontDesc& font, std::string_view text) {
    return QFontMetrics(Font(font)).horizontalAdvance(FromGbk(std::string(text)));
}

int CQtDrawSurface::TextHeight(const CFontDesc& font) {
    return QFontMetrics(Font(font)).boundingRect(QStringLiteral("X")).height();
}

}  // namespace varno
