//{{NO_DEPENDENCIES}}
// The identifiers of the example's own resources, commands and controls; those of the
// framework (ID_FILE_NEW, IDOK, ...) come from afxres.h.
//
#define IDD_ABOUTBOX 100
#define IDD_OPTIONS 101
#define IDR_MAINFRAME 128
#define IDS_READY 200
#define IDS_SAVE_CHANGES 201
#define IDS_FILE_NOT_FOUND 202
#define IDS_ITEMS_SELECTED 203
#define IDC_NAME 1000
#define IDC_UNITS 1001
#define IDC_SHOW_TOOLBAR 1002
#define IDC_SHOW_STATUS 1003
#define ID_UNITS_METRIC 32771
#define ID_UNITS_IMPERIAL 32772

// Next default values for new objects
//
#ifdef APSTUDIO_INVOKED
#ifndef APSTUDIO_READONLY_SYMBOLS
#define _APS_NEXT_RESOURCE_VALUE 129
#define _APS_NEXT_COMMAND_VALUE 32773
#define _APS_NEXT_CONTROL_VALUE 1004
#define _APS_NEXT_SYMED_VALUE 101
#endif
#endif
