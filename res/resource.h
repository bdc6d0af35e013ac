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
