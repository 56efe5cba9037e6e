/* Names of the resources in orvexlog.rc, for LoadIconA / LoadCursorA. */
#ifndef ORVEXLOG_RESOURCE_NAMES_H
#define ORVEXLOG_RESOURCE_NAMES_H

/* The program file's icon (16 to 256 px, 32-bit), also the taskbar entry's. */
#define ORVEXLOG_ICON_NAME "MAINICON"
/* The windows' and the tray's 16 x 16, 16-colour icon. */
#define ORVEXLOG_WINDOW_ICON_NAME "WINDOWICON"
#define ORVEXLOG_HAND_CURSOR_NAME "HAND"

#endif
