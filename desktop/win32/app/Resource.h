// Resource ids of the clock window: icons, tray menu, cursor and the built-in skin.
#pragma once

#define IDI_PROGRAM 128
#define IDR_TRAYMENU 129
#define IDC_YELLOWARROW 130
// Icons 130 to 160: the tray icon of day 1 to 31.
#define IDI_DAY_FIRST 130
#define IDR_FALLBACK_BK 171
#define IDR_FALLBACK_NUM 172

#define ID_TRAY_HIDE 32771
#define ID_TRAY_EXIT 32772
#define ID_TRAY_AUTOSTART 32777
#define ID_TRAY_CONFIGURE 32778
#define ID_TRAY_ALERTSOUND 32779
