// The faces the project's font records name, mapped onto metric-compatible installed ones.
#pragma once

namespace varno {

// Maps "Courier New", "Arial", "Microsoft YaHei UI", "Fixedsys" and "Tohama" onto installed
// faces; runs once per process, before the first font is made.
void InstallFontSubstitutions();

}  // namespace varno
