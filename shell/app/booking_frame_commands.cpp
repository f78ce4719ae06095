#include "frame_commands.h"

#include "main_frame.h"

void RegisterBookingFrameCommands(CMainFrame&) {}
