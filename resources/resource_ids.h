// Resource ids of the program's own resources.
#pragma once

#define IDS_DESCRIPTION     1    // what the system lists as the screen saver's name
#define IDS_SETTINGS_TITLE  103
#define IDI_PROGRAM         128
#define IDC_BLANK           132
#define IDB_PREVIEW         145
