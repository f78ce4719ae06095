#pragma once

// Window message numbers shared by the main program and the plugin views.
// The event type that carries them lives in platform/ui; only numbers here.

#ifndef WM_USER
#define WM_USER 0x0400
#endif

// Host -> first visible registered plugin view window (sent).
#define WM_PLUGIN_GOTO_DATE 2024        // wParam 1: show *(CDateTime*)lParam; 0: write the first visible one
#define WM_PLUGIN_GET_SELECTION 2025    // lParam: SelectionRecord*
#define WM_PLUGIN_PREPARE_REPORT 2026   // write the visible period and collapsed groups to the settings
#define WM_PLUGIN_VIEW_COMMAND 2027     // the frame's view command

// Inside the views plugin, from its callbacks to the active view.
#define WM_VIEW_ACTIVATED (WM_USER + 0)
#define WM_VIEW_SETTINGS_CHANGED (WM_USER + 1)
#define WM_VIEW_DATA_CHANGED (WM_USER + 2)     // lParam: change mask
#define WM_VIEW_FILTER_CHANGED (WM_USER + 3)

// Frame commands the views send to the host main window with WM_COMMAND.
#define ID_HOST_NEW_BOOKING 32768
#define ID_HOST_RESOURCE_LIST 32775
#define ID_HOST_TASK_LIST 32776
#define ID_HOST_VIEW_OPTIONS 32777
#define ID_HOST_GO_TO_TODAY 32779
#define ID_HOST_UNITS_ON_SCREEN 32789
#define ID_HOST_GO_TO_DATE 32790
#define ID_HOST_SCHEDULE_OPTIONS 32792
