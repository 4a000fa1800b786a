#pragma once
// The pictures embedded in the program (":/front_panel.jpg", ":/link_g.png", ...).

// Registers them. The linker drops an unreferenced resource object from a static library, so
// every user of a picture calls this first; repeated calls are harmless.
void InitKswResources();
