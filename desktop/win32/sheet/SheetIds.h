// Resource and control ids of the settings sheet's dialog templates (Sheet.rc).
#pragma once

#define IDD_ABOUT 104
#define IDD_DISPLAY 105
#define IDD_REMINDERS 106
#define IDD_SCHEDULE 107
#define IDD_CALENDAR 108
#define IDD_NOTE 143

#define IDI_PROGRAM 128

#define IDC_HOMEPAGE 1000
#define IDC_BACKGROUND 1001
#define IDC_CLOCKSTYLE 1002
#define IDC_LIST 1007
#define IDC_MODIFY 1009
#define IDC_ADD 1010
#define IDC_TIME 1012
#define IDC_ENABLE 1013
#define IDC_DELETE 1014
#define IDC_MESSAGE 1015
