#include "cli/cli_export_svg.h"

#include <cstdio>
#include <filesystem>
#include <ostream>

#include "cli/cli.h"
#include "cli/cli_common.h"
#include "cli/cli_services.h"
#include "editor/ladder_renderer.h"
#include "editor/svg_surface.h"
#include "platform/atomic_file.h"
#include "platform/codepage.h"

namespace varno {

namespace {

// A4 portrait at 600 dots per inch: 210 mm x 297 mm.
constexpr int A4_DPI = 600;
constexpr int A4_WIDTH = 4961;
constexpr int A4_HEIGHT = 7016;

void WriteText(const std::string& path, const std::string& text) {
    SaveFileAtomically(path, [&](CArchive& ar) { ar.WriteBytes(text); });
}

std::string WholeProgram(CLadderRenderer& renderer, const CLadder& ladder,
                         const CCommentList& comments) {
    CFixedPitchMeasure measure;
    const long long w = renderer.CellWidth();
    const long long h = renderer.CellHeight();
    const int comment = renderer.RightCommentWidth(ladder, comments, measure);
    long long width = renderer.OriginX() + 8 * w + 4 + (comment > 0 ? comment + 8 : 16);
    long long height = std::max(ladder.DisplayRowCount(), 1) * h;
    width = std::min<long long>(width, 1'000'000'000);
    height = std::min<long long>(height, 1'000'000'000);
    CSvgSurface surface(static_cast<int>(width), static_cast<int>(height));
    surface.SetOrigin(0, 0);
    renderer.PaintWindow(surface, ladder, comments,
                         CRect{0, 0, static_cast<int>(width), static_cast<int>(height)}, nullptr);
    return surface.Finish();
}

}  // namespace

int CliExportSvg(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const bool pages = !args.empty() && args[0] == "--pages";
    const std::vector<std::string> rest(args.begin() + (pages ? 1 : 0), args.end());
    if (auto failed = CheckArguments(rest, 3, "export-svg",
                                     pages ? "a project file, a program and a folder"
                                           : "a project file, a program and an SVG file",
                                     err)) {
        return *failed;
    }
    CStreamMessages messages(err);
    CVARNOApp app(messages);
    if (auto failed = OpenCliProject(app, rest[0], err)) {
        return *failed;
    }
    if (auto failed = CheckLadderFileRead(app, err)) {
        return *failed;
    }
    CLadder* ladder = app.Programs().FindByName(Utf8ToGbk(rest[1]));
    if (ladder == nullptr) {
        std::string names;
        for (const CLadder& program : app.Programs()) {
            names += (names.empty() ? "" : ", ") + GbkToUtf8(program.Name());
        }
        return CliFail(err, "no program '" + rest[1] + "' in the project (it has: " + names + ")");
    }
    CLadderRenderer renderer;
    renderer.SetDisplay(app.Display());
    CFixedPitchMeasure measure;
    renderer.RecalcLayout(*ladder, measure);
    try {
        if (!pages) {
            WriteText(rest[2], WholeProgram(renderer, *ladder, app.Comments()));
            out << rest[2] << "\n";
            return EXIT_OK;
        }
        std::error_code error;
        std::filesystem::create_directories(rest[2], error);
        if (error || !std::filesystem::is_directory(rest[2])) {
            return CliFail(err, "cannot create the folder " + rest[2]);
        }
        const CRect page = renderer.PageRect(A4_WIDTH, A4_HEIGHT, A4_DPI, A4_DPI);
        const std::vector<int> starts = renderer.Paginate(*ladder, renderer.BandRect(page));
        for (std::size_t p = 1; p <= starts.size(); ++p) {
            CSvgSurface surface(page.Width(), page.Height(), "210mm", "297mm");
            surface.FillRect(page, COLOR_WINDOW);
            renderer.PrintPage(surface, *ladder, app.Comments(), app.Versions(), starts,
                               static_cast<int>(p), page);
            char name[32];
            std::snprintf(name, sizeof name, "page-%03zu.svg", p);
            const std::string path = (std::filesystem::path(rest[2]) / name).string();
            WriteText(path, surface.Finish());
            out << path << "\n";
        }
        return EXIT_OK;
    } catch (const CFileException& e) {
        return CliFail(err, e.what());
    }
}

}  // namespace varno
