#include "core/tools.h"


TColor HighlightColor = 0;
TColor OutlineColor = 0;
TColor LineColor = 0;
TColor FontColor = 0;
TColor HoverColor = 0;
TColor CaptionColor = 0;
