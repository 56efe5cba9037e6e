/* Names of the resources in orvexlog.rc, for LoadIconA / LoadCursorA. */
#ifndef ORVEXLOG_RESOURCE_NAMES_H
#define ORVEXLOG_RESOURCE_NAMES_H

#define ORVEXLOG_ICON_NAME "MAINICON"
#define ORVEXLOG_HAND_CURSOR_NAME "HAND"

#endif
