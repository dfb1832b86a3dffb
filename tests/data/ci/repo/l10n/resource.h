// Identifiers of the example application's resources.
#define IDR_MAIN 100
#define ID_FILE_OPEN 101
#define ID_APP_EXIT 102
#define IDS_COPIED 201
#define IDS_READY 202
