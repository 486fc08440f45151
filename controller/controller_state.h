// The controller's shared module state and control ids. One copy, one thread;
// it lives from start-up to process exit.
#pragma once
#include <windows.h>

// Text buffers of the controller: paths and list items.
const int TEXT_SIZE = MAX_PATH; // 260 bytes, at most 259 characters

enum ControlId {
    IDC_PROPERTY_LIST = -101, // hidden list box of named values (engine link)
    IDC_IMAGE = 1001,
    IDC_ZOOM = 1002,
    IDC_TRANSPARENT = 1003,
    IDC_CLOCK = 1004,
    IDC_GAUGE1 = 1005,
    IDC_GAUGE2 = 1006,
    IDC_GAUGE3 = 1007,
    IDC_SELECT_IMAGE = 1008,
    IDC_USE_PLUGIN = 1009,
    IDC_PLUGIN_LIST = 1011,
    IDC_AUDIO_LIST = 1012,
};

extern HWND MainWindow;              // main window "Tessaro"; written by start-up
extern HWND ImageControl;            // image control, 0 if its creation failed; written by the layout
extern UINT EngineNotifyMessage;     // id of "Orvanenotification"; written by start-up
extern char AudioFolder[TEXT_SIZE];  // program folder + "Audio\"; written by start-up
extern char PluginFolder[TEXT_SIZE]; // program folder + "VumoPlugin\"; written by start-up
extern int PictureObjectId;          // image object of the panel's picture, 0 before the first; image panel

// Image panel (written by LoadPicture and ApplyZoom only).
extern int ImageFileWidth, ImageFileHeight; // picture file size, every load attempt
extern int BitmapWidth, BitmapHeight;       // shown bitmap size, successful loads
extern float LastZoom;                      // zoom last handled by ApplyZoom
