#pragma once
// Resource and control ids shared by the .rc and the code.

// Menu commands.
#define IDM_EXIT 2001
#define IDM_TRANSPARENT 2002
#define IDM_FONT 2003
#define IDM_BACKGROUND 2004
#define IDM_BORDER 2005
#define IDM_ONTOP 2006
#define IDM_SECOND 2007
#define IDM_TIMER 2008
#define IDM_ABOUT 2009
#define IDM_ANALOG 2010
#define IDM_CAPTION 2011
#define IDM_TOOLTIP 2012
#define IDM_USEBITMAP 2013
#define IDM_STARTUP 2014
#define IDM_HOUR12 2015

// Timer settings dialog.
#define IDC_TIMER_ON 1000
#define IDC_TIMER_OFF 1001
#define IDC_ALARM1_ON 1002    // 1002..1005
#define IDC_ALARM1_TIME 1006  // 1006..1009
#define IDC_ALARM1_MSG 1010   // 1010..1013
#define IDC_AUTO_DELETE 1016
#define IDC_ALARM_COUNT 1017
#define IDC_USE_WAVE 1019
#define IDC_WAVE_LABEL 1020
#define IDC_WAVE_FILE 1021
#define IDC_WAVE_BROWSE 1022
#define IDC_WAVE_TEST 1023
#define IDC_WAVE_STOP 1024
#define IDC_SNOOZE_MINUTES 1026
#define IDC_ALARM1_DAYS 1030  // 1030..1057: alarm n's Sunday to Saturday at 1030 + 7 * (n - 1)
#define IDC_CHIME 1058
#define IDC_CHIME_FROM 1059
#define IDC_CHIME_TO 1060

// Alarm notification.
#define IDC_SNOOZE 1025

// Texts (the string table of each language). A menu item's text has its
// command's id.
#define IDS_PICTURE_MENU 2016   // the background item while a picture is used
#define IDS_START_FAILED 3000
#define IDS_SAVE_FAILED 3001
#define IDS_STARTUP_FAILED 3002
#define IDS_BAD_VALUE 3003
#define IDS_PICTURE_TITLE 3004
#define IDS_PICTURE_FILTER 3005  // '|' between its parts
#define IDS_WAVE_TITLE 3006
#define IDS_WAVE_FILTER 3007
#define IDS_ERROR 3008
#define IDS_OPEN_FAILED 3009     // %.300s: the path
// A picture's faults: IDS_BITMAP_FAULT + its BitmapFault.
#define IDS_BITMAP_FAULT 3010
#define IDS_HEADER_SHORT 3011
#define IDS_BAD_MAGIC 3012       // %04x: the file's first two bytes
#define IDS_NO_MEMORY 3013
#define IDS_SHORT_READ 3014
#define IDS_INFO_HEADER_SIZE 3015
#define IDS_DAMAGED 3016
#define IDS_NO_PIXELS 3017
#define IDS_UNSUPPORTED 3018
// The notification and the time texts.
#define IDS_DEFAULT_MESSAGE 3020
#define IDS_LATE_HOURS_MINUTES 3021  // %u hours, %u minutes
#define IDS_LATE_HOURS 3022
#define IDS_LATE_MINUTES 3023
#define IDS_AM 3024               // %s: the 12-hour digits
#define IDS_PM 3025
#define IDS_DATE_FORM 3026        // a GetDateFormat picture; empty: the user's long date
#define IDS_NOTICE_FONT 3027      // the notification's face
