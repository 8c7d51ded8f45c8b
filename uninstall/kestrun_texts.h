// Ids of the hook's string table; shared by the resource script and the code.
#pragma once

#define IDS_STOP_FAILED 1
#define IDS_DELETE_FAILED 2
#define IDS_OPEN_SERVICE_FAILED 3
#define IDS_OPEN_MANAGER_FAILED 4
#define IDS_ABORTING 5
#define IDS_INI_UNREADABLE 6
