// The stand-in PICTORA.DLL implements the controller's declarations.
#pragma once
#include "controller/outside/pictora.h"
