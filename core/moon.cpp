#include "core/moon.h"
