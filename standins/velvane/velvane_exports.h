// The stand-in VELVANE.DLL implements the controller's declarations.
#pragma once
#include "controller/outside/velvane.h"
