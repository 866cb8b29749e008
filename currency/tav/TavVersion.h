#pragma once

// The version of the control package, for the About texts of the modules that use it.
const char *TavVersion();
