// The banner in the main panel's header strip: program name, version and the
// maker's or distributor's branding, built from text controls made at run time.
#pragma once

#include <string>

// Branding 0 neutral, 1 distributor, 2 maker (others draw nothing), with the
// program's title and version texts. The company texts and logos are read from
// the maker file next to the program. Each call adds new text controls.
void ShowLogo(int mode);

// A new text message on the main panel at (left, top) in font "NIDialog" with
// the colours and size given and the program's build text as its tooltip;
// returns its control id. The first argument is not used.
int ShowInfoText(int panel, int background, int foreground, const std::string& text, int left,
                 int top, int pointSize);
