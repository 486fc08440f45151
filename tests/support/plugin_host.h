// Loads Vortiq.dll the way a host does and calls its entry.
#pragma once
#include <windows.h>
#include <string.h>
#include "stage.h"
#include "plugin/plugin_record.h"

typedef int32_t(WINAPI *VumoProcFn)(PluginRecord *);

struct LoadedPlugin {
    HMODULE module;
    VumoProcFn proc;
};

// Every load after a full unload starts with fresh module state.
inline LoadedPlugin LoadPlugin()
{
    LoadedPlugin p = {};
    p.module = LoadLibraryA(StagePath("VumoPlugin\\Vortiq.dll").c_str());
    if (p.module) p.proc = (VumoProcFn)(void *)GetProcAddress(p.module, "VumoProc");
    return p;
}

inline void UnloadPlugin(LoadedPlugin &p)
{
    if (p.module) FreeLibrary(p.module);
    p = LoadedPlugin();
}

inline int32_t SendPluginMessage(const LoadedPlugin &p, PluginRecord *record, int32_t code)
{
    record->message = code;
    return p.proc(record);
}
