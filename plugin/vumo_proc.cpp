// The plug-in's one export: the host calls VumoProc once per event.
#include "plugin_record.h"
#include "vortiq_state.h"
#include "scene.h"
#include "textures.h"
#include "../common/bounded_text.h"

TextureSlot TextureSlots[TEXTURE_SLOT_COUNT];
int TextureSlotCount;
COLORREF ColorRamp[COLOR_RAMP_SIZE];
float RedFactor[BAND_TABLE_SIZE];
float GreenFactor[BAND_TABLE_SIZE];
float BlueFactor[BAND_TABLE_SIZE];
float Rotation;

static const char PLUGIN_DISPLAY_NAME[] = "Didudi";
static const char PLUGIN_AUTHOR_TEXT[] = "Vortiq visual for Orvane, by the Tessaro developers";

// Touches only name, author and the two info values: no OpenGL, so a host may
// ask at any time, also before PLUGIN_CREATE.
static void OnInfo(PluginRecord *record)
{
    CopyText(record->name, PLUGIN_NAME_SIZE, PLUGIN_DISPLAY_NAME);
    CopyText(record->author, PLUGIN_AUTHOR_SIZE, PLUGIN_AUTHOR_TEXT);
    record->infoValue1 = MAKELONG(1, 0);
    record->infoValue2 = 1;
}

// Exported under its plain name by Vortiq.def.
extern "C" int32_t WINAPI VumoProc(PluginRecord *record)
{
    if (TextureSlotCount == 0) TextureSlotCount = TEXTURE_SLOT_COUNT;
    if (!record) return -1;
    switch (record->message) {
    case PLUGIN_INFO: OnInfo(record); break;
    case PLUGIN_RENDER: OnRender(record); break;
    case PLUGIN_CREATE: OnCreate(record); break;
    case PLUGIN_SIZE: OnSize(record); break;
    case PLUGIN_DESTROY: ReleaseTextures(1, TextureSlotCount); break;
    default:
        if (record->message < PLUGIN_FIRST_CODE || record->message > PLUGIN_LAST_CODE) return -1;
        break;
    }
    return 0;
}
