// varnoc export-svg: a program's ladder as SVG, the whole program as the window draws it, or
// one file per printed page.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace varno {

// export-svg PROJECT.KPJ PROGRAM OUT.svg: the whole program with nothing selected.
// export-svg --pages PROJECT.KPJ PROGRAM OUTDIR: page-001.svg, ... for A4 portrait at 600 dpi,
// with header and footer. EXIT_OK when written; EXIT_USAGE for wrong arguments, an unknown
// program, a project or ladder file that cannot be read, or a file that cannot be written.
int CliExportSvg(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace varno
