// The example project examples/Demo, built through the model and saved with the project's own
// save functions, so that the committed files are what the system itself writes.
#pragma once

#include <string>

namespace varno {

class CVARNOApp;

// Fills the programs, element comments and version information of an open project.
void BuildDemoProject(CVARNOApp& app);

// Creates the demo project in a folder: Demo.KPJ with all its data files and a parameter file
// holding the timer and counter presets. False, with the reason in error, when it cannot.
bool WriteDemoProject(const std::string& folder, std::string& error);

}  // namespace varno
