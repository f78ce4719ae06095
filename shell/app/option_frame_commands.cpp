#include "frame_commands.h"

#include "main_frame.h"

void RegisterOptionFrameCommands(CMainFrame&) {}
