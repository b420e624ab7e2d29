#include "editor/svg_surface.h"

#include <cstdio>

#include "platform/codepage.h"

namespace varno {

namespace {

std::string Num(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%g", value);
    return buffer;
}

// Strokes of an odd width sit on pixel centres, as the window's pixels do.
double Centre(int coordinate, int width) {
    return width % 2 == 1 ? coordinate + 0.5 : coordinate;
}

}  // namespace

std::string SvgColor(Color color) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "#%02x%02x%02x", ColorRed(color), ColorGreen(color),
                  ColorBlue(color));
    return buffer;
}

std::string XmlEscape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                // Control characters are not allowed in XML 1.0.
                if (static_cast<unsigned char>(c) >= 0x20 || c == '\t') {
                    out += c;
                }
        }
    }
    return out;
}

CSvgSurface::CSvgSurface(int width, int height, std::string displayWidth,
                         std::string displayHeight) {
    if (displayWidth.empty()) {
        displayWidth = std::to_string(width);
    }
    if (displayHeight.empty()) {
        displayHeight = std::to_string(height);
    }
    header_ =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
        displayWidth + "\" height=\"" + displayHeight + "\" viewBox=\"0 0 " +
        std::to_string(width) + " " + std::to_string(height) + "\">\n";
}

void CSvgSurface::SetOrigin(int x, int y) {
    origin_ = CPoint{x, y};
}

std::string CSvgSurface::Stroke() const {
    std::string s = " stroke=\"" + SvgColor(pen_.color) + "\" stroke-width=\"" +
                    std::to_string(pen_.width) + "\"";
    if (pen_.style == PenStyle::Dot) {
        s += " stroke-dasharray=\"1 1\"";
    }
    return s;
}

void CSvgSurface::MoveTo(int x, int y) {
    at_ = CPoint{x, y};
}

void CSvgSurface::LineTo(int x, int y) {
    const int w = pen_.width;
    const int x1 = at_.x - origin_.x;
    const int y1 = at_.y - origin_.y;
    const int x2 = x - origin_.x;
    const int y2 = y - origin_.y;
    // The window leaves out the end point; a horizontal or vertical line covers whole pixels.
    double ax = Centre(x1, w), ay = Centre(y1, w), bx = Centre(x2, w), by = Centre(y2, w);
    if (y1 == y2) {
        ax = x1 <= x2 ? x1 : x1 + 1;
        bx = x2 <= x1 ? x2 + 1 : x2;
    } else if (x1 == x2) {
        ay = y1 <= y2 ? y1 : y1 + 1;
        by = y2 <= y1 ? y2 + 1 : y2;
    }
    body_ += "<line x1=\"" + Num(ax) + "\" y1=\"" + Num(ay) + "\" x2=\"" + Num(bx) + "\" y2=\"" +
             Num(by) + "\"" + Stroke() + "/>\n";
    at_ = CPoint{x, y};
}

void CSvgSurface::Rectangle(const CRect& rect) {
    const int w = pen_.width;
    const double half = w / 2.0;
    body_ += "<rect x=\"" + Num(rect.left - origin_.x + half) + "\" y=\"" +
             Num(rect.top - origin_.y + half) + "\" width=\"" + Num(rect.Width() - w) +
             "\" height=\"" + Num(rect.Height() - w) + "\" fill=\"" + SvgColor(brush_) + "\"" +
             Stroke() + "/>\n";
}

void CSvgSurface::Ellipse(const CRect& rect) {
    const double half = pen_.width / 2.0;
    body_ += "<ellipse cx=\"" + Num(rect.left - origin_.x + rect.Width() / 2.0) + "\" cy=\"" +
             Num(rect.top - origin_.y + rect.Height() / 2.0) + "\" rx=\"" +
             Num(rect.Width() / 2.0 - half) + "\" ry=\"" + Num(rect.Height() / 2.0 - half) +
             "\" fill=\"" + SvgColor(brush_) + "\"" + Stroke() + "/>\n";
}

