#pragma once

// Dialog items of the resource, task and group dialogs.
inline constexpr int IDC_ITEM_COLOR1 = 1000;
inline constexpr int IDC_ITEM_COLOR2 = 1001;
inline constexpr int IDC_ITEM_NAME = 1002;
inline constexpr int IDC_ITEM_GROUP = 1003;
inline constexpr int IDC_ITEM_NOTES = 1006;

// Dialog items of the resource and task list dialogs.
inline constexpr int IDC_ITEM_LIST = 1000;
inline constexpr int IDC_ITEM_LIST_ADD = 1001;
inline constexpr int IDC_ITEM_LIST_DELETE = 1002;
inline constexpr int IDC_ITEM_LIST_EDIT = 1003;
inline constexpr int IDC_ITEM_LIST_UP = 1145;
inline constexpr int IDC_ITEM_LIST_DOWN = 1146;
inline constexpr int IDC_ITEM_LIST_INTO_GROUP = 1147;
inline constexpr int IDC_ITEM_LIST_OUT_OF_GROUP = 1148;
inline constexpr int IDC_ITEM_LIST_SORT = 1149;

// Commands of the list dialogs' add menu.
inline constexpr int ID_ITEM_LIST_ADD_ITEM = 31810;
inline constexpr int ID_ITEM_LIST_ADD_GROUP = 31811;
