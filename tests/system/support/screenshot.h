#pragma once
#include <string>

// Saves the whole screen as <name>.bmp in the run's screenshot folder (the
// runner turns it into a PNG for review). Review artefacts only: no test
// asserts on them.
void SaveScreenshot(const std::string& name);