void CSvgSurface::FillRect(const CRect& rect, Color color) {
    body_ += "<rect x=\"" + std::to_string(rect.left - origin_.x) + "\" y=\"" +
             std::to_string(rect.top - origin_.y) + "\" width=\"" + std::to_string(rect.Width()) +
             "\" height=\"" + std::to_string(rect.Height()) + "\" fill=\"" + SvgColor(color) +
             "\"/>\n";
}

std::string CSvgSurface::FontAttributes() const {
    std::string s = " font-family=\"'" + XmlEscape(GbkToUtf8(font_.face)) +
                    "', monospace\" font-size=\"" + std::to_string(font_.PixelSize()) + "\"";
    if (font_.weight >= 600) {
        s += " font-weight=\"bold\"";
    }
    if (font_.italic) {
        s += " font-style=\"italic\"";
    }
    if (font_.underline || font_.strikeOut) {
        s += std::string(" text-decoration=\"") + (font_.underline ? "underline" : "line-through") +
             "\"";
    }
    return s;
}

void CSvgSurface::DrawText(std::string_view text, const CRect& rect, unsigned flags) {
    if (text.empty()) {
        return;
    }
    const int size = font_.PixelSize();
    // Baseline from the box: ascent about 0.8 em, descent 0.2 em.
    const double ascent = size * 0.8;
    const double descent = size * 0.2;
    const int left = rect.left - origin_.x;
    const int top = rect.top - origin_.y;
    double baseline = top + ascent;
    if ((flags & TEXT_BOTTOM) != 0) {
        baseline = rect.bottom - origin_.y - descent;
    } else if ((flags & TEXT_VCENTER) != 0) {
        baseline = top + rect.Height() / 2.0 + (ascent - descent) / 2.0;
    }
    const bool centre = (flags & TEXT_CENTER) != 0;
    const double x = centre ? left + rect.Width() / 2.0 : left;
    std::string element = "<text x=\"" + Num(x) + "\" y=\"" + Num(baseline) + "\"" +
                          FontAttributes() + " fill=\"" + SvgColor(textColor_) + "\"";
    if (centre) {
        element += " text-anchor=\"middle\"";
    }
    element += " xml:space=\"preserve\">" + XmlEscape(GbkToUtf8(text)) + "</text>\n";
    const bool clipped = (flags & TEXT_NOCLIP) == 0 && TextWidth(font_, text) > rect.Width();
    if (clipped) {
        const std::string id = "t" + std::to_string(++clips_);
        body_ += "<clipPath id=\"" + id + "\"><rect x=\"" + std::to_string(left) + "\" y=\"" +
                 std::to_string(top) + "\" width=\"" + std::to_string(rect.Width()) +
                 "\" height=\"" + std::to_string(rect.Height()) +
                 "\"/></clipPath>\n<g clip-path=\"url(#" + id + ")\">" + element + "</g>\n";
    } else {
        body_ += element;
    }
}

void CSvgSurface::SetClip(const CRect& rect) {
    ResetClip();
    const std::string id = "c" + std::to_string(++clips_);
    body_ += "<clipPath id=\"" + id + "\"><rect x=\"" + std::to_string(rect.left - origin_.x) +
             "\" y=\"" + std::to_string(rect.top - origin_.y) + "\" width=\"" +
             std::to_string(rect.Width()) + "\" height=\"" + std::to_string(rect.Height()) +
             "\"/></clipPath>\n<g clip-path=\"url(#" + id + ")\">\n";
    clipOpen_ = true;
}

void CSvgSurface::ResetClip() {
    if (clipOpen_) {
        body_ += "</g>\n";
        clipOpen_ = false;
    }
}

std::string CSvgSurface::Finish() {
    ResetClip();
    return header_ + body_ + "</svg>\n";
}

}  // namespace varno
