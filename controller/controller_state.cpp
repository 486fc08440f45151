// The controller's shared module state (declared in controller_state.h).
#include "controller_state.h"

HWND MainWindow;
HWND ImageControl;
UINT EngineNotifyMessage;
char AudioFolder[TEXT_SIZE];
char PluginFolder[TEXT_SIZE];
int PictureObjectId;
int ImageFileWidth, ImageFileHeight;
int BitmapWidth, BitmapHeight;
float LastZoom;
