#pragma once

// Closes the main page that the main window opens at its first showing, so a test that opens
// screens through the real modules sees only its own screens (and they open at their own size,
// not maximised like the page). Does nothing when no main page is open.
void CloseMainPage();
